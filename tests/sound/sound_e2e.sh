#!/usr/bin/env bash
# What the player hears, on a real X display (run under tests/e2e/with_xvfb.sh):
# the built program with OpenAL Soft writing its mix to a WAV file instead of a
# sound card. The script writes an OpenAL Soft configuration (the wave-file
# driver) into the copied program folder and points OpenAL Soft at it through
# ALSOFT_CONF; the program itself is unchanged and reads no environment.
# Then, driven with xdotool: the title screen, key 3 (the About tab), a game
# started with Z in which the craft is left to fall and crash until the game
# is over, Return at the name prompt, Escape and a key to leave.
# The recording must hold, each near the moment it was caused:
#   the start-up jingle (open.ogg) at a quarter of full volume;
#   the menu blip (098.wav, played at double rate for a tab);
#   the crash (002.wav) and the game-over sound (096.wav).
#
#   sound_e2e.sh GAME_DIR OUT_DIR
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/game_window.sh"

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }
for tool in sox xdotool python3; do
  command -v $tool >/dev/null || fail "$tool is not installed"
done

rm -rf "$out" && mkdir -p "$out/run" || fail "cannot make $out"
cp -r "$game_dir/." "$out/run/" || fail "cannot copy $game_dir"
rm -f "$out/run/Files/Setup.ini" "$out/run/Files/270/nuscores.dat" "$out/run/Files/"*.png
files="$out/run/Files"
wav="$out/mix.wav"
# A mono mix, so that a sound's level in the file is its channel volume.
cat >"$out/run/alsoft.conf" <<EOF
[general]
drivers = wave
channels = mono
[wave]
file = $wav
EOF

press() {  # held long enough for a frame to see it
  xdotool keydown "$1"
  sleep 0.12
  xdotool keyup "$1"
}

t0=$(date +%s.%N)
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
now() { calc "$(date +%s.%N) - $t0"; }
ALSOFT_CONF="$out/run/alsoft.conf" "$out/run/crownlift" >"$out/stdout.txt" 2>"$out/stderr.txt" &
pid=$!
wait_for_game "$pid" "$files/Debug.txt"
[ -s "$wav" ] || fail "OpenAL Soft wrote no recording (see $out/stderr.txt)"
sleep 2.5  # the jingle's end

t_tab=$(now)
press 3
sleep 2
t_game=$(now)
press z
# Left alone, the craft falls and crashes until no life is left (about half
# a minute); the game over is followed by the name prompt, where Return
# records the run. Return does nothing in the game itself.
sleep 20
for _ in $(seq 1 20); do
  xdotool key Return
  sleep 1
  [ -s "$files/270/nuscores.dat" ] && break
done
[ -s "$files/270/nuscores.dat" ] || fail "no game over within 40 seconds"
sleep 1
press Escape
sleep 1.5
press space
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the farewell screen"
wait "$pid"
status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status"

soxi "$wav" >"$out/soxi.txt" 2>&1 || fail "the recording is not a readable WAV: $(cat "$out/soxi.txt")"
length=$(soxi -D "$wav")
echo "recording: $length s; tab at $t_tab s, game at $t_game s (from launch)"
# The recording starts when the program opens its sound device, a little
# after launch: the windows allow for that.
end=$(calc "$t_game + 45")
common="$files/Common" game="$files/270"
python3 "$here/find_sounds.py" "$wav" \
  "jingle=$common/open.ogg:0-6" \
  "blip=$game/098.wav@2:$(calc "$t_tab - 1")-$(calc "$t_tab + 1.2")" \
  "crash=$game/002.wav:$t_game-$end" \
  "gameover=$game/096.wav:$t_game-$end" | tee "$out/found.txt"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "a sound is missing from the recording"

field() { awk -v n="$1" -v k="$2" '$1 == n { for (i = 1; i < NF; ++i) if ($i == k) print $(i + 1) }' "$out/found.txt"; }
in_range() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }
# A quarter of full volume (Master 50 x Sound 50); the mix is mono, so no
# panning law comes between.
in_range "$(field jingle gain)" 0.2 0.3 || fail "the jingle is not at a quarter of full volume"
in_range "$(field jingle match)" 0.8 1 || fail "the jingle does not sound like open.ogg"
for s in blip crash gameover; do
  in_range "$(field $s gain)" 0.15 0.35 || fail "$s at an unexpected loudness"
done
crash_at=$(field crash at) over_at=$(field gameover at)
in_range "$crash_at" "$t_game" "$over_at" || fail "the crash is not between the start and the game over"
echo "sound end-to-end: ok"
