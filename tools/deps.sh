#!/usr/bin/env bash
# Installs the Debian packages the build, the program's features and every test need, and those
# given as arguments, when any is missing. Nothing is left to Recommends: a package a feature or a
# test uses is named here, so that a fresh Debian 12 runs every test.
#   qt6-tools-dev, qt6-l10n-tools  the translators' files are made into the program's .qm files
#   libqt6sql6-sqlite    the Hamster import reads hamster.db through Qt's SQLite driver
#   python3-icalendar    tests_import_ics_parser reads the iCalendar export back with it
#   dbus-daemon          the D-Bus tests run a session bus of their own (dbus-run-session)
#   xvfb, xdotool        the idle tests' X server, and input on it
#   locales              the import and report tests build a German locale (decimal comma)
#   scdoc, zsh, fish     the manual pages are made from their sources; the completions are read
#                        by their shells in the tests
#   qt6-tools-dev, qt6-l10n-tools
#                        the translators' files are made into the program's translations (lupdate,
#                        lrelease) at every build
#   qt6-translations-l10n
#                        Qt's own texts (the questions' Yes and No, the file dialog) in the
#                        person's language
#   at-spi2-core, python3-pyatspi
#                        tests_accessibility reads the windows through the accessibility bus
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libqt6sql6-sqlite libgtest-dev libgmock-dev fonts-liberation
  libxcb-screensaver0-dev libxcb-sync-dev dbus-daemon xvfb xdotool python3-icalendar locales scdoc zsh
  fish qt6-tools-dev qt6-l10n-tools qt6-translations-l10n at-spi2-core python3-pyatspi "$@")
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

install=(apt-get install -y --no-install-recommends "${missing[@]}")
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "Missing Debian packages; as root run: apt-get update && ${install[*]}" >&2
    exit 1
  }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${install[@]}"
