#!/usr/bin/env bash
# Builds Spatium with its tests (installing missing packages first) and runs
# every test headless.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   every test again in a build of its own
#                                (build-sanitize/) with AddressSanitizer and
#                                UndefinedBehaviorSanitizer: the first report
#                                ends the program and fails its test
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=build
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  # Leaks inside Qt, fontconfig and the platform libraries are not ours:
  # scripts/lsan.supp names them, and nothing of our own.
  export ASAN_OPTIONS="detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  bash scripts/deps.sh test sanitize
  # -O1 and line tables: the reports stay exact, and the build takes half
  # the time of -O2 with full debug information.
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPATIUM_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
  cmake --build "$build_dir" -j"$(nproc)"
elif [ $# -gt 0 ]; then
  echo "test.sh: unknown option '$1' (only --sanitize)" >&2
  exit 2
else
  bash scripts/build.sh --deps test
fi
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --no-tests=error --output-on-failure -j"$(nproc)" --timeout 300
