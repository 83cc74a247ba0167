<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> ¡Error de acceso al archivo! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 es demasiado corto para contener una suma de comprobación</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>Los demás archivos de este cambio ya están en su sitio; el próximo cambio del juego coloca el resto.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>No se puede completar el último cambio del juego (%1): %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>No se puede escribir en el juego de %1: está en un disco de solo lectura.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game's new files can be written.</source>
        <translation>No se puede escribir en el juego de %1: no tiene permiso para crear archivos en esa carpeta (%2), así que no se pueden escribir ni su bloqueo ni los archivos nuevos del juego.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user's editor may be writing to the game.</source>
        <translation>No se puede escribir en el juego de %1: su archivo de bloqueo %2 no se puede abrir (%3); puede que el editor de otro usuario esté escribiendo en el juego.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>No se puede escribir en el juego de %1: su archivo de bloqueo %2 no se puede crear: %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>No se puede escribir en el juego de %1: su archivo de bloqueo %2 es %3, no un archivo normal; elimínelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Otro programa está escribiendo en el juego de %1; vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1: no se puede crear un archivo en la carpeta del juego: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1: %2 en la posición %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1: la posición %2 + %3 está más allá del final (%4 bytes)</translation>
    </message>
    <message>
        <source>seek beyond the end (%1)</source>
        <translation>búsqueda más allá del final (%1)</translation>
    </message>
    <message>
        <source>skip beyond the end</source>
        <translation>salto más allá del final</translation>
    </message>
    <message>
        <source>read beyond the end</source>
        <translation>lectura más allá del final</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>write beyond the end</source>
        <translation>escritura más allá del final</translation>
    </message>
    <message>
        <source>too short for a checksum</source>
        <translation>demasiado corto para una suma de comprobación</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>no se puede crear un archivo en su carpeta: %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>no se puede volcar al disco: %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>no se puede poner el archivo nuevo en su sitio: %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>no se puede guardar una copia de %1: %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it.</source>
        <translation>No se puede completar el último cambio del juego: %1 %2. Revise los archivos del juego y después elimínelo.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>no es una nota de este programa</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>nombra un archivo que no es suyo: %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>está cortado</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1: la tabla de neumáticos está más allá del final</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1: la tabla de neumáticos sobrepasa el final</translation>
    </message>
    <message>
        <source>the setup values run into the checksum or past the end</source>
        <translation>los valores de reglaje invaden la suma de comprobación o sobrepasan el final</translation>
    </message>
    <message>
        <source>the setup values overlap the setup position word</source>
        <translation>los valores de reglaje se solapan con la palabra de posición del reglaje</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged: it must hold whole records of %2 bytes.</source>
        <translation>La lista de parches %1 está dañada: debe contener registros completos de %2 bytes.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>La lista de parches está vacía.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1: la posición del parche %2 está antes del principio</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>Los datos de los circuitos no se han leído, así que nada escribe valores de circuito en el juego. El editor de circuitos se abre cuando se puede leer cada archivo de circuito.</translation>
    </message>
    <message>
        <source>%1 is not the game's executable: %2</source>
        <translation>%1 no es el ejecutable del juego: %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) ¡Error de acceso al archivo! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) ¡Error de acceso al archivo! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) ¡Error de acceso al archivo! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) ¡Error de acceso al archivo! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>nombra un archivo fuera de la carpeta del juego: %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>nombra un archivo que ningún cambio del juego escribe: %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>nombra un archivo a través de un enlace que sale de la carpeta del juego: %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>nombra un enlace, no un archivo: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game's own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 no se puede sustituir junto con otros archivos del juego: los archivos que cambian juntos deben ser los del propio juego, en %2 (¿es un enlace a otro lugar?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>El juego de %1 no se lee: el último cambio de sus archivos quedó interrumpido (está %2) y ahora no se puede completar, así que los archivos pueden ser en parte antiguos, en parte nuevos. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>El juego de %1 no se lee, porque sus archivos pueden ser en parte antiguos, en parte nuevos. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game's language versions. The editor takes the game for the English version and reads and writes its values at the English version's positions.</source>
        <translation>El byte de versión de %1 (en la posición %2) es %3, que no indica ninguna de las versiones de idioma del juego. El editor toma el juego por la versión inglesa y lee y escribe sus valores en las posiciones de la versión inglesa.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game's code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>No se pudo activar la potencia de motor aleatoria: el código del juego en ese punto ha sido modificado. Restaure KVR.EXE a partir de KVR.EXE.orig y vuelva a exportar.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Nada que cambiar: el juego ya tiene estos valores.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Estos valores cambiarán en el juego:</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Faltan los archivos de circuito en la carpeta CIRCUITS del juego: esta exportación fallará con el error de archivo de circuito y no cambiará nada.</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>Faltan los archivos de circuito en la carpeta CIRCUITS del juego, así que los datos de los circuitos no se pueden comparar. Tras los demás valores, la exportación pedirá instalar los archivos de circuito desde el CD del juego; sin ellos se detendrá antes de los datos de los circuitos.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Nada más cambiará: el juego ya tiene los demás valores.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>¡Se han importado todos los datos!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>¡Se han exportado todos los datos!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>¡Se han importado los datos de los circuitos!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>¡Se han importado los datos!</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>¡Se han exportado los datos de los circuitos!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>¡Se han exportado los datos!</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>campo %1: %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>se esperaba un texto</translation>
    </message>
    <message>
        <source>"%1" is not a character of the game's code page (Windows-1252)</source>
        <translation>«%1» no es un carácter de la página de códigos del juego (Windows-1252)</translation>
    </message>
    <message>
        <source>%1 characters, the field holds at most %2</source>
        <translation>%1 caracteres, el campo admite como máximo %2</translation>
    </message>
    <message>
        <source>expected a whole number from 0 to %1</source>
        <translation>se esperaba un número entero de 0 a %1</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>se esperaba true o false</translation>
    </message>
    <message>
        <source>field %1: no such field</source>
        <translation>campo %1: no existe ese campo</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>no es JSON: %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with "kvpatch" and "changes"</source>
        <translation>no es un parche: se esperaba un objeto con «kvpatch» y «changes»</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>formato de parche %1: este editor lee el formato %2</translation>
    </message>
    <message>
        <source>"changes": expected an array</source>
        <translation>«changes»: se esperaba una matriz</translation>
    </message>
    <message>
        <source>change %1: expected an object with "field", "from" and "to"</source>
        <translation>cambio %1: se esperaba un objeto con «field», «from» y «to»</translation>
    </message>
    <message>
        <source>change %1: "field" must be a name</source>
        <translation>cambio %1: «field» debe ser un nombre</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>campo %1: nombrado dos veces en el parche</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Nada que cambiar: los ajustes ya contienen estos valores.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Estos valores cambiarán:</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Estos valores cambiarán. El marcado contiene algo distinto del valor que el parche espera reemplazar; cambia de todos modos:</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Estos valores cambiarán. Los %1 marcados contienen algo distinto de los valores que el parche espera reemplazar; cambian de todos modos:</translation>
    </message>
    <message>
        <source>key "%1" is given twice</source>
        <translation>clave «%1» dada dos veces</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1: anidado a más de %2 niveles</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>texto hexadecimal de longitud impar</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>no es hexadecimal: %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>se esperaba una matriz de %1 elementos</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>no existe ese elemento: la matriz contiene %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>no existe ese campo</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>falta el campo %1</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>el byte %1 ya lo da %2</translation>
    </message>
    <message>
        <source>expected hex text</source>
        <translation>se esperaba un texto hexadecimal</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>se esperaba un objeto JSON</translation>
    </message>
    <message>
        <source>no such field: the unused bytes are at 0x000, 0x74B and 0xB12</source>
        <translation>no existe ese campo: los bytes sin uso están en 0x000, 0x74B y 0xB12</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>se esperaban %1 bytes</translation>
    </message>
    <message>
        <source>bad offset, expected a place from 0x000 to %1</source>
        <translation>posición no válida, se esperaba una posición de 0x000 a %1</translation>
    </message>
    <message>
        <source>%1 bytes run past the end of the record (its last byte is %2)</source>
        <translation>%1 bytes sobrepasan el final del registro (su último byte es %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>campo %1: cambia el byte %2, que también cambia %3</translation>
    </message>
    <message>
        <source>"%1": expected text</source>
        <translation>"%1": se esperaba texto</translation>
    </message>
    <message>
        <source>"%1": %2 characters, it may hold at most %3</source>
        <translation>"%1": %2 caracteres, como máximo %3</translation>
    </message>
    <message>
        <source>"%1": holds the control character %2</source>
        <translation>"%1": contiene el carácter de control %2</translation>
    </message>
    <message>
        <source>unknown key "%1": a patch holds only "kvpatch", "title", "author", "description", "made_with" and "changes"</source>
        <translation>clave desconocida "%1": un parche solo contiene "kvpatch", "title", "author", "description", "made_with" y "changes"</translation>
    </message>
    <message>
        <source>%1 (the patch expects %2)</source>
        <translation>%1 (el parche espera %2)</translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation>Localice el archivo kvr.exe en su CD de KVR</translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation>KVR.EXE en su CD de KVR</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>No ha instalado los archivos de circuito en el disco duro. Los necesita para trabajar con el editor de circuitos. ¿Desea instalarlos ahora?</translation>
    </message>
    <message>
        <source>Put "Kavorra" CD into CD drive, and hit "OK" when you are ready!</source>
        <translation>¡Introduzca el CD de "Kavorra" en la unidad de CD y pulse "Aceptar" cuando esté listo!</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>¡No se puede copiar el archivo de circuito!</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>Los archivos de circuito no se han instalado.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Gestor de juegos de coches</translation>
    </message>
    <message>
        <source>Install '97 car set (only paintings now)</source>
        <translation>Instalar el juego de coches del '97 (por ahora solo las decoraciones)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>¡Nuevo juego de coches instalado!</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>¡No se pueden copiar los archivos del juego de coches!</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestor de cabinas</translation>
    </message>
    <message>
        <source>'97 cockpits</source>
        <translation>Cabinas del '97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>¡Instalar!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>¡Nueva cabina instalada!</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>¡No se puede copiar el archivo de cabina!</translation>
    </message>
    <message>
        <source>Not enough free space on the game's drive!</source>
        <translation>¡No hay suficiente espacio libre en la unidad del juego!</translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation>Gestor de circuitos</translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation>Instalar paquete de circuitos</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Instalar circuitos originales</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>¡Circuitos instalados!</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>¡Circuitos originales instalados!</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>¡No se puede leer el archivo de datos de circuitos!</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Faltan en %1:</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>No copiados en %1:</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1: no se puede leer el archivo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no cockpit set "%1".</source>
        <translation>No existe el juego de cabinas «%1».</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>it is %1 long; a PCX picture's header alone takes 128</source>
        <translation>tiene %1; solo la cabecera de una imagen PCX ocupa 128</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>no es una imagen PCX (no empieza por el byte 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>es una imagen PCX de %1 bits en %2 planos; la cabina necesita 256 colores (8 bits, 1 plano)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game's cockpit pictures are</source>
        <translation>sus filas no están codificadas por longitud de series, como lo están las imágenes de cabina del juego</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>es una imagen de %1 píxeles; esta imagen de cabina debe ser de %2</translation>
    </message>
    <message>
        <source>its header gives rows of %1 for a width of %2</source>
        <translation>su cabecera indica filas de %1 para una anchura de %2</translation>
    </message>
    <message>
        <source>the 256-colour palette at its end is missing</source>
        <translation>falta la paleta de 256 colores al final</translation>
    </message>
    <message>
        <source>its pixel data ends after %1 of its %2 rows</source>
        <translation>sus datos de píxeles terminan tras %1 de sus %2 filas</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>no es una textura que el conversor pueda leer: %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>es una textura de %1 píxeles, pero %2 es de %3; un reemplazo debe tener el mismo tamaño</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>tiene %1; su bloque tiene exactamente %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1: %2 bytes, pero el bloque tiene sitio para %3</translation>
    </message>
    <message>
        <source>one byte, 0 to 255</source>
        <translation>un byte, de 0 a 255</translation>
    </message>
    <message>
        <source>16 bits, 0 to 65535</source>
        <translation>16 bits, de 0 a 65535</translation>
    </message>
    <message>
        <source>the file ends after line %1; %2 lines are needed</source>
        <translation>el archivo termina tras la línea %1; se necesitan %2 líneas</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>la línea es demasiado corta para %1</translation>
    </message>
    <message>
        <source>the number "%1" runs past %2</source>
        <translation>el número «%1» sobrepasa %2</translation>
    </message>
    <message>
        <source>%1 is not a number: "%2"</source>
        <translation>%1 no es un número: «%2»</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 contiene %2, pero se escribe como %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>el campo %1 (columnas %2 a %3)</translation>
    </message>
    <message>
        <source>column %1 holds "%2", but this line has only %3 field(s)</source>
        <translation>la columna %1 contiene «%2», pero esta línea solo tiene %3 campo(s)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: falta</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1: el archivo está vacío</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>se cierre el editor</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>Los ajustes tienen cambios que no están guardados en ningún archivo de ajustes.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>La hoja de cascos tiene cambios que no se han exportado al juego.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>La decoración del coche de %1 tiene cambios que no se han exportado al juego.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Se perderán cuando %1, a menos que pulse Cancelar y antes los exporte en sus ventanas.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>¿Guardar los ajustes antes de que %1?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Las imágenes solo se conservan exportándolas en sus ventanas: Cancelar para volver.)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Guardar cambios como parche</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Aplicar parche</translation>
    </message>
    <message>
        <source>Patches</source>
        <translation>Parches</translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation>Guardar los valores en los que los ajustes difieren de:</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>El juego tal como está ahora</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>Los ajustes originales (ORIGIN.SET)</translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation>Un archivo de ajustes...</translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation>Comparar con ajustes</translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation>¿Comparar con él de todos modos?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>Los ajustes tienen los mismos valores: no hay ningún cambio que guardar.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>El parche cambia datos de circuitos que aún no se han leído del juego. Abra una vez el Editor de circuitos y vuelva a aplicar el parche; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation>No hay ningún KVR.EXE en %1</translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; "Import from game" in the helmets window reads it again.</source>
        <translation>El editor se inicia sin la hoja de cascos; "Importar del juego" en la ventana de cascos la vuelve a leer.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>se abra otro juego</translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation>Localizar el archivo kvr.exe</translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation>Ejecutable principal de KVR</translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game's %2. Choose another file.</source>
        <translation>No se escribirá %1: es el %2 del juego. Elija otro archivo.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>No se puede escribir el parche %1: %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>El parche %1 no se puede aplicar; no se ha cambiado nada. %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <translation>No se puede abrir el archivo «%1»</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>La ruta del juego tiene más de 255 caracteres: %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>El archivo de configuración %1 está dañado (tiene menos de %2 bytes). Vuelva a localizar el juego; el archivo se escribe de nuevo al cerrar el editor.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>No se puede leer %1: es %2, no un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>No se puede leer %1: es mayor que %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>'%1' no es un número válido.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>El ángulo %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>se cargue otro archivo de ajustes</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>No existe ningún archivo ni carpeta %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens a game folder or its KVR.EXE, settings files (*.KVS) and patches (*.kvpatch), not %1.</source>
        <translation>kvrdesk abre una carpeta del juego o su KVR.EXE, archivos de ajustes (*.KVS) y parches (*.kvpatch), no %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens one game at a time, not both %1 and %2.</source>
        <translation>kvrdesk abre un juego cada vez, no %1 y %2 a la vez.</translation>
    </message>
    <message>
        <source>The editor's configuration %1 could not be written: %2. The next start does not remember this run's game and choices.</source>
        <translation>No se pudo escribir la configuración del editor %1: %2. El próximo inicio no recordará el juego ni las opciones de esta sesión.</translation>
    </message>
    <message>
        <source>What the patch is, for those you share it with (all may stay empty):</source>
        <translation>Qué es el parche, para quienes lo reciban (todo puede quedar vacío):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;Exact copy, every byte (also the settings description and bytes no window shows)</source>
        <translation>Copia &amp;exacta, cada byte (también la descripción de los ajustes y los bytes que ninguna ventana muestra)</translation>
    </message>
    <message>
        <source>The settings differ only in the description and bytes no window shows. Tick "Exact copy, every byte" to save those.</source>
        <translation>Los ajustes solo difieren en la descripción y en bytes que ninguna ventana muestra. Marque "Copia exacta, cada byte" para guardarlos.</translation>
    </message>
    <message>
        <source>Put on mod</source>
        <translation>Poner mod</translation>
    </message>
    <message>
        <source>The patch %1 cannot be put on; nothing was changed. %2</source>
        <translation>El parche %1 no se puede poner; no se ha cambiado nada. %2</translation>
    </message>
    <message>
        <source>Put on</source>
        <translation>Poner</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
</context>
<context>
    <name>Mods</name>
    <message>
        <source>The mod list %1 cannot be read; nothing was changed. %2</source>
        <translation>La lista de mods %1 no se puede leer; no se ha cambiado nada. %2</translation>
    </message>
    <message>
        <source>Cannot keep the mod list in %1: it is not a folder of its own (remove it, then try again).</source>
        <translation>No se puede guardar la lista de mods en %1: no es una carpeta propia (elimínela y vuelva a intentarlo).</translation>
    </message>
    <message>
        <source>kept: %1 holds %2, not %3 as the mods set it</source>
        <translation>conservado: %1 contiene %2, no %3 como lo ponen los mods</translation>
    </message>
    <message>
        <source>not a mod list of this program: %1</source>
        <translation>no es una lista de mods de este programa: %1</translation>
    </message>
    <message>
        <source>There is no mod %1: the list holds %2.</source>
        <translation>No hay mod %1: la lista contiene %2.</translation>
    </message>
    <message>
        <source>expected "kvrdesk_mods": 1, "mods" and "before"</source>
        <translation>se esperaban "kvrdesk_mods": 1, "mods" y "before"</translation>
    </message>
    <message>
        <source>mod %1: expected "file" and "patch"</source>
        <translation>mod %1: se esperaban "file" y "patch"</translation>
    </message>
    <message>
        <source>mod %1: %2</source>
        <translation>mod %1: %2</translation>
    </message>
    <message>
        <source>before %1: expected a place and a byte</source>
        <translation>before %1: se esperaban una posición y un byte</translation>
    </message>
    <message>
        <source>the values before the mods do not match the values they set</source>
        <translation>los valores anteriores a los mods no corresponden a los que ponen</translation>
    </message>
    <message>
        <source>A mod named "%1" is on the list already (place %2).</source>
        <translation>Un mod llamado "%1" ya está en la lista (puesto %2).</translation>
    </message>
    <message>
        <source>left out: %1: %2, which the game holds no place for</source>
        <translation>omitido: %1: %2, para lo que el juego no tiene sitio</translation>
    </message>
    <message>
        <source>%1: %2 (%3) was %4, the mod expects %5; changed all the same</source>
        <translation>%1: %2 (%3) era %4, el mod espera %5; cambiado de todos modos</translation>
    </message>
    <message>
        <source>Places on the list are counted from 1.</source>
        <translation>Los puestos de la lista se cuentan desde 1.</translation>
    </message>
    <message>
        <source>No mod named "%1" is on the list.</source>
        <translation>Ningún mod llamado "%1" está en la lista.</translation>
    </message>
    <message>
        <source>%1 mods are named "%2"; give the place instead.</source>
        <translation>%1 mods se llaman "%2"; indique el puesto.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Detalle: (nada)</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Cargar casco desde mapa de bits</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Guardar casco como mapa de bits</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>Archivos BMP</translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation>No hay ningún casco seleccionado.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>¡Se han exportado los datos!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>¡Se han importado los datos!</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use "Import from game" to read it from the game.</source>
        <translation>La hoja de cascos no está disponible. Use "Importar del juego" para leerla del juego.</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Guardar archivo de mapa de bits</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Cargar archivo de mapa de bits</translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>¡Se ha importado el mapa de bits!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>¡Se ha exportado el mapa de bits!</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation>Cabina</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Retrovisores</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alerón delantero</translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation>Detalle: índice de paleta %1</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Detalle: %1</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2</source>
        <translation>No se puede cargar "%1": %2</translation>
    </message>
    <message>
        <source>"%1" cannot be used. %2</source>
        <translation>No se puede usar "%1". %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>No se puede usar %1. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>No se puede guardar el mapa de bits: %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Piernas/Monitor de boxes</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Cintura</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Franja fina</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Pecho izquierdo/Cartel</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Pecho derecho</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Hombreras/Gato</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Brazo izquierdo</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Antebrazo izquierdo</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Brazo derecho</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Antebrazo derecho</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Cabeza</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logotipo del equipo</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>no contiene ningún color</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>No se puede abrir la paleta del juego %1: %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>No se puede leer la paleta del juego %1: %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>La paleta del juego %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures' own colours.</source>
        <translation>%1. Los editores de colores marcarán los colores con los colores propios de sus imágenes.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>El conversor %1 ha generado una hoja que no se puede usar. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>No se puede usar %1. La textura %2 es de %3 píxeles, y así debe ser su decoración; este mapa de bits es de %4.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>el archivo termina dentro de sus cabeceras</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>la compresión por longitud de series de 4 bits no es compatible</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>el tipo de compresión %1 no es compatible</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with "BM")</source>
        <translation>no es un archivo de mapa de bits (no empieza por «BM»)</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>su altura está fuera de rango</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 bits por píxel no es una profundidad de mapa de bits (1, 4, 8, 16, 24 o 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>su tabla de colores declara %1 colores; se leen como máximo 256</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>el archivo termina dentro de su tabla de colores</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>No se puede escribir el mapa de bits: %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>es un mapa de bits de %1 bits; la imagen necesita 8 bits por píxel</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>tiene %1 planos de color; los mapas de bits tienen 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>una imagen de %1 x %2 píxeles no se puede mostrar</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>El conversor %1 ha convertido %2 en %3, pero el editor no puede cargar ese archivo como mapa de bits de 8 bits: %4</translation>
    </message>
    <message>
        <source>Cannot make the editor's TEMP folder %1: %2.</source>
        <translation>No se puede crear la carpeta TEMP del editor %1: %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>No se puede eliminar el archivo de intercambio antiguo %1: %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>El conversor %1 no ha podido convertir %2 en %3: no se puede iniciar (%4). Instale kvrjam junto a kvrdesk o indique un conversor en %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>El conversor %1 no ha podido convertir %2 en %3: no había terminado tras %4 y se ha detenido.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>El conversor %1 no ha podido convertir %2 en %3: lo ha terminado la señal %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>El conversor %1 no ha podido convertir %2 en %3: ha terminado con el código de salida %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>El conversor %1 no ha podido convertir %2 en %3: ha terminado sin escribir el archivo.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>No se puede escribir el archivo de intercambio: %1</translation>
    </message>
    <message>
        <source>8-bit run-length compression in a %1-bit bitmap</source>
        <translation>compresión por longitud de series de 8 bits en un mapa de bits de %1 bits</translation>
    </message>
    <message>
        <source>colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)</source>
        <translation>campos de bits de color en un mapa de bits de %1 bits (solo los de 16 y 32 bits los tienen)</translation>
    </message>
    <message>
        <source>its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read</source>
        <translation>su cabecera tiene %1 bytes; se leen mapas de bits con una cabecera de 40 o 12 bytes</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>su anchura es negativa (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 píxeles son más de los que puede tener una imagen (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>las filas de píxeles están cortadas: %1 píxeles necesitan %2 bytes desde el byte %3, el archivo contiene %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>No se puede crear una imagen de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Una imagen vacía no se puede escalar</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>La imagen no contiene píxeles</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>tiene %1 x %2 píxeles, más de los %3 píxeles que se leen</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>no es una imagen en un formato que este programa lea</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>no se puede leer como imagen: %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>La imagen %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>La imagen %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>No se puede crear la imagen PNG</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>Swap helmets</source>
        <translation>Intercambiar cascos</translation>
    </message>
    <message>
        <source>Load helmet</source>
        <translation>Cargar casco</translation>
    </message>
    <message>
        <source>Load all helmets</source>
        <translation>Cargar todos los cascos</translation>
    </message>
    <message>
        <source>Import helmets from game</source>
        <translation>Importar cascos del juego</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Cargar mapa de bits</translation>
    </message>
    <message>
        <source>Import painting from game</source>
        <translation>Importar decoración del juego</translation>
    </message>
    <message>
        <source>its colour bit fields (red %1, green %2, blue %3) are not three separate runs of bits within a pixel</source>
        <translation>sus campos de bits de color (rojo %1, verde %2, azul %3) no son tres series de bits separadas dentro de un píxel</translation>
    </message>
    <message>
        <source>the file ends inside its colour bit fields</source>
        <translation>el archivo termina dentro de sus campos de bits de color</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels; it must have %3 x %4.</source>
        <translation>La imagen tiene %1 x %2 píxeles; debe tener %3 x %4.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels, the texture %3 x %4: tick "Scale to %3 x %4" to scale it to the texture's size.</source>
        <translation>La imagen tiene %1 x %2 píxeles y la textura %3 x %4: marque «Escalar a %3 x %4» para llevarla al tamaño de la textura.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>La hoja de cascos debe ser un mapa de bits de 8 bits (256 colores) de %1 x %2 píxeles; esto es %3.</translation>
    </message>
    <message>
        <source>A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Un casco debe ser un mapa de bits de 8 bits (256 colores) de %1 x %2 píxeles; esto es %3.</translation>
    </message>
    <message>
        <source>an empty file</source>
        <translation>un archivo vacío</translation>
    </message>
    <message>
        <source>an %1-bit bitmap of %2 x %3 pixels</source>
        <translation>un mapa de bits de %1 bits de %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>a %1-bit bitmap of %2 x %3 pixels</source>
        <translation>un mapa de bits de %1 bits de %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>The converter cannot put it into the game: %1.</source>
        <translation>El conversor no puede llevarlo al juego: %1.</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)</source>
        <translation>es un mapa de bits de %1 bits; las texturas son mapas de bits de 8 bits (256 colores)</translation>
    </message>
    <message>
        <source>the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way</source>
        <translation>el mapa de bits tiene %1 x %2 píxeles; una textura tiene de 1 a 4096 en cada sentido</translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation>Todos los archivos de ajustes</translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation>No se puede abrir el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Cargar ajustes</translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation>El nombre del archivo tiene más de 255 caracteres: %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>No se puede escribir el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>¿Cargarlo de todos modos?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>No se pueden restaurar los ajustes originales; no se ha cambiado nada. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>No es un archivo de ajustes: %1 contiene %2 bytes, un archivo de ajustes contiene %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes would be read, and if it is some other file they make no sense as settings.</source>
        <translation>%1 contiene %2 bytes, un archivo de ajustes exactamente %3: solo se leerían sus primeros %3 bytes, y si es otro archivo no tienen sentido como ajustes.</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 cockpit colour</source>
        <translation>%1, color de la cabina</translation>
    </message>
    <message>
        <source>%1 mirrors colour</source>
        <translation>%1, color de los retrovisores</translation>
    </message>
    <message>
        <source>%1 front wing colour</source>
        <translation>%1, color del alerón delantero</translation>
    </message>
    <message>
        <source>X distance</source>
        <translation>distancia X</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>Y distance</source>
        <translation>distancia Y</translation>
    </message>
    <message>
        <source>X angle</source>
        <translation>ángulo X</translation>
    </message>
    <message>
        <source>Z angle</source>
        <translation>ángulo Z</translation>
    </message>
    <message>
        <source>Y angle</source>
        <translation>ángulo Y</translation>
    </message>
    <message>
        <source>tuning value 1</source>
        <translation>valor de ajuste 1</translation>
    </message>
    <message>
        <source>tuning value 2</source>
        <translation>valor de ajuste 2</translation>
    </message>
    <message>
        <source>%1 front wing</source>
        <translation>%1, alerón delantero</translation>
    </message>
    <message>
        <source>%1 rear wing</source>
        <translation>%1, alerón trasero</translation>
    </message>
    <message>
        <source>%1 1st gear</source>
        <translation>%1, 1.ª marcha</translation>
    </message>
    <message>
        <source>%1 2nd gear</source>
        <translation>%1, 2.ª marcha</translation>
    </message>
    <message>
        <source>%1 3rd gear</source>
        <translation>%1, 3.ª marcha</translation>
    </message>
    <message>
        <source>%1 4th gear</source>
        <translation>%1, 4.ª marcha</translation>
    </message>
    <message>
        <source>%1 5th gear</source>
        <translation>%1, 5.ª marcha</translation>
    </message>
    <message>
        <source>%1 6th gear</source>
        <translation>%1, 6.ª marcha</translation>
    </message>
    <message>
        <source>%1 tyre type</source>
        <translation>%1, tipo de neumático</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Equipo %1</translation>
    </message>
    <message>
        <source>Team %1 engine</source>
        <translation>Motor del equipo %1</translation>
    </message>
    <message>
        <source>Car %1</source>
        <translation>Coche %1</translation>
    </message>
    <message>
        <source>Driver slot %1</source>
        <translation>Plaza de piloto %1</translation>
    </message>
    <message>
        <source>Team %1 1st driver</source>
        <translation>1.er piloto del equipo %1</translation>
    </message>
    <message>
        <source>Team %1 2nd driver</source>
        <translation>2.º piloto del equipo %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source>Driver of car %1</source>
        <translation>Piloto del coche %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, nombre</translation>
    </message>
    <message>
        <source>%1 engine name</source>
        <translation>%1, nombre del motor</translation>
    </message>
    <message>
        <source>%1's car number</source>
        <translation>%1, número</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1, elegido</translation>
    </message>
    <message>
        <source>%1, qualifying</source>
        <translation>%1, clasificación</translation>
    </message>
    <message>
        <source>%1, other sessions</source>
        <translation>%1, otras sesiones</translation>
    </message>
    <message>
        <source>Human driver engine, qualifying</source>
        <translation>Motor del jugador, clasificación</translation>
    </message>
    <message>
        <source>Human driver engine, other sessions</source>
        <translation>Motor del jugador, otras sesiones</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potencia de motor aleatoria</translation>
    </message>
    <message>
        <source>%1 grip, qualifying</source>
        <translation>%1, agarre en clasificación</translation>
    </message>
    <message>
        <source>%1 grip, other sessions</source>
        <translation>%1, agarre en otras sesiones</translation>
    </message>
    <message>
        <source>%1 random grip range</source>
        <translation>%1, margen aleatorio de agarre</translation>
    </message>
    <message>
        <source>%1 car failure</source>
        <translation>%1, averías</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, activado</translation>
    </message>
    <message>
        <source>Team at pit %1</source>
        <translation>Equipo en el box %1</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlar la velocidad en boxes</translation>
    </message>
    <message>
        <source>Pit line speed limit</source>
        <translation>Límite de velocidad en boxes</translation>
    </message>
    <message>
        <source>%1 pit crew colour %2</source>
        <translation>%1, color de los mecánicos %2</translation>
    </message>
    <message>
        <source>Camera %1 %2</source>
        <translation>Cámara %1, %2</translation>
    </message>
    <message>
        <source>Camera record %1 %2</source>
        <translation>Registro de cámara %1, %2</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Primer piloto - '0'</translation>
    </message>
    <message>
        <source>Show opponents fuel load</source>
        <translation>Mostrar la carga de combustible de los rivales</translation>
    </message>
    <message>
        <source>Player's car performance depends on selected team</source>
        <translation>El rendimiento del coche del jugador depende del equipo elegido</translation>
    </message>
    <message>
        <source>Split comparison</source>
        <translation>Comparación separada</translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso del coche del jugador</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso de los coches de la CPU</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Combustible inicial en entrenamientos</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>vueltas</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load (laps - 1)</source>
        <translation>Combustible inicial en clasificación (vueltas - 1)</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Color del LED %1</translation>
    </message>
    <message>
        <source>LED %1 threshold (RPM - 6154)</source>
        <translation>Umbral del LED %1 (RPM - 6154)</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descripción de los ajustes</translation>
    </message>
    <message>
        <source>%1 nose cone raised</source>
        <translation>%1, morro alto</translation>
    </message>
    <message>
        <source>%1 fuel consumption</source>
        <translation>%1, consumo de combustible</translation>
    </message>
    <message>
        <source>%1 tyre consumption</source>
        <translation>%1, desgaste de neumáticos</translation>
    </message>
    <message>
        <source>%1 fuel consumption, low byte</source>
        <translation>%1, consumo de combustible, byte bajo</translation>
    </message>
    <message>
        <source>%1 fuel consumption, high byte</source>
        <translation>%1, consumo de combustible, byte alto</translation>
    </message>
    <message>
        <source>%1 tyre consumption, low byte</source>
        <translation>%1, desgaste de neumáticos, byte bajo</translation>
    </message>
    <message>
        <source>%1 tyre consumption, high byte</source>
        <translation>%1, desgaste de neumáticos, byte alto</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>%1: %2 → %3 %4</source>
        <translation>%1: %2 → %3 %4</translation>
    </message>
</context>
<context>
    <name>kvrgui::ButtonPicture</name>
    <message>
        <source>KVR Editor</source>
        <translation>KVR Editor</translation>
    </message>
    <message>
        <source>for Kavorra</source>
        <translation>para Kavorra</translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation>Guardar imagen como PNG...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> (color)</translation>
    </message>
    <message>
        <source>Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part</source>
        <translation>Las flechas eligen un color, Espacio o Intro lo dan a la parte, Re Pág y Av Pág eligen la parte</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Color %1, %2</translation>
    </message>
</context>
<context>
    <name>kvrgui::ConversionWindow</name>
    <message>
        <source>Convert to the game's colours</source>
        <translation>Convertir a los colores del juego</translation>
    </message>
    <message>
        <source>As painted</source>
        <translation>Como se pintó</translation>
    </message>
    <message>
        <source>In the game's colours</source>
        <translation>En los colores del juego</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures</source>
        <translation>Ctrl + rueda, Ctrl++ o Ctrl+- amplía ambas imágenes</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Tramado</translation>
    </message>
    <message>
        <source>None: each colour its nearest</source>
        <translation>Ninguno: cada color el más cercano</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Difusión del error</translation>
    </message>
    <message>
        <source>Strength of the error diffusion</source>
        <translation>Intensidad de la difusión del error</translation>
    </message>
    <message>
        <source>Transparent pixels</source>
        <translation>Píxeles transparentes</translation>
    </message>
    <message>
        <source>Palette colour of transparent pixels</source>
        <translation>Color de la paleta de los píxeles transparentes</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Scale to %1 x %2</source>
        <translation>Escalar a %1 x %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Strength: %1%</source>
        <translation>Intensidad: %1 %</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1, the texture's background colour.</source>
        <translation>Los píxeles transparentes toman el color %1, el color de fondo de la textura.</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1 (the texture's background colour is %2).</source>
        <translation>Los píxeles transparentes toman el color %1 (el color de fondo de la textura es %2).</translation>
    </message>
    <message>
        <source>%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is invisible, 2 to 3 a near colour).</source>
        <translation>%1 de %2 píxeles cambiaron de color; diferencia media %3, máxima %4 (%5 2000: por debajo de 1 es invisible, de 2 a 3 un color cercano).</translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation>Importar datos del juego</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exportar datos al juego</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurar datos originales</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>El juego no puede mostrar «%1»; solo conoce las letras y signos de Europa occidental.</translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation>Aquí el juego guarda como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation>Como máximo %1 caracteres, de los que el juego puede mostrar.</translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Values that will change</source>
        <translation>Valores que cambiarán</translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation>- ajustes originales</translation>
    </message>
</context>
<context>
    <name>kvrgui::SessionTables</name>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>by</source>
        <translation>en</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Todos +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Todos -</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Clas=Otras</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Otras=Clas</translation>
    </message>
</context>
<context>
    <name>kvrgui::TAboutForm</name>
    <message>
        <source>About kvrdesk</source>
        <translation>Acerca de kvrdesk</translation>
    </message>
    <message>
        <source>Editor for the data of the racing game Kavorra.</source>
        <translation>Editor de los datos del juego de carreras Kavorra.</translation>
    </message>
    <message>
        <source>the licence</source>
        <translation>la licencia</translation>
    </message>
    <message>
        <source>kvrdesk is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (%1). It comes with no warranty.</source>
        <translation>kvrdesk es software libre: puede compartirlo y modificarlo según los términos de la GNU General Public License, versión 3 o (a su elección) cualquier versión posterior (%1). Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>It runs on Qt %1 (built with Qt %2).</source>
        <translation>Funciona con Qt %1 (compilado con Qt %2).</translation>
    </message>
    <message>
        <source>Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.</source>
        <translation>Su configuración (kvrdesk.set, kvrdesk.ini) está en %1.</translation>
    </message>
    <message>
        <source>How to use it: the README (README.md) of kvrdesk's sources.</source>
        <translation>Cómo usarlo: el README (README.md) de las fuentes de kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Cómo usarlo: %1.</translation>
    </message>
    <message>
        <source>the README</source>
        <translation>el README</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation>Colores de la cabina</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Puesta a punto</translation>
    </message>
    <message>
        <source>player's car performance depends on selected team</source>
        <translation>el rendimiento del coche del jugador depende del equipo elegido</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Peso del coche </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso del coche del jugador</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso de los coches de la CPU</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Vinculados</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> LED de RPM </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation>RPM del LED %1</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(los colores solo funcionan con las cabinas originales)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Combustible </translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostrar la carga de combustible de los rivales</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>vueltas</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Combustible inicial en entrenamientos</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation>Combustible inicial en clasificación</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Peso del coche</translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation>Color del LED</translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation>Umbral del LED</translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation>Carga de combustible</translation>
    </message>
    <message>
        <source>Human player car weight in pounds</source>
        <translation>Peso del coche del jugador en libras</translation>
    </message>
    <message>
        <source>Computer car weight in pounds</source>
        <translation>Peso de los coches de la CPU en libras</translation>
    </message>
    <message>
        <source>Human player car weight in kilograms</source>
        <translation>Peso del coche del jugador en kilogramos</translation>
    </message>
    <message>
        <source>Computer car weight in kilograms</source>
        <translation>Peso de los coches de la CPU en kilogramos</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Color del LED %1</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load in laps</source>
        <translation>Combustible inicial en clasificación en vueltas</translation>
    </message>
    <message>
        <source>Initial practice fuel load in laps</source>
        <translation>Combustible inicial en entrenamientos en vueltas</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Editor de cámaras</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Cámara del coche </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Cámara %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Vista predeterminada </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distancia desde el </translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation> centro del coche </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Ángulo </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Eje Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Altura </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Ajuste img.</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valor 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valor 2 </translation>
    </message>
    <message>
        <source>Camera %1 distance, X axis</source>
        <translation>Cámara %1 distancia, eje X</translation>
    </message>
    <message>
        <source>Camera %1 height, Z axis</source>
        <translation>Cámara %1 altura, eje Z</translation>
    </message>
    <message>
        <source>Camera %1 distance, Y axis</source>
        <translation>Cámara %1 distancia, eje Y</translation>
    </message>
    <message>
        <source>Camera %1 angle, X axis</source>
        <translation>Cámara %1 ángulo, eje X</translation>
    </message>
    <message>
        <source>Camera %1 angle, Z axis</source>
        <translation>Cámara %1 ángulo, eje Z</translation>
    </message>
    <message>
        <source>Camera %1 angle, Y axis</source>
        <translation>Cámara %1 ángulo, eje Y</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 1</source>
        <translation>Cámara %1 ajuste de imagen, valor 1</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 2</source>
        <translation>Cámara %1 ajuste de imagen, valor 2</translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Descripción de los ajustes</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>sin descripción</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Guardar ajustes</translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Potencia del motor</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Equipo-motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> BHP </translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation>Potencia del motor del equipo %1 en BHP</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Potencia del motor del equipo %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Otras sesiones</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor del jugador</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potencia de motor aleatoria</translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation>Potencia del motor del jugador</translation>
    </message>
    <message>
        <source>Human driver engine power in BHP</source>
        <translation>Potencia del motor del jugador en BHP</translation>
    </message>
    <message>
        <source>Raise every team's engine power by the step</source>
        <translation>Subir la potencia del motor de cada equipo en el paso</translation>
    </message>
    <message>
        <source>Lower every team's engine power by the step</source>
        <translation>Bajar la potencia del motor de cada equipo en el paso</translation>
    </message>
    <message>
        <source>Step for every team's engine power in BHP</source>
        <translation>Paso para la potencia del motor de cada equipo en BHP</translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Equipo-motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valor </translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation>Valores de averías</translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Editar datos seleccionados</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>by</source>
        <translation>en</translation>
    </message>
    <message>
        <source> car failure</source>
        <translation> (averías)</translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation>Valor de averías</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Todos +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Todos -</translation>
    </message>
    <message>
        <source>Raise every team's failure value by the step</source>
        <translation>Subir el valor de averías de cada equipo en el paso</translation>
    </message>
    <message>
        <source>Lower every team's failure value by the step</source>
        <translation>Bajar el valor de averías de cada equipo en el paso</translation>
    </message>
    <message>
        <source>Step for every team's failure value</source>
        <translation>Paso para el valor de averías de cada equipo</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Agarre de los coches de la CPU</translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Elegir datos</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Otras sesiones</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Margen de agarre aleatorio</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Primeros pilotos</translation>
    </message>
    <message>
        <source>First drivers' grip</source>
        <translation>Agarre de los primeros pilotos</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Segundos pilotos</translation>
    </message>
    <message>
        <source>Second drivers' grip</source>
        <translation>Agarre de los segundos pilotos</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> Primeros pilotos </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> AGARRE </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> Segundos pilotos </translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Editar agarre seleccionado</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Agarre</translation>
    </message>
    <message>
        <source>Raise every car's grip by the step</source>
        <translation>Subir el agarre de cada coche en el paso</translation>
    </message>
    <message>
        <source>Lower every car's grip by the step</source>
        <translation>Bajar el agarre de cada coche en el paso</translation>
    </message>
    <message>
        <source>Step for every car's grip</source>
        <translation>Paso para el agarre de cada coche</translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Cascos</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Pilotos </translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation>Arrastre un casco sobre otro para intercambiarlos; o pulse Espacio en un piloto y luego Espacio en otro.</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Guardar casco como mapa de bits</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Cargar casco desde mapa de bits</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Guardar todos los cascos como mapa de bits</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Cargar todos los cascos desde mapa de bits</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importar del juego</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Exportar al juego</translation>
    </message>
    <message>
        <source>Helmet sheet</source>
        <translation>Hoja de cascos</translation>
    </message>
    <message>
        <source>Selected helmet</source>
        <translation>Casco elegido</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + rueda, Ctrl++ o Ctrl+- amplía la imagen</translation>
    </message>
    <message>
        <source>Picked: Space on another driver swaps the two helmets, Escape puts it down</source>
        <translation>Cogido: Espacio en otro piloto intercambia los dos cascos, Esc lo suelta</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Importar/exportar datos</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Nombres y números</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Colores de la cabina</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importar todos los datos</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Exportar todos los datos</translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation>Archivo KVR.EXE</translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation>Archivo F1GSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation>JAM de los coches</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Decoraciones </translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation> Equipos disponibles </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Cargar mapa de bits</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Guardar como mapa de bits</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importar del juego</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Exportar al juego</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>Decoración</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + rueda, Ctrl++ o Ctrl+- amplía la imagen</translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Nombres + Números</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Potencia motor</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Agarre CPU</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Averías</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Puesta a punto</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Morros</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Calle de boxes</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Colores cabina</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Colores mecánicos</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM de coches</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Cascos</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Editor de circuitos</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestor de cabinas</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestor de circuitos</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation>KVR: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Cargar ajustes</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Guardar ajustes</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Guardar ajustes c&amp;omo</translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation>Archivos de ajustes r&amp;ecientes</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>Res&amp;taurar ajustes originales</translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation>Guardar cambios como &amp;parche...</translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation>Apl&amp;icar parche...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Descripción de los ajustes</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>Importar/E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation>&amp;Previsualizar cambios antes de Exportar todos los datos</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor's export</source>
        <translation>Previsualizar cambios antes de exportar desde un &amp;editor</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descripción de los ajustes</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Cargar ajustes</translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation>Restaurar ajustes originales</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Aplicar parche</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Locate the &amp;game again...</source>
        <translation>&amp;Localizar el juego de nuevo...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Atajos de teclado</translation>
    </message>
    <message>
        <source>&amp;About kvrdesk</source>
        <translation>Acerca &amp;de kvrdesk</translation>
    </message>
    <message>
        <source>&amp;Car set manager...</source>
        <translation>&amp;Gestor de juegos de coches...</translation>
    </message>
    <message>
        <source>&amp;Mods...</source>
        <translation>&amp;Mods...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TModsForm</name>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>&amp;Mods on the game, the first put on first (a later one wins):</source>
        <translation>&amp;Mods en el juego, el primero puesto primero (uno posterior gana):</translation>
    </message>
    <message>
        <source>Mods on the game</source>
        <translation>Mods en el juego</translation>
    </message>
    <message>
        <source>&amp;About the mod:</source>
        <translation>&amp;Acerca del mod:</translation>
    </message>
    <message>
        <source>About the mod</source>
        <translation>Acerca del mod</translation>
    </message>
    <message>
        <source>&amp;Values more than one mod sets:</source>
        <translation>&amp;Valores que pone más de un mod:</translation>
    </message>
    <message>
        <source>Values more than one mod sets</source>
        <translation>Valores que pone más de un mod</translation>
    </message>
    <message>
        <source>&amp;Put on...</source>
        <translation>&amp;Poner...</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Flecha arriba</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Flecha abajo</translation>
    </message>
    <message>
        <source>%1, by %2</source>
        <translation>%1, de %2</translation>
    </message>
    <message>
        <source>No mods are on.</source>
        <translation>No hay mods puestos.</translation>
    </message>
    <message>
        <source>%1 sets %2</source>
        <translation>%1 pone %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 holds</source>
        <translation>%1: %2; vale %3</translation>
    </message>
    <message>
        <source>%1 (%2), values it sets: %3</source>
        <translation>%1 (%2), valores que pone: %3</translation>
    </message>
    <message>
        <source>Put on %1</source>
        <translation>Poner %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Bajar %1</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Nombres y números</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Pilotos </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   elegidos </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1.º </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Equipo-motor </translation>
    </message>
    <message>
        <source> Team data </source>
        <translation> Datos del equipo </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nombre del motor</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nombre del 1.er piloto</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nombre del 2.º piloto</translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation>Número del 1.er piloto</translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation>Número del 2.º piloto</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Primer piloto - '0'</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Elegido</translation>
    </message>
    <message>
        <source>Car %1 takes part</source>
        <translation>El coche %1 participa</translation>
    </message>
    <message>
        <source>Team %1 1st driver takes part</source>
        <translation>El 1.er piloto del equipo %1 participa</translation>
    </message>
    <message>
        <source>Team %1 2nd driver takes part</source>
        <translation>El 2.º piloto del equipo %1 participa</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Morros</translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Equipos </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Morros</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>alto</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>bajo</translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation>Morro</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Colores de los mecánicos</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation>Localizar KVR</translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation>Localice el archivo kvr.exe en el disco duro</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Ajustes de la calle de boxes</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Orden de boxes </translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation>Arrastre un equipo sobre otro para intercambiar sus boxes; o pulse Alt+Flecha arriba o Alt+Flecha abajo para intercambiar el equipo elegido con su vecino.</translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>entrada a boxes</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>salida de boxes</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Velocidad en boxes </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Velocidad máx. permitida en boxes</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlar la velocidad en boxes</translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>Pit order</source>
        <translation>Orden de boxes</translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation>Velocidad en boxes</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in km/h</source>
        <translation>Velocidad máx. permitida en boxes en km/h</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in mph</source>
        <translation>Velocidad máx. permitida en boxes en mph</translation>
    </message>
</context>
<context>
    <name>kvrgui::TShortcutsForm</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Qué hacen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Moves to the next field, as Tab does (in the main window and the editor windows)</source>
        <translation>Pasa al campo siguiente, como Tab (en la ventana principal y en las ventanas de los editores)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Closes an editor window, keeping its changes, as "Back" does</source>
        <translation>Cierra una ventana del editor conservando sus cambios, como «Volver»</translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation>Alt+letra subrayada</translation>
    </message>
    <message>
        <source>Opens that menu, or presses that button</source>
        <translation>Abre ese menú o pulsa ese botón</translation>
    </message>
    <message>
        <source>Pit line: exchanges the selected team with the one above or below</source>
        <translation>Calle de boxes: intercambia el equipo elegido con el de arriba o el de abajo</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver's helmet; on another driver, swaps the two</source>
        <translation>Cascos: toma el casco del piloto elegido; en otro piloto, intercambia los dos</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Cascos: vuelve a dejar un casco tomado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Cargando datos...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation>Alerón delantero</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Alerón trasero</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.ª</translation>
    </message>
    <message>
        <source>Track editor</source>
        <translation>Editor de circuitos</translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation> Gran Premio </translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Reglaje de los coches de la CPU </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>CAJA DE CAMBIOS</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Otros valores del circuito </translation>
    </message>
    <message>
        <source>Tyre - "%1"</source>
        <translation>Neumático - "%1"</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consumo de combustible</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Desgaste de neumáticos</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Tipo de neumático</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 gear</source>
        <translation>%1 marcha</translation>
    </message>
</context>
<context>
    <name>kvrgui::WindowFrame</name>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
</context>
</TS>
