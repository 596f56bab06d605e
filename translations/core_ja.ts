<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AddFolder</name>
    <message>
        <source>the folder scan failed</source>
        <translation>フォルダーの走査に失敗しました</translation>
    </message>
</context>
<context>
    <name>AddingCommands</name>
    <message>
        <source>%1: the folder could not be read</source>
        <translation>%1: フォルダーを読み取れませんでした</translation>
    </message>
    <message>
        <source>One dropped item could not be examined and was not added.</source>
        <translation>ドロップされた項目 1 件を調べられなかったため、追加しませんでした。</translation>
    </message>
    <message>
        <source>%1 dropped items could not be examined and were not added.</source>
        <translation>ドロップされた項目 %1 件を調べられなかったため、追加しませんでした。</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>ファイルの追加 - 複数選択するには Ctrl キーを押したまま選択します</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001</source>
        <translation>ZIP ファイル (*.zip)|*.zip|分割 ZIP ファイル (*.zip.001)|*.zip.001</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>読み込むファイルの拡張子を入力してください:<byte value="xd"/><byte value="xd"/>(* ですべてのファイル、txt ですべての txt ファイル、doc ですべての doc ファイル、など)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.<byte value="xd"/><byte value="xd"/>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>追加するファイルが多すぎます。<byte value="xd"/><byte value="xd"/>「フォルダー内の ZIP を追加」ボタンで追加してください。</translation>
    </message>
    <message>
        <source>Enter the file extensions to load, apart by spaces:<byte value="xd"/><byte value="xd"/>(zip 7z rar for those three kinds, * for all files, etc.)</source>
        <translation>読み込むファイルの拡張子をスペース区切りで入力してください:<byte value="xd"/><byte value="xd"/>(zip 7z rar でこの 3 形式、* ですべてのファイル、など)</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>アーカイブ</translation>
    </message>
</context>
<context>
    <name>AfterExtract</name>
    <message>
        <source>extracted, but not moved: the folder &quot;%1&quot; does not exist</source>
        <translation>展開しましたが移動していません: フォルダー「%1」が存在しません</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to &quot;%2&quot;: %3</source>
        <translation>展開しましたが、「%1」を「%2」へ移動できませんでした: %3</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to the trash: %2</source>
        <translation>展開しましたが、「%1」をゴミ箱へ移動できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveJob</name>
    <message>
        <source>extracted, but not every archive inside: %1</source>
        <translation>展開しましたが、中のアーカイブの一部は展開できませんでした: %1</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>ゴミ箱へ移動しました</translation>
    </message>
    <message>
        <source>moved to &quot;%1&quot;</source>
        <translation>「%1」へ移動しました</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>opened by the %1 password of the list</source>
        <translation>リストの %1 番目のパスワードで開きました</translation>
    </message>
    <message numerus="yes">
        <source>%n file kept as it was</source>
        <translation>
            <numerusform>%n 個のファイルをそのまま残しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files kept as they were</source>
        <translation>
            <numerusform>%n 個のファイルをそのまま残しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file renamed</source>
        <translation>
            <numerusform>%n 個のファイルの名前を変更しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files renamed</source>
        <translation>
            <numerusform>%n 個のファイルの名前を変更しました</numerusform>
        </translation>
    </message>
    <message>
        <source>not a ZIP archive: %1</source>
        <translation>ZIP アーカイブではありません: %1</translation>
    </message>
    <message>
        <source>choose &quot;Every kind Marrowlyn reads&quot; in More Options to open it</source>
        <translation>開くには「詳細設定」で「Marrowlyn が読めるすべての形式」を選んでください</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>row %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>未開始: 処理が停止されました</translation>
    </message>
    <message>
        <source> (a stored one must be confirmed with Set Password (Optional))</source>
        <translation> (保存済みのパスワードは「パスワードを設定 (任意)」で確認する必要があります)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the name does not end in .zip</source>
        <translation>名前が .zip で終わっていません</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive</source>
        <translation>ファイルが ZIP アーカイブではありません</translation>
    </message>
    <message>
        <source>the file could not be read in time</source>
        <translation>ファイルを時間内に読み取れませんでした</translation>
    </message>
    <message>
        <source>no destination folder</source>
        <translation>展開先フォルダーがありません</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>一部のエントリを展開できませんでした</translation>
    </message>
    <message>
        <source>the unzip engine library is missing</source>
        <translation>展開エンジンのライブラリがありません</translation>
    </message>
    <message>
        <source>the extraction failed</source>
        <translation>展開に失敗しました</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>ファイルが追加されていません。</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>処理中: %1</translation>
    </message>
    <message>
        <source>passed over: no unzip mode is selected</source>
        <translation>対象外: 展開方法が選択されていません</translation>
    </message>
    <message>
        <source>the extraction could not be started</source>
        <translation>展開を開始できませんでした</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>レポートを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>The output folder could not be opened: no program on this computer could show it.

The folder is:
%1</source>
        <translation>出力フォルダーを開けませんでした。このコンピューターにはフォルダーを表示できるプログラムがありません。

フォルダー:
%1</translation>
    </message>
    <message>
        <source>added after the run began; waiting for the next run</source>
        <translation>処理の開始後に追加されました。次回の処理を待っています</translation>
    </message>
</context>
<context>
    <name>BatchSurface</name>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況バー</translation>
    </message>
</context>
<context>
    <name>EngineLibrary</name>
    <message>
        <source>File not found: %1 (%2)</source>
        <translation>ファイルが見つかりません: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Can&apos;t find DLL entry point %1 in %2</source>
        <translation>%2 にエントリ ポイント %1 が見つかりません</translation>
    </message>
</context>
<context>
    <name>FailureSummary</name>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>パスワードが違います</translation>
    </message>
    <message>
        <source>wrong password (%1)</source>
        <translation>パスワードが違います (%1)</translation>
    </message>
    <message>
        <source>damaged: %1 failed its check</source>
        <translation>破損: %1が検査に失敗しました</translation>
    </message>
    <message>
        <source>damaged: %1 failed their check</source>
        <translation>破損: %1が検査に失敗しました</translation>
    </message>
    <message>
        <source>unsupported method %1 in %2</source>
        <translation>%2 に未対応の方式 %1 があります</translation>
    </message>
    <message>
        <source>unsupported %1 in %2</source>
        <translation>%2 に未対応の %1 があります</translation>
    </message>
    <message>
        <source>%1 refused as unsafe</source>
        <translation>安全でないため拒否: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>%1 could not be extracted</source>
        <translation>%1を展開できませんでした</translation>
    </message>
    <message>
        <source>; </source>
        <translation>、</translation>
    </message>
    <message>
        <source>the last part (&quot;%1&quot;) of the set is cut short or damaged: it has no end record</source>
        <translation>分割アーカイブの最後のパート (「%1」) が途中で切れているか壊れています: 終端レコードがありません</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is missing</source>
        <translation>パート %1 (「%2」) がありません</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it is not as long as the first</source>
        <translation>パート %1 (「%2」) が途中で切れているか壊れています: 最初のパートより短くなっています</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it has no end record</source>
        <translation>パート %1 (「%2」) が途中で切れているか壊れています: 終端レコードがありません</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged</source>
        <translation>パート %1 (「%2」) が途中で切れているか壊れています</translation>
    </message>
    <message>
        <source>needs a password: none is in force for this run</source>
        <translation>パスワードが必要です: この処理にはパスワードが設定されていません</translation>
    </message>
    <message>
        <source>encrypted %1 archive: this encryption cannot be opened yet</source>
        <translation>暗号化された %1 アーカイブ: この暗号化方式にはまだ対応していません</translation>
    </message>
</context>
<context>
    <name>MissingOutputFolder</name>
    <message>
        <source>(No folder is given.)</source>
        <translation>(フォルダーが指定されていません。)</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>不明な理由</translation>
    </message>
    <message>
        <source>The folder could not be created:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>フォルダーを作成できませんでした:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>フォルダーが存在しません。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Create this folder now and start unzipping?</source>
        <translation>このフォルダーを今作成して展開を開始しますか？</translation>
    </message>
</context>
<context>
    <name>NestedArchives</name>
    <message>
        <source>1 archive inside extracted and removed</source>
        <translation>中のアーカイブ 1 個を展開して削除しました</translation>
    </message>
    <message>
        <source>%1 archives inside extracted and removed</source>
        <translation>中のアーカイブ %1 個を展開して削除しました</translation>
    </message>
    <message>
        <source>%1 archives inside extracted, %2 removed</source>
        <translation>中のアーカイブ %1 個を展開し、%2 個を削除しました</translation>
    </message>
    <message>
        <source>1 archive inside extracted</source>
        <translation>中のアーカイブ 1 個を展開しました</translation>
    </message>
    <message>
        <source>%1 archives inside extracted</source>
        <translation>中のアーカイブ %1 個を展開しました</translation>
    </message>
    <message>
        <source>refused, with the archives inside after it: together they would unpack to more than %1 times the size of the archive that holds them</source>
        <translation>拒否しました (以降の中のアーカイブも同様): 展開すると、それらを含むアーカイブの %1 倍を超えるサイズになります</translation>
    </message>
    <message>
        <source>it was replaced before it could be extracted</source>
        <translation>展開する前に置き換えられました</translation>
    </message>
</context>
<context>
    <name>OutputFolderWatch</name>
    <message>
        <source>the output folder &quot;%1&quot; is gone (%2); nothing more is extracted into it</source>
        <translation>出力フォルダー「%1」がなくなりました (%2)。これ以上は展開しません</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; was replaced during the run; nothing more is extracted into it</source>
        <translation>出力フォルダー「%1」が処理中に置き換えられました。これ以上は展開しません</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>
and %1 more; the details list them all.</source>
        <translation>
ほか %1 件。すべて詳細に表示されます。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>%1 of %2 archive was not extracted cleanly</source>
        <translation>%2 個中 %1 個のアーカイブを正常に展開できませんでした</translation>
    </message>
    <message>
        <source>; the details list them all.</source>
        <translation>。すべて詳細に表示されます。</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives was not extracted cleanly</source>
        <translation>
            <numerusform>%1 個中 %n 個のアーカイブを正常に展開できませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives were not extracted cleanly</source>
        <translation>
            <numerusform>%1 個中 %n 個のアーカイブを正常に展開できませんでした</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラーです</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>これらのサンプル ファイルが保存されているフォルダーを開きますか？ (使う前に中身を確認できます)</translation>
    </message>
    <message>
        <source>The folder could not be opened: no program to show folders was found on this computer.<byte value="xd"/><byte value="xd"/>The sample files are in:<byte value="xd"/></source>
        <translation>フォルダーを開けませんでした。このコンピューターにはフォルダーを表示するプログラムが見つかりません。<byte value="xd"/><byte value="xd"/>サンプル ファイルの場所:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>SetMove</name>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the disk quota is exhausted</source>
        <translation>ディスク クォータを超えています</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>フォルダーが読み取り専用です</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>なくなっています</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>シンボリック リンクです</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>every free name is taken</source>
        <translation>使用できる名前がすべて使われています</translation>
    </message>
    <message>
        <source>it was replaced while it was moved</source>
        <translation>移動中に置き換えられました</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>ディスクの読み書きができませんでした</translation>
    </message>
</context>
<context>
    <name>TrappedProcedure</name>
    <message>
        <source>Application Error</source>
        <translation>アプリケーション エラー</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2%3 行目<byte value="xd"/><byte value="xd"/>このメッセージのスクリーンショットを %4 までメールでお送りください</translation>
    </message>
</context>
<context>
    <name>UnzipArchive</name>
    <message>
        <source>the unzip engine (%1) is missing or damaged</source>
        <translation>展開エンジン (%1) がないか、壊れています</translation>
    </message>
    <message>
        <source>stopped on request</source>
        <translation>要求により停止しました</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>一部のエントリを展開できませんでした</translation>
    </message>
    <message>
        <source>the archive is damaged or not a ZIP archive</source>
        <translation>アーカイブが壊れているか、ZIP アーカイブではありません</translation>
    </message>
    <message>
        <source>there is not enough free space at the destination</source>
        <translation>展開先の空き容量が足りません</translation>
    </message>
    <message>
        <source>the archive was refused as unsafe</source>
        <translation>安全でないためアーカイブを拒否しました</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written</source>
        <translation>展開先フォルダーを作成できないか、書き込めません</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written (%1)</source>
        <translation>展開先フォルダーを作成できないか、書き込めません (%1)</translation>
    </message>
    <message>
        <source>none of the requested entries is in the archive</source>
        <translation>要求されたエントリはアーカイブ内にありません</translation>
    </message>
    <message>
        <source>the unzip engine refused the request</source>
        <translation>展開エンジンが要求を拒否しました</translation>
    </message>
    <message>
        <source>the unzip engine answered %1</source>
        <translation>展開エンジンの応答: %1</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds</source>
        <translation>ファイルを %1 秒以内に読み取れませんでした</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds (%2)</source>
        <translation>ファイルを %1 秒以内に読み取れませんでした (%2)</translation>
    </message>
    <message>
        <source>no archive was named</source>
        <translation>アーカイブが指定されていません</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file name does not end in .zip</source>
        <translation>ファイル名が .zip で終わっていません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive (it does not begin with &quot;PK&quot;)</source>
        <translation>ファイルが ZIP アーカイブではありません (「PK」で始まっていません)</translation>
    </message>
    <message>
        <source>no destination folder was given and none can be named after the archive</source>
        <translation>展開先フォルダーが指定されておらず、アーカイブ名からも決められません</translation>
    </message>
    <message>
        <source>extraction could not be set up: %1</source>
        <translation>展開の準備ができませんでした: %1</translation>
    </message>
    <message>
        <source>extraction could not be set up</source>
        <translation>展開の準備ができませんでした</translation>
    </message>
    <message>
        <source>the file is damaged or not an archive of a kind Marrowlyn reads</source>
        <translation>ファイルが壊れているか、Marrowlyn が読める形式のアーカイブではありません</translation>
    </message>
    <message>
        <source>skipped: no password given</source>
        <translation>スキップしました: パスワードが指定されていません</translation>
    </message>
</context>
</TS>
