<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
Libre d’utilisation et de partage.</translation>
    </message>
    <message>
        <source>Tallywright is provided as it is, without warranty of any kind. Back up your report file before you rely on it for billing.</source>
        <translation>Tallywright est fourni tel quel, sans garantie d’aucune sorte. Sauvegardez votre fichier de rapport avant de vous y fier pour la facturation.</translation>
    </message>
    <message>
        <source>Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for news and updates.</source>
        <translation>Suivez plusieurs projets et le temps que vous y consacrez. Rendez-vous sur www.quillfen.example pour les nouvelles et les mises à jour.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>Away</name>
    <message>
        <source>Sleep from: %1.</source>
        <translation>Mise en veille signalée par : %1.</translation>
    </message>
    <message>
        <source>Idle detection is off: nothing on this desktop tells the idle time.</source>
        <translation>La détection d’inactivité est désactivée : rien sur ce bureau n’indique le temps d’inactivité.</translation>
    </message>
    <message>
        <source>Idle time from: %1.</source>
        <translation>Temps d’inactivité fourni par : %1.</translation>
    </message>
    <message>
        <source>Still tracking %1 since %2 (%3 h).</source>
        <translation>Suivi de %1 toujours en cours depuis %2 (%3 h).</translation>
    </message>
</context>
<context>
    <name>BudgetWatch</name>
    <message>
        <source>%1 has used %2% of its budget for this month.</source>
        <translation>%1 a utilisé %2% de son budget de ce mois.</translation>
    </message>
    <message>
        <source>%1 has used %2% of its budget.</source>
        <translation>%1 a utilisé %2% de son budget.</translation>
    </message>
</context>
<context>
    <name>DataPreferences</name>
    <message>
        <source>, and its project list gained %1</source>
        <translation>, et sa liste de projets a reçu %1</translation>
    </message>
    <message>
        <source>. The files in %1 stay as they are.</source>
        <translation>. Les fichiers de %1 restent tels quels.</translation>
    </message>
    <message>
        <source>Please give the data folder as a full path, or choose it with Choose....</source>
        <translation>Veuillez indiquer le dossier de données par un chemin complet, ou le choisir avec Choisir....</translation>
    </message>
    <message>
        <source>Please end the running stretch (EndProject) before Tallywright moves to another data folder or shares this one.</source>
        <translation>Veuillez terminer la période en cours (Terminer le projet) avant que Tallywright passe à un autre dossier de données ou partage celui-ci.</translation>
    </message>
    <message>
        <source>Tallywright cannot keep its files in %1: it is not a folder it may write in.</source>
        <translation>Tallywright ne peut pas garder ses fichiers dans %1 : ce n’est pas un dossier où il peut écrire.</translation>
    </message>
    <message>
        <source>This machine&apos;s records in the shared folder are kept under the name %1, which cannot change now.</source>
        <translation>Les enregistrements de cette machine dans le dossier partagé sont conservés sous le nom %1, qui ne peut plus changer.</translation>
    </message>
    <message>
        <source>The records in the shared folder %1 stay there, with the other machines&apos; records. Tallywright will keep its files in %2 from now on.</source>
        <translation>Les enregistrements du dossier partagé %1 y restent, avec ceux des autres machines. Tallywright gardera désormais ses fichiers dans %2.</translation>
    </message>
    <message>
        <source>Move Tallywright&apos;s files (%1) from %2 to %3?</source>
        <translation>Déplacer les fichiers de Tallywright (%1) de %2 vers %3 ?</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are. Either way the records and project names of this machine that the shared folder lacks are merged into it.</source>
        <translation>Oui les déplace. Non les laisse où ils sont. Dans les deux cas, les enregistrements et noms de projets de cette machine qui manquent au dossier partagé y sont fusionnés.</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are and uses what %1 holds.</source>
        <translation>Oui les déplace. Non les laisse où ils sont et utilise ce que contient %1.</translation>
    </message>
    <message>
        <source>Your records could not be merged into %1: %2.</source>
        <translation>Vos enregistrements n’ont pas pu être fusionnés dans %1 : %2.</translation>
    </message>
    <message>
        <source>%1 already holds Tallywright&apos;s files, which yours cannot be put together with. Choose No to use them as they are, or another folder.</source>
        <translation>%1 contient déjà des fichiers de Tallywright, avec lesquels les vôtres ne peuvent pas être réunis. Choisissez Non pour les utiliser tels quels, ou un autre dossier.</translation>
    </message>
    <message>
        <source>Your files could not all be moved to %1: %2. What was not moved is still in %3.</source>
        <translation>Vos fichiers n’ont pas tous pu être déplacés vers %1 : %2. Ce qui n’a pas été déplacé est encore dans %3.</translation>
    </message>
    <message>
        <source>The data folder could not be set: %1</source>
        <translation>Le dossier de données n’a pas pu être défini : %1</translation>
    </message>
    <message numerus="yes">
        <source>Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went into this machine&apos;s report there (%3)</source>
        <comment>Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went into this machine&apos;s report there (%3)</comment>
        <translation>
            <numerusform>Tallywright garde désormais ses fichiers dans le dossier partagé %1. %n enregistrement de %2 qui y manquait est entré dans le rapport de cette machine (%3)</numerusform>
            <numerusform>Tallywright garde désormais ses fichiers dans le dossier partagé %1. %n enregistrements de %2 qui y manquaient sont entrés dans le rapport de cette machine (%3)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>A project name cannot contain a comma. Please remove it from the project.</source>
        <translation>Un nom de projet ne peut pas contenir de virgule. Veuillez la retirer du projet.</translation>
    </message>
    <message>
        <source>The Project Start Time is not a date and time. Please type it like %1.</source>
        <translation>L’heure de début du projet n’est pas une date et une heure. Veuillez la saisir comme %1.</translation>
    </message>
    <message>
        <source>The Project End Time is not a date and time. Please type it like %1.</source>
        <translation>L’heure de fin du projet n’est pas une date et une heure. Veuillez la saisir comme %1.</translation>
    </message>
    <message>
        <source>This entry has been changed in the report file since the report was shown, so your change was not saved. The report is shown again as the file now stands.</source>
        <translation>Cette entrée a été modifiée dans le fichier de rapport depuis l’affichage du rapport ; votre modification n’a donc pas été enregistrée. Le rapport est réaffiché tel que le fichier est maintenant.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the edit of %1</source>
        <translation>la modification de %1</translation>
    </message>
    <message>
        <source>the deletion of %1</source>
        <translation>la suppression de %1</translation>
    </message>
    <message>
        <source>the stretch added, %1</source>
        <translation>la période ajoutée, %1</translation>
    </message>
    <message>
        <source>the split of %1</source>
        <translation>la division de %1</translation>
    </message>
    <message>
        <source>the merge of %1</source>
        <translation>la fusion de %1</translation>
    </message>
    <message>
        <source>window</source>
        <translation>fenêtre</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>ligne de commande</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Effacer le rapport</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Restaurer le rapport</translation>
    </message>
    <message>
        <source>the stretch %1 is no longer in the record</source>
        <translation>la période %1 n’est plus enregistrée</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since, on this machine or another</source>
        <translation>la période %1 a été modifiée depuis, sur cette machine ou une autre</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since</source>
        <translation>la période %1 a été modifiée depuis</translation>
    </message>
    <message>
        <source>its records were changed since</source>
        <translation>ses enregistrements ont été modifiés depuis</translation>
    </message>
    <message>
        <source>the records it took out are gone</source>
        <translation>les enregistrements qu’elle a retirés ont disparu</translation>
    </message>
    <message>
        <source>the report it put aside is gone</source>
        <translation>le rapport qu’elle a mis de côté a disparu</translation>
    </message>
    <message>
        <source>the report was changed since</source>
        <translation>le rapport a été modifié depuis</translation>
    </message>
    <message>
        <source>there is nothing to undo</source>
        <translation>il n’y a rien à annuler</translation>
    </message>
    <message>
        <source>there is nothing to redo</source>
        <translation>il n’y a rien à rétablir</translation>
    </message>
    <message numerus="yes">
        <source>the import of %n stretches</source>
        <comment>the import of %n stretch</comment>
        <translation>
            <numerusform>l’import de %n période</numerusform>
            <numerusform>l’import de %n périodes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Rien importé : %1</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, du %1 au %2</translation>
    </message>
    <message>
        <source>Projects:</source>
        <translation>Projets :</translation>
    </message>
    <message>
        <source>  (new: goes on the project list)</source>
        <translation>  (nouveau : ajouté à la liste des projets)</translation>
    </message>
    <message>
        <source>  (new, not on the project list)</source>
        <translation>  (nouveau, absent de la liste des projets)</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot; is written as &quot;%2&quot; (%3)</source>
        <translation>Le projet « %1 » est écrit « %2 » (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches were added to the report.</source>
        <comment>%n stretch was added to the report.</comment>
        <translation>
            <numerusform>%n période a été ajoutée au rapport.</numerusform>
            <numerusform>%n périodes ont été ajoutées au rapport.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches read</source>
        <comment>%n stretch read</comment>
        <translation>
            <numerusform>%n période lue</numerusform>
            <numerusform>%n périodes lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches to add</source>
        <comment>%n stretch to add</comment>
        <translation>
            <numerusform>%n période à ajouter</numerusform>
            <numerusform>%n périodes à ajouter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped (already in the report)</source>
        <comment>%n duplicate skipped (already in the report)</comment>
        <translation>
            <numerusform>%n doublon ignoré (déjà dans le rapport)</numerusform>
            <numerusform>%n doublons ignorés (déjà dans le rapport)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overlap stretches of the report</source>
        <comment>%n overlaps a stretch of the report</comment>
        <translation>
            <numerusform>%n chevauche des périodes du rapport</numerusform>
            <numerusform>%n chevauchent des périodes du rapport</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>and %n more</comment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes:</source>
        <comment>%n note:</comment>
        <translation>
            <numerusform>%n remarque :</numerusform>
            <numerusform>%n remarques :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be read:</source>
        <comment>%n item could not be read:</comment>
        <translation>
            <numerusform>%n élément n’a pas pu être lu :</numerusform>
            <numerusform>%n éléments n’ont pas pu être lus :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 in %2 format</source>
        <translation>%1 au format %2</translation>
    </message>
</context>
<context>
    <name>Mend</name>
    <message>
        <source>give the stretch&apos;s ID (as list prints it)</source>
        <translation>indiquez l’ID de la période (telle que list l’affiche)</translation>
    </message>
    <message>
        <source>the stretch was changed since it was read; list it again</source>
        <translation>la période a été modifiée depuis sa lecture ; listez-la à nouveau</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>« %1 » inattendu</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 on %2 is still to come</source>
        <translation>%1 le %2 est encore à venir</translation>
    </message>
    <message>
        <source>running: %1 since %2</source>
        <translation>en cours : %1 depuis %2</translation>
    </message>
    <message>
        <source>it would overlap%1
(--allow-overlap records it all the same)</source>
        <translation>cela chevaucherait :%1
(--allow-overlap l’enregistre quand même)</translation>
    </message>
    <message>
        <source>name a project</source>
        <translation>nommez un projet</translation>
    </message>
    <message>
        <source>no stretch has the id %1 (tallywright-ctl list shows them; an id names one stretch, and four of its characters at least are needed)</source>
        <translation>aucune période n’a l’ID %1 (tallywright-ctl list les affiche ; un ID désigne une seule période, et il en faut au moins quatre caractères)</translation>
    </message>
    <message>
        <source>give FROM TO PROJECT</source>
        <translation>indiquez DE À PROJET</translation>
    </message>
    <message>
        <source>%1 is not after %2</source>
        <translation>%1 n’est pas après %2</translation>
    </message>
    <message>
        <source>Would add: %1</source>
        <translation>Ajouterait : %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajouté : %1</translation>
    </message>
    <message>
        <source>say what changes: --from, --to, --project or --comment</source>
        <translation>dites ce qui change : --from, --to, --project ou --comment</translation>
    </message>
    <message>
        <source>its end %1 would not be after its start %2</source>
        <translation>sa fin %1 ne serait pas après son début %2</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Modifierait :</translation>
    </message>
    <message>
        <source>Changed:</source>
        <translation>Modifié :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>En :</translation>
    </message>
    <message>
        <source>Would delete: %1</source>
        <translation>Supprimerait : %1</translation>
    </message>
    <message>
        <source>Deleted: %1</source>
        <translation>Supprimé : %1</translation>
    </message>
    <message>
        <source>give the stretch&apos;s ID and the time to split it at</source>
        <translation>indiquez l’ID de la période et l’heure où la diviser</translation>
    </message>
    <message>
        <source>the stretch has no end to split it before</source>
        <translation>la période n’a pas de fin avant laquelle la diviser</translation>
    </message>
    <message>
        <source>%1 does not lie inside the stretch (%2)</source>
        <translation>%1 n’est pas à l’intérieur de la période (%2)</translation>
    </message>
    <message>
        <source>Would split: %1
at %2</source>
        <translation>Diviserait : %1
à %2</translation>
    </message>
    <message>
        <source>Split: %1
at %2</source>
        <translation>Divisé : %1
à %2</translation>
    </message>
    <message>
        <source>cannot undo %1: %2</source>
        <translation>impossible d’annuler %1 : %2</translation>
    </message>
    <message>
        <source>cannot redo %1: %2</source>
        <translation>impossible de rétablir %1 : %2</translation>
    </message>
    <message>
        <source>Would undo %1</source>
        <translation>Annulerait %1</translation>
    </message>
    <message>
        <source>Would redo %1</source>
        <translation>Rétablirait %1</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>-n takes a number of steps</source>
        <translation>-n prend un nombre d’étapes</translation>
    </message>
    <message>
        <source>(undone)</source>
        <translation>(annulé)</translation>
    </message>
    <message>
        <source>was:</source>
        <translation>avant :</translation>
    </message>
    <message>
        <source>now:</source>
        <translation>après :</translation>
    </message>
    <message>
        <source>unknown verb &quot;%1&quot;</source>
        <translation>verbe inconnu « %1 »</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>l’enregistrement n’a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 refusé : %2</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>No amount was given.</source>
        <translation>Aucun montant n’a été indiqué.</translation>
    </message>
    <message>
        <source>An amount cannot be negative.</source>
        <translation>Un montant ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>The amount %1 is too large (at most %2).</source>
        <translation>Le montant %1 est trop élevé (au plus %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250.</source>
        <translation>« %1 » n’est pas un montant : écrivez-le comme 85 ou 85%250.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250, without thousands separators.</source>
        <translation>« %1 » n’est pas un montant : écrivez-le comme 85 ou 85%250, sans séparateur de milliers.</translation>
    </message>
    <message>
        <source>An amount has at most two decimals: %1.</source>
        <translation>Un montant a au plus deux décimales : %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>the desktop&apos;s notification service</source>
        <translation>le service de notifications du bureau</translation>
    </message>
    <message>
        <source>a balloon of the notification icon</source>
        <translation>une bulle de l’icône de notification</translation>
    </message>
    <message>
        <source>The minutes without input must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Les minutes sans saisie doivent être un nombre entier de 0 à %1 (0 désactive).</translation>
    </message>
    <message>
        <source>The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Les heures avant un rappel doivent être un nombre entier de 0 à %1 (0 désactive).</translation>
    </message>
</context>
<context>
    <name>ProjectList</name>
    <message>
        <source>A project name cannot contain a comma: the report keeps its fields apart by commas.

Please change line %1:
%2</source>
        <translation>Un nom de projet ne peut pas contenir de virgule : le rapport sépare ses champs par des virgules.

Veuillez modifier la ligne %1 :
%2</translation>
    </message>
    <message>
        <source>The project list was changed on two machines at the same time. Both changes are kept in one list</source>
        <translation>La liste des projets a été modifiée sur deux machines en même temps. Les deux modifications sont conservées dans une seule liste</translation>
    </message>
    <message>
        <source>; added: %1</source>
        <translation> ; ajoutés : %1</translation>
    </message>
    <message>
        <source>; removed: %1</source>
        <translation> ; retirés : %1</translation>
    </message>
    <message>
        <source>.

The sync service&apos;s copy, %1, has been merged and removed.</source>
        <translation>.

La copie du service de synchronisation, %1, a été fusionnée puis supprimée.</translation>
    </message>
</context>
<context>
    <name>ProjectTerms</name>
    <message>
        <source>Name the project these settings are for.</source>
        <translation>Indiquez le projet auquel s’appliquent ces réglages.</translation>
    </message>
    <message>
        <source>A project&apos;s name cannot hold a comma, a tab or a line end.</source>
        <translation>Un nom de projet ne peut contenir ni virgule, ni tabulation, ni fin de ligne.</translation>
    </message>
    <message>
        <source>A rate&apos;s first day is written like 2026-01-31.</source>
        <translation>Le premier jour d’un tarif s’écrit comme 2026-01-31.</translation>
    </message>
    <message>
        <source>The rate from %1: %2</source>
        <translation>Le tarif à partir du %1 : %2</translation>
    </message>
    <message>
        <source>Two rates take effect on %1: keep one.</source>
        <translation>Deux tarifs prennent effet le %1 : gardez-en un.</translation>
    </message>
    <message>
        <source>The budget&apos;s hours: %1</source>
        <translation>Les heures du budget : %1</translation>
    </message>
    <message>
        <source>The budget&apos;s amount: %1</source>
        <translation>Le montant du budget : %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Total Time:</source>
        <translation>Temps total :</translation>
    </message>
    <message>
        <source>%1, edited on %2</source>
        <translation>%1, modifié sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <comment>%n hour</comment>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation>%1, %2 à %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Start of Project</source>
        <translation>Début du projet</translation>
    </message>
    <message>
        <source>End of Project</source>
        <translation>Fin du projet</translation>
    </message>
    <message>
        <source>Project Time</source>
        <translation>Durée du projet</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Report...   Date being displayed: %1 %2</source>
        <translation>Rapport...   Date affichée : %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportMenu</name>
    <message>
        <source>Are you sure you want to delete the report file?</source>
        <translation>Voulez-vous vraiment supprimer le fichier de rapport ?</translation>
    </message>
    <message>
        <source>Delete Reports</source>
        <translation>Supprimer les rapports</translation>
    </message>
    <message>
        <source>Your Report File has been deleted.</source>
        <translation>Votre fichier de rapport a été supprimé.</translation>
    </message>
    <message>
        <source>Report File Deleted</source>
        <translation>Fichier de rapport supprimé</translation>
    </message>
    <message>
        <source>Restoring the report will delete any changes you&apos;ve made in Tallywright since the last time you exited the application. Are you sure you want to do this?</source>
        <translation>Restaurer le rapport supprimera toutes les modifications faites dans Tallywright depuis la dernière fois que vous avez quitté l’application. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Restaurer le rapport</translation>
    </message>
    <message>
        <source>There is no backup of the report to restore. The report file has not been changed.</source>
        <translation>Il n’existe aucune sauvegarde du rapport à restaurer. Le fichier de rapport n’a pas été modifié.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>The report holds lines in another form</source>
        <translation>Le rapport contient des lignes d’une autre forme</translation>
    </message>
    <message>
        <source>Another copy is tracking in this folder</source>
        <translation>Une autre copie suit le temps dans ce dossier</translation>
    </message>
    <message>
        <source>Saving Changes...</source>
        <translation>Enregistrement des modifications...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The report could not be read: %1.</source>
        <translation>Le rapport n’a pas pu être lu : %1.</translation>
    </message>
    <message>
        <source>There is no report yet.</source>
        <translation>Il n’y a pas encore de rapport.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>:  %1 (%2 hours) in %3</source>
        <translation> :  %1 (%2 heures) en %3</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches</source>
        <comment>%n stretch</comment>
        <translation>
            <numerusform>%n période</numerusform>
            <numerusform>%n périodes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the report are not records and were skipped.</source>
        <comment>%n line of the report is not a record and was skipped.</comment>
        <translation>
            <numerusform>%n ligne du rapport n’est pas un enregistrement et a été ignorée.</numerusform>
            <numerusform>%n lignes du rapport ne sont pas des enregistrements et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>%1 (left out).</source>
        <translation>%1 (ignoré).</translation>
    </message>
    <message>
        <source>The rates could not be read: %1.</source>
        <translation>Les tarifs n’ont pas pu être lus : %1.</translation>
    </message>
    <message>
        <source>The setting %1</source>
        <translation>Le réglage %1</translation>
    </message>
    <message>
        <source>No hourly rates are set: Report &gt; Rates... sets a project&apos;s rate, and whether it is billable.</source>
        <translation>Aucun tarif horaire n’est défini : Rapport &gt; Tarifs... définit le tarif d’un projet et s’il est facturable.</translation>
    </message>
    <message>
        <source>%1 (%2 hours)</source>
        <translation>%1 (%2 heures)</translation>
    </message>
    <message>
        <source>Billable: %1, %2.</source>
        <translation>Facturable : %1, %2.</translation>
    </message>
    <message>
        <source>Not billable: %1, worth %2 at its rates.</source>
        <translation>Non facturable : %1, d’une valeur de %2 à ses tarifs.</translation>
    </message>
    <message>
        <source>No working-time target is set: Option &gt; Preferences... sets one.</source>
        <translation>Aucun objectif de temps de travail n’est défini : Option &gt; Préférences... en définit un.</translation>
    </message>
    <message>
        <source>Balance: today %1, this week %2, this month %3</source>
        <translation>Solde : aujourd’hui %1, cette semaine %2, ce mois-ci %3</translation>
    </message>
    <message>
        <source>, since %1 %2</source>
        <translation>, depuis le %1 %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>This stretch has been changed since the timeline showed it, so your change was not saved. The timeline is shown again as the report now stands.</source>
        <translation>Cette période a été modifiée depuis que la chronologie l’a affichée ; votre modification n’a donc pas été enregistrée. La chronologie est réaffichée selon le rapport actuel.</translation>
    </message>
    <message>
        <source>%1 (running)</source>
        <translation>%1 (en cours)</translation>
    </message>
    <message>
        <source>This would overlap %1. Change it anyway?</source>
        <translation>Cela chevaucherait %1. Modifier quand même ?</translation>
    </message>
    <message>
        <source>This would overlap %1 and %2. Change it anyway?</source>
        <translation>Cela chevaucherait %1 et %2. Modifier quand même ?</translation>
    </message>
    <message>
        <source>The report could not be changed: %1</source>
        <translation>Le rapport n’a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>Choose or type the stretch&apos;s project.</source>
        <translation>Choisissez ou saisissez le projet de la période.</translation>
    </message>
    <message>
        <source>The stretch could not be added to the report: %1</source>
        <translation>La période n’a pas pu être ajoutée au rapport : %1</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>Le rapport n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>The running stretch&apos;s start could not be moved.</source>
        <translation>Le début de la période en cours n’a pas pu être déplacé.</translation>
    </message>
    <message>
        <source>A stretch cannot end before it starts.</source>
        <translation>Une période ne peut pas finir avant de commencer.</translation>
    </message>
    <message>
        <source>The running stretch cannot be deleted while it runs. End it with EndProject first.</source>
        <translation>La période en cours ne peut pas être supprimée tant qu’elle dure. Terminez-la d’abord avec Terminer le projet.</translation>
    </message>
    <message>
        <source>The running stretch cannot start after now.</source>
        <translation>La période en cours ne peut pas commencer après maintenant.</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start can be moved.</source>
        <translation>La période en cours se termine quand vous appuyez sur Terminer le projet : seul son début peut être déplacé.</translation>
    </message>
    <message>
        <source>%1 to midnight</source>
        <translation>%1 à minuit</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 to now</source>
        <translation>%1 à maintenant</translation>
    </message>
    <message>
        <source>%1, no end</source>
        <translation>%1, sans fin</translation>
    </message>
    <message>
        <source>Free, %1</source>
        <translation>Libre, %1</translation>
    </message>
    <message>
        <source>, running</source>
        <translation>, en cours</translation>
    </message>
    <message>
        <source>, on %1</source>
        <translation>, sur %1</translation>
    </message>
    <message>
        <source>, overlaps another stretch</source>
        <translation>, chevauche une autre période</translation>
    </message>
    <message>
        <source> (%1, running)</source>
        <translation> (%1, en cours)</translation>
    </message>
    <message>
        <source>Recorded on %1</source>
        <translation>Enregistré sur %1</translation>
    </message>
    <message>
        <source>, edited on %1</source>
        <translation>, modifié sur %1</translation>
    </message>
    <message>
        <source>Overlaps another stretch</source>
        <translation>Chevauche une autre période</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 in %n stretches</source>
        <comment>%1: %2 in %n stretch</comment>
        <translation>
            <numerusform>%1 : %2 en %n période</numerusform>
            <numerusform>%1 : %2 en %n périodes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This would overlap %1 and %n other stretches. Change it anyway?</source>
        <comment>This would overlap %1 and %n other stretch. Change it anyway?</comment>
        <translation>
            <numerusform>Cela chevaucherait %1 et %n autre période. Modifier quand même ?</numerusform>
            <numerusform>Cela chevaucherait %1 et %n autres périodes. Modifier quand même ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a day of %n hours</source>
        <comment>, a day of %n hour</comment>
        <translation>
            <numerusform>, une journée de %n heure</numerusform>
            <numerusform>, une journée de %n heures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.</source>
        <translation>Haut et Bas vont d’élément en élément, Gauche et Droite à la même heure du jour suivant ou précédent, Tab de période en période. Entrée modifie une période ou en ajoute une dans le temps libre, Inser ajoute, Suppr supprime. Alt+Haut et Alt+Bas déplacent le début, Alt+Maj+Haut et Alt+Maj+Bas la fin, Alt+Gauche et Alt+Droite toute la période, Alt+Page préc. et Alt+Page suiv. d’un jour ; Entrée enregistre un tel changement, Échap l’abandonne.</translation>
    </message>
    <message>
        <source>Free time: Enter or Insert adds a stretch here</source>
        <translation>Temps libre : Entrée ou Inser ajoute ici une période</translation>
    </message>
    <message>
        <source>Edit the stretch</source>
        <translation>Modifier la période</translation>
    </message>
    <message>
        <source>Add a stretch in this free time</source>
        <translation>Ajouter une période dans ce temps libre</translation>
    </message>
    <message>
        <source>Delete the stretch</source>
        <translation>Supprimer la période</translation>
    </message>
    <message>
        <source>Select it</source>
        <translation>Le sélectionner</translation>
    </message>
    <message>
        <source>Show its menu</source>
        <translation>Afficher son menu</translation>
    </message>
</context>
<context>
    <name>Tracker</name>
    <message>
        <source>Also running on %1: %2 since %3</source>
        <translation>Aussi en cours sur %1 : %2 depuis %3</translation>
    </message>
    <message>
        <source>The running stretch could not be saved: %1</source>
        <translation>La période en cours n’a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>The stretch is recorded in the report, but %1 could not be removed: %2. The next start will not offer it again.</source>
        <translation>La période est enregistrée dans le rapport, mais %1 n’a pas pu être supprimé : %2. Le prochain démarrage ne la proposera plus.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered back. It is left as it is.</source>
        <translation>%1 (%2 octets) est plus grand que toute période en cours que %3 enregistre ; il n’est donc pas proposé. Il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Recorded %1 from %2 to %3</source>
        <translation>%1 enregistré de %2 à %3</translation>
    </message>
    <message>
        <source>, ended when you left; the time away since is not counted</source>
        <translation>, terminé à votre départ ; le temps d’absence depuis n’est pas compté</translation>
    </message>
    <message>
        <source>There was an error writing to the report</source>
        <translation>Une erreur s’est produite lors de l’écriture dans le rapport</translation>
    </message>
    <message>
        <source>The stretch of %1 started %2 was still running when %3 last ended, at about %4.</source>
        <translation>La période de %1 commencée le %2 était encore en cours quand %3 s’est arrêté la dernière fois, vers %4.</translation>
    </message>
    <message>
        <source>&amp;Keep Running</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <source>&amp;End Then</source>
        <translation>&amp;Terminer à ce moment</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>A stretch of %1 was kept as running when %2 last ended, but %3. Keep Running puts it into the window as found, to put right there; Discard removes it.</source>
        <translation>Une période de %1 a été gardée en cours quand %2 s’est arrêté la dernière fois, mais %3. Continuer la place telle quelle dans la fenêtre, pour la corriger ; Abandonner la supprime.</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while tracking %4.</source>
        <translation>Vous étiez absent de %1 à %2 (%3) pendant le suivi de %4.</translation>
    </message>
    <message>
        <source>&amp;Keep Time</source>
        <translation>&amp;Garder le temps</translation>
    </message>
    <message>
        <source>End Then and &amp;Restart</source>
        <translation>Terminer et &amp;redémarrer</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 à %3</translation>
    </message>
    <message>
        <source>A start at %1 would overlap what is recorded: %2</source>
        <translation>Un début à %1 chevaucherait ce qui est enregistré : %2</translation>
    </message>
    <message>
        <source>A project name must be UTF-8 text</source>
        <translation>Un nom de projet doit être du texte UTF-8</translation>
    </message>
    <message>
        <source>A project name cannot hold a comma: &quot;%1&quot;</source>
        <translation>Un nom de projet ne peut pas contenir de virgule : « %1 »</translation>
    </message>
    <message>
        <source>A project name cannot hold a line break or another control character</source>
        <translation>Un nom de projet ne peut contenir ni saut de ligne ni autre caractère de contrôle</translation>
    </message>
    <message>
        <source>A project name is at most %1 bytes long; this one has %2</source>
        <translation>Un nom de projet fait au plus %1 octets ; celui-ci en a %2</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text</source>
        <translation>Un commentaire doit être du texte UTF-8</translation>
    </message>
    <message>
        <source>A comment cannot hold a control character other than a line break</source>
        <translation>Un commentaire ne peut contenir aucun caractère de contrôle autre qu’un saut de ligne</translation>
    </message>
    <message>
        <source>A comment is at most %1 bytes long; this one has %2</source>
        <translation>Un commentaire fait au plus %1 octets ; celui-ci en a %2</translation>
    </message>
    <message>
        <source>Would record %1 from %2 to %3</source>
        <translation>Enregistrerait %1 de %2 à %3</translation>
    </message>
    <message>
        <source>Tallywright is waiting for an answer in one of its windows</source>
        <translation>Tallywright attend une réponse dans l’une de ses fenêtres</translation>
    </message>
    <message>
        <source>The data folder cannot be used: %1</source>
        <translation>Le dossier de données ne peut pas être utilisé : %1</translation>
    </message>
    <message>
        <source>Tallywright has just started on this data folder; try again</source>
        <translation>Tallywright vient de démarrer sur ce dossier de données ; réessayez</translation>
    </message>
    <message>
        <source>%1 is still to come</source>
        <translation>%1 est encore à venir</translation>
    </message>
    <message>
        <source>%1 is not after the start of the running stretch, %2</source>
        <translation>%1 n’est pas après le début de la période en cours, %2</translation>
    </message>
    <message>
        <source>The stretch could not be recorded in the report</source>
        <translation>La période n’a pas pu être enregistrée dans le rapport</translation>
    </message>
    <message>
        <source>No project is chosen: name the project to start</source>
        <translation>Aucun projet n’est choisi : nommez le projet à démarrer</translation>
    </message>
    <message>
        <source>Would change nothing: %1 is running</source>
        <translation>Ne changerait rien : %1 est en cours</translation>
    </message>
    <message>
        <source>The running stretch could not be recorded</source>
        <translation>La période en cours n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>Would start %1 at %2</source>
        <translation>Démarrerait %1 à %2</translation>
    </message>
    <message>
        <source>The stretch could not be started</source>
        <translation>La période n’a pas pu être démarrée</translation>
    </message>
    <message>
        <source>No stretch is running</source>
        <translation>Aucune période n’est en cours</translation>
    </message>
    <message>
        <source>%1 is running since %2; stop it first</source>
        <translation>%1 est en cours depuis %2 ; arrêtez-le d’abord</translation>
    </message>
    <message>
        <source>No stretch ended in the last year to continue</source>
        <translation>Aucune période terminée depuis un an à reprendre</translation>
    </message>
    <message>
        <source>%1 is before the end of the last stretch, %2</source>
        <translation>%1 est avant la fin de la dernière période, %2</translation>
    </message>
    <message>
        <source>Would discard %1 started %2</source>
        <translation>Abandonnerait %1 démarré %2</translation>
    </message>
    <message>
        <source>Discarded %1 started %2</source>
        <translation>%1 démarré %2 abandonné</translation>
    </message>
    <message>
        <source>%1; to start it again: %2</source>
        <translation>%1 ; pour le redémarrer : %2</translation>
    </message>
    <message>
        <source>Would set the comment of %1 started %2 to: %3</source>
        <translation>Définirait le commentaire de %1 démarré %2 à : %3</translation>
    </message>
</context>
<context>
    <name>WorkPreferences</name>
    <message>
        <source>Write each weekday&apos;s target hours in its own box, like 8, 7.5 or 7:30.</source>
        <translation>Écrivez les heures visées de chaque jour de la semaine dans sa propre case, comme 8, 7.5 ou 7:30.</translation>
    </message>
    <message>
        <source>The target hours: %1</source>
        <translation>Les heures visées : %1</translation>
    </message>
    <message>
        <source>The days off: %1</source>
        <translation>Les jours de congé : %1</translation>
    </message>
    <message>
        <source>The balance is counted since a day written like 2026-01-01.</source>
        <translation>Le solde se compte depuis un jour écrit comme 2026-01-01.</translation>
    </message>
</context>
<context>
    <name>tw::DesktopNotifications</name>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
</context>
<context>
    <name>tw::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Type the first few letters of the word you&apos;re looking for:</source>
        <translation>Tapez les premières lettres du mot recherché :</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots clés</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
    </message>
    <message>
        <source>The help file cannot be opened</source>
        <translation>Le fichier d’aide ne peut pas être ouvert</translation>
    </message>
</context>
<context>
    <name>tw::SummaryChart</name>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>No time recorded in this period</source>
        <translation>Aucun temps enregistré sur cette période</translation>
    </message>
</context>
<context>
    <name>tw::TimelineView</name>
    <message>
        <source>on %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Start %1, end %2: it would end before it starts</source>
        <translation>Début %1, fin %2 : elle finirait avant de commencer</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>minuit</translation>
    </message>
    <message>
        <source>Start %1, end %2, length %3</source>
        <translation>Début %1, fin %2, durée %3</translation>
    </message>
    <message>
        <source> (Enter saves, Escape leaves it)</source>
        <translation> (Entrée enregistre, Échap abandonne)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Add Stretch...</source>
        <translation>&amp;Ajouter une période...</translation>
    </message>
    <message>
        <source>Drag or double-click to add a stretch</source>
        <translation>Faites glisser ou double-cliquez pour ajouter une période</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start moves.</source>
        <translation>La période en cours se termine quand vous appuyez sur Terminer le projet : seul son début se déplace.</translation>
    </message>
</context>
<context>
    <name>tw::UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>l’enregistrement n’a pas pu être modifié : %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n’y a rien à annuler.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n’y a rien à rétablir.</translation>
    </message>
    <message>
        <source>Cannot undo %1: %2.</source>
        <translation>Impossible d’annuler %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot redo %1: %2.</source>
        <translation>Impossible de rétablir %1 : %2.</translation>
    </message>
</context>
<context>
    <name>tw::WorkTargetGroup</name>
    <message>
        <source>Working-time target</source>
        <translation>Objectif de temps de travail</translation>
    </message>
    <message>
        <source>&amp;Target hours on each weekday (empty: none):</source>
        <translation>&amp;Objectif d’heures par jour de semaine (vide : aucun) :</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>Hours as 8, 7.5 or 7:30</source>
        <translation>Heures comme 8, 7.5 ou 7:30</translation>
    </message>
    <message>
        <source>Target hours on %1</source>
        <translation>Heures visées le %1</translation>
    </message>
    <message>
        <source>Days o&amp;ff:</source>
        <translation>&amp;Jours de congé :</translation>
    </message>
    <message>
        <source>Days whose target counts as met; a stretch tagged #off marks one too</source>
        <translation>Jours dont l’objectif compte comme atteint ; une période étiquetée #off en marque un aussi</translation>
    </message>
    <message>
        <source>Balance s&amp;ince:</source>
        <translation>&amp;Solde depuis :</translation>
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
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>tw::frmImport</name>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Fichier :</translation>
    </message>
    <message>
        <source>Choose Fi&amp;le...</source>
        <translation>Choisir un fic&amp;hier...</translation>
    </message>
    <message>
        <source>Choose a file to import</source>
        <translation>Choisir un fichier à importer</translation>
    </message>
    <message>
        <source>Choose F&amp;older...</source>
        <translation>Choisir un d&amp;ossier...</translation>
    </message>
    <message>
        <source>Choose a Timewarrior data folder</source>
        <translation>Choisir un dossier de données Timewarrior</translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation>Fo&amp;rmat :</translation>
    </message>
    <message>
        <source>Recognise it</source>
        <translation>Le reconnaître</translation>
    </message>
    <message>
        <source>&amp;Add new projects to the project list</source>
        <translation>&amp;Ajouter les nouveaux projets à la liste des projets</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>Ce que ferait l’importation</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Lecture du fichier</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Add the stretches to the report</source>
        <translation>Ajouter les périodes au rapport</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Write nothing</source>
        <translation>Ne rien écrire</translation>
    </message>
    <message>
        <source>Import a Timewarrior Data Folder</source>
        <translation>Importer un dossier de données Timewarrior</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Lecture...</translation>
    </message>
</context>
<context>
    <name>tw::frmMachineName</name>
    <message>
        <source>This Machine</source>
        <translation>Cette machine</translation>
    </message>
    <message>
        <source>The data folder %1 is shared with other machines. Each machine keeps its records there under a name of its own.</source>
        <translation>Le dossier de données %1 est partagé avec d’autres machines. Chaque machine y garde ses enregistrements sous un nom qui lui est propre.</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name:</source>
        <translation>&amp;Nom de cette machine :</translation>
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
        <translation>Démarrer le projet</translation>
    </message>
    <message>
        <source>Start tracking your project</source>
        <translation>Commencer le suivi de votre projet</translation>
    </message>
    <message>
        <source>EndProject</source>
        <translation>Terminer le projet</translation>
    </message>
    <message>
        <source>End the tracking of your project</source>
        <translation>Terminer le suivi de votre projet</translation>
    </message>
    <message>
        <source>Comments about your project</source>
        <translation>Commentaires sur votre projet</translation>
    </message>
    <message>
        <source>Update Projects</source>
        <translation>Mettre à jour les projets</translation>
    </message>
    <message>
        <source>Update/Add to your project list</source>
        <translation>Modifier ou compléter votre liste de projets</translation>
    </message>
    <message>
        <source>Your Project List:</source>
        <translation>Votre liste de projets :</translation>
    </message>
    <message>
        <source>Comment about Project:</source>
        <translation>Commentaire sur le projet :</translation>
    </message>
    <message>
        <source>Time on project:</source>
        <translation>Temps sur le projet :</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Time on project</source>
        <translation>Temps sur le projet</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Option</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d’état</translation>
    </message>
    <message>
        <source>&amp;Center App</source>
        <translation>&amp;Centrer l’application</translation>
    </message>
    <message>
        <source>Clear &amp;Screen</source>
        <translation>&amp;Effacer l’écran</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <source>&amp;View Report</source>
        <translation>&amp;Voir le rapport</translation>
    </message>
    <message>
        <source>&amp;Clear Report</source>
        <translation>&amp;Effacer le rapport</translation>
    </message>
    <message>
        <source>&amp;Restore Report</source>
        <translation>&amp;Restaurer le rapport</translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation>&amp;Synthèse...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Rechercher de l’aide sur...</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;À propos de </translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>The pasted text was cut to %1 of its %2 characters: a comment holds %3</source>
        <translation>Le texte collé a été coupé à %1 de ses %2 caractères : un commentaire en contient %3</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>&amp;Chronologie...</translation>
    </message>
    <message>
        <source>R&amp;ates...</source>
        <translation>&amp;Tarifs...</translation>
    </message>
</context>
<context>
    <name>tw::frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>&amp;Minutes without input that count as time away (0: off):</source>
        <translation>&amp;Minutes sans saisie comptées comme absence (0 : désactivé) :</translation>
    </message>
    <message>
        <source>&amp;Hours a stretch runs before a reminder (0: off):</source>
        <translation>&amp;Heures de période avant un rappel (0 : désactivé) :</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>Dossier de &amp;données :</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir...</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Choisir le dossier de données</translation>
    </message>
    <message>
        <source>This folder is &amp;shared with other machines</source>
        <translation>Ce dossier est &amp;partagé avec d’autres machines</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name there:</source>
        <translation>&amp;Nom de cette machine dans ce dossier :</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Dossier de données</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This machine keeps its records in the shared folder under this name, which other machines&apos; edits name, so it cannot change.</source>
        <translation>Cette machine garde ses enregistrements dans le dossier partagé sous ce nom, que citent les modifications des autres machines ; il ne peut donc pas changer.</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectList</name>
    <message>
        <source>Project List</source>
        <translation>Liste des projets</translation>
    </message>
    <message>
        <source>Add or delete projects in the text box below. Hit &lt;enter&gt; at the end of each project.</source>
        <translation>Ajoutez ou supprimez des projets dans la zone de texte ci-dessous. Appuyez sur &lt;Entrée&gt; à la fin de chaque projet.</translation>
    </message>
    <message>
        <source>Projects, one per line</source>
        <translation>Projets, un par ligne</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save your project list</source>
        <translation>Enregistrer votre liste de projets</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Project Se&amp;ttings...</source>
        <translation>&amp;Réglages du projet...</translation>
    </message>
    <message>
        <source>The rates, budgets and billing of the project on the cursor&apos;s line</source>
        <translation>Les tarifs, budgets et la facturation du projet de la ligne du curseur</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectSettings</name>
    <message>
        <source>Project Settings</source>
        <translation>Réglages du projet</translation>
    </message>
    <message>
        <source>The rates could not be read: %1. What you save is added to them.</source>
        <translation>Les tarifs n’ont pas pu être lus : %1. Ce que vous enregistrez y est ajouté.</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projet :</translation>
    </message>
    <message>
        <source>&amp;Billable: its work is charged for</source>
        <translation>&amp;Facturable : son travail est facturé</translation>
    </message>
    <message>
        <source>Hourly &amp;rates, each from the day it takes effect:</source>
        <translation>&amp;Tarifs horaires, chacun à partir du jour où il s’applique :</translation>
    </message>
    <message>
        <source>From (YYYY-MM-DD)</source>
        <translation>À partir du (AAAA-MM-JJ)</translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation>Par heure</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>&amp;Ajouter un tarif</translation>
    </message>
    <message>
        <source>A new rate from today</source>
        <translation>Un nouveau tarif à partir d’aujourd’hui</translation>
    </message>
    <message>
        <source>Re&amp;move Rate</source>
        <translation>&amp;Retirer le tarif</translation>
    </message>
    <message>
        <source>Take the chosen rate back</source>
        <translation>Retirer le tarif choisi</translation>
    </message>
    <message>
        <source>Budget (empty: none):</source>
        <translation>Budget (vide : aucun) :</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>In &amp;all:</source>
        <translation>Au &amp;total :</translation>
    </message>
    <message>
        <source>Each mon&amp;th:</source>
        <translation>Chaque &amp;mois :</translation>
    </message>
    <message>
        <source>&amp;Currency of every project:</source>
        <translation>&amp;Devise de tous les projets :</translation>
    </message>
    <message>
        <source>A code like EUR, or a short text of up to 8 characters</source>
        <translation>Un code comme EUR, ou un texte court de 8 caractères au plus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save the changes to %1&apos;s settings?</source>
        <translation>Enregistrer les modifications des réglages de %1 ?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>Les réglages n’ont pas pu être enregistrés : %1.</translation>
    </message>
</context>
<context>
    <name>tw::frmReport</name>
    <message>
        <source>View Previous Day</source>
        <translation>Voir le jour précédent</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>View Today</source>
        <translation>Voir aujourd’hui</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>View Next Day</source>
        <translation>Voir le jour suivant</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>&amp;Modifier l’entrée...</translation>
    </message>
    <message>
        <source>Edit the chosen entry</source>
        <translation>Modifier l’entrée choisie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Entrées du jour</translation>
    </message>
    <message>
        <source>Enter or a double click opens an entry in the editor</source>
        <translation>Entrée ou un double-clic ouvre une entrée dans l’éditeur</translation>
    </message>
    <message>
        <source>Total time, %1</source>
        <translation>Temps total, %1</translation>
    </message>
</context>
<context>
    <name>tw::frmReportEdit</name>
    <message>
        <source>Report Edit</source>
        <translation>Modification du rapport</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Project Start Time</source>
        <translation>Heure de début du projet</translation>
    </message>
    <message>
        <source>Project End Time</source>
        <translation>Heure de fin du projet</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>tw::frmSplash</name>
    <message>
        <source>95/98/NT Platform</source>
        <translation>Plateforme 95/98/NT</translation>
    </message>
    <message>
        <source>Track your projects and keep your projects on track.</source>
        <translation>Suivez vos projets et gardez-les sur la bonne voie.</translation>
    </message>
</context>
<context>
    <name>tw::frmSummary</name>
    <message>
        <source>CSV, per project</source>
        <translation>CSV, par projet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV, per day</source>
        <translation>CSV, par jour</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Semaine dernière</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutes</translation>
    </message>
    <message>
        <source>6 minutes</source>
        <translation>6 minutes</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutes</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutes</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Synthèse</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Du :</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Au :</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Show the period before this one</source>
        <translation>Afficher la période précédente</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Show the period after this one</source>
        <translation>Afficher la période suivante</translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation>Arrondi :</translation>
    </message>
    <message>
        <source>Round each stretch to the nearest multiple, halves up, before adding</source>
        <translation>Arrondir chaque période au multiple le plus proche, moitiés vers le haut, avant d’additionner</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Stretches</source>
        <translation>Périodes</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Totaux par projet</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Double-click a day to open its daily report</source>
        <translation>Double-cliquez sur un jour pour ouvrir son rapport quotidien</translation>
    </message>
    <message>
        <source>Totals per day</source>
        <translation>Totaux par jour</translation>
    </message>
    <message>
        <source>Enter or a double click opens the day&apos;s report</source>
        <translation>Entrée ou un double-clic ouvre le rapport du jour</translation>
    </message>
    <message>
        <source>Double-click a day&apos;s bar to open its daily report</source>
        <translation>Double-cliquez sur la barre d’un jour pour ouvrir son rapport quotidien</translation>
    </message>
    <message>
        <source>Chart of the period</source>
        <translation>Graphique de la période</translation>
    </message>
    <message>
        <source>The same totals as the tables Totals per project and Totals per day</source>
        <translation>Les mêmes totaux que les tableaux Totaux par projet et Totaux par jour</translation>
    </message>
    <message>
        <source>Export:</source>
        <translation>Exporter :</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Copy the period to the clipboard in the chosen form</source>
        <translation>Copier la période dans le presse-papiers au format choisi</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Save the period to a file in the chosen form</source>
        <translation>Enregistrer la période dans un fichier au format choisi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Exporter la synthèse</translation>
    </message>
    <message>
        <source>The summary could not be saved in %1: %2</source>
        <translation>La synthèse n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>CSV, per tag</source>
        <translation>CSV, par étiquette</translation>
    </message>
    <message>
        <source>Invoice lines (CSV)</source>
        <translation>Lignes de facture (CSV)</translation>
    </message>
    <message>
        <source>What is billed; for work not billable alone, in brackets, what it is worth at its rates</source>
        <translation>Ce qui est facturé ; pour un travail seulement non facturable, entre parenthèses, ce qu’il vaut à ses tarifs</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>A stretch counts under each of its tags (#words of its comment)</source>
        <translation>Une période compte sous chacune de ses étiquettes (#mots de son commentaire)</translation>
    </message>
    <message>
        <source>Totals per tag</source>
        <translation>Totaux par étiquette</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Each project&apos;s budget (Report &gt; Rates... sets them): its whole life, or the month</source>
        <translation>Le budget de chaque projet (Rapport &gt; Tarifs... les définit) : sur toute sa durée, ou pour le mois</translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation>Budgets</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;jet :</translation>
    </message>
    <message>
        <source>Only the stretches of one project</source>
        <translation>Seulement les périodes d’un projet</translation>
    </message>
    <message>
        <source>Only ta&amp;gged:</source>
        <translation>Seulement avec l’éti&amp;quette :</translation>
    </message>
    <message>
        <source>Only the stretches holding every tag ticked</source>
        <translation>Seulement les périodes portant toutes les étiquettes cochées</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>Montant (%1)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Tous les projets</translation>
    </message>
    <message>
        <source>Only tagged</source>
        <translation>Seulement avec l’étiquette</translation>
    </message>
</context>
<context>
    <name>tw::frmTimeline</name>
    <message>
        <source>Drag a stretch to move it, an edge to change its start or end, free time to add one (Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.</source>
        <translation>Faites glisser une période pour la déplacer, un bord pour changer son début ou sa fin, du temps libre pour en ajouter une (Maj cale sur 5 minutes, Ctrl sur 15). Alt+flèches modifient la période choisie ; Entrée enregistre.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Show the day or week before</source>
        <translation>Afficher le jour ou la semaine précédente</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd’hui</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Afficher aujourd’hui</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Show the day or week after</source>
        <translation>Afficher le jour ou la semaine suivante</translation>
    </message>
    <message>
        <source>The day shown, or a day of the week shown</source>
        <translation>Le jour affiché, ou un jour de la semaine affichée</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>The step a dragged or moved time keeps to</source>
        <translation>Le pas que suit une heure glissée ou déplacée</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Ajouter...</translation>
    </message>
    <message>
        <source>Add a stretch in the selected free time</source>
        <translation>Ajouter une période dans le temps libre choisi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Affichage :</translation>
    </message>
    <message>
        <source>&amp;Snap:</source>
        <translation>&amp;Pas :</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>Le rapport n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>Week: %1</source>
        <translation>Semaine : %1</translation>
    </message>
    <message>
        <source>Day: %1</source>
        <translation>Jour : %1</translation>
    </message>
    <message>
        <source>The week&apos;s total, as tallywright-report --week gives it</source>
        <translation>Le total de la semaine, tel que le donne tallywright-report --week</translation>
    </message>
    <message>
        <source>The day&apos;s total, as the daily report gives it</source>
        <translation>Le total du jour, tel que le donne le rapport quotidien</translation>
    </message>
    <message>
        <source>Week of %1 to %2, %3 recorded</source>
        <translation>Semaine du %1 au %2, %3 enregistré</translation>
    </message>
    <message>
        <source>%1, %2 recorded</source>
        <translation>%1, %2 enregistré</translation>
    </message>
    <message>
        <source>Delete this stretch?

%1</source>
        <translation>Supprimer cette période ?

%1</translation>
    </message>
    <message>
        <source>Delete Stretch</source>
        <translation>Supprimer la période</translation>
    </message>
    <message>
        <source>The running stretch is changed in the main window. Here its start can be dragged, or moved with Alt+Up and Alt+Down and saved with Enter.</source>
        <translation>La période en cours se modifie dans la fenêtre principale. Ici, son début peut être glissé, ou déplacé avec Alt+Haut et Alt+Bas et enregistré avec Entrée.</translation>
    </message>
</context>
<context>
    <name>tw::frmTimelineAdd</name>
    <message>
        <source>Add Stretch</source>
        <translation>Ajouter une période</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Projet</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>Heure de &amp;début</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>Heure de &amp;fin</translation>
    </message>
    <message>
        <source>C&amp;omment</source>
        <translation>C&amp;ommentaire</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add the stretch to the report</source>
        <translation>Ajouter la période au rapport</translation>
    </message>
</context>
</TS>
