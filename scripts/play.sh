#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
exec "$root/build/game/crownlift"
