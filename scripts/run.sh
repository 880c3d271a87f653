#!/usr/bin/env bash
# Builds the application alone in Release (no tests, benchmarks or tools) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh release zentaro
exec ./build/release/src/zentaro
