#!/bin/sh
# Lays out a demo game directory for trying the launcher:
#   DIR/system/        the program directory: mod INI files, stand-in programs
#   DIR/data/          archives of the mods that are active, a stray one, game data
#   DIR/data/modvdf/   parked archives
# An existing DIR is reused: only missing files are created, so a user's edits
# and the archives the launcher has moved stay as they are.
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 DIR" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
created=0
kept=0

mkdir -p "$dir/system" "$dir/data/modvdf"

# copy_missing SOURCE TARGET: copies SOURCE unless TARGET exists.
copy_missing() {
  if [ -e "$2" ]; then
    kept=$((kept + 1))
  else
    cp "$1" "$2"
    created=$((created + 1))
  fi
}

for ini in "$root"/demo/system/*; do
  copy_missing "$ini" "$dir/system/$(basename "$ini")"
done
for program in vornakmod.exe morlex.exe; do
  copy_missing "$root/demo/standin.sh" "$dir/system/$program"
  chmod +x "$dir/system/$program"
done

# Where each sample archive starts out: "data" is active, "modvdf" parked. The
# launcher moves them between the two, so one that exists in either place is
# left alone. worldmap.model and base.vdf are game data, never mod archives.
while read -r place name; do
  if [ -e "$dir/data/$name" ] || [ -e "$dir/data/modvdf/$name" ]; then
    kept=$((kept + 1))
    continue
  fi
  target="$dir/data/$name"
  [ "$place" = modvdf ] && target="$dir/data/modvdf/$name"
  printf 'Stand-in archive "%s" of the Vornak demo.\n' "$name" >"$target"
  created=$((created + 1))
done <<EOF
data base.vdf
data worldmap.model
data emberhold.mod
data emberhold_voices.mod
data stray_textures.mod
modvdf frostpeak.mod
modvdf frostpeak_music.mod
modvdf emberhold_maps.mod
modvdf tidewater.mod
modvdf caverns.mod
EOF

echo "demo game in $dir: $created files created, $kept already there"
