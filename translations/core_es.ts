<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddFolder</name>
    <message>
        <source>the folder scan failed</source>
        <translation>la búsqueda en la carpeta falló</translation>
    </message>
</context>
<context>
    <name>AddingCommands</name>
    <message>
        <source>%1: the folder could not be read</source>
        <translation>%1: no se pudo leer la carpeta</translation>
    </message>
    <message>
        <source>One dropped item could not be examined and was not added.</source>
        <translation>Un elemento soltado no se pudo examinar y no se añadió.</translation>
    </message>
    <message>
        <source>%1 dropped items could not be examined and were not added.</source>
        <translation>%1 elementos soltados no se pudieron examinar y no se añadieron.</translation>
    </message>
    <message>
        <source>Add File(s) - Hold Ctrl to select multiple files</source>
        <translation>Añadir archivos: mantenga pulsado Ctrl para seleccionar varios</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip|Split Zip Files (*.zip.001)|*.zip.001</source>
        <translation>Archivos ZIP (*.zip)|*.zip|Archivos ZIP divididos (*.zip.001)|*.zip.001</translation>
    </message>
    <message>
        <source>Enter file extension to load:<byte value="xd"/><byte value="xd"/>(* for all files, txt for all txt files, doc for all doc files, etc.)</source>
        <translation>Extensión de los archivos que se cargarán:<byte value="xd"/><byte value="xd"/>(* para todos los archivos, txt para todos los archivos txt, doc para todos los archivos doc, etc.)</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>You&apos;ve selected too many files to add.<byte value="xd"/><byte value="xd"/>Please try adding via the &quot;Add All&quot; button.</source>
        <translation>Ha seleccionado demasiados archivos para añadir.<byte value="xd"/><byte value="xd"/>Pruebe a añadirlos con el botón &quot;Añadir ZIP de una carpeta&quot;.</translation>
    </message>
    <message>
        <source>Enter the file extensions to load, apart by spaces:<byte value="xd"/><byte value="xd"/>(zip 7z rar for those three kinds, * for all files, etc.)</source>
        <translation>Extensiones de los archivos que se cargarán, separadas por espacios:<byte value="xd"/><byte value="xd"/>(zip 7z rar para esos tres tipos, * para todos los archivos, etc.)</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>Archivos comprimidos</translation>
    </message>
</context>
<context>
    <name>AfterExtract</name>
    <message>
        <source>extracted, but not moved: the folder &quot;%1&quot; does not exist</source>
        <translation>extraído, pero no movido: la carpeta &quot;%1&quot; no existe</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to &quot;%2&quot;: %3</source>
        <translation>extraído, pero &quot;%1&quot; no se pudo mover a &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>extracted, but &quot;%1&quot; could not be moved to the trash: %2</source>
        <translation>extraído, pero &quot;%1&quot; no se pudo mover a la papelera: %2</translation>
    </message>
</context>
<context>
    <name>ArchiveJob</name>
    <message>
        <source>extracted, but not every archive inside: %1</source>
        <translation>extraído, pero no todos los archivos comprimidos que contiene: %1</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>movido a la papelera</translation>
    </message>
    <message>
        <source>moved to &quot;%1&quot;</source>
        <translation>movido a &quot;%1&quot;</translation>
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
        <translation>abierto con la contraseña n.º %1 de la lista</translation>
    </message>
    <message numerus="yes">
        <source>%n file kept as it was</source>
        <translation>
            <numerusform>%n archivo conservado tal cual</numerusform>
            <numerusform>%n archivos conservados tal cual</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files kept as they were</source>
        <translation>
            <numerusform>%n archivo conservado tal cual</numerusform>
            <numerusform>%n archivos conservados tal cual</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file renamed</source>
        <translation>
            <numerusform>%n archivo renombrado</numerusform>
            <numerusform>%n archivos renombrados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files renamed</source>
        <translation>
            <numerusform>%n archivo renombrado</numerusform>
            <numerusform>%n archivos renombrados</numerusform>
        </translation>
    </message>
    <message>
        <source>not a ZIP archive: %1</source>
        <translation>no es un archivo ZIP: %1</translation>
    </message>
    <message>
        <source>choose &quot;Every kind Marrowlyn reads&quot; in More Options to open it</source>
        <translation>elija &quot;Todos los tipos que Marrowlyn lee&quot; en &quot;Más opciones&quot; para abrirlo</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>not started: the run was stopped</source>
        <translation>no iniciado: el proceso se detuvo</translation>
    </message>
    <message>
        <source> (a stored one must be confirmed with Set Password (Optional))</source>
        <translation> (una guardada debe confirmarse con &quot;Contraseña (opcional)&quot;)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the name does not end in .zip</source>
        <translation>el nombre no termina en .zip</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive</source>
        <translation>el archivo no es un archivo ZIP</translation>
    </message>
    <message>
        <source>the file could not be read in time</source>
        <translation>el archivo no se pudo leer a tiempo</translation>
    </message>
    <message>
        <source>no destination folder</source>
        <translation>no hay carpeta de destino</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>algunas entradas no se pudieron extraer</translation>
    </message>
    <message>
        <source>the unzip engine library is missing</source>
        <translation>falta la biblioteca del motor de extracción</translation>
    </message>
    <message>
        <source>the extraction failed</source>
        <translation>la extracción falló</translation>
    </message>
    <message>
        <source>No files added.</source>
        <translation>No se añadió ningún archivo.</translation>
    </message>
    <message>
        <source>Processing: %1</source>
        <translation>Procesando: %1</translation>
    </message>
    <message>
        <source>passed over: no unzip mode is selected</source>
        <translation>omitido: no hay ningún modo de extracción elegido</translation>
    </message>
    <message>
        <source>the extraction could not be started</source>
        <translation>no se pudo iniciar la extracción</translation>
    </message>
    <message>
        <source>the report could not be written: %1</source>
        <translation>no se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>The output folder could not be opened: no program on this computer could show it.

The folder is:
%1</source>
        <translation>No se pudo abrir la carpeta de destino: ningún programa de este equipo pudo mostrarla.

La carpeta es:
%1</translation>
    </message>
    <message>
        <source>added after the run began; waiting for the next run</source>
        <translation>añadido después de empezar el proceso; espera al siguiente</translation>
    </message>
</context>
<context>
    <name>BatchSurface</name>
    <message>
        <source>Progress Bar</source>
        <translation>Barra de progreso</translation>
    </message>
</context>
<context>
    <name>EngineLibrary</name>
    <message>
        <source>File not found: %1 (%2)</source>
        <translation>Archivo no encontrado: %1 (%2)</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Can&apos;t find DLL entry point %1 in %2</source>
        <translation>No se encuentra el punto de entrada %1 en %2</translation>
    </message>
</context>
<context>
    <name>FailureSummary</name>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>contraseña incorrecta</translation>
    </message>
    <message>
        <source>wrong password (%1)</source>
        <translation>contraseña incorrecta (%1)</translation>
    </message>
    <message>
        <source>damaged: %1 failed its check</source>
        <translation>dañado: %1 no superó la comprobación</translation>
    </message>
    <message>
        <source>damaged: %1 failed their check</source>
        <translation>dañado: %1 no superaron la comprobación</translation>
    </message>
    <message>
        <source>unsupported method %1 in %2</source>
        <translation>método %1 no compatible en %2</translation>
    </message>
    <message>
        <source>unsupported %1 in %2</source>
        <translation>%1 no compatible en %2</translation>
    </message>
    <message>
        <source>%1 refused as unsafe</source>
        <translation>rechazo por seguridad: %1</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>%1 could not be extracted</source>
        <translation>error al extraer %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>the last part (&quot;%1&quot;) of the set is cut short or damaged: it has no end record</source>
        <translation>la última parte (&quot;%1&quot;) del conjunto está truncada o dañada: no tiene registro final</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is missing</source>
        <translation>falta la parte %1 (&quot;%2&quot;)</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it is not as long as the first</source>
        <translation>la parte %1 (&quot;%2&quot;) está truncada o dañada: no es tan larga como la primera</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged: it has no end record</source>
        <translation>la parte %1 (&quot;%2&quot;) está truncada o dañada: no tiene registro final</translation>
    </message>
    <message>
        <source>part %1 (&quot;%2&quot;) is cut short or damaged</source>
        <translation>la parte %1 (&quot;%2&quot;) está truncada o dañada</translation>
    </message>
    <message>
        <source>needs a password: none is in force for this run</source>
        <translation>necesita una contraseña: no hay ninguna establecida para este proceso</translation>
    </message>
    <message>
        <source>encrypted %1 archive: this encryption cannot be opened yet</source>
        <translation>archivo comprimido %1 cifrado: este cifrado todavía no se puede abrir</translation>
    </message>
</context>
<context>
    <name>MissingOutputFolder</name>
    <message>
        <source>(No folder is given.)</source>
        <translation>(No se indicó ninguna carpeta.)</translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>motivo desconocido</translation>
    </message>
    <message>
        <source>The folder could not be created:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</source>
        <translation>No se pudo crear la carpeta:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Folder does not exist. Please select another folder.</source>
        <translation>La carpeta no existe. Seleccione otra carpeta.</translation>
    </message>
    <message>
        <source>Create this folder now and start unzipping?</source>
        <translation>¿Crear esta carpeta ahora e iniciar la extracción?</translation>
    </message>
</context>
<context>
    <name>NestedArchives</name>
    <message>
        <source>1 archive inside extracted and removed</source>
        <translation>1 archivo comprimido anidado extraído y eliminado</translation>
    </message>
    <message>
        <source>%1 archives inside extracted and removed</source>
        <translation>%1 archivos comprimidos anidados extraídos y eliminados</translation>
    </message>
    <message>
        <source>%1 archives inside extracted, %2 removed</source>
        <translation>%1 archivos comprimidos anidados extraídos, %2 eliminados</translation>
    </message>
    <message>
        <source>1 archive inside extracted</source>
        <translation>1 archivo comprimido anidado extraído</translation>
    </message>
    <message>
        <source>%1 archives inside extracted</source>
        <translation>%1 archivos comprimidos anidados extraídos</translation>
    </message>
    <message>
        <source>refused, with the archives inside after it: together they would unpack to more than %1 times the size of the archive that holds them</source>
        <translation>rechazado, junto con los archivos comprimidos anidados siguientes: juntos ocuparían más de %1 veces el tamaño del archivo comprimido que los contiene</translation>
    </message>
    <message>
        <source>it was replaced before it could be extracted</source>
        <translation>se reemplazó antes de que se pudiera extraer</translation>
    </message>
</context>
<context>
    <name>OutputFolderWatch</name>
    <message>
        <source>the output folder &quot;%1&quot; is gone (%2); nothing more is extracted into it</source>
        <translation>la carpeta de destino &quot;%1&quot; ya no existe (%2); no se extrae nada más en ella</translation>
    </message>
    <message>
        <source>the output folder &quot;%1&quot; was replaced during the run; nothing more is extracted into it</source>
        <translation>la carpeta de destino &quot;%1&quot; se reemplazó durante el proceso; no se extrae nada más en ella</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>
and %1 more; the details list them all.</source>
        <translation>
y %1 más; los detalles los muestran todos.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>%1 of %2 archive was not extracted cleanly</source>
        <translation>%1 de %2 archivo comprimido no se extrajo correctamente</translation>
    </message>
    <message>
        <source>; the details list them all.</source>
        <translation>; los detalles los muestran todos.</translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives was not extracted cleanly</source>
        <translation>
            <numerusform>%n de %1 archivos comprimidos no se extrajo correctamente</numerusform>
            <numerusform>%n de %1 archivos comprimidos no se extrajeron correctamente</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 archives were not extracted cleanly</source>
        <translation>
            <numerusform>%n de %1 archivos comprimidos no se extrajo correctamente</numerusform>
            <numerusform>%n de %1 archivos comprimidos no se extrajeron correctamente</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta de acceso</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Error definido por la aplicación o el objeto</translation>
    </message>
</context>
<context>
    <name>SampleFiles</name>
    <message>
        <source>Would you like this software to open the folder where these sample files are stored (so that you can view them before working with them)?</source>
        <translation>¿Quiere que este programa abra la carpeta donde están guardados estos archivos de ejemplo (para verlos antes de trabajar con ellos)?</translation>
    </message>
    <message>
        <source>The folder could not be opened: no program to show folders was found on this computer.<byte value="xd"/><byte value="xd"/>The sample files are in:<byte value="xd"/></source>
        <translation>No se pudo abrir la carpeta: no se encontró en este equipo ningún programa para mostrar carpetas.<byte value="xd"/><byte value="xd"/>Los archivos de ejemplo están en:<byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>SetMove</name>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is exhausted</source>
        <translation>se agotó la cuota de disco</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>sin permiso</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>it is gone</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>every free name is taken</source>
        <translation>todos los nombres libres están ocupados</translation>
    </message>
    <message>
        <source>it was replaced while it was moved</source>
        <translation>se reemplazó mientras se movía</translation>
    </message>
    <message>
        <source>the disk could not be read or written</source>
        <translation>no se pudo leer o escribir en el disco</translation>
    </message>
</context>
<context>
    <name>TrappedProcedure</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
%2at line %3<byte value="xd"/><byte value="xd"/>Please email screenshot of this message to %4</source>
        <translation>%1<byte value="xd"/>
%2en la línea %3<byte value="xd"/><byte value="xd"/>Envíe una captura de pantalla de este mensaje por correo electrónico a %4</translation>
    </message>
</context>
<context>
    <name>UnzipArchive</name>
    <message>
        <source>the unzip engine (%1) is missing or damaged</source>
        <translation>falta el motor de extracción (%1) o está dañado</translation>
    </message>
    <message>
        <source>stopped on request</source>
        <translation>detenido a petición</translation>
    </message>
    <message>
        <source>some entries could not be extracted</source>
        <translation>algunas entradas no se pudieron extraer</translation>
    </message>
    <message>
        <source>the archive is damaged or not a ZIP archive</source>
        <translation>el archivo comprimido está dañado o no es un archivo ZIP</translation>
    </message>
    <message>
        <source>there is not enough free space at the destination</source>
        <translation>no hay suficiente espacio libre en el destino</translation>
    </message>
    <message>
        <source>the archive was refused as unsafe</source>
        <translation>el archivo comprimido se rechazó por inseguro</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written</source>
        <translation>no se puede crear la carpeta de destino ni escribir en ella</translation>
    </message>
    <message>
        <source>the destination folder cannot be created or written (%1)</source>
        <translation>no se puede crear la carpeta de destino ni escribir en ella (%1)</translation>
    </message>
    <message>
        <source>none of the requested entries is in the archive</source>
        <translation>ninguna de las entradas pedidas está en el archivo comprimido</translation>
    </message>
    <message>
        <source>the unzip engine refused the request</source>
        <translation>el motor de extracción rechazó la petición</translation>
    </message>
    <message>
        <source>the unzip engine answered %1</source>
        <translation>el motor de extracción respondió %1</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds</source>
        <translation>el archivo no se pudo leer en %1 segundos</translation>
    </message>
    <message>
        <source>the file could not be read within %1 seconds (%2)</source>
        <translation>el archivo no se pudo leer en %1 segundos (%2)</translation>
    </message>
    <message>
        <source>no archive was named</source>
        <translation>no se indicó ningún archivo comprimido</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file name does not end in .zip</source>
        <translation>el nombre del archivo no termina en .zip</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is not a ZIP archive (it does not begin with &quot;PK&quot;)</source>
        <translation>el archivo no es un archivo ZIP (no empieza por &quot;PK&quot;)</translation>
    </message>
    <message>
        <source>no destination folder was given and none can be named after the archive</source>
        <translation>no se indicó ninguna carpeta de destino y no se puede nombrar ninguna a partir del archivo comprimido</translation>
    </message>
    <message>
        <source>extraction could not be set up: %1</source>
        <translation>no se pudo preparar la extracción: %1</translation>
    </message>
    <message>
        <source>extraction could not be set up</source>
        <translation>no se pudo preparar la extracción</translation>
    </message>
    <message>
        <source>the file is damaged or not an archive of a kind Marrowlyn reads</source>
        <translation>el archivo está dañado o no es un archivo comprimido de un tipo que Marrowlyn lee</translation>
    </message>
    <message>
        <source>skipped: no password given</source>
        <translation>omitido: no se indicó ninguna contraseña</translation>
    </message>
</context>
</TS>
