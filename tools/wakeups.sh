#!/usr/bin/env bash
# How often the program hidden in the notification area is scheduled, and how soon the question
# about time away comes on the person's return. Runs build/bin/Tallywright (or the programs in the
# folder given second) on an Xvfb screen of its own with openbox and trayer, on a private session
# bus, with a settings file and data folder of its own:
#
#   bash tools/wakeups.sh none      # no stretch running: schedules in a minute
#   bash tools/wakeups.sh running   # a stretch running, the person at the desk
#   bash tools/wakeups.sh away      # a stretch running, the person away (IdleMinutes 1)
#   bash tools/wakeups.sh return    # three returns after 70 s away: from the input to the question
#
# The schedules are the third field of /proc/PID/task/*/schedstat, read every half second over the
# minute so that a thread that ends meanwhile still counts; no tracer is attached.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-running}
bin=$(cd "${2:-build/bin}" && pwd)
case $mode in none | running | away | return) ;; *) echo "usage: $0 none|running|away|return [BIN_DIR]" >&2; exit 2 ;; esac
bash tools/deps.sh openbox trayer
root=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
export HOME=$root XDG_CONFIG_HOME=$root/config XDG_RUNTIME_DIR=$root/run
mkdir -p "$XDG_CONFIG_HOME/Tallywright" "$root/data" -m 700 "$XDG_RUNTIME_DIR"
idle=15
[ "$mode" = away ] || [ "$mode" = return ] && idle=1
printf '[Settings]\r\nIdleMinutes=%s\r\nDataFolder=%s\r\n' "$idle" "$root/data" >"$XDG_CONFIG_HOME/Tallywright/Tallywright.ini"

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$root/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$root/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$root/display")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$root/bus" 5>"$root/bus.pid"
pids+=("$(cat "$root/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS=$(cat "$root/bus")
openbox >/dev/null 2>&1 &
pids+=($!)
trayer >/dev/null 2>&1 &
pids+=($!)
sleep 1
"$bin/Tallywright" >"$root/out" 2>&1 &
program=$!
pids=("$program" "${pids[@]}")
if [ "$mode" != none ]; then
  for _ in $(seq 60); do "$bin/tallywright-ctl" start Measure >/dev/null 2>&1 && break; sleep 0.5; done
fi
sleep 3
window() { xdotool search --onlyvisible --name '^Tallywright' 2>/dev/null | head -1; }
hide() { xdotool windowminimize "$(window)"; sleep 1; [ -z "$(window)" ] || { echo "the window did not hide" >&2; exit 1; }; }
hide

if [ "$mode" = return ]; then
  for round in 1 2 3; do
    sleep 70
    start=$(date +%s%N)
    xdotool mousemove $((100 + round)) 100
    until [ -n "$(window)" ]; do sleep 0.02; done
    echo "return $round: the question $(( ($(date +%s%N) - start) / 1000000 )) ms after the input"
    sleep 0.5
    xdotool key Return
    sleep 0.5
    hide
  done
  exit 0
fi

[ "$mode" = away ] && sleep 70
snapshot() {
  for task in /proc/"$program"/task/*; do
    value=$(awk '{print $3}' "$task/schedstat" 2>/dev/null) && [ -n "$value" ] && echo "${task##*/} $value"
  done
  true  # a thread that ended meanwhile is left out
}
sleep 10
snapshot >"$root/first"
: >"$root/later"
for _ in $(seq 120); do
  snapshot >>"$root/later"
  sleep 0.5
done
awk -v mode="$mode" 'NR == FNR { first[$1] = $2; next } { last[$1] = $2 }
  END { for (t in last) total += last[t] - first[t]; print mode ": scheduled " total " times in a minute" }' \
  "$root/first" "$root/later"
