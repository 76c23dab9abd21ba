<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>Unter&amp;ordner durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>&amp;Namen setzen</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>&amp;Umbenennen!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Neuer Dateiname</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(Name zu lang)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>Umbenennen ist für %Ln Datei fehlgeschlagen.</numerusform>
            <numerusform>Umbenennen ist für %Ln Dateien fehlgeschlagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>%Ln Datei wurde erfolgreich umbenannt.</numerusform>
            <numerusform>%Ln Dateien wurden erfolgreich umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 konnte weder umbenannt noch zurückgesetzt werden: die Datei heißt jetzt %2</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>Ein anderes Programm hat während des Umbenennens unter den neuen Namen von %1 geschrieben; seine Daten wurden als %2 gesichert</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>Der erste Fehler:</numerusform>
            <numerusform>Die ersten %Ln Fehler:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists</source>
        <translation>Eine Datei namens „%1“ ist bereits vorhanden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>Die Datei ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>Die Datei oder der Ordner, in den sie verschoben werden sollte, ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>Das Dateisystem akzeptiert diesen Namen nicht</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>Der neue Name ist zu lang</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>Das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>Die Datei wird gerade verwendet</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>Die Datei hat jetzt den vorläufigen Namen %1</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>Daten eines anderen Programms, die diesem Umbenennen im Weg waren, wurden als %1 gesichert</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>Eine andere Datei der Liste soll denselben neuen Pfad erhalten: %1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>Eine Datei namens „%1“ ist bereits vorhanden, und keine Datei der Liste macht den Namen frei</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>Diese Umbenennungen bilden einen Kreis, der sich nicht schließen lässt, ohne eine Datei zu ersetzen: %1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>Neuer Pfad: %1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Nicht umbenannt: %1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>Nicht alles wurde hinzugefügt</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>Diese Pfade konnten nicht gelesen werden; aus ihnen wurde nichts hinzugefügt:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>Der Pfad ist zu lang</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>Dateien werden gesucht: %Ln gefunden</numerusform>
            <numerusform>Dateien werden gesucht: %Ln gefunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>%Ln Datei wird zur Liste hinzugefügt</numerusform>
            <numerusform>%Ln Dateien werden zur Liste hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>%Ln Datei erhält ihren neuen Namen</numerusform>
            <numerusform>%Ln Dateien erhalten ihre neuen Namen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>Umbenennen: %L1 von %Ln Datei umbenannt</numerusform>
            <numerusform>Umbenennen: %L1 von %Ln Dateien umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>Letztes Umbenennen wird rückgängig gemacht: %Ln Datei zurückverschoben</numerusform>
            <numerusform>Letztes Umbenennen wird rückgängig gemacht: %Ln Dateien zurückverschoben</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letztes Umbenennen rückgängig machen</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>Nicht vollständig rückgängig gemacht</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln Datei hat wieder ihren früheren Namen.</numerusform>
            <numerusform>%Ln Dateien haben wieder ihre früheren Namen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht zurückgeholt werden:</numerusform>
            <numerusform>%Ln Dateien konnten nicht zurückgeholt werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>... und %Ln weitere.</numerusform>
            <numerusform>... und %Ln weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>ihr Name ist vergeben; sie bleibt %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>sie ist nicht mehr da</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 ist nicht mehr dieselbe Datei</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>%1 konnte nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>Es gibt kein Umbenennen, das rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>Das Protokoll des letzten Umbenennens kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>Auch das Rückgängigmachen führt ein Protokoll, und es kann nicht in %1 geschrieben werden: %2

Es wurde nichts verschoben.</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Das Protokoll dieses Umbenennens kann nicht in %1 geschrieben werden: %2

Ohne Protokoll lässt sich das Umbenennen nicht rückgängig machen. Trotzdem umbenennen?</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>Unterbrochenes Umbenennen</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>Ü&amp;ber Zentavo...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>Über Zentavo...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Zentavo-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>Die Hilfedatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>Die Hilfedatei %1 hat kein Thema für den Kontext %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 umbenannt; %Ln nicht versucht.</numerusform>
            <numerusform>%1 umbenannt; %Ln nicht versucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>Umbenannt: %1
Fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Nicht versucht: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>Ohne Rückgängig umbenennen?</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>Das letzte Umbenennen, begonnen %1 in %2, wurde nicht beendet: %3 von %Ln Datei wurden umbenannt, bevor es abbrach.

Jetzt rückgängig machen?</numerusform>
            <numerusform>Das letzte Umbenennen, begonnen %1 in %2, wurde nicht beendet: %3 von %Ln Dateien wurden umbenannt, bevor es abbrach.

Jetzt rückgängig machen?</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>Der neue Name ist für diesen Ordner zu lang</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>Es wurden keine Dateien hinzugefügt: Der Ordner enthält nur Unterordner. Kreuzen Sie „Unterordner durchsuchen“ an und legen Sie ihn erneut ab.</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>&amp;Dateien hinzufügen...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>&amp;Ordner hinzufügen...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>Copyright © die Entwickler von Zentavo.

Zentavo ist freie Software unter der MIT-Lizenz: Sie dürfen es benutzen, kopieren, ändern, verkaufen und weitergeben, solange der Copyright- und Lizenzhinweis dabei bleibt. Es kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>Wenn Zentavo Ihnen Arbeit erspart, ist Geld immer willkommen, aber eine Postkarte tut es genauso. Probleme, Ideen und Postkarten an:</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Die Zentavo-Entwickler
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>Das Protokoll dieses Umbenennens in %1 ist unvollständig: %2

Rückgängig bringt womöglich nicht jede Datei zurück.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>ausstehend</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>ausstehend: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Umzubenennende Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 wieder unter ihrem Namen; %Ln nicht versucht. Erneut rückgängig machen holt den Rest zurück.</numerusform>
            <numerusform>%1 wieder unter ihrem Namen; %Ln nicht versucht. Erneut rückgängig machen holt den Rest zurück.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>Erneut umbenennen: %Ln Datei wieder umbenannt</numerusform>
            <numerusform>Erneut umbenennen: %Ln Dateien wieder umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>Umbenennen von %Ln Datei &amp;rückgängig machen</numerusform>
            <numerusform>Umbenennen von %Ln Dateien &amp;rückgängig machen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>Umbenennen von %Ln Datei &amp;wiederholen</numerusform>
            <numerusform>Umbenennen von %Ln Dateien &amp;wiederholen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Umbenennen wiederholen</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>Nicht vollständig wiederholt</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln Datei hat wieder ihren neuen Namen.</numerusform>
            <numerusform>%Ln Dateien haben wieder ihre neuen Namen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 wieder unter ihrem neuen Namen; %Ln nicht versucht. Erneut wiederholen benennt den Rest um.</numerusform>
            <numerusform>%1 wieder unter ihrem neuen Namen; %Ln nicht versucht. Erneut wiederholen benennt den Rest um.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln Datei konnte nicht wieder umbenannt werden:</numerusform>
            <numerusform>%Ln Dateien konnten nicht wieder umbenannt werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>Es gibt kein Umbenennen zum Wiederholen.</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>Lauf %1 läuft noch: ein anderes Programm benennt gerade mit seinem Protokoll um oder macht ihn rückgängig. Versuchen Sie es erneut, wenn er beendet ist.

Es wurde nichts verschoben.</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>Das Protokoll von Lauf %1 ist nach Eintrag %2 beschädigt; %3 von %Ln Datei zurückgeholt.</numerusform>
            <numerusform>Das Protokoll von Lauf %1 ist nach Eintrag %2 beschädigt; %3 von %Ln Dateien zurückgeholt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>Protokoll abgelehnt: %1 ist ein symbolischer Link oder kein Ordner, wo sein Ordner sein sollte.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>Protokoll abgelehnt: %1 gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>Protokoll abgelehnt: %1 ist für andere Benutzer offen (ein Ordner darf nur für Sie beschreibbar sein, eine Protokolldatei muss Modus 0600 haben).</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>Es wurde nichts verschoben.</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Ohne es kann das Umbenennen nicht rückgängig gemacht werden. Trotzdem umbenennen?</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>Der Ordner %1 wurde während des Umbenennens ersetzt</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>Der Ordner %1 oder der, in den die Datei verschoben werden sollte, wurde während des Umbenennens ersetzt</translation>
    </message>
</context>
</TS>
