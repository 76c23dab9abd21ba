<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>&amp;Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>&amp;Définir les noms</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>&amp;Renommer !</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(nom trop long)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>Le renommage a échoué pour %Ln fichier.</numerusform>
            <numerusform>Le renommage a échoué pour %Ln fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>%Ln fichier a été renommé.</numerusform>
            <numerusform>%Ln fichiers ont été renommés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 n&apos;a pu être ni renommé ni remis en place : il se trouve maintenant sous %2</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>Un autre programme a écrit sous le nouveau nom de %1 pendant son renommage ; ses données ont été enregistrées sous %2</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>Le premier échec :</numerusform>
            <numerusform>Les %Ln premiers échecs :</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists</source>
        <translation>Un fichier nommé « %1 » existe déjà</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>Le fichier n&apos;est plus là</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>Le fichier, ou le dossier où il devait aller, n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>Le système de fichiers n&apos;accepte pas ce nom</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>Le nouveau nom est trop long</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>Le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>Le disque est plein</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>Le fichier est en cours d’utilisation</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>Le fichier porte maintenant le nom temporaire %1</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>Les données d&apos;un autre programme trouvées pendant ce renommage ont été enregistrées sous %1</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>Un autre fichier de la liste doit recevoir le même nouveau chemin : %1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>Un fichier nommé « %1 » existe déjà et aucun fichier de la liste ne libère ce nom</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>Ces renommages forment un cycle, qui ne peut aboutir sans remplacer un fichier : %1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>Nouveau chemin : %1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Non renommé : %1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renommé</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>Tout n&apos;a pas été ajouté</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>Ces éléments n&apos;ont pas pu être lus ; rien de leur contenu n&apos;a été ajouté :</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>Le chemin est trop long</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>Recherche des fichiers : %Ln trouvé</numerusform>
            <numerusform>Recherche des fichiers : %Ln trouvés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>Ajout de %Ln fichier à la liste</numerusform>
            <numerusform>Ajout de %Ln fichiers à la liste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>Attribution du nouveau nom à %Ln fichier</numerusform>
            <numerusform>Attribution des nouveaux noms à %Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>Renommage : %L1 fichier sur %Ln renommé</numerusform>
            <numerusform>Renommage : %L1 fichiers sur %Ln renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>Annulation du dernier renommage : %Ln fichier remis en place</numerusform>
            <numerusform>Annulation du dernier renommage : %Ln fichiers remis en place</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Annuler le dernier renommage</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>Annulation incomplète</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln fichier a retrouvé son nom.</numerusform>
            <numerusform>%Ln fichiers ont retrouvé leur nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln fichier n&apos;a pas pu être remis en place :</numerusform>
            <numerusform>%Ln fichiers n&apos;ont pas pu être remis en place :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>... et %Ln autre.</numerusform>
            <numerusform>... et %Ln autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>son nom est pris ; il reste %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il n&apos;existe plus</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 n&apos;est plus le même fichier</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>%1 n&apos;a pas pu être déplacé : %2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>Il n&apos;y a aucun renommage à annuler.</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>Le journal du dernier renommage ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>L&apos;annulation tient elle aussi un journal, qui ne peut pas être écrit dans %1 : %2

Rien n&apos;a été déplacé.</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Le journal de ce renommage ne peut pas être écrit dans %1 : %2

Sans lui, le renommage ne pourra pas être annulé. Renommer quand même ?</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>Renommage interrompu</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>À &amp;propos de Zentavo...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ai&amp;de...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>À propos de Zentavo...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible d&apos;ouvrir l&apos;aide.</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Aide de Zentavo</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas de rubrique pour le contexte %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 renommé(s) ; %Ln non tenté.</numerusform>
            <numerusform>%1 renommé(s) ; %Ln non tentés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>Renommés : %1
Échecs : %2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Non tentés : %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>Renommer sans possibilité d’annuler ?</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>Le dernier renommage, commencé le %1 dans %2, ne s&apos;est pas terminé : %3 fichier(s) sur %Ln ont été renommés avant l&apos;interruption.

L&apos;annuler maintenant ?</numerusform>
            <numerusform>Le dernier renommage, commencé le %1 dans %2, ne s&apos;est pas terminé : %3 fichier(s) sur %Ln ont été renommés avant l&apos;interruption.

L&apos;annuler maintenant ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>Le nouveau nom est trop long pour ce dossier</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>Aucun fichier n&apos;a été ajouté : le dossier ne contient que des sous-dossiers. Cochez « Inclure les sous-dossiers » et déposez-le à nouveau.</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>Ajouter des f&amp;ichiers...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>Ajouter un d&amp;ossier...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>Copyright © les développeurs de Zentavo.

Zentavo est un logiciel libre sous licence MIT : vous pouvez l&apos;utiliser, le copier, le modifier, le vendre et le transmettre, à condition que l&apos;avis de copyright et de licence l&apos;accompagne. Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>Si Zentavo vous épargne du travail, l&apos;argent est toujours bienvenu, mais une carte postale fera tout aussi bien l&apos;affaire. Problèmes, idées et cartes postales à :</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Les développeurs de Zentavo
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>Le journal de ce renommage dans %1 en omet une partie : %2

L’annulation risque de ne pas ramener tous les fichiers.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>en attente : %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommé</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Fichiers à renommer</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 de nouveau sous leur nom ; %Ln non tenté. Annulez encore pour ramener le reste.</numerusform>
            <numerusform>%1 de nouveau sous leur nom ; %Ln non tentés. Annulez encore pour ramener le reste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>Rétablissement du renommage : %Ln fichier renommé de nouveau</numerusform>
            <numerusform>Rétablissement du renommage : %Ln fichiers renommés de nouveau</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Annuler le renommage de %Ln fichier</numerusform>
            <numerusform>&amp;Annuler le renommage de %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Rétablir le renommage de %Ln fichier</numerusform>
            <numerusform>&amp;Rétablir le renommage de %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Rétablir le renommage</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>Rétablissement incomplet</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln fichier a de nouveau son nouveau nom.</numerusform>
            <numerusform>%Ln fichiers ont de nouveau leur nouveau nom.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 de nouveau sous leur nouveau nom ; %Ln non tenté. Rétablissez encore pour renommer le reste.</numerusform>
            <numerusform>%1 de nouveau sous leur nouveau nom ; %Ln non tentés. Rétablissez encore pour renommer le reste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln fichier n’a pas pu être renommé de nouveau :</numerusform>
            <numerusform>%Ln fichiers n’ont pas pu être renommés de nouveau :</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>Il n’y a aucun renommage à rétablir.</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>L&apos;exécution %1 est toujours en cours : un autre programme renomme ou annule avec son journal. Réessayez une fois qu&apos;elle est terminée.

Rien n&apos;a été déplacé.</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>Le journal de l&apos;exécution %1 est endommagé après l&apos;enregistrement %2 ; %3 fichier sur %Ln récupéré.</numerusform>
            <numerusform>Le journal de l&apos;exécution %1 est endommagé après l&apos;enregistrement %2 ; %3 fichiers sur %Ln récupérés.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>Journal refusé : %1 est un lien symbolique, ou n&apos;est pas un dossier là où son dossier devrait être.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>Journal refusé : %1 appartient à un autre utilisateur.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>Journal refusé : %1 est ouvert aux autres utilisateurs (un dossier ne doit être modifiable que par vous, un fichier journal doit avoir le mode 0600).</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>Rien n&apos;a été déplacé.</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Sans lui, le renommage ne pourra pas être annulé. Renommer quand même ?</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>Le dossier %1 a été remplacé pendant le renommage</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>Le dossier %1, ou celui dans lequel le fichier devait être déplacé, a été remplacé pendant le renommage</translation>
    </message>
</context>
</TS>
