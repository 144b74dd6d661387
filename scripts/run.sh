#!/usr/bin/env bash
# Builds the program and everything it needs, then runs it under Wine with a Chinese locale.
# With a display ($DISPLAY), the window opens there for you to use. Without one, a private
# virtual display runs an unattended demonstration: the notice is dismissed, a group number is
# typed and converted, the link is printed and a screenshot is saved (its path is printed).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QQ_ROOT/scripts/install-deps.sh"

arch="$(qq_run_arch)"
qq_build i686 -DQQLINK_BUILD_TESTS=OFF
qq_build "$arch" -DQQLINK_BUILD_TESTS=ON
bin="$(qq_build_dir "$arch")/bin"
if [ "$arch" != i686 ]; then
  qq_log "run: this kernel cannot run 32-bit code; running the $arch build of the same sources"
fi

trap qq_cleanup EXIT
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  qq_wine_env "$arch" "$QQ_STATE/prefix-run-$arch"
  qq_prefix_init windowed
  "$WINELOADER" "$bin/qqgrouplink.exe"
  exit 0
fi

qq_wine_env "$arch" "$QQ_STATE/prefix-demo-$arch"
qq_xvfb_start
qq_prefix_init desktop
shot_dir="$QQ_BUILD_ROOT/demo"
mkdir -p "$shot_dir"
rm -f "$shot_dir/screenshot.bmp" "$shot_dir/screenshot.png"
number="${QQ_DEMO_NUMBER:-123456}"
echo "group number: $number"
printf 'link:         '
"$WINELOADER" "$bin/qqdemo.exe" "$bin/qqgrouplink.exe" "$number" "$shot_dir/screenshot.bmp"
convert "$shot_dir/screenshot.bmp" "$shot_dir/screenshot.png"
rm -f "$shot_dir/screenshot.bmp"
echo "screenshot:   $shot_dir/screenshot.png"
