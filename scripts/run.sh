#!/usr/bin/env bash
# Builds Spatium (installing missing packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target spatium
exec ./build/spatium "$@"
