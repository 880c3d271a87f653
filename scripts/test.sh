#!/usr/bin/env bash
# Builds Zentaro and runs every test: first the Release build, then the whole
# suite again under the address and undefined-behaviour sanitizers. ctest's
# summary line comes last.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh release
ctest --preset release --parallel "$(nproc)"

bash scripts/setup.sh asan
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset asan --parallel "$(nproc)"
