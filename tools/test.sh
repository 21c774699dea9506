#!/usr/bin/env bash
# Builds the program and runs the whole test suite headless.
#   bash tools/test.sh             the suite (warnings are errors under CI)
#   bash tools/test.sh --sanitize  the suite built with AddressSanitizer and
#                                  UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ -n "${CI:-}" ]; then flags+=(-DVELBRISK_WERROR=ON); fi
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags+=(-DVELBRISK_SANITIZE=ON -DVELBRISK_WERROR=ON)
  # Qt and the font libraries keep some memory for the whole run on purpose.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
