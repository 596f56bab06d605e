<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ArchivePasswordDialog</name>
    <message>
        <source>&quot;%1&quot; needs a password:</source>
        <translation>&quot;%1&quot; necesita una contraseña:</translation>
    </message>
    <message>
        <source>That password is wrong.</source>
        <translation>Esa contraseña no es correcta.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;Use for the rest of this run</source>
        <translation>&amp;Usar para el resto del proceso</translation>
    </message>
    <message>
        <source>&amp;Skip this archive</source>
        <translation>&amp;Omitir este archivo comprimido</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Zip File(s)</source>
        <translation>Archivo(s) ZIP</translation>
    </message>
    <message>
        <source>Drag and drop files here. Double-click item to remove it. Move | line to right and out of window to reveal full names.</source>
        <translation>Arrastre y suelte archivos aquí. Haga doble clic en un elemento para quitarlo. Arrastre la línea | hacia la derecha, fuera de la ventana, para ver los nombres completos.</translation>
    </message>
    <message>
        <source>Questions? Please contact Team Quorvane at %1</source>
        <translation>¿Preguntas? Póngase en contacto con Team Quorvane en %1</translation>
    </message>
    <message>
        <source>Please specify the 1 password to use for all unzips:</source>
        <translation>Indique la contraseña única para todos los archivos comprimidos:</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>Stop after the current archive?

Yes lets it finish; Stop Now stops it too, leaving nothing half-written.</source>
        <translation>¿Detener después del archivo comprimido actual?

&quot;Sí&quot; deja que termine; &quot;Detener ahora&quot; también lo detiene, sin dejar nada a medio escribir.</translation>
    </message>
    <message>
        <source>Zip files to extract</source>
        <translation>Archivos ZIP para extraer</translation>
    </message>
    <message>
        <source>The archives extracted by Start Unzipping, top to bottom. Delete removes the selected row; Ctrl+Up and Ctrl+Down move it.</source>
        <translation>Los archivos comprimidos que extrae &quot;Iniciar extracción&quot;, de arriba abajo. Supr quita la fila seleccionada; Ctrl+Arriba y Ctrl+Abajo la mueven.</translation>
    </message>
    <message>
        <source>Choose archives to add to the list</source>
        <translation>Elegir archivos comprimidos para añadirlos a la lista</translation>
    </message>
    <message>
        <source>Extract every archive of the list; during a run, asks whether to stop</source>
        <translation>Extraer todos los archivos comprimidos de la lista; durante un proceso, pregunta si se debe detener</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Opens a folder picker for the folder the archives are extracted into</source>
        <translation>Abre un selector para la carpeta en la que se extraen los archivos comprimidos</translation>
    </message>
    <message>
        <source>Add every archive found in a folder and its subfolders</source>
        <translation>Añadir todos los archivos comprimidos de una carpeta y sus subcarpetas</translation>
    </message>
    <message>
        <source>Remove every row from the list</source>
        <translation>Quitar todas las filas de la lista</translation>
    </message>
    <message>
        <source>Add the sample archives shipped with Marrowlyn</source>
        <translation>Añadir los archivos comprimidos de ejemplo incluidos con Marrowlyn</translation>
    </message>
    <message>
        <source>Set the one password used for all archives of a run</source>
        <translation>Establecer la contraseña única para todos los archivos comprimidos de un proceso</translation>
    </message>
    <message>
        <source>How to reach the people who make Marrowlyn</source>
        <translation>Cómo contactar con quienes desarrollan Marrowlyn</translation>
    </message>
    <message>
        <source>Subfolder names, files already in place, what becomes of extracted archives, passwords, reports and archives inside archives</source>
        <translation>Nombres de subcarpetas, archivos ya existentes, qué hacer con los archivos comprimidos extraídos, contraseñas, informes y archivos comprimidos anidados</translation>
    </message>
    <message>
        <source>Each archive is extracted into a subfolder of its own</source>
        <translation>Cada archivo comprimido se extrae en su propia subcarpeta</translation>
    </message>
    <message>
        <source>Every archive is extracted into the output folder itself</source>
        <translation>Todos los archivos comprimidos se extraen directamente en la carpeta de destino</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>The folder the archives are extracted into</source>
        <translation>La carpeta en la que se extraen los archivos comprimidos</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The share of the run done, and the archive in work</source>
        <translation>La parte del proceso realizada y el archivo comprimido en curso</translation>
    </message>
    <message>
        <source>&amp;Add Zip File(s)</source>
        <translation>&amp;Añadir archivos ZIP</translation>
    </message>
    <message>
        <source>Add All Zip Files In &amp;Folder</source>
        <translation>Añadir ZIP de una &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Load &amp;Sample/Example Files</source>
        <translation>Cargar &amp;ejemplos</translation>
    </message>
    <message>
        <source>Set &amp;Password (Optional)</source>
        <translation>Con&amp;traseña (opcional)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Unzip Option</source>
        <translation>Modo de extracción</translation>
    </message>
    <message>
        <source>Unzip &amp;each zip into its own subfolder folder</source>
        <translation>Extraer cada ZIP en su propia &amp;subcarpeta</translation>
    </message>
    <message>
        <source>Unzip all zips into &amp;one folder</source>
        <translation>Extraer todos los ZIP en &amp;una carpeta</translation>
    </message>
    <message>
        <source>&amp;More Options...</source>
        <translation>&amp;Más opciones...</translation>
    </message>
    <message>
        <source>Unzip To This Folder</source>
        <translation>Extraer en esta carpeta</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Start &amp;Unzipping</source>
        <translation>&amp;Iniciar extracción</translation>
    </message>
    <message>
        <source>Skin file could not be read: %1</source>
        <translation>No se pudo leer el archivo de apariencia: %1</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>This path was not found and was not added:</source>
        <translation>Esta ruta no se encontró y no se añadió:</translation>
    </message>
    <message>
        <source>These paths were not found and were not added:</source>
        <translation>Estas rutas no se encontraron y no se añadieron:</translation>
    </message>
</context>
<context>
    <name>MoreOptionsDialog</name>
    <message>
        <source>More Options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>Up to the first dot</source>
        <translation>Hasta el primer punto</translation>
    </message>
    <message>
        <source>The whole name without .zip</source>
        <translation>El nombre completo sin .zip</translation>
    </message>
    <message>
        <source>Smart: none when the archive has one top folder</source>
        <translation>Inteligente: ninguna si ya hay una sola carpeta raíz</translation>
    </message>
    <message>
        <source>Subfolder name</source>
        <translation>Nombre de la subcarpeta</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Reemplazarlo</translation>
    </message>
    <message>
        <source>Skip it</source>
        <translation>Omitirlo</translation>
    </message>
    <message>
        <source>Keep both (the new one gets &quot; (2)&quot;)</source>
        <translation>Conservar ambos (al nuevo se le añade &quot; (2)&quot;)</translation>
    </message>
    <message>
        <source>Replace it only with a newer one</source>
        <translation>Reemplazarlo solo por uno más reciente</translation>
    </message>
    <message>
        <source>When a file exists</source>
        <translation>Si un archivo ya existe</translation>
    </message>
    <message>
        <source>Leave it</source>
        <translation>Dejarlo</translation>
    </message>
    <message>
        <source>Move it to the trash</source>
        <translation>Moverlo a la papelera</translation>
    </message>
    <message>
        <source>Move it to this folder:</source>
        <translation>Moverlo a esta carpeta:</translation>
    </message>
    <message>
        <source>After an archive is extracted cleanly</source>
        <translation>Tras extraer un archivo comprimido sin errores</translation>
    </message>
    <message>
        <source>Folder for extracted archives</source>
        <translation>Carpeta para los archivos comprimidos extraídos</translation>
    </message>
    <message>
        <source>Choose the folder for extracted archives</source>
        <translation>Elegir la carpeta para los archivos comprimidos extraídos</translation>
    </message>
    <message>
        <source>Write a report of each run (CSV) into the output folder</source>
        <translation>Escribir un informe de cada proceso (CSV) en la carpeta de destino</translation>
    </message>
    <message>
        <source>Also extract the ZIP archives found inside the archives, once</source>
        <translation>Extraer también los ZIP que haya dentro de los archivos comprimidos, un nivel</translation>
    </message>
    <message>
        <source>and then re&amp;move them</source>
        <translation>y después &amp;borrarlos</translation>
    </message>
    <message>
        <source>&amp;Subfolder name (one subfolder per archive):</source>
        <translation>&amp;Nombre de la subcarpeta (una por archivo comprimido):</translation>
    </message>
    <message>
        <source>When a file &amp;exists:</source>
        <translation>Si un archivo ya &amp;existe:</translation>
    </message>
    <message>
        <source>&amp;After an archive is extracted cleanly:</source>
        <translation>&amp;Tras extraer un archivo comprimido sin errores:</translation>
    </message>
    <message>
        <source>Passwords tried in &amp;turn:</source>
        <translation>Contraseñas probadas en &amp;orden:</translation>
    </message>
    <message>
        <source>When the run e&amp;nds:</source>
        <translation>Al &amp;finalizar el proceso:</translation>
    </message>
    <message>
        <source>Archives &amp;inside archives:</source>
        <translation>Archivos comprimidos &amp;anidados:</translation>
    </message>
    <message>
        <source>Each choice is kept as soon as it is made; the passwords when this closes.</source>
        <translation>Cada opción se guarda en cuanto se elige; las contraseñas, al cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Move extracted archives to this folder:</source>
        <translation>Mover los archivos comprimidos extraídos a esta carpeta:</translation>
    </message>
    <message>
        <source>ZIP only</source>
        <translation>Solo ZIP</translation>
    </message>
    <message>
        <source>Every kind Marrowlyn reads</source>
        <translation>Todos los tipos que Marrowlyn lee</translation>
    </message>
    <message>
        <source>Archive kinds</source>
        <translation>Tipos de archivo comprimido</translation>
    </message>
    <message>
        <source>Every kind: ZIP, 7z, RAR, tar (also compressed), .gz .bz2 .xz .zst .lz4 .lz .Z files, ISO 9660, cab, cpio and self-extractors, told by their content.</source>
        <translation>Todos los tipos: ZIP, 7z, RAR, tar (también comprimido), archivos .gz .bz2 .xz .zst .lz4 .lz .Z, ISO 9660, cab, cpio y autoextraíbles, reconocidos por su contenido.</translation>
    </message>
    <message>
        <source>Archive &amp;kinds:</source>
        <translation>T&amp;ipos de archivo comprimido:</translation>
    </message>
    <message>
        <source>Ask me</source>
        <translation>Preguntarme</translation>
    </message>
    <message>
        <source>When an archive needs a &amp;password:</source>
        <translation>Si un archivo comprimido pide contra&amp;seña:</translation>
    </message>
</context>
<context>
    <name>PasswordListEditor</name>
    <message>
        <source>Ad&amp;d...</source>
        <translation>Aña&amp;dir...</translation>
    </message>
    <message>
        <source>Add a password</source>
        <translation>Añadir una contraseña</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Remove the chosen password</source>
        <translation>Quitar la contraseña elegida</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Try the chosen password earlier</source>
        <translation>Probar antes la contraseña elegida</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Try the chosen password later</source>
        <translation>Probar después la contraseña elegida</translation>
    </message>
    <message>
        <source>Passwords, in the order they are tried</source>
        <translation>Contraseñas, en el orden en que se prueban</translation>
    </message>
    <message>
        <source>Where the list is kept</source>
        <translation>Dónde se guarda la lista</translation>
    </message>
    <message>
        <source>Please type a password to add to the list:</source>
        <translation>Escriba una contraseña para añadirla a la lista:</translation>
    </message>
    <message>
        <source>The list is kept in the system&apos;s keyring.</source>
        <translation>La lista se guarda en el llavero del sistema.</translation>
    </message>
    <message>
        <source>No keyring is available: the list is kept until Marrowlyn closes.</source>
        <translation>No hay ningún llavero disponible: la lista se guarda hasta que se cierre Marrowlyn.</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Hide &amp;Details...</source>
        <translation>Ocultar de&amp;talles...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Mostrar de&amp;talles...</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;Stop Now</source>
        <translation>&amp;Detener ahora</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>marrowlyn: later starts will open windows of their own</source>
        <translation>marrowlyn: los siguientes inicios abrirán sus propias ventanas</translation>
    </message>
    <message>
        <source>marrowlyn: no folder of this user&apos;s own for the socket; this start opens a window of its own</source>
        <translation>marrowlyn: no hay una carpeta propia de este usuario para el socket; este inicio abre su propia ventana</translation>
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
        <translation>Uso: marrowlyn [OPCIÓN-QT...] [RUTA...] [-- RUTA...]
Abre la ventana de Marrowlyn con cada RUTA en la lista: un archivo comprimido,
o una carpeta cuyos archivos comprimidos se añaden. Si ya hay una ventana
abierta, las rutas se le pasan a ella.
Todo lo que sigue a &quot;--&quot; es una ruta, aunque empiece por &quot;-&quot;.

  -h, --help     Mostrar esta ayuda.
  --version      Mostrar la versión.

Se aceptan las opciones propias de Qt, entre ellas -platform NOMBRE,
-style NOMBRE, -reverse, -qwindowgeometry GEOMETRÍA y -display PANTALLA.
Para extraer sin ventana, use marrowlyn-batch (consulte marrowlyn-batch --help).
</translation>
    </message>
    <message>
        <source>marrowlyn: unknown option &apos;%1&apos;
Try &apos;marrowlyn --help&apos; for more information.</source>
        <translation>marrowlyn: opción desconocida &quot;%1&quot;
Pruebe &quot;marrowlyn --help&quot; para más información.</translation>
    </message>
</context>
</TS>
