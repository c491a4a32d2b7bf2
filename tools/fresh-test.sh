#!/usr/bin/env bash
# The README's quick start on a fresh Debian 12, as CI's first step: debootstrap makes a minimal
# Debian 12 anew in chroot-bookworm/fresh (packages come from this machine's apt cache where it
# holds them), a copy of the source goes to /src there, and as root with nothing installed
# beforehand `bash tools/run.sh` must build and start Tallywright, then `bash tools/test.sh` must
# pass, so a package this machine has but tools/deps.sh does not name makes it fail. Fails too when
# any test did not run (CI=1: a test that needs a missing program fails rather than skips). Needs
# root (debootstrap, chroot, mount) and Debian's archive.
#
# Each line of the run is printed with its time and kept in chroot-bookworm/fresh-test.log; the
# system is removed after a run that passed and kept for a look after one that failed (the next run
# makes it anew).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "fresh-test.sh: run it as root (debootstrap, chroot, mount)" >&2; exit 1; }
top="$PWD/chroot-bookworm"
root="$top/fresh"
log="$top/fresh-test.log"
source tools/bookworm-root.sh
took() { echo "$(((SECONDS - $1) / 60))m$(((SECONDS - $1) % 60))s"; }

bash tools/deps.sh debootstrap
root_trap
start=$SECONDS
echo "== debootstrap bookworm (minbase) into $root"
root_make "$root"
echo "== debootstrap took $(took "$start")"

# The working tree as it is (tracked files and new ones git does not ignore), not the build folders.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi; done |
  tar --null -T - -cf - | tar -xf - -C "$root" --one-top-level=src
root_mount "$root" --apt-cache

# The README's two commands as a newcomer runs them: run.sh, which installs what is missing, builds
# the program and starts it (on Qt's offscreen screen here, ended once it has run for five seconds),
# then test.sh, which builds the rest and runs every test.
cat > "$root/root/readme-commands.sh" <<'STEPS'
set -u
cd /src
took() { echo "$(((SECONDS - $1) / 60))m$(((SECONDS - $1) % 60))s"; }
start=$SECONDS
echo "== bash tools/run.sh"
QT_QPA_PLATFORM=offscreen bash tools/run.sh &
pid=$!
while kill -0 "$pid" 2>/dev/null && [ "$(readlink "/proc/$pid/exe")" != /src/build/bin/Tallywright ]; do
  sleep 1
done
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"
  echo "== bash tools/run.sh ended with status $? before Tallywright had run for five seconds"
  exit 1
fi
kill "$pid"
wait "$pid"
echo "== Tallywright came up $(took "$start") after bash tools/run.sh started; ended it"
start=$SECONDS
echo "== bash tools/test.sh"
bash tools/test.sh
status=$?
echo "== bash tools/test.sh took $(took "$start") (status $status)"
exit "$status"
STEPS
set +e
in_root CI=1 bash /root/readme-commands.sh 2>&1 |
  while IFS= read -r line; do printf '%(%T)T %s\n' -1 "$line"; done | tee "$log"
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 0 ] || exit "$status"
if grep -qE 'tests did not run|\(Skipped\)|Not Run' "$log"; then
  echo "fresh-test.sh: tests did not run on the fresh system" >&2
  exit 1
fi
root_cleanup
root_remove "$root"
