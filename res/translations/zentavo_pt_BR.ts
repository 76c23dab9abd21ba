<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>&amp;Padrão:</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>&amp;Incluir subpastas</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>&amp;Definir nomes</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>&amp;Renomear!</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(nome longo demais)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Falha ao renomear</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>Não foi possível renomear %Ln arquivo.</numerusform>
            <numerusform>Não foi possível renomear %Ln arquivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>%Ln arquivo foi renomeado com sucesso.</numerusform>
            <numerusform>%Ln arquivos foram renomeados com sucesso.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 não pôde ser renomeado nem devolvido: agora está em %2</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>Outro programa gravou no novo nome de %1 enquanto ele era renomeado; os dados dele foram salvos como %2</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>A primeira falha:</numerusform>
            <numerusform>As primeiras %Ln falhas:</numerusform>
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
        <translation>Já existe um arquivo chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>O arquivo não está mais lá</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>O arquivo, ou a pasta para onde ele iria, não está lá</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>O sistema de arquivos não aceita este nome</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>O novo nome é longo demais</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>O sistema de arquivos é somente leitura</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>O disco está cheio</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>O arquivo está em uso</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>O arquivo está agora com o nome temporário %1</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>Os dados de outro programa encontrados nesta renomeação foram salvos como %1</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>Outro arquivo da lista receberia o mesmo novo caminho: %1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>Já existe um arquivo chamado &quot;%1&quot; e nenhum arquivo da lista libera esse nome</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>Estas renomeações formam um ciclo, que não pode ser concluído sem substituir um arquivo: %1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>Novo caminho: %1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>Não renomeado: %1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renomeado</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>Nem tudo foi adicionado</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>Não foi possível ler estes itens, então nada deles foi adicionado:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>O caminho é longo demais</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>Procurando arquivos: %Ln encontrado</numerusform>
            <numerusform>Procurando arquivos: %Ln encontrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>Adicionando %Ln arquivo à lista</numerusform>
            <numerusform>Adicionando %Ln arquivos à lista</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>Definindo o novo nome de %Ln arquivo</numerusform>
            <numerusform>Definindo os novos nomes de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>Renomeando: %L1 de %Ln arquivo renomeado</numerusform>
            <numerusform>Renomeando: %L1 de %Ln arquivos renomeados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>Desfazendo a última renomeação: %Ln arquivo devolvido</numerusform>
            <numerusform>Desfazendo a última renomeação: %Ln arquivos devolvidos</numerusform>
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
        <translation>Desfazer a última renomeação</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>Desfazer incompleto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln arquivo voltou ao nome anterior.</numerusform>
            <numerusform>%Ln arquivos voltaram aos nomes anteriores.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln arquivo não pôde ser devolvido:</numerusform>
            <numerusform>%Ln arquivos não puderam ser devolvidos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>... e mais %Ln.</numerusform>
            <numerusform>... e mais %Ln.</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>o nome dele está em uso; ele continua como %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ele não existe mais</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 não é mais o mesmo arquivo</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>Não foi possível mover %1: %2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>Não há renomeação para desfazer.</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>Não é possível ler o registro da última renomeação: %1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>Desfazer também mantém um registro, e ele não pode ser gravado em %1: %2

Nada foi movido.</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Não é possível gravar o registro desta renomeação em %1: %2

Sem ele, a renomeação não poderá ser desfeita. Renomear mesmo assim?</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>Renomeação interrompida</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>&amp;Sobre o Zentavo...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Aj&amp;uda...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>Sobre o Zentavo...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo versão 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Não foi possível abrir a ajuda.</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Ajuda do Zentavo</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>Não foi possível ler o arquivo de ajuda %1.</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>O arquivo de ajuda %1 não tem tópico para o contexto %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 renomeado(s); %Ln não tentado.</numerusform>
            <numerusform>%1 renomeado(s); %Ln não tentados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>Renomeados: %1
Com falha: %2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>Não tentados: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e mais %1</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>Renomear sem poder desfazer?</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>A última renomeação, iniciada em %1 em %2, não terminou: %3 de %Ln arquivo foram renomeados antes da interrupção.

Desfazê-la agora?</numerusform>
            <numerusform>A última renomeação, iniciada em %1 em %2, não terminou: %3 de %Ln arquivos foram renomeados antes da interrupção.

Desfazê-la agora?</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>O novo nome é longo demais para esta pasta</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>Nenhum arquivo foi adicionado: a pasta contém apenas subpastas. Marque “Incluir subpastas” e solte-a de novo.</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>Adicionar a&amp;rquivos...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>Adicionar &amp;pasta...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>Copyright © os desenvolvedores do Zentavo.

O Zentavo é software livre sob a licença MIT: você pode usá-lo, copiá-lo, alterá-lo, vendê-lo e repassá-lo, desde que o aviso de copyright e de licença o acompanhe. Ele vem sem nenhuma garantia.</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>Se o Zentavo poupar algum trabalho, dinheiro é sempre bem-vindo, mas um cartão-postal serve igualmente. Problemas, ideias e cartões-postais para:</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Os desenvolvedores do Zentavo
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>O registro desta renomeação em %1 não contém tudo: %2

Desfazer talvez não traga de volta todos os arquivos.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>pendente</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>pendente: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renomeado</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Arquivos a renomear</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 de volta com seus nomes; %Ln não tentado. Desfaça de novo para trazer de volta o resto.</numerusform>
            <numerusform>%1 de volta com seus nomes; %Ln não tentados. Desfaça de novo para trazer de volta o resto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>Refazendo a renomeação: %Ln arquivo renomeado de novo</numerusform>
            <numerusform>Refazendo a renomeação: %Ln arquivos renomeados de novo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Desfazer a renomeação de %Ln arquivo</numerusform>
            <numerusform>&amp;Desfazer a renomeação de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>Refa&amp;zer a renomeação de %Ln arquivo</numerusform>
            <numerusform>Refa&amp;zer a renomeação de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Refa&amp;zer</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Refazer a renomeação</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>Refazer incompleto</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln arquivo tem de novo seu nome novo.</numerusform>
            <numerusform>%Ln arquivos têm de novo seus nomes novos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 de novo com seus nomes novos; %Ln não tentado. Refaça de novo para renomear o resto.</numerusform>
            <numerusform>%1 de novo com seus nomes novos; %Ln não tentados. Refaça de novo para renomear o resto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln arquivo não pôde ser renomeado de novo:</numerusform>
            <numerusform>%Ln arquivos não puderam ser renomeados de novo:</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>Não há renomeação para refazer.</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>A execução %1 ainda está em andamento: outro programa está renomeando ou desfazendo com o registro dela. Tente novamente quando ela terminar.

Nada foi movido.</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>O registro da execução %1 está danificado após a entrada %2; %3 de %Ln arquivo recuperado.</numerusform>
            <numerusform>O registro da execução %1 está danificado após a entrada %2; %3 de %Ln arquivos recuperados.</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>Registro recusado: %1 é um link simbólico, ou não é uma pasta onde deveria estar a pasta dele.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>Registro recusado: %1 pertence a outro usuário.</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>Registro recusado: %1 está aberto a outros usuários (só você deve poder gravar em uma pasta; um arquivo de registro deve ter o modo 0600).</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>Nada foi movido.</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>Sem ele, a renomeação não poderá ser desfeita. Renomear mesmo assim?</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>A pasta %1 foi substituída durante a renomeação</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>A pasta %1, ou aquela para a qual o arquivo seria movido, foi substituída durante a renomeação</translation>
    </message>
</context>
</TS>
