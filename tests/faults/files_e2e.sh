#!/usr/bin/env bash
# The whole program with its folder damaged, on a real X display (run under
# tests/e2e/with_xvfb.sh): a read-only Files/, no game folder Files/270/, no
# Files/ at all, and a missing game image (Files/270/wockit.png). Each case
# must end in one of two ways, never in a crash (a signal, or a sanitizer
# report):
#   - a clear message on stderr naming the missing file and a non-zero exit
#     status, or
#   - a quiet fallback: the program runs, plays a game through to the name
#     prompt and the score table, and leaves through the farewell screen
#     with status 0.
# The read-only case must take the second way and leave Files/ unchanged.
#
#   files_e2e.sh GAME_DIR OUT_DIR
#
# GAME_DIR is the built program folder; each case works on its own copy in
# OUT_DIR, so the build itself is never touched.
set -u
game_dir=${1:?game folder}
out=${2:?output folder}
title='#270 : Reelpack -  Crownlift'

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null; exit 1; }
rm -rf "$out" && mkdir -p "$out" || fail "cannot make $out"

copy() {  # copy NAME: a fresh program folder in $out/NAME
  run="$out/$1"
  mkdir -p "$run" && cp -r "$game_dir/." "$run/" || fail "cannot copy $game_dir"
  rm -f "$run/Files/Setup.ini" "$run/Files/270/nuscores.dat" "$run/Files/"*.png
}
tap() {
  xdotool keydown "$1"
  sleep 0.12
  xdotool keyup "$1"
  sleep 0.3
}
# No crash: neither a signal nor a sanitizer's report.
no_crash() {  # no_crash CASE STATUS
  [ "$2" -lt 128 ] || fail "$1: ended by signal $(($2 - 128))"
  grep -qE 'AddressSanitizer|runtime error:|LeakSanitizer' "$out/$1.stderr" &&
    fail "$1: sanitizer report: $(head -n 5 "$out/$1.stderr")"
  return 0
}

# Runs the program of $run (through the optional wrapper in "${wrap[@]}") and
# waits for its window or its end. Sets status to the exit status, or empty
# when a window came up.
launch() {  # launch CASE
  "${wrap[@]}" "$run/crownlift" >"$out/$1.stdout" 2>"$out/$1.stderr" &
  pid=$!
  status= wid=
  for _ in $(seq 1 150); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      status=$?
      pid=
      return
    fi
    wid=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || fail "$1: neither a window nor an exit"
}

# The fallback path: wait out start-up, play to the name prompt, save, leave.
play_and_leave() {  # play_and_leave CASE
  sleep 4
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; status=$?; pid=; return; }
  xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
  tap Tab
  sleep 0.8
  tap Tab
  tap z
  sleep 1.2
  tap Escape
  sleep 0.8
  tap Down
  tap space
  sleep 3
  # Then the way out from wherever a slow start-up left it: Return takes the
  # name (or starts a game), Escape opens the pause menu (or the farewell
  # screen), Down and Space choose Quit (or end the farewell).
  for _ in 1 2 3 4 5 6; do
    tap Return
    sleep 1.5
    tap Escape
    sleep 1.2
    tap Down
    tap space
    for _ in $(seq 1 30); do
      kill -0 "$pid" 2>/dev/null || break 2
      sleep 0.1
    done
    sleep 1.5
  done
  kill -0 "$pid" 2>/dev/null && fail "$1: the program did not end after the farewell screen"
  wait "$pid"
  status=$?
  pid=
}

# One damaged-folder case: message and failure, or a quiet fallback.
expect_message_or_fallback() {  # CASE NEEDLE
  launch "$1"
  if [ -n "$status" ]; then
    no_crash "$1" "$status"
    [ "$status" -ne 0 ] || fail "$1: ended at once with status 0 and no window"
    grep -qF "$2" "$out/$1.stderr" || fail "$1: exit $status without naming $2: $(cat "$out/$1.stderr")"
    echo "$1: exit status $status, message: $(grep -F "$2" "$out/$1.stderr" | head -n 1)"
    return
  fi
  play_and_leave "$1"
  no_crash "$1" "$status"
  if [ "$status" -ne 0 ]; then
    grep -qF "$2" "$out/$1.stderr" || fail "$1: exit $status without naming $2"
    echo "$1: exit status $status after its window, message: $(grep -F "$2" "$out/$1.stderr" | head -n 1)"
  else
    echo "$1: quiet fallback, exit status 0"
  fi
}

# ---- A missing game image ---------------------------------------------------------------------
wrap=()
copy missing_image
rm -f "$run/Files/270/wockit.png"
expect_message_or_fallback missing_image wockit.png

# ---- No game folder, and no Files/ at all: start-up names the missing folder.
copy missing_game_folder
rm -rf "$run/Files/270"
expect_message_or_fallback missing_game_folder "Missing folder: "
grep -q "Missing folder: .*/Files/270/\$" "$out/missing_game_folder.stderr" || fail "missing_game_folder: folder not named"

copy missing_files
rm -rf "$run/Files"
expect_message_or_fallback missing_files "Missing folder: "
grep -q "Missing folder: .*/Files/\$" "$out/missing_files.stderr" || fail "missing_files: folder not named"

# ---- A read-only Files/ -------------------------------------------------------------------------
copy read_only
ro="$run/Files"
printf '[Graphics]\r\nWidth=800\r\nHeight=600\r\n' >"$ro/Setup.ini"
: >"$ro/Debug.txt"
if [ "$(id -u)" -ne 0 ]; then
  chmod -R a-w "$ro"
  wrap=()
elif unshare -m true 2>/dev/null; then
  # chmod does not stop root: run inside a private mount namespace where Files/
  # is bound read-only over itself.
  wrap=(unshare -m sh -c 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" "$0" && exec "$1"' "$ro")
  if ! unshare -m sh -c 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" "$0" && ! touch "$0/probe" 2>/dev/null' "$ro"; then
    wrap=
  fi
else
  wrap=
fi
if [ "${wrap-x}" = "" ] && [ "$(id -u)" -eq 0 ]; then
  echo "read_only: SKIPPED: running as root without a read-only bind mount (unshare -m), Files/ cannot be made read-only"
else
  (cd "$ro" && find . -type f -exec md5sum {} + | sort) >"$out/read_only.before"
  launch read_only
  [ -z "$status" ] || { no_crash read_only "$status"; fail "read_only: ended at start-up with $status: $(cat "$out/read_only.stderr")"; }
  play_and_leave read_only
  no_crash read_only "$status"
  [ "$status" -eq 0 ] || fail "read_only: exit status $status: $(cat "$out/read_only.stderr")"
  (cd "$ro" && find . -type f -exec md5sum {} + | sort) >"$out/read_only.after"
  [ "$(id -u)" -ne 0 ] && chmod -R u+w "$ro"
  cmp -s "$out/read_only.before" "$out/read_only.after" || fail "read_only: Files/ changed"
  echo "read_only: ran and left with status 0, Files/ unchanged"
fi
echo "files end-to-end: ok"
