#!/usr/bin/env bash
# Builds Zentaro in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh release
exec ./build/release/src/zentaro
