<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>Die zu kopierende Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>Die zu kopierende Datei kann nicht verwendet werden. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Deine kvuser.ini scheint beschädigt zu sein (leer, ohne Abschnitt oder kein Text), daher wurde die Sicherung %1 unverändert behalten.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>Daten hinter dem Dateiende</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>ein Offset hinter dem Dateiende</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>ein kompakter Index länger als 5 Bytes</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>ein kompakter Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>%1-Anzahl %2 reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>eine Zeichenkette ohne Ende</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>Der Ordner für den Verlauf kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 Zeile des Verlaufs ist beschädigt und wurde ausgelassen.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n Zeile des Verlaufs ist beschädigt und wurde ausgelassen.</numerusform>
            <numerusform>%n Zeilen des Verlaufs sind beschädigt und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>Der Verlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>Eine andere Parlomatic-Instanz hielt den Verlauf gesperrt.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Diese Zeichen können nicht in der kvuser.ini gespeichert werden und würden zu „?“: %1. Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>Der Name wurde geschrieben, konnte aber nicht im Verlauf von Parlomatic vermerkt werden und lässt sich daher nicht rückgängig machen.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>Die Datei ist größer als 128 MB, viel zu groß für ein Profil.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>Die Datei hat sich beim Lesen ständig geändert.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>Das ist keine normale Datei (eine Pipe, ein Gerät oder ein Socket).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Die Datei kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Weder die Datei noch ihr Ordner ist beschreibbar: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>Die Datei wurde direkt überschrieben (ihr Ordner ist nicht beschreibbar), und das ist fehlgeschlagen: %1. Stelle sie aus der Sicherung wieder her.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Der Ordner der Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Der Ordner der Datei kann nicht gesperrt werden: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Eine andere Parlomatic-Instanz schreibt seit zehn Sekunden in ihren Ordner; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Die Datei ist schreibgeschützt: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Neben der Datei kann keine neue Datei angelegt werden: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>Das ist keine normale Datei (eine Pipe oder ein Gerät).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 Änderung blieb so, wie das Spiel oder der Spieler sie gesetzt hat.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n Änderung blieb so, wie das Spiel oder der Spieler sie gesetzt hat.</numerusform>
            <numerusform>%n Änderungen blieben so, wie das Spiel oder der Spieler sie gesetzt hat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>Unreal Tournament hat beim Beenden 1 Änderung rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat sie erneut angewendet.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderung rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat sie erneut angewendet.</numerusform>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderungen rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat sie erneut angewendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>Unreal Tournament hat beim Beenden 1 Änderung rückgängig gemacht; Parlomatic hat sie erneut angewendet.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderung rückgängig gemacht; Parlomatic hat sie erneut angewendet.</numerusform>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderungen rückgängig gemacht; Parlomatic hat sie erneut angewendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament hat beim Beenden 1 Änderung rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat davon %1 erneut angewendet (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderung rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat davon %1 erneut angewendet (%2).</numerusform>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderungen rückgängig gemacht, während Parlomatic geschlossen war; Parlomatic hat davon %1 erneut angewendet (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament hat beim Beenden 1 Änderung rückgängig gemacht; Parlomatic hat davon %1 erneut angewendet (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderung rückgängig gemacht; Parlomatic hat davon %1 erneut angewendet (%2).</numerusform>
            <numerusform>Unreal Tournament hat beim Beenden %n Änderungen rückgängig gemacht; Parlomatic hat davon %1 erneut angewendet (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>Unreal Tournament läuft: Jetzt gemachte Änderungen werden beim Beenden rückgängig gemacht; Parlomatic wendet sie danach erneut an.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>Unreal Tournament wurde beendet.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>wartet auf das Beenden von Unreal Tournament</translation>
    </message>
    <message>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>Kommandozeile</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>Namensänderung</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>erneut angewandt</translation>
    </message>
</context>
<context>
    <name>KeyChanges</name>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>What your keys say now in %1:</source>
        <translation>Was deine Tasten jetzt in %1 sagen:</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>Das Spiel unterscheidet diese Taste nicht von Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>Das Spiel unterscheidet diese Taste nicht von Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>Das Spiel hat keinen Namen für diese Taste.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1: Taunt „%2“</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: %2 (eine Sprachbelegung, die kein Taunt des aktuellen Voicepacks ist)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (Bewegung)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (Waffen)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (Spielbefehl)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1: nicht belegt</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>nicht belegt</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: gehört nicht zu den Tasten, die dieses Programm belegt (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Tastenbelegung: kein Voicepack gewählt</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Tastenbelegung: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Taunt des aktuellen Voicepacks</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Sprachbelegung eines anderen Voicepacks</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Waffen</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Anderer Spielbefehl</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Nicht belegt</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>Hier nicht belegbar</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>Das Bild wurde nicht gespeichert.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>%1-Tabelle hinter dem Dateiende</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1: kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1: zu groß für ein Paket</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>kein Paket</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>Paketversion %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>Name %1 hat eine Länge, die über das Dateiende hinausreicht</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>die Daten von Export %1 liegen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>Namensindex %1 außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>Objektverweis %1 außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>ein Verweis auf kein Objekt</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>ein Zyklus von Outer-Objekten bei %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 Änderung nach dem Beenden von Unreal Tournament erneut angewendet</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n Änderung nach dem Beenden von Unreal Tournament erneut angewendet</numerusform>
            <numerusform>%n Änderungen nach dem Beenden von Unreal Tournament erneut angewendet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Spielername: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, der neue Name wurde in die ini-Datei geschrieben</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>Das Spiel zeigt nur die ersten %1 Zeichen eines Namens.</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>Der neue Name wurde NICHT in %1 geschrieben:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>Der Abschnittsname darf keinen Zeilenumbruch und kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>Der Abschnittsname darf kein &apos;]&apos; enthalten.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>Der Abschnittsname darf nicht mit einem Tabulator oder vertikalen Tabulator beginnen oder enden.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>Der Schlüssel darf nicht mit einem Tabulator oder vertikalen Tabulator beginnen oder enden.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>Der Schlüssel darf keinen Zeilenumbruch und kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>Der Schlüssel darf nicht leer sein.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>Der Schlüssel darf kein &apos;=&apos; enthalten.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>Der Schlüssel darf nicht mit &apos;;&apos; oder &apos;[&apos; beginnen.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>Der Wert darf keinen Zeilenumbruch und kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>Die Datei ist UTF-16-Text, der nicht exakt zurückgeschrieben werden konnte (ungerade Anzahl Bytes oder ein defektes Zeichen); sie blieb unverändert.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>Keine Profildatei angegeben.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>Der Ordner, in dem die Datei liegen sollte, ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>Der Ordner, in dem die Datei liegen sollte, existiert nicht.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Ein anderes Programm hat die Datei beim Schreiben ständig geändert; sie blieb so, wie dieses Programm sie geschrieben hat.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>Profil nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Bitte such deine kvuser.ini (meist im Ordner ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Sorry, du MUSST dem Programm sagen, wo deine kvuser.ini ist. Das Programm wird jetzt beendet</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Fehler: Sicherung deiner kvuser.ini konnte nicht erstellt werden
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Fehler: Sicherung deiner kvuser.ini konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>eine Eigenschaft ohne Typ</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>Skript zu tief verschachtelt</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>unbekanntes Skript-Token 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>eine negative Skriptgröße</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>Skriptcode reicht über seine Größe hinaus</translation>
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
        <translation>%1: Steam</translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation>Steam-Bibliothek</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Community-Patch</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Loki-Installation</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Wine-Präfix</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registry</translation>
    </message>
</context>
<context>
    <name>SoundExport</name>
    <message>
        <source>the sound&apos;s size lies past the end of its data</source>
        <translation>die Größe des Sounds reicht über das Ende seiner Daten hinaus</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>%1-Sound: nicht unterstützt</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>der Sound ist keine RIFF-Datei</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>die RIFF-Größe des Sounds reicht über sein Ende hinaus</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>der Sound ist keine WAVE-Datei</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>der %1-Chunk des Sounds reicht über sein Ende hinaus</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>der Sound ist kein PCM-Wave mit 8 oder 16 Bit</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>der Sound hat kein Format oder keine Samples</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Kein Voicepack gewählt</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Voice auf %1 gesetzt</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>%1 auf „%2“ gesetzt</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>kvuser.ini wiederhergestellt, wie sie vor der ersten Änderung durch Parlomatic war</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Deine kvuser.ini wurde geändert, aber die Änderung konnte nicht im Verlauf von Parlomatic vermerkt werden und lässt sich daher nicht rückgängig machen.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Jetzt in Bearbeitung: %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Wähle zuerst einen Taunt und eine Taste</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 sagt jetzt „%2“</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 behält %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>%1 ist mit %2 belegt. Durch den Taunt „%3“ ersetzen? %1 löst dann nicht mehr %2 aus.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 sagt nicht mehr „%2“</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>%1 wieder auf %2 legen?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1: %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>Wirklich alle Spracheinträge in deiner kvuser.ini löschen?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>1 Sprachbelegung gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>%n Sprachbelegung gelöscht</numerusform>
            <numerusform>Alle %n Sprachbelegungen gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>Nichts gelöscht</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Voicepack: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 Taste sagt jetzt etwas anderes</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n Taste sagt jetzt etwas anderes</numerusform>
            <numerusform>; %n Tasten sagen jetzt etwas anderes</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Deine kvuser.ini wurde nicht wiederhergestellt, weil die Sicherungsdatei defekt zu sein scheint</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Deine kvuser.ini wurde nicht wiederhergestellt und ist unverändert.
%1: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>%1 vom %2 wiederhergestellt</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>Diese Einträge haben sich seitdem geändert: %1. Trotzdem rückgängig machen? Ihre jetzigen Werte gingen verloren.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>Nichts rückgängig gemacht</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>Die Änderung wurde nicht rückgängig gemacht.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>Parlomatic hat diese kvuser.ini noch nicht geändert.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>Auf %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>Auf %1 und %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Deine kvuser.ini konnte nicht geändert werden.
%1: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>Ok, versuchen wir, deine kvuser.ini wiederherzustellen</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>Auf dieser Taste liegt kein Taunt.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Wähle zuerst dein Voicepack.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>Der Sound kann nicht abgespielt werden: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>kein Sound für diesen Taunt in diesem Voicepack</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>die Oberklassen von %1 bilden einen Zyklus</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>Klasse %1 nicht in %2 gefunden</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>Paket %1%2 nicht gefunden</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: %2 ist kein Sound</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: der Sound %2 nennt kein Paket</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>Sound %1 nicht in %2 gefunden</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>kein Spielordner gefunden</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>There is no change of Parlomatic to undo.</source>
        <translation>Es gibt keine Änderung von Parlomatic, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Diese Änderung kann nicht rückgängig gemacht werden (sie wurde schon rückgängig gemacht oder macht selbst etwas rückgängig).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Das Profil existiert nicht.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (jetzt %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>Das ist die VirtualStore-Kopie von %1, die das Spiel stattdessen liest.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>Windows schützt den Ordner des Profils, und dieses Konto darf dort nicht schreiben. Starte das Spiel einmal und beende es: Windows legt dann eine eigene Kopie des Profils für das Spiel im VirtualStore ab, die Parlomatic ab da bearbeitet. Oder installiere das Spiel außerhalb von „Programme“ (Program Files).</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Dieses Voicepack gehört zum UT Bonuspack.<byte value="xd"/>
 Stell sicher, dass du dieses Pack installiert hast, bevor du es nutzt.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Dieses Voicepack gehört zum UT Bonuspack.<byte value="xd"/>
 Stell sicher, dass du dieses Pack installiert hast, bevor du es nutzt.<byte value="xd"/>
Die meisten Taunts sind identisch mit UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>Das ist kein Standard-Voicepack.<byte value="xd"/>
 Stell sicher, dass du dieses Pack installiert hast, bevor du es nutzt</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>Das ist kein Standard-Voicepack.<byte value="xd"/>
 Stell sicher, dass du dieses Pack installiert hast, bevor du es nutzt<byte value="xd"/>
 Dieses Custom-Voicepack ist auf Deutsch</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Namensänderung</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Einklammern</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>In meine kvuser.ini schreiben</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>oder in die kvuser.ini schreiben</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Gib hier deinen Namen ein</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Elite-Name, erste Form</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Elite-Name, zweite Form</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Bis hierhin rückgängig</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Gibt der kvuser.ini den Inhalt zurück, den sie vor der ersten Änderung durch Parlomatic hatte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Tastenbelegung</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Wähle deine kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Es wurden mehrere kvuser.ini-Dateien gefunden. Welche nutzt das Spiel?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Gefunden in</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Durchsuchen…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Aktuelles Voicepack:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>kvuser.ini-Pfad:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Zugewiesene Taunts:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Verfügbare Tasten:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Alle verfügbaren Taunts:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Aktuelles Voicepack</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Alle verfügbaren Taunts</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Wähle oben dein Voicepack</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Verfügbare Tasten</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Zugewiesene Taunts</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Diese Belegung entfernen</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>Taunt auf Taste legen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Alle Taunts löschen</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Alte kvuser.ini laden</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>ÊLÏtë-Namen ändern</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Elite-Namen ändern</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (VirtualStore-Kopie)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>Dieses Tool (und evtl. neuere Versionen) gibt es hier:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> Haftungsausschluss:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Nutzung ohne Gewähr. Der Autor übernimmt keinerlei Haftung</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Willst du Nicht-Standard-Voicepacks online nutzen, muss der Server sie auch installiert haben. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Das Tool unterstützt auch einige Nicht-Standard-Voicepacks; installiere sie, bevor du sie nutzt</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(Wie das Ned Flanders Voicepack)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Einfach Taunt und freie Taste wählen und den Zuweisen-Button drücken. Für alle Taunts wiederholen</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Programm in den Ordner UT/system kopieren</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Besuche  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Wie das System</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Wirkt beim nächsten Start von Parlomatic.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>geschrieben vom Parlomatic-Team</translation>
    </message>
</context>
</TS>
