<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Texts</name>
    <message>
        <source>Zentavo 1.0</source>
        <translation>Zentavo 1.0</translation>
    </message>
    <message>
        <source>Rename &amp;Pattern:</source>
        <translation>パターン(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Recurse into Subdirectories</source>
        <translation>サブフォルダーも検索(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Set Filenames</source>
        <translation>名前を設定(&amp;S)</translation>
    </message>
    <message>
        <source>Re&amp;name!</source>
        <translation>名前の変更(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>新しいファイル名</translation>
    </message>
    <message>
        <source>(name too long)</source>
        <translation>(名前が長すぎます)</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗しました</translation>
    </message>
    <message numerus="yes">
        <source>Renaming failed for %Ln file(s).</source>
        <translation>
            <numerusform>%Ln 個のファイルの名前を変更できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) were renamed successfully.</source>
        <translation>
            <numerusform>%Ln 個のファイルの名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be renamed nor put back: it is now %2</source>
        <translation>%1 は名前の変更も元に戻すこともできませんでした。現在は %2 です</translation>
    </message>
    <message>
        <source>Another program wrote to the new name of %1 while it was being renamed; its data was saved as %2</source>
        <translation>%1 の名前の変更中に別のプログラムが新しい名前に書き込みました。そのデータは %2 として保存されました</translation>
    </message>
    <message numerus="yes">
        <source>The first %Ln failure(s):</source>
        <translation>
            <numerusform>最初の %Ln 件の失敗:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists</source>
        <translation>「%1」という名前のファイルが既にあります</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>The file is no longer there</source>
        <translation>ファイルがもうありません</translation>
    </message>
    <message>
        <source>The file, or the folder it was to move into, is not there</source>
        <translation>ファイル、または移動先のフォルダーがありません</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>The file system does not accept this name</source>
        <translation>ファイルシステムがこの名前を受け付けません</translation>
    </message>
    <message>
        <source>The new name is too long</source>
        <translation>新しい名前が長すぎます</translation>
    </message>
    <message>
        <source>The file system is read-only</source>
        <translation>ファイルシステムが読み取り専用です</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The file is in use</source>
        <translation>ファイルは使用中です</translation>
    </message>
    <message>
        <source>The file is now under the temporary name %1</source>
        <translation>ファイルは現在、一時的な名前 %1 になっています</translation>
    </message>
    <message>
        <source>Another program&apos;s data that met this rename was saved as %1</source>
        <translation>この名前の変更中に見つかった別のプログラムのデータは %1 として保存されました</translation>
    </message>
    <message>
        <source>Another listed file is to get the same new path: %1</source>
        <translation>リストの別のファイルが同じ新しいパスになります: %1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists and no listed file moves it away</source>
        <translation>「%1」という名前のファイルが既にあり、リストのどのファイルもその名前を空けません</translation>
    </message>
    <message>
        <source>These renames form a cycle, which cannot complete without replacing a file: %1</source>
        <translation>これらの名前の変更は循環しており、ファイルを置き換えずには完了できません: %1</translation>
    </message>
    <message>
        <source>New path: %1</source>
        <translation>新しいパス: %1</translation>
    </message>
    <message>
        <source>Not renamed: %1</source>
        <translation>名前は変更されていません: %1</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>名前を変更しました</translation>
    </message>
    <message>
        <source>Not Everything Was Added</source>
        <translation>一部を追加できませんでした</translation>
    </message>
    <message>
        <source>These could not be read, so nothing in them was added:</source>
        <translation>次の項目は読み取れなかったため、その中のものは何も追加されていません:</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>The path is too long</source>
        <translation>パスが長すぎます</translation>
    </message>
    <message numerus="yes">
        <source>Looking for files: %Ln found</source>
        <translation>
            <numerusform>ファイルを検索中: %Ln 個見つかりました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Adding %Ln file(s) to the list</source>
        <translation>
            <numerusform>%Ln 個のファイルをリストに追加中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Giving %Ln file(s) their new names</source>
        <translation>
            <numerusform>%Ln 個のファイルに新しい名前を付けています</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renaming: %L1 of %Ln file(s) renamed</source>
        <translation>
            <numerusform>名前を変更中: %Ln 個中 %L1 個完了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undoing the last rename: %Ln file(s) moved back</source>
        <translation>
            <numerusform>最後の名前の変更を元に戻しています: %Ln 個を戻しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>最後の名前の変更を元に戻す</translation>
    </message>
    <message>
        <source>Undo Incomplete</source>
        <translation>元に戻す操作が完了しませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) are back under their names.</source>
        <translation>
            <numerusform>%Ln 個のファイルが元の名前に戻りました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be brought back:</source>
        <translation>
            <numerusform>%Ln 個のファイルを元に戻せませんでした:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more.</source>
        <translation>
            <numerusform>...ほか %Ln 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>its name is taken; it stays as %1</source>
        <translation>名前が使われているため、%1 のままです</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>%1 is no longer the same file</source>
        <translation>%1 は同じファイルではなくなっています</translation>
    </message>
    <message>
        <source>%1 could not be moved: %2</source>
        <translation>%1 を移動できませんでした: %2</translation>
    </message>
    <message>
        <source>There is no rename to undo.</source>
        <translation>元に戻せる名前の変更はありません。</translation>
    </message>
    <message>
        <source>The journal of the last rename cannot be read: %1</source>
        <translation>最後の名前の変更の記録を読み取れません: %1</translation>
    </message>
    <message>
        <source>The undo keeps a journal too, and it cannot be written in %1: %2

Nothing was moved.</source>
        <translation>元に戻す操作も記録を残しますが、%1 に書き込めません: %2

何も移動していません。</translation>
    </message>
    <message>
        <source>The journal of this rename cannot be written in %1: %2

Without it the rename cannot be undone. Rename anyway?</source>
        <translation>この名前の変更の記録を %1 に書き込めません: %2

記録がないと名前の変更を元に戻せません。それでも変更しますか?</translation>
    </message>
    <message>
        <source>Interrupted Rename</source>
        <translation>中断された名前の変更</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Zentavo...</source>
        <translation>Zentavo について(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>ヘルプ(&amp;H)...</translation>
    </message>
    <message>
        <source>About Zentavo...</source>
        <translation>Zentavo について...</translation>
    </message>
    <message>
        <source>Zentavo Version 1.0</source>
        <translation>Zentavo バージョン 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>ヘルプを起動できませんでした。</translation>
    </message>
    <message>
        <source>Zentavo Help</source>
        <translation>Zentavo ヘルプ</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>ヘルプファイル %1 を読み取れませんでした。</translation>
    </message>
    <message>
        <source>The help file %1 has no topic for context %2.</source>
        <translation>ヘルプファイル %1 にはコンテキスト %2 のトピックがありません。</translation>
    </message>
    <message numerus="yes">
        <source>%1 renamed; %Ln not tried.</source>
        <translation>
            <numerusform>%1 個の名前を変更、%Ln 個は未実行です。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed: %1
Failed: %2</source>
        <translation>変更済み: %1
失敗: %2</translation>
    </message>
    <message>
        <source>Not tried: %1</source>
        <translation>未実行: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>Rename Without Undo?</source>
        <translation>元に戻せない状態で名前を変更しますか?</translation>
    </message>
    <message numerus="yes">
        <source>The last rename, started %1 in %2, did not end: %3 of %Ln files were renamed before it was cut short.

Undo it now?</source>
        <translation>
            <numerusform>%1 に %2 で始めた最後の名前の変更は完了しませんでした。中断されるまでに %Ln 個中 %3 個の名前が変更されました。

今すぐ元に戻しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>The new name is too long for this folder</source>
        <translation>新しい名前はこのフォルダーには長すぎます</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>No files were added: the folder holds only subfolders. Tick Recurse into Subdirectories and drop it again.</source>
        <translation>ファイルは追加されませんでした: フォルダーにはサブフォルダーしかありません。「サブフォルダーも検索」にチェックを入れて、もう一度ドロップしてください。</translation>
    </message>
    <message>
        <source>Add &amp;Files...</source>
        <translation>ファイルを追加(&amp;F)...</translation>
    </message>
    <message>
        <source>Add F&amp;older...</source>
        <translation>フォルダーを追加(&amp;O)...</translation>
    </message>
    <message>
        <source>Copyright © the Zentavo developers.

Zentavo is free software under the MIT licence: you may use, copy, change, sell and pass it on, as long as the copyright and licence notice go with it. It comes without any warranty.</source>
        <translation>Copyright © Zentavo の開発者たち

Zentavo は MIT ライセンスのフリーソフトウェアです。著作権表示とライセンス表示を添える限り、使用、コピー、変更、販売、配布ができます。保証は一切ありません。</translation>
    </message>
    <message>
        <source>If Zentavo saves you some work, money is always welcome, but a postcard will do just as well. Problems, ideas and postcards go to:</source>
        <translation>Zentavo がお役に立てたなら、お金はいつでも歓迎ですが、絵はがきでも十分うれしいです。問題、アイデア、絵はがきの送り先:</translation>
    </message>
    <message>
        <source>The Zentavo developers
zentavo@example.org</source>
        <translation>Zentavo の開発者たち
zentavo@example.org</translation>
    </message>
    <message>
        <source>The journal of this rename in %1 misses some of it: %2

Undo may not bring back every file.</source>
        <translation>%1 にあるこの名前の変更の記録には漏れがあります: %2

元に戻しても、すべてのファイルが戻るとは限りません。</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>未処理</translation>
    </message>
    <message>
        <source>pending: %1</source>
        <translation>未処理: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>変更済み</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>名前を変更するファイル</translation>
    </message>
    <message numerus="yes">
        <source>%1 back under their names; %Ln not tried. Undo again to bring back the rest.</source>
        <translation>
            <numerusform>%1 件が元の名前に戻りました。%Ln 件は未実行です。もう一度元に戻すと残りも戻ります。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Redoing the rename: %Ln file(s) renamed again</source>
        <translation>
            <numerusform>名前の変更をやり直しています: %Ln 件を再び変更</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln 件の名前の変更を元に戻す(&amp;U)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln 件の名前の変更をやり直す(&amp;R)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>名前の変更のやり直し</translation>
    </message>
    <message>
        <source>Redo Incomplete</source>
        <translation>やり直しが完了しませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) have their new names again.</source>
        <translation>
            <numerusform>%Ln 件のファイルが再び新しい名前になりました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 under their new names again; %Ln not tried. Redo again to rename the rest.</source>
        <translation>
            <numerusform>%1 件が再び新しい名前になりました。%Ln 件は未実行です。もう一度やり直すと残りも変更されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln file(s) could not be renamed again:</source>
        <translation>
            <numerusform>%Ln 件のファイルを再び変更できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no rename to redo.</source>
        <translation>やり直す名前の変更はありません。</translation>
    </message>
    <message>
        <source>Run %1 is still running: another program is renaming or undoing with its journal. Try again once it has ended.

Nothing was moved.</source>
        <translation>実行 %1 はまだ実行中です: 別のプログラムがその記録を使って名前の変更または取り消しを行っています。終了してからもう一度お試しください。

何も移動されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>The journal of run %1 is damaged after record %2; %3 of %Ln file(s) brought back.</source>
        <translation>
            <numerusform>実行 %1 の記録はレコード %2 の後が破損しています。%Ln 個のファイルのうち %3 個を元に戻しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>The journal is refused: %1 is a symbolic link, or not a folder where its folder should be.</source>
        <translation>記録を拒否しました: %1 はシンボリックリンクか、フォルダーがあるべき場所にあるフォルダーではないものです。</translation>
    </message>
    <message>
        <source>The journal is refused: %1 belongs to another user.</source>
        <translation>記録を拒否しました: %1 は別のユーザーのものです。</translation>
    </message>
    <message>
        <source>The journal is refused: %1 is open to other users (a folder must be writable by you alone, a journal file mode 0600).</source>
        <translation>記録を拒否しました: %1 は他のユーザーに開かれています (フォルダーはあなただけが書き込めること、記録ファイルはモード 0600 であること)。</translation>
    </message>
    <message>
        <source>Nothing was moved.</source>
        <translation>何も移動されませんでした。</translation>
    </message>
    <message>
        <source>Without it the rename cannot be undone. Rename anyway?</source>
        <translation>記録がないと、名前の変更を元に戻せません。それでも名前を変更しますか?</translation>
    </message>
    <message>
        <source>The folder %1 was replaced during the rename</source>
        <translation>名前の変更中にフォルダー %1 が置き換えられました</translation>
    </message>
    <message>
        <source>The folder %1, or the one the file was to move into, was replaced during the rename</source>
        <translation>名前の変更中にフォルダー %1、またはファイルの移動先のフォルダーが置き換えられました</translation>
    </message>
</context>
</TS>
