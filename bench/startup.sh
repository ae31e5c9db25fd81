#!/usr/bin/env bash
# Start-up of the desktop program under a real X server (Xvfb): runs
# varnholt-startup-bench RUNS times (default 15) and prints the median time
# to an exposed main window and the median of the whole process.
# Usage: bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
exec xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
  bench="$1/src/app/varnholt-startup-bench"; runs=$2
  inner=(); whole=()
  for i in $(seq "$runs"); do
    t0=$(date +%s%N)
    ms=$(QT_QPA_PLATFORM=xcb "$bench")
    t1=$(date +%s%N)
    inner+=("$ms"); whole+=("$(( (t1 - t0) / 1000000 ))")
  done
  median() { printf "%s\n" "$@" | sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
  echo "main window exposed: median $(median "${inner[@]}") ms over $runs runs"
  echo "whole process:       median $(median "${whole[@]}") ms"
' _ "$build" "$runs"
