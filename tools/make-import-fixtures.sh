#!/usr/bin/env bash
# Makes the import tests' fixtures in tests/import/fixtures/ with the real programs where Debian has
# them: Timewarrior's data folder and `timew export` by timew itself, Hamster's database by hamster
# (its command line, on an Xvfb screen and a session bus of its own), the iCalendar file by Python's
# icalendar library. GTimeLog has no command line, so its file is written as its documentation
# (formats.rst) describes it. Every time is in Europe/Berlin, across the clocks' change of
# 2026-10-25 (03:00 summer time becomes 02:00).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh timewarrior python3-icalendar hamster-time-tracker dbus-daemon xvfb
out=tests/import/fixtures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=Europe/Berlin TIMEWARRIORDB="$work/timew"
mkdir -p "$TIMEWARRIORDB"

{ yes || true; } | timew track 2026-10-24T09:00:00 - 2026-10-24T12:30:00 Website "design review" >/dev/null
timew track 2026-10-25T01:30:00 - 2026-10-25T03:30:00 Servers migration >/dev/null
timew track 2026-10-26T08:00:00 - 2026-10-26T10:00:00 Support >/dev/null
timew annotate @1 'call, with "quotes"' >/dev/null
timew track 2026-10-31T23:00:00 - 2026-11-01T01:00:00 "Client, Ltd" >/dev/null
timew track 2026-11-02T13:00:00 - 2026-11-02T14:00:00 >/dev/null
timew start 2026-11-03T09:00:00 Website >/dev/null
rm -rf "$out/timew-data"
mkdir -p "$out/timew-data"
cp "$TIMEWARRIORDB"/data/20*.data "$out/timew-data/"
timew export > "$out/timew-export.json"
timew stop >/dev/null

# Hamster keeps its database under XDG_DATA_HOME; its service is started by the session bus, with
# this environment. Its settings schema is compiled into a folder of the run's own.
mkdir -p "$work/schemas"
cp /usr/share/glib-2.0/schemas/*.xml "$work/schemas/"
glib-compile-schemas "$work/schemas"
cat > "$work/hamster.sh" <<'SH'
hamster start "Website@Acme,, design review #urgent" "2026-10-24 09:00" "2026-10-24 12:30"
hamster start "Servers, migration" "2026-10-25 01:30" "2026-10-25 03:30"
hamster start "Support@Acme" "2026-10-26 08:00" "2026-10-26 10:00"
hamster start "Website@Acme" "2026-11-03 09:00"
SH
HOME="$work" XDG_DATA_HOME="$work/share" GSETTINGS_SCHEMA_DIR="$work/schemas" GSETTINGS_BACKEND=memory \
  xvfb-run -a dbus-run-session -- bash "$work/hamster.sh" >/dev/null 2>&1 || true
cp "$work/share/hamster/hamster.db" "$out/hamster.db"

/usr/bin/python3 - "$out/calendar.ics" <<'PY'
import sys
from datetime import datetime, date, timedelta
from icalendar import Calendar, Event, Timezone, TimezoneStandard, TimezoneDaylight
cal = Calendar()
cal.add('prodid', '-//fixtures//EN')
cal.add('version', '2.0')
tz = Timezone()
tz.add('tzid', 'Europe/Berlin')
summer = TimezoneDaylight()
summer.add('dtstart', datetime(1981, 3, 29, 2, 0, 0))
summer.add('tzoffsetfrom', timedelta(hours=1))
summer.add('tzoffsetto', timedelta(hours=2))
summer.add('rrule', {'freq': 'yearly', 'bymonth': 3, 'byday': '-1su'})
winter = TimezoneStandard()
winter.add('dtstart', datetime(1996, 10, 27, 3, 0, 0))
winter.add('tzoffsetfrom', timedelta(hours=2))
winter.add('tzoffsetto', timedelta(hours=1))
winter.add('rrule', {'freq': 'yearly', 'bymonth': 10, 'byday': '-1su'})
tz.add_component(summer)
tz.add_component(winter)
cal.add_component(tz)
def event(uid, summary, start, end, description=None, tzid=None):
    e = Event()
    e.add('uid', uid)
    e.add('dtstamp', datetime(2026, 12, 1, 12, 0, 0))
    e.add('summary', summary)
    e.add('dtstart', start, parameters={'TZID': tzid} if tzid else None)
    if isinstance(end, timedelta):
        e.add('duration', end)
    else:
        e.add('dtend', end, parameters={'TZID': tzid} if tzid else None)
    if description:
        e.add('description', description)
    cal.add_component(e)
event('1@fixtures', 'Website', datetime(2026, 10, 24, 9, 0), datetime(2026, 10, 24, 12, 30), 'design review; with a long description that runs past the seventy-five octets of one line', 'Europe/Berlin')
event('2@fixtures', 'Servers', datetime(2026, 10, 26, 8, 0), datetime(2026, 10, 26, 10, 0), 'after the change', 'Europe/Berlin')
from datetime import timezone
event('3@fixtures', 'Support', datetime(2026, 11, 2, 12, 0, tzinfo=timezone.utc), timedelta(minutes=45), 'in UTC, with a DURATION')
event('4@fixtures', 'Floating', datetime(2026, 11, 3, 9, 0), datetime(2026, 11, 3, 9, 30))
event('5@fixtures', 'Holiday', date(2026, 11, 4), date(2026, 11, 5))
open(sys.argv[1], 'wb').write(cal.to_ical())
PY

# As formats.rst describes it: a day's first entry marks the arrival; "**" marks a break.
printf '%s\r\n' \
  "# made by tools/make-import-fixtures.sh" \
  "2026-10-24 08:55: arrived **" \
  "2026-10-24 10:00: Website: design review" \
  "2026-10-24 10:15: coffee **" \
  "2026-10-24 12:00: Support" \
  "" \
  "2026-10-26 08:00: arrived **" \
  "2026-10-26 09:30: Servers: migration, part 2" \
  "not a line GTimeLog wrote" \
  "2026-10-26 11:00: Servers: migration, part 3" > "$out/timelog.txt"
echo "fixtures in $out:"
ls -R "$out"
