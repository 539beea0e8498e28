#!/usr/bin/env bash
# Runs one command under a private Xvfb server and passes on its exit status.
# Xvfb picks a free display number itself (-displayfd) and reports it once it
# is ready to take clients, so tests started side by side never share or race
# for a server.
#   tests/e2e/with_xvfb.sh COMMAND [ARGS...]
# WITH_XVFB_SIZE overrides the screen (default 1920x1080x24).
set -u
size=${WITH_XVFB_SIZE:-1920x1080x24}
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp +extension GLX +render -noreset \
  3>"$ready" >/dev/null 2>&1 &
xpid=$!
trap 'kill $xpid 2>/dev/null; wait $xpid 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 1 200); do
  [ -s "$ready" ] && break
  kill -0 $xpid 2>/dev/null || break
  sleep 0.05
done
display=$(tr -dc '0-9' <"$ready")
if [ -z "$display" ] || ! kill -0 $xpid 2>/dev/null; then
  echo "with_xvfb: Xvfb did not start" >&2
  exit 1
fi
DISPLAY=:$display "$@"
