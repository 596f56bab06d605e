<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddFolder</name>
    <message>
        <source>the folder scan failed</source>
        <translation>die Suche im Ordner ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>AddingCommands</name>
    <message>
        <source>%1: the folder could not be read</source>
        <translation>%1: Der Ordner konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>One dropped item could not be examined and was not added.</source>
        <translation>Ein abgelegtes Element konnte nicht geprüft werden und wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 dropped items could not be examined and were not added.</source>
        <translation>%1 abgelegte Elemente konnten nicht geprüft werden und wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Datei(en) hinzufügen – Strg gedrückt halten, um mehrere Dateien zu wählen</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001</source>
        <translation>ZIP-Dateien (*.zip)|*.zip|Geteilte ZIP-Dateien (*.zip.001)|*.zip.001</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Dateiendung der zu ladenden Dateien:<byte value="xd"/><byte value="xd"/>(* für alle Dateien, txt für alle txt-Dateien, doc für alle doc-Dateien usw.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte einen Ordner wählen:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.<byte value="xd"/><byte value="xd"/>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Sie haben zu viele Dateien zum Hinzufügen gewählt.<byte value="xd"/><byte value="xd"/>Bitte fügen Sie sie über die Schaltfläche „Alle ZIP-Dateien im Ordner“ hinzu.</translation>
    </message>
    <message>
        <source>Enter the file extensions to load, apart by spaces:<byte value="xd"/><byte value="xd"/>(zip 7z rar for those three kinds, * for all files, etc.)</source>
        <translation>Dateiendungen der zu ladenden Dateien, durch Leerzeichen getrennt:<byte value="xd"/><byte value="xd"/>(zip 7z rar für diese drei Arten, * für alle Dateien usw.)</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>AfterExtract</name>
    <message>
        <source>extracted, but not moved: the folder &quot;%1&quot; does not exist</source>
        <translation>entpackt, aber nicht verschoben: Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to &quot;%2&quot;: %3</source>
        <translation>entpackt, aber „%1“ konnte nicht nach „%2“ verschoben werden: %3</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to the trash: %2</source>
        <translation>entpackt, aber „%1“ konnte nicht in den Papierkorb verschoben werden: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveJob</name>
    <message>
        <source>extracted, but not every archive inside: %1</source>
        <translation>entpackt, aber nicht jedes enthaltene Archiv: %1</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>moved to &quot;%1&quot;</source>
        <translation>nach „%1“ verschoben</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>opened by the %1 password of the list</source>
        <translation>mit dem %1 Kennwort der Liste geöffnet</translation>
    </message>
    <message numerus="yes">
        <source>%n file kept as it was</source>
        <translation>
            <numerusform>%n Datei unverändert behalten</numerusform>
            <numerusform>%n Dateien unverändert behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files kept as they were</source>
        <translation>
            <numerusform>%n Datei unverändert behalten</numerusform>
            <numerusform>%n Dateien unverändert behalten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file renamed</source>
        <translation>
            <numerusform>%n Datei umbenannt</numerusform>
            <numerusform>%n Dateien umbenannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files renamed</source>
        <translation>
            <numerusform>%n Datei umbenannt</numerusform>
            <numerusform>%n Dateien umbenannt</numerusform>
        </translation>
    </message>
    <message>
        <source>not a ZIP archive: %1</source>
        <translation>kein ZIP-Archiv: %1</translation>
    </message>
    <message>
        <source>choose &quot;Every kind Marrowlyn reads&quot; in More Options to open it</source>
        <translation>„Jede Art, die Marrowlyn liest“ unter „Mehr Optionen“ wählen, um es zu öffnen</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>nicht begonnen: Der Vorgang wurde angehalten</translation>
    </message>
    <message>
        <source> (a stored one must be confirmed with Set Password (Optional))</source>
        <translation> (ein gespeichertes muss mit „Kennwort setzen (optional)“ bestätigt werden)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the name does not end in .zip</source>
        <translation>der Name endet nicht auf .zip</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive</source>
        <translation>die Datei ist kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>the file could not be read in time</source>
        <translation>die Datei konnte nicht rechtzeitig gelesen werden</translation>
    </message>
    <message>
        <source>no destination folder</source>
        <translation>kein Zielordner</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>einige Einträge konnten nicht entpackt werden</translation>
    </message>
    <message>
        <source>the unzip engine library is missing</source>
        <translation>die Entpack-Bibliothek fehlt</translation>
    </message>
    <message>
        <source>the extraction failed</source>
        <translation>das Entpacken ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>Keine Dateien hinzugefügt.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>In Arbeit: %1</translation>
    </message>
    <message>
        <source>passed over: no unzip mode is selected</source>
        <translation>übergangen: Keine Entpackart ist gewählt</translation>
    </message>
    <message>
        <source>the extraction could not be started</source>
        <translation>das Entpacken konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>der Bericht konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The output folder could not be opened: no program on this computer could show it.

The folder is:
%1</source>
        <translation>Der Ausgabeordner konnte nicht geöffnet werden: Kein Programm auf diesem Computer konnte ihn anzeigen.

Der Ordner ist:
%1</translation>
    </message>
    <message>
        <source>added after the run began; waiting for the next run</source>
        <translation>nach Beginn des Durchlaufs hinzugefügt; wartet auf den nächsten Durchlauf</translation>
    </message>
</context>
<context>
    <name>BatchSurface</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschrittsanzeige</translation>
    </message>
</context>
<context>
    <name>EngineLibrary</name>
    <message>
        <source>File not found: %1 (%2)</source>
        <translation>Datei nicht gefunden: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Can&apos;t find DLL entry point %1 in %2</source>
        <translation>Einsprungpunkt %1 in %2 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>FailureSummary</name>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Kennwort</translation>
    </message>
    <message>
        <source>wrong password (%1)</source>
        <translation>falsches Kennwort (%1)</translation>
    </message>
    <message>
        <source>damaged: %1 failed its check</source>
        <translation>beschädigt: %1 hat die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>damaged: %1 failed their check</source>
        <translation>beschädigt: %1 haben die Prüfung nicht bestanden</translation>
    </message>
    <message>
        <source>unsupported method %1 in %2</source>
        <translation>nicht unterstütztes Verfahren %1 in %2</translation>
    </message>
    <message>
        <source>unsupported %1 in %2</source>
        <translation>nicht unterstütztes %1 in %2</translation>
    </message>
    <message>
        <source>%1 refused as unsafe</source>
        <translation>%1 als unsicher abgelehnt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>%1 could not be extracted</source>
        <translation>%1 konnten nicht entpackt werden</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>the last part (&quot;%1&quot;) of the set is cut short or damaged: it has no end record</source>
        <translation>der letzte Teil („%1“) des Satzes ist gekürzt oder beschädigt: Ihm fehlt der Endeintrag</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is missing</source>
        <translation>Teil %1 („%2“) fehlt</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it is not as long as the first</source>
        <translation>Teil %1 („%2“) ist gekürzt oder beschädigt: Er ist nicht so lang wie der erste</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it has no end record</source>
        <translation>Teil %1 („%2“) ist gekürzt oder beschädigt: Ihm fehlt der Endeintrag</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged</source>
        <translation>Teil %1 („%2“) ist gekürzt oder beschädigt</translation>
    </message>
    <message>
        <source>needs a password: none is in force for this run</source>
        <translation>braucht ein Kennwort: Für diesen Vorgang ist keines festgelegt</translation>
    </message>
    <message>
        <source>encrypted %1 archive: this encryption cannot be opened yet</source>
        <translation>verschlüsseltes %1-Archiv: diese Verschlüsselung kann noch nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>MissingOutputFolder</name>
    <message>
        <source>(No folder is given.)</source>
        <translation>(Kein Ordner angegeben.)</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <source>The folder could not be created:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Der Ordner konnte nicht angelegt werden:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Der Ordner existiert nicht. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Create this folder now and start unzipping?</source>
        <translation>Diesen Ordner jetzt anlegen und mit dem Entpacken beginnen?</translation>
    </message>
</context>
<context>
    <name>NestedArchives</name>
    <message>
        <source>1 archive inside extracted and removed</source>
        <translation>1 enthaltenes Archiv entpackt und entfernt</translation>
    </message>
    <message>
        <source>%1 archives inside extracted and removed</source>
        <translation>%1 enthaltene Archive entpackt und entfernt</translation>
    </message>
    <message>
        <source>%1 archives inside extracted, %2 removed</source>
        <translation>%1 enthaltene Archive entpackt, %2 entfernt</translation>
    </message>
    <message>
        <source>1 archive inside extracted</source>
        <translation>1 enthaltenes Archiv entpackt</translation>
    </message>
    <message>
        <source>%1 archives inside extracted</source>
        <translation>%1 enthaltene Archive entpackt</translation>
    </message>
    <message>
        <source>refused, with the archives inside after it: together they would unpack to more than %1 times the size of the archive that holds them</source>
        <translation>abgelehnt, samt den enthaltenen Archiven danach: zusammen würden sie mehr als das %1-Fache der Größe des Archivs ergeben, das sie enthält</translation>
    </message>
    <message>
        <source>it was replaced before it could be extracted</source>
        <translation>es wurde ersetzt, bevor es entpackt werden konnte</translation>
    </message>
</context>
<context>
    <name>OutputFolderWatch</name>
    <message>
        <source>the output folder &quot;%1&quot; is gone (%2); nothing more is extracted into it</source>
        <translation>der Ausgabeordner „%1“ ist verschwunden (%2); es wird nichts mehr hinein entpackt</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; was replaced during the run; nothing more is extracted into it</source>
        <translation>der Ausgabeordner „%1“ wurde während des Vorgangs ersetzt; es wird nichts mehr hinein entpackt</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>
and %1 more; the details list them all.</source>
        <translation>
und %1 weitere; die Details führen alle auf.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>%1 of %2 archive was not extracted cleanly</source>
        <translation>%1 von %2 Archiv wurde nicht fehlerfrei entpackt</translation>
    </message>
    <message>
        <source>; the details list them all.</source>
        <translation>; die Details führen alle auf.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives was not extracted cleanly</source>
        <translation>
            <numerusform>%n von %1 Archiven wurde nicht fehlerfrei entpackt</numerusform>
            <numerusform>%n von %1 Archiven wurden nicht fehlerfrei entpackt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives were not extracted cleanly</source>
        <translation>
            <numerusform>%n von %1 Archiven wurde nicht fehlerfrei entpackt</numerusform>
            <numerusform>%n von %1 Archiven wurden nicht fehlerfrei entpackt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Soll das Programm den Ordner öffnen, in dem diese Beispieldateien liegen (damit Sie sie ansehen können, bevor Sie mit ihnen arbeiten)?</translation>
    </message>
    <message>
        <source>The folder could not be opened: no program to show folders was found on this computer.<byte value="xd"/><byte value="xd"/>The sample files are in:<byte value="xd"/></source>
        <translation>Der Ordner konnte nicht geöffnet werden: Auf diesem Rechner wurde kein Programm zum Anzeigen von Ordnern gefunden.<byte value="xd"/><byte value="xd"/>Die Beispieldateien liegen in:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>SetMove</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is exhausted</source>
        <translation>das Kontingent auf dem Datenträger ist erschöpft</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>sie ist nicht mehr da</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>sie ist keine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>sie ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>der Name ist zu lang</translation>
    </message>
    <message>
        <source>every free name is taken</source>
        <translation>jeder freie Name ist vergeben</translation>
    </message>
    <message>
        <source>it was replaced while it was moved</source>
        <translation>sie wurde während des Verschiebens ersetzt</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>der Datenträger konnte nicht gelesen oder beschrieben werden</translation>
    </message>
</context>
<context>
    <name>TrappedProcedure</name>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2in Zeile %3<byte value="xd"/><byte value="xd"/>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an %4</translation>
    </message>
</context>
<context>
    <name>UnzipArchive</name>
    <message>
        <source>the unzip engine (%1) is missing or damaged</source>
        <translation>die Entpack-Bibliothek (%1) fehlt oder ist beschädigt</translation>
    </message>
    <message>
        <source>stopped on request</source>
        <translation>auf Wunsch angehalten</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>einige Einträge konnten nicht entpackt werden</translation>
    </message>
    <message>
        <source>the archive is damaged or not a ZIP archive</source>
        <translation>das Archiv ist beschädigt oder kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>there is not enough free space at the destination</source>
        <translation>am Ziel ist nicht genug Platz frei</translation>
    </message>
    <message>
        <source>the archive was refused as unsafe</source>
        <translation>das Archiv wurde als unsicher abgelehnt</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written</source>
        <translation>der Zielordner kann nicht angelegt oder beschrieben werden</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written (%1)</source>
        <translation>der Zielordner kann nicht angelegt oder beschrieben werden (%1)</translation>
    </message>
    <message>
        <source>none of the requested entries is in the archive</source>
        <translation>keiner der verlangten Einträge ist im Archiv</translation>
    </message>
    <message>
        <source>the unzip engine refused the request</source>
        <translation>die Entpack-Bibliothek hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>the unzip engine answered %1</source>
        <translation>die Entpack-Bibliothek hat mit %1 geantwortet</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds</source>
        <translation>die Datei konnte nicht innerhalb von %1 Sekunden gelesen werden</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds (%2)</source>
        <translation>die Datei konnte nicht innerhalb von %1 Sekunden gelesen werden (%2)</translation>
    </message>
    <message>
        <source>no archive was named</source>
        <translation>kein Archiv wurde angegeben</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file name does not end in .zip</source>
        <translation>der Dateiname endet nicht auf .zip</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive (it does not begin with &quot;PK&quot;)</source>
        <translation>die Datei ist kein ZIP-Archiv (sie beginnt nicht mit „PK“)</translation>
    </message>
    <message>
        <source>no destination folder was given and none can be named after the archive</source>
        <translation>es wurde kein Zielordner angegeben, und keiner lässt sich nach dem Archiv benennen</translation>
    </message>
    <message>
        <source>extraction could not be set up: %1</source>
        <translation>das Entpacken konnte nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>extraction could not be set up</source>
        <translation>das Entpacken konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>the file is damaged or not an archive of a kind Marrowlyn reads</source>
        <translation>die Datei ist beschädigt oder kein Archiv einer Art, die Marrowlyn liest</translation>
    </message>
    <message>
        <source>skipped: no password given</source>
        <translation>übersprungen: kein Kennwort angegeben</translation>
    </message>
</context>
</TS>
