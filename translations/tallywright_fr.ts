<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillfen.
Free to use and to share.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallywright is provided as it is, without warranty of any kind. Back up your report file before you rely on it for billing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for news and updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Away</name>
    <message>
        <source>Sleep from: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle detection is off: nothing on this desktop tells the idle time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle time from: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still tracking %1 since %2 (%3 h).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataPreferences</name>
    <message>
        <source>, and its project list gained %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. The files in %1 stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please give the data folder as a full path, or choose it with Choose....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please end the running stretch (EndProject) before Tallywright moves to another data folder or shares this one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallywright cannot keep its files in %1: it is not a folder it may write in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This machine&apos;s records in the shared folder are kept under the name %1, which cannot change now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The records in the shared folder %1 stay there, with the other machines&apos; records. Tallywright will keep its files in %2 from now on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Tallywright&apos;s files (%1) from %2 to %3?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are. Either way the records and project names of this machine that the shared folder lacks are merged into it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are and uses what %1 holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your records could not be merged into %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already holds Tallywright&apos;s files, which yours cannot be put together with. Choose No to use them as they are, or another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your files could not all be moved to %1: %2. What was not moved is still in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder could not be set: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went into this machine&apos;s report there (%3)</source>
        <comment>Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went into this machine&apos;s report there (%3)</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>A project name cannot contain a comma. Please remove it from the project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Project Start Time is not a date and time. Please type it like %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Project End Time is not a date and time. Please type it like %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This entry has been changed in the report file since the report was shown, so your change was not saved. The report is shown again as the file now stands.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Nothing imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projects:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (new: goes on the project list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  (new, not on the project list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project &quot;%1&quot; is written as &quot;%2&quot; (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n stretches were added to the report.</source>
        <comment>%n stretch was added to the report.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches read</source>
        <comment>%n stretch read</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches to add</source>
        <comment>%n stretch to add</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped (already in the report)</source>
        <comment>%n duplicate skipped (already in the report)</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overlap stretches of the report</source>
        <comment>%n overlaps a stretch of the report</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>and %n more</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes:</source>
        <comment>%n note:</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be read:</source>
        <comment>%n item could not be read:</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 in %2 format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>No amount was given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An amount cannot be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount %1 is too large (at most %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250, without thousands separators.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An amount has at most two decimals: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>the desktop&apos;s notification service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a balloon of the notification icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minutes without input must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectList</name>
    <message>
        <source>A project name cannot contain a comma: the report keeps its fields apart by commas.

Please change line %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project list was changed on two machines at the same time. Both changes are kept in one list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.

The sync service&apos;s copy, %1, has been merged and removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectTerms</name>
    <message>
        <source>Name the project these settings are for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A project&apos;s name cannot hold a comma, a tab or a line end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rate&apos;s first day is written like 2026-01-31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two rates take effect on %1: keep one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The budget&apos;s hours: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The budget&apos;s amount: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Total Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, edited on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <comment>%n hour</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report...   Date being displayed: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportMenu</name>
    <message>
        <source>Are you sure you want to delete the report file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Report File has been deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report File Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring the report will delete any changes you&apos;ve made in Tallywright since the last time you exited the application. Are you sure you want to do this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup of the report to restore. The report file has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>The report holds lines in another form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy is tracking in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Changes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The report could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no report yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:  %1 (%2 hours) in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n stretches</source>
        <comment>%n stretch</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the report are not records and were skipped.</source>
        <comment>%n line of the report is not a record and was skipped.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (left out).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The setting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hourly rates are set: Report &gt; Rates... sets a project&apos;s rate, and whether it is billable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 hours)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Billable: %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not billable: %1, worth %2 at its rates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No working-time target is set: Option &gt; Preferences... sets one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance: today %1, this week %2, this month %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, since %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>This stretch has been changed since the timeline showed it, so your change was not saved. The timeline is shown again as the report now stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (running)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This would overlap %1. Change it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This would overlap %1 and %2. Change it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose or type the stretch&apos;s project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stretch could not be added to the report: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch&apos;s start could not be moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A stretch cannot end before it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch cannot be deleted while it runs. End it with EndProject first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch cannot start after now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start can be moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, no end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, overlaps another stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1, running)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, edited on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlaps another stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 in %n stretches</source>
        <comment>%1: %2 in %n stretch</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This would overlap %1 and %n other stretches. Change it anyway?</source>
        <comment>This would overlap %1 and %n other stretch. Change it anyway?</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a day of %n hours</source>
        <comment>, a day of %n hour</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free time: Enter or Insert adds a stretch here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a stretch in this free time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show its menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tracker</name>
    <message>
        <source>Also running on %1: %2 since %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stretch is recorded in the report, but %1 could not be removed: %2. The next start will not offer it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered back. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded %1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ended when you left; the time away since is not counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error writing to the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stretch of %1 started %2 was still running when %3 last ended, at about %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Then</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A stretch of %1 was kept as running when %2 last ended, but %3. Keep Running puts it into the window as found, to put right there; Discard removes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while tracking %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Then and &amp;Restart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::DesktopNotifications</name>
    <message>
        <source>Show %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the first few letters of the word you&apos;re looking for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::SummaryChart</name>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time recorded in this period</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::TimelineView</name>
    <message>
        <source>on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start %1, end %2: it would end before it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start %1, end %2, length %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Enter saves, Escape leaves it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Stretch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag or double-click to add a stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start moves.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot undo %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot redo %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmAbout</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmImport</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Fi&amp;le...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a file to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose F&amp;older...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Timewarrior data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recognise it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add new projects to the project list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the stretches to the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a Timewarrior Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmMachineName</name>
    <message>
        <source>This Machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 is shared with other machines. Each machine keeps its records there under a name of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmMain</name>
    <message>
        <source>Start Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start tracking your project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EndProject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the tracking of your project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments about your project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update/Add to your project list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Project List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment about Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time on project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time on project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Center App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pasted text was cut to %1 of its %2 characters: a comment holds %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;ates...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minutes without input that count as time away (0: off):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours a stretch runs before a reminder (0: off):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is &amp;shared with other machines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name there:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This machine keeps its records in the shared folder under this name, which other machines&apos; edits name, so it cannot change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmProjectList</name>
    <message>
        <source>Project List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add or delete projects in the text box below. Hit &lt;enter&gt; at the end of each project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projects, one per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save your project list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Se&amp;ttings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates, budgets and billing of the project on the cursor&apos;s line</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmProjectSettings</name>
    <message>
        <source>Project Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rates could not be read: %1. What you save is added to them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Billable: its work is charged for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourly &amp;rates, each from the day it takes effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From (YYYY-MM-DD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new rate from today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the chosen rate back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget (empty: none):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;all:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each mon&amp;th:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Currency of every project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A code like EUR, or a short text of up to 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1&apos;s settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmReport</name>
    <message>
        <source>View Previous Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Next Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the chosen entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or a double click opens an entry in the editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time, %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmReportEdit</name>
    <message>
        <source>Report Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project End Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmSplash</name>
    <message>
        <source>95/98/NT Platform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track your projects and keep your projects on track.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmSummary</name>
    <message>
        <source>CSV, per project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the period before this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the period after this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round each stretch to the nearest multiple, halves up, before adding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a day to open its daily report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or a double click opens the day&apos;s report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a day&apos;s bar to open its daily report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same totals as the tables Totals per project and Totals per day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the period to the clipboard in the chosen form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the period to a file in the chosen form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The summary could not be saved in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, per tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invoice lines (CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is billed; for work not billable alone, in brackets, what it is worth at its rates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A stretch counts under each of its tags (#words of its comment)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals per tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each project&apos;s budget (Report &gt; Rates... sets them): its whole life, or the month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the stretches of one project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only ta&amp;gged:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the stretches holding every tag ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All projects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmTimeline</name>
    <message>
        <source>Drag a stretch to move it, an edge to change its start or end, free time to add one (Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the day or week before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the day or week after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day shown, or a day of the week shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step a dragged or moved time keeps to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a stretch in the selected free time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Snap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The week&apos;s total, as tallywright-report --week gives it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day&apos;s total, as the daily report gives it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week of %1 to %2, %3 recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this stretch?

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running stretch is changed in the main window. Here its start can be dragged, or moved with Alt+Up and Alt+Down and saved with Enter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tw::frmTimelineAdd</name>
    <message>
        <source>Add Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;omment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the stretch to the report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
