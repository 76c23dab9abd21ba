<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>&amp;Incluir subcarpetas</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>&amp;Generar nombres</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>¡&amp;Renombrar!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(nombre demasiado largo)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>No se pudo cambiar el nombre de %Ln archivo.</numerusform>
            <numerusform>No se pudo cambiar el nombre de %Ln archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>Se cambió el nombre de %Ln archivo correctamente.</numerusform>
            <numerusform>Se cambió el nombre de %Ln archivos correctamente.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 no se pudo renombrar ni devolver a su sitio: ahora está en %2</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>Otro programa escribió en el nombre nuevo de %1 mientras se le cambiaba el nombre; sus datos se guardaron como %2</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>El primer error:</numerusform>
            <numerusform>Los primeros %Ln errores:</numerusform>
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
        <translation>Ya existe un archivo llamado «%1»</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>El archivo ya no está</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>El archivo, o la carpeta a la que debía moverse, no está</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>El sistema de archivos no acepta este nombre</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>El nombre nuevo es demasiado largo</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>El sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>El disco está lleno</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>El archivo está en uso</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>El archivo tiene ahora el nombre temporal %1</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>Los datos de otro programa que encontró este cambio de nombre se guardaron como %1</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>Otro archivo de la lista recibiría la misma ruta nueva: %1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>Ya existe un archivo llamado «%1» y ningún archivo de la lista deja libre ese nombre</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>Estos cambios de nombre forman un ciclo que no puede completarse sin reemplazar un archivo: %1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>Ruta nueva: %1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Sin cambiar de nombre: %1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Nombre cambiado</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>No se añadió todo</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>No se pudieron leer estos elementos, así que no se añadió nada de ellos:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>La ruta es demasiado larga</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>Buscando archivos: %Ln encontrado</numerusform>
            <numerusform>Buscando archivos: %Ln encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>Añadiendo %Ln archivo a la lista</numerusform>
            <numerusform>Añadiendo %Ln archivos a la lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>Asignando el nombre nuevo a %Ln archivo</numerusform>
            <numerusform>Asignando los nombres nuevos a %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>Cambiando nombres: %L1 de %Ln archivo</numerusform>
            <numerusform>Cambiando nombres: %L1 de %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>Deshaciendo el último cambio de nombre: %Ln archivo devuelto</numerusform>
            <numerusform>Deshaciendo el último cambio de nombre: %Ln archivos devueltos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Deshacer el último cambio de nombre</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>Deshacer incompleto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln archivo ha recuperado su nombre.</numerusform>
            <numerusform>%Ln archivos han recuperado su nombre.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln archivo no se pudo devolver:</numerusform>
            <numerusform>%Ln archivos no se pudieron devolver:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>... y %Ln más.</numerusform>
            <numerusform>... y %Ln más.</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>su nombre está ocupado; se queda como %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ya no está</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 ya no es el mismo archivo</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>No se pudo mover %1: %2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>No hay ningún cambio de nombre que deshacer.</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>No se puede leer el registro del último cambio de nombre: %1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>Deshacer también lleva un registro, y no se puede escribir en %1: %2

No se movió nada.</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>No se puede escribir el registro de este cambio de nombre en %1: %2

Sin él, el cambio de nombre no se podrá deshacer. ¿Cambiar el nombre de todos modos?</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>Cambio de nombre interrumpido</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>&amp;Acerca de Zentavo...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ay&amp;uda...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>Acerca de Zentavo...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo versión 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>No se pudo abrir la ayuda.</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Ayuda de Zentavo</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>No se pudo leer el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>El archivo de ayuda %1 no tiene ningún tema para el contexto %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 con nombre cambiado; %Ln sin intentar.</numerusform>
            <numerusform>%1 con nombre cambiado; %Ln sin intentar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>Con nombre cambiado: %1
Con error: %2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Sin intentar: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>¿Cambiar el nombre sin poder deshacer?</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>El último cambio de nombre, iniciado el %1 en %2, no terminó: se cambió el nombre de %3 de %Ln archivo antes de la interrupción.

¿Deshacerlo ahora?</numerusform>
            <numerusform>El último cambio de nombre, iniciado el %1 en %2, no terminó: se cambió el nombre de %3 de %Ln archivos antes de la interrupción.

¿Deshacerlo ahora?</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>El nuevo nombre es demasiado largo para esta carpeta</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>No se añadió ningún archivo: la carpeta solo contiene subcarpetas. Marque «Incluir subcarpetas» y vuelva a soltarla.</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>Añadir a&amp;rchivos...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>Añadir carp&amp;eta...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>Copyright © los desarrolladores de Zentavo.

Zentavo es software libre bajo la licencia MIT: puede usarlo, copiarlo, modificarlo, venderlo y distribuirlo, siempre que lo acompañe el aviso de copyright y de licencia. Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>Si Zentavo le ahorra trabajo, el dinero siempre es bienvenido, pero una postal también vale. Problemas, ideas y postales a:</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Los desarrolladores de Zentavo
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>Al registro de este cambio de nombre en %1 le falta una parte: %2

Deshacer quizá no recupere todos los archivos.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>pendiente</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>pendiente: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Archivos para renombrar</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 de nuevo con su nombre; %Ln sin intentar. Deshaga otra vez para recuperar el resto.</numerusform>
            <numerusform>%1 de nuevo con su nombre; %Ln sin intentar. Deshaga otra vez para recuperar el resto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>Rehaciendo el cambio de nombre: %Ln archivo renombrado de nuevo</numerusform>
            <numerusform>Rehaciendo el cambio de nombre: %Ln archivos renombrados de nuevo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Deshacer el cambio de nombre de %Ln archivo</numerusform>
            <numerusform>&amp;Deshacer el cambio de nombre de %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>Re&amp;hacer el cambio de nombre de %Ln archivo</numerusform>
            <numerusform>Re&amp;hacer el cambio de nombre de %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Rehacer el cambio de nombre</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>Rehacer incompleto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln archivo tiene de nuevo su nombre nuevo.</numerusform>
            <numerusform>%Ln archivos tienen de nuevo sus nombres nuevos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 de nuevo con su nombre nuevo; %Ln sin intentar. Rehaga otra vez para renombrar el resto.</numerusform>
            <numerusform>%1 de nuevo con su nombre nuevo; %Ln sin intentar. Rehaga otra vez para renombrar el resto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln archivo no se pudo renombrar de nuevo:</numerusform>
            <numerusform>%Ln archivos no se pudieron renombrar de nuevo:</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>No hay ningún cambio de nombre que rehacer.</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>La ejecución %1 sigue en curso: otro programa está cambiando nombres o deshaciendo con su registro. Vuelva a intentarlo cuando haya terminado.

No se movió nada.</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>El registro de la ejecución %1 está dañado tras la entrada %2; %3 de %Ln archivo recuperado.</numerusform>
            <numerusform>El registro de la ejecución %1 está dañado tras la entrada %2; %3 de %Ln archivos recuperados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>Registro rechazado: %1 es un enlace simbólico, o no es una carpeta donde debería estar su carpeta.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>Registro rechazado: %1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>Registro rechazado: %1 está abierto a otros usuarios (solo usted debe poder escribir en una carpeta; un archivo de registro debe tener el modo 0600).</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>No se movió nada.</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Sin él, el cambio de nombre no se podrá deshacer. ¿Cambiar los nombres de todos modos?</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>La carpeta %1 fue reemplazada durante el cambio de nombre</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>La carpeta %1, o aquella a la que se iba a mover el archivo, fue reemplazada durante el cambio de nombre</translation>
    </message>
</context>
</TS>
