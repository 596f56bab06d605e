<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BatchCommand</name>
    <message>
        <source>engine libunzip32: not available (%1)</source>
        <translation>moteur libunzip32&#xa0;: indisponible (%1)</translation>
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
Code de retour&#xa0;:
  %1    chaque archive a été extraite sans erreur
  %2    certaines non, ou un dossier n&apos;a pas pu être parcouru en entier
  %3    erreur d&apos;utilisation&#xa0;: rien n&apos;a été extrait
  %4  arrêt par Ctrl-C ou SIGTERM&#xa0;; le résumé indique ce qui a été fait
</translation>
    </message>
    <message>
        <source>Cannot read the %1 &quot;%2&quot;: %3.</source>
        <translation>Impossible de lire le %1 «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>Aucun mot de passe n&apos;a pu être lu sur l&apos;entrée standard.</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>fichier du mot de passe</translation>
    </message>
    <message>
        <source>The password is longer than 64 KiB: give one line holding the password.</source>
        <translation>Le mot de passe dépasse 64 Kio&#xa0;: donnez une ligne contenant le mot de passe.</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>Le mot de passe est vide.</translation>
    </message>
    <message>
        <source>passwords file</source>
        <translation>fichier de mots de passe</translation>
    </message>
    <message>
        <source>The passwords file is longer than 64 KiB.</source>
        <translation>Le fichier de mots de passe dépasse 64 Kio.</translation>
    </message>
    <message>
        <source>The passwords file holds no password.</source>
        <translation>Le fichier de mots de passe ne contient aucun mot de passe.</translation>
    </message>
    <message>
        <source>No output folder given, and the window&apos;s stored one cannot be read (%1).</source>
        <translation>Aucun dossier de destination indiqué, et celui enregistré par la fenêtre ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist.</source>
        <translation>Le dossier de destination «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the scan of &quot;%1&quot; is incomplete: %2</source>
        <translation>marrowlyn-batch&#xa0;: le parcours de «&#xa0;%1&#xa0;» est incomplet&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an archive nor a folder.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni une archive ni un dossier.</translation>
    </message>
    <message>
        <source>not started: stopped by the user</source>
        <translation>non commencée&#xa0;: arrêt demandé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the report &quot;%1&quot; could not be written: %2</source>
        <translation>marrowlyn-batch&#xa0;: le rapport «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>marrowlyn-batch: &quot;%1&quot; cannot be listed: the archive is damaged, unreadable or not an archive (the engine answered %2).</source>
        <translation>marrowlyn-batch&#xa0;: impossible de lister «&#xa0;%1&#xa0;»&#xa0;: l&apos;archive est endommagée, illisible, ou ce n&apos;est pas une archive (le moteur a répondu %2).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>Le dossier de destination «&#xa0;%1&#xa0;» ne peut pas être créé.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file or folder.</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: fichier ou dossier introuvable.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Try &apos;marrowlyn-batch --help&apos; for more information.</source>
        <translation>Pour en savoir plus&#xa0;: «&#xa0;marrowlyn-batch --help&#xa0;».</translation>
    </message>
    <message>
        <source>subfolders: one subfolder per archive (the default); one-folder: everything into DIR.</source>
        <translation>subfolders&#xa0;: un sous-dossier par archive (par défaut)&#xa0;; one-folder&#xa0;: tout dans DIR.</translation>
    </message>
    <message>
        <source>Where -o, --mode or a choice of the window&apos;s &quot;More Options...&quot; is not given, take the one the window last used.</source>
        <translation>Si -o, --mode ou un choix de «&#xa0;Options...&#xa0;» de la fenêtre n&apos;est pas donné, reprendre celui que la fenêtre a utilisé en dernier.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from FILE.</source>
        <translation>Lire dans FILE le mot de passe unique de toutes les archives.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from standard input (a terminal is asked for it with the echo off).</source>
        <translation>Lire sur l&apos;entrée standard le mot de passe unique de toutes les archives (sur un terminal, il est demandé sans écho).</translation>
    </message>
    <message>
        <source>How names stored without the UTF-8 flag are read: auto (the default: found per archive from all its names), or one of cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</source>
        <translation>Comment lire les noms enregistrés sans l&apos;indicateur UTF-8&#xa0;: auto (par défaut&#xa0;: déterminé pour chaque archive d&apos;après tous ses noms), ou l&apos;un de cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</translation>
    </message>
    <message>
        <source>Extract up to N archives at once (default: one per processor).</source>
        <translation>Extraire jusqu&apos;à N archives à la fois (par défaut&#xa0;: une par processeur).</translation>
    </message>
    <message>
        <source>Print nothing but errors.</source>
        <translation>N&apos;afficher que les erreurs.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the program&apos;s and the engine&apos;s versions.</source>
        <translation>Afficher les versions du programme et du moteur.</translation>
    </message>
    <message>
        <source>Archives or folders to extract.</source>
        <translation>Archives ou dossiers à extraire.</translation>
    </message>
    <message>
        <source>No archive or folder given.</source>
        <translation>Aucune archive ni aucun dossier indiqué.</translation>
    </message>
    <message>
        <source>The output folder must not be empty.</source>
        <translation>Le dossier de destination ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use subfolders or one-folder.</source>
        <translation>Mode inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez subfolders ou one-folder.</translation>
    </message>
    <message>
        <source>The extension must not be empty.</source>
        <translation>L&apos;extension ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Give the password either from a file or from standard input, not both.</source>
        <translation>Donnez le mot de passe soit par un fichier, soit sur l&apos;entrée standard, pas les deux.</translation>
    </message>
    <message>
        <source>The password file name must not be empty.</source>
        <translation>Le nom du fichier du mot de passe ne doit pas être vide.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number from 1 to 1024, not &apos;%1&apos;.</source>
        <translation>Le nombre de tâches doit être un entier de 1 à 1024, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown name encoding &apos;%1&apos;: use auto, or one listed under --help.</source>
        <translation>Encodage des noms inconnu «&#xa0;%1&#xa0;»&#xa0;: utilisez auto, ou l&apos;un de ceux listés par --help.</translation>
    </message>
    <message>
        <source>Extracts archives the way Marrowlyn&apos;s &quot;Start Unzipping&quot; does.
Each PATH is an archive, or a folder whose whole tree is scanned for archives.</source>
        <translation>Extrait les archives comme le fait «&#xa0;Lancer l&apos;extraction&#xa0;» dans Marrowlyn.
Chaque PATH est une archive, ou un dossier dont toute l&apos;arborescence
est parcourue à la recherche d&apos;archives.</translation>
    </message>
    <message>
        <source>Extension of the archives a folder scan collects (default: those of the kinds --kinds opens; * for every file).</source>
        <translation>Extension des archives que collecte le parcours d&apos;un dossier (par défaut&#xa0;: celles des types que --kinds ouvre&#xa0;; * pour tous les fichiers).</translation>
    </message>
    <message>
        <source>Extract into DIR, made with its parents when missing (default: the current folder).</source>
        <translation>Extraire dans DIR, créé avec ses dossiers parents s&apos;il manque (par défaut&#xa0;: le dossier courant).</translation>
    </message>
    <message>
        <source>Test each archive: decode and check every entry, write nothing.</source>
        <translation>Tester chaque archive&#xa0;: décoder et vérifier chaque entrée, sans rien écrire.</translation>
    </message>
    <message>
        <source>List each archive&apos;s entries, one a line: archive, name, size, packed size, method, time, encrypted, separated by tabs.</source>
        <translation>Lister les entrées de chaque archive, une par ligne (archive, nom, taille, taille compressée, méthode, date, chiffrée), les champs séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Give either --test or --list, not both.</source>
        <translation>Indiquez --test ou --list, pas les deux.</translation>
    </message>
    <message>
        <source>Never ask at the terminal for the password of an archive that none given opens.</source>
        <translation>Ne jamais demander sur le terminal le mot de passe d&apos;une archive qu&apos;aucun mot de passe fourni n&apos;ouvre.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>Password: </source>
        <translation>Mot de passe&#xa0;: </translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Wrong password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Mot de passe pour %1&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>%1/%2 archives</source>
        <translation>%1/%2 archives</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>reste %1</translation>
    </message>
</context>
<context>
    <name>RunOptionFlags</name>
    <message>
        <source>How each archive&apos;s subfolder is named: first-dot (the name up to its first dot, the default), full (the whole name without .zip), smart (no subfolder when everything in the archive already sits under one top folder).</source>
        <translation>Comment nommer le sous-dossier de chaque archive&#xa0;: first-dot (le nom jusqu&apos;à son premier point, par défaut), full (le nom entier sans .zip), smart (pas de sous-dossier si tout le contenu de l&apos;archive est déjà dans un seul dossier racine).</translation>
    </message>
    <message>
        <source>When a file exists: replace (the default), skip, rename (keep both: the new file gets &quot; (2)&quot;), newer (replace it only with a newer one).</source>
        <translation>Si un fichier existe&#xa0;: replace (le remplacer, par défaut), skip (l&apos;ignorer), rename (garder les deux&#xa0;: le nouveau fichier reçoit «&#xa0;(2)&#xa0;»), newer (le remplacer seulement par un plus récent).</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly: keep it (the default), trash it, or move:DIR (all the parts of a set together).</source>
        <translation>Après l&apos;extraction sans erreur d&apos;une archive&#xa0;: keep (la laisser, par défaut), trash (la mettre à la corbeille) ou move:DIR (toutes les parties d&apos;un ensemble à la fois).</translation>
    </message>
    <message>
        <source>Write a report of the run to FILE (CSV: archive, destination, result, reason, files, bytes, seconds).</source>
        <translation>Écrire un rapport du traitement dans FILE (CSV&#xa0;: archive, destination, result, reason, files, bytes, seconds).</translation>
    </message>
    <message>
        <source>Try each password of FILE (one a line) in turn on each encrypted archive.</source>
        <translation>Essayer tour à tour chaque mot de passe de FILE (un par ligne) sur chaque archive chiffrée.</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once, each into a folder beside it.</source>
        <translation>Extraire aussi les archives ZIP contenues dans les archives, sur un niveau, chacune dans un dossier à côté d&apos;elle.</translation>
    </message>
    <message>
        <source>Unknown subfolder name rule &apos;%1&apos;: use first-dot, full or smart.</source>
        <translation>Règle de nom de sous-dossier inconnue «&#xa0;%1&#xa0;»&#xa0;: utilisez first-dot, full ou smart.</translation>
    </message>
    <message>
        <source>Unknown conflict rule &apos;%1&apos;: use replace, skip, rename or newer.</source>
        <translation>Règle de conflit inconnue «&#xa0;%1&#xa0;»&#xa0;: utilisez replace, skip, rename ou newer.</translation>
    </message>
    <message>
        <source>Unknown choice &apos;%1&apos; for --after: use keep, trash or move:DIR.</source>
        <translation>Choix inconnu «&#xa0;%1&#xa0;» pour --after&#xa0;: utilisez keep, trash ou move:DIR.</translation>
    </message>
    <message>
        <source>The report file name must not be empty.</source>
        <translation>Le nom du fichier de rapport ne doit pas être vide.</translation>
    </message>
    <message>
        <source>The passwords file name must not be empty.</source>
        <translation>Le nom du fichier de mots de passe ne doit pas être vide.</translation>
    </message>
    <message>
        <source>Which archives are opened: all (the default: every kind Marrowlyn reads, told by content; a folder scan collects their extensions) or zip (ZIP alone, by name and first bytes, as the window does by default).</source>
        <translation>Quelles archives sont ouvertes&#xa0;: all (par défaut&#xa0;: tous les types que Marrowlyn lit, reconnus à leur contenu&#xa0;; le parcours d&apos;un dossier collecte leurs extensions) ou zip (ZIP seulement, d&apos;après le nom et les premiers octets, comme la fenêtre par défaut).</translation>
    </message>
    <message>
        <source>Unknown archive kinds &apos;%1&apos;: use all or zip.</source>
        <translation>Types d&apos;archives inconnus «&#xa0;%1&#xa0;»&#xa0;: utilisez all ou zip.</translation>
    </message>
    <message>
        <source>--kinds all opens it</source>
        <translation>--kinds all l&apos;ouvre</translation>
    </message>
</context>
</TS>
