# game_window.sh - sourced by the end-to-end scripts that drive the real program.
#
#   wait_for_game PID DEBUG_TXT [TENTHS] [WHO]
#
# Waits for the program's window (exact title) and then for "Finished Loading"
# in its log, each for up to TENTHS tenths of a second (default 150), and
# focuses the window. Sets wid. Calls the script's own fail() when the program
# ends first or a wait runs out; WHO names the run in those messages.
wait_for_game() {
  local pid=$1 log=$2 tenths=${3:-150} who=${4:-the program}
  local title='#270 : Reelpack -  Crownlift'
  wid=
  for _ in $(seq 1 "$tenths"); do
    wid=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    kill -0 "$pid" 2>/dev/null || fail "$who ended during start-up"
    sleep 0.1
  done
  [ -n "$wid" ] || fail "$who: no window titled '$title'"
  for _ in $(seq 1 "$tenths"); do
    grep -q "Finished Loading" "$log" 2>/dev/null && break
    sleep 0.1
  done
  grep -q "Finished Loading" "$log" || fail "$who: start-up did not finish"
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
}
