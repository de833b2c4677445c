#!/usr/bin/env bash
# Builds and runs the benchmarks (never part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --deps bench --target spatium_bench
export QT_QPA_PLATFORM=offscreen
./build/bench/spatium_bench "$@"
