#!/usr/bin/env bash
# A check by hand, not run by CI: installs the Debian package on a minimal Debian 12 and uses it as
# a normal user would. Needs root and Debian's archive.
#
#   bash tools/check-package.sh          # reuses the minimal system made by an earlier run
#   bash tools/check-package.sh --fresh  # makes the minimal system anew
#
# debootstrap makes the minimal system once in chroot-bookworm/base; each run copies it to
# chroot-bookworm/run, installs the package there with `apt install ./tallywright_*.deb` (Depends
# only, no Recommends, so that a missing dependency shows) and, as the user "tester":
#   - runs tallywright-report --help;
#   - starts Tallywright by its desktop entry's Exec line on an Xvfb screen and takes screenshots;
#   - types a project, presses Start Project and EndProject, and looks for the recorded stretch in
#     ~/.local/share/Tallywright/projrpt.pro;
#   - opens Help > Contents and looks for the help viewer showing the help file's contents.
# Screenshots and the report land in build-deb/check-package/. Every mount and process it made in
# the chroot is gone when it ends, however it ends.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "check-package.sh: run it as root (chroot, mount)" >&2; exit 1; }
top="$PWD/chroot-bookworm"
base="$top/base"
root="$top/run"
out="$PWD/build-deb/check-package"
mirror=http://deb.debian.org/debian

bash tools/deps.sh debootstrap
bash tools/package.sh >/dev/null
deb=$(ls build-deb/tallywright_*.deb)

# Processes whose root is inside the chroots: only what this script started there.
chroot_pids() {
  local p
  for p in /proc/[0-9]*; do
    [[ "$(readlink "$p/root" 2>/dev/null)" == "$top"/* ]] && echo "${p#/proc/}"
  done
  return 0
}
unmount_all() {
  local m
  # Deepest first; a mount still busy is detached lazily rather than left behind.
  for m in $(awk -v top="$top/" 'index($2, top) == 1 {print $2}' /proc/self/mounts | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
cleanup() {
  local pids
  pids=$(chroot_pids)
  if [ -n "$pids" ]; then
    kill $pids 2>/dev/null || true
    sleep 1
    pids=$(chroot_pids)
    [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
  fi
  unmount_all
}
trap cleanup EXIT
trap "exit 130" INT TERM
# Never delete through a mount into the host's /dev or /proc.
remove_tree() {
  unmount_all
  ! awk -v d="$1/" 'index($2, d) == 1 {found = 1} END {exit !found}' /proc/self/mounts ||
    { echo "check-package.sh: mounts left under $1" >&2; exit 1; }
  rm -rf --one-file-system "$1"
}

mkdir -p "$top"
if [ "${1:-}" = --fresh ] || [ ! -e "$base/.complete" ]; then
  remove_tree "$base"
  echo "== debootstrap bookworm (minbase) into $base"
  debootstrap --variant=minbase bookworm "$base" "$mirror" > "$top/debootstrap.log" 2>&1 ||
    { tail -20 "$top/debootstrap.log"; exit 1; }
  touch "$base/.complete"
fi
remove_tree "$root"
cp -a "$base" "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat > "$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
# No services start inside the chroot.
printf '#!/bin/sh\nexit 101\n' > "$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
  DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== apt install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
before=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
in_root sh -c "cd /tmp && apt install -y -q --no-install-recommends ./$(basename "$deb")" \
  > "$top/apt.log" 2>&1 || { tail -20 "$top/apt.log"; exit 1; }
after=$(in_root dpkg-query -W -f='${Package}\n' | wc -l)
echo "installed tallywright and $((after - before - 1)) packages it depends on"
in_root dpkg -L tallywright | grep -E '^/usr/(bin|share/tallywright)/'

in_root useradd -m -s /bin/bash tester
as_tester() { chroot --userspec=tester:tester "$root" env -i HOME=/home/tester USER=tester \
  PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"; }

echo "== tallywright-report --help, as tester"
as_tester tallywright-report --help
echo "== tallywright-report with no report yet, as tester"
as_tester tallywright-report && echo "(status 0)" || echo "(status $?)"

echo "== installing the screen and the tools that drive it: xvfb xdotool imagemagick"
in_root apt-get install -y -q --no-install-recommends xvfb xdotool imagemagick \
  > "$top/apt-tools.log" 2>&1 || { tail -20 "$top/apt-tools.log"; exit 1; }

# A display number no other screen on this machine uses (X sockets are shared across chroots), from
# $TW_CHECK_DISPLAY on (57 by default).
display=${TW_CHECK_DISPLAY:-57}
while grep -q "/tmp/.X11-unix/X$display\$" /proc/net/unix || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
in_root Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$top/xvfb.log" 2>&1 &
for _ in $(seq 50); do [ -e "$root/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/com.quillfen.Tallywright.desktop")
exec_line="${exec_line// %[fFuUick]/}"
echo "== starting the desktop entry's Exec line as tester: $exec_line"
cat > "$root/tmp/use-tallywright.sh" <<'EOF'
#!/bin/bash
# Runs inside the chroot as tester: starts the program and records one stretch with it.
set -u
shots=/tmp/shots
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; echo "screenshot $1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }

$EXEC_LINE > /tmp/tallywright.out 2>&1 &
pid=$!
sleep 1; shot 1-starting
sleep 4
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid"; echo "Tallywright ended by itself with status $?"; cat /tmp/tallywright.out
  shot 2-ended; exit 1
fi
shot 2-started
echo "windows of class Tallywright (the entry's StartupWMClass):"
xdotool search --class Tallywright getwindowname %@ | sed 's/^/  /'
win=$(xdotool search --onlyvisible --name '^Tallywright$' | head -1)
[ -n "$win" ] || { echo "no visible main window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "main window at $X,$Y, $WIDTH x $HEIGHT"
# The controls' places in the window (a twip is 1/15 pixel at 96 dpi), below the menu bar.
menu=24
click $((X + 76)) $((Y + menu + 162))          # the project box
xdotool type --delay 50 "Packaging check"
click $((X + 192)) $((Y + menu + 28))          # Start Project
sleep 2
click $((X + 192)) $((Y + menu + 68))          # EndProject
sleep 1; shot 3-recorded
report="$HOME/.local/share/Tallywright/projrpt.pro"
if [ -f "$report" ]; then
  echo "recorded in $report:"; cat -A "$report"; status=0
else
  echo "no $report"; status=2
  ls -la "$HOME/.local/share/Tallywright" 2>/dev/null || echo "  (no ~/.local/share/Tallywright)"
fi
click $((X + 115)) $((Y + menu / 2))           # the Help menu
xdotool key c                                  # Contents
sleep 2; shot 4-help
# The viewer is titled by the help file; "Help" alone when it could not open it.
if xdotool search --onlyvisible --name '^Tallywright Help$' >/dev/null; then
  echo "Help > Contents shows the help file's contents"
else
  echo "Help > Contents shows no help file: $(xdotool search --onlyvisible --name . getwindowname %@ | tr '\n' '|')"
  [ "$status" -eq 0 ] && status=3
fi
kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
cat /tmp/tallywright.out
exit $status
EOF
chmod 755 "$root/tmp/use-tallywright.sh"
set +e
chroot --userspec=tester:tester "$root" env -i HOME=/home/tester USER=tester LANG=C.UTF-8 \
  PATH=/usr/local/bin:/usr/bin:/bin DISPLAY=":$display" EXEC_LINE="$exec_line" \
  /tmp/use-tallywright.sh
status=$?
set -e
rm -rf "$out"
mkdir -p "$out"
cp "$root"/tmp/shots/*.png "$out/" 2>/dev/null || true
cp "$root/home/tester/.local/share/Tallywright/projrpt.pro" "$out/" 2>/dev/null || true
echo "== screenshots in $out: $(cd "$out" && echo *.png)"
case $status in
  0) echo "== the package works: it started from its desktop entry, recorded a stretch and" \
          "showed its help" ;;
  2) echo "== the package starts from its desktop entry, but recording a stretch to" \
          "~/.local/share/Tallywright failed"
     exit 2 ;;
  3) echo "== the package records a stretch, but Help > Contents does not show its help file"
     exit 3 ;;
  *) echo "== Tallywright did not come up" ; exit 1 ;;
esac
