<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>El archivo que se va a copiar no existe.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>El archivo que se va a copiar no se puede usar. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Tu kvuser.ini parece dañado (vacío, sin secciones o no es texto), así que la copia de seguridad %1 se ha conservado tal cual.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>datos más allá del final del archivo</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>un desplazamiento más allá del final del archivo</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>un índice compacto de más de 5 bytes</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>un índice compacto fuera de rango</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>número de %1 (%2) más allá del final del archivo</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>una cadena sin final</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>No se puede crear la carpeta del historial.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 línea del historial está dañada y se ha omitido.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n línea del historial está dañada y se ha omitido.</numerusform>
            <numerusform>%n líneas del historial están dañadas y se han omitido.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>Otro Parlomatic mantenía bloqueado el historial.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Estos caracteres no se pueden guardar en kvuser.ini y se convertirían en &quot;?&quot;: %1. ¿Escribir de todos modos?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>El nombre se ha escrito, pero no se pudo anotar en el historial de Parlomatic, así que no se puede deshacer.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>Ocupa más de 128 MB, demasiado para un perfil.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede leer: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>No dejó de cambiar mientras se leía.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>No es un archivo normal (es una tubería, un dispositivo o un socket).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede escribir: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede escribir ni en él ni en su carpeta: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>Se estaba reescribiendo directamente (no se puede escribir en su carpeta) y ha fallado: %1. Restáuralo desde la copia de seguridad.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede abrir su carpeta: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede bloquear su carpeta: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Otro Parlomatic lleva diez segundos escribiendo en su carpeta; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Es de solo lectura: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>No se puede crear un archivo nuevo junto a él: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>No es un archivo normal (es una tubería o un dispositivo).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 cambio se ha dejado como lo puso el juego o el jugador.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n cambio se ha dejado como lo puso el juego o el jugador.</numerusform>
            <numerusform>%n cambios se han dejado como los puso el juego o el jugador.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>Unreal Tournament deshizo 1 cambio al salir mientras Parlomatic estaba cerrado; Parlomatic lo ha vuelto a aplicar.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament deshizo %n cambio al salir mientras Parlomatic estaba cerrado; Parlomatic lo ha vuelto a aplicar.</numerusform>
            <numerusform>Unreal Tournament deshizo %n cambios al salir mientras Parlomatic estaba cerrado; Parlomatic los ha vuelto a aplicar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>Unreal Tournament deshizo 1 cambio al salir; Parlomatic lo ha vuelto a aplicar.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament deshizo %n cambio al salir; Parlomatic lo ha vuelto a aplicar.</numerusform>
            <numerusform>Unreal Tournament deshizo %n cambios al salir; Parlomatic los ha vuelto a aplicar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament deshizo 1 cambio al salir mientras Parlomatic estaba cerrado; Parlomatic ha vuelto a aplicar %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament deshizo %n cambio al salir mientras Parlomatic estaba cerrado; Parlomatic ha vuelto a aplicar %1 (%2).</numerusform>
            <numerusform>Unreal Tournament deshizo %n cambios al salir mientras Parlomatic estaba cerrado; Parlomatic ha vuelto a aplicar %1 de ellos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament deshizo 1 cambio al salir; Parlomatic ha vuelto a aplicar %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament deshizo %n cambio al salir; Parlomatic ha vuelto a aplicar %1 (%2).</numerusform>
            <numerusform>Unreal Tournament deshizo %n cambios al salir; Parlomatic ha vuelto a aplicar %1 de ellos (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>Unreal Tournament está en ejecución: los cambios que hagas ahora se desharán al cerrarlo; Parlomatic los volverá a aplicar.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>Unreal Tournament se ha cerrado.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>deshecho</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>espera a que se cierre Unreal Tournament</translation>
    </message>
    <message>
        <source>window</source>
        <translation>ventana</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>línea de comandos</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>cambio de nombre</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>reaplicado</translation>
    </message>
</context>
<context>
    <name>KeyChanges</name>
    <message>
        <source>(nothing)</source>
        <translation>(nada)</translation>
    </message>
    <message>
        <source>What your keys say now in %1:</source>
        <translation>Lo que dicen ahora tus teclas en %1:</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>El juego no distingue esta tecla de Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>El juego no distingue esta tecla de Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>El juego no tiene nombre para esta tecla.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1: burla &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: %2 (una asignación de voz que no es una burla del pack de voces actual)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (movimiento)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (armas)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (comando del juego)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1: sin asignar</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>sin asignar</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: no está entre las teclas que asigna este programa (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Mapa de teclas: ningún pack de voces seleccionado</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Mapa de teclas: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Burla del pack de voces actual</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Voz de otro pack de voces</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Movimiento</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Armas</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Otro comando del juego</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Sin asignar</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>No se puede asignar aquí</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>No se ha guardado la imagen.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>tabla de %1 más allá del final del archivo</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1: no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1: demasiado grande para un paquete</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>no es un paquete</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>la versión de paquete %1 no es compatible</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>el nombre %1 tiene una longitud que supera el final del archivo</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>los datos de la exportación %1 están más allá del final del archivo</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>índice de nombre %1 fuera de rango</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>referencia de objeto %1 fuera de rango</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>una referencia a ningún objeto</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>un ciclo de objetos contenedores en %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 cambio aplicado de nuevo tras cerrarse Unreal Tournament</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n cambio aplicado de nuevo tras cerrarse Unreal Tournament</numerusform>
            <numerusform>%n cambios aplicados de nuevo tras cerrarse Unreal Tournament</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Nombre del jugador: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, el nuevo nombre se ha escrito en el archivo ini</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>El juego solo muestra los primeros %1 caracteres de un nombre.</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>El nuevo nombre NO se ha escrito en %1:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>El nombre de la sección no puede contener un salto de línea ni un carácter NUL.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>El nombre de la sección no puede contener &apos;]&apos;.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>El nombre de la sección no puede empezar ni terminar con un tabulador horizontal o vertical.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>La clave no puede empezar ni terminar con un tabulador horizontal o vertical.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>La clave no puede contener un salto de línea ni un carácter NUL.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>La clave no puede estar vacía.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>La clave no puede contener &apos;=&apos;.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>La clave no puede empezar por &apos;;&apos; ni por &apos;[&apos;.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>El valor no puede contener un salto de línea ni un carácter NUL.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>Es texto UTF-16 que no se podría volver a escribir exactamente igual (un número impar de bytes o un carácter roto); se ha dejado tal cual.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>No se ha indicado ningún archivo de perfil.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>La carpeta en la que debería estar no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>La carpeta en la que debería estar no existe.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Otro programa no dejó de modificarlo mientras se escribía; se ha dejado como lo escribió ese programa.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>no existe el perfil: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Busca tu kvuser.ini (suele estar en la carpeta ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Lo siento, TIENES que indicar al programa dónde está tu kvuser.ini. El programa se cerrará ahora</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Error: no se pudo hacer la copia de seguridad de tu kvuser.ini
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Error: no se pudo hacer la copia de seguridad de tu kvuser.ini</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>una propiedad sin tipo</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>script anidado a demasiada profundidad</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>token de script desconocido 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>un tamaño de script negativo</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>el código del script supera su tamaño</translation>
    </message>
</context>
<context>
    <name>SearchPlaces</name>
    <message>
        <source>%1 (VirtualStore)</source>
        <extracomment>%1 is the place of the game whose VirtualStore copy was found</extracomment>
        <translation>%1 (VirtualStore)</translation>
    </message>
    <message>
        <source>%1 Steam</source>
        <extracomment>%1 is the place of a Wine prefix, such as &quot;Wine prefix&quot; or &quot;Lutris&quot;</extracomment>
        <translation>Steam en %1</translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation>Biblioteca de Steam</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Parche de la comunidad</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Instalación de Loki</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Prefijo de Wine</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>SoundExport</name>
    <message>
        <source>the sound&apos;s size lies past the end of its data</source>
        <translation>el tamaño del sonido supera el final de sus datos</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>sonido %1: no compatible</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>el sonido no es un archivo RIFF</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>el tamaño RIFF del sonido supera su final</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>el sonido no es un archivo WAVE</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>el bloque %1 del sonido supera su final</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>el sonido no es un WAVE PCM de 8 o 16 bits</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>el sonido no tiene formato o no tiene muestras</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Ningún pack de voces seleccionado</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Voz cambiada a %1</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>%1 cambiado a &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>kvuser.ini restaurado tal como estaba antes del primer cambio de Parlomatic</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Tu kvuser.ini se ha modificado, pero el cambio no se pudo anotar en el historial de Parlomatic, así que no se puede deshacer.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Editando %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Elige primero una burla y una tecla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 ahora dice &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 mantiene %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>%1 está asignada a %2. ¿Sustituirlo por la burla &quot;%3&quot;? %1 ya no hará %2.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 ya no dice &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>¿Volver a poner %1 en %2?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1: %2 restablecido</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>¿Seguro que quieres borrar todas las entradas de voz de tu KVuser.ini?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>1 asignación de voz borrada</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>%n asignación de voz borrada</numerusform>
            <numerusform>Borradas las %n asignaciones de voz</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>No se ha borrado nada</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Pack de voces: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 tecla dice ahora otra cosa</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n tecla dice ahora otra cosa</numerusform>
            <numerusform>; %n teclas dicen ahora otra cosa</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Tu kvuser.ini no se ha restaurado porque la copia de seguridad parece dañada</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Tu kvuser.ini no se ha restaurado y sigue sin cambios.
%1: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>Restaurado desde %1 (%2)</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>Estas entradas han cambiado desde entonces: %1. ¿Deshacer de todos modos? Se perderían sus valores actuales.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>No se ha deshecho nada</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>No se ha deshecho el cambio.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>Parlomatic aún no ha modificado este kvuser.ini.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>En %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>En %1 y %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>No se pudo modificar tu kvuser.ini.
%1: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>Vale, intentemos restaurar tu kvuser.ini</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>Esta tecla no tiene ninguna burla.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Elige primero tu pack de voces.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>No se puede reproducir el sonido: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>este pack de voces no tiene sonido para esta burla</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>las superclases de %1 forman un ciclo</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>no se encontró la clase %1 en %2</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>no se encontró el paquete %1%2</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: %2 no es un sonido</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: el sonido %2 no indica ningún paquete</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>no se encontró el sonido %1 en %2</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>no se encontró la carpeta del juego</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>There is no change of Parlomatic to undo.</source>
        <translation>No hay ningún cambio de Parlomatic que deshacer.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Ese cambio no se puede deshacer (ya se deshizo o es en sí un deshacer).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>El perfil no existe.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (ahora %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Deshecho: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>Esta es la copia en VirtualStore de %1, que el juego lee en su lugar.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>Windows protege su carpeta y esta cuenta no puede escribir en ella. Inicia el juego una vez y ciérralo: Windows guardará entonces la copia del perfil propia del juego en VirtualStore, que Parlomatic editará a partir de ese momento. O instala el juego fuera de Program Files.</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Esta voz forma parte del UT Bonuspack.<byte value="xd"/>
 Asegúrate de tener instalado este pack antes de usarla.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Esta voz forma parte del UT Bonuspack.<byte value="xd"/>
 Asegúrate de tener instalado este pack antes de usarla.<byte value="xd"/>
La mayoría de las burlas son idénticas a las de UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>Este no es un pack de voces estándar.<byte value="xd"/>
 Asegúrate de tener instalado este pack antes de usarlo</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>Este no es un pack de voces estándar.<byte value="xd"/>
 Asegúrate de tener instalado este pack antes de usarlo<byte value="xd"/>
 Este pack de voces personalizado está en alemán</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Con corchetes</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>escribir en mi kvuser.ini</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>o escribir en kvuser.ini</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Escribe aquí tu nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Nombre elite, primera forma</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Nombre elite, segunda forma</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Deshacer hasta aquí</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Restaurar original</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Devuelve a kvuser.ini el contenido que tenía antes del primer cambio de Parlomatic</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa de teclas</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa de teclas</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Elige tu kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Se han encontrado varios archivos kvuser.ini. ¿Cuál usa el juego?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Encontrado en</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Pack de voces actual:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>Ruta de kvuser.ini:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Burlas asignadas:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Teclas disponibles:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Burlas disponibles:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Pack de voces actual</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Burlas disponibles</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Elige tu pack de voces arriba</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Teclas disponibles</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Burlas asignadas</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Quitar esta asignación</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>asignar burla a tecla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Borrar todas las voces</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Restaurar kvuser.ini</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>Nombre ÊLÏtë</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa de teclas</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Cambio de nombre elite</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (copia de VirtualStore)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>Puedes descargar esta herramienta (y futuras versiones) aquí:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> Aviso legal, o algo así:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Este software se ofrece tal cual. El autor no asume ninguna responsabilidad</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Para usar packs de voces no estándar online, el servidor también debe tenerlos instalados. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Esta herramienta también admite algunos packs de voces no estándar; instálalos antes de usarlos</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(como el pack de Ned Flanders)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Elige una burla y una tecla libre y pulsa el botón de asignar. Repítelo con cada burla que quieras</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Pon este programa en tu carpeta UT/system</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Cerrar esta pantalla</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Visita  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Como el sistema</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Se aplicará al reiniciar Parlomatic.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>escrito por el equipo de Parlomatic</translation>
    </message>
</context>
</TS>
