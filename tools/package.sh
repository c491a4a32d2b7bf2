#!/usr/bin/env bash
# Builds the Debian package in build-deb/ (a release build for /usr) and checks it: the desktop
# entry and the metainfo it ships pass their validators, its manual pages show without a warning and
# its shell completions read, and it holds the programs, the help file, every icon, the manual pages
# and the completions, all under /usr. Prints where the package is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh dpkg-dev file desktop-file-utils appstream man-db
dir=build-deb
app_id=com.quillfen.Tallywright
# Debian's compiler and linker flags, with every hardening it offers; no debugging information, as
# the package strips it anyway. The program finds its help file in ../share/tallywright from
# /usr/bin; the folder it looks in last is given for /usr here whatever an earlier configure of this
# folder said.
# -Wno-restrict: GCC 12 at -O2 with _FORTIFY_SOURCE warns of overlapping copies inside libstdc++'s
# own string appends (char_traits.h), copies that cannot overlap; ASan checks the real ones.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -Wno-restrict" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DTALLYWRIGHT_HELP_DIR=/usr/share/tallywright \
  -DTALLYWRIGHT_TESTS=OFF -DTALLYWRIGHT_BENCH=OFF -DTALLYWRIGHT_FUZZ=OFF >/dev/null
cmake --build "$dir" -j2
rm -f "$dir"/tallywright_*.deb
(cd "$dir" && cpack -G DEB)
debs=("$dir"/tallywright_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "package.sh: no single package in $dir" >&2; exit 1; }
deb="${debs[0]}"

failed=0
fail() { echo "package.sh: $*" >&2; failed=1; }

echo "== control"
dpkg-deb -I "$deb" control | tee "$dir/control.txt"
[ "$(dpkg-deb -f "$deb" Package)" = tallywright ] || fail "package name is not tallywright"
depends=$(dpkg-deb -f "$deb" Depends)
depend_names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//')
for name in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6-sqlite libxcb-screensaver0 \
  libxcb-sync1 fonts-liberation; do
  grep -qxF "$name" <<<"$depend_names" || fail "Depends lacks $name: $depends"
done
[ "$(basename "$deb")" = "tallywright_$(dpkg-deb -f "$deb" Version)_$(dpkg-deb -f "$deb" Architecture).deb" ] ||
  fail "$(basename "$deb") is not named package_version_architecture.deb"

echo "== contents"
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | sort > "$dir/contents.txt"
grep -v '/$' "$dir/contents.txt"
expected=(/usr/bin/Tallywright /usr/bin/tallywright-report /usr/bin/tallywright-ctl
  /usr/libexec/tallywright/tallywright-ctl-qt /usr/share/tallywright/TALLYWRT.HLP
  "/usr/share/dbus-1/services/$app_id.service" "/usr/share/dbus-1/interfaces/${app_id}1.xml"
  "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml"
  /usr/share/doc/tallywright/copyright /usr/share/doc/tallywright/changelog.gz
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg")
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for command in tallywright tallywright-report tallywright-ctl; do
  expected+=("/usr/share/man/man1/$command.1.gz")
done
for command in tallywright-report tallywright-ctl; do
  expected+=("/usr/share/bash-completion/completions/$command" "/usr/share/zsh/vendor-completions/_$command"
    "/usr/share/fish/vendor_completions.d/$command.fish")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" "$dir/contents.txt" || fail "missing $path"
done
outside=$(grep -v -e '^/$' -e '^/usr/' "$dir/contents.txt" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

echo "== validators, on the files as packaged"
root="$dir/deb-root"
rm -rf "$root"
dpkg-deb -x "$deb" "$root"
# desktop-file-validate says nothing of a clean entry, and some of its errors leave it at status 0.
report=$(desktop-file-validate "$root/usr/share/applications/$app_id.desktop" 2>&1) &&
  [ -z "$report" ] || fail "desktop entry invalid: $report"
# Errors, warnings and infos fail; pedantic notes are only shown.
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" \
  > "$dir/metainfo-validation.txt" || fail "metainfo invalid"
cat "$dir/metainfo-validation.txt"
! grep -qE '^[EWI]:' "$dir/metainfo-validation.txt" || fail "metainfo has more than pedantic notes"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
[ "${exec_line%% *}" = /usr/bin/Tallywright ] || fail "the desktop entry starts $exec_line"
for size in 16 22 24 32 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
    grep -q "PNG image data, $size x $size" || fail "the ${size}x$size icon is not $size pixels"
done
grep -qF 'kHelpFolder = "/usr/share/tallywright";' "$dir/generated/version.h" ||
  fail "Tallywright was built to look for its help file elsewhere than /usr/share/tallywright"
# Manual pages gzipped as Debian keeps them, shown by man without a warning; completions that read.
for page in "$root"/usr/share/man/man1/*; do
  gzip -t "$page" 2>/dev/null || fail "$page is not gzipped"
done
bash tools/check-man.sh "$root"/usr/share/man/man1/*.1.gz || fail "the manual pages warn"
for command in tallywright-report tallywright-ctl; do
  bash -c 'source "$1" && complete -p "$2"' _ "$root/usr/share/bash-completion/completions/$command" "$command" \
    >/dev/null || fail "the bash completion of $command does not register"
  zsh -n "$root/usr/share/zsh/vendor-completions/_$command" || fail "the zsh completion of $command does not read"
  fish -n "$root/usr/share/fish/vendor_completions.d/$command.fish" || fail "the fish completion of $command does not read"
done
"$root/usr/bin/tallywright-report" --help >/dev/null || fail "the packaged tallywright-report does not run"
# --help is handed by the quick tallywright-ctl to the full one in libexec.
"$root/usr/bin/tallywright-ctl" --help >/dev/null || fail "the packaged tallywright-ctl does not run"
! objdump -p "$root/usr/bin/tallywright-ctl" | grep -q 'NEEDED.*Qt' || fail "the quick tallywright-ctl loads Qt"
# Nor does it carry the import: no function the import's libraries define is in it (read from the
# build's copy, as the package's is stripped).
import_functions=$(nm -C --defined-only "$dir"/import/libtw_import*.a | sed -n 's/^[0-9a-f]* T //p' |
  grep '^tw::' | grep -v 'anonymous namespace' | sort -u || true)
[ -n "$import_functions" ] || fail "no functions found in the import's libraries in $dir/import"
import_code=$(comm -12 <(echo "$import_functions") \
  <(nm -C --defined-only "$dir/bin/tallywright-ctl" | sed -n 's/^[0-9a-f]* [Tt] //p' | sort -u))
[ -z "$import_code" ] || fail "the quick tallywright-ctl holds the import's code: $(head -3 <<<"$import_code")"
[ "$(sed -n 's/^Exec=//p' "$root/usr/share/dbus-1/services/$app_id.service")" = /usr/bin/Tallywright ] ||
  fail "D-Bus activation does not start /usr/bin/Tallywright"

[ "$failed" -eq 0 ] || exit 1
echo "== package: $PWD/$deb ($(stat -c %s "$deb") bytes)"
echo "Install it with: apt install ./$deb"
