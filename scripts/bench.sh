#!/usr/bin/env bash
# Runs the benchmark: builds the 32-bit product (for its size) and the build that runs here,
# then drives the program and its floor programs under Wine in a private virtual display and
# prints the table. Takes a few minutes. QQ_BENCH_CONVERSIONS sets the number of conversions
# (800 by default: Wine's script control fails every call after about 920 runs in a process).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QQ_ROOT/scripts/install-deps.sh"

arch="$(qq_build_for_run)"
product="$(qq_build_dir i686)/bin"
build="$(qq_build_dir "$arch")"

json="$QQ_BUILD_ROOT/bench/bench-$arch.json"
mkdir -p "$(dirname "$json")"
cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1)"

qq_start_session "$arch" bench desktop
machine="$(uname -srm), $(nproc) x $cpu, $("$WINELOADER" --version 2>/dev/null || echo wine), run as $arch"

"$WINELOADER" "$build/bin/qqbench.exe" \
  --conversions "${QQ_BENCH_CONVERSIONS:-800}" \
  --startups "${QQ_BENCH_STARTUPS:-5}" \
  --exe-bytes "$(stat -c %s "$product/qqgrouplink.exe")" \
  --floor-exe-bytes "$(stat -c %s "$product/qqbench_floor_msgbox.exe")" \
  --machine "$machine" \
  --json "Z:${json//\//\\}"
qq_log "bench: JSON written to $json"
