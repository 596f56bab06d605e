<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BatchCommand</name>
    <message>
        <source>engine libunzip32: not available (%1)</source>
        <translation>Engine libunzip32: nicht verfügbar (%1)</translation>
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
Rückgabewert:
  %1    jedes Archiv wurde fehlerfrei entpackt
  %2    manche nicht, oder ein Ordner konnte nicht ganz durchsucht werden
  %3    ein Bedienfehler: nichts wurde entpackt
  %4  durch Strg-C oder SIGTERM angehalten; die Zusammenfassung sagt, was getan wurde
</translation>
    </message>
    <message>
        <source>Cannot read the %1 &quot;%2&quot;: %3.</source>
        <translation>Die %1 „%2“ kann nicht gelesen werden: %3.</translation>
    </message>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>Von der Standardeingabe konnte kein Kennwort gelesen werden.</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>Kennwortdatei</translation>
    </message>
    <message>
        <source>The password is longer than 64 KiB: give one line holding the password.</source>
        <translation>Das Kennwort ist länger als 64 KiB: Geben Sie eine Zeile an, die das Kennwort enthält.</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>Das Kennwort ist leer.</translation>
    </message>
    <message>
        <source>passwords file</source>
        <translation>Kennwortlisten-Datei</translation>
    </message>
    <message>
        <source>The passwords file is longer than 64 KiB.</source>
        <translation>Die Kennwortlisten-Datei ist länger als 64 KiB.</translation>
    </message>
    <message>
        <source>The passwords file holds no password.</source>
        <translation>Die Kennwortlisten-Datei enthält kein Kennwort.</translation>
    </message>
    <message>
        <source>No output folder given, and the window&apos;s stored one cannot be read (%1).</source>
        <translation>Kein Ausgabeordner angegeben, und der im Fenster gespeicherte kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ausgabeordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the scan of &quot;%1&quot; is incomplete: %2</source>
        <translation>marrowlyn-batch: Die Suche in „%1“ ist unvollständig: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an archive nor a folder.</source>
        <translation>„%1“ ist weder ein Archiv noch ein Ordner.</translation>
    </message>
    <message>
        <source>not started: stopped by the user</source>
        <translation>nicht begonnen: vom Benutzer angehalten</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the report &quot;%1&quot; could not be written: %2</source>
        <translation>marrowlyn-batch: Der Bericht „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>marrowlyn-batch: &quot;%1&quot; cannot be listed: the archive is damaged, unreadable or not an archive (the engine answered %2).</source>
        <translation>marrowlyn-batch: &quot;%1&quot; kann nicht aufgelistet werden: das Archiv ist beschädigt, nicht lesbar oder kein Archiv (die Engine antwortete %2).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Zielordner &quot;%1&quot; kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file or folder.</source>
        <translation>&quot;%1&quot;: keine solche Datei und kein solcher Ordner.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Try &apos;marrowlyn-batch --help&apos; for more information.</source>
        <translation>Mehr dazu mit „marrowlyn-batch --help“.</translation>
    </message>
    <message>
        <source>subfolders: one subfolder per archive (the default); one-folder: everything into DIR.</source>
        <translation>subfolders: ein Unterordner je Archiv (die Vorgabe); one-folder: alles nach DIR.</translation>
    </message>
    <message>
        <source>Where -o, --mode or a choice of the window&apos;s &quot;More Options...&quot; is not given, take the one the window last used.</source>
        <translation>Wo -o, --mode oder eine Wahl aus „Mehr Optionen...“ des Fensters fehlt, die zuletzt im Fenster verwendete nehmen.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from FILE.</source>
        <translation>Das eine Kennwort für alle Archive aus FILE lesen.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from standard input (a terminal is asked for it with the echo off).</source>
        <translation>Das eine Kennwort für alle Archive von der Standardeingabe lesen (ein Terminal fragt ohne Echo danach).</translation>
    </message>
    <message>
        <source>How names stored without the UTF-8 flag are read: auto (the default: found per archive from all its names), or one of cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</source>
        <translation>Wie Namen ohne UTF-8-Kennzeichen gelesen werden: auto (die Vorgabe: je Archiv aus allen seinen Namen ermittelt) oder eine von cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</translation>
    </message>
    <message>
        <source>Extract up to N archives at once (default: one per processor).</source>
        <translation>Bis zu N Archive gleichzeitig entpacken (Vorgabe: eines je Prozessor).</translation>
    </message>
    <message>
        <source>Print nothing but errors.</source>
        <translation>Nur Fehler ausgeben.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the program&apos;s and the engine&apos;s versions.</source>
        <translation>Die Versionen des Programms und der Engine anzeigen.</translation>
    </message>
    <message>
        <source>Archives or folders to extract.</source>
        <translation>Zu entpackende Archive oder Ordner.</translation>
    </message>
    <message>
        <source>No archive or folder given.</source>
        <translation>Kein Archiv und kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>The output folder must not be empty.</source>
        <translation>Der Ausgabeordner darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use subfolders or one-folder.</source>
        <translation>Unbekannte Art „%1“: subfolders oder one-folder verwenden.</translation>
    </message>
    <message>
        <source>The extension must not be empty.</source>
        <translation>Die Dateiendung darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Give the password either from a file or from standard input, not both.</source>
        <translation>Das Kennwort entweder aus einer Datei oder von der Standardeingabe angeben, nicht beides.</translation>
    </message>
    <message>
        <source>The password file name must not be empty.</source>
        <translation>Der Name der Kennwortdatei darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number from 1 to 1024, not &apos;%1&apos;.</source>
        <translation>Die Zahl der Aufträge muss eine ganze Zahl von 1 bis 1024 sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>Unknown name encoding &apos;%1&apos;: use auto, or one listed under --help.</source>
        <translation>Unbekannte Namenskodierung „%1“: auto oder eine unter --help genannte verwenden.</translation>
    </message>
    <message>
        <source>Extracts archives the way Marrowlyn&apos;s &quot;Start Unzipping&quot; does.
Each PATH is an archive, or a folder whose whole tree is scanned for archives.</source>
        <translation>Entpackt Archive so, wie es „Entpacken starten“ in Marrowlyn tut.
Jeder PATH ist ein Archiv oder ein Ordner, dessen ganzer Baum nach Archiven durchsucht wird.</translation>
    </message>
    <message>
        <source>Extension of the archives a folder scan collects (default: those of the kinds --kinds opens; * for every file).</source>
        <translation>Dateiendung der Archive, die eine Ordnersuche sammelt (Vorgabe: die der Arten, die --kinds öffnet; * für jede Datei).</translation>
    </message>
    <message>
        <source>Extract into DIR, made with its parents when missing (default: the current folder).</source>
        <translation>In DIR entpacken; fehlt DIR, wird es samt übergeordneten Ordnern angelegt (Vorgabe: der aktuelle Ordner).</translation>
    </message>
    <message>
        <source>Test each archive: decode and check every entry, write nothing.</source>
        <translation>Jedes Archiv testen: jeden Eintrag dekodieren und prüfen, nichts schreiben.</translation>
    </message>
    <message>
        <source>List each archive&apos;s entries, one a line: archive, name, size, packed size, method, time, encrypted, separated by tabs.</source>
        <translation>Die Einträge jedes Archivs auflisten, einen je Zeile: Archiv, Name, Größe, gepackte Größe, Methode, Zeit, verschlüsselt, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Give either --test or --list, not both.</source>
        <translation>Entweder --test oder --list angeben, nicht beides.</translation>
    </message>
    <message>
        <source>Never ask at the terminal for the password of an archive that none given opens.</source>
        <translation>Am Terminal nie nach dem Kennwort eines Archivs fragen, das keines der angegebenen öffnet.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>Password: </source>
        <translation>Kennwort: </translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Wrong password.</source>
        <translation>Falsches Kennwort.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Kennwort für %1: </translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>%1/%2 archives</source>
        <translation>%1/%2 Archive</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>RunOptionFlags</name>
    <message>
        <source>How each archive&apos;s subfolder is named: first-dot (the name up to its first dot, the default), full (the whole name without .zip), smart (no subfolder when everything in the archive already sits under one top folder).</source>
        <translation>Wie der Unterordner jedes Archivs heißt: first-dot (der Name bis zu seinem ersten Punkt, die Vorgabe), full (der ganze Name ohne .zip), smart (kein Unterordner, wenn alles im Archiv schon unter einem obersten Ordner liegt).</translation>
    </message>
    <message>
        <source>When a file exists: replace (the default), skip, rename (keep both: the new file gets &quot; (2)&quot;), newer (replace it only with a newer one).</source>
        <translation>Wenn eine Datei existiert: replace (ersetzen, die Vorgabe), skip (überspringen), rename (beide behalten: die neue Datei erhält „ (2)“), newer (nur durch eine neuere ersetzen).</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly: keep it (the default), trash it, or move:DIR (all the parts of a set together).</source>
        <translation>Nach fehlerfreiem Entpacken eines Archivs: keep (liegen lassen, die Vorgabe), trash (in den Papierkorb) oder move:DIR (alle Teile eines Satzes gemeinsam verschieben).</translation>
    </message>
    <message>
        <source>Write a report of the run to FILE (CSV: archive, destination, result, reason, files, bytes, seconds).</source>
        <translation>Einen Bericht des Vorgangs nach FILE schreiben (CSV: archive, destination, result, reason, files, bytes, seconds).</translation>
    </message>
    <message>
        <source>Try each password of FILE (one a line) in turn on each encrypted archive.</source>
        <translation>Jedes Kennwort aus FILE (eines je Zeile) der Reihe nach an jedem verschlüsselten Archiv versuchen.</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once, each into a folder beside it.</source>
        <translation>Auch die ZIP-Archive in den Archiven entpacken, eine Ebene tief, jedes in einen Ordner daneben.</translation>
    </message>
    <message>
        <source>Unknown subfolder name rule &apos;%1&apos;: use first-dot, full or smart.</source>
        <translation>Unbekannte Regel für Unterordnernamen „%1“: first-dot, full oder smart verwenden.</translation>
    </message>
    <message>
        <source>Unknown conflict rule &apos;%1&apos;: use replace, skip, rename or newer.</source>
        <translation>Unbekannte Regel für vorhandene Dateien „%1“: replace, skip, rename oder newer verwenden.</translation>
    </message>
    <message>
        <source>Unknown choice &apos;%1&apos; for --after: use keep, trash or move:DIR.</source>
        <translation>Unbekannte Wahl „%1“ für --after: keep, trash oder move:DIR verwenden.</translation>
    </message>
    <message>
        <source>The report file name must not be empty.</source>
        <translation>Der Name der Berichtsdatei darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The passwords file name must not be empty.</source>
        <translation>Der Name der Kennwortlisten-Datei darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Which archives are opened: all (the default: every kind Marrowlyn reads, told by content; a folder scan collects their extensions) or zip (ZIP alone, by name and first bytes, as the window does by default).</source>
        <translation>Welche Archive geöffnet werden: all (die Vorgabe: jede Art, die Marrowlyn liest, am Inhalt erkannt; eine Ordnersuche sammelt ihre Dateiendungen) oder zip (nur ZIP, nach Name und ersten Bytes geprüft, wie es das Fenster in der Vorgabe tut).</translation>
    </message>
    <message>
        <source>Unknown archive kinds &apos;%1&apos;: use all or zip.</source>
        <translation>Unbekannte Archivarten „%1“: all oder zip verwenden.</translation>
    </message>
    <message>
        <source>--kinds all opens it</source>
        <translation>--kinds all öffnet es</translation>
    </message>
</context>
</TS>
