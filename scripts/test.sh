#!/usr/bin/env bash
# Runs the whole test suite: installs what it needs, builds, checks the link script with node,
# then runs the unit and end-to-end tests under Wine in a private virtual display.
# Extra arguments go to ctest (for example -R Startup).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QQ_ROOT/scripts/install-deps.sh"

arch="$(qq_run_arch)"
qq_log "test: building the 32-bit product and the $arch test build"
qq_build i686 -DQQLINK_BUILD_TESTS=OFF
qq_build "$arch" -DQQLINK_BUILD_TESTS=ON
build="$(qq_build_dir "$arch")"

qq_wine_env "$arch" "$QQ_STATE/prefix-test-$arch"
trap qq_cleanup EXIT
qq_xvfb_start
qq_prefix_init desktop
# A persistent server spares every test program the server start-up.
"$WINESERVER" -p
# The first Wine program of a server starts the prefix's services, which inherit its stdout and
# keep it open; started here, away from CTest's pipes, they cannot make CTest wait for them.
"$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true

cd "$build"
ctest --output-on-failure "$@"
