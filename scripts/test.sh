#!/usr/bin/env bash
# Builds Spatium with its tests (installing missing packages first) and runs
# every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --deps test
export QT_QPA_PLATFORM=offscreen
cd build
ctest --no-tests=error --output-on-failure -j"$(nproc)" --timeout 300
