# Sourced by the scripts that run Windows programs under Wine.
#   wine_session PREFIX WORK SCREEN
# exports a private prefix, home and temporary directory (under WORK), starts
# one private X server of SCREEN ("1024x768x24") for every Wine call of the
# run, and makes the prefix on its first use, with the fonts the dialogs need.
#   wine_session_end
# stops Wine and the X server.

wine_session_xvfb=

wine_session() {
  export WINEPREFIX="$1" HOME="$2/home" TMPDIR="$2/tmp"
  export WINEDEBUG=-all WINEARCH=win64
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
  mkdir -p "$HOME" "$TMPDIR"

  # One display for every Wine call: a windowless first start spoils the prefix.
  display=99
  while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "$3" -nolisten tcp >"$2/xvfb.log" 2>&1 &
  wine_session_xvfb=$!
  export DISPLAY=":$display"
  sleep 1

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >"$2/wineboot.log" 2>&1 || true
    wineserver -w
  fi
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/marlett.ttf /usr/share/wine/fonts/tahoma*.ttf; do
    [ -f "$font" ] && cp -u "$font" "$fonts/"
  done
}

wine_session_end() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$wine_session_xvfb" 2>/dev/null || true
}
