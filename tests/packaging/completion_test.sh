#!/usr/bin/env bash
# The shell completions against a stand-in tallywright-ctl: bash's and fish's run, zsh's read for syntax.
#   completion_test.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
completions=$source_dir/packaging/completions
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# The stand-in: a project list with a blank in a name, two ids, and an error for anything else.
mkdir "$work/bin"
cat > "$work/bin/tallywright-ctl" <<'STANDIN'
#!/bin/sh
case "$*" in
  projects) printf '%s\n' "Website redesign" "Meeting" "Mail" ;;
  "list --ids") [ -e "$TW_NO_IDS" ] && { echo "tallywright-ctl: no" >&2; exit 1; }; printf '%s\n' k3v9a2md 7qp2xw0c ;;
  *) echo "tallywright-ctl: unexpected $*" >&2; exit 2 ;;
esac
STANDIN
chmod +x "$work/bin/tallywright-ctl"
mkdir "$work/files"
touch "$work/files/nov export.csv" "$work/files/frames"
export PATH="$work/bin:$PATH" TW_NO_IDS="$work/no-ids"

# bash: "LINE|EXPECTED": COMPREPLY for LINE's last word (a trailing blank: an empty one), joined by commas.
bash_cases=(
  "tallywright-ctl st|start,stop,status"
  "tallywright-ctl |start,stop,toggle,continue,cancel,comment,status,projects,show,import,track,list,edit,delete,split,undo,redo,history,rate"
  "tallywright-ctl --h|--help"
  "tallywright-ctl stop --|--at,--keep-away,--dry-run,--help"
  "tallywright-ctl start --|--comment,--at,--allow-overlap,--keep-away,--dry-run,--help"
  "tallywright-ctl start Web|Website\\ redesign"
  "tallywright-ctl start Website\\ r|Website\\ redesign"
  "tallywright-ctl start \"Web|Website redesign"
  "tallywright-ctl start --comment Mo M|Meeting,Mail"
  "tallywright-ctl start Mail |"
  "tallywright-ctl track 9:00 10:30 Me|Meeting"
  "tallywright-ctl track 9:00 Me|"
  "tallywright-ctl track --comment x 9:00 10:30 W|Website\\ redesign"
  "tallywright-ctl edit |k3v9a2md,7qp2xw0c"
  "tallywright-ctl edit k3v9a2md |"
  "tallywright-ctl edit k3v9a2md --project W|Website\\ redesign"
  "tallywright-ctl edit k3v9a2md --project=M|Meeting,Mail"
  "tallywright-ctl split 7|7qp2xw0c"
  "tallywright-ctl import --format ti|timewarrior,timewarrior-json"
  "tallywright-ctl import $work/files/nov|$work/files/nov export.csv"
  "tallywright-ctl status --format |"
  "tallywright-ctl rate W|Website\\ redesign"
  "tallywright-ctl rate Mail 90 --|--from,--not-billable,--billable,--dry-run,--json,--help"
  "tallywright-ctl rate Mail 90 |"
  "tallywright-report --bi|--billable"
  "tallywright-report --by |entry,day,project,tag"
  "tallywright-report --round 1|1,10,15"
  "tallywright-report --file $work/files/f|$work/files/frames"
)

run_bash_case() {  # LINE: prints COMPREPLY joined by commas
  bash --norc -c '
    source "$1/tallywright-ctl"; source "$1/tallywright-report"
    # Split at the blanks, as bash does, but not at a blank after a backslash.
    keep=$(printf "\001")
    read -ra COMP_WORDS <<<"${2//\\ /$keep}"
    COMP_WORDS=("${COMP_WORDS[@]//$keep/\\ }")
    [[ $2 == *" " ]] && COMP_WORDS+=("")
    # "--project=M": split at the "=", as bash splits the words it completes.
    if [[ ${COMP_WORDS[-1]} == *=* ]]; then last=${COMP_WORDS[-1]}; unset "COMP_WORDS[-1]"; COMP_WORDS+=("${last%%=*}" "=" "${last#*=}"); fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMP_LINE=$2; COMP_POINT=${#2}
    function=$(complete -p "${COMP_WORDS[0]}" | sed -n "s/.*-F \([^ ]*\).*/\1/p")
    "$function" "${COMP_WORDS[0]}" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    (IFS=,; printf "%s" "${COMPREPLY[*]}")
  ' _ "$completions/bash" "$1"
}

for case in "${bash_cases[@]}"; do
  line=${case%|*} expected=${case##*|}
  got=$(run_bash_case "$line" 2>&1)
  if [ "$got" != "$expected" ]; then
    echo "FAIL bash: '$line': got '$got', expected '$expected'"
    failed=1
  fi
done

# A tallywright-ctl that fails offers nothing, and says nothing.
touch "$work/no-ids"
got=$(run_bash_case "tallywright-ctl edit " 2>&1)
[ -z "$got" ] || { echo "FAIL bash: a failing list --ids gave '$got'"; failed=1; }
rm "$work/no-ids"

if command -v fish >/dev/null; then
  for file in "$completions"/fish/*.fish; do
    fish -n "$file" || { echo "FAIL fish: $file does not read"; failed=1; }
  done
  # "LINE|EXPECTED": the candidates fish offers, without their descriptions, sorted, joined by commas.
  fish_cases=(
    "tallywright-ctl st|start,status,stop"
    "tallywright-ctl start Web|Website redesign"
    "tallywright-ctl track 9:00 10:30 M|Mail,Meeting"
    "tallywright-ctl track 9:00 M|"
    "tallywright-ctl edit |7qp2xw0c,k3v9a2md"
    "tallywright-ctl edit k3v9a2md --project Me|Meeting"
    "tallywright-ctl import --format wa|watson"
    "tallywright-report --by |day,entry,project,tag"
  )
  for case in "${fish_cases[@]}"; do
    line=${case%|*} expected=${case##*|}
    got=$(fish --no-config -c 'source $argv[1]/tallywright-ctl.fish; source $argv[1]/tallywright-report.fish; complete -C $argv[2]' \
      "$completions/fish" "$line" 2>&1 | cut -f1 | sort | paste -sd,)
    if [ "$got" != "$expected" ]; then
      echo "FAIL fish: '$line': got '$got', expected '$expected'"
      failed=1
    fi
  done
else
  echo "SKIPPED fish: not installed (bash tools/deps.sh installs it)"
fi

if command -v zsh >/dev/null; then
  for file in "$completions"/zsh/_*; do
    zsh -n "$file" || { echo "FAIL zsh: $file does not read"; failed=1; }
    head -1 "$file" | grep -q "^#compdef $(basename "$file" | cut -c2-)\$" || { echo "FAIL zsh: $file lacks its #compdef line"; failed=1; }
  done
else
  echo "SKIPPED zsh: not installed (bash tools/deps.sh installs it)"
fi

[ "$failed" -eq 0 ] && echo "completions: every case passed"
exit "$failed"
