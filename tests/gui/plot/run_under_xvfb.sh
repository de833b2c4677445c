#!/bin/sh
# Runs a test program under a virtual X server on the xcb platform. Without
# xvfb-run the program runs offscreen, where its X tests skip themselves.
#   run_under_xvfb.sh [--screen WxHxDEPTH] PROGRAM [ARGUMENTS]
screen=1280x1024x24
if [ "$1" = "--screen" ]; then
  screen="$2"
  shift 2
fi
program="$1"
shift
if command -v xvfb-run >/dev/null 2>&1; then
  QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 $screen" "$program" "$@"
fi
QT_QPA_PLATFORM=offscreen exec "$program" "$@"
