<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillfen.
Free to use and to share.</source>
        <translation>Copyright © 2026 Quillfen.
Libre para usar y compartir.</translation>
    </message>
    <message>
        <source>Tallywright is provided as it is, without warranty of any kind. Back up your report file before you rely on it for billing.</source>
        <translation>Tallywright se ofrece tal cual, sin garantía de ningún tipo. Haga una copia de seguridad de su archivo de informe antes de confiar en él para facturar.</translation>
    </message>
    <message>
        <source>Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for news and updates.</source>
        <translation>Lleve el control de varios proyectos y del tiempo invertido en ellos. Visite www.quillfen.example para noticias y actualizaciones.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>Away</name>
    <message>
        <source>Sleep from: %1.</source>
        <translation>Suspensión desde: %1.</translation>
    </message>
    <message>
        <source>Idle detection is off: nothing on this desktop tells the idle time.</source>
        <translation>La detección de inactividad está desactivada: nada en este escritorio informa del tiempo inactivo.</translation>
    </message>
    <message>
        <source>Idle time from: %1.</source>
        <translation>Tiempo inactivo desde: %1.</translation>
    </message>
    <message>
        <source>Still tracking %1 since %2 (%3 h).</source>
        <translation>Todavía registrando %1 desde %2 (%3 h).</translation>
    </message>
</context>
<context>
    <name>BudgetWatch</name>
    <message>
        <source>%1 has used %2% of its budget for this month.</source>
        <translation>%1 ha usado el %2% de su presupuesto de este mes.</translation>
    </message>
    <message>
        <source>%1 has used %2% of its budget.</source>
        <translation>%1 ha usado el %2% de su presupuesto.</translation>
    </message>
</context>
<context>
    <name>DataPreferences</name>
    <message>
        <source>, and its project list gained %1</source>
        <translation>, y su lista de proyectos ha ganado %1</translation>
    </message>
    <message>
        <source>. The files in %1 stay as they are.</source>
        <translation>. Los archivos de %1 se quedan como están.</translation>
    </message>
    <message>
        <source>Please give the data folder as a full path, or choose it with Choose....</source>
        <translation>Indique la carpeta de datos como una ruta completa o elíjala con Elegir....</translation>
    </message>
    <message>
        <source>Please end the running stretch (EndProject) before Tallywright moves to another data folder or shares this one.</source>
        <translation>Termine el tramo en curso (Terminar proyecto) antes de que Tallywright cambie a otra carpeta de datos o comparta esta.</translation>
    </message>
    <message>
        <source>Tallywright cannot keep its files in %1: it is not a folder it may write in.</source>
        <translation>Tallywright no puede guardar sus archivos en %1: no es una carpeta en la que pueda escribir.</translation>
    </message>
    <message>
        <source>This machine&apos;s records in the shared folder are kept under the name %1, which cannot change now.</source>
        <translation>Los registros de esta máquina en la carpeta compartida se guardan con el nombre %1, que ya no puede cambiar.</translation>
    </message>
    <message>
        <source>The records in the shared folder %1 stay there, with the other machines&apos; records. Tallywright will keep its files in %2 from now on.</source>
        <translation>Los registros de la carpeta compartida %1 se quedan allí, con los de las demás máquinas. A partir de ahora Tallywright guardará sus archivos en %2.</translation>
    </message>
    <message>
        <source>Move Tallywright&apos;s files (%1) from %2 to %3?</source>
        <translation>¿Mover los archivos de Tallywright (%1) de %2 a %3?</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are. Either way the records and project names of this machine that the shared folder lacks are merged into it.</source>
        <translation>Sí los mueve. No los deja donde están. En ambos casos, los registros y nombres de proyecto de esta máquina que faltan en la carpeta compartida se combinan en ella.</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are and uses what %1 holds.</source>
        <translation>Sí los mueve. No los deja donde están y usa lo que contiene %1.</translation>
    </message>
    <message>
        <source>Your records could not be merged into %1: %2.</source>
        <translation>No se pudieron combinar sus registros en %1: %2.</translation>
    </message>
    <message>
        <source>%1 already holds Tallywright&apos;s files, which yours cannot be put together with. Choose No to use them as they are, or another folder.</source>
        <translation>%1 ya contiene archivos de Tallywright, con los que no se pueden juntar los suyos. Elija No para usarlos tal como están, u otra carpeta.</translation>
    </message>
    <message>
        <source>Your files could not all be moved to %1: %2. What was not moved is still in %3.</source>
        <translation>No se pudieron mover todos sus archivos a %1: %2. Lo que no se movió sigue en %3.</translation>
    </message>
    <message>
        <source>The data folder could not be set: %1</source>
        <translation>No se pudo establecer la carpeta de datos: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went into this machine&apos;s report there (%3)</source>
        <comment>Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went into this machine&apos;s report there (%3)</comment>
        <translation>
            <numerusform>Tallywright guarda ahora sus archivos en la carpeta compartida %1. %n registro de %2 que faltaba pasó al informe de esta máquina allí (%3)</numerusform>
            <numerusform>Tallywright guarda ahora sus archivos en la carpeta compartida %1. %n registros de %2 que faltaban pasaron al informe de esta máquina allí (%3)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>A project name cannot contain a comma. Please remove it from the project.</source>
        <translation>Un nombre de proyecto no puede contener una coma. Quítela del proyecto.</translation>
    </message>
    <message>
        <source>The Project Start Time is not a date and time. Please type it like %1.</source>
        <translation>La hora de inicio del proyecto no es una fecha y hora. Escríbala como %1.</translation>
    </message>
    <message>
        <source>The Project End Time is not a date and time. Please type it like %1.</source>
        <translation>La hora de fin del proyecto no es una fecha y hora. Escríbala como %1.</translation>
    </message>
    <message>
        <source>This entry has been changed in the report file since the report was shown, so your change was not saved. The report is shown again as the file now stands.</source>
        <translation>Esta entrada ha cambiado en el archivo de informe desde que se mostró el informe, así que su cambio no se ha guardado. El informe se muestra de nuevo tal como está ahora el archivo.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the edit of %1</source>
        <translation>la edición de %1</translation>
    </message>
    <message>
        <source>the deletion of %1</source>
        <translation>la eliminación de %1</translation>
    </message>
    <message>
        <source>the stretch added, %1</source>
        <translation>el tramo añadido, %1</translation>
    </message>
    <message>
        <source>the split of %1</source>
        <translation>la división de %1</translation>
    </message>
    <message>
        <source>the merge of %1</source>
        <translation>la fusión de %1</translation>
    </message>
    <message>
        <source>window</source>
        <translation>ventana</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>línea de órdenes</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Borrar informe</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Restaurar informe</translation>
    </message>
    <message>
        <source>the stretch %1 is no longer in the record</source>
        <translation>el tramo %1 ya no está en el registro</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since, on this machine or another</source>
        <translation>el tramo %1 ha cambiado desde entonces, en esta máquina o en otra</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since</source>
        <translation>el tramo %1 ha cambiado desde entonces</translation>
    </message>
    <message>
        <source>its records were changed since</source>
        <translation>sus registros han cambiado desde entonces</translation>
    </message>
    <message>
        <source>the records it took out are gone</source>
        <translation>los registros que quitó ya no existen</translation>
    </message>
    <message>
        <source>the report it put aside is gone</source>
        <translation>el informe que apartó ya no existe</translation>
    </message>
    <message>
        <source>the report was changed since</source>
        <translation>el informe ha cambiado desde entonces</translation>
    </message>
    <message>
        <source>there is nothing to undo</source>
        <translation>no hay nada que deshacer</translation>
    </message>
    <message>
        <source>there is nothing to redo</source>
        <translation>no hay nada que rehacer</translation>
    </message>
    <message numerus="yes">
        <source>the import of %n stretches</source>
        <comment>the import of %n stretch</comment>
        <translation>
            <numerusform>la importación de %n tramo</numerusform>
            <numerusform>la importación de %n tramos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Nothing imported: %1</source>
        <translation>No se ha importado nada: %1</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>, del %1 al %2</translation>
    </message>
    <message>
        <source>Projects:</source>
        <translation>Proyectos:</translation>
    </message>
    <message>
        <source>  (new: goes on the project list)</source>
        <translation>  (nuevo: se añade a la lista de proyectos)</translation>
    </message>
    <message>
        <source>  (new, not on the project list)</source>
        <translation>  (nuevo, no está en la lista de proyectos)</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot; is written as &quot;%2&quot; (%3)</source>
        <translation>El proyecto «%1» se escribe como «%2» (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches were added to the report.</source>
        <comment>%n stretch was added to the report.</comment>
        <translation>
            <numerusform>Se ha añadido %n tramo al informe.</numerusform>
            <numerusform>Se han añadido %n tramos al informe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches read</source>
        <comment>%n stretch read</comment>
        <translation>
            <numerusform>%n tramo leído</numerusform>
            <numerusform>%n tramos leídos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches to add</source>
        <comment>%n stretch to add</comment>
        <translation>
            <numerusform>%n tramo que añadir</numerusform>
            <numerusform>%n tramos que añadir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped (already in the report)</source>
        <comment>%n duplicate skipped (already in the report)</comment>
        <translation>
            <numerusform>%n duplicado omitido (ya en el informe)</numerusform>
            <numerusform>%n duplicados omitidos (ya en el informe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overlap stretches of the report</source>
        <comment>%n overlaps a stretch of the report</comment>
        <translation>
            <numerusform>%n se solapa con tramos del informe</numerusform>
            <numerusform>%n se solapan con tramos del informe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>and %n more</comment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes:</source>
        <comment>%n note:</comment>
        <translation>
            <numerusform>%n nota:</numerusform>
            <numerusform>%n notas:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be read:</source>
        <comment>%n item could not be read:</comment>
        <translation>
            <numerusform>No se pudo leer %n elemento:</numerusform>
            <numerusform>No se pudieron leer %n elementos:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 in %2 format</source>
        <translation>%1 en formato %2</translation>
    </message>
</context>
<context>
    <name>Mend</name>
    <message>
        <source>give the stretch&apos;s ID (as list prints it)</source>
        <translation>indique el ID del tramo (tal como lo muestra list)</translation>
    </message>
    <message>
        <source>the stretch was changed since it was read; list it again</source>
        <translation>el tramo ha cambiado desde que se leyó; vuelva a listarlo</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>«%1» inesperado</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se indica dos veces</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 on %2 is still to come</source>
        <translation>%1 el %2 todavía no ha llegado</translation>
    </message>
    <message>
        <source>running: %1 since %2</source>
        <translation>en curso: %1 desde %2</translation>
    </message>
    <message>
        <source>it would overlap%1
(--allow-overlap records it all the same)</source>
        <translation>se solaparía con:%1
(--allow-overlap lo registra de todos modos)</translation>
    </message>
    <message>
        <source>name a project</source>
        <translation>indique un proyecto</translation>
    </message>
    <message>
        <source>no stretch has the id %1 (tallywright-ctl list shows them; an id names one stretch, and four of its characters at least are needed)</source>
        <translation>ningún tramo tiene el ID %1 (tallywright-ctl list los muestra; un ID designa un solo tramo y se necesitan al menos cuatro de sus caracteres)</translation>
    </message>
    <message>
        <source>give FROM TO PROJECT</source>
        <translation>indique DESDE HASTA PROYECTO</translation>
    </message>
    <message>
        <source>%1 is not after %2</source>
        <translation>%1 no es posterior a %2</translation>
    </message>
    <message>
        <source>Would add: %1</source>
        <translation>Añadiría: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>say what changes: --from, --to, --project or --comment</source>
        <translation>indique qué cambia: --from, --to, --project o --comment</translation>
    </message>
    <message>
        <source>its end %1 would not be after its start %2</source>
        <translation>su fin %1 no sería posterior a su inicio %2</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>Cambiaría:</translation>
    </message>
    <message>
        <source>Changed:</source>
        <translation>Cambiado:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Would delete: %1</source>
        <translation>Eliminaría: %1</translation>
    </message>
    <message>
        <source>Deleted: %1</source>
        <translation>Eliminado: %1</translation>
    </message>
    <message>
        <source>give the stretch&apos;s ID and the time to split it at</source>
        <translation>indique el ID del tramo y la hora en que dividirlo</translation>
    </message>
    <message>
        <source>the stretch has no end to split it before</source>
        <translation>el tramo no tiene un fin antes del cual dividirlo</translation>
    </message>
    <message>
        <source>%1 does not lie inside the stretch (%2)</source>
        <translation>%1 no está dentro del tramo (%2)</translation>
    </message>
    <message>
        <source>Would split: %1
at %2</source>
        <translation>Dividiría: %1
a las %2</translation>
    </message>
    <message>
        <source>Split: %1
at %2</source>
        <translation>Dividido: %1
a las %2</translation>
    </message>
    <message>
        <source>cannot undo %1: %2</source>
        <translation>no se puede deshacer %1: %2</translation>
    </message>
    <message>
        <source>cannot redo %1: %2</source>
        <translation>no se puede rehacer %1: %2</translation>
    </message>
    <message>
        <source>Would undo %1</source>
        <translation>Desharía %1</translation>
    </message>
    <message>
        <source>Would redo %1</source>
        <translation>Reharía %1</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>-n takes a number of steps</source>
        <translation>-n toma un número de pasos</translation>
    </message>
    <message>
        <source>(undone)</source>
        <translation>(deshecho)</translation>
    </message>
    <message>
        <source>was:</source>
        <translation>antes:</translation>
    </message>
    <message>
        <source>now:</source>
        <translation>ahora:</translation>
    </message>
    <message>
        <source>unknown verb &quot;%1&quot;</source>
        <translation>verbo desconocido «%1»</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>no se pudo cambiar el registro: %1</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 rechazado: %2</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>No amount was given.</source>
        <translation>No se ha indicado ningún importe.</translation>
    </message>
    <message>
        <source>An amount cannot be negative.</source>
        <translation>Un importe no puede ser negativo.</translation>
    </message>
    <message>
        <source>The amount %1 is too large (at most %2).</source>
        <translation>El importe %1 es demasiado grande (como máximo %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250.</source>
        <translation>«%1» no es un importe: escríbalo como 85 o 85%250.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250, without thousands separators.</source>
        <translation>«%1» no es un importe: escríbalo como 85 o 85%250, sin separadores de miles.</translation>
    </message>
    <message>
        <source>An amount has at most two decimals: %1.</source>
        <translation>Un importe tiene como máximo dos decimales: %1.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>the desktop&apos;s notification service</source>
        <translation>el servicio de notificaciones del escritorio</translation>
    </message>
    <message>
        <source>a balloon of the notification icon</source>
        <translation>un globo del icono de notificación</translation>
    </message>
    <message>
        <source>The minutes without input must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Los minutos sin actividad deben ser un número entero de 0 a %1 (0 lo desactiva).</translation>
    </message>
    <message>
        <source>The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>Las horas antes de un recordatorio deben ser un número entero de 0 a %1 (0 lo desactiva).</translation>
    </message>
</context>
<context>
    <name>ProjectList</name>
    <message>
        <source>A project name cannot contain a comma: the report keeps its fields apart by commas.

Please change line %1:
%2</source>
        <translation>Un nombre de proyecto no puede contener una coma: el informe separa sus campos con comas.

Cambie la línea %1:
%2</translation>
    </message>
    <message>
        <source>The project list was changed on two machines at the same time. Both changes are kept in one list</source>
        <translation>La lista de proyectos se cambió en dos máquinas a la vez. Ambos cambios se conservan en una sola lista</translation>
    </message>
    <message>
        <source>; added: %1</source>
        <translation>; añadidos: %1</translation>
    </message>
    <message>
        <source>; removed: %1</source>
        <translation>; quitados: %1</translation>
    </message>
    <message>
        <source>.

The sync service&apos;s copy, %1, has been merged and removed.</source>
        <translation>.

La copia del servicio de sincronización, %1, se ha combinado y eliminado.</translation>
    </message>
</context>
<context>
    <name>ProjectTerms</name>
    <message>
        <source>Name the project these settings are for.</source>
        <translation>Indique el proyecto al que corresponden estos ajustes.</translation>
    </message>
    <message>
        <source>A project&apos;s name cannot hold a comma, a tab or a line end.</source>
        <translation>Un nombre de proyecto no puede contener una coma, un tabulador ni un fin de línea.</translation>
    </message>
    <message>
        <source>A rate&apos;s first day is written like 2026-01-31.</source>
        <translation>El primer día de una tarifa se escribe como 2026-01-31.</translation>
    </message>
    <message>
        <source>The rate from %1: %2</source>
        <translation>La tarifa desde el %1: %2</translation>
    </message>
    <message>
        <source>Two rates take effect on %1: keep one.</source>
        <translation>Dos tarifas entran en vigor el %1: conserve una.</translation>
    </message>
    <message>
        <source>The budget&apos;s hours: %1</source>
        <translation>Las horas del presupuesto: %1</translation>
    </message>
    <message>
        <source>The budget&apos;s amount: %1</source>
        <translation>El importe del presupuesto: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Total Time:</source>
        <translation>Tiempo total:</translation>
    </message>
    <message>
        <source>%1, edited on %2</source>
        <translation>%1, editado en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <comment>%n hour</comment>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation>%1, de %2 a %3, %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Start of Project</source>
        <translation>Inicio del proyecto</translation>
    </message>
    <message>
        <source>End of Project</source>
        <translation>Fin del proyecto</translation>
    </message>
    <message>
        <source>Project Time</source>
        <translation>Tiempo del proyecto</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Máquina</translation>
    </message>
    <message>
        <source>Report...   Date being displayed: %1 %2</source>
        <translation>Informe...   Fecha mostrada: %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportMenu</name>
    <message>
        <source>Are you sure you want to delete the report file?</source>
        <translation>¿Seguro que desea eliminar el archivo de informe?</translation>
    </message>
    <message>
        <source>Delete Reports</source>
        <translation>Eliminar informes</translation>
    </message>
    <message>
        <source>Your Report File has been deleted.</source>
        <translation>Su archivo de informe se ha eliminado.</translation>
    </message>
    <message>
        <source>Report File Deleted</source>
        <translation>Archivo de informe eliminado</translation>
    </message>
    <message>
        <source>Restoring the report will delete any changes you&apos;ve made in Tallywright since the last time you exited the application. Are you sure you want to do this?</source>
        <translation>Restaurar el informe eliminará los cambios que haya hecho en Tallywright desde la última vez que salió de la aplicación. ¿Seguro que desea hacerlo?</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>Restaurar informe</translation>
    </message>
    <message>
        <source>There is no backup of the report to restore. The report file has not been changed.</source>
        <translation>No hay copia de seguridad del informe que restaurar. El archivo de informe no se ha cambiado.</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>The report holds lines in another form</source>
        <translation>El informe contiene líneas en otro formato</translation>
    </message>
    <message>
        <source>Another copy is tracking in this folder</source>
        <translation>Otra copia está registrando en esta carpeta</translation>
    </message>
    <message>
        <source>Saving Changes...</source>
        <translation>Guardando los cambios...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The report could not be read: %1.</source>
        <translation>No se pudo leer el informe: %1.</translation>
    </message>
    <message>
        <source>There is no report yet.</source>
        <translation>Todavía no hay informe.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>:  %1 (%2 hours) in %3</source>
        <translation>:  %1 (%2 horas) en %3</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches</source>
        <comment>%n stretch</comment>
        <translation>
            <numerusform>%n tramo</numerusform>
            <numerusform>%n tramos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the report are not records and were skipped.</source>
        <comment>%n line of the report is not a record and was skipped.</comment>
        <translation>
            <numerusform>%n línea del informe no es un registro y se ha omitido.</numerusform>
            <numerusform>%n líneas del informe no son registros y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>%1 (left out).</source>
        <translation>%1 (omitido).</translation>
    </message>
    <message>
        <source>The rates could not be read: %1.</source>
        <translation>No se pudieron leer las tarifas: %1.</translation>
    </message>
    <message>
        <source>The setting %1</source>
        <translation>El ajuste %1</translation>
    </message>
    <message>
        <source>No hourly rates are set: Report &gt; Rates... sets a project&apos;s rate, and whether it is billable.</source>
        <translation>No hay tarifas por hora: Informe &gt; Tarifas... fija la tarifa de un proyecto y si es facturable.</translation>
    </message>
    <message>
        <source>%1 (%2 hours)</source>
        <translation>%1 (%2 horas)</translation>
    </message>
    <message>
        <source>Billable: %1, %2.</source>
        <translation>Facturable: %1, %2.</translation>
    </message>
    <message>
        <source>Not billable: %1, worth %2 at its rates.</source>
        <translation>No facturable: %1, que vale %2 a sus tarifas.</translation>
    </message>
    <message>
        <source>No working-time target is set: Option &gt; Preferences... sets one.</source>
        <translation>No hay objetivo de horas de trabajo: Opción &gt; Preferencias... establece uno.</translation>
    </message>
    <message>
        <source>Balance: today %1, this week %2, this month %3</source>
        <translation>Saldo: hoy %1, esta semana %2, este mes %3</translation>
    </message>
    <message>
        <source>, since %1 %2</source>
        <translation>, desde %1 %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>This stretch has been changed since the timeline showed it, so your change was not saved. The timeline is shown again as the report now stands.</source>
        <translation>Este tramo ha cambiado desde que la cronología lo mostró, así que su cambio no se ha guardado. La cronología se muestra de nuevo según el informe actual.</translation>
    </message>
    <message>
        <source>%1 (running)</source>
        <translation>%1 (en curso)</translation>
    </message>
    <message>
        <source>This would overlap %1. Change it anyway?</source>
        <translation>Esto se solaparía con %1. ¿Cambiarlo de todos modos?</translation>
    </message>
    <message>
        <source>This would overlap %1 and %2. Change it anyway?</source>
        <translation>Esto se solaparía con %1 y %2. ¿Cambiarlo de todos modos?</translation>
    </message>
    <message>
        <source>The report could not be changed: %1</source>
        <translation>No se pudo cambiar el informe: %1</translation>
    </message>
    <message>
        <source>Choose or type the stretch&apos;s project.</source>
        <translation>Elija o escriba el proyecto del tramo.</translation>
    </message>
    <message>
        <source>The stretch could not be added to the report: %1</source>
        <translation>No se pudo añadir el tramo al informe: %1</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>No se pudo leer el informe: %1</translation>
    </message>
    <message>
        <source>The running stretch&apos;s start could not be moved.</source>
        <translation>No se pudo mover el inicio del tramo en curso.</translation>
    </message>
    <message>
        <source>A stretch cannot end before it starts.</source>
        <translation>Un tramo no puede terminar antes de empezar.</translation>
    </message>
    <message>
        <source>The running stretch cannot be deleted while it runs. End it with EndProject first.</source>
        <translation>El tramo en curso no se puede eliminar mientras dura. Termínelo primero con Terminar proyecto.</translation>
    </message>
    <message>
        <source>The running stretch cannot start after now.</source>
        <translation>El tramo en curso no puede empezar después de ahora.</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start can be moved.</source>
        <translation>El tramo en curso termina al pulsar Terminar proyecto: solo se puede mover su inicio.</translation>
    </message>
    <message>
        <source>%1 to midnight</source>
        <translation>%1 a medianoche</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 to now</source>
        <translation>%1 hasta ahora</translation>
    </message>
    <message>
        <source>%1, no end</source>
        <translation>%1, sin fin</translation>
    </message>
    <message>
        <source>Free, %1</source>
        <translation>Libre, %1</translation>
    </message>
    <message>
        <source>, running</source>
        <translation>, en curso</translation>
    </message>
    <message>
        <source>, on %1</source>
        <translation>, en %1</translation>
    </message>
    <message>
        <source>, overlaps another stretch</source>
        <translation>, se solapa con otro tramo</translation>
    </message>
    <message>
        <source> (%1, running)</source>
        <translation> (%1, en curso)</translation>
    </message>
    <message>
        <source>Recorded on %1</source>
        <translation>Registrado en %1</translation>
    </message>
    <message>
        <source>, edited on %1</source>
        <translation>, editado en %1</translation>
    </message>
    <message>
        <source>Overlaps another stretch</source>
        <translation>Se solapa con otro tramo</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 in %n stretches</source>
        <comment>%1: %2 in %n stretch</comment>
        <translation>
            <numerusform>%1: %2 en %n tramo</numerusform>
            <numerusform>%1: %2 en %n tramos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This would overlap %1 and %n other stretches. Change it anyway?</source>
        <comment>This would overlap %1 and %n other stretch. Change it anyway?</comment>
        <translation>
            <numerusform>Esto se solaparía con %1 y %n tramo más. ¿Cambiarlo de todos modos?</numerusform>
            <numerusform>Esto se solaparía con %1 y %n tramos más. ¿Cambiarlo de todos modos?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a day of %n hours</source>
        <comment>, a day of %n hour</comment>
        <translation>
            <numerusform>, un día de %n hora</numerusform>
            <numerusform>, un día de %n horas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.</source>
        <translation>Arriba y Abajo van de elemento en elemento, Izquierda y Derecha a la misma hora del día siguiente o anterior, Tab de tramo en tramo. Intro edita un tramo o añade uno en tiempo libre, Insert añade, Supr elimina. Alt+Arriba y Alt+Abajo mueven el inicio, Alt+Mayús+Arriba y Alt+Mayús+Abajo el fin, Alt+Izquierda y Alt+Derecha todo el tramo, Alt+RePág y Alt+AvPág un día; Intro guarda ese cambio, Esc lo descarta.</translation>
    </message>
    <message>
        <source>Free time: Enter or Insert adds a stretch here</source>
        <translation>Tiempo libre: Intro o Insert añade aquí un tramo</translation>
    </message>
    <message>
        <source>Edit the stretch</source>
        <translation>Editar el tramo</translation>
    </message>
    <message>
        <source>Add a stretch in this free time</source>
        <translation>Añadir un tramo en este tiempo libre</translation>
    </message>
    <message>
        <source>Delete the stretch</source>
        <translation>Eliminar el tramo</translation>
    </message>
    <message>
        <source>Select it</source>
        <translation>Seleccionarlo</translation>
    </message>
    <message>
        <source>Show its menu</source>
        <translation>Mostrar su menú</translation>
    </message>
</context>
<context>
    <name>Tracker</name>
    <message>
        <source>Also running on %1: %2 since %3</source>
        <translation>También en curso en %1: %2 desde %3</translation>
    </message>
    <message>
        <source>The running stretch could not be saved: %1</source>
        <translation>No se pudo guardar el tramo en curso: %1</translation>
    </message>
    <message>
        <source>The stretch is recorded in the report, but %1 could not be removed: %2. The next start will not offer it again.</source>
        <translation>El tramo está registrado en el informe, pero no se pudo quitar %1: %2. El próximo inicio no lo volverá a ofrecer.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered back. It is left as it is.</source>
        <translation>%1 (%2 bytes) es mayor que cualquier tramo en curso que guarda %3, así que no se ofrece. Se deja como está.</translation>
    </message>
    <message>
        <source>Recorded %1 from %2 to %3</source>
        <translation>%1 registrado de %2 a %3</translation>
    </message>
    <message>
        <source>, ended when you left; the time away since is not counted</source>
        <translation>, terminado cuando se fue; el tiempo de ausencia desde entonces no se cuenta</translation>
    </message>
    <message>
        <source>There was an error writing to the report</source>
        <translation>Se produjo un error al escribir en el informe</translation>
    </message>
    <message>
        <source>The stretch of %1 started %2 was still running when %3 last ended, at about %4.</source>
        <translation>El tramo de %1 iniciado %2 seguía en curso cuando %3 se cerró por última vez, hacia %4.</translation>
    </message>
    <message>
        <source>&amp;Keep Running</source>
        <translation>&amp;Seguir en curso</translation>
    </message>
    <message>
        <source>&amp;End Then</source>
        <translation>&amp;Terminar entonces</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>A stretch of %1 was kept as running when %2 last ended, but %3. Keep Running puts it into the window as found, to put right there; Discard removes it.</source>
        <translation>Un tramo de %1 se guardó como en curso cuando %2 se cerró por última vez, pero %3. Seguir en curso lo pone en la ventana tal cual, para corregirlo allí; Descartar lo elimina.</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while tracking %4.</source>
        <translation>Estuvo ausente de %1 a %2 (%3) mientras registraba %4.</translation>
    </message>
    <message>
        <source>&amp;Keep Time</source>
        <translation>&amp;Conservar el tiempo</translation>
    </message>
    <message>
        <source>End Then and &amp;Restart</source>
        <translation>Terminar entonces y &amp;reiniciar</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>A start at %1 would overlap what is recorded: %2</source>
        <translation>Un inicio a las %1 se solaparía con lo registrado: %2</translation>
    </message>
    <message>
        <source>A project name must be UTF-8 text</source>
        <translation>Un nombre de proyecto debe ser texto UTF-8</translation>
    </message>
    <message>
        <source>A project name cannot hold a comma: &quot;%1&quot;</source>
        <translation>Un nombre de proyecto no puede contener una coma: «%1»</translation>
    </message>
    <message>
        <source>A project name cannot hold a line break or another control character</source>
        <translation>Un nombre de proyecto no puede contener un salto de línea ni otro carácter de control</translation>
    </message>
    <message>
        <source>A project name is at most %1 bytes long; this one has %2</source>
        <translation>Un nombre de proyecto tiene como máximo %1 bytes; este tiene %2</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text</source>
        <translation>Un comentario debe ser texto UTF-8</translation>
    </message>
    <message>
        <source>A comment cannot hold a control character other than a line break</source>
        <translation>Un comentario no puede contener caracteres de control salvo saltos de línea</translation>
    </message>
    <message>
        <source>A comment is at most %1 bytes long; this one has %2</source>
        <translation>Un comentario tiene como máximo %1 bytes; este tiene %2</translation>
    </message>
    <message>
        <source>Would record %1 from %2 to %3</source>
        <translation>Registraría %1 de %2 a %3</translation>
    </message>
    <message>
        <source>Tallywright is waiting for an answer in one of its windows</source>
        <translation>Tallywright está esperando una respuesta en una de sus ventanas</translation>
    </message>
    <message>
        <source>The data folder cannot be used: %1</source>
        <translation>No se puede usar la carpeta de datos: %1</translation>
    </message>
    <message>
        <source>Tallywright has just started on this data folder; try again</source>
        <translation>Tallywright acaba de iniciarse en esta carpeta de datos; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>%1 is still to come</source>
        <translation>%1 todavía no ha llegado</translation>
    </message>
    <message>
        <source>%1 is not after the start of the running stretch, %2</source>
        <translation>%1 no es posterior al inicio del tramo en curso, %2</translation>
    </message>
    <message>
        <source>The stretch could not be recorded in the report</source>
        <translation>No se pudo registrar el tramo en el informe</translation>
    </message>
    <message>
        <source>No project is chosen: name the project to start</source>
        <translation>No hay ningún proyecto elegido: indique el proyecto que desea iniciar</translation>
    </message>
    <message>
        <source>Would change nothing: %1 is running</source>
        <translation>No cambiaría nada: %1 está en curso</translation>
    </message>
    <message>
        <source>The running stretch could not be recorded</source>
        <translation>No se pudo registrar el tramo en curso</translation>
    </message>
    <message>
        <source>Would start %1 at %2</source>
        <translation>Iniciaría %1 a las %2</translation>
    </message>
    <message>
        <source>The stretch could not be started</source>
        <translation>No se pudo iniciar el tramo</translation>
    </message>
    <message>
        <source>No stretch is running</source>
        <translation>No hay ningún tramo en curso</translation>
    </message>
    <message>
        <source>%1 is running since %2; stop it first</source>
        <translation>%1 está en curso desde %2; deténgalo primero</translation>
    </message>
    <message>
        <source>No stretch ended in the last year to continue</source>
        <translation>Ningún tramo terminó en el último año para continuarlo</translation>
    </message>
    <message>
        <source>%1 is before the end of the last stretch, %2</source>
        <translation>%1 es anterior al fin del último tramo, %2</translation>
    </message>
    <message>
        <source>Would discard %1 started %2</source>
        <translation>Descartaría %1, iniciado %2</translation>
    </message>
    <message>
        <source>Discarded %1 started %2</source>
        <translation>%1, iniciado %2, descartado</translation>
    </message>
    <message>
        <source>%1; to start it again: %2</source>
        <translation>%1; para iniciarlo de nuevo: %2</translation>
    </message>
    <message>
        <source>Would set the comment of %1 started %2 to: %3</source>
        <translation>Pondría el comentario de %1, iniciado %2, en: %3</translation>
    </message>
</context>
<context>
    <name>WorkPreferences</name>
    <message>
        <source>Write each weekday&apos;s target hours in its own box, like 8, 7.5 or 7:30.</source>
        <translation>Escriba las horas objetivo de cada día de la semana en su propia casilla, como 8, 7.5 o 7:30.</translation>
    </message>
    <message>
        <source>The target hours: %1</source>
        <translation>Las horas objetivo: %1</translation>
    </message>
    <message>
        <source>The days off: %1</source>
        <translation>Los días libres: %1</translation>
    </message>
    <message>
        <source>The balance is counted since a day written like 2026-01-01.</source>
        <translation>El saldo se cuenta desde un día escrito como 2026-01-01.</translation>
    </message>
</context>
<context>
    <name>tw::DesktopNotifications</name>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
</context>
<context>
    <name>tw::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Type the first few letters of the word you&apos;re looking for:</source>
        <translation>Escriba las primeras letras de la palabra que busca:</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>The help file cannot be opened</source>
        <translation>No se puede abrir el archivo de ayuda</translation>
    </message>
</context>
<context>
    <name>tw::SummaryChart</name>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>No time recorded in this period</source>
        <translation>No hay tiempo registrado en este periodo</translation>
    </message>
</context>
<context>
    <name>tw::TimelineView</name>
    <message>
        <source>on %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>Start %1, end %2: it would end before it starts</source>
        <translation>Inicio %1, fin %2: terminaría antes de empezar</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>medianoche</translation>
    </message>
    <message>
        <source>Start %1, end %2, length %3</source>
        <translation>Inicio %1, fin %2, duración %3</translation>
    </message>
    <message>
        <source> (Enter saves, Escape leaves it)</source>
        <translation> (Intro guarda, Esc descarta)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Add Stretch...</source>
        <translation>&amp;Añadir tramo...</translation>
    </message>
    <message>
        <source>Drag or double-click to add a stretch</source>
        <translation>Arrastre o haga doble clic para añadir un tramo</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start moves.</source>
        <translation>El tramo en curso termina al pulsar Terminar proyecto: solo se mueve su inicio.</translation>
    </message>
</context>
<context>
    <name>tw::UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>no se pudo cambiar el registro: %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>No hay nada que rehacer.</translation>
    </message>
    <message>
        <source>Cannot undo %1: %2.</source>
        <translation>No se puede deshacer %1: %2.</translation>
    </message>
    <message>
        <source>Cannot redo %1: %2.</source>
        <translation>No se puede rehacer %1: %2.</translation>
    </message>
</context>
<context>
    <name>tw::WorkTargetGroup</name>
    <message>
        <source>Working-time target</source>
        <translation>Objetivo de tiempo de trabajo</translation>
    </message>
    <message>
        <source>&amp;Target hours on each weekday (empty: none):</source>
        <translation>Horas &amp;objetivo por día de la semana (vacío: ninguna):</translation>
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
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>Hours as 8, 7.5 or 7:30</source>
        <translation>Horas como 8, 7.5 o 7:30</translation>
    </message>
    <message>
        <source>Target hours on %1</source>
        <translation>Horas objetivo el %1</translation>
    </message>
    <message>
        <source>Days o&amp;ff:</source>
        <translation>Días &amp;libres:</translation>
    </message>
    <message>
        <source>Days whose target counts as met; a stretch tagged #off marks one too</source>
        <translation>Días cuyo objetivo cuenta como cumplido; un tramo etiquetado #off también marca uno</translation>
    </message>
    <message>
        <source>Balance s&amp;ince:</source>
        <translation>&amp;Saldo desde:</translation>
    </message>
</context>
<context>
    <name>tw::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Información del &amp;sistema...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>tw::frmImport</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>Choose Fi&amp;le...</source>
        <translation>Elegir arc&amp;hivo...</translation>
    </message>
    <message>
        <source>Choose a file to import</source>
        <translation>Elegir un archivo para importar</translation>
    </message>
    <message>
        <source>Choose F&amp;older...</source>
        <translation>Elegir ca&amp;rpeta...</translation>
    </message>
    <message>
        <source>Choose a Timewarrior data folder</source>
        <translation>Elegir una carpeta de datos de Timewarrior</translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation>Fo&amp;rmato:</translation>
    </message>
    <message>
        <source>Recognise it</source>
        <translation>Reconocerlo</translation>
    </message>
    <message>
        <source>&amp;Add new projects to the project list</source>
        <translation>&amp;Añadir los proyectos nuevos a la lista de proyectos</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>Lo que haría la importación</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>Leyendo el archivo</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Add the stretches to the report</source>
        <translation>Añadir los tramos al informe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Write nothing</source>
        <translation>No escribir nada</translation>
    </message>
    <message>
        <source>Import a Timewarrior Data Folder</source>
        <translation>Importar una carpeta de datos de Timewarrior</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>Leyendo...</translation>
    </message>
</context>
<context>
    <name>tw::frmMachineName</name>
    <message>
        <source>This Machine</source>
        <translation>Esta máquina</translation>
    </message>
    <message>
        <source>The data folder %1 is shared with other machines. Each machine keeps its records there under a name of its own.</source>
        <translation>La carpeta de datos %1 se comparte con otras máquinas. Cada máquina guarda allí sus registros con un nombre propio.</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name:</source>
        <translation>&amp;Nombre de esta máquina:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tw::frmMain</name>
    <message>
        <source>Start Project</source>
        <translation>Iniciar proyecto</translation>
    </message>
    <message>
        <source>Start tracking your project</source>
        <translation>Empezar a registrar su proyecto</translation>
    </message>
    <message>
        <source>EndProject</source>
        <translation>Terminar proyecto</translation>
    </message>
    <message>
        <source>End the tracking of your project</source>
        <translation>Terminar el registro de su proyecto</translation>
    </message>
    <message>
        <source>Comments about your project</source>
        <translation>Comentarios sobre su proyecto</translation>
    </message>
    <message>
        <source>Update Projects</source>
        <translation>Actualizar proyectos</translation>
    </message>
    <message>
        <source>Update/Add to your project list</source>
        <translation>Actualizar o ampliar su lista de proyectos</translation>
    </message>
    <message>
        <source>Your Project List:</source>
        <translation>Su lista de proyectos:</translation>
    </message>
    <message>
        <source>Comment about Project:</source>
        <translation>Comentario sobre el proyecto:</translation>
    </message>
    <message>
        <source>Time on project:</source>
        <translation>Tiempo en el proyecto:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Time on project</source>
        <translation>Tiempo en el proyecto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opción</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Center App</source>
        <translation>&amp;Centrar la aplicación</translation>
    </message>
    <message>
        <source>Clear &amp;Screen</source>
        <translation>&amp;Limpiar pantalla</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>&amp;View Report</source>
        <translation>&amp;Ver informe</translation>
    </message>
    <message>
        <source>&amp;Clear Report</source>
        <translation>&amp;Borrar informe</translation>
    </message>
    <message>
        <source>&amp;Restore Report</source>
        <translation>&amp;Restaurar informe</translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation>Res&amp;umen...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>&amp;Buscar ayuda sobre...</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Acerca de </translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>The pasted text was cut to %1 of its %2 characters: a comment holds %3</source>
        <translation>El texto pegado se recortó a %1 de sus %2 caracteres: un comentario admite %3</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>&amp;Cronología...</translation>
    </message>
    <message>
        <source>R&amp;ates...</source>
        <translation>&amp;Tarifas...</translation>
    </message>
</context>
<context>
    <name>tw::frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>&amp;Minutes without input that count as time away (0: off):</source>
        <translation>&amp;Minutos sin actividad que cuentan como ausencia (0: desactivado):</translation>
    </message>
    <message>
        <source>&amp;Hours a stretch runs before a reminder (0: off):</source>
        <translation>&amp;Horas de un tramo antes de un recordatorio (0: desactivado):</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>Carpeta de &amp;datos:</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>Elegir la carpeta de datos</translation>
    </message>
    <message>
        <source>This folder is &amp;shared with other machines</source>
        <translation>Esta carpeta se &amp;comparte con otras máquinas</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name there:</source>
        <translation>&amp;Nombre de esta máquina allí:</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Carpeta de datos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This machine keeps its records in the shared folder under this name, which other machines&apos; edits name, so it cannot change.</source>
        <translation>Esta máquina guarda sus registros en la carpeta compartida con este nombre, al que se refieren las ediciones de otras máquinas, así que no puede cambiar.</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectList</name>
    <message>
        <source>Project List</source>
        <translation>Lista de proyectos</translation>
    </message>
    <message>
        <source>Add or delete projects in the text box below. Hit &lt;enter&gt; at the end of each project.</source>
        <translation>Añada o elimine proyectos en el cuadro de texto de abajo. Pulse &lt;Intro&gt; al final de cada proyecto.</translation>
    </message>
    <message>
        <source>Projects, one per line</source>
        <translation>Proyectos, uno por línea</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save your project list</source>
        <translation>Guardar su lista de proyectos</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Project Se&amp;ttings...</source>
        <translation>&amp;Ajustes del proyecto...</translation>
    </message>
    <message>
        <source>The rates, budgets and billing of the project on the cursor&apos;s line</source>
        <translation>Las tarifas, presupuestos y facturación del proyecto de la línea del cursor</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectSettings</name>
    <message>
        <source>Project Settings</source>
        <translation>Ajustes del proyecto</translation>
    </message>
    <message>
        <source>The rates could not be read: %1. What you save is added to them.</source>
        <translation>No se pudieron leer las tarifas: %1. Lo que guarde se añadirá a ellas.</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>&amp;Billable: its work is charged for</source>
        <translation>&amp;Facturable: su trabajo se cobra</translation>
    </message>
    <message>
        <source>Hourly &amp;rates, each from the day it takes effect:</source>
        <translation>&amp;Tarifas por hora, cada una desde el día en que entra en vigor:</translation>
    </message>
    <message>
        <source>From (YYYY-MM-DD)</source>
        <translation>Desde (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation>Por hora</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>&amp;Añadir tarifa</translation>
    </message>
    <message>
        <source>A new rate from today</source>
        <translation>Una tarifa nueva desde hoy</translation>
    </message>
    <message>
        <source>Re&amp;move Rate</source>
        <translation>&amp;Quitar tarifa</translation>
    </message>
    <message>
        <source>Take the chosen rate back</source>
        <translation>Quitar la tarifa elegida</translation>
    </message>
    <message>
        <source>Budget (empty: none):</source>
        <translation>Presupuesto (vacío: ninguno):</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>In &amp;all:</source>
        <translation>En &amp;total:</translation>
    </message>
    <message>
        <source>Each mon&amp;th:</source>
        <translation>Cada &amp;mes:</translation>
    </message>
    <message>
        <source>&amp;Currency of every project:</source>
        <translation>&amp;Moneda de todos los proyectos:</translation>
    </message>
    <message>
        <source>A code like EUR, or a short text of up to 8 characters</source>
        <translation>Un código como EUR o un texto corto de hasta 8 caracteres</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save the changes to %1&apos;s settings?</source>
        <translation>¿Guardar los cambios en los ajustes de %1?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>No se pudieron guardar los ajustes: %1.</translation>
    </message>
</context>
<context>
    <name>tw::frmReport</name>
    <message>
        <source>View Previous Day</source>
        <translation>Ver el día anterior</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>View Today</source>
        <translation>Ver hoy</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>View Next Day</source>
        <translation>Ver el día siguiente</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>&amp;Editar entrada...</translation>
    </message>
    <message>
        <source>Edit the chosen entry</source>
        <translation>Editar la entrada elegida</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>Entradas del día</translation>
    </message>
    <message>
        <source>Enter or a double click opens an entry in the editor</source>
        <translation>Intro o un doble clic abre una entrada en el editor</translation>
    </message>
    <message>
        <source>Total time, %1</source>
        <translation>Tiempo total, %1</translation>
    </message>
</context>
<context>
    <name>tw::frmReportEdit</name>
    <message>
        <source>Report Edit</source>
        <translation>Edición del informe</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Project Start Time</source>
        <translation>Hora de inicio del proyecto</translation>
    </message>
    <message>
        <source>Project End Time</source>
        <translation>Hora de fin del proyecto</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
</context>
<context>
    <name>tw::frmSplash</name>
    <message>
        <source>95/98/NT Platform</source>
        <translation>Plataforma 95/98/NT</translation>
    </message>
    <message>
        <source>Track your projects and keep your projects on track.</source>
        <translation>Registre sus proyectos y manténgalos en marcha.</translation>
    </message>
</context>
<context>
    <name>tw::frmSummary</name>
    <message>
        <source>CSV, per project</source>
        <translation>CSV, por proyecto</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>CSV, per day</source>
        <translation>CSV, por día</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Semana pasada</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 minutos</translation>
    </message>
    <message>
        <source>6 minutes</source>
        <translation>6 minutos</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 minutos</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Hasta:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Show the period before this one</source>
        <translation>Mostrar el periodo anterior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Show the period after this one</source>
        <translation>Mostrar el periodo siguiente</translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation>Redondeo:</translation>
    </message>
    <message>
        <source>Round each stretch to the nearest multiple, halves up, before adding</source>
        <translation>Redondear cada tramo al múltiplo más cercano, las mitades hacia arriba, antes de sumar</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parte</translation>
    </message>
    <message>
        <source>Stretches</source>
        <translation>Tramos</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>Totales por proyecto</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Double-click a day to open its daily report</source>
        <translation>Haga doble clic en un día para abrir su informe diario</translation>
    </message>
    <message>
        <source>Totals per day</source>
        <translation>Totales por día</translation>
    </message>
    <message>
        <source>Enter or a double click opens the day&apos;s report</source>
        <translation>Intro o un doble clic abre el informe del día</translation>
    </message>
    <message>
        <source>Double-click a day&apos;s bar to open its daily report</source>
        <translation>Haga doble clic en la barra de un día para abrir su informe diario</translation>
    </message>
    <message>
        <source>Chart of the period</source>
        <translation>Gráfico del periodo</translation>
    </message>
    <message>
        <source>The same totals as the tables Totals per project and Totals per day</source>
        <translation>Los mismos totales que las tablas Totales por proyecto y Totales por día</translation>
    </message>
    <message>
        <source>Export:</source>
        <translation>Exportar:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opiar</translation>
    </message>
    <message>
        <source>Copy the period to the clipboard in the chosen form</source>
        <translation>Copiar el periodo al portapapeles en el formato elegido</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Save the period to a file in the chosen form</source>
        <translation>Guardar el periodo en un archivo en el formato elegido</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>Exportar resumen</translation>
    </message>
    <message>
        <source>The summary could not be saved in %1: %2</source>
        <translation>No se pudo guardar el resumen en %1: %2</translation>
    </message>
    <message>
        <source>CSV, per tag</source>
        <translation>CSV, por etiqueta</translation>
    </message>
    <message>
        <source>Invoice lines (CSV)</source>
        <translation>Líneas de factura (CSV)</translation>
    </message>
    <message>
        <source>What is billed; for work not billable alone, in brackets, what it is worth at its rates</source>
        <translation>Lo que se factura; para trabajo solo no facturable, entre paréntesis, lo que vale a sus tarifas</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>A stretch counts under each of its tags (#words of its comment)</source>
        <translation>Un tramo cuenta en cada una de sus etiquetas (#palabras de su comentario)</translation>
    </message>
    <message>
        <source>Totals per tag</source>
        <translation>Totales por etiqueta</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Each project&apos;s budget (Report &gt; Rates... sets them): its whole life, or the month</source>
        <translation>El presupuesto de cada proyecto (Informe &gt; Tarifas... lo fija): toda su duración o el mes</translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation>Presupuestos</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>Pro&amp;yecto:</translation>
    </message>
    <message>
        <source>Only the stretches of one project</source>
        <translation>Solo los tramos de un proyecto</translation>
    </message>
    <message>
        <source>Only ta&amp;gged:</source>
        <translation>Solo con eti&amp;queta:</translation>
    </message>
    <message>
        <source>Only the stretches holding every tag ticked</source>
        <translation>Solo los tramos con todas las etiquetas marcadas</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>Importe (%1)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>Todos los proyectos</translation>
    </message>
    <message>
        <source>Only tagged</source>
        <translation>Solo con etiqueta</translation>
    </message>
</context>
<context>
    <name>tw::frmTimeline</name>
    <message>
        <source>Drag a stretch to move it, an edge to change its start or end, free time to add one (Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.</source>
        <translation>Arrastre un tramo para moverlo, un borde para cambiar su inicio o fin, tiempo libre para añadir uno (Mayús ajusta a 5 minutos, Ctrl a 15). Alt+flechas cambian el elegido; Intro guarda.</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Cronología</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Show the day or week before</source>
        <translation>Mostrar el día o la semana anterior</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Mostrar hoy</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Show the day or week after</source>
        <translation>Mostrar el día o la semana siguiente</translation>
    </message>
    <message>
        <source>The day shown, or a day of the week shown</source>
        <translation>El día mostrado o un día de la semana mostrada</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>The step a dragged or moved time keeps to</source>
        <translation>El paso al que se ajusta una hora arrastrada o movida</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir...</translation>
    </message>
    <message>
        <source>Add a stretch in the selected free time</source>
        <translation>Añadir un tramo en el tiempo libre elegido</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Vista:</translation>
    </message>
    <message>
        <source>&amp;Snap:</source>
        <translation>&amp;Ajuste:</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>No se pudo leer el informe: %1</translation>
    </message>
    <message>
        <source>Week: %1</source>
        <translation>Semana: %1</translation>
    </message>
    <message>
        <source>Day: %1</source>
        <translation>Día: %1</translation>
    </message>
    <message>
        <source>The week&apos;s total, as tallywright-report --week gives it</source>
        <translation>El total de la semana, como lo da tallywright-report --week</translation>
    </message>
    <message>
        <source>The day&apos;s total, as the daily report gives it</source>
        <translation>El total del día, como lo da el informe diario</translation>
    </message>
    <message>
        <source>Week of %1 to %2, %3 recorded</source>
        <translation>Semana del %1 al %2, %3 registrado</translation>
    </message>
    <message>
        <source>%1, %2 recorded</source>
        <translation>%1, %2 registrado</translation>
    </message>
    <message>
        <source>Delete this stretch?

%1</source>
        <translation>¿Eliminar este tramo?

%1</translation>
    </message>
    <message>
        <source>Delete Stretch</source>
        <translation>Eliminar tramo</translation>
    </message>
    <message>
        <source>The running stretch is changed in the main window. Here its start can be dragged, or moved with Alt+Up and Alt+Down and saved with Enter.</source>
        <translation>El tramo en curso se cambia en la ventana principal. Aquí se puede arrastrar su inicio, o moverlo con Alt+Arriba y Alt+Abajo y guardarlo con Intro.</translation>
    </message>
</context>
<context>
    <name>tw::frmTimelineAdd</name>
    <message>
        <source>Add Stretch</source>
        <translation>Añadir tramo</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>&amp;Proyecto</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>Hora de &amp;inicio</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>Hora de &amp;fin</translation>
    </message>
    <message>
        <source>C&amp;omment</source>
        <translation>C&amp;omentario</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add the stretch to the report</source>
        <translation>Añadir el tramo al informe</translation>
    </message>
</context>
</TS>
