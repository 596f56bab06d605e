<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BatchCommand</name>
    <message>
        <source>engine libunzip32: not available (%1)</source>
        <translation>motor libunzip32: no disponible (%1)</translation>
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
Estado de salida:
  %1    todos los archivos comprimidos se extrajeron sin errores
  %2    algunos no, o una carpeta no se pudo recorrer entera
  %3    error de uso: no se extrajo nada
  %4  detenido con Ctrl-C o SIGTERM; el resumen indica lo que se hizo
</translation>
    </message>
    <message>
        <source>Cannot read the %1 &quot;%2&quot;: %3.</source>
        <translation>No se puede leer el %1 &quot;%2&quot;: %3.</translation>
    </message>
    <message>
        <source>No password could be read from standard input.</source>
        <translation>No se pudo leer ninguna contraseña de la entrada estándar.</translation>
    </message>
    <message>
        <source>password file</source>
        <translation>archivo de contraseña</translation>
    </message>
    <message>
        <source>The password is longer than 64 KiB: give one line holding the password.</source>
        <translation>La contraseña ocupa más de 64 KiB: indique una línea que contenga la contraseña.</translation>
    </message>
    <message>
        <source>The password is empty.</source>
        <translation>La contraseña está vacía.</translation>
    </message>
    <message>
        <source>passwords file</source>
        <translation>archivo de contraseñas</translation>
    </message>
    <message>
        <source>The passwords file is longer than 64 KiB.</source>
        <translation>El archivo de contraseñas ocupa más de 64 KiB.</translation>
    </message>
    <message>
        <source>The passwords file holds no password.</source>
        <translation>El archivo de contraseñas no contiene ninguna contraseña.</translation>
    </message>
    <message>
        <source>No output folder given, and the window&apos;s stored one cannot be read (%1).</source>
        <translation>No se indicó ninguna carpeta de destino y no se puede leer la guardada por la ventana (%1).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta de destino &quot;%1&quot; no existe.</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the scan of &quot;%1&quot; is incomplete: %2</source>
        <translation>marrowlyn-batch: la búsqueda en &quot;%1&quot; está incompleta: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither an archive nor a folder.</source>
        <translation>&quot;%1&quot; no es ni un archivo comprimido ni una carpeta.</translation>
    </message>
    <message>
        <source>not started: stopped by the user</source>
        <translation>no iniciado: detenido por el usuario</translation>
    </message>
    <message>
        <source>marrowlyn-batch: the report &quot;%1&quot; could not be written: %2</source>
        <translation>marrowlyn-batch: no se pudo escribir el informe &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>marrowlyn-batch: &quot;%1&quot; cannot be listed: the archive is damaged, unreadable or not an archive (the engine answered %2).</source>
        <translation>marrowlyn-batch: no se puede listar &quot;%1&quot;: el archivo comprimido está dañado, no se puede leer o no es un archivo comprimido (el motor respondió %2).</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; cannot be created.</source>
        <translation>No se puede crear la carpeta de destino &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: no such file or folder.</source>
        <translation>&quot;%1&quot;: no existe ese archivo o carpeta.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Try &apos;marrowlyn-batch --help&apos; for more information.</source>
        <translation>Pruebe &quot;marrowlyn-batch --help&quot; para más información.</translation>
    </message>
    <message>
        <source>subfolders: one subfolder per archive (the default); one-folder: everything into DIR.</source>
        <translation>subfolders: una subcarpeta por archivo comprimido (predeterminado); one-folder: todo en DIR.</translation>
    </message>
    <message>
        <source>Where -o, --mode or a choice of the window&apos;s &quot;More Options...&quot; is not given, take the one the window last used.</source>
        <translation>Si no se indica -o, --mode o una opción de &quot;Más opciones...&quot; de la ventana, usar la que la ventana usó por última vez.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from FILE.</source>
        <translation>Leer de FILE la contraseña única para todos los archivos comprimidos.</translation>
    </message>
    <message>
        <source>Read the one password for all archives from standard input (a terminal is asked for it with the echo off).</source>
        <translation>Leer de la entrada estándar la contraseña única para todos los archivos comprimidos (en un terminal se pide sin eco).</translation>
    </message>
    <message>
        <source>How names stored without the UTF-8 flag are read: auto (the default: found per archive from all its names), or one of cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</source>
        <translation>Cómo se leen los nombres guardados sin el indicador UTF-8: auto (predeterminado: se deduce para cada archivo comprimido a partir de todos sus nombres) o uno de cp437, cp850, cp852, cp866, cp1250, cp1251, cp1252, cp1253, shift_jis (cp932), gbk (cp936), cp949, big5 (cp950), utf-8.</translation>
    </message>
    <message>
        <source>Extract up to N archives at once (default: one per processor).</source>
        <translation>Extraer hasta N archivos comprimidos a la vez (predeterminado: uno por procesador).</translation>
    </message>
    <message>
        <source>Print nothing but errors.</source>
        <translation>Mostrar solo los errores.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>Show the program&apos;s and the engine&apos;s versions.</source>
        <translation>Mostrar las versiones del programa y del motor.</translation>
    </message>
    <message>
        <source>Archives or folders to extract.</source>
        <translation>Archivos comprimidos o carpetas para extraer.</translation>
    </message>
    <message>
        <source>No archive or folder given.</source>
        <translation>No se indicó ningún archivo comprimido ni carpeta.</translation>
    </message>
    <message>
        <source>The output folder must not be empty.</source>
        <translation>La carpeta de destino no puede estar vacía.</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use subfolders or one-folder.</source>
        <translation>Modo desconocido &quot;%1&quot;: use subfolders o one-folder.</translation>
    </message>
    <message>
        <source>The extension must not be empty.</source>
        <translation>La extensión no puede estar vacía.</translation>
    </message>
    <message>
        <source>Give the password either from a file or from standard input, not both.</source>
        <translation>Indique la contraseña desde un archivo o desde la entrada estándar, no ambos.</translation>
    </message>
    <message>
        <source>The password file name must not be empty.</source>
        <translation>El nombre del archivo de contraseña no puede estar vacío.</translation>
    </message>
    <message>
        <source>The number of jobs must be a whole number from 1 to 1024, not &apos;%1&apos;.</source>
        <translation>El número de trabajos debe ser un entero de 1 a 1024, no &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown name encoding &apos;%1&apos;: use auto, or one listed under --help.</source>
        <translation>Codificación de nombres desconocida &quot;%1&quot;: use auto o una de las que lista --help.</translation>
    </message>
    <message>
        <source>Extracts archives the way Marrowlyn&apos;s &quot;Start Unzipping&quot; does.
Each PATH is an archive, or a folder whose whole tree is scanned for archives.</source>
        <translation>Extrae archivos comprimidos igual que &quot;Iniciar extracción&quot; de Marrowlyn.
Cada PATH es un archivo comprimido o una carpeta en cuyo árbol completo
se buscan archivos comprimidos.</translation>
    </message>
    <message>
        <source>Extension of the archives a folder scan collects (default: those of the kinds --kinds opens; * for every file).</source>
        <translation>Extensión de los archivos comprimidos que recoge la búsqueda en una carpeta (predeterminado: las de los tipos que abre --kinds; * para todos los archivos).</translation>
    </message>
    <message>
        <source>Extract into DIR, made with its parents when missing (default: the current folder).</source>
        <translation>Extraer en DIR, que se crea junto con sus carpetas superiores si no existe (predeterminado: la carpeta actual).</translation>
    </message>
    <message>
        <source>Test each archive: decode and check every entry, write nothing.</source>
        <translation>Probar cada archivo comprimido: decodificar y comprobar cada entrada, sin escribir nada.</translation>
    </message>
    <message>
        <source>List each archive&apos;s entries, one a line: archive, name, size, packed size, method, time, encrypted, separated by tabs.</source>
        <translation>Listar las entradas de cada archivo comprimido, una por línea: archivo comprimido, nombre, tamaño, tamaño comprimido, método, fecha, cifrado, separados por tabuladores.</translation>
    </message>
    <message>
        <source>Give either --test or --list, not both.</source>
        <translation>Indique --test o --list, no ambos.</translation>
    </message>
    <message>
        <source>Never ask at the terminal for the password of an archive that none given opens.</source>
        <translation>No pedir nunca en el terminal la contraseña de un archivo comprimido que ninguna de las indicadas abre.</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>Password: </source>
        <translation>Contraseña: </translation>
    </message>
</context>
<context>
    <name>PasswordQuestion</name>
    <message>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Contraseña para %1: </translation>
    </message>
</context>
<context>
    <name>ProgressPrinter</name>
    <message>
        <source>%1/%2 archives</source>
        <translation>%1/%2 archivos comprimidos</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>quedan %1</translation>
    </message>
</context>
<context>
    <name>RunOptionFlags</name>
    <message>
        <source>How each archive&apos;s subfolder is named: first-dot (the name up to its first dot, the default), full (the whole name without .zip), smart (no subfolder when everything in the archive already sits under one top folder).</source>
        <translation>Cómo se llama la subcarpeta de cada archivo comprimido: first-dot (el nombre hasta su primer punto, predeterminado), full (el nombre completo sin .zip), smart (sin subcarpeta si todo el contenido ya está dentro de una sola carpeta raíz).</translation>
    </message>
    <message>
        <source>When a file exists: replace (the default), skip, rename (keep both: the new file gets &quot; (2)&quot;), newer (replace it only with a newer one).</source>
        <translation>Si un archivo ya existe: replace (reemplazarlo, predeterminado), skip (omitirlo), rename (conservar ambos: al nuevo se le añade &quot; (2)&quot;), newer (reemplazarlo solo por uno más reciente).</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly: keep it (the default), trash it, or move:DIR (all the parts of a set together).</source>
        <translation>Tras extraer un archivo comprimido sin errores: keep (dejarlo, predeterminado), trash (moverlo a la papelera) o move:DIR (todas las partes de un conjunto a la vez).</translation>
    </message>
    <message>
        <source>Write a report of the run to FILE (CSV: archive, destination, result, reason, files, bytes, seconds).</source>
        <translation>Escribir un informe del proceso en FILE (CSV: archive, destination, result, reason, files, bytes, seconds).</translation>
    </message>
    <message>
        <source>Try each password of FILE (one a line) in turn on each encrypted archive.</source>
        <translation>Probar por orden cada contraseña de FILE (una por línea) en cada archivo comprimido cifrado.</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once, each into a folder beside it.</source>
        <translation>Extraer también los archivos ZIP que haya dentro de los archivos comprimidos, un solo nivel, cada uno en una carpeta junto a él.</translation>
    </message>
    <message>
        <source>Unknown subfolder name rule &apos;%1&apos;: use first-dot, full or smart.</source>
        <translation>Regla de nombre de subcarpeta desconocida &quot;%1&quot;: use first-dot, full o smart.</translation>
    </message>
    <message>
        <source>Unknown conflict rule &apos;%1&apos;: use replace, skip, rename or newer.</source>
        <translation>Regla de conflicto desconocida &quot;%1&quot;: use replace, skip, rename o newer.</translation>
    </message>
    <message>
        <source>Unknown choice &apos;%1&apos; for --after: use keep, trash or move:DIR.</source>
        <translation>Opción desconocida &quot;%1&quot; para --after: use keep, trash o move:DIR.</translation>
    </message>
    <message>
        <source>The report file name must not be empty.</source>
        <translation>El nombre del archivo de informe no puede estar vacío.</translation>
    </message>
    <message>
        <source>The passwords file name must not be empty.</source>
        <translation>El nombre del archivo de contraseñas no puede estar vacío.</translation>
    </message>
    <message>
        <source>Which archives are opened: all (the default: every kind Marrowlyn reads, told by content; a folder scan collects their extensions) or zip (ZIP alone, by name and first bytes, as the window does by default).</source>
        <translation>Qué archivos comprimidos se abren: all (predeterminado: todos los tipos que Marrowlyn lee, reconocidos por su contenido; la búsqueda en una carpeta recoge sus extensiones) o zip (solo ZIP, por el nombre y los primeros bytes, como hace la ventana de forma predeterminada).</translation>
    </message>
    <message>
        <source>Unknown archive kinds &apos;%1&apos;: use all or zip.</source>
        <translation>Tipos de archivo comprimido desconocidos &quot;%1&quot;: use all o zip.</translation>
    </message>
    <message>
        <source>--kinds all opens it</source>
        <translation>--kinds all lo abre</translation>
    </message>
</context>
</TS>
