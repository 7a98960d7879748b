#!/bin/sh
# Prints the accessible tree of the game window on a fixed deal, when the first hand is
# dealt and the human is to play, as a screen reader finds it through AT-SPI.
#   tools/atree/dump-dealt-hand.sh BUILD_DIR|ATSPI_DRIVER > tree.txt
# atspi_driver (tests/accessibility) fixes the clock, so the shuffle and the deal repeat;
# settings and window state go to a fresh folder, texts are in English.
# Needs xvfb, dbus-run-session, at-spi2-core and python3-pyatspi (scripts/packages-test.txt).
set -eu
[ $# -eq 1 ] || { sed -n 2,4p "$0" >&2; exit 2; }
driver=$1
[ -d "$driver" ] && driver=$driver/tests/accessibility/atspi_driver
[ -x "$driver" ] || { echo "no atspi_driver at $driver" >&2; exit 2; }
driver=$(readlink -f "$driver")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/run"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_STATE_HOME=$home/state \
XDG_RUNTIME_DIR=$home/run LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE='' \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" \
    /usr/bin/python3 "$(dirname "$0")/dump_tree.py" "$driver" "$home/tree.txt" >&2
cat "$home/tree.txt"
