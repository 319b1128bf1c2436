#!/bin/sh
# Installs what building and testing the launcher needs on Debian 12 (as root).
set -eu
packages="cmake ninja-build g++ clang libclang-rt-14-dev clang-format libgtest-dev libgmock-dev
  libbenchmark-dev qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev xvfb xauth xdotool xclip x11-apps x11-utils
  imagemagick python3 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 unzip file fonts-liberation2
  wine wine64 fonts-wine procps locales desktop-file-utils libglib2.0-bin debootstrap"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q --no-install-recommends $missing
fi
# Texts in the ANSI code page of the locale are tested under a Polish one.
locale -a | grep -qx 'pl_PL.utf8' || localedef -i pl_PL -f UTF-8 pl_PL.UTF-8
