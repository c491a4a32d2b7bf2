#!/usr/bin/env bash
# Three machines, one record, through Syncthing (conflict copies kept) and Unison (-prefer newer, no
# copies), each a tallywright-sync-driver noting what it does in a ledger: desk shares its folder,
# laptop joins by its DataFolder setting, both record, edit, delete and change the project list at
# once, laptop leaves and comes back, and a third machine joins under laptop's name halfway. Then
# every report must hold exactly the ledger's stretches, every list its names, and no conflict copy
# may be left. Not part of CI: a few minutes an engine.
#   bash tools/sync-check.sh [SECONDS [ENGINE...]]   (180 s; syncthing and unison by default)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh syncthing unison
seconds="${1:-180}"
engines=("${@:2}")
[ ${#engines[@]} -gt 0 ] || engines=(syncthing unison)
command -v syncthing >/dev/null && command -v unison >/dev/null || apt-get install -y syncthing unison >/dev/null
build="${BUILD:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target tallywright-sync-driver tallywright-report >/dev/null
driver="$PWD/$build/tests/sharing/tallywright-sync-driver"
report="$PWD/$build/bin/tallywright-report"
status=0
pids=()
root=""
finish() {  # the engines stopped, the folders removed
  [ -z "$root" ] || touch "$root/stop"
  for pid in ${pids[@]+"${pids[@]}"}; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  pids=()
  [ -z "$root" ] || [ "${KEEP:-}" = 1 ] || rm -rf "$root"
}
trap finish EXIT

check() {  # engine
  local engine="$1" m
  root="$(mktemp -d "/tmp/tallywright-sync-check-$engine-XXXXXX")"
  for m in desk laptop third; do mkdir -p "$root/folder-$m" "$root/own-$m" "$root/away-$m" "$root/config-$m"; done
  drv() {  # machine, verb and its arguments
    local who="$1"; shift
    LEDGER="$root/ledger" XDG_CONFIG_HOME="$root/config-$who" \
      "$driver" "$root/config-$who/Tallywright/Tallywright.ini" "$who" "$@" 2>>"$root/driver-$who.log"
  }
  # The files of a folder, with their contents' sums; the engines' own left out.
  listing() { (cd "$1" && find . -type f ! -name '.st*' ! -name '.syncthing.*' ! -name '.unison*' -print0 | sort -z | xargs -0 -r sha256sum); }
  same() {  # the machines' folders hold the same files
    local first
    first="$(listing "$root/folder-$1")"; shift
    for m in "$@"; do [ "$(listing "$root/folder-$m")" = "$first" ] || return 1; done
  }
  settle() {  # limit, machines: waits until their folders are the same; gives the seconds it took
    local limit="$1" start=$SECONDS; shift
    until same "$@"; do
      [ $((SECONDS - start)) -lt "$limit" ] || { echo "sync-check: $engine: the folders did not become the same within $limit s" >&2; return 1; }
      sleep 1
    done
    echo $((SECONDS - start))
  }

  # --- the engine, for the machines given; more may join later -------------------------------
  if [ "$engine" = syncthing ]; then
    local base=$((21000 + RANDOM % 20000)) i=0
    declare -A id port
    for m in desk laptop third; do
      syncthing generate --home="$root/st-$m" --no-default-folder >/dev/null 2>&1
      id[$m]="$(syncthing serve --home="$root/st-$m" --device-id)"
      port[$m]=$((base + 2 * i)); i=$((i + 1))
    done
    for m in desk laptop third; do
      # localhost only, every other machine known by address, the folder shared with them; conflict
      # copies and everything else as Syncthing comes, but looked at a second after a change.
      python3 - "$root/st-$m/config.xml" "$root/folder-$m" "${port[$m]}" \
        $(for o in desk laptop third; do [ "$o" = "$m" ] || echo "${id[$o]} ${port[$o]}"; done) <<'EOF'
import sys, xml.etree.ElementTree as ET
path, folder, port, peers = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4:]
tree = ET.parse(path); root = tree.getroot(); opts = root.find("options")
root.find("gui").find("address").text = "127.0.0.1:%d" % (port + 1)
for name, value in [("listenAddress", "tcp://127.0.0.1:%d" % port), ("globalAnnounceEnabled", "false"),
                    ("localAnnounceEnabled", "false"), ("relaysEnabled", "false"), ("natEnabled", "false"),
                    ("urAccepted", "-1"), ("autoUpgradeIntervalH", "0"), ("crashReportingEnabled", "false"),
                    ("startBrowser", "false")]:
    for old in opts.findall(name): opts.remove(old)
    ET.SubElement(opts, name).text = value
f = ET.SubElement(root, "folder", id="tallywright", label="Tallywright", path=folder, type="sendreceive",
                  rescanIntervalS="10", fsWatcherEnabled="true", fsWatcherDelayS="1")
ET.SubElement(f, "device", id=root.find("device").get("id"))
for peer, peerport in zip(peers[0::2], peers[1::2]):
    d = ET.SubElement(root, "device", id=peer, name=peer[:7], compression="metadata", introducer="false")
    ET.SubElement(d, "address").text = "tcp://127.0.0.1:%s" % peerport
    ET.SubElement(f, "device", id=peer)
tree.write(path)
EOF
    done
    connect() { for m in "$@"; do
      syncthing serve --home="$root/st-$m" --no-browser --no-restart --no-upgrade --logflags=0 >"$root/engine-$m.log" 2>&1 &
      pids+=($!)
    done; }
  else
    mkdir -p "$root/hub" "$root/unison"
    : >"$root/members"
    # One pass after another, each machine's folder against the hub's, newer versions winning.
    (while [ ! -e "$root/stop" ]; do
       for m in $(cat "$root/members"); do
         UNISON="$root/unison" unison "$root/hub" "$root/folder-$m" -batch -prefer newer -times -silent \
           -confirmbigdel=false -ignore 'Name *.tmp' >>"$root/engine.log" 2>&1 || true
       done
       sleep 1
     done) &
    pids+=($!)
    connect() { for m in "$@"; do echo "$m" >>"$root/members"; done; }
  fi

  # --- the workload -----------------------------------------------------------------------------
  drv desk own "$root/own-desk" 20
  drv laptop own "$root/own-laptop" 15
  drv desk share "$root/folder-desk" desk
  connect desk laptop
  echo "sync-check: $engine: desk's shared folder reached laptop in $(settle 120 desk laptop) s"
  drv laptop set DeviceName laptop
  drv laptop set DataFolder "$root/folder-laptop"
  drv desk run "$seconds" 1 &
  local run_desk=$!
  drv laptop run "$seconds" 2 "$root/away-laptop" &
  local run_laptop=$!
  sleep $((seconds / 2))
  # The third machine: only the folder's marker has reached it, and it is named as laptop is.
  cp "$root/folder-desk/tallywright-shared" "$root/folder-third/"
  drv third set DataFolder "$root/own-third"
  drv third join "$root/folder-third" laptop
  if [ "$engine" = syncthing ]; then
    drv third record 3
    connect third
  else
    connect third
    until [ "$(find "$root/folder-third" -name 'machine.laptop.*.id' | wc -l)" -ge 2 ]; do sleep 1; done
    drv third record 3
  fi
  drv third run $((seconds / 3)) 3 &
  local run_third=$!
  wait "$run_desk" "$run_laptop" "$run_third"
  # Every machine looks a few times more, as a running program does, until nothing changes.
  local took=0 round
  for round in 1 2 3 4; do
    for m in desk laptop third; do drv "$m" look; done
    took=$((took + $(settle 240 desk laptop third || echo 240)))
  done
  for m in desk laptop third; do
    XDG_CONFIG_HOME="$root/config-$m" "$report" --from 2026-12-01 --to 2026-12-07 --json >"$root/report-$m.json"
  done
  local copies
  copies="$(find "$root"/folder-* \( -name '*sync-conflict*' -o -name '*conflicted copy*' \) | wc -l)"
  echo "sync-check: $engine: the three folders the same ${took} s after the machines stopped; conflict copies left: $copies"
  grep -h -e 'FAILED' -e 'under the name .* from now on' "$root"/driver-*.log | sed "s/^/sync-check: $engine: told: /" | head -5 || true
  python3 - "$root" "$engine" "$copies" <<'EOF' || status=1
import json, sys, configparser
root, engine, copies = sys.argv[1], sys.argv[2], int(sys.argv[3])
def setting(m, key):
    c = configparser.ConfigParser(interpolation=None); c.optionxform = str
    c.read(f"{root}/config-{m}/Tallywright/Tallywright.ini")
    return c.get("Settings", key, fallback="")
names = {m: setting(m, "DeviceName") for m in ("desk", "laptop", "third")}
ops = [json.loads(line) for line in open(f"{root}/ledger")]
records = {}
for o in ops:
    if o["op"] == "record":
        records[o["line"].split(",")[3].split(" ")[0]] = (names[o["who"]], o["line"])
final = {k: v[1] for k, v in records.items()}
changes = [o for o in ops if o["op"] == "change"]
for o in sorted(changes, key=lambda o: (o["stamp"], o["by"], o["seq"])):
    final[o["id"]] = o["line"]
expected = sorted((records[k][0],) + tuple(line.split(",", 3)) for k, line in final.items() if line is not None)
problems = []
shown = {}
for m in names:
    entries = json.load(open(f"{root}/report-{m}.json"))["entries"]
    shown[m] = sorted((e["device"], e["project"], e["start"], e["end"], e["comment"]) for e in entries)
    if shown[m] != expected:
        missing = [e for e in expected if e not in shown[m]][:3]
        extra = [e for e in shown[m] if e not in expected or shown[m].count(e) > 1][:3]
        problems.append(f"{m} shows {len(shown[m])} stretches, the ledger {len(expected)}; missing {missing}; extra {extra}")
listed = {"Alpha", "desk-only", "Reise"}
for o in sorted((o for o in ops if o["op"] == "list"), key=lambda o: (o["stamp"], o["by"], o["seq"])):
    (listed.add if o["sign"] == "+" else listed.discard)(o["name"])
for m in names:
    have = {n for n in open(f"{root}/folder-{m}/project.lst", newline="").read().split("\r\n") if n}
    if have != listed:
        problems.append(f"{m}'s project list: {len(have)} names, the ledger {len(listed)}; missing {sorted(listed - have)[:5]}, "
                        f"extra {sorted(have - listed)[:5]}")
if copies: problems.append(f"{copies} conflict copies left")
if names["third"] == names["laptop"]: problems.append("the third machine still shares laptop's name")
made = {m: sum(1 for o in ops if o["op"] == "record" and o["who"] == m) for m in names}
edits = sum(1 for o in changes if o["line"]); deletions = len(changes) - edits
print(f"sync-check: {engine}: made {made}, edited {edits}, deleted {deletions}, project list changes "
      f"{sum(1 for o in ops if o['op'] == 'list')}; every machine shows {len(shown['desk'])} stretches, the ledger "
      f"{len(expected)}; the list holds {len(listed)} names; the third machine is now {names['third']}")
for p in problems: print(f"sync-check: {engine}: {p}", file=sys.stderr)
print(f"sync-check: {engine}: " + ("passed" if not problems else "FAILED"))
sys.exit(1 if problems else 0)
EOF
  finish
}

for engine in "${engines[@]}"; do check "$engine"; done
exit "$status"
