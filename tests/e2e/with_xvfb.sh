#!/usr/bin/env bash
# Runs one command under a private Xvfb server and passes on its exit status.
# Each call picks a free display number, so tests may run side by side.
#   tests/e2e/with_xvfb.sh COMMAND [ARGS...]
# WITH_XVFB_SIZE overrides the screen (default 1920x1080x24).
set -u
size=${WITH_XVFB_SIZE:-1920x1080x24}
for n in $(seq 90 190); do
  [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
  Xvfb :$n -screen 0 "$size" -nolisten tcp +extension GLX +render -noreset >/tmp/xvfb-$n.log 2>&1 &
  xpid=$!
  for _ in $(seq 1 100); do
    [ -e /tmp/.X11-unix/X$n ] && break
    kill -0 $xpid 2>/dev/null || break
    sleep 0.05
  done
  if ! kill -0 $xpid 2>/dev/null; then continue; fi
  trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null' EXIT
  DISPLAY=:$n "$@"
  exit $?
done
echo "with_xvfb: no free display for Xvfb" >&2
exit 1
