#!/usr/bin/env bash
# Configures and builds Spatium into build/ (Release flags with debug info).
#   scripts/build.sh [--deps GROUP]... [cmake --build arguments]
# Installs the packages of the program and of each named group first
# (see deps.sh); the tests are configured only when their framework is there.
set -euo pipefail
cd "$(dirname "$0")/.."
groups=()
while [ $# -gt 0 ] && [ "$1" = "--deps" ]; do
  groups+=("$2")
  shift 2
done
bash scripts/deps.sh "${groups[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" "$@"
