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
#   - runs tallywright-report --help, and tallywright-ctl import --dry-run on a Hamster database;
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
source tools/bookworm-root.sh

bash tools/deps.sh debootstrap
bash tools/package.sh >/dev/null
deb=$(ls build-deb/tallywright_*.deb)

root_trap
if [ "${1:-}" = --fresh ] || [ ! -e "$base/.complete" ]; then
  echo "== debootstrap bookworm (minbase) into $base"
  root_make "$base"
  touch "$base/.complete"
fi
root_remove "$root"
cp -a "$base" "$root"
root_mount "$root"

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

echo "== tallywright-ctl import of a Hamster database (Qt's SQLite driver), as tester"
cp tests/import/fixtures/hamster.db "$root/tmp/"
as_tester tallywright-ctl import /tmp/hamster.db --dry-run > "$top/hamster-import.txt" 2>&1 || true
cat "$top/hamster-import.txt"
grep -q '^3 stretches read' "$top/hamster-import.txt" ||
  { echo "== the package's Hamster import does not read hamster.db"; exit 4; }

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
