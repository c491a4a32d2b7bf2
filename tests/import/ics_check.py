#!/usr/bin/python3
"""tallywright-report --ics read by an independent parser (python3-icalendar): every stretch of the
month as one event, in UTC, with its project and comment. Its lines and UIDs: ImportTest."""
import os, subprocess, sys, tempfile
from datetime import datetime, timezone
try:
    import icalendar
except ImportError:
    # Skipped on a developer's machine; a failure in CI, which installs it (tools/deps.sh).
    ci = bool(os.environ.get("CI"))
    print("python3-icalendar is not installed" + ("" if ci else "; skipped"))
    sys.exit(1 if ci else 77)

report = sys.argv[1]
comment = "Caf\u00e9; notes, a \\ and a long tail " + "x" * 70
records = [
    ("Website", "10/24/2026 9:00:00 AM", "10/24/2026 12:30:00 PM", comment),
    ("Servers", "10/25/2026 1:30:00 AM", "10/25/2026 3:30:00 AM", "across the change"),
    ("Support", "10/26/2026 8:00:00 AM", "10/26/2026 10:00:00 AM", ""),
]
with tempfile.TemporaryDirectory() as folder:
    path = os.path.join(folder, "projrpt.pro")
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write("".join(",".join(r) + "\r\n" for r in records))
    env = dict(os.environ, TZ="CET-1CEST,M3.5.0,M10.5.0/3", LANG="C", LC_ALL="C")
    text = subprocess.run([report, "--file", path, "--month", "2026-10", "--ics"], env=env, check=True,
                          capture_output=True).stdout
    events = icalendar.Calendar.from_ical(text).walk("VEVENT")
    got = [(str(e["SUMMARY"]), e.decoded("DTSTART"), e.decoded("DTEND"), str(e.get("DESCRIPTION", "")))
           for e in events]
    utc = lambda *a: datetime(*a, tzinfo=timezone.utc)
    want = [("Website", utc(2026, 10, 24, 7, 0), utc(2026, 10, 24, 10, 30), comment),
            ("Servers", utc(2026, 10, 24, 23, 30), utc(2026, 10, 25, 2, 30), "across the change"),
            ("Support", utc(2026, 10, 26, 7, 0), utc(2026, 10, 26, 9, 0), "")]
    if got != want:
        print("events %r, expected %r" % (got, want))
    sys.exit(1 if got != want else 0)
