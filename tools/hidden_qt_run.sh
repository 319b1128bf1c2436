#!/bin/sh
# Run inside a mount namespace of its own (unshare -m): hides every Qt 6 and
# ICU library of the system and Qt's plugin folder, as on a desktop without
# them, starts PROGRAM under a private Xvfb and waits for its window named
# CAPTION. Leaves OUT.xwd, a screenshot (ImageMagick needs the hidden ICU, so
# it is converted outside). The namespace's mounts end with it. The program
# gets QT_QPA_PLATFORM=xcb unless the variable is set. It leaves what the
# program printed in OUT.launcher.log.
#   unshare -m sh hidden_qt_run.sh PROGRAM CAPTION OUT
set -eu
program=$1
caption=$2
out=$3
system=/usr/lib/x86_64-linux-gnu
mount --make-rprivate /
hidden=0
for f in "$system"/libQt6* "$system"/libicu*; do
  if [ -f "$f" ] && [ ! -L "$f" ]; then
    mount --bind /dev/null "$f"
    hidden=$((hidden + 1))
  fi
done
[ ! -d "$system/qt6" ] || mount -t tmpfs tmpfs "$system/qt6"
[ "$(wc -c <"$system/libQt6Core.so.6")" = 0 ] || { echo "the system's Qt is still there"; exit 1; }
echo "hidden: $hidden Qt 6 and ICU files of the system, and $system/qt6"

xvfb=""
launcher=""
stop() {
  [ -z "$launcher" ] || kill "$launcher" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap stop EXIT
Xvfb -displayfd 1 -screen 0 800x600x24 -nolisten tcp >"$out.display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$out.display" ] && break || sleep 0.1; done
export DISPLAY=":$(cat "$out.display")"
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-xcb}" "$program" >"$out.launcher.log" 2>&1 &
launcher=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "^$caption\$" 2>/dev/null | head -1) && [ -n "$window" ] && break
  kill -0 "$launcher" 2>/dev/null || break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "no window named '$caption'; the launcher said:"
  cat "$out.launcher.log"
  exit 1
fi
sleep 0.5
xwd -root -silent -display "$DISPLAY" >"$out.xwd" || echo "(no screenshot)"
echo "the release without the system's Qt shows its window '$caption'"
