#!/usr/bin/env bash
# Two machines, one record, through a real sync service: two Syncthing instances on this machine,
# each syncing its own copy of a data folder with the other over localhost, and two copies of a
# small driver on the program's routines (tests/sharing/sync_driver.cpp) with different machine
# names recording, editing and deleting at random for a while. At the end both folders must hold
# the same files, every record made must be present exactly once in both (unless an amendment
# deleted it), every amendment must be applied the same way in both, and no conflict copy may be
# left. Not part of CI: it takes a few minutes.
#
#   bash tools/sync-check.sh [SECONDS]     (the drivers' time, 180 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-180}"
command -v syncthing >/dev/null || apt-get install -y syncthing >/dev/null
build="${BUILD:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target tallywright-sync-driver >/dev/null
driver="$PWD/$build/tests/sharing/tallywright-sync-driver"

root="$(mktemp -d /tmp/tallywright-sync-check-XXXXXX)"
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ "${KEEP:-}" = 1 ] || rm -rf "$root"
}
trap finish EXIT

# Ports of this check's own: GUI (REST) and sync listeners.
base=$((21000 + RANDOM % 20000))
for m in a b; do
  mkdir -p "$root/folder-$m"
  syncthing generate --home="$root/home-$m" --no-default-folder >/dev/null 2>&1
done
id_a="$(syncthing serve --home="$root/home-a" --device-id)"
id_b="$(syncthing serve --home="$root/home-b" --device-id)"

# Each instance: localhost only (no discovery, relays or NAT), knows the other by address, and
# shares one folder with it, watched for changes.
configure() {  # home, own port offset, peer id, peer port offset, folder
  python3 - "$@" <<'EOF'
import sys, xml.etree.ElementTree as ET
home, port, peer, peerport, folder, base = sys.argv[1], int(sys.argv[2]), sys.argv[3], int(sys.argv[4]), sys.argv[5], int(sys.argv[6])
path = home + "/config.xml"
tree = ET.parse(path)
root = tree.getroot()
own = root.find("device")
gui = root.find("gui")
gui.find("address").text = "127.0.0.1:%d" % (base + port + 100)
opts = root.find("options")
for name, value in [("listenAddress", "tcp://127.0.0.1:%d" % (base + port)), ("globalAnnounceEnabled", "false"),
                    ("localAnnounceEnabled", "false"), ("relaysEnabled", "false"), ("natEnabled", "false"),
                    ("urAccepted", "-1"), ("autoUpgradeIntervalH", "0"), ("crashReportingEnabled", "false"),
                    ("startBrowser", "false")]:
    for old in opts.findall(name):
        opts.remove(old)
    ET.SubElement(opts, name).text = value
dev = ET.SubElement(root, "device", id=peer, name="peer", compression="metadata", introducer="false")
ET.SubElement(dev, "address").text = "tcp://127.0.0.1:%d" % (base + peerport)
f = ET.SubElement(root, "folder", id="tallywright", label="Tallywright", path=folder, type="sendreceive",
                  rescanIntervalS="10", fsWatcherEnabled="true", fsWatcherDelayS="1")
ET.SubElement(f, "device", id=own.get("id"))
ET.SubElement(f, "device", id=peer)
tree.write(path)
EOF
}
configure "$root/home-a" 0 "$id_b" 1 "$root/folder-a" "$base"
configure "$root/home-b" 1 "$id_a" 0 "$root/folder-b" "$base"
for m in a b; do
  syncthing serve --home="$root/home-$m" --no-browser --no-restart --no-upgrade --logflags=0 \
    >"$root/syncthing-$m.log" 2>&1 &
  pids+=($!)
done

# Files of the two folders, with their contents' sums, Syncthing's own left out.
listing() { (cd "$1" && find . -type f ! -path './.st*' -print0 | sort -z | xargs -0 -r sha256sum); }
# Waits until both folders hold the same files; gives the seconds it took.
settle() {
  local limit="$1" start=$SECONDS
  while [ "$(listing "$root/folder-a")" != "$(listing "$root/folder-b")" ]; do
    if [ $((SECONDS - start)) -ge "$limit" ]; then
      echo "sync-check: the folders did not become the same within $limit s" >&2
      diff <(listing "$root/folder-a") <(listing "$root/folder-b") >&2 || true
      return 1
    fi
    sleep 1
  done
  echo $((SECONDS - start))
}

# Machine a shares its folder; b gets the marker through Syncthing.
"$driver" share "$root/folder-a" desk
echo "sync-check: the marker reached the other folder in $(settle 120) s"

"$driver" run "$root/folder-a" desk "$seconds" 1 >"$root/made-a" &
run_a=$!
"$driver" run "$root/folder-b" laptop "$seconds" 2 >"$root/made-b" &
run_b=$!
wait "$run_a" "$run_b"
echo "sync-check: desk $(cat "$root/made-a"); laptop $(cat "$root/made-b")"
echo "sync-check: both folders the same $(settle 180) s after the machines stopped"

conflicts="$(find "$root/folder-a" "$root/folder-b" -name '*sync-conflict*' | wc -l)"
"$driver" report "$root/folder-a" desk >"$root/report-a"
"$driver" report "$root/folder-b" laptop >"$root/report-b"
status=0
if ! cmp -s "$root/report-a" "$root/report-b"; then
  echo "sync-check: the two machines show different reports" >&2
  diff "$root/report-a" "$root/report-b" | head -20 >&2
  status=1
fi
grep -q '^PROBLEM' "$root/report-a" && { grep '^PROBLEM' "$root/report-a" | head >&2; status=1; }
made=$(( $(cut -d' ' -f2 "$root/made-a") + $(cut -d' ' -f2 "$root/made-b") ))
records=$(tail -1 "$root/report-a" | cut -d' ' -f2)
[ "$records" = "$made" ] || { echo "sync-check: $made records made, $records in the folder" >&2; status=1; }
[ "$conflicts" = 0 ] || { echo "sync-check: $conflicts conflict copies left" >&2; status=1; }
echo "sync-check: $(tail -1 "$root/report-a"), conflict copies $conflicts, files $(listing "$root/folder-a" | wc -l)"
[ "$status" = 0 ] && echo "sync-check: passed" || echo "sync-check: FAILED"
exit "$status"
