<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BatchCommand</name>
    <message>
        <source>engine libunzip32: not available (%1)</source>
        <translation>エンジン libunzip32: 利用できません (%1)</translation>
    </message>
    <message>
        <source>
Exit status:
  %1    every archive was extracted cleanly
  %2    some were not, or a folder could not be scanned whole
  %3    a usage error: nothing was extracted
  %4  stopped by Ctrl-C or SIGTERM; the summary says what was done
</source>
        <translation>
終了ステータス:
  %1    すべてのアーカイブを正常に展開した
  %2    一部を正常に展開できなかった、またはフォルダーを走査しきれなかった
  %3    使い方の誤り: 何も展開していない
  %4  Ctrl-C または SIGTERM で停止した。行った処理は要約に示される
</translation>
    </message>
    <message>
        <source>Cannot read the %1 &quot;%2&quot;: %3.</source>
        <translation>%1「%2」を読み取れません: %3。</translation>
    </message>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>標準入力からパスワードを読み取れませんでした。</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>パスワード ファイル</translation>
    </message>
    <message>
        <source>The password is longer than 64 KiB: give one line holding the password.</source>
        <translation>パスワードが 64 KiB を超えています。パスワードを含む 1 行を指定してください。</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>パスワードが空です。</translation>
    </message>
    <message>
        <source>passwords file</source>
        <translation>パスワード一覧ファイル</translation>
    </message>
    <message>
        <source>The passwords file is longer than 64 KiB.</source>
        <translation>パスワード一覧ファイルが 64 KiB を超えています。</translation>
    </message>
    <message>
        <source>The passwords file holds no password.</source>
        <translation>パスワード一覧ファイルにパスワードがありません。</translation>
    </message>
    <message>
        <source>No output folder given, and the window&apos;s stored one cannot be read (%1).</source>
        <translation>出力フォルダーが指定されておらず、ウィンドウに保存されたものも読み取れません (%1)。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist.</source>
        <translation>出力フォルダー「%1」は存在しません。</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the scan of &quot;%1&quot; is incomplete: %2</source>
        <translation>marrowlyn-batch: 「%1」の走査が完了していません: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an archive nor a folder.</source>
        <translation>「%1」はアーカイブでもフォルダーでもありません。</translation>
    </message>
    <message>
        <source>not started: stopped by the user</source>
        <translation>未開始: ユーザーにより停止されました</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the report &quot;%1&quot; could not be written: %2</source>
        <translation>marrowlyn-batch: レポート「%1」を書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>marrowlyn-batch: &quot;%1&quot; cannot be listed: the archive is damaged, unreadable or not an archive (the engine answered %2).</source>
        <translation>marrowlyn-batch: 「%1」の一覧を表示できません。アーカイブが壊れているか、読み取れないか、アーカイブではありません (エンジンの応答: %2)。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>出力フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file or folder.</source>
        <translation>「%1」: そのようなファイルまたはフォルダーはありません。</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Try &apos;marrowlyn-batch --help&apos; for more information.</source>
        <translation>詳しくは &apos;marrowlyn-batch --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>subfolders: one subfolder per archive (the default); one-folder: everything into DIR.</source>
        <translation>subfolders: アーカイブごとにサブフォルダーを作る (既
定)。one-folder: すべて DIR に展開する。</translation>
    </message>
    <message>
        <source>Where -o, --mode or a choice of the window&apos;s &quot;More Options...&quot; is not given, take the one the window last used.</source>
        <translation>-o、--mode、またはウィンドウの「詳細設定...」の項目
が指定されていない場合は、ウィンドウで最後に使った値
を使います。</translation>
    </message>
    <message>
        <source>Read the one password for all archives from FILE.</source>
        <translation>すべてのアーカイブに共通のパスワードを FILE から読み
取ります。</translation>
    </message>
    <message>
        <source>Read the one password for all archives from standard input (a terminal is asked for it with the echo off).</source>
        <translation>すべてのアーカイブに共通のパスワードを標準入力から読
み取ります (端末ではエコーなしで入力を求めます)。</translation>
    </message>
    <message>
        <source>How names stored without the UTF-8 flag are read: auto (the default: found per archive from all its names), or one of cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</source>
        <translation>UTF-8 フラグなしで格納された名前の読み方: auto (既
定。アーカイブごとに全部の名前から判定) または
cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252,
cp1253, shift_jis (cp932), gbk (cp936), cp949, big5
(cp950), utf-8 のいずれか。</translation>
    </message>
    <message>
        <source>Extract up to N archives at once (default: one per processor).</source>
        <translation>最大 N 個のアーカイブを同時に展開します (既定: プロ
セッサ 1 つにつき 1 個)。</translation>
    </message>
    <message>
        <source>Print nothing but errors.</source>
        <translation>エラーのみを表示します。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Show the program&apos;s and the engine&apos;s versions.</source>
        <translation>プログラムとエンジンのバージョンを表示します。</translation>
    </message>
    <message>
        <source>Archives or folders to extract.</source>
        <translation>展開するアーカイブまたはフォルダー。</translation>
    </message>
    <message>
        <source>No archive or folder given.</source>
        <translation>アーカイブもフォルダーも指定されていません。</translation>
    </message>
    <message>
        <source>The output folder must not be empty.</source>
        <translation>出力フォルダーを空にすることはできません。</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use subfolders or one-folder.</source>
        <translation>不明なモード &apos;%1&apos; です。subfolders または one-folder を指定してください。</translation>
    </message>
    <message>
        <source>The extension must not be empty.</source>
        <translation>拡張子を空にすることはできません。</translation>
    </message>
    <message>
        <source>Give the password either from a file or from standard input, not both.</source>
        <translation>パスワードはファイルか標準入力のどちらか一方で指定してください。</translation>
    </message>
    <message>
        <source>The password file name must not be empty.</source>
        <translation>パスワード ファイルの名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number from 1 to 1024, not &apos;%1&apos;.</source>
        <translation>ジョブ数は 1 から 1024 までの整数で指定してください (&apos;%1&apos; は無効です)。</translation>
    </message>
    <message>
        <source>Unknown name encoding &apos;%1&apos;: use auto, or one listed under --help.</source>
        <translation>不明な名前のエンコーディング &apos;%1&apos; です。auto または --help に示すもののいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Extracts archives the way Marrowlyn&apos;s &quot;Start Unzipping&quot; does.
Each PATH is an archive, or a folder whose whole tree is scanned for archives.</source>
        <translation>Marrowlyn の「展開を開始」と同じようにアーカイブを展開します。
各 PATH はアーカイブか、ツリー全体からアーカイブを探すフォルダーです。</translation>
    </message>
    <message>
        <source>Extension of the archives a folder scan collects (default: those of the kinds --kinds opens; * for every file).</source>
        <translation>フォルダーの走査で集めるアーカイブの拡張子 (既定:
--kinds で開く形式の拡張子。* ですべてのファイル)。</translation>
    </message>
    <message>
        <source>Extract into DIR, made with its parents when missing (default: the current folder).</source>
        <translation>DIR に展開します。存在しない場合は親フォルダーごと作
成します (既定: 現在のフォルダー)。</translation>
    </message>
    <message>
        <source>Test each archive: decode and check every entry, write nothing.</source>
        <translation>各アーカイブをテストします。すべてのエントリをデコー
ドして検査し、何も書き込みません。</translation>
    </message>
    <message>
        <source>List each archive&apos;s entries, one a line: archive, name, size, packed size, method, time, encrypted, separated by tabs.</source>
        <translation>各アーカイブのエントリを 1 行に 1 つずつ一覧表示しま
す (アーカイブ、名前、サイズ、圧縮後サイズ、方式、日
時、暗号化の有無をタブ区切りで)。</translation>
    </message>
    <message>
        <source>Give either --test or --list, not both.</source>
        <translation>--test と --list はどちらか一方だけを指定してください。</translation>
    </message>
    <message>
        <source>Never ask at the terminal for the password of an archive that none given opens.</source>
        <translation>指定したパスワードで開けないアーカイブについて、端末
でパスワードを尋ねません。</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>Password: </source>
        <translation>パスワード: </translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Wrong password.</source>
        <translation>パスワードが違います。</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>%1 のパスワード: </translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>%1/%2 archives</source>
        <translation>%1/%2 アーカイブ</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>残り %1</translation>
    </message>
</context>
<context>
    <name>RunOptionFlags</name>
    <message>
        <source>How each archive&apos;s subfolder is named: first-dot (the name up to its first dot, the default), full (the whole name without .zip), smart (no subfolder when everything in the archive already sits under one top folder).</source>
        <translation>各アーカイブのサブフォルダー名の付け方: first-dot
(名前の最初のドットまで。既定)、full (.zip を除いた
名前全体)、smart (アーカイブの中身がすべて 1 つの最
上位フォルダーに入っている場合はサブフォルダーを作ら
ない)。</translation>
    </message>
    <message>
        <source>When a file exists: replace (the default), skip, rename (keep both: the new file gets &quot; (2)&quot;), newer (replace it only with a newer one).</source>
        <translation>ファイルが既にある場合: replace (置き換える。既定)、
skip (スキップする)、rename (両方残す。新しいファイ
ルに「 (2)」を付ける)、newer (新しい場合のみ置き換え
る)。</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly: keep it (the default), trash it, or move:DIR (all the parts of a set together).</source>
        <translation>アーカイブを正常に展開した後: keep (そのまま残す。既
定)、trash (ゴミ箱へ移動)、move:DIR (分割アーカイブ
はすべてのパートをまとめて移動)。</translation>
    </message>
    <message>
        <source>Write a report of the run to FILE (CSV: archive, destination, result, reason, files, bytes, seconds).</source>
        <translation>処理のレポートを FILE に書き込みます (CSV: archive,
destination, result, reason, files, bytes,
seconds)。</translation>
    </message>
    <message>
        <source>Try each password of FILE (one a line) in turn on each encrypted archive.</source>
        <translation>FILE の各パスワード (1 行に 1 つ) を、暗号化された各
アーカイブに順に試します。</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once, each into a folder beside it.</source>
        <translation>アーカイブ内の ZIP アーカイブも 1 階層だけ展開しま
す。それぞれ隣のフォルダーに展開します。</translation>
    </message>
    <message>
        <source>Unknown subfolder name rule &apos;%1&apos;: use first-dot, full or smart.</source>
        <translation>不明なサブフォルダー名の規則 &apos;%1&apos; です。first-dot、full、smart のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Unknown conflict rule &apos;%1&apos;: use replace, skip, rename or newer.</source>
        <translation>不明な競合時の規則 &apos;%1&apos; です。replace、skip、rename、newer のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Unknown choice &apos;%1&apos; for --after: use keep, trash or move:DIR.</source>
        <translation>--after に不明な値 &apos;%1&apos; が指定されました。keep、trash、move:DIR のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>The report file name must not be empty.</source>
        <translation>レポート ファイルの名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>The passwords file name must not be empty.</source>
        <translation>パスワード一覧ファイルの名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>Which archives are opened: all (the default: every kind Marrowlyn reads, told by content; a folder scan collects their extensions) or zip (ZIP alone, by name and first bytes, as the window does by default).</source>
        <translation>開くアーカイブ: all (既定。Marrowlyn が読めるすべて
の形式を内容から判別し、フォルダーの走査ではそれらの
拡張子を集める) または zip (ZIP のみ。ウィンドウの既
定と同じく名前と先頭バイトで判別)。</translation>
    </message>
    <message>
        <source>Unknown archive kinds &apos;%1&apos;: use all or zip.</source>
        <translation>不明なアーカイブ形式 &apos;%1&apos; です。all または zip を指定してください。</translation>
    </message>
    <message>
        <source>--kinds all opens it</source>
        <translation>--kinds all で開けます</translation>
    </message>
</context>
</TS>
