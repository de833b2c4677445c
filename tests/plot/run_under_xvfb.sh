#!/bin/sh
# Runs a test program under a virtual X server on the xcb platform. Without
# xvfb-run the program runs offscreen, where its X tests skip themselves.
program="$1"
shift
if command -v xvfb-run >/dev/null 2>&1; then
  QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
QT_QPA_PLATFORM=offscreen exec "$program" "$@"
