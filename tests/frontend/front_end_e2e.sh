#!/usr/bin/env bash
# The whole program as a player meets it, on a real X display (run under
# tests/e2e/with_xvfb.sh): start, the title screen, a change of difficulty,
# the About tab and back, Escape, the farewell screen, a key, and the exit.
#
#   front_end_e2e.sh GAME_DIR OUT_DIR
#
# GAME_DIR is the built program folder (build/game: crownlift and Files/); it
# is copied to OUT_DIR/run so the build stays clean and the files the program
# writes can be checked. Screenshots of the window land in OUT_DIR:
# title.png, medium.png, about.png, hiscore.png, farewell.png.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/game_window.sh"

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/270/nuscores.dat"
[ -x "$out/run/crownlift" ] || fail "no program in $game_dir"

"$out/run/crownlift" >"$out/stdout.txt" 2>"$out/stderr.txt" &
pid=$!

# The window appears when the display opens; start-up lasts at least 2.5 s.
wait_for_game "$pid" "$out/run/Files/Debug.txt" 100
sleep 1.5  # the end of the start-up wait and the panel's slide-in

shot() { import -window "$wid" "$out/$1.png" || fail "screenshot $1"; }
# The colour "r,g,b" of window pixel (x, y) of a screenshot.
pixel() {
  local p="p{$2,$3}"
  convert "$out/$1.png" -format "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:
}
# Pixels differing between two screenshots inside a w x h+x+y box.
changed() {
  compare -metric AE -crop "$3" "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1
}
# A key held for a moment, so that a frame sees it down.
tap() {
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
  sleep 0.35
}

# In an 800 x 600 window the 1280 x 960 logical screen is scaled by 0.625.
# The backdrop shows at (30, 550), left of the difficulty words; on the
# Hiscore tab it is violet (red, no green), on About blue-green (green, no red).
backdrop_is() {
  local rgb r g
  rgb=$(pixel "$1" 30 550)
  r=${rgb%%,*}
  g=${rgb#*,}
  g=${g%%,*}
  case $2 in
    hiscore) [ "$r" -gt 0 ] && [ "$g" -eq 0 ] ;;
    about) [ "$g" -gt 0 ] && [ "$r" -eq 0 ] ;;
  esac || fail "$1.png: backdrop at (30,550) is $rgb, not the $2 colour"
}

shot title
backdrop_is title hiscore
kill -0 "$pid" 2>/dev/null || fail "the program ended on the title screen"

# Difficulty words at logical (332, 680 + 50k): window box 130 x 100 at (200, 415).
tap Down
shot medium
[ "$(changed title medium 130x100+200+415)" -gt 0 ] || fail "Down did not change the difficulty"

tap 3
sleep 1.5  # the backdrop fades to the tab's colour
shot about
backdrop_is about about
# The panel (logical x from 860: window x from 537) shows a different page.
[ "$(changed title about 250x500+540+60)" -gt 1000 ] || fail "3 did not show the About tab"

tap 1
sleep 1.5
shot hiscore
backdrop_is hiscore hiscore

tap Escape
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended without a farewell screen"
shot farewell
# Saved before the farewell frame was drawn; the program still waits for a key.
[ -s "$out/run/Files/Setup.ini" ] || fail "Setup.ini not written before the farewell screen"
[ -s "$out/run/Files/270/nuscores.dat" ] || fail "nuscores.dat not written before the farewell screen"
[ "$(changed hiscore farewell 800x600+0+0)" -gt 10000 ] || fail "no farewell screen after Escape"

xdotool key space
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "a key on the farewell screen did not end the program"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q "^Width=800" "$out/run/Files/Setup.ini" || fail "Setup.ini lacks the window width"
tail -c 40 "$out/run/Files/Debug.txt" | grep -q "Play again, soon!!" || fail "log lacks the farewell"
echo "front end end-to-end: ok (screenshots in $out)"
