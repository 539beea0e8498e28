#!/usr/bin/env bash
# Installs every Debian package listed in scripts/packages.txt that is not
# installed yet. Quick when nothing is missing: one dpkg query, no apt-get.
# Runs apt-get through sudo when not root.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mapfile -t wanted < <(grep -v '^\s*#' "$here/packages.txt" | sed 's/\s.*//' | grep -v '^$')

# One query for the lot; a package dpkg has never heard of is simply absent.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${wanted[@]}" 2>/dev/null |
            awk '$1 == "ii" { sub(/:.*/, "", $2); print $2 }' || true)
missing=()
for p in "${wanted[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
