<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArchivePasswordDialog</name>
    <message>
        <source>&quot;%1&quot; needs a password:</source>
        <translation>„%1“ braucht ein Kennwort:</translation>
    </message>
    <message>
        <source>That password is wrong.</source>
        <translation>Dieses Kennwort ist falsch.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>&amp;Use for the rest of this run</source>
        <translation>Für den &amp;Rest dieses Laufs verwenden</translation>
    </message>
    <message>
        <source>&amp;Skip this archive</source>
        <translation>Dieses Archiv ü&amp;berspringen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Zip File(s)</source>
        <translation>ZIP-Datei(en)</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Dateien hierher ziehen und ablegen. Doppelklick auf einen Eintrag entfernt ihn. Die Linie | nach rechts aus dem Fenster ziehen, um die ganzen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quorvane at %1</source>
        <translation>Fragen? Bitte wenden Sie sich an Team Quorvane: %1</translation>
    </message>
    <message>
        <source>Please specify the 1 password to use for all unzips:</source>
        <translation>Bitte das eine Kennwort für alle Archive angeben:</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte einen Ordner wählen:</translation>
    </message>
    <message>
        <source>Stop after the current archive?

Yes lets it finish; Stop Now stops it too, leaving nothing half-written.</source>
        <translation>Nach dem aktuellen Archiv anhalten?

„Ja“ lässt es noch fertig entpacken; „Jetzt anhalten“ hält auch dieses an und lässt nichts halb geschrieben zurück.</translation>
    </message>
    <message>
        <source>Zip files to extract</source>
        <translation>Zu entpackende ZIP-Dateien</translation>
    </message>
    <message>
        <source>The archives extracted by Start Unzipping, top to bottom. Delete removes the selected row; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Die Archive, die „Entpacken starten“ von oben nach unten entpackt. Entf entfernt die gewählte Zeile; Strg+Pfeil hoch und Strg+Pfeil runter verschieben sie.</translation>
    </message>
    <message>
        <source>Choose archives to add to the list</source>
        <translation>Archive wählen und der Liste hinzufügen</translation>
    </message>
    <message>
        <source>Extract every archive of the list; during a run, asks whether to stop</source>
        <translation>Jedes Archiv der Liste entpacken; während eines Vorgangs wird gefragt, ob angehalten werden soll</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Opens a folder picker for the folder the archives are extracted into</source>
        <translation>Öffnet eine Ordnerauswahl für den Ordner, in den die Archive entpackt werden</translation>
    </message>
    <message>
        <source>Add every archive found in a folder and its subfolders</source>
        <translation>Jedes Archiv eines Ordners und seiner Unterordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove every row from the list</source>
        <translation>Alle Zeilen aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Add the sample archives shipped with Marrowlyn</source>
        <translation>Die mit Marrowlyn gelieferten Beispielarchive hinzufügen</translation>
    </message>
    <message>
        <source>Set the one password used for all archives of a run</source>
        <translation>Das eine Kennwort für alle Archive eines Vorgangs festlegen</translation>
    </message>
    <message>
        <source>How to reach the people who make Marrowlyn</source>
        <translation>Wie Sie die Macher von Marrowlyn erreichen</translation>
    </message>
    <message>
        <source>Subfolder names, files already in place, what becomes of extracted archives, passwords, reports and archives inside archives</source>
        <translation>Unterordnernamen, schon vorhandene Dateien, was aus entpackten Archiven wird, Kennwörter, Berichte und Archive in Archiven</translation>
    </message>
    <message>
        <source>Each archive is extracted into a subfolder of its own</source>
        <translation>Jedes Archiv wird in einen eigenen Unterordner entpackt</translation>
    </message>
    <message>
        <source>Every archive is extracted into the output folder itself</source>
        <translation>Jedes Archiv wird direkt in den Ausgabeordner entpackt</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>The folder the archives are extracted into</source>
        <translation>Der Ordner, in den die Archive entpackt werden</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>The share of the run done, and the archive in work</source>
        <translation>Der erledigte Anteil des Vorgangs und das Archiv in Arbeit</translation>
    </message>
    <message>
        <source>&amp;Add Zip File(s)</source>
        <translation>&amp;ZIP-Datei(en) hinzufügen</translation>
    </message>
    <message>
        <source>Add All Zip Files In &amp;Folder</source>
        <translation>Alle ZIP-Dateien im Or&amp;dner</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>&amp;Beispieldateien laden</translation>
    </message>
    <message>
        <source>Set &amp;Password (Optional)</source>
        <translation>&amp;Kennwort setzen (optional)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Unzip Option</source>
        <translation>Entpackart</translation>
    </message>
    <message>
        <source>Unzip &amp;each zip into its own subfolder folder</source>
        <translation>Jedes ZIP in einen eigenen &amp;Unterordner entpacken</translation>
    </message>
    <message>
        <source>Unzip all zips into &amp;one folder</source>
        <translation>Alle ZIPs in einen &amp;Ordner entpacken</translation>
    </message>
    <message>
        <source>&amp;More Options...</source>
        <translation>O&amp;ptionen...</translation>
    </message>
    <message>
        <source>Unzip To This Folder</source>
        <translation>In diesen Ordner entpacken</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Start &amp;Unzipping</source>
        <translation>&amp;Entpacken starten</translation>
    </message>
    <message>
        <source>Skin file could not be read: %1</source>
        <translation>Die Skin-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>This path was not found and was not added:</source>
        <translation>Dieser Pfad wurde nicht gefunden und nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>These paths were not found and were not added:</source>
        <translation>Diese Pfade wurden nicht gefunden und nicht hinzugefügt:</translation>
    </message>
</context>
<context>
    <name>MoreOptionsDialog</name>
    <message>
        <source>More Options</source>
        <translation>Mehr Optionen</translation>
    </message>
    <message>
        <source>Up to the first dot</source>
        <translation>Bis zum ersten Punkt</translation>
    </message>
    <message>
        <source>The whole name without .zip</source>
        <translation>Der ganze Name ohne .zip</translation>
    </message>
    <message>
        <source>Smart: none when the archive has one top folder</source>
        <translation>Klug: keiner, wenn das Archiv einen obersten Ordner hat</translation>
    </message>
    <message>
        <source>Subfolder name</source>
        <translation>Unterordnername</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Skip it</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Keep both (the new one gets &quot; (2)&quot;)</source>
        <translation>Beide behalten (die neue erhält „ (2)“)</translation>
    </message>
    <message>
        <source>Replace it only with a newer one</source>
        <translation>Nur durch eine neuere ersetzen</translation>
    </message>
    <message>
        <source>When a file exists</source>
        <translation>Wenn eine Datei existiert</translation>
    </message>
    <message>
        <source>Leave it</source>
        <translation>Liegen lassen</translation>
    </message>
    <message>
        <source>Move it to the trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Move it to this folder:</source>
        <translation>In diesen Ordner verschieben:</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly</source>
        <translation>Nach fehlerfreiem Entpacken eines Archivs</translation>
    </message>
    <message>
        <source>Folder for extracted archives</source>
        <translation>Ordner für entpackte Archive</translation>
    </message>
    <message>
        <source>Choose the folder for extracted archives</source>
        <translation>Ordner für entpackte Archive wählen</translation>
    </message>
    <message>
        <source>Write a report of each run (CSV) into the output folder</source>
        <translation>Einen Bericht jedes Vorgangs (CSV) in den Ausgabeordner schreiben</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once</source>
        <translation>Auch die ZIP-Archive in den Archiven entpacken, eine Ebene tief</translation>
    </message>
    <message>
        <source>and then re&amp;move them</source>
        <translation>und sie danach entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Subfolder name (one subfolder per archive):</source>
        <translation>&amp;Unterordnername (ein Unterordner je Archiv):</translation>
    </message>
    <message>
        <source>When a file &amp;exists:</source>
        <translation>Wenn eine Datei &amp;existiert:</translation>
    </message>
    <message>
        <source>&amp;After an archive is extracted cleanly:</source>
        <translation>&amp;Nach fehlerfreiem Entpacken eines Archivs:</translation>
    </message>
    <message>
        <source>Passwords tried in &amp;turn:</source>
        <translation>&amp;Kennwörter, der Reihe nach versucht:</translation>
    </message>
    <message>
        <source>When the run e&amp;nds:</source>
        <translation>Am Ende des &amp;Vorgangs:</translation>
    </message>
    <message>
        <source>Archives &amp;inside archives:</source>
        <translation>Archive &amp;in Archiven:</translation>
    </message>
    <message>
        <source>Each choice is kept as soon as it is made; the passwords when this closes.</source>
        <translation>Jede Wahl wird sofort gespeichert; die Kennwörter beim Schließen dieses Fensters.</translation>
    </message>
    <message>
        <source>Move extracted archives to this folder:</source>
        <translation>Entpackte Archive in diesen Ordner verschieben:</translation>
    </message>
    <message>
        <source>ZIP only</source>
        <translation>Nur ZIP</translation>
    </message>
    <message>
        <source>Every kind Marrowlyn reads</source>
        <translation>Jede Art, die Marrowlyn liest</translation>
    </message>
    <message>
        <source>Archive kinds</source>
        <translation>Archivarten</translation>
    </message>
    <message>
        <source>Every kind: ZIP, 7z, RAR, tar (also compressed), .gz .bz2 .xz .zst .lz4 .lz .Z files, ISO 9660, cab, cpio and self-extractors, told by their content.</source>
        <translation>Jede Art: ZIP, 7z, RAR, tar (auch komprimiert), .gz- .bz2- .xz- .zst- .lz4- .lz- .Z-Dateien, ISO 9660, cab, cpio und selbstentpackende Archive, an ihrem Inhalt erkannt.</translation>
    </message>
    <message>
        <source>Archive &amp;kinds:</source>
        <translation>Archiv&amp;arten:</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Mich fragen</translation>
    </message>
    <message>
        <source>When an archive needs a &amp;password:</source>
        <translation>Wenn ein Archiv ein Kenn&amp;wort braucht:</translation>
    </message>
</context>
<context>
    <name>PasswordListEditor</name>
    <message>
        <source>Ad&amp;d...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>Add a password</source>
        <translation>Ein Kennwort hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>Remove the chosen password</source>
        <translation>Das gewählte Kennwort entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Try the chosen password earlier</source>
        <translation>Das gewählte Kennwort früher versuchen</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach un&amp;ten</translation>
    </message>
    <message>
        <source>Try the chosen password later</source>
        <translation>Das gewählte Kennwort später versuchen</translation>
    </message>
    <message>
        <source>Passwords, in the order they are tried</source>
        <translation>Kennwörter, in der Reihenfolge, in der sie versucht werden</translation>
    </message>
    <message>
        <source>Where the list is kept</source>
        <translation>Wo die Liste aufbewahrt wird</translation>
    </message>
    <message>
        <source>Please type a password to add to the list:</source>
        <translation>Bitte ein Kennwort eingeben, das der Liste hinzugefügt wird:</translation>
    </message>
    <message>
        <source>The list is kept in the system&apos;s keyring.</source>
        <translation>Die Liste wird im Schlüsselbund des Systems aufbewahrt.</translation>
    </message>
    <message>
        <source>No keyring is available: the list is kept until Marrowlyn closes.</source>
        <translation>Kein Schlüsselbund verfügbar: Die Liste bleibt nur, bis Marrowlyn geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>&amp;Details ausblenden...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Details einblenden...</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Stop Now</source>
        <translation>Jetzt an&amp;halten</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marrowlyn: later starts will open windows of their own</source>
        <translation>marrowlyn: spätere Starts öffnen eigene Fenster</translation>
    </message>
    <message>
        <source>marrowlyn: no folder of this user&apos;s own for the socket; this start opens a window of its own</source>
        <translation>marrowlyn: kein eigener Ordner dieses Benutzers für den Socket; dieser Start öffnet ein eigenes Fenster</translation>
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
        <translation>Aufruf: marrowlyn [QT-OPTION...] [PFAD...] [-- PFAD...]
Öffnet das Marrowlyn-Fenster mit jedem PFAD in der Liste: ein Archiv oder ein Ordner,
dessen Archive hinzugefügt werden. Ist schon ein Fenster offen, erhält es die Pfade.
Alles nach „--“ ist ein Pfad, auch wenn es mit „-“ beginnt.

  -h, --help     Diese Hilfe anzeigen.
  --version      Die Version anzeigen.

Qts eigene Optionen werden angenommen, darunter -platform NAME, -style NAME, -reverse,
-qwindowgeometry GEOMETRIE und -display DISPLAY.
Zum Entpacken ohne Fenster: marrowlyn-batch (siehe marrowlyn-batch --help).
</translation>
    </message>
    <message>
        <source>marrowlyn: unknown option &apos;%1&apos;
Try &apos;marrowlyn --help&apos; for more information.</source>
        <translation>marrowlyn: unbekannte Option „%1“
Mehr dazu mit „marrowlyn --help“.</translation>
    </message>
</context>
</TS>
