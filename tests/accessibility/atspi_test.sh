#!/usr/bin/env bash
# atspi_walk.py on its own virtual screen and buses, in a scratch home.   atspi_test.sh PROGRAM
# Exits 77 (skipped) where Xvfb, the accessibility bus or pyatspi is missing; under CI=1 it fails.
set -euo pipefail
missing() {
  [ -n "${CI:-}" ] && { echo "FAILED: $1 is missing (Debian: $2), which CI installs"; exit 1; }
  echo "SKIPPED: $1 is missing (Debian: $2)"
  exit 77
}
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)

python=""
for candidate in /usr/bin/python3 python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
for need in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$need" >/dev/null || missing "$need" "xvfb, xdotool, dbus-daemon, at-spi2-core"
done
[ -n "$python" ] || missing pyatspi python3-pyatspi

scratch=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

exec 3> "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "atspi_test: Xvfb did not start"; exit 1; }
# The server names its display a moment before it takes clients: the program would find none.
for _ in $(seq 50); do DISPLAY=":$(head -n1 "$scratch/display")" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

data="$scratch/data"
mkdir -p "$data" "$scratch/config/Tallywright" "$scratch/home"
today=$(date +%-m/%-d/%Y)
printf 'Website redesign,%s 9:03:00 AM,%s 10:15:00 AM,layout\r\nSupport,%s 11:00:00 AM,%s 11:30:00 AM,\r\n' \
  "$today" "$today" "$today" "$today" > "$data/projrpt.pro"
printf 'Website redesign\r\nSupport\r\n' > "$data/project.lst"
# The questions of time away stay off: the walk takes its time between actions.
printf '[Settings]\nDataFolder=%s\nIdleMinutes=0\nRemindHours=0\n' "$data" > "$scratch/config/Tallywright/Tallywright.ini"

export DISPLAY=":$(head -n1 "$scratch/display")"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/home/.local/share"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session -- "$python" "$here/atspi_walk.py" "$program" "$data"
