#!/usr/bin/env bash
# Reads each manual page given as man shows it, and fails on any warning of man or groff (the check
# lintian makes) or a NAME section that mandb cannot index.
#   check-man.sh PAGE.1[.gz]...
set -uo pipefail
command -v man >/dev/null || { echo "check-man: man is not installed (Debian's man-db)"; exit 77; }
failed=0
for page in "$@"; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne 0 ] || [ -n "$warnings" ]; then
    echo "check-man: $page (status $status): $warnings" >&2
    failed=1
  fi
  lexgrog "$page" >/dev/null 2>&1 || { echo "check-man: $page: no NAME line mandb can index" >&2; failed=1; }
done
[ "$failed" -eq 0 ] && echo "check-man: $# pages, no warnings"
exit "$failed"
