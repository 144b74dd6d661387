#!/usr/bin/env bash
# Runs the whole test suite: installs what it needs, builds, checks the link script with node,
# then runs the unit and end-to-end tests under Wine in a private virtual display.
# Extra arguments go to ctest (for example -R Startup).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bash "$QQ_ROOT/scripts/install-deps.sh"
arch="$(qq_build_for_run)"
qq_start_session "$arch" test desktop

cd "$(qq_build_dir "$arch")"
ctest --output-on-failure "$@"
