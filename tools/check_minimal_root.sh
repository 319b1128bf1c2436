#!/bin/sh
# Starts the unpacked Linux release in a minimal Debian root that holds only
# what the README's table of desktop libraries names (tools/desktop_packages.py
# reads it): the window must show (screenshot) and a start must reach a
# stand-in game that records its command line. As root.
#   tools/check_minimal_root.sh [SUITE[=COLUMN]...]     default: trixie bookworm
# COLUMN is the suite whose README column to install when SUITE has none of
# its own (bullseye=bookworm). The roots come from debootstrap --variant=minbase
# and are kept in $VS_ROOTS_CACHE (default /var/cache/vornakstarter-roots), so
# only a first run, or a changed list, downloads. The release is
# $VS_RELEASE, else dist/'s, else one made by tools/package.sh --linux-only.
set -eu
root_dir=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" = 0 ] || { echo "check_minimal_root.sh: needs root (debootstrap, chroot)"; exit 2; }
if [ "${VS_ROOT_NAMESPACE:-}" != 1 ]; then
  # Every mount below ends with this namespace, whatever happens.
  VS_ROOT_NAMESPACE=1 exec unshare -m sh "$0" "$@"
fi
mount --make-rprivate /
cache=${VS_ROOTS_CACHE:-/var/cache/vornakstarter-roots}
mirror=${VS_DEBIAN_MIRROR:-http://deb.debian.org/debian}
version=$(sed -n 's/^project(VornakStarter VERSION \([0-9.]*\).*/\1/p' "$root_dir/CMakeLists.txt")
release=${VS_RELEASE:-$root_dir/dist/VornakStarter-$version-linux-x86_64.tar.gz}
if [ ! -f "$release" ]; then
  VS_ROOT="$root_dir" sh "$root_dir/tools/package.sh" --linux-only >/dev/null
fi
shots="$root_dir/build/minimal-roots"
mkdir -p "$cache" "$shots"
work=$(mktemp -d)
xvfb=""
launcher=""
stop() {
  [ -z "$launcher" ] || kill "$launcher" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap stop EXIT
echo "release: $release ($(wc -c <"$release") bytes)"

# A cached Debian root: the minbase system, then one per list of packages.
prepare_root() { # SUITE COLUMN -> prints the root's path
  suite=$1
  packages=$(python3 "$root_dir/tools/desktop_packages.py" "$2" "$root_dir/README.md" | tr '\n' ' ')
  base="$cache/$suite-minbase"
  if [ ! -f "$base/.complete" ]; then
    rm -rf "$base.part"
    debootstrap --variant=minbase "$suite" "$base.part" "$mirror" >"$work/debootstrap.log" 2>&1 || {
      tail -20 "$work/debootstrap.log" >&2
      return 1
    }
    chroot "$base.part" dpkg-query -W -f '${Package}\n' | sort >"$base.part/.minbase-packages"
    touch "$base.part/.complete"
    mv "$base.part" "$base"
  fi
  key=$(printf '%s' "$packages" | sha256sum | cut -c1-12)
  root="$cache/$suite-desktop-$key"
  if [ ! -f "$root/.complete" ]; then
    rm -rf "$root.part" "$cache/$suite-desktop-"*
    cp -a "$base" "$root.part"
    cp /etc/resolv.conf "$root.part/etc/resolv.conf"
    mount -t proc proc "$root.part/proc"
    mount --bind /dev "$root.part/dev"
    # shellcheck disable=SC2086
    { chroot "$root.part" apt-get update -q &&
      chroot "$root.part" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends $packages &&
      chroot "$root.part" apt-get clean; } >"$work/apt.log" 2>&1 || {
      umount "$root.part/dev" "$root.part/proc"
      tail -20 "$work/apt.log" >&2
      return 1
    }
    umount "$root.part/dev" "$root.part/proc"
    printf '%s\n' $packages >"$root.part/.desktop-packages"
    touch "$root.part/.complete"
    mv "$root.part" "$root"
  fi
  echo "$root"
}

fail() {
  echo "FAILED ($suite): $*"
  status=1
}

# The release in ROOT: unpacked into a tmpfs over /opt, on the host's Xvfb.
check_root() { # SUITE ROOT
  suite=$1
  root=$2
  added=$(chroot "$root" dpkg-query -W -f '${Package}\n' | sort | comm -13 "$root/.minbase-packages" -)
  echo "$suite: minbase and the README's $(wc -l <"$root/.desktop-packages") packages" \
    "($(echo "$added" | wc -l) packages with their dependencies):" $added
  echo "$suite: $(chroot "$root" ldd --version | head -1)"
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount -t tmpfs tmpfs "$root/opt"
  mkdir -p "$root/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
  game="$root/opt/game"
  mkdir -p "$game/system" "$game/data/modvdf" "$root/opt/home"
  mkdir -m 700 "$root/opt/runtime"
  tar -xzf "$release" -C "$game/system"
  printf '[info]\r\ntitle=Vornak\r\nvdf=\r\n' >"$game/system/vornakgame.ini"
  echo "a mod's archive" >"$game/data/spare.mod"
  cat >"$game/system/vornakmod.exe" <<'EOF'
#!/bin/sh
# Stands in for the game: records where and how it was started.
printf '%s\n' "$(pwd)" "$@" >/opt/game/started.txt
EOF
  chmod +x "$game/system/vornakmod.exe"
  # As in a Wayland session: the launcher must pick xcb without a word.
  chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/opt/home LANG=C.UTF-8 \
    XDG_RUNTIME_DIR=/opt/runtime DISPLAY="$DISPLAY" XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY=wayland-0 /opt/game/system/VornakStarter >"$work/$suite.log" 2>&1 &
  launcher=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name "^VornakStarter v$version\$" 2>/dev/null | head -1) &&
      [ -n "$window" ] && break
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.2
  done
  status=0
  if [ -z "$window" ]; then
    kill "$launcher" 2>/dev/null && wait "$launcher" || true
    cat "$work/$suite.log"
    chroot "$root" ldd /opt/game/system/VornakStarter | grep "=> not found" || true
    fail "no window"
  else
    sleep 0.5
    import -window root "$shots/$suite-shown.png" && echo "$suite: screenshot $shots/$suite-shown.png"
    xdotool windowfocus --sync "$window" key Return
    for _ in $(seq 50); do [ -f "$game/started.txt" ] && break || sleep 0.2; done
    if [ "$(cat "$game/started.txt" 2>/dev/null)" != "$(printf '/opt/game/system\n-game:vornakgame.ini')" ]; then
      fail "the stand-in game was not started as expected: $(cat "$game/started.txt" 2>/dev/null)"
    elif [ ! -f "$game/data/modvdf/spare.mod" ]; then
      fail "the start did not park data/spare.mod"
    else
      echo "$suite: Enter started the stand-in game: vornakmod.exe -game:vornakgame.ini"
    fi
    sleep 0.5
    import -window root "$shots/$suite-started.png" && echo "$suite: screenshot $shots/$suite-started.png"
    xdotool windowfocus --sync "$window" key Escape
    code=0
    for _ in $(seq 50); do kill -0 "$launcher" 2>/dev/null && sleep 0.2 || break; done
    ! kill "$launcher" 2>/dev/null || fail "Escape did not end the launcher"
    wait "$launcher" || code=$?
    [ "$code" = 0 ] || fail "the launcher ended with $code"
    if [ -s "$work/$suite.log" ]; then
      echo "$suite: the launcher said:"
      cat "$work/$suite.log"
      ! grep -qi wayland "$work/$suite.log" || fail "a warning about Wayland"
    fi
  fi
  launcher=""
  umount "$root/tmp/.X11-unix" "$root/opt" "$root/dev" "$root/proc"
  return $status
}

Xvfb -displayfd 1 -screen 0 800x600x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break || sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

[ $# -gt 0 ] || set -- trixie bookworm
result=0
for request in "$@"; do
  suite=${request%%=*}
  column=${request#*=}
  began=$(date +%s)
  if root=$(prepare_root "$suite" "$column"); then
    echo "$suite: root $root (ready after $(($(date +%s) - began)) s)"
    check_root "$suite" "$root" && echo "$suite: OK" || result=1
  else
    echo "FAILED ($suite): no root"
    result=1
  fi
  echo "$suite: $(($(date +%s) - began)) s"
done
exit $result
