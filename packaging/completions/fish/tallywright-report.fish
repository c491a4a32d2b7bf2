# fish completion for tallywright-report: its options, the values of --by and --round, and files
# for --file.

complete -c tallywright-report -f
complete -c tallywright-report -l help -s h -d 'Show a short description'
complete -c tallywright-report -l file -r -F -d 'The report file'
complete -c tallywright-report -l date -x -d 'The day to show (YYYY-MM-DD)'
complete -c tallywright-report -l today -d 'Show today'
complete -c tallywright-report -l from -x -d 'The first day of the period (YYYY-MM-DD)'
complete -c tallywright-report -l to -x -d 'The last day of the period (YYYY-MM-DD)'
complete -c tallywright-report -l week -d 'A week (and a day of it)'
complete -c tallywright-report -l month -d 'A month (YYYY-MM)'
complete -c tallywright-report -l year -d 'A year (YYYY)'
complete -c tallywright-report -l by -x -a 'entry day project tag' -d 'What each row is'
complete -c tallywright-report -l round -x -a '1 5 6 10 15 30' -d 'Round each stretch to minutes'
complete -c tallywright-report -l csv -d 'Write CSV'
complete -c tallywright-report -l json -d 'Write JSON'
complete -c tallywright-report -l ics -d 'Write an iCalendar file'
complete -c tallywright-report -l invoice -d 'Write invoice lines (CSV)'
complete -c tallywright-report -l tag -x -d 'Only stretches with this tag (repeatable)'
complete -c tallywright-report -l project -x -d 'Only this project (repeatable)'
complete -c tallywright-report -l billable -d 'Only billable work'
complete -c tallywright-report -l balance -d 'The working-time balance'
