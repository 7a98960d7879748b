#!/usr/bin/env bash
# Installs the Debian packages of the named lists (in this folder; packages.txt when none
# is named) that are not installed yet.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 0 ] && set -- packages.txt
wanted=()
for list in "$@"; do
  mapfile -t -O "${#wanted[@]}" wanted < <(grep -v -e '^#' -e '^\s*$' "$here/$list")
done
missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
