<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>重命名模式(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>包括子文件夹(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>设置文件名(&amp;S)</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>重命名(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>新文件名</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(名称过长)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>重命名失败</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>%Ln 个文件重命名失败。</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完成</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>已成功重命名 %Ln 个文件。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 既无法重命名也无法还原：它现在位于 %2</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>在重命名 %1 时另一个程序写入了它的新名称；该程序的数据已保存为 %2</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>前 %Ln 个失败：</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists</source>
        <translation>已存在名为“%1”的文件</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>文件已不存在</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>文件或其要移入的文件夹不存在</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>文件系统不接受此名称</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>新名称过长</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>文件系统为只读</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>文件正在使用中</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>文件现在使用临时名称 %1</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>此次重命名遇到的另一个程序的数据已保存为 %1</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>列表中的另一个文件将得到相同的新路径：%1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>已存在名为“%1”的文件，且列表中没有文件会让出该名称</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>这些重命名构成一个循环，不替换文件就无法完成：%1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>新路径：%1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>未重命名：%1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>已重命名</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>部分内容未添加</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>无法读取以下项目，因此未添加其中的任何内容：</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>路径过长</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>正在查找文件：已找到 %Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>正在将 %Ln 个文件添加到列表</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>正在为 %Ln 个文件设置新名称</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>正在重命名：已完成 %L1 个，共 %Ln 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>正在撤销上次重命名：已移回 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>撤销上次重命名</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>撤销未完成</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln 个文件已恢复原名。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln 个文件无法恢复：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>……另有 %Ln 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>其名称已被占用；保留为 %1</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>文件已不存在</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 已不是同一个文件</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>无法移动 %1：%2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>没有可撤销的重命名。</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>无法读取上次重命名的日志：%1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>撤销操作也会记录日志，但无法写入 %1：%2

未移动任何文件。</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>无法在 %1 中写入此次重命名的日志：%2

没有日志，重命名将无法撤销。仍要重命名吗？</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>中断的重命名</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>关于 Zentavo(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>帮助(&amp;H)...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>关于 Zentavo...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo 版本 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>无法启动帮助。</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Zentavo 帮助</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>无法读取帮助文件 %1。</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>帮助文件 %1 中没有上下文 %2 的主题。</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>已重命名 %1 个；%Ln 个未尝试。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>已重命名：%1
失败：%2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>未尝试：%1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 个</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>在无法撤销的情况下重命名？</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>上次重命名（%1 开始于 %2）没有完成：中断前已重命名 %Ln 个文件中的 %3 个。

现在撤销吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>新名称对于此文件夹过长</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>未添加任何文件：该文件夹只包含子文件夹。请勾选“包括子文件夹”后再拖放一次。</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>添加文件(&amp;F)...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>添加文件夹(&amp;O)...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>版权所有 © Zentavo 开发者。

Zentavo 是采用 MIT 许可证的自由软件：只要附上版权和许可声明，您就可以使用、复制、修改、出售和传播它。本软件不提供任何担保。</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>如果 Zentavo 为您省了事，我们永远欢迎捐款，不过寄一张明信片也一样好。问题、想法和明信片请寄至：</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Zentavo 开发者
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>%1 中此次重命名的日志缺少部分记录：%2

撤销可能无法找回每个文件。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>待处理</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>待处理：%1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>已重命名</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>要重命名的文件</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 个已恢复原名；%Ln 个未尝试。再次撤销可找回其余文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>正在重做重命名：已再次重命名 %Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>撤销 %Ln 个文件的重命名(&amp;U)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>重做 %Ln 个文件的重命名(&amp;R)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>重做重命名</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>重做未完成</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln 个文件已恢复新名称。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 个已恢复新名称；%Ln 个未尝试。再次重做可重命名其余文件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln 个文件无法再次重命名：</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>没有可重做的重命名。</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>运行 %1 仍在进行中：另一个程序正在使用其日志进行重命名或撤销。请在其结束后重试。

没有移动任何文件。</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>运行 %1 的日志在记录 %2 之后已损坏；%Ln 个文件中已恢复 %3 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>已拒绝日志：%1 是符号链接，或者在其文件夹应在的位置不是文件夹。</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>已拒绝日志：%1 属于其他用户。</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>已拒绝日志：%1 对其他用户开放（文件夹必须只有您可写，日志文件的模式必须为 0600）。</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>没有移动任何文件。</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>没有日志，重命名将无法撤销。仍要重命名吗？</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>重命名期间文件夹 %1 被替换了</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>重命名期间文件夹 %1 或文件要移入的文件夹被替换了</translation>
    </message>
</context>
</TS>
