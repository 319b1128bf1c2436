#!/bin/sh
# Stand-in for the game and the editor in the demo: shows the command line it
# was started with and which mod archives the launcher left in ../data, then
# exits. Installed as both vornakmod.exe and morlex.exe.
here=$(cd "$(dirname "$0")" && pwd)
name=$(basename "$0")

report() {
  echo "$name started on $(date '+%Y-%m-%d %H:%M:%S')"
  echo "working directory: $(pwd)"
  echo "\$0: $0"
  i=1
  for argument in "$@"; do
    echo "\$$i: [$argument]"
    i=$((i + 1))
  done
  echo "mod archives in ../data:"
  found=0
  for archive in "$here"/../data/*; do
    case "$archive" in
      *.[mM][oO][dD]) echo "  $(basename "$archive")"; found=1 ;;
    esac
  done
  [ "$found" = 1 ] || echo "  (none)"
}

text=$(report "$@")
printf '%s\n' "$text"
printf '%s\n' "$text" >"$here/last-start.txt"
if [ -n "${DISPLAY:-}" ] && command -v xmessage >/dev/null 2>&1; then
  # In the background, so that this program ends at once as the real one would
  # hand over to its own window.
  xmessage -title "$name" -center "$text" >/dev/null 2>&1 &
fi
exit 0
