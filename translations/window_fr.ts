<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArchivePasswordDialog</name>
    <message>
        <source>&quot;%1&quot; needs a password:</source>
        <translation>«&#xa0;%1&#xa0;» nécessite un mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>That password is wrong.</source>
        <translation>Ce mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;Use for the rest of this run</source>
        <translation>&amp;Utiliser pour la suite du traitement</translation>
    </message>
    <message>
        <source>&amp;Skip this archive</source>
        <translation>&amp;Ignorer cette archive</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Zip File(s)</source>
        <translation>Fichier(s) ZIP</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Glissez-déposez des fichiers ici. Double-cliquez sur un élément pour le retirer. Faites glisser la ligne | vers la droite, hors de la fenêtre, pour voir les noms complets.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quorvane at %1</source>
        <translation>Des questions&#xa0;? Contactez Team Quorvane à l&apos;adresse %1</translation>
    </message>
    <message>
        <source>Please specify the 1 password to use for all unzips:</source>
        <translation>Indiquez le mot de passe unique à utiliser pour toutes les archives&#xa0;:</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Choisissez un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>Stop after the current archive?

Yes lets it finish; Stop Now stops it too, leaving nothing half-written.</source>
        <translation>Arrêter après l&apos;archive en cours&#xa0;?

«&#xa0;Oui&#xa0;» la laisse se terminer&#xa0;; «&#xa0;Arrêter maintenant&#xa0;» l&apos;arrête aussi, sans rien laisser d&apos;écrit à moitié.</translation>
    </message>
    <message>
        <source>Zip files to extract</source>
        <translation>Fichiers ZIP à extraire</translation>
    </message>
    <message>
        <source>The archives extracted by Start Unzipping, top to bottom. Delete removes the selected row; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Les archives extraites par «&#xa0;Lancer l&apos;extraction&#xa0;», de haut en bas. Suppr retire la ligne sélectionnée&#xa0;; Ctrl+Haut et Ctrl+Bas la déplacent.</translation>
    </message>
    <message>
        <source>Choose archives to add to the list</source>
        <translation>Choisir des archives à ajouter à la liste</translation>
    </message>
    <message>
        <source>Extract every archive of the list; during a run, asks whether to stop</source>
        <translation>Extraire toutes les archives de la liste&#xa0;; pendant un traitement, demande s&apos;il faut l&apos;arrêter</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Opens a folder picker for the folder the archives are extracted into</source>
        <translation>Ouvre un sélecteur pour choisir le dossier où les archives sont extraites</translation>
    </message>
    <message>
        <source>Add every archive found in a folder and its subfolders</source>
        <translation>Ajouter toutes les archives d&apos;un dossier et de ses sous-dossiers</translation>
    </message>
    <message>
        <source>Remove every row from the list</source>
        <translation>Retirer toutes les lignes de la liste</translation>
    </message>
    <message>
        <source>Add the sample archives shipped with Marrowlyn</source>
        <translation>Ajouter les archives d&apos;exemple fournies avec Marrowlyn</translation>
    </message>
    <message>
        <source>Set the one password used for all archives of a run</source>
        <translation>Définir le mot de passe unique utilisé pour toutes les archives d&apos;un traitement</translation>
    </message>
    <message>
        <source>How to reach the people who make Marrowlyn</source>
        <translation>Comment joindre l&apos;équipe qui développe Marrowlyn</translation>
    </message>
    <message>
        <source>Subfolder names, files already in place, what becomes of extracted archives, passwords, reports and archives inside archives</source>
        <translation>Noms des sous-dossiers, fichiers déjà présents, sort des archives extraites, mots de passe, rapports et archives imbriquées</translation>
    </message>
    <message>
        <source>Each archive is extracted into a subfolder of its own</source>
        <translation>Chaque archive est extraite dans son propre sous-dossier</translation>
    </message>
    <message>
        <source>Every archive is extracted into the output folder itself</source>
        <translation>Toutes les archives sont extraites directement dans le dossier de destination</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>The folder the archives are extracted into</source>
        <translation>Le dossier où les archives sont extraites</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>The share of the run done, and the archive in work</source>
        <translation>La part du traitement effectuée et l&apos;archive en cours</translation>
    </message>
    <message>
        <source>&amp;Add Zip File(s)</source>
        <translation>&amp;Ajouter des fichiers ZIP</translation>
    </message>
    <message>
        <source>Add All Zip Files In &amp;Folder</source>
        <translation>Ajouter les ZIP d&apos;un &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>Charger les e&amp;xemples</translation>
    </message>
    <message>
        <source>Set &amp;Password (Optional)</source>
        <translation>Mot de &amp;passe (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>Unzip Option</source>
        <translation>Mode d&apos;extraction</translation>
    </message>
    <message>
        <source>Unzip &amp;each zip into its own subfolder folder</source>
        <translation>Extraire chaque ZIP dans son &amp;sous-dossier</translation>
    </message>
    <message>
        <source>Unzip all zips into &amp;one folder</source>
        <translation>Extraire tous les ZIP dans &amp;un seul dossier</translation>
    </message>
    <message>
        <source>&amp;More Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Unzip To This Folder</source>
        <translation>Extraire dans ce dossier</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Start &amp;Unzipping</source>
        <translation>&amp;Lancer l&apos;extraction</translation>
    </message>
    <message>
        <source>Skin file could not be read: %1</source>
        <translation>Impossible de lire le fichier d&apos;apparence&#xa0;: %1</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>This path was not found and was not added:</source>
        <translation>Ce chemin est introuvable et n&apos;a pas été ajouté&#xa0;:</translation>
    </message>
    <message>
        <source>These paths were not found and were not added:</source>
        <translation>Ces chemins sont introuvables et n&apos;ont pas été ajoutés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MoreOptionsDialog</name>
    <message>
        <source>More Options</source>
        <translation>Plus d&apos;options</translation>
    </message>
    <message>
        <source>Up to the first dot</source>
        <translation>Jusqu&apos;au premier point</translation>
    </message>
    <message>
        <source>The whole name without .zip</source>
        <translation>Le nom entier sans .zip</translation>
    </message>
    <message>
        <source>Smart: none when the archive has one top folder</source>
        <translation>Intelligent&#xa0;: aucun si l&apos;archive a un seul dossier racine</translation>
    </message>
    <message>
        <source>Subfolder name</source>
        <translation>Nom du sous-dossier</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Le remplacer</translation>
    </message>
    <message>
        <source>Skip it</source>
        <translation>L&apos;ignorer</translation>
    </message>
    <message>
        <source>Keep both (the new one gets &quot; (2)&quot;)</source>
        <translation>Garder les deux (le nouveau reçoit «&#xa0;(2)&#xa0;»)</translation>
    </message>
    <message>
        <source>Replace it only with a newer one</source>
        <translation>Le remplacer seulement par un plus récent</translation>
    </message>
    <message>
        <source>When a file exists</source>
        <translation>Si un fichier existe</translation>
    </message>
    <message>
        <source>Leave it</source>
        <translation>La laisser</translation>
    </message>
    <message>
        <source>Move it to the trash</source>
        <translation>La mettre à la corbeille</translation>
    </message>
    <message>
        <source>Move it to this folder:</source>
        <translation>La déplacer dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly</source>
        <translation>Après une extraction sans erreur</translation>
    </message>
    <message>
        <source>Folder for extracted archives</source>
        <translation>Dossier des archives extraites</translation>
    </message>
    <message>
        <source>Choose the folder for extracted archives</source>
        <translation>Choisir le dossier des archives extraites</translation>
    </message>
    <message>
        <source>Write a report of each run (CSV) into the output folder</source>
        <translation>Écrire un rapport de chaque traitement (CSV) dans le dossier de destination</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once</source>
        <translation>Extraire aussi les archives ZIP contenues dans les archives, sur un niveau</translation>
    </message>
    <message>
        <source>and then re&amp;move them</source>
        <translation>puis les &amp;supprimer</translation>
    </message>
    <message>
        <source>&amp;Subfolder name (one subfolder per archive):</source>
        <translation>&amp;Nom du sous-dossier (un par archive)&#xa0;:</translation>
    </message>
    <message>
        <source>When a file &amp;exists:</source>
        <translation>Si un fichier e&amp;xiste&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;After an archive is extracted cleanly:</source>
        <translation>&amp;Après une extraction sans erreur&#xa0;:</translation>
    </message>
    <message>
        <source>Passwords tried in &amp;turn:</source>
        <translation>Mots de passe essayés dans l&apos;&amp;ordre&#xa0;:</translation>
    </message>
    <message>
        <source>When the run e&amp;nds:</source>
        <translation>À la fin du &amp;traitement&#xa0;:</translation>
    </message>
    <message>
        <source>Archives &amp;inside archives:</source>
        <translation>Archives &amp;imbriquées&#xa0;:</translation>
    </message>
    <message>
        <source>Each choice is kept as soon as it is made; the passwords when this closes.</source>
        <translation>Chaque choix est enregistré dès qu&apos;il est fait&#xa0;; les mots de passe, à la fermeture de cette fenêtre.</translation>
    </message>
    <message>
        <source>Move extracted archives to this folder:</source>
        <translation>Déplacer les archives extraites dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>ZIP only</source>
        <translation>ZIP uniquement</translation>
    </message>
    <message>
        <source>Every kind Marrowlyn reads</source>
        <translation>Tous les types que Marrowlyn lit</translation>
    </message>
    <message>
        <source>Archive kinds</source>
        <translation>Types d&apos;archives</translation>
    </message>
    <message>
        <source>Every kind: ZIP, 7z, RAR, tar (also compressed), .gz .bz2 .xz .zst .lz4 .lz .Z files, ISO 9660, cab, cpio and self-extractors, told by their content.</source>
        <translation>Tous les types&#xa0;: ZIP, 7z, RAR, tar (compressé ou non), fichiers .gz .bz2 .xz .zst .lz4 .lz .Z, ISO 9660, cab, cpio et archives auto-extractibles, reconnus à leur contenu.</translation>
    </message>
    <message>
        <source>Archive &amp;kinds:</source>
        <translation>T&amp;ypes d&apos;archives&#xa0;:</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Me demander</translation>
    </message>
    <message>
        <source>When an archive needs a &amp;password:</source>
        <translation>Si une archive demande un mot de &amp;passe&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PasswordListEditor</name>
    <message>
        <source>Ad&amp;d...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>Add a password</source>
        <translation>Ajouter un mot de passe</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Remove the chosen password</source>
        <translation>Retirer le mot de passe choisi</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Try the chosen password earlier</source>
        <translation>Essayer le mot de passe choisi plus tôt</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Try the chosen password later</source>
        <translation>Essayer le mot de passe choisi plus tard</translation>
    </message>
    <message>
        <source>Passwords, in the order they are tried</source>
        <translation>Mots de passe, dans l&apos;ordre où ils sont essayés</translation>
    </message>
    <message>
        <source>Where the list is kept</source>
        <translation>Où la liste est conservée</translation>
    </message>
    <message>
        <source>Please type a password to add to the list:</source>
        <translation>Saisissez un mot de passe à ajouter à la liste&#xa0;:</translation>
    </message>
    <message>
        <source>The list is kept in the system&apos;s keyring.</source>
        <translation>La liste est conservée dans le trousseau de clés du système.</translation>
    </message>
    <message>
        <source>No keyring is available: the list is kept until Marrowlyn closes.</source>
        <translation>Aucun trousseau de clés disponible&#xa0;: la liste est conservée jusqu&apos;à la fermeture de Marrowlyn.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Masquer les &amp;détails...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>&amp;Stop Now</source>
        <translation>&amp;Arrêter maintenant</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marrowlyn: later starts will open windows of their own</source>
        <translation>marrowlyn&#xa0;: les lancements suivants ouvriront leur propre fenêtre</translation>
    </message>
    <message>
        <source>marrowlyn: no folder of this user&apos;s own for the socket; this start opens a window of its own</source>
        <translation>marrowlyn&#xa0;: aucun dossier propre à cet utilisateur pour le socket&#xa0;; ce lancement ouvre sa propre fenêtre</translation>
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
        <translation>Utilisation&#xa0;: marrowlyn [OPTION-QT...] [CHEMIN...] [-- CHEMIN...]
Ouvre la fenêtre de Marrowlyn avec chaque CHEMIN dans la liste&#xa0;: une archive,
ou un dossier dont les archives sont ajoutées. Si une fenêtre est déjà ouverte,
c&apos;est elle qui reçoit les chemins.
Tout ce qui suit «&#xa0;--&#xa0;» est un chemin, même s&apos;il commence par «&#xa0;-&#xa0;».

  -h, --help     Afficher cette aide.
  --version      Afficher la version.

Les options propres à Qt sont acceptées, dont -platform NOM, -style NOM,
-reverse, -qwindowgeometry GÉOMÉTRIE et -display AFFICHAGE.
Pour extraire sans fenêtre&#xa0;: marrowlyn-batch (voir marrowlyn-batch --help).
</translation>
    </message>
    <message>
        <source>marrowlyn: unknown option &apos;%1&apos;
Try &apos;marrowlyn --help&apos; for more information.</source>
        <translation>marrowlyn&#xa0;: option inconnue «&#xa0;%1&#xa0;»
Pour en savoir plus&#xa0;: «&#xa0;marrowlyn --help&#xa0;».</translation>
    </message>
</context>
</TS>
