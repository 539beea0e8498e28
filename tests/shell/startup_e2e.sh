#!/usr/bin/env bash
# Start-up of the real program on a real X display (run under
# tests/e2e/with_xvfb.sh): the window's title, a picture taken during the
# performance calibration, and Debug.txt line by line once loading finished.
#
#   startup_e2e.sh GAME_DIR OUT_DIR
#
# GAME_DIR (build/game) is copied to OUT_DIR/run, with no Setup.ini, so the
# build stays clean. OUT_DIR/calibration.png is the picture of the
# calibration; the "Main sprites" figure it logged is printed.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
title='#270 : Reelpack -  Crownlift'

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/270/nuscores.dat" "$out/run/Files/Debug.txt"

# Started from another folder: the program finds its files on its own.
(cd / && exec "$out/run/crownlift") >"$out/stdout.txt" 2>"$out/stderr.txt" &
pid=$!

wid=
for _ in $(seq 1 100); do
  wid=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
  [ -n "$wid" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended during start-up"
  sleep 0.1
done
[ -n "$wid" ] || fail "no window titled exactly '$title'"
[ "$(xdotool getwindowname "$wid")" = "$title" ] || fail "window title differs"

# The calibration runs while "Starting Engine Test" is the newest line.
for _ in $(seq 1 200); do
  grep -q "Starting Engine Test" "$out/run/Files/Debug.txt" 2>/dev/null && break
  sleep 0.05
done
sleep 0.7  # the logos slide in over 30 frames
import -window "$wid" "$out/calibration.png" || fail "no screenshot"
grep -q "Test Complete" "$out/run/Files/Debug.txt" && fail "the calibration ended before the screenshot"

for _ in $(seq 1 300); do
  grep -q "Finished Loading" "$out/run/Files/Debug.txt" 2>/dev/null && break
  sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=

# The picture: the backdrop's violet in the bottom-left corner and the two
# logos' colours somewhere in the frame.
corner=$(convert "$out/calibration.png" -format '%[fx:int(255*p{5,590}.r)],%[fx:int(255*p{5,590}.g)],%[fx:int(255*p{5,590}.b)]' info:)
IFS=, read -r r g b <<<"$corner"
[ "$b" -gt "$r" ] && [ "$g" -eq 0 ] || fail "calibration.png: no backdrop at (5,590): $corner"
colours=$(convert "$out/calibration.png" -colors 64 -unique-colors txt:- | wc -l)
[ "$colours" -gt 20 ] || fail "calibration.png: too plain for two logos ($colours colours)"

# The log, CR LF line ends dropped; numbers that depend on the machine are
# matched by pattern.
tr -d '\r' <"$out/run/Files/Debug.txt" >"$out/debug.txt"
expected=(
  "Quillmoor's Pacewright Engine" "----------------------------" "Week #270"
  "----------------------------" "$title" "----------------------------" "" "Loading"
  "Setting Audio Driver" "Set Audio Driver" "" ""
  $'\tRequested Resolution : 800x600' $'\tSetup Loaded' "" "Grabbing Previous Scores" "" ""
  "-=-=-=-=-=-=-=-=-=-=-=-=-=-" "Applying Graphical Settings" $'\tUsing OpenGL Driver'
  $'\tResolution : 800x600,0' "" "Loading : Common Objects" "" "Switching to Default Folder" ""
  $'\tDefault Fonts' $'\tDefault Icons' $'\tLogos' $'\tBadgeGet' "" "Switching to Game Folder" ""
  "Loading Sound effects" $'\tSFX(2)' $'\tSFX(3)' $'\tSFX(4)' $'\tSFX(96)' $'\tSFX(97)'
  $'\tSFX(98)' "Sounds loaded" "" "Starting Engine Test" "Aiming for 60,1" "Test Complete" ""
  "Engine Test Results" "" $'\tMaximum Sprites Allowed for 60 Frames Per Second'
  "MAIN" "GLOW" "PARTICLES" ""
)
mapfile -t actual <"$out/debug.txt"
for i in "${!expected[@]}"; do
  want=${expected[$i]}
  got=${actual[$i]-<missing>}
  case $want in
    MAIN) [[ $got =~ ^$'\t'"Main sprites : "[0-9]+$ ]] || fail "line $((i + 1)): '$got'" ;;
    GLOW) [[ $got =~ ^$'\t'"Glowy Sprites : "[0-9]+$ ]] || fail "line $((i + 1)): '$got'" ;;
    PARTICLES) [[ $got =~ ^$'\t'"Particles : "[0-9]+$ ]] || fail "line $((i + 1)): '$got'" ;;
    *) [ "$got" = "$want" ] || fail "line $((i + 1)): '$got', expected '$want'" ;;
  esac
done
# A slow machine adds the 30 fps line; then the closing lines.
rest=("${actual[@]:${#expected[@]}}")
[ "${rest[0]}" = "Settings Overwritten, Set to Default Lower Limits at 30fps." ] && rest=("${rest[@]:1}")
[ "${rest[*]}" = " -=-=-=-=-=-=-=-=-=-=-=-=-=- Finished Loading" ] || fail "closing lines: '${rest[*]}'"
[ ! -e "$out/run/Files/270/crash.dat" ] || fail "crash.dat left behind"

echo "start-up end-to-end: ok; calibration logged '$(grep 'Main sprites' "$out/debug.txt" | tr -d '\t')'"
