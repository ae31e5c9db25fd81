#!/usr/bin/env bash
# Starts the desktop program from the given build folder.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  # Without a display, run the program's main job in the command-line tool:
  # open an example project, recalculate it and print its verdicts.
  example="$(dirname "$0")/../examples/01_residential_level_entered_ka.vrh"
  echo "run: no display found (DISPLAY and WAYLAND_DISPLAY are empty)."
  echo "run: $build/varnholt-cli calc $example"
  status=0
  "$build/varnholt-cli" calc "$example" || status=$?
  echo "run: to see the desktop program, set DISPLAY (or run under xvfb-run) and"
  echo "run: start $build/src/app/varnholt, or run make run again."
  exit "$status"
fi
exec "$build/src/app/varnholt" "$@"
