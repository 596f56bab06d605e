<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddFolder</name>
    <message>
        <source>the folder scan failed</source>
        <translation>le parcours du dossier a échoué</translation>
    </message>
</context>
<context>
    <name>AddingCommands</name>
    <message>
        <source>%1: the folder could not be read</source>
        <translation>%1&#xa0;: le dossier n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>One dropped item could not be examined and was not added.</source>
        <translation>Un élément déposé n&apos;a pas pu être examiné et n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>%1 dropped items could not be examined and were not added.</source>
        <translation>%1 éléments déposés n&apos;ont pas pu être examinés et n&apos;ont pas été ajoutés.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Ajouter des fichiers – maintenez Ctrl pour en sélectionner plusieurs</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001</source>
        <translation>Fichiers ZIP (*.zip)|*.zip|Fichiers ZIP fractionnés (*.zip.001)|*.zip.001</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extension des fichiers à charger&#xa0;:<byte value="xd"/><byte value="xd"/>(* pour tous les fichiers, txt pour tous les fichiers txt, doc pour tous les fichiers doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Choisissez un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.<byte value="xd"/><byte value="xd"/>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Vous avez sélectionné trop de fichiers à ajouter.<byte value="xd"/><byte value="xd"/>Ajoutez-les plutôt avec le bouton «&#xa0;Ajouter les ZIP d&apos;un dossier&#xa0;».</translation>
    </message>
    <message>
        <source>Enter the file extensions to load, apart by spaces:<byte value="xd"/><byte value="xd"/>(zip 7z rar for those three kinds, * for all files, etc.)</source>
        <translation>Extensions des fichiers à charger, séparées par des espaces&#xa0;:<byte value="xd"/><byte value="xd"/>(zip 7z rar pour ces trois types, * pour tous les fichiers, etc.)</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archives</translation>
    </message>
</context>
<context>
    <name>AfterExtract</name>
    <message>
        <source>extracted, but not moved: the folder &quot;%1&quot; does not exist</source>
        <translation>extraite, mais pas déplacée&#xa0;: le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to &quot;%2&quot;: %3</source>
        <translation>extraite, mais impossible de déplacer «&#xa0;%1&#xa0;» vers «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to the trash: %2</source>
        <translation>extraite, mais impossible de mettre «&#xa0;%1&#xa0;» à la corbeille&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveJob</name>
    <message>
        <source>extracted, but not every archive inside: %1</source>
        <translation>extraite, mais pas toutes les archives qu&apos;elle contient&#xa0;: %1</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>mise à la corbeille</translation>
    </message>
    <message>
        <source>moved to &quot;%1&quot;</source>
        <translation>déplacée vers «&#xa0;%1&#xa0;»</translation>
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
        <translation>ouverte par le mot de passe n° %1 de la liste</translation>
    </message>
    <message numerus="yes">
        <source>%n file kept as it was</source>
        <translation>
            <numerusform>%n fichier conservé tel quel</numerusform>
            <numerusform>%n fichiers conservés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files kept as they were</source>
        <translation>
            <numerusform>%n fichier conservé tel quel</numerusform>
            <numerusform>%n fichiers conservés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file renamed</source>
        <translation>
            <numerusform>%n fichier renommé</numerusform>
            <numerusform>%n fichiers renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files renamed</source>
        <translation>
            <numerusform>%n fichier renommé</numerusform>
            <numerusform>%n fichiers renommés</numerusform>
        </translation>
    </message>
    <message>
        <source>not a ZIP archive: %1</source>
        <translation>pas une archive ZIP&#xa0;: %1</translation>
    </message>
    <message>
        <source>choose &quot;Every kind Marrowlyn reads&quot; in More Options to open it</source>
        <translation>choisissez «&#xa0;Tous les types que Marrowlyn lit&#xa0;» dans «&#xa0;Plus d&apos;options&#xa0;» pour l&apos;ouvrir</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>non commencée&#xa0;: le traitement a été arrêté</translation>
    </message>
    <message>
        <source> (a stored one must be confirmed with Set Password (Optional))</source>
        <translation> (un mot de passe enregistré doit être confirmé avec «&#xa0;Mot de passe (facultatif)&#xa0;»)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the name does not end in .zip</source>
        <translation>le nom ne se termine pas par .zip</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive</source>
        <translation>le fichier n&apos;est pas une archive ZIP</translation>
    </message>
    <message>
        <source>the file could not be read in time</source>
        <translation>le fichier n&apos;a pas pu être lu à temps</translation>
    </message>
    <message>
        <source>no destination folder</source>
        <translation>aucun dossier de destination</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>certaines entrées n&apos;ont pas pu être extraites</translation>
    </message>
    <message>
        <source>the unzip engine library is missing</source>
        <translation>la bibliothèque du moteur d&apos;extraction est absente</translation>
    </message>
    <message>
        <source>the extraction failed</source>
        <translation>l&apos;extraction a échoué</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>Aucun fichier ajouté.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>En cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>passed over: no unzip mode is selected</source>
        <translation>ignorée&#xa0;: aucun mode d&apos;extraction n&apos;est choisi</translation>
    </message>
    <message>
        <source>the extraction could not be started</source>
        <translation>l&apos;extraction n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>le rapport n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The output folder could not be opened: no program on this computer could show it.

The folder is:
%1</source>
        <translation>Le dossier de destination n&apos;a pas pu être ouvert&#xa0;: aucun programme de cet ordinateur n&apos;a pu l&apos;afficher.

Le dossier est&#xa0;:
%1</translation>
    </message>
    <message>
        <source>added after the run began; waiting for the next run</source>
        <translation>ajoutée après le début du traitement&#xa0;; en attente du prochain</translation>
    </message>
</context>
<context>
    <name>BatchSurface</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barre de progression</translation>
    </message>
</context>
<context>
    <name>EngineLibrary</name>
    <message>
        <source>File not found: %1 (%2)</source>
        <translation>Fichier introuvable&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can&apos;t find DLL entry point %1 in %2</source>
        <translation>Point d&apos;entrée %1 introuvable dans %2</translation>
    </message>
</context>
<context>
    <name>FailureSummary</name>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>mot de passe incorrect</translation>
    </message>
    <message>
        <source>wrong password (%1)</source>
        <translation>mot de passe incorrect (%1)</translation>
    </message>
    <message>
        <source>damaged: %1 failed its check</source>
        <translation>endommagée&#xa0;: %1 n&apos;a pas passé la vérification</translation>
    </message>
    <message>
        <source>damaged: %1 failed their check</source>
        <translation>endommagée&#xa0;: %1 n&apos;ont pas passé la vérification</translation>
    </message>
    <message>
        <source>unsupported method %1 in %2</source>
        <translation>méthode %1 non prise en charge dans %2</translation>
    </message>
    <message>
        <source>unsupported %1 in %2</source>
        <translation>%1 non pris en charge dans %2</translation>
    </message>
    <message>
        <source>%1 refused as unsafe</source>
        <translation>refus pour raison de sécurité&#xa0;: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>%1 could not be extracted</source>
        <translation>impossible d&apos;extraire %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>the last part (&quot;%1&quot;) of the set is cut short or damaged: it has no end record</source>
        <translation>la dernière partie («&#xa0;%1&#xa0;») de l&apos;ensemble est tronquée ou endommagée&#xa0;: elle n&apos;a pas d&apos;enregistrement de fin</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is missing</source>
        <translation>la partie %1 («&#xa0;%2&#xa0;») est manquante</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it is not as long as the first</source>
        <translation>la partie %1 («&#xa0;%2&#xa0;») est tronquée ou endommagée&#xa0;: elle est plus courte que la première</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it has no end record</source>
        <translation>la partie %1 («&#xa0;%2&#xa0;») est tronquée ou endommagée&#xa0;: elle n&apos;a pas d&apos;enregistrement de fin</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged</source>
        <translation>la partie %1 («&#xa0;%2&#xa0;») est tronquée ou endommagée</translation>
    </message>
    <message>
        <source>needs a password: none is in force for this run</source>
        <translation>nécessite un mot de passe&#xa0;: aucun n&apos;est défini pour ce traitement</translation>
    </message>
    <message>
        <source>encrypted %1 archive: this encryption cannot be opened yet</source>
        <translation>archive %1 chiffrée&#xa0;: ce chiffrement ne peut pas encore être ouvert</translation>
    </message>
</context>
<context>
    <name>MissingOutputFolder</name>
    <message>
        <source>(No folder is given.)</source>
        <translation>(Aucun dossier n&apos;est indiqué.)</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <source>The folder could not be created:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>Le dossier n&apos;a pas pu être créé&#xa0;:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>Le dossier n&apos;existe pas. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Create this folder now and start unzipping?</source>
        <translation>Créer ce dossier maintenant et lancer l&apos;extraction&#xa0;?</translation>
    </message>
</context>
<context>
    <name>NestedArchives</name>
    <message>
        <source>1 archive inside extracted and removed</source>
        <translation>1 archive imbriquée extraite et supprimée</translation>
    </message>
    <message>
        <source>%1 archives inside extracted and removed</source>
        <translation>%1 archives imbriquées extraites et supprimées</translation>
    </message>
    <message>
        <source>%1 archives inside extracted, %2 removed</source>
        <translation>%1 archives imbriquées extraites, %2 supprimées</translation>
    </message>
    <message>
        <source>1 archive inside extracted</source>
        <translation>1 archive imbriquée extraite</translation>
    </message>
    <message>
        <source>%1 archives inside extracted</source>
        <translation>%1 archives imbriquées extraites</translation>
    </message>
    <message>
        <source>refused, with the archives inside after it: together they would unpack to more than %1 times the size of the archive that holds them</source>
        <translation>refusée, ainsi que les archives imbriquées suivantes&#xa0;: ensemble, elles feraient plus de %1 fois la taille de l&apos;archive qui les contient</translation>
    </message>
    <message>
        <source>it was replaced before it could be extracted</source>
        <translation>elle a été remplacée avant de pouvoir être extraite</translation>
    </message>
</context>
<context>
    <name>OutputFolderWatch</name>
    <message>
        <source>the output folder &quot;%1&quot; is gone (%2); nothing more is extracted into it</source>
        <translation>le dossier de destination «&#xa0;%1&#xa0;» a disparu (%2)&#xa0;; plus rien n&apos;y est extrait</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; was replaced during the run; nothing more is extracted into it</source>
        <translation>le dossier de destination «&#xa0;%1&#xa0;» a été remplacé pendant le traitement&#xa0;; plus rien n&apos;y est extrait</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>
and %1 more; the details list them all.</source>
        <translation>
et %1 autres&#xa0;; les détails les indiquent toutes.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>%1 of %2 archive was not extracted cleanly</source>
        <translation>%1 archive sur %2 n&apos;a pas été extraite correctement</translation>
    </message>
    <message>
        <source>; the details list them all.</source>
        <translation>&#xa0;; les détails les indiquent toutes.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives was not extracted cleanly</source>
        <translation>
            <numerusform>%n archive sur %1 n&apos;a pas été extraite correctement</numerusform>
            <numerusform>%n archives sur %1 n&apos;ont pas été extraites correctement</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives were not extracted cleanly</source>
        <translation>
            <numerusform>%n archive sur %1 n&apos;a pas été extraite correctement</numerusform>
            <numerusform>%n archives sur %1 n&apos;ont pas été extraites correctement</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument non valide</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin d&apos;accès introuvable</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Erreur définie par l&apos;application ou par l&apos;objet</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>Voulez-vous que ce logiciel ouvre le dossier où se trouvent ces fichiers d&apos;exemple (pour les consulter avant de les utiliser)&#xa0;?</translation>
    </message>
    <message>
        <source>The folder could not be opened: no program to show folders was found on this computer.<byte value="xd"/><byte value="xd"/>The sample files are in:<byte value="xd"/></source>
        <translation>Le dossier n&apos;a pas pu être ouvert&#xa0;: aucun programme permettant d&apos;afficher des dossiers n&apos;a été trouvé sur cet ordinateur.<byte value="xd"/><byte value="xd"/>Les fichiers d&apos;exemple se trouvent dans&#xa0;:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>SetMove</name>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is exhausted</source>
        <translation>le quota de disque est épuisé</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>il a disparu</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>le nom est trop long</translation>
    </message>
    <message>
        <source>every free name is taken</source>
        <translation>tous les noms libres sont pris</translation>
    </message>
    <message>
        <source>it was replaced while it was moved</source>
        <translation>il a été remplacé pendant son déplacement</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>le disque n&apos;a pas pu être lu ou écrit</translation>
    </message>
</context>
<context>
    <name>TrappedProcedure</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2à la ligne %3<byte value="xd"/><byte value="xd"/>Envoyez une capture d&apos;écran de ce message par e-mail à %4</translation>
    </message>
</context>
<context>
    <name>UnzipArchive</name>
    <message>
        <source>the unzip engine (%1) is missing or damaged</source>
        <translation>le moteur d&apos;extraction (%1) est absent ou endommagé</translation>
    </message>
    <message>
        <source>stopped on request</source>
        <translation>arrêtée à la demande</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>certaines entrées n&apos;ont pas pu être extraites</translation>
    </message>
    <message>
        <source>the archive is damaged or not a ZIP archive</source>
        <translation>l&apos;archive est endommagée ou n&apos;est pas une archive ZIP</translation>
    </message>
    <message>
        <source>there is not enough free space at the destination</source>
        <translation>l&apos;espace libre est insuffisant à la destination</translation>
    </message>
    <message>
        <source>the archive was refused as unsafe</source>
        <translation>l&apos;archive a été refusée car dangereuse</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written</source>
        <translation>le dossier de destination ne peut être ni créé ni écrit</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written (%1)</source>
        <translation>le dossier de destination ne peut être ni créé ni écrit (%1)</translation>
    </message>
    <message>
        <source>none of the requested entries is in the archive</source>
        <translation>aucune des entrées demandées ne se trouve dans l&apos;archive</translation>
    </message>
    <message>
        <source>the unzip engine refused the request</source>
        <translation>le moteur d&apos;extraction a refusé la demande</translation>
    </message>
    <message>
        <source>the unzip engine answered %1</source>
        <translation>le moteur d&apos;extraction a répondu %1</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds</source>
        <translation>le fichier n&apos;a pas pu être lu en moins de %1 secondes</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds (%2)</source>
        <translation>le fichier n&apos;a pas pu être lu en moins de %1 secondes (%2)</translation>
    </message>
    <message>
        <source>no archive was named</source>
        <translation>aucune archive n&apos;a été indiquée</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the file name does not end in .zip</source>
        <translation>le nom du fichier ne se termine pas par .zip</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive (it does not begin with &quot;PK&quot;)</source>
        <translation>le fichier n&apos;est pas une archive ZIP (il ne commence pas par «&#xa0;PK&#xa0;»)</translation>
    </message>
    <message>
        <source>no destination folder was given and none can be named after the archive</source>
        <translation>aucun dossier de destination n&apos;a été indiqué et aucun ne peut être nommé d&apos;après l&apos;archive</translation>
    </message>
    <message>
        <source>extraction could not be set up: %1</source>
        <translation>l&apos;extraction n&apos;a pas pu être préparée&#xa0;: %1</translation>
    </message>
    <message>
        <source>extraction could not be set up</source>
        <translation>l&apos;extraction n&apos;a pas pu être préparée</translation>
    </message>
    <message>
        <source>the file is damaged or not an archive of a kind Marrowlyn reads</source>
        <translation>le fichier est endommagé ou n&apos;est pas une archive d&apos;un type que Marrowlyn lit</translation>
    </message>
    <message>
        <source>skipped: no password given</source>
        <translation>ignorée&#xa0;: aucun mot de passe indiqué</translation>
    </message>
</context>
</TS>
