#!/usr/bin/env bash
# Builds the project and runs every test.
#   scripts/test.sh             the normal build, in build/
#   scripts/test.sh --sanitize  the same suite built with AddressSanitizer and
#                               UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."

dir=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  flags=(-DQUELVAR_SANITIZE=ON -DQUELVAR_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

cmake -S . -B "$dir" -G Ninja "${flags[@]}"
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure --timeout 300 -j "$(nproc)"
