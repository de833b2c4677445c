#!/bin/sh
# Starts the installed program as the desktop's menu does, from a directory
# of its own, on a virtual X server, and ends it as a user does: closes the
# main window and answers "Wirklich beenden ?" with "Ja". Passes when the
# main window is shown within 5 seconds and the program then ends with
# status 0.
#   run_installed_program.sh PREFIX CLOSE_WINDOW_HELPER
set -u
if [ "${1:-}" != "--inside" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
prefix="$2"
helper="$3"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cd "$home"
QT_QPA_PLATFORM=xcb HOME="$home" XDG_CONFIG_HOME="$home/.config" "$prefix/bin/spatium" &
pid=$!
if ! "$helper" "Unbenannt – Spatium V2.20" 5000; then
  kill "$pid" 2>/dev/null
  exit 1
fi
waited=0
while kill -0 "$pid" 2>/dev/null; do
  if [ "$waited" -ge 100 ]; then
    echo "FAIL: the program still runs 10 s after the question was answered" >&2
    kill "$pid"
    exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
echo "the program ended with status 0"
