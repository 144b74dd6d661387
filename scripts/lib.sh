# Shared shell functions for building, running and testing under Wine. Source it; it sets no
# traps of its own. Every process it starts is recorded so qq_cleanup can end it by pid.

QQ_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# QQ_BUILD_ROOT lets several checkouts or people build side by side without sharing a tree.
QQ_BUILD_ROOT="${QQ_BUILD_ROOT:-$QQ_ROOT/build}"
QQ_STATE="${QQ_STATE:-$QQ_BUILD_ROOT/state}"
QQ_XVFB_PID=""

qq_log() { printf '%s\n' "$*" >&2; }

# The architecture whose build is run here. The product is 32-bit; where the kernel cannot run
# 32-bit code (IA-32 emulation off), Wine cannot start a 32-bit process at all, and the 64-bit
# build of the same sources stands in. QQLINK_ARCH=i686|x86_64 overrides the choice.
qq_run_arch() {
  if [ -n "${QQLINK_ARCH:-}" ]; then echo "$QQLINK_ARCH"; return; fi
  # An i386 binfmt handler would mean emulation, far too slow for the tests: treat as absent.
  if grep -qs '^magic 7f454c4601010100' /proc/sys/fs/binfmt_misc/* 2>/dev/null; then
    echo x86_64; return
  fi
  if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}

qq_build_dir() { echo "$QQ_BUILD_ROOT/$1"; }

# Configures and builds one architecture. Extra arguments go to cmake.
qq_build() {
  local arch="$1"; shift
  local dir; dir="$(qq_build_dir "$arch")"
  cmake -S "$QQ_ROOT" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$QQ_ROOT/cmake/$arch-w64-mingw32.cmake" \
    -DQQLINK_WINE_EXEC="$QQ_ROOT/scripts/wine-exec" "$@" >/dev/null
  cmake --build "$dir"
}

# Exports what every Wine call of ours needs for architecture $1 and prefix $2.
qq_wine_env() {
  local arch="$1"
  export WINEPREFIX="$2"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  if [ "$arch" = i686 ]; then
    export WINELOADER=/usr/lib/wine/wine
  else
    export WINELOADER=/usr/lib/wine/wine64
  fi
  if [ -x /usr/lib/wine/wineserver64 ]; then
    export WINESERVER=/usr/lib/wine/wineserver64
  else
    export WINESERVER=/usr/lib/wine/wineserver32
  fi
}

# Creates the private prefix once: no Mono or Gecko prompts, Chinese-capable UI fonts, and
# optionally a Windows-like virtual desktop of 1024 x 768 (so windows get frames and focus
# behaves as on Windows even without a window manager).
qq_prefix_init() {
  local desktop="${1:-desktop}"
  local stamp="$WINEPREFIX/.qq-ready-$desktop"
  [ -f "$stamp" ] && return 0
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINELOADER" wineboot -i >/dev/null 2>&1
  local reg="$WINEPREFIX/qq-settings.reg"
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for font in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "SimSun" "宋体"; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$font"
    done
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n'
    if [ "$desktop" = desktop ]; then
      printf '"Desktop"="Default"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n'
    else
      printf '"Desktop"=-\r\n'
    fi
  } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  "$WINELOADER" regedit /S "$reg" >/dev/null 2>&1
  "$WINESERVER" -w
  rm -f "$WINEPREFIX"/.qq-ready-*
  touch "$stamp"
}

# Starts a private Xvfb and exports DISPLAY for it.
qq_xvfb_start() {
  local fifo; fifo="$(mktemp -u)"; mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  QQ_XVFB_PID=$!
  local number; read -r number <"$fifo"; rm -f "$fifo"
  export DISPLAY=":$number"
}

# Ends our wineserver (and with it every process in the prefix) and our Xvfb.
qq_cleanup() {
  if [ -n "${WINEPREFIX:-}" ] && [ -n "${WINESERVER:-}" ] && [ -d "$WINEPREFIX" ]; then
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w >/dev/null 2>&1 || true
  fi
  if [ -n "$QQ_XVFB_PID" ]; then
    kill "$QQ_XVFB_PID" 2>/dev/null || true
    wait "$QQ_XVFB_PID" 2>/dev/null || true
    QQ_XVFB_PID=""
  fi
}

# Builds the 32-bit product and the build that runs on this machine, and prints the latter's
# architecture. Build output goes to stderr.
qq_build_for_run() {
  local arch; arch="$(qq_run_arch)"
  # Called in a command substitution, where set -e does not act: stop on a failure by hand.
  qq_build i686 -DQQLINK_BUILD_TESTS=OFF >&2 || return 1
  qq_build "$arch" -DQQLINK_BUILD_TESTS=ON >&2 || return 1
  if [ "$arch" != i686 ]; then
    qq_log "this kernel cannot run 32-bit code; the $arch build of the same sources runs here"
  fi
  echo "$arch"
}

# Starts a Wine session for architecture $1 in the private prefix named $2: with $3 = desktop
# in a private Xvfb and a Windows-like virtual desktop, with $3 = windowed on the current
# display. Sets qq_cleanup as the EXIT trap, so the session ends with the calling script.
qq_start_session() {
  qq_wine_env "$1" "$QQ_STATE/prefix-$2-$1"
  trap qq_cleanup EXIT
  if [ "$3" = desktop ]; then qq_xvfb_start; fi
  qq_prefix_init "$3"
  # A server left behind by an interrupted run would refuse the persistent one.
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  # A persistent server spares every program the server start-up.
  "$WINESERVER" -p
  # The first program of a server starts the prefix's services, which inherit its stdout and
  # keep it open; started here, away from any caller's pipes, they cannot hold those open.
  "$WINELOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
