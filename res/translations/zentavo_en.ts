<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Texts</name>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>Renaming failed for %Ln file.</numerusform>
            <numerusform>Renaming failed for %Ln files.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>%Ln file was renamed successfully.</numerusform>
            <numerusform>%Ln files were renamed successfully.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>The first failure:</numerusform>
            <numerusform>The first %Ln failures:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>Looking for files: %Ln found</numerusform>
            <numerusform>Looking for files: %Ln found</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>Adding %Ln file to the list</numerusform>
            <numerusform>Adding %Ln files to the list</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>Giving %Ln file its new name</numerusform>
            <numerusform>Giving %Ln files their new names</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>Renaming: %L1 of %Ln file renamed</numerusform>
            <numerusform>Renaming: %L1 of %Ln files renamed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>Undoing the last rename: %Ln file moved back</numerusform>
            <numerusform>Undoing the last rename: %Ln files moved back</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln file is back under its name.</numerusform>
            <numerusform>%Ln files are back under their names.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln file could not be brought back:</numerusform>
            <numerusform>%Ln files could not be brought back:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>... and %Ln more.</numerusform>
            <numerusform>... and %Ln more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 renamed; %Ln not tried.</numerusform>
            <numerusform>%1 renamed; %Ln not tried.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>The last rename, started %1 in %2, did not end: %3 of %Ln file was renamed before it was cut short.

Undo it now?</numerusform>
            <numerusform>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</numerusform>
            <numerusform>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>Redoing the rename: %Ln file renamed again</numerusform>
            <numerusform>Redoing the rename: %Ln files renamed again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Undo Rename of %Ln File</numerusform>
            <numerusform>&amp;Undo Rename of %Ln Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Redo Rename of %Ln File</numerusform>
            <numerusform>&amp;Redo Rename of %Ln Files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln file has its new name again.</numerusform>
            <numerusform>%Ln files have their new names again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</numerusform>
            <numerusform>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln file could not be renamed again:</numerusform>
            <numerusform>%Ln files could not be renamed again:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>The journal of run %1 is damaged after record %2; %3 of %Ln file brought back.</numerusform>
            <numerusform>The journal of run %1 is damaged after record %2; %3 of %Ln files brought back.</numerusform>
        </translation>
    </message>
</context>
</TS>
