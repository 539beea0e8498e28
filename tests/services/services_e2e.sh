#!/usr/bin/env bash
# The in-game services of the whole program on a real X display (run under
# tests/e2e/with_xvfb.sh), driven with xdotool as a player would:
#   F11 on the title screen saves a PNG of the screen into Files/;
#   Tab slides the settings overlay down, and Tab again up, writing Setup.ini;
#   a key pressed while the pointer rests on player 1's fire widget rebinds it,
#   and the next game starts with that key (and no longer with Z);
#   Escape in the game opens the pause menu; Quit leads to the name entry and
#   to a run recorded with Quit 1.
#
#   services_e2e.sh GAME_DIR OUT_DIR SCORE_DUMP
#
# GAME_DIR is the built program folder (crownlift and Files/); it is copied to
# OUT_DIR/run. SCORE_DUMP prints the runs of a score file. Screenshots of the
# window land in OUT_DIR: title, f11 (the game's own file), overlay, rebound,
# closed, game, pause, name, after.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
score_dump=${3:?score_dump program}
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/game_window.sh"

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/270/nuscores.dat" "$out/run/Files/"*.png
[ -x "$out/run/crownlift" ] || fail "no program in $game_dir"
files="$out/run/Files"

"$out/run/crownlift" >"$out/stdout.txt" 2>"$out/stderr.txt" &
pid=$!

wait_for_game "$pid" "$files/Debug.txt"
xdotool mousemove --window "$wid" 400 560
sleep 1.5

shot() { import -window "$wid" "$out/$1.png" || fail "screenshot $1"; }
# The colour "r,g,b" of pixel (x, y) of a screenshot.
pixel() {
  local p="p{$2,$3}"
  convert "$out/$1.png" -format "%[fx:int(255*$p.r)],%[fx:int(255*$p.g)],%[fx:int(255*$p.b)]" info:
}
# Pixels of a w x h+x+y box of a screenshot whose colour is near r,g,b.
count_near() {
  convert "$out/$1.png" -crop "$2" +repage -fuzz 20% -fill white -opaque "rgb($3)" \
    -fill black +opaque white -format "%[fx:int(mean*w*h)]" info:
}
# Pixels differing between two screenshots inside a w x h+x+y box.
changed() {
  compare -metric AE -fuzz 5% -crop "$3" "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1
}
tap() {
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
  sleep 0.35
}

# ---- F11: a PNG of the screen in Files/ ---------------------------------------------
shot title
tap F11
sleep 1
pattern='^Reelpack -  Crownlift \(Screenshot_[0-9]{2} [A-Z][a-z]{2} [0-9]{4}_[0-9]{6}\)\.png$'
name=$(ls "$files" | grep -E "$pattern")
[ "$(printf '%s\n' "$name" | grep -c .)" -eq 1 ] || fail "no single screenshot in Files/: $(ls "$files")"
cp "$files/$name" "$out/f11.png"
[ "$(identify -format '%m %w %h' "$out/f11.png")" = "PNG 800 600" ] || fail "f11.png is not an 800 x 600 PNG"
[ "$(identify -format '%k' "$out/f11.png")" -gt 200 ] || fail "f11.png is nearly blank"
# It shows the title screen: below the flashing settings hint and above the
# pointer and the message log (added after the grab), it matches the window.
[ "$(changed title f11 800x470+0+70)" -lt 500 ] || fail "f11.png does not show the screen"
grep -q $'^\tSaved Screenshot 1\r$' "$files/Debug.txt" || fail "log lacks a saved screenshot"
[ ! -e "$out/run/Files/270/$name" ] || fail "screenshot written into the game folder"

# ---- Tab: the overlay slides down ------------------------------------------------------
tap Tab
sleep 1
shot overlay
[ -s "$files/Setup.ini" ] || fail "Tab did not write Setup.ini"
# The panel's bottom edge, logical y 318 (window 199), is pale green.
[ "$(count_near overlay 700x3+50+198 180,255,180)" -gt 600 ] || fail "no overlay edge after Tab"
[ "$(changed title overlay 800x190+0+0)" -gt 20000 ] || fail "Tab did not bring the panel down"

# Player 1's fire widget: logical (440, 90) to (488, 138), window centre (290, 71).
xdotool mousemove --window "$wid" 290 71
sleep 0.5
xdotool keydown a
sleep 0.4
xdotool keyup a
xdotool mousemove --window "$wid" 400 560
sleep 0.5
shot rebound

tap Tab
sleep 1
shot closed
[ "$(count_near closed 700x3+50+198 180,255,180)" -lt 50 ] || fail "the overlay did not go after Tab"

# ---- Setup.ini as written on closing ------------------------------------------------------
ini="$files/Setup.ini"
[ "$(grep -c $'\r$' "$ini")" -eq "$(wc -l <"$ini")" ] || fail "Setup.ini lines do not all end in CR LF"
tr -d '\r' <"$ini" >"$out/setup.txt"
awk '
  function bad(why) { print "Setup.ini line " NR ": " why ": " $0; failed = 1; exit 1 }
  NR == 1 && $0 != "[Graphics]" { bad("header") }
  NR == 2 && $0 != "Fullscreen = False" { bad("window") }
  NR == 3 && $0 != "GFX Engine = OpenGL" { bad("renderer") }
  NR == 4 && $0 != "Width=800" { bad("width") }
  NR == 5 && $0 != "Height=600" { bad("height") }
  NR == 6 { section = ($0 == "ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..") ? "ess" : "gap" }
  NR == 6 && section == "gap" && $0 != "" { bad("slow-system line or gap") }
  NR == 7 && section == "ess" && $0 != "" { bad("gap") }
  NR > 6 && $0 == "[Audio]" { audio = NR }
  audio && NR == audio + 1 && $0 != "Master = 50" { bad("master") }
  audio && NR == audio + 2 && $0 != "Sound = 50" { bad("sound") }
  audio && NR == audio + 3 && $0 != "Music = 50" { bad("music") }
  audio && NR == audio + 4 { if ($0 !~ /^AudioDriver = ./) bad("driver"); chosen = substr($0, 15) }
  audio && NR > audio + 4 && !controls && $0 ~ /^; AudioDriver = / { if (substr($0, 17) == chosen) listed = 1; drivers++ }
  $0 == "[Controls]" { controls = NR }
  controls && NR > controls { if ($0 !~ /^Key=[0-9]+,[0-9]+$/) bad("binding"); keys[$0] = 1; nkeys++ }
  END {
    if (failed) exit 1
    if (!audio || !controls || !drivers || !listed) { print "Setup.ini sections missing"; exit 1 }
    if (!("Key=10,65" in keys) || ("Key=10,90" in keys) || !("Key=0,38" in keys) || nkeys != 8) {
      print "Setup.ini bindings are not the defaults with fire on A"; exit 1
    }
  }' "$out/setup.txt" || fail "Setup.ini layout (see $out/setup.txt)"

# ---- The next game starts with the new key ------------------------------------------------
tap z
sleep 1
shot after_z
[ "$(changed closed after_z 500x540+0+0)" -lt 3000 ] || fail "Z still starts a game"
tap a
sleep 2
shot game
[ "$(changed closed game 800x600+0+0)" -gt 100000 ] || fail "A did not start a game"
kill -0 "$pid" 2>/dev/null || fail "the program ended in the game"

# ---- Escape: the pause menu; Quit ends the game ------------------------------------------------
xdotool keydown Escape
sleep 0.3
xdotool keyup Escape
sleep 1.5
shot pause
# "Continue" is highlighted yellow at logical (158, 420): window box at (95, 255).
[ "$(count_near pause 120x40+95+255 255,255,0)" -gt 40 ] || fail "no pause menu with Continue lit"
tap Down
tap space
sleep 5
shot name
for _ in 1 2 3 4 5 6 7 8; do xdotool key BackSpace; sleep 0.1; done
xdotool type --delay 120 Quitter
sleep 0.3
xdotool key Return
sleep 3
shot after
runs=$("$score_dump" "$files/270") || fail "cannot read the score file"
echo "$runs" | grep -q '^Quitter|[0-9]*|0|1$' || fail "no run recorded with Quit 1: $runs"

# ---- The way out ----------------------------------------------------------------------------
tap Escape
sleep 1.5
xdotool key space
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the farewell screen"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "services end-to-end: ok (screenshots in $out)"
