# fish completion for tallywright-ctl: its verbs, each verb's options, import's formats and files,
# the names of the project list, and the ids of today's stretches. The names and ids come from
# tallywright-ctl itself; where it fails or takes too long, nothing is offered.

set -l verbs start stop toggle continue cancel comment status projects show import track list edit delete split undo redo history rate

# Whether the verb is $argv[1] and $argv[2] arguments other than options have come after it.
function __tallywright_ctl_at --argument-names verb count
    set -l words (commandline -opc)
    set -e words[1]
    set -l valued --comment --at --format --format-idle --date --from --to --project -n
    set -l seen ""
    set -l positional 0
    set -l skip 0
    for word in $words
        if test $skip -eq 1
            set skip 0
        else if test -z "$seen"
            string match -q -- '-*' $word; or set seen $word
        else if contains -- $word $valued
            set skip 1
        else if not string match -q -- '-*' $word
            set positional (math $positional + 1)
        end
    end
    test "$seen" = "$verb"; and test $positional -eq $count
end

# The lines tallywright-ctl prints for the arguments, or nothing.
function __tallywright_ctl_ask
    set -l ctl (commandline -opc)[1]
    timeout 3 $ctl $argv 2>/dev/null
end

complete -c tallywright-ctl -f
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -l help -s h -d 'List the verbs'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from $verbs" -l help -d "Show the verb's arguments"

complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a start -d 'Start a stretch of a project'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a stop -d 'End the running stretch and record it'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a toggle -d 'Stop, or start the last project again'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a continue -d 'Start the last stretch again'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a cancel -d 'Discard the running stretch'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a comment -d "Set the running stretch's comment"
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a status -d 'Print the running stretch'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a projects -d 'Print the project list'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a show -d 'Bring the window forward'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a import -d "Add another tracker's stretches"
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a track -d 'Add a past stretch'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a list -d 'List stretches with their ids'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a edit -d 'Change a stretch'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a delete -d 'Take a stretch out of the record'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a split -d 'Make two stretches of one'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a undo -d 'Take back the latest change'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a redo -d 'Make again what undo took back'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a history -d 'Print the latest changes'
complete -c tallywright-ctl -n "not __fish_seen_subcommand_from $verbs" -a rate -d "Print or set a project's hourly rate"

# Options, by the verbs that take them.
complete -c tallywright-ctl -n "__fish_seen_subcommand_from start stop continue cancel comment import track edit delete split undo redo rate" -l dry-run -d 'Print what would be done, write nothing'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from start track edit" -l comment -x -d 'The comment'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from start stop continue" -l at -x -d 'The time (9:00, -15min, yesterday 17:30)'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from start stop toggle" -l keep-away -d 'Count the time away as work'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from status" -l json -d 'Print JSON'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from status" -l format -x -d 'Arrange the line: {project} {elapsed} ...'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from status" -l format-idle -x -d 'The line while nothing runs'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from status" -l follow -d 'Print again at every change'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from import" -l format -x -a 'timewarrior timewarrior-json watson hamster gtimelog toggl clockify ical tallywright-csv tallywright-json tallywright' -d "The file's format"
complete -c tallywright-ctl -n "__fish_seen_subcommand_from import" -l no-new-projects -d 'Leave the project list as it is'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from import track edit history list rate" -l json -d 'Print JSON'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from track edit start continue" -l allow-overlap -d 'Allow overlapping another stretch'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l date -x -d 'A day (YYYY-MM-DD)'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l today -d 'Today'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l from -x -d 'The first day (YYYY-MM-DD)'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l to -x -d 'The last day (YYYY-MM-DD)'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l week -d 'A week'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l month -d 'A month'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l year -d 'A year'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from list" -l ids -d 'Print only the ids'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from edit" -l from -x -d 'The new start'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from edit" -l to -x -d 'The new end'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from edit" -l project -x -a '(__tallywright_ctl_ask projects)' -d 'The new project'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from history" -s n -x -d 'How many steps'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from rate" -l from -x -d 'The first day of the rate (YYYY-MM-DD)'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from rate" -l not-billable -d 'Its work is not charged for'
complete -c tallywright-ctl -n "__fish_seen_subcommand_from rate" -l billable -d 'Its work is charged for'

# Arguments: projects, ids, files.
complete -c tallywright-ctl -n "__tallywright_ctl_at start 0; or __tallywright_ctl_at track 2; or __tallywright_ctl_at rate 0" -a '(__tallywright_ctl_ask projects)' -d 'Project'
complete -c tallywright-ctl -n "__tallywright_ctl_at edit 0; or __tallywright_ctl_at delete 0; or __tallywright_ctl_at split 0" -a '(__tallywright_ctl_ask list --ids)' -d 'Stretch'
complete -c tallywright-ctl -n "__tallywright_ctl_at import 0" -F
