<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillfen.
Free to use and to share.</source>
        <translation>Copyright © 2026 Quillfen.
Frei zu nutzen und weiterzugeben.</translation>
    </message>
    <message>
        <source>Tallywright is provided as it is, without warranty of any kind. Back up your report file before you rely on it for billing.</source>
        <translation>Tallywright wird so bereitgestellt, wie es ist, ohne jede Gewährleistung. Sichern Sie Ihre Berichtsdatei, bevor Sie sich für die Abrechnung auf sie verlassen.</translation>
    </message>
    <message>
        <source>Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for news and updates.</source>
        <translation>Behalten Sie mehrere Projekte und die darin investierte Zeit im Blick. Neuigkeiten und Aktualisierungen finden Sie unter www.quillfen.example.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Away</name>
    <message>
        <source>Sleep from: %1.</source>
        <translation>Ruhezustand von: %1.</translation>
    </message>
    <message>
        <source>Idle detection is off: nothing on this desktop tells the idle time.</source>
        <translation>Die Erkennung der Abwesenheit ist aus: Nichts auf diesem Desktop meldet die Leerlaufzeit.</translation>
    </message>
    <message>
        <source>Idle time from: %1.</source>
        <translation>Leerlaufzeit von: %1.</translation>
    </message>
    <message>
        <source>Still tracking %1 since %2 (%3 h).</source>
        <translation>%1 wird immer noch erfasst, seit %2 (%3 Std.).</translation>
    </message>
</context>
<context>
    <name>BudgetWatch</name>
    <message>
        <source>%1 has used %2% of its budget for this month.</source>
        <translation>%1 hat %2% seines Budgets für diesen Monat verbraucht.</translation>
    </message>
    <message>
        <source>%1 has used %2% of its budget.</source>
        <translation>%1 hat %2% seines Budgets verbraucht.</translation>
    </message>
</context>
<context>
    <name>DataPreferences</name>
    <message>
        <source>, and its project list gained %1</source>
        <translation>, und die Projektliste wurde um %1 ergänzt</translation>
    </message>
    <message>
        <source>. The files in %1 stay as they are.</source>
        <translation>. Die Dateien in %1 bleiben unverändert.</translation>
    </message>
    <message>
        <source>Please give the data folder as a full path, or choose it with Choose....</source>
        <translation>Bitte geben Sie den Datenordner als vollständigen Pfad an oder wählen Sie ihn mit Auswählen... aus.</translation>
    </message>
    <message>
        <source>Please end the running stretch (EndProject) before Tallywright moves to another data folder or shares this one.</source>
        <translation>Bitte beenden Sie den laufenden Zeitabschnitt (Projekt beenden), bevor Tallywright in einen anderen Datenordner wechselt oder diesen teilt.</translation>
    </message>
    <message>
        <source>Tallywright cannot keep its files in %1: it is not a folder it may write in.</source>
        <translation>Tallywright kann seine Dateien nicht in %1 ablegen: Es ist kein Ordner, in den es schreiben darf.</translation>
    </message>
    <message>
        <source>This machine&apos;s records in the shared folder are kept under the name %1, which cannot change now.</source>
        <translation>Die Einträge dieses Rechners im geteilten Ordner werden unter dem Namen %1 geführt, der sich jetzt nicht mehr ändern kann.</translation>
    </message>
    <message>
        <source>The records in the shared folder %1 stay there, with the other machines&apos; records. Tallywright will keep its files in %2 from now on.</source>
        <translation>Die Einträge im geteilten Ordner %1 bleiben dort, bei den Einträgen der anderen Rechner. Tallywright legt seine Dateien ab jetzt in %2 ab.</translation>
    </message>
    <message>
        <source>Move Tallywright&apos;s files (%1) from %2 to %3?</source>
        <translation>Die Dateien von Tallywright (%1) von %2 nach %3 verschieben?</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are. Either way the records and project names of this machine that the shared folder lacks are merged into it.</source>
        <translation>Ja verschiebt sie. Nein lässt sie, wo sie sind. In beiden Fällen werden die Einträge und Projektnamen dieses Rechners, die im geteilten Ordner fehlen, dort zusammengeführt.</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are and uses what %1 holds.</source>
        <translation>Ja verschiebt sie. Nein lässt sie, wo sie sind, und verwendet, was in %1 liegt.</translation>
    </message>
    <message>
        <source>Your records could not be merged into %1: %2.</source>
        <translation>Ihre Einträge konnten nicht mit %1 zusammengeführt werden: %2.</translation>
    </message>
    <message>
        <source>%1 already holds Tallywright&apos;s files, which yours cannot be put together with. Choose No to use them as they are, or another folder.</source>
        <translation>%1 enthält bereits Dateien von Tallywright, mit denen Ihre nicht zusammengelegt werden können. Wählen Sie Nein, um sie so zu verwenden, wie sie sind, oder einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Your files could not all be moved to %1: %2. What was not moved is still in %3.</source>
        <translation>Ihre Dateien konnten nicht alle nach %1 verschoben werden: %2. Was nicht verschoben wurde, liegt noch in %3.</translation>
    </message>
    <message>
        <source>The data folder could not be set: %1</source>
        <translation>Der Datenordner konnte nicht festgelegt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went into this machine&apos;s report there (%3)</source>
        <comment>Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went into this machine&apos;s report there (%3)</comment>
        <translation>
            <numerusform>Tallywright legt seine Dateien jetzt im geteilten Ordner %1 ab. %n fehlender Eintrag aus %2 kam dort in den Bericht dieses Rechners (%3)</numerusform>
            <numerusform>Tallywright legt seine Dateien jetzt im geteilten Ordner %1 ab. %n fehlende Einträge aus %2 kamen dort in den Bericht dieses Rechners (%3)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>A project name cannot contain a comma. Please remove it from the project.</source>
        <translation>Ein Projektname darf kein Komma enthalten. Bitte entfernen Sie es aus dem Projekt.</translation>
    </message>
    <message>
        <source>The Project Start Time is not a date and time. Please type it like %1.</source>
        <translation>Die Startzeit des Projekts ist kein Datum mit Uhrzeit. Bitte geben Sie sie wie %1 ein.</translation>
    </message>
    <message>
        <source>The Project End Time is not a date and time. Please type it like %1.</source>
        <translation>Die Endzeit des Projekts ist kein Datum mit Uhrzeit. Bitte geben Sie sie wie %1 ein.</translation>
    </message>
    <message>
        <source>This entry has been changed in the report file since the report was shown, so your change was not saved. The report is shown again as the file now stands.</source>
        <translation>Dieser Eintrag wurde in der Berichtsdatei geändert, seit der Bericht angezeigt wurde; Ihre Änderung wurde daher nicht gespeichert. Der Bericht wird so angezeigt, wie die Datei jetzt ist.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the edit of %1</source>
        <translation>die Änderung von %1</translation>
    </message>
    <message>
        <source>the deletion of %1</source>
        <translation>das Löschen von %1</translation>
    </message>
    <message>
        <source>the stretch added, %1</source>
        <translation>der hinzugefügte Zeitabschnitt, %1</translation>
    </message>
    <message>
        <source>the split of %1</source>
        <translation>das Teilen von %1</translation>
    </message>
    <message>
        <source>the merge of %1</source>
        <translation>das Zusammenführen von %1</translation>
    </message>
    <message>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Bericht leeren</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Bericht wiederherstellen</translation>
    </message>
    <message>
        <source>the stretch %1 is no longer in the record</source>
        <translation>der Zeitabschnitt %1 ist nicht mehr erfasst</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since, on this machine or another</source>
        <translation>der Zeitabschnitt %1 wurde seitdem geändert, auf diesem oder einem anderen Rechner</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since</source>
        <translation>der Zeitabschnitt %1 wurde seitdem geändert</translation>
    </message>
    <message>
        <source>its records were changed since</source>
        <translation>seine Einträge wurden seitdem geändert</translation>
    </message>
    <message>
        <source>the records it took out are gone</source>
        <translation>die dabei entfernten Einträge sind nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>the report it put aside is gone</source>
        <translation>der dabei beiseitegelegte Bericht ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>the report was changed since</source>
        <translation>der Bericht wurde seitdem geändert</translation>
    </message>
    <message>
        <source>there is nothing to undo</source>
        <translation>es gibt nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>there is nothing to redo</source>
        <translation>es gibt nichts wiederherzustellen</translation>
    </message>
    <message numerus="yes">
        <source>the import of %n stretches</source>
        <comment>the import of %n stretch</comment>
        <translation>
            <numerusform>der Import von %n Zeitabschnitt</numerusform>
            <numerusform>der Import von %n Zeitabschnitten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Nichts importiert: %1</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, von %1 bis %2</translation>
    </message>
    <message>
        <source>Projects:</source>
        <translation>Projekte:</translation>
    </message>
    <message>
        <source>  (new: goes on the project list)</source>
        <translation>  (neu: kommt auf die Projektliste)</translation>
    </message>
    <message>
        <source>  (new, not on the project list)</source>
        <translation>  (neu, nicht auf der Projektliste)</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot; is written as &quot;%2&quot; (%3)</source>
        <translation>Projekt „%1“ wird als „%2“ geschrieben (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches were added to the report.</source>
        <comment>%n stretch was added to the report.</comment>
        <translation>
            <numerusform>%n Zeitabschnitt wurde dem Bericht hinzugefügt.</numerusform>
            <numerusform>%n Zeitabschnitte wurden dem Bericht hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches read</source>
        <comment>%n stretch read</comment>
        <translation>
            <numerusform>%n Zeitabschnitt gelesen</numerusform>
            <numerusform>%n Zeitabschnitte gelesen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches to add</source>
        <comment>%n stretch to add</comment>
        <translation>
            <numerusform>%n Zeitabschnitt hinzuzufügen</numerusform>
            <numerusform>%n Zeitabschnitte hinzuzufügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped (already in the report)</source>
        <comment>%n duplicate skipped (already in the report)</comment>
        <translation>
            <numerusform>%n Duplikat übersprungen (schon im Bericht)</numerusform>
            <numerusform>%n Duplikate übersprungen (schon im Bericht)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overlap stretches of the report</source>
        <comment>%n overlaps a stretch of the report</comment>
        <translation>
            <numerusform>%n überschneidet sich mit Zeitabschnitten des Berichts</numerusform>
            <numerusform>%n überschneiden sich mit Zeitabschnitten des Berichts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>and %n more</comment>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes:</source>
        <comment>%n note:</comment>
        <translation>
            <numerusform>%n Hinweis:</numerusform>
            <numerusform>%n Hinweise:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be read:</source>
        <comment>%n item could not be read:</comment>
        <translation>
            <numerusform>%n Element konnte nicht gelesen werden:</numerusform>
            <numerusform>%n Elemente konnten nicht gelesen werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 in %2 format</source>
        <translation>%1 im Format %2</translation>
    </message>
</context>
<context>
    <name>Mend</name>
    <message>
        <source>give the stretch&apos;s ID (as list prints it)</source>
        <translation>geben Sie die ID des Zeitabschnitts an (wie list sie ausgibt)</translation>
    </message>
    <message>
        <source>the stretch was changed since it was read; list it again</source>
        <translation>der Zeitabschnitt wurde geändert, seit er gelesen wurde; listen Sie ihn erneut auf</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>unerwartetes „%1“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 on %2 is still to come</source>
        <translation>%1 am %2 liegt noch in der Zukunft</translation>
    </message>
    <message>
        <source>running: %1 since %2</source>
        <translation>läuft: %1 seit %2</translation>
    </message>
    <message>
        <source>it would overlap%1
(--allow-overlap records it all the same)</source>
        <translation>es würde sich überschneiden mit:%1
(--allow-overlap erfasst es trotzdem)</translation>
    </message>
    <message>
        <source>name a project</source>
        <translation>nennen Sie ein Projekt</translation>
    </message>
    <message>
        <source>no stretch has the id %1 (tallywright-ctl list shows them; an id names one stretch, and four of its characters at least are needed)</source>
        <translation>kein Zeitabschnitt hat die ID %1 (tallywright-ctl list zeigt sie; eine ID bezeichnet genau einen Zeitabschnitt, und mindestens vier ihrer Zeichen sind nötig)</translation>
    </message>
    <message>
        <source>give FROM TO PROJECT</source>
        <translation>geben Sie VON BIS PROJEKT an</translation>
    </message>
    <message>
        <source>%1 is not after %2</source>
        <translation>%1 liegt nicht nach %2</translation>
    </message>
    <message>
        <source>Would add: %1</source>
        <translation>Würde hinzufügen: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>say what changes: --from, --to, --project or --comment</source>
        <translation>sagen Sie, was sich ändert: --from, --to, --project oder --comment</translation>
    </message>
    <message>
        <source>its end %1 would not be after its start %2</source>
        <translation>sein Ende %1 läge nicht nach seinem Beginn %2</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Würde ändern:</translation>
    </message>
    <message>
        <source>Changed:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Zu:</translation>
    </message>
    <message>
        <source>Would delete: %1</source>
        <translation>Würde löschen: %1</translation>
    </message>
    <message>
        <source>Deleted: %1</source>
        <translation>Gelöscht: %1</translation>
    </message>
    <message>
        <source>give the stretch&apos;s ID and the time to split it at</source>
        <translation>geben Sie die ID des Zeitabschnitts und die Zeit an, zu der er geteilt wird</translation>
    </message>
    <message>
        <source>the stretch has no end to split it before</source>
        <translation>der Zeitabschnitt hat kein Ende, vor dem er geteilt werden könnte</translation>
    </message>
    <message>
        <source>%1 does not lie inside the stretch (%2)</source>
        <translation>%1 liegt nicht innerhalb des Zeitabschnitts (%2)</translation>
    </message>
    <message>
        <source>Would split: %1
at %2</source>
        <translation>Würde teilen: %1
um %2</translation>
    </message>
    <message>
        <source>Split: %1
at %2</source>
        <translation>Geteilt: %1
um %2</translation>
    </message>
    <message>
        <source>cannot undo %1: %2</source>
        <translation>%1 kann nicht rückgängig gemacht werden: %2</translation>
    </message>
    <message>
        <source>cannot redo %1: %2</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>Would undo %1</source>
        <translation>Würde rückgängig machen: %1</translation>
    </message>
    <message>
        <source>Would redo %1</source>
        <translation>Würde wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>-n takes a number of steps</source>
        <translation>-n nimmt eine Anzahl von Schritten</translation>
    </message>
    <message>
        <source>(undone)</source>
        <translation>(rückgängig gemacht)</translation>
    </message>
    <message>
        <source>was:</source>
        <translation>vorher:</translation>
    </message>
    <message>
        <source>now:</source>
        <translation>jetzt:</translation>
    </message>
    <message>
        <source>unknown verb &quot;%1&quot;</source>
        <translation>unbekanntes Verb „%1“</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>die Aufzeichnung konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>No amount was given.</source>
        <translation>Es wurde kein Betrag angegeben.</translation>
    </message>
    <message>
        <source>An amount cannot be negative.</source>
        <translation>Ein Betrag darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The amount %1 is too large (at most %2).</source>
        <translation>Der Betrag %1 ist zu groß (höchstens %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250.</source>
        <translation>„%1“ ist kein Betrag: Schreiben Sie ihn wie 85 oder 85%250.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250, without thousands separators.</source>
        <translation>„%1“ ist kein Betrag: Schreiben Sie ihn wie 85 oder 85%250, ohne Tausendertrennzeichen.</translation>
    </message>
    <message>
        <source>An amount has at most two decimals: %1.</source>
        <translation>Ein Betrag hat höchstens zwei Nachkommastellen: %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>the desktop&apos;s notification service</source>
        <translation>der Benachrichtigungsdienst des Desktops</translation>
    </message>
    <message>
        <source>a balloon of the notification icon</source>
        <translation>eine Sprechblase am Benachrichtigungssymbol</translation>
    </message>
    <message>
        <source>The minutes without input must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Die Minuten ohne Eingabe müssen eine ganze Zahl von 0 bis %1 sein (0 schaltet es aus).</translation>
    </message>
    <message>
        <source>The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Die Stunden bis zur Erinnerung müssen eine ganze Zahl von 0 bis %1 sein (0 schaltet es aus).</translation>
    </message>
</context>
<context>
    <name>ProjectList</name>
    <message>
        <source>A project name cannot contain a comma: the report keeps its fields apart by commas.

Please change line %1:
%2</source>
        <translation>Ein Projektname darf kein Komma enthalten: Der Bericht trennt seine Felder durch Kommas.

Bitte ändern Sie Zeile %1:
%2</translation>
    </message>
    <message>
        <source>The project list was changed on two machines at the same time. Both changes are kept in one list</source>
        <translation>Die Projektliste wurde auf zwei Rechnern gleichzeitig geändert. Beide Änderungen bleiben in einer Liste erhalten</translation>
    </message>
    <message>
        <source>; added: %1</source>
        <translation>; hinzugefügt: %1</translation>
    </message>
    <message>
        <source>; removed: %1</source>
        <translation>; entfernt: %1</translation>
    </message>
    <message>
        <source>.

The sync service&apos;s copy, %1, has been merged and removed.</source>
        <translation>.

Die Kopie des Synchronisierungsdienstes, %1, wurde zusammengeführt und entfernt.</translation>
    </message>
</context>
<context>
    <name>ProjectTerms</name>
    <message>
        <source>Name the project these settings are for.</source>
        <translation>Nennen Sie das Projekt, für das diese Einstellungen gelten.</translation>
    </message>
    <message>
        <source>A project&apos;s name cannot hold a comma, a tab or a line end.</source>
        <translation>Ein Projektname darf kein Komma, keinen Tabulator und kein Zeilenende enthalten.</translation>
    </message>
    <message>
        <source>A rate&apos;s first day is written like 2026-01-31.</source>
        <translation>Der erste Tag eines Satzes wird wie 2026-01-31 geschrieben.</translation>
    </message>
    <message>
        <source>The rate from %1: %2</source>
        <translation>Der Satz ab %1: %2</translation>
    </message>
    <message>
        <source>Two rates take effect on %1: keep one.</source>
        <translation>Zwei Sätze gelten ab %1: Behalten Sie einen.</translation>
    </message>
    <message>
        <source>The budget&apos;s hours: %1</source>
        <translation>Die Stunden des Budgets: %1</translation>
    </message>
    <message>
        <source>The budget&apos;s amount: %1</source>
        <translation>Der Betrag des Budgets: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Total Time:</source>
        <translation>Gesamtzeit:</translation>
    </message>
    <message>
        <source>%1, edited on %2</source>
        <translation>%1, bearbeitet auf %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <comment>%n hour</comment>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation>%1, %2 bis %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Start of Project</source>
        <translation>Projektbeginn</translation>
    </message>
    <message>
        <source>End of Project</source>
        <translation>Projektende</translation>
    </message>
    <message>
        <source>Project Time</source>
        <translation>Projektzeit</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Report...   Date being displayed: %1 %2</source>
        <translation>Bericht...   Angezeigtes Datum: %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportMenu</name>
    <message>
        <source>Are you sure you want to delete the report file?</source>
        <translation>Möchten Sie die Berichtsdatei wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Reports</source>
        <translation>Berichte löschen</translation>
    </message>
    <message>
        <source>Your Report File has been deleted.</source>
        <translation>Ihre Berichtsdatei wurde gelöscht.</translation>
    </message>
    <message>
        <source>Report File Deleted</source>
        <translation>Berichtsdatei gelöscht</translation>
    </message>
    <message>
        <source>Restoring the report will delete any changes you&apos;ve made in Tallywright since the last time you exited the application. Are you sure you want to do this?</source>
        <translation>Beim Wiederherstellen des Berichts gehen alle Änderungen verloren, die Sie seit dem letzten Beenden von Tallywright vorgenommen haben. Möchten Sie das wirklich tun?</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Bericht wiederherstellen</translation>
    </message>
    <message>
        <source>There is no backup of the report to restore. The report file has not been changed.</source>
        <translation>Es gibt keine Sicherung des Berichts zum Wiederherstellen. Die Berichtsdatei wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>The report holds lines in another form</source>
        <translation>Der Bericht enthält Zeilen in einer anderen Form</translation>
    </message>
    <message>
        <source>Another copy is tracking in this folder</source>
        <translation>Eine andere Instanz erfasst in diesem Ordner</translation>
    </message>
    <message>
        <source>Saving Changes...</source>
        <translation>Änderungen werden gespeichert...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The report could not be read: %1.</source>
        <translation>Der Bericht konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>There is no report yet.</source>
        <translation>Es gibt noch keinen Bericht.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>:  %1 (%2 hours) in %3</source>
        <translation>:  %1 (%2 Stunden) in %3</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches</source>
        <comment>%n stretch</comment>
        <translation>
            <numerusform>%n Zeitabschnitt</numerusform>
            <numerusform>%n Zeitabschnitte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the report are not records and were skipped.</source>
        <comment>%n line of the report is not a record and was skipped.</comment>
        <translation>
            <numerusform>%n Zeile des Berichts ist kein Eintrag und wurde übersprungen.</numerusform>
            <numerusform>%n Zeilen des Berichts sind keine Einträge und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>%1 (left out).</source>
        <translation>%1 (ausgelassen).</translation>
    </message>
    <message>
        <source>The rates could not be read: %1.</source>
        <translation>Die Sätze konnten nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The setting %1</source>
        <translation>Die Einstellung %1</translation>
    </message>
    <message>
        <source>No hourly rates are set: Report &gt; Rates... sets a project&apos;s rate, and whether it is billable.</source>
        <translation>Es sind keine Stundensätze festgelegt: Bericht &gt; Sätze... legt den Satz eines Projekts fest und ob es abrechenbar ist.</translation>
    </message>
    <message>
        <source>%1 (%2 hours)</source>
        <translation>%1 (%2 Stunden)</translation>
    </message>
    <message>
        <source>Billable: %1, %2.</source>
        <translation>Abrechenbar: %1, %2.</translation>
    </message>
    <message>
        <source>Not billable: %1, worth %2 at its rates.</source>
        <translation>Nicht abrechenbar: %1, zu seinen Sätzen %2 wert.</translation>
    </message>
    <message>
        <source>No working-time target is set: Option &gt; Preferences... sets one.</source>
        <translation>Es ist kein Arbeitszeitziel festgelegt: Option &gt; Einstellungen... legt eines fest.</translation>
    </message>
    <message>
        <source>Balance: today %1, this week %2, this month %3</source>
        <translation>Saldo: heute %1, diese Woche %2, diesen Monat %3</translation>
    </message>
    <message>
        <source>, since %1 %2</source>
        <translation>, seit %1 %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>This stretch has been changed since the timeline showed it, so your change was not saved. The timeline is shown again as the report now stands.</source>
        <translation>Dieser Zeitabschnitt wurde geändert, seit die Zeitleiste ihn angezeigt hat; Ihre Änderung wurde daher nicht gespeichert. Die Zeitleiste wird so angezeigt, wie der Bericht jetzt ist.</translation>
    </message>
    <message>
        <source>%1 (running)</source>
        <translation>%1 (läuft)</translation>
    </message>
    <message>
        <source>This would overlap %1. Change it anyway?</source>
        <translation>Dies würde sich mit %1 überschneiden. Trotzdem ändern?</translation>
    </message>
    <message>
        <source>This would overlap %1 and %2. Change it anyway?</source>
        <translation>Dies würde sich mit %1 und %2 überschneiden. Trotzdem ändern?</translation>
    </message>
    <message>
        <source>The report could not be changed: %1</source>
        <translation>Der Bericht konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>Choose or type the stretch&apos;s project.</source>
        <translation>Wählen Sie das Projekt des Zeitabschnitts aus oder geben Sie es ein.</translation>
    </message>
    <message>
        <source>The stretch could not be added to the report: %1</source>
        <translation>Der Zeitabschnitt konnte dem Bericht nicht hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>Der Bericht konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The running stretch&apos;s start could not be moved.</source>
        <translation>Der Beginn des laufenden Zeitabschnitts konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <source>A stretch cannot end before it starts.</source>
        <translation>Ein Zeitabschnitt kann nicht enden, bevor er beginnt.</translation>
    </message>
    <message>
        <source>The running stretch cannot be deleted while it runs. End it with EndProject first.</source>
        <translation>Der laufende Zeitabschnitt kann nicht gelöscht werden, solange er läuft. Beenden Sie ihn zuerst mit Projekt beenden.</translation>
    </message>
    <message>
        <source>The running stretch cannot start after now.</source>
        <translation>Der laufende Zeitabschnitt kann nicht nach jetzt beginnen.</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start can be moved.</source>
        <translation>Der laufende Zeitabschnitt endet, wenn Sie auf Projekt beenden drücken: Nur sein Beginn kann verschoben werden.</translation>
    </message>
    <message>
        <source>%1 to midnight</source>
        <translation>%1 bis Mitternacht</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 to now</source>
        <translation>%1 bis jetzt</translation>
    </message>
    <message>
        <source>%1, no end</source>
        <translation>%1, ohne Ende</translation>
    </message>
    <message>
        <source>Free, %1</source>
        <translation>Frei, %1</translation>
    </message>
    <message>
        <source>, running</source>
        <translation>, läuft</translation>
    </message>
    <message>
        <source>, on %1</source>
        <translation>, auf %1</translation>
    </message>
    <message>
        <source>, overlaps another stretch</source>
        <translation>, überschneidet sich mit einem anderen Zeitabschnitt</translation>
    </message>
    <message>
        <source> (%1, running)</source>
        <translation> (%1, läuft)</translation>
    </message>
    <message>
        <source>Recorded on %1</source>
        <translation>Erfasst auf %1</translation>
    </message>
    <message>
        <source>, edited on %1</source>
        <translation>, bearbeitet auf %1</translation>
    </message>
    <message>
        <source>Overlaps another stretch</source>
        <translation>Überschneidet sich mit einem anderen Zeitabschnitt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 in %n stretches</source>
        <comment>%1: %2 in %n stretch</comment>
        <translation>
            <numerusform>%1: %2 in %n Zeitabschnitt</numerusform>
            <numerusform>%1: %2 in %n Zeitabschnitten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This would overlap %1 and %n other stretches. Change it anyway?</source>
        <comment>This would overlap %1 and %n other stretch. Change it anyway?</comment>
        <translation>
            <numerusform>Dies würde sich mit %1 und %n weiteren Zeitabschnitt überschneiden. Trotzdem ändern?</numerusform>
            <numerusform>Dies würde sich mit %1 und %n weiteren Zeitabschnitten überschneiden. Trotzdem ändern?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a day of %n hours</source>
        <comment>, a day of %n hour</comment>
        <translation>
            <numerusform>, ein Tag mit %n Stunde</numerusform>
            <numerusform>, ein Tag mit %n Stunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.</source>
        <translation>Auf und Ab gehen von Element zu Element, Links und Rechts zur selben Uhrzeit am nächsten oder vorigen Tag, Tab von Zeitabschnitt zu Zeitabschnitt. Eingabe bearbeitet einen Zeitabschnitt oder fügt in freier Zeit einen hinzu, Einfg fügt hinzu, Entf löscht. Alt+Auf und Alt+Ab verschieben den Beginn, Alt+Umschalt+Auf und Alt+Umschalt+Ab das Ende, Alt+Links und Alt+Rechts den ganzen Zeitabschnitt, Alt+Bild auf und Alt+Bild ab um einen Tag; Eingabe speichert eine solche Änderung, Esc verwirft sie.</translation>
    </message>
    <message>
        <source>Free time: Enter or Insert adds a stretch here</source>
        <translation>Freie Zeit: Eingabe oder Einfg fügt hier einen Zeitabschnitt hinzu</translation>
    </message>
    <message>
        <source>Edit the stretch</source>
        <translation>Zeitabschnitt bearbeiten</translation>
    </message>
    <message>
        <source>Add a stretch in this free time</source>
        <translation>In dieser freien Zeit einen Zeitabschnitt hinzufügen</translation>
    </message>
    <message>
        <source>Delete the stretch</source>
        <translation>Zeitabschnitt löschen</translation>
    </message>
    <message>
        <source>Select it</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Show its menu</source>
        <translation>Menü anzeigen</translation>
    </message>
</context>
<context>
    <name>Tracker</name>
    <message>
        <source>Also running on %1: %2 since %3</source>
        <translation>Läuft auch auf %1: %2 seit %3</translation>
    </message>
    <message>
        <source>The running stretch could not be saved: %1</source>
        <translation>Der laufende Zeitabschnitt konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The stretch is recorded in the report, but %1 could not be removed: %2. The next start will not offer it again.</source>
        <translation>Der Zeitabschnitt ist im Bericht erfasst, aber %1 konnte nicht entfernt werden: %2. Der nächste Start bietet ihn nicht erneut an.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered back. It is left as it is.</source>
        <translation>%1 (%2 Byte) ist größer als jeder laufende Zeitabschnitt, den %3 speichert, und wird daher nicht angeboten. Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>Recorded %1 from %2 to %3</source>
        <translation>%1 erfasst von %2 bis %3</translation>
    </message>
    <message>
        <source>, ended when you left; the time away since is not counted</source>
        <translation>, beendet, als Sie gegangen sind; die Abwesenheit seitdem wird nicht gezählt</translation>
    </message>
    <message>
        <source>There was an error writing to the report</source>
        <translation>Beim Schreiben in den Bericht ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>The stretch of %1 started %2 was still running when %3 last ended, at about %4.</source>
        <translation>Der Zeitabschnitt von %1, begonnen %2, lief noch, als %3 zuletzt beendet wurde, gegen %4.</translation>
    </message>
    <message>
        <source>&amp;Keep Running</source>
        <translation>&amp;Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>&amp;End Then</source>
        <translation>Da&amp;mals beenden</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>A stretch of %1 was kept as running when %2 last ended, but %3. Keep Running puts it into the window as found, to put right there; Discard removes it.</source>
        <translation>Ein Zeitabschnitt von %1 wurde beim letzten Beenden von %2 als laufend gespeichert, aber %3. Weiterlaufen lassen übernimmt ihn wie gefunden ins Fenster, um ihn dort zu korrigieren; Verwerfen entfernt ihn.</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while tracking %4.</source>
        <translation>Sie waren von %1 bis %2 (%3) abwesend, während %4 erfasst wurde.</translation>
    </message>
    <message>
        <source>&amp;Keep Time</source>
        <translation>Zeit &amp;behalten</translation>
    </message>
    <message>
        <source>End Then and &amp;Restart</source>
        <translation>Damals beenden und &amp;neu starten</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 bis %3</translation>
    </message>
    <message>
        <source>A start at %1 would overlap what is recorded: %2</source>
        <translation>Ein Beginn um %1 würde sich mit Erfasstem überschneiden: %2</translation>
    </message>
    <message>
        <source>A project name must be UTF-8 text</source>
        <translation>Ein Projektname muss UTF-8-Text sein</translation>
    </message>
    <message>
        <source>A project name cannot hold a comma: &quot;%1&quot;</source>
        <translation>Ein Projektname darf kein Komma enthalten: „%1“</translation>
    </message>
    <message>
        <source>A project name cannot hold a line break or another control character</source>
        <translation>Ein Projektname darf keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>A project name is at most %1 bytes long; this one has %2</source>
        <translation>Ein Projektname ist höchstens %1 Bytes lang; dieser hat %2</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text</source>
        <translation>Ein Kommentar muss UTF-8-Text sein</translation>
    </message>
    <message>
        <source>A comment cannot hold a control character other than a line break</source>
        <translation>Ein Kommentar darf außer Zeilenumbrüchen keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>A comment is at most %1 bytes long; this one has %2</source>
        <translation>Ein Kommentar ist höchstens %1 Bytes lang; dieser hat %2</translation>
    </message>
    <message>
        <source>Would record %1 from %2 to %3</source>
        <translation>Würde %1 von %2 bis %3 erfassen</translation>
    </message>
    <message>
        <source>Tallywright is waiting for an answer in one of its windows</source>
        <translation>Tallywright wartet in einem seiner Fenster auf eine Antwort</translation>
    </message>
    <message>
        <source>The data folder cannot be used: %1</source>
        <translation>Der Datenordner kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Tallywright has just started on this data folder; try again</source>
        <translation>Tallywright wurde gerade mit diesem Datenordner gestartet; versuchen Sie es erneut</translation>
    </message>
    <message>
        <source>%1 is still to come</source>
        <translation>%1 liegt noch in der Zukunft</translation>
    </message>
    <message>
        <source>%1 is not after the start of the running stretch, %2</source>
        <translation>%1 liegt nicht nach dem Beginn des laufenden Zeitabschnitts, %2</translation>
    </message>
    <message>
        <source>The stretch could not be recorded in the report</source>
        <translation>Der Zeitabschnitt konnte nicht im Bericht erfasst werden</translation>
    </message>
    <message>
        <source>No project is chosen: name the project to start</source>
        <translation>Kein Projekt ist gewählt: nennen Sie das zu startende Projekt</translation>
    </message>
    <message>
        <source>Would change nothing: %1 is running</source>
        <translation>Würde nichts ändern: %1 läuft</translation>
    </message>
    <message>
        <source>The running stretch could not be recorded</source>
        <translation>Der laufende Zeitabschnitt konnte nicht erfasst werden</translation>
    </message>
    <message>
        <source>Would start %1 at %2</source>
        <translation>Würde %1 um %2 starten</translation>
    </message>
    <message>
        <source>The stretch could not be started</source>
        <translation>Der Zeitabschnitt konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>No stretch is running</source>
        <translation>Kein Zeitabschnitt läuft</translation>
    </message>
    <message>
        <source>%1 is running since %2; stop it first</source>
        <translation>%1 läuft seit %2; beenden Sie es zuerst</translation>
    </message>
    <message>
        <source>No stretch ended in the last year to continue</source>
        <translation>Im letzten Jahr endete kein Zeitabschnitt, der fortgesetzt werden könnte</translation>
    </message>
    <message>
        <source>%1 is before the end of the last stretch, %2</source>
        <translation>%1 liegt vor dem Ende des letzten Zeitabschnitts, %2</translation>
    </message>
    <message>
        <source>Would discard %1 started %2</source>
        <translation>Würde %1, gestartet %2, verwerfen</translation>
    </message>
    <message>
        <source>Discarded %1 started %2</source>
        <translation>%1, gestartet %2, verworfen</translation>
    </message>
    <message>
        <source>%1; to start it again: %2</source>
        <translation>%1; um ihn erneut zu starten: %2</translation>
    </message>
    <message>
        <source>Would set the comment of %1 started %2 to: %3</source>
        <translation>Würde den Kommentar von %1, gestartet %2, setzen auf: %3</translation>
    </message>
</context>
<context>
    <name>WorkPreferences</name>
    <message>
        <source>Write each weekday&apos;s target hours in its own box, like 8, 7.5 or 7:30.</source>
        <translation>Tragen Sie die Zielstunden jedes Wochentags in sein eigenes Feld ein, etwa 8, 7.5 oder 7:30.</translation>
    </message>
    <message>
        <source>The target hours: %1</source>
        <translation>Die Zielstunden: %1</translation>
    </message>
    <message>
        <source>The days off: %1</source>
        <translation>Die freien Tage: %1</translation>
    </message>
    <message>
        <source>The balance is counted since a day written like 2026-01-01.</source>
        <translation>Die Bilanz zählt ab einem Tag, geschrieben wie 2026-01-01.</translation>
    </message>
</context>
<context>
    <name>tw::DesktopNotifications</name>
    <message>
        <source>Show %1</source>
        <translation>%1 anzeigen</translation>
    </message>
</context>
<context>
    <name>tw::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Themen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Type the first few letters of the word you&apos;re looking for:</source>
        <translation>Geben Sie die ersten Buchstaben des gesuchten Wortes ein:</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>The help file cannot be opened</source>
        <translation>Die Hilfedatei kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>tw::SummaryChart</name>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>No time recorded in this period</source>
        <translation>In diesem Zeitraum wurde keine Zeit erfasst</translation>
    </message>
</context>
<context>
    <name>tw::TimelineView</name>
    <message>
        <source>on %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>Start %1, end %2: it would end before it starts</source>
        <translation>Beginn %1, Ende %2: Es würde enden, bevor es beginnt</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Start %1, end %2, length %3</source>
        <translation>Beginn %1, Ende %2, Dauer %3</translation>
    </message>
    <message>
        <source> (Enter saves, Escape leaves it)</source>
        <translation> (Eingabe speichert, Esc verwirft)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Add Stretch...</source>
        <translation>Zeitabschnitt &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>Drag or double-click to add a stretch</source>
        <translation>Ziehen oder doppelklicken, um einen Zeitabschnitt hinzuzufügen</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start moves.</source>
        <translation>Der laufende Zeitabschnitt endet, wenn Sie auf Projekt beenden drücken: Nur sein Beginn bewegt sich.</translation>
    </message>
</context>
<context>
    <name>tw::UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>die Aufzeichnung konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Cannot undo %1: %2.</source>
        <translation>%1 kann nicht rückgängig gemacht werden: %2.</translation>
    </message>
    <message>
        <source>Cannot redo %1: %2.</source>
        <translation>%1 kann nicht wiederholt werden: %2.</translation>
    </message>
</context>
<context>
    <name>tw::WorkTargetGroup</name>
    <message>
        <source>Working-time target</source>
        <translation>Arbeitszeit-Soll</translation>
    </message>
    <message>
        <source>&amp;Target hours on each weekday (empty: none):</source>
        <translation>&amp;Zielstunden je Wochentag (leer: keine):</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Hours as 8, 7.5 or 7:30</source>
        <translation>Stunden als 8, 7.5 oder 7:30</translation>
    </message>
    <message>
        <source>Target hours on %1</source>
        <translation>Zielstunden am %1</translation>
    </message>
    <message>
        <source>Days o&amp;ff:</source>
        <translation>&amp;Freie Tage:</translation>
    </message>
    <message>
        <source>Days whose target counts as met; a stretch tagged #off marks one too</source>
        <translation>Tage, deren Soll als erfüllt gilt; ein mit #off markierter Zeitabschnitt kennzeichnet auch einen</translation>
    </message>
    <message>
        <source>Balance s&amp;ince:</source>
        <translation>&amp;Bilanz ab:</translation>
    </message>
</context>
<context>
    <name>tw::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>tw::frmImport</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Choose Fi&amp;le...</source>
        <translation>Datei aus&amp;wählen...</translation>
    </message>
    <message>
        <source>Choose a file to import</source>
        <translation>Eine Datei zum Importieren auswählen</translation>
    </message>
    <message>
        <source>Choose F&amp;older...</source>
        <translation>&amp;Ordner auswählen...</translation>
    </message>
    <message>
        <source>Choose a Timewarrior data folder</source>
        <translation>Einen Timewarrior-Datenordner auswählen</translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation>Fo&amp;rmat:</translation>
    </message>
    <message>
        <source>Recognise it</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>&amp;Add new projects to the project list</source>
        <translation>Neue Projekte zur Projektliste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>Was der Import tun würde</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Datei wird gelesen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Add the stretches to the report</source>
        <translation>Die Zeitabschnitte dem Bericht hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write nothing</source>
        <translation>Nichts schreiben</translation>
    </message>
    <message>
        <source>Import a Timewarrior Data Folder</source>
        <translation>Timewarrior-Datenordner importieren</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Wird gelesen...</translation>
    </message>
</context>
<context>
    <name>tw::frmMachineName</name>
    <message>
        <source>This Machine</source>
        <translation>Dieser Rechner</translation>
    </message>
    <message>
        <source>The data folder %1 is shared with other machines. Each machine keeps its records there under a name of its own.</source>
        <translation>Der Datenordner %1 wird mit anderen Rechnern geteilt. Jeder Rechner führt seine Einträge dort unter einem eigenen Namen.</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name:</source>
        <translation>&amp;Name dieses Rechners:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tw::frmMain</name>
    <message>
        <source>Start Project</source>
        <translation>Projekt starten</translation>
    </message>
    <message>
        <source>Start tracking your project</source>
        <translation>Die Zeiterfassung Ihres Projekts starten</translation>
    </message>
    <message>
        <source>EndProject</source>
        <translation>Projekt beenden</translation>
    </message>
    <message>
        <source>End the tracking of your project</source>
        <translation>Die Zeiterfassung Ihres Projekts beenden</translation>
    </message>
    <message>
        <source>Comments about your project</source>
        <translation>Kommentare zu Ihrem Projekt</translation>
    </message>
    <message>
        <source>Update Projects</source>
        <translation>Projekte bearbeiten</translation>
    </message>
    <message>
        <source>Update/Add to your project list</source>
        <translation>Ihre Projektliste bearbeiten/ergänzen</translation>
    </message>
    <message>
        <source>Your Project List:</source>
        <translation>Ihre Projektliste:</translation>
    </message>
    <message>
        <source>Comment about Project:</source>
        <translation>Kommentar zum Projekt:</translation>
    </message>
    <message>
        <source>Time on project:</source>
        <translation>Zeit für das Projekt:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Time on project</source>
        <translation>Zeit für das Projekt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Center App</source>
        <translation>Fenster &amp;zentrieren</translation>
    </message>
    <message>
        <source>Clear &amp;Screen</source>
        <translation>&amp;Anzeige leeren</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>&amp;View Report</source>
        <translation>Bericht &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Clear Report</source>
        <translation>Bericht &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Restore Report</source>
        <translation>Bericht &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation>&amp;Zusammenfassung...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>Hilfe &amp;suchen zu...</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Über </translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>The pasted text was cut to %1 of its %2 characters: a comment holds %3</source>
        <translation>Der eingefügte Text wurde auf %1 seiner %2 Zeichen gekürzt: Ein Kommentar fasst %3</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>Zei&amp;tleiste...</translation>
    </message>
    <message>
        <source>R&amp;ates...</source>
        <translation>&amp;Sätze...</translation>
    </message>
</context>
<context>
    <name>tw::frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Minutes without input that count as time away (0: off):</source>
        <translation>&amp;Minuten ohne Eingabe, die als Abwesenheit zählen (0: aus):</translation>
    </message>
    <message>
        <source>&amp;Hours a stretch runs before a reminder (0: off):</source>
        <translation>&amp;Stunden, die ein Zeitabschnitt bis zur Erinnerung läuft (0: aus):</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>&amp;Datenordner:</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Den Datenordner auswählen</translation>
    </message>
    <message>
        <source>This folder is &amp;shared with other machines</source>
        <translation>Dieser Ordner wird mit anderen Rechnern &amp;geteilt</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name there:</source>
        <translation>&amp;Name dieses Rechners dort:</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This machine keeps its records in the shared folder under this name, which other machines&apos; edits name, so it cannot change.</source>
        <translation>Dieser Rechner führt seine Einträge im geteilten Ordner unter diesem Namen, auf den sich die Bearbeitungen anderer Rechner beziehen; er kann sich daher nicht ändern.</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectList</name>
    <message>
        <source>Project List</source>
        <translation>Projektliste</translation>
    </message>
    <message>
        <source>Add or delete projects in the text box below. Hit &lt;enter&gt; at the end of each project.</source>
        <translation>Fügen Sie im Textfeld unten Projekte hinzu oder löschen Sie sie. Drücken Sie am Ende jedes Projekts &lt;Eingabe&gt;.</translation>
    </message>
    <message>
        <source>Projects, one per line</source>
        <translation>Projekte, eines pro Zeile</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save your project list</source>
        <translation>Ihre Projektliste speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Project Se&amp;ttings...</source>
        <translation>Projekt&amp;einstellungen...</translation>
    </message>
    <message>
        <source>The rates, budgets and billing of the project on the cursor&apos;s line</source>
        <translation>Sätze, Budgets und Abrechnung des Projekts in der Zeile des Cursors</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectSettings</name>
    <message>
        <source>Project Settings</source>
        <translation>Projekteinstellungen</translation>
    </message>
    <message>
        <source>The rates could not be read: %1. What you save is added to them.</source>
        <translation>Die Sätze konnten nicht gelesen werden: %1. Was Sie speichern, wird ihnen hinzugefügt.</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projekt:</translation>
    </message>
    <message>
        <source>&amp;Billable: its work is charged for</source>
        <translation>&amp;Abrechenbar: Die Arbeit wird berechnet</translation>
    </message>
    <message>
        <source>Hourly &amp;rates, each from the day it takes effect:</source>
        <translation>Stunden&amp;sätze, jeweils ab dem Tag, an dem sie gelten:</translation>
    </message>
    <message>
        <source>From (YYYY-MM-DD)</source>
        <translation>Ab (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation>Pro Stunde</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>Satz &amp;hinzufügen</translation>
    </message>
    <message>
        <source>A new rate from today</source>
        <translation>Ein neuer Satz ab heute</translation>
    </message>
    <message>
        <source>Re&amp;move Rate</source>
        <translation>Satz &amp;entfernen</translation>
    </message>
    <message>
        <source>Take the chosen rate back</source>
        <translation>Den gewählten Satz zurücknehmen</translation>
    </message>
    <message>
        <source>Budget (empty: none):</source>
        <translation>Budget (leer: keins):</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>In &amp;all:</source>
        <translation>&amp;Insgesamt:</translation>
    </message>
    <message>
        <source>Each mon&amp;th:</source>
        <translation>Jeden &amp;Monat:</translation>
    </message>
    <message>
        <source>&amp;Currency of every project:</source>
        <translation>&amp;Währung aller Projekte:</translation>
    </message>
    <message>
        <source>A code like EUR, or a short text of up to 8 characters</source>
        <translation>Ein Code wie EUR oder ein kurzer Text mit bis zu 8 Zeichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save the changes to %1&apos;s settings?</source>
        <translation>Die Änderungen an den Einstellungen von %1 speichern?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
</context>
<context>
    <name>tw::frmReport</name>
    <message>
        <source>View Previous Day</source>
        <translation>Vorigen Tag anzeigen</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Voriger Tag</translation>
    </message>
    <message>
        <source>View Today</source>
        <translation>Heute anzeigen</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>View Next Day</source>
        <translation>Nächsten Tag anzeigen</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>Eintrag &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit the chosen entry</source>
        <translation>Den gewählten Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Einträge des Tages</translation>
    </message>
    <message>
        <source>Enter or a double click opens an entry in the editor</source>
        <translation>Eingabe oder ein Doppelklick öffnet einen Eintrag im Editor</translation>
    </message>
    <message>
        <source>Total time, %1</source>
        <translation>Gesamtzeit, %1</translation>
    </message>
</context>
<context>
    <name>tw::frmReportEdit</name>
    <message>
        <source>Report Edit</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Project Start Time</source>
        <translation>Startzeit des Projekts</translation>
    </message>
    <message>
        <source>Project End Time</source>
        <translation>Endzeit des Projekts</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
</context>
<context>
    <name>tw::frmSplash</name>
    <message>
        <source>95/98/NT Platform</source>
        <translation>95/98/NT-Plattform</translation>
    </message>
    <message>
        <source>Track your projects and keep your projects on track.</source>
        <translation>Erfassen Sie Ihre Projekte und halten Sie sie auf Kurs.</translation>
    </message>
</context>
<context>
    <name>tw::frmSummary</name>
    <message>
        <source>CSV, per project</source>
        <translation>CSV, pro Projekt</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>CSV, per day</source>
        <translation>CSV, pro Tag</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 Minuten</translation>
    </message>
    <message>
        <source>6 minutes</source>
        <translation>6 Minuten</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 Minuten</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 Minuten</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 Minuten</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Show the period before this one</source>
        <translation>Den Zeitraum davor anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Show the period after this one</source>
        <translation>Den Zeitraum danach anzeigen</translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation>Rundung:</translation>
    </message>
    <message>
        <source>Round each stretch to the nearest multiple, halves up, before adding</source>
        <translation>Jeden Zeitabschnitt vor dem Addieren auf das nächste Vielfache runden, Hälften aufwärts</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Stretches</source>
        <translation>Zeitabschnitte</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Summen pro Projekt</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Double-click a day to open its daily report</source>
        <translation>Doppelklicken Sie auf einen Tag, um seinen Tagesbericht zu öffnen</translation>
    </message>
    <message>
        <source>Totals per day</source>
        <translation>Summen pro Tag</translation>
    </message>
    <message>
        <source>Enter or a double click opens the day&apos;s report</source>
        <translation>Eingabe oder ein Doppelklick öffnet den Bericht des Tages</translation>
    </message>
    <message>
        <source>Double-click a day&apos;s bar to open its daily report</source>
        <translation>Doppelklicken Sie auf den Balken eines Tages, um seinen Tagesbericht zu öffnen</translation>
    </message>
    <message>
        <source>Chart of the period</source>
        <translation>Diagramm des Zeitraums</translation>
    </message>
    <message>
        <source>The same totals as the tables Totals per project and Totals per day</source>
        <translation>Dieselben Summen wie die Tabellen Summen pro Projekt und Summen pro Tag</translation>
    </message>
    <message>
        <source>Export:</source>
        <translation>Export:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the period to the clipboard in the chosen form</source>
        <translation>Den Zeitraum im gewählten Format in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Save the period to a file in the chosen form</source>
        <translation>Den Zeitraum im gewählten Format in einer Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Zusammenfassung exportieren</translation>
    </message>
    <message>
        <source>The summary could not be saved in %1: %2</source>
        <translation>Die Zusammenfassung konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>CSV, per tag</source>
        <translation>CSV, pro Schlagwort</translation>
    </message>
    <message>
        <source>Invoice lines (CSV)</source>
        <translation>Rechnungszeilen (CSV)</translation>
    </message>
    <message>
        <source>What is billed; for work not billable alone, in brackets, what it is worth at its rates</source>
        <translation>Was berechnet wird; für nur nicht abrechenbare Arbeit in Klammern, was sie zu ihren Sätzen wert ist</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Schlagwort</translation>
    </message>
    <message>
        <source>A stretch counts under each of its tags (#words of its comment)</source>
        <translation>Ein Zeitabschnitt zählt unter jedem seiner Schlagwörter (#Wörter seines Kommentars)</translation>
    </message>
    <message>
        <source>Totals per tag</source>
        <translation>Summen pro Schlagwort</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Verbraucht</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Each project&apos;s budget (Report &gt; Rates... sets them): its whole life, or the month</source>
        <translation>Das Budget jedes Projekts (Bericht &gt; Sätze... legt es fest): für die ganze Laufzeit oder den Monat</translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation>Budgets</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;jekt:</translation>
    </message>
    <message>
        <source>Only the stretches of one project</source>
        <translation>Nur die Zeitabschnitte eines Projekts</translation>
    </message>
    <message>
        <source>Only ta&amp;gged:</source>
        <translation>Nur mit &amp;Schlagwort:</translation>
    </message>
    <message>
        <source>Only the stretches holding every tag ticked</source>
        <translation>Nur die Zeitabschnitte mit allen angehakten Schlagwörtern</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>Betrag (%1)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Alle Projekte</translation>
    </message>
    <message>
        <source>Only tagged</source>
        <translation>Nur mit Schlagwort</translation>
    </message>
</context>
<context>
    <name>tw::frmTimeline</name>
    <message>
        <source>Drag a stretch to move it, an edge to change its start or end, free time to add one (Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.</source>
        <translation>Ziehen Sie einen Zeitabschnitt, um ihn zu verschieben, eine Kante, um Beginn oder Ende zu ändern, freie Zeit, um einen hinzuzufügen (Umschalt rastet auf 5 Minuten, Strg auf 15). Alt+Pfeile ändern den gewählten; Eingabe speichert.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Show the day or week before</source>
        <translation>Den Tag oder die Woche davor anzeigen</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Heute anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Show the day or week after</source>
        <translation>Den Tag oder die Woche danach anzeigen</translation>
    </message>
    <message>
        <source>The day shown, or a day of the week shown</source>
        <translation>Der angezeigte Tag oder ein Tag der angezeigten Woche</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>The step a dragged or moved time keeps to</source>
        <translation>Die Schrittweite, an die sich eine gezogene oder verschobene Zeit hält</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Add a stretch in the selected free time</source>
        <translation>Einen Zeitabschnitt in der gewählten freien Zeit hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Ansicht:</translation>
    </message>
    <message>
        <source>&amp;Snap:</source>
        <translation>&amp;Raster:</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>Der Bericht konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Week: %1</source>
        <translation>Woche: %1</translation>
    </message>
    <message>
        <source>Day: %1</source>
        <translation>Tag: %1</translation>
    </message>
    <message>
        <source>The week&apos;s total, as tallywright-report --week gives it</source>
        <translation>Die Summe der Woche, wie tallywright-report --week sie angibt</translation>
    </message>
    <message>
        <source>The day&apos;s total, as the daily report gives it</source>
        <translation>Die Summe des Tages, wie der Tagesbericht sie angibt</translation>
    </message>
    <message>
        <source>Week of %1 to %2, %3 recorded</source>
        <translation>Woche von %1 bis %2, %3 erfasst</translation>
    </message>
    <message>
        <source>%1, %2 recorded</source>
        <translation>%1, %2 erfasst</translation>
    </message>
    <message>
        <source>Delete this stretch?

%1</source>
        <translation>Diesen Zeitabschnitt löschen?

%1</translation>
    </message>
    <message>
        <source>Delete Stretch</source>
        <translation>Zeitabschnitt löschen</translation>
    </message>
    <message>
        <source>The running stretch is changed in the main window. Here its start can be dragged, or moved with Alt+Up and Alt+Down and saved with Enter.</source>
        <translation>Der laufende Zeitabschnitt wird im Hauptfenster geändert. Hier kann sein Beginn gezogen oder mit Alt+Auf und Alt+Ab verschoben und mit Eingabe gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>tw::frmTimelineAdd</name>
    <message>
        <source>Add Stretch</source>
        <translation>Zeitabschnitt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projekt</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>&amp;Startzeit</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>&amp;Endzeit</translation>
    </message>
    <message>
        <source>C&amp;omment</source>
        <translation>&amp;Kommentar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the stretch to the report</source>
        <translation>Den Zeitabschnitt dem Bericht hinzufügen</translation>
    </message>
</context>
</TS>
