#!/bin/sh
# Runs a test program on a virtual X display with the window manager openbox,
# so that windows get real frames and title bars.
set -eu
exec xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$0" "$@"
  status=$?
  kill $wm 2>/dev/null || true
  exit $status' "$@"
