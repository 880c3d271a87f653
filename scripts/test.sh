#!/usr/bin/env bash
# Builds Zentaro in Release and runs every test; ctest's summary line comes last.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh release
ctest --preset release --parallel "$(nproc)"
