#!/usr/bin/env bash
# Runs the screenshot tool under a virtual X server (real windows, real fonts):
#   ./scripts/screenshot.sh OUT.png [ACTION]...   (the actions: tools/screenshot.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --deps test --target spatium_screenshot
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" ./build/tools/spatium_screenshot "$@"
