#!/usr/bin/env bash
# A whole play-through of the real program on an X display (run under
# tests/e2e/with_xvfb.sh), driven with xdotool as a player would.
#
# First start: the title screen, the settings overlay (Tab) and back, Up to
# choose Hard (Easy -> Hard), Z to start, the craft left to fall until no life
# is left, a new name typed over "Player", Return, the Hiscore tab with the
# run, Escape, the farewell screen, a key, exit status 0.
# Second start: the Hard table and its graph still show the run; a second
# game ended by Quit in the pause menu (Escape, Down, Z) reaches the same
# name prompt, which already holds the last name; Return keeps it. The two
# saved runs must both carry that name.
#
#   playthrough_e2e.sh GAME_DIR OUT_DIR SCORE_DUMP
#
# GAME_DIR is the built program folder; it is copied to OUT_DIR/run so the
# build stays clean. Screenshots of the window land in OUT_DIR.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
dump=${3:?score_dump program}  # prints Name|Score|GameMode|Quit per run
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/game_window.sh"
name='Ada Vance'
pid=
wid=

fail() {
  echo "FAIL: $*" >&2
  xdotool keyup Down 2>/dev/null
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  exit 1
}

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/270/nuscores.dat"* "$out/run/Files/"*.png
[ -x "$out/run/crownlift" ] || fail "no program in $game_dir"
scores="$out/run/Files/270/nuscores.dat"

# When each step began, for a slow run's post-mortem (OUT_DIR/steps.txt).
step() { echo "$(date +%T.%N | cut -c1-12) $*" >>"$out/steps.txt"; }
# The program's window only, so boxes below are window coordinates (800 x 600).
shot() { import -window "$wid" "$out/$1.png" || fail "screenshot $1"; }
# Pixels differing between two screenshots inside a w x h+x+y box.
changed() {
  compare -metric AE -crop "$3" "$out/$1.png" "$out/$2.png" null: 2>&1 | cut -d' ' -f1
}
# Pixels of a screenshot inside a w x h+x+y box close to the colour $3.
count_colour() {
  convert "$out/$1.png" -crop "$2" +repage -fuzz 12% -fill black +opaque "$3" \
    -fill white -opaque "$3" -format "%[fx:int(mean*w*h)]" info:
}
# A key held for a moment, so that a frame sees it down.
tap() {
  xdotool keydown "$1"
  sleep 0.15
  xdotool keyup "$1"
  sleep 0.35
}

# Starts the program and waits for the title screen (start-up lasts at least
# 2.5 s, longer under the sanitizers on a busy machine).
start_game() {
  step start
  "$out/run/crownlift" >>"$out/stdout.txt" 2>>"$out/stderr.txt" &
  pid=$!
  wait_for_game "$pid" "$out/run/Files/Debug.txt" 300
  step loaded
  xdotool mousemove --window "$wid" 790 590  # out of the way of the panel and the words
  sleep 1.5  # the end of the start-up wait and the panel's slide-in
}

# The green "Enter Your Name" line (logical y 380, window y 237 in the 800 x 600
# window) marks the name prompt; neither the play field nor the pause menu has
# such green there.
wait_for_name_prompt() {
  local i
  step playing
  for i in $(seq 1 120); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended during the game"
    shot poll
    if [ "$(count_colour poll 400x50+200+212 'rgb(0,255,0)')" -gt 200 ]; then
      step name prompt
      return 0
    fi
    sleep 0.3
  done
  fail "no name prompt within the time four crashes take"
}

# Holds Down, which drops the craft at once instead of after the hover at the
# start of each life, until the last crash brings the name prompt.
play_to_game_over() {
  xdotool keydown Down
  wait_for_name_prompt
  xdotool keyup Down
  sleep 0.3
}

# Escape on the title screen, the farewell screen, a key, and the exit status.
leave() {
  tap Escape
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "the program ended without a farewell screen"
  shot "$1"
  step farewell
  xdotool key space
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "a key on the farewell screen did not end the program"
  wait "$pid"
  local status=$?
  step exited
  pid=
  [ "$status" -eq 0 ] || fail "exit status $status"
  tail -c 40 "$out/run/Files/Debug.txt" | grep -q "Play again, soon!!" || fail "log lacks the farewell"
}

# ---- first start ----------------------------------------------------------
start_game
shot title
tap Tab
sleep 1  # the overlay slides in
shot overlay
[ "$(changed title overlay 800x600+0+0)" -gt 20000 ] || fail "Tab did not open the settings overlay"
tap Tab
sleep 1
shot easy
tap Up  # Easy -> Hard: Up steps backwards round the three
shot hard
# Difficulty words at logical (332, 680 + 50k): window box 130 x 100 at (200, 415).
[ "$(changed easy hard 130x100+200+415)" -gt 0 ] || fail "Up did not change the difficulty"

tap z
sleep 1
shot play
[ "$(changed hard play 800x600+0+0)" -gt 100000 ] || fail "Z did not start a game"
play_to_game_over
cp "$out/poll.png" "$out/prompt1.png"
[ ! -e "$scores" ] || fail "nuscores.dat written before the name was confirmed"
for _ in 1 2 3 4 5 6; do tap BackSpace; done  # "Player" goes, one letter a frame
xdotool type --delay 120 "$name"
sleep 0.5
shot named
[ "$(changed prompt1 named 400x60+200+280)" -gt 100 ] || fail "typing did not change the name"
tap Return
sleep 2  # the front end slides in again
shot hiscores
[ -s "$scores" ] || fail "nuscores.dat not written after the name entry"
size1=$(stat -c %s "$scores")
runs=$("$dump" "$out/run/Files/270") || fail "cannot read the score file"
[ "$runs" = "$name|0|2|0" ] || fail "first run saved as '$runs'"
[ "$(changed hard hiscores 330x400+540+60)" -gt 1000 ] || fail "the Hiscore tab does not list the run"
leave farewell1

# ---- second start ---------------------------------------------------------
start_game
shot easy2
tap Up
sleep 0.5
shot hard2
# Difficulty is not kept between starts: the Hard table holds the run, the
# Easy one none.
[ "$(changed easy2 hard2 330x400+540+60)" -gt 1000 ] || fail "the Hard table does not list the saved run"
# The graph along the panel's foot (window box 255 x 95 at (540, 500)) shows it too.
[ "$(changed easy2 hard2 255x95+540+500)" -gt 300 ] || fail "the graph does not show the saved run"
tap z
sleep 1
tap Escape  # the pause menu: Down to Quit, Z to choose it
shot pause
tap Down
tap z
wait_for_name_prompt
cp "$out/poll.png" "$out/prompt2.png"
[ "$(changed prompt1 prompt2 400x60+200+280)" -gt 100 ] || fail "the prompt starts from 'Player' again"
tap Return
sleep 2
shot hiscores2
size2=$(stat -c %s "$scores")
[ "$size2" -gt "$size1" ] || fail "nuscores.dat did not grow ($size1 -> $size2 bytes)"
leave farewell2

runs=$("$dump" "$out/run/Files/270") || fail "cannot read the score file"
# Newest first: the quit run, then the played-out one.
expected=$(printf '%s|0|2|1\n%s|0|2|0' "$name" "$name")
[ "$runs" = "$expected" ] || fail "saved runs are '$runs', not two Hard runs of '$name'"
echo "play-through end-to-end: ok (screenshots in $out)"
