#!/usr/bin/env bash
# The whole program killed with SIGKILL at bad moments, on a real X display
# (run under tests/e2e/with_xvfb.sh), driven with xdotool:
#   in the middle of a game, a few milliseconds after Tab (Setup.ini being
#   written); a few milliseconds after Return at the name prompt (nuscores.dat
#   being written, the run just recorded).
# After every kill the program is started again and must find Setup.ini and
# nuscores.dat each whole (the old or the new file, never a mix or a stub),
# every run it had recorded before the kill, and no file set aside as damaged;
# after the last kill the files are checked as the next start would read them.
#
#   kill_e2e.sh GAME_DIR OUT_DIR SCORE_DUMP
#
# GAME_DIR is the built program folder; it is copied to OUT_DIR/run, so the
# build itself is never touched.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
score_dump=${3:?score_dump program}
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/game_window.sh"
RANDOM=270  # the same kill moments on every run

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; exit 1; }

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/"*.png
# A score file from an earlier normal run, with one run: Alpha.
cp "$(dirname "${BASH_SOURCE[0]}")/nuscores.dat" "$out/run/Files/270/nuscores.dat" || fail "no fixture"
files="$out/run/Files"
ini="$files/Setup.ini"
scores="$files/270/nuscores.dat"
recorded=(Alpha)  # names of the runs the game has confirmably saved
pending=     # the run being saved when the program was killed
session=0

start() {
  session=$((session + 1))
  : >"$files/Debug.txt"
  "$out/run/crownlift" >"$out/stdout.$session.txt" 2>"$out/stderr.$session.txt" &
  pid=$!
  wait_for_game "$pid" "$files/Debug.txt" 150 "session $session"
  sleep 0.5
}
tap() {
  xdotool keydown "$1"
  sleep 0.12
  xdotool keyup "$1"
  sleep 0.3
}
kill_now() {
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=
}
# A game quit through the pause menu, up to the name prompt with NAME typed.
game_to_name() {
  tap z
  sleep 1.2
  tap Escape
  sleep 0.8
  tap Down
  tap space
  sleep 3
  for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool key BackSpace; done
  xdotool type --delay 60 "$1"
  sleep 0.2
}

# Setup.ini whole: CR LF throughout, the three sections, all eight bindings last.
check_ini() {
  [ -s "$ini" ] || fail "after $1: Setup.ini missing or empty"
  [ "$(grep -c $'\r$' "$ini")" -eq "$(wc -l <"$ini")" ] || fail "after $1: Setup.ini lines not all CR LF"
  [ "$(tail -c 2 "$ini" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "after $1: Setup.ini cut short"
  for s in '[Graphics]' '[Audio]' '[Controls]'; do
    grep -qF "$s" "$ini" || fail "after $1: Setup.ini lacks $s"
  done
  [ "$(grep -c '^Key=' "$ini")" -eq 8 ] || fail "after $1: Setup.ini lacks bindings"
  cmp -s "$ini" "$out/ini.good" || fail "after $1: Setup.ini differs from the one written before"
}
# nuscores.dat whole: it loads, and holds every recorded run (and at most the one
# being saved at the kill, named in $pending).
check_scores() {
  local runs names
  runs=$("$score_dump" "$files/270") || fail "after $1: score file unreadable"
  names=$(echo "$runs" | cut -d'|' -f1 | grep . | sort)
  for n in "${recorded[@]}"; do
    echo "$names" | grep -qx "$n" || fail "after $1: run $n lost (have: $names)"
  done
  local extra
  extra=$(echo "$names" | grep -vx -F -f <(printf '%s\n' "${recorded[@]}") | grep .)
  if [ -n "$extra" ]; then
    [ "$extra" = "$pending" ] || fail "after $1: unexpected runs: $extra"
    recorded+=("$pending")  # the kill came after the new file was in place
  fi
  pending=
  ls "$files/270" | grep -qi 'damaged\|\.bad' && fail "after $1: a score file was set aside"
  tail -c 2 "$scores" | od -An -c | grep -q '\\n' || fail "after $1: nuscores.dat cut short"
}

# ---- Session 1: killed in a game ---------------------------------------------------------------
start
check_scores "the first start"
tap z
sleep 1.5
kill -0 "$pid" 2>/dev/null || fail "the program ended in the game"
kill_now
echo "[$SECONDS s] killed in a game"

# ---- Session 2: killed just after Return at the name prompt ----------------------------------
start
check_scores "a kill in a game"
game_to_name Bravo
xdotool key Return
sleep "0.0$((RANDOM % 3))$((RANDOM % 10))"
kill_now
pending=Bravo
echo "[$SECONDS s] killed just after Return at the name prompt"

# ---- Session 3: killed just after Tab -----------------------------------------------------------
# Setup.ini is only written from here on; start-up with it takes longer (the
# calibration then runs at the slow system's rate), so this comes last.
start
check_scores "a kill after Return"
tap Tab
sleep 0.8
tap Tab
sleep 0.3
cp "$ini" "$out/ini.good" || fail "Tab did not write Setup.ini"
xdotool key Tab
sleep "0.0$((RANDOM % 4))$((RANDOM % 10))"
kill_now
echo "[$SECONDS s] killed just after Tab"

# ---- What the next start finds ---------------------------------------------------------------
# score_dump reads the score file exactly as the game does.
check_ini "a kill after Tab"
check_scores "a kill after Tab"
echo "kill end-to-end: ok (runs kept: ${recorded[*]})"
