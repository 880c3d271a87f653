#!/usr/bin/env bash
# Builds Zentaro and runs every test: first the Release build, then the whole
# suite again under the address and undefined-behaviour sanitizers. ctest's
# summary line comes last.
set -euo pipefail
cd "$(dirname "$0")/.."

phase() { printf '\n== %s\n' "$*"; }
took() { printf '== %s took %d min %d s\n' "$1" $((SECONDS / 60)) $((SECONDS % 60)); SECONDS=0; }

SECONDS=0
phase "Phase 1 of 2: Release build and every test (first run on a 2-core machine about 12 min, later runs 3-5 min)"
bash scripts/setup.sh release
took "The Release build"
ctest --preset release --parallel "$(nproc)"
took "The Release tests"

phase "Phase 2 of 2: sanitizer build (address, undefined behaviour) and every test again (first run about 15 min, later runs 5-7 min)"
bash scripts/setup.sh asan
took "The sanitizer build"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset asan --parallel "$(nproc)"
