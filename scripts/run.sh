#!/usr/bin/env bash
# Starts the desktop program from the given build folder.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."
  echo "run: set DISPLAY, or run under xvfb-run, to see the main window."
  exit 1
fi
exec "$build/src/app/varnholt" "$@"
