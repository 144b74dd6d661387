#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: packages already present are skipped, so a warm machine pays nothing.
set -euo pipefail

# wine32 runs the 32-bit program where the kernel can execute 32-bit code; wine64 and the
# x86_64 cross compiler stand in where it cannot (see qq_run_arch in lib.sh).
packages=(
  cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine32:i386 wine64 xvfb xdotool imagemagick x11-utils clang-format
  fonts-wqy-microhei locales googletest
)
# node checks the link script on the host; most machines already have it.
command -v node >/dev/null 2>&1 || packages+=(nodejs)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}" >&2
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo_cmd[@]}" dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs a Chinese locale so that the ANSI code page is 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  echo "install-deps: generating zh_CN.UTF-8" >&2
  if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
