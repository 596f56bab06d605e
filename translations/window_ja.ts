<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ArchivePasswordDialog</name>
    <message>
        <source>&quot;%1&quot; needs a password:</source>
        <translation>「%1」にはパスワードが必要です:</translation>
    </message>
    <message>
        <source>That password is wrong.</source>
        <translation>パスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>&amp;Use for the rest of this run</source>
        <translation>この処理の残りにも使用(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Skip this archive</source>
        <translation>このアーカイブをスキップ(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Zip File(s)</source>
        <translation>ZIP ファイル</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>ここにファイルをドラッグ＆ドロップします。項目をダブルクリックすると削除されます。| の線を右へウィンドウの外までドラッグすると、名前全体が表示されます。</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quorvane at %1</source>
        <translation>ご質問は Team Quorvane (%1) までお問い合わせください</translation>
    </message>
    <message>
        <source>Please specify the 1 password to use for all unzips:</source>
        <translation>すべてのアーカイブに使う共通のパスワードを入力してください:</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Stop after the current archive?

Yes lets it finish; Stop Now stops it too, leaving nothing half-written.</source>
        <translation>現在のアーカイブの後で停止しますか？

「はい」ではこのアーカイブの展開を終えてから停止します。「今すぐ停止」ではこれも中断し、書きかけのものは何も残しません。</translation>
    </message>
    <message>
        <source>Zip files to extract</source>
        <translation>展開する ZIP ファイル</translation>
    </message>
    <message>
        <source>The archives extracted by Start Unzipping, top to bottom. Delete removes the selected row; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>「展開を開始」で上から順に展開されるアーカイブです。Delete キーで選択した行を削除し、Ctrl+↑ と Ctrl+↓ で移動します。</translation>
    </message>
    <message>
        <source>Choose archives to add to the list</source>
        <translation>リストに追加するアーカイブを選択します</translation>
    </message>
    <message>
        <source>Extract every archive of the list; during a run, asks whether to stop</source>
        <translation>リストのすべてのアーカイブを展開します。処理中は停止するかどうかを確認します</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>出力フォルダーを選択します</translation>
    </message>
    <message>
        <source>Opens a folder picker for the folder the archives are extracted into</source>
        <translation>アーカイブの展開先フォルダーを選ぶダイアログを開きます</translation>
    </message>
    <message>
        <source>Add every archive found in a folder and its subfolders</source>
        <translation>フォルダーとそのサブフォルダーにあるすべてのアーカイブを追加します</translation>
    </message>
    <message>
        <source>Remove every row from the list</source>
        <translation>リストからすべての行を削除します</translation>
    </message>
    <message>
        <source>Add the sample archives shipped with Marrowlyn</source>
        <translation>Marrowlyn に付属のサンプル アーカイブを追加します</translation>
    </message>
    <message>
        <source>Set the one password used for all archives of a run</source>
        <translation>1 回の処理ですべてのアーカイブに使う共通のパスワードを設定します</translation>
    </message>
    <message>
        <source>How to reach the people who make Marrowlyn</source>
        <translation>Marrowlyn の開発者への連絡方法</translation>
    </message>
    <message>
        <source>Subfolder names, files already in place, what becomes of extracted archives, passwords, reports and archives inside archives</source>
        <translation>サブフォルダー名、既存のファイル、展開後のアーカイブの扱い、パスワード、レポート、アーカイブ内のアーカイブ</translation>
    </message>
    <message>
        <source>Each archive is extracted into a subfolder of its own</source>
        <translation>アーカイブごとに個別のサブフォルダーへ展開します</translation>
    </message>
    <message>
        <source>Every archive is extracted into the output folder itself</source>
        <translation>すべてのアーカイブを出力フォルダーに直接展開します</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>The folder the archives are extracted into</source>
        <translation>アーカイブの展開先フォルダー</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>The share of the run done, and the archive in work</source>
        <translation>処理の進み具合と処理中のアーカイブ</translation>
    </message>
    <message>
        <source>&amp;Add Zip File(s)</source>
        <translation>ZIP ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add All Zip Files In &amp;Folder</source>
        <translation>フォルダー内の ZIP を追加(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>リストをクリア(&amp;C)</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>サンプル ファイルを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>Set &amp;Password (Optional)</source>
        <translation>パスワードを設定 (任意)(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Unzip Option</source>
        <translation>展開方法</translation>
    </message>
    <message>
        <source>Unzip &amp;each zip into its own subfolder folder</source>
        <translation>ZIP ごとに個別のサブフォルダーへ展開(&amp;E)</translation>
    </message>
    <message>
        <source>Unzip all zips into &amp;one folder</source>
        <translation>すべての ZIP を 1 つのフォルダーへ展開(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;More Options...</source>
        <translation>詳細設定(&amp;M)...</translation>
    </message>
    <message>
        <source>Unzip To This Folder</source>
        <translation>展開先フォルダー</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Start &amp;Unzipping</source>
        <translation>展開を開始(&amp;U)</translation>
    </message>
    <message>
        <source>Skin file could not be read: %1</source>
        <translation>スキン ファイルを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>無効な画像です</translation>
    </message>
    <message>
        <source>This path was not found and was not added:</source>
        <translation>次のパスは見つからなかったため、追加されませんでした:</translation>
    </message>
    <message>
        <source>These paths were not found and were not added:</source>
        <translation>次のパスは見つからなかったため、追加されませんでした:</translation>
    </message>
</context>
<context>
    <name>MoreOptionsDialog</name>
    <message>
        <source>More Options</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Up to the first dot</source>
        <translation>最初のドットまで</translation>
    </message>
    <message>
        <source>The whole name without .zip</source>
        <translation>.zip を除いた名前全体</translation>
    </message>
    <message>
        <source>Smart: none when the archive has one top folder</source>
        <translation>自動: 最上位が 1 つのフォルダーだけなら作らない</translation>
    </message>
    <message>
        <source>Subfolder name</source>
        <translation>サブフォルダー名</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>置き換える</translation>
    </message>
    <message>
        <source>Skip it</source>
        <translation>スキップする</translation>
    </message>
    <message>
        <source>Keep both (the new one gets &quot; (2)&quot;)</source>
        <translation>両方残す (新しい方に「 (2)」を付ける)</translation>
    </message>
    <message>
        <source>Replace it only with a newer one</source>
        <translation>新しい場合のみ置き換える</translation>
    </message>
    <message>
        <source>When a file exists</source>
        <translation>ファイルが既にある場合</translation>
    </message>
    <message>
        <source>Leave it</source>
        <translation>そのまま残す</translation>
    </message>
    <message>
        <source>Move it to the trash</source>
        <translation>ゴミ箱へ移動する</translation>
    </message>
    <message>
        <source>Move it to this folder:</source>
        <translation>次のフォルダーへ移動する:</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly</source>
        <translation>アーカイブを正常に展開した後</translation>
    </message>
    <message>
        <source>Folder for extracted archives</source>
        <translation>展開済みアーカイブの移動先フォルダー</translation>
    </message>
    <message>
        <source>Choose the folder for extracted archives</source>
        <translation>展開済みアーカイブの移動先フォルダーを選択します</translation>
    </message>
    <message>
        <source>Write a report of each run (CSV) into the output folder</source>
        <translation>処理ごとのレポート (CSV) を出力フォルダーに書き込む</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once</source>
        <translation>アーカイブ内の ZIP アーカイブも展開する (1 階層のみ)</translation>
    </message>
    <message>
        <source>and then re&amp;move them</source>
        <translation>展開後に削除する(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Subfolder name (one subfolder per archive):</source>
        <translation>サブフォルダー名 (アーカイブごとに 1 つ)(&amp;S):</translation>
    </message>
    <message>
        <source>When a file &amp;exists:</source>
        <translation>ファイルが既にある場合(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;After an archive is extracted cleanly:</source>
        <translation>アーカイブを正常に展開した後(&amp;A):</translation>
    </message>
    <message>
        <source>Passwords tried in &amp;turn:</source>
        <translation>順に試すパスワード(&amp;T):</translation>
    </message>
    <message>
        <source>When the run e&amp;nds:</source>
        <translation>処理の終了時(&amp;N):</translation>
    </message>
    <message>
        <source>Archives &amp;inside archives:</source>
        <translation>アーカイブ内のアーカイブ(&amp;I):</translation>
    </message>
    <message>
        <source>Each choice is kept as soon as it is made; the passwords when this closes.</source>
        <translation>各設定は選んだ時点で保存されます。パスワードはこの画面を閉じたときに保存されます。</translation>
    </message>
    <message>
        <source>Move extracted archives to this folder:</source>
        <translation>展開済みアーカイブを次のフォルダーへ移動:</translation>
    </message>
    <message>
        <source>ZIP only</source>
        <translation>ZIP のみ</translation>
    </message>
    <message>
        <source>Every kind Marrowlyn reads</source>
        <translation>Marrowlyn が読めるすべての形式</translation>
    </message>
    <message>
        <source>Archive kinds</source>
        <translation>アーカイブの形式</translation>
    </message>
    <message>
        <source>Every kind: ZIP, 7z, RAR, tar (also compressed), .gz .bz2 .xz .zst .lz4 .lz .Z files, ISO 9660, cab, cpio and self-extractors, told by their content.</source>
        <translation>すべての形式: ZIP、7z、RAR、tar (圧縮されたものも)、.gz .bz2 .xz .zst .lz4 .lz .Z ファイル、ISO 9660、cab、cpio、自己解凍形式。内容から判別します。</translation>
    </message>
    <message>
        <source>Archive &amp;kinds:</source>
        <translation>アーカイブの形式(&amp;K):</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>確認する</translation>
    </message>
    <message>
        <source>When an archive needs a &amp;password:</source>
        <translation>アーカイブにパスワードが必要な場合(&amp;P):</translation>
    </message>
</context>
<context>
    <name>PasswordListEditor</name>
    <message>
        <source>Ad&amp;d...</source>
        <translation>追加(&amp;D)...</translation>
    </message>
    <message>
        <source>Add a password</source>
        <translation>パスワードを追加します</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Remove the chosen password</source>
        <translation>選択したパスワードを削除します</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ(&amp;U)</translation>
    </message>
    <message>
        <source>Try the chosen password earlier</source>
        <translation>選択したパスワードを先に試します</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ(&amp;W)</translation>
    </message>
    <message>
        <source>Try the chosen password later</source>
        <translation>選択したパスワードを後で試します</translation>
    </message>
    <message>
        <source>Passwords, in the order they are tried</source>
        <translation>パスワード (試す順)</translation>
    </message>
    <message>
        <source>Where the list is kept</source>
        <translation>リストの保存場所</translation>
    </message>
    <message>
        <source>Please type a password to add to the list:</source>
        <translation>リストに追加するパスワードを入力してください:</translation>
    </message>
    <message>
        <source>The list is kept in the system&apos;s keyring.</source>
        <translation>リストはシステムのキーリングに保存されます。</translation>
    </message>
    <message>
        <source>No keyring is available: the list is kept until Marrowlyn closes.</source>
        <translation>キーリングを利用できません。リストは Marrowlyn を閉じるまで保持されます。</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>詳細を隠す(&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>出力フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Stop Now</source>
        <translation>今すぐ停止(&amp;S)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marrowlyn: later starts will open windows of their own</source>
        <translation>marrowlyn: 以降の起動では、それぞれ別のウィンドウが開きます</translation>
    </message>
    <message>
        <source>marrowlyn: no folder of this user&apos;s own for the socket; this start opens a window of its own</source>
        <translation>marrowlyn: このユーザー専用のソケット用フォルダーがありません。この起動では別のウィンドウを開きます</translation>
    </message>
    <message>
        <source>Usage: marrowlyn [QT-OPTION...] [PATH...] [-- PATH...]
Opens the Marrowlyn window with each PATH in the list: an archive, or a folder whose
archives are added. While a window is open, the paths are given to it instead.
Everything after &quot;--&quot; is a path, even when it begins with &quot;-&quot;.

  -h, --help     Show this help.
  --version      Show the version.

Qt&apos;s own options are accepted, among them -platform NAME, -style NAME, -reverse,
-qwindowgeometry GEOMETRY and -display DISPLAY.
To extract without a window, use marrowlyn-batch (see marrowlyn-batch --help).
</source>
        <translation>使い方: marrowlyn [QT-OPTION...] [PATH...] [-- PATH...]
リストに各 PATH を入れて Marrowlyn のウィンドウを開きます。PATH は
アーカイブか、中のアーカイブを追加するフォルダーです。ウィンドウが既に
開いている場合は、そのウィンドウにパスを渡します。
&quot;--&quot; より後ろは、「-」で始まっていてもパスとして扱います。

  -h, --help     このヘルプを表示します。
  --version      バージョンを表示します。

Qt 自身のオプションも使えます (-platform NAME、-style NAME、-reverse、
-qwindowgeometry GEOMETRY、-display DISPLAY など)。
ウィンドウを開かずに展開するには marrowlyn-batch を使います
(marrowlyn-batch --help を参照)。
</translation>
    </message>
    <message>
        <source>marrowlyn: unknown option &apos;%1&apos;
Try &apos;marrowlyn --help&apos; for more information.</source>
        <translation>marrowlyn: 不明なオプション &apos;%1&apos;
詳しくは &apos;marrowlyn --help&apos; を実行してください。</translation>
    </message>
</context>
</TS>
