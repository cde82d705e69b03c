<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>Plik do skopiowania nie istnieje.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>Nie można użyć pliku do skopiowania. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Twój kvuser.ini wygląda na uszkodzony (jest pusty, nie ma sekcji albo nie jest tekstem), więc kopia zapasowa %1 została zachowana bez zmian.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>dane za końcem pliku</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>przesunięcie za końcem pliku</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>indeks kompaktowy dłuższy niż 5 bajtów</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>indeks kompaktowy poza zakresem</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>licznik %1 (%2) wykracza poza koniec pliku</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>ciąg znaków bez zakończenia</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>Nie można utworzyć folderu historii.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 wiersz historii jest uszkodzony i został pominięty.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n wiersz historii jest uszkodzony i został pominięty.</numerusform>
            <numerusform>%n wiersze historii są uszkodzone i zostały pominięte.</numerusform>
            <numerusform>%n wierszy historii jest uszkodzonych i zostało pominiętych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>Nie można odczytać historii: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>Historia była zablokowana przez inną kopię Parlomatic.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Tych znaków nie da się zapisać w kvuser.ini i zamienią się w „?”: %1. Zapisać mimo to?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>Nick został zapisany, ale nie udało się odnotować tego w historii Parlomatic, więc nie można tego cofnąć.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>Plik ma ponad 128 MB – o wiele za dużo jak na profil.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można go odczytać: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>Zmieniał się podczas odczytu.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>To folder, a nie plik.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>To nie jest zwykły plik (to potok, urządzenie lub gniazdo).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można go zapisać: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można zapisać ani pliku, ani jego folderu: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>Plik był nadpisywany w miejscu (do jego folderu nie można zapisywać) i to się nie powiodło: %1. Przywróć go z kopii zapasowej.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można otworzyć jego folderu: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można zablokować jego folderu: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Inna kopia Parlomatic od dziesięciu sekund zapisuje w jego folderze; nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Jest tylko do odczytu: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nie można utworzyć obok niego nowego pliku: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>To nie jest zwykły plik (to potok lub urządzenie).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Jest tylko do odczytu.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 zmiana została pozostawiona tak, jak ustawiła ją gra lub gracz.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n zmiana została pozostawiona tak, jak ustawiła ją gra lub gracz.</numerusform>
            <numerusform>%n zmiany zostały pozostawione tak, jak ustawiła je gra lub gracz.</numerusform>
            <numerusform>%n zmian zostało pozostawionych tak, jak ustawiła je gra lub gracz.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>Unreal Tournament przy wyjściu cofnął 1 zmianę, gdy Parlomatic był zamknięty; Parlomatic wprowadził ją ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmianę, gdy Parlomatic był zamknięty; Parlomatic wprowadził ją ponownie.</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmiany, gdy Parlomatic był zamknięty; Parlomatic wprowadził je ponownie.</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmian, gdy Parlomatic był zamknięty; Parlomatic wprowadził je ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>Unreal Tournament przy wyjściu cofnął 1 zmianę; Parlomatic wprowadził ją ponownie.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmianę; Parlomatic wprowadził ją ponownie.</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmiany; Parlomatic wprowadził je ponownie.</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmian; Parlomatic wprowadził je ponownie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament przy wyjściu cofnął 1 zmianę, gdy Parlomatic był zamknięty; Parlomatic wprowadził ponownie %1 z nich (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmianę, gdy Parlomatic był zamknięty; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmiany, gdy Parlomatic był zamknięty; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmian, gdy Parlomatic był zamknięty; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament przy wyjściu cofnął 1 zmianę; Parlomatic wprowadził ponownie %1 z nich (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmianę; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmiany; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
            <numerusform>Unreal Tournament przy wyjściu cofnął %n zmian; Parlomatic wprowadził ponownie %1 z nich (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>Unreal Tournament działa: zmiany wprowadzone teraz gra cofnie przy wyjściu; Parlomatic wprowadzi je ponownie.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>Unreal Tournament został zamknięty.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>cofnięta</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>czeka na zamknięcie Unreal Tournament</translation>
    </message>
    <message>
        <source>window</source>
        <translation>okno</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>wiersz poleceń</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>zmiana nicku</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>ponowne zastosowanie</translation>
    </message>
</context>
<context>
    <name>KeyChanges</name>
    <message>
        <source>(nothing)</source>
        <translation>(nic)</translation>
    </message>
    <message>
        <source>What your keys say now in %1:</source>
        <translation>Co teraz mówią Twoje klawisze w voicepacku %1:</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>Gra nie odróżnia tego klawisza od Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>Gra nie odróżnia tego klawisza od Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>Gra nie ma nazwy dla tego klawisza.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1: taunt „%2”</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: %2 (bind głosowy spoza bieżącego voicepacka)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (ruch)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (broń)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (polecenie gry)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1: nic nie przypisano</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>nic nie przypisano</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: klawisz spoza obsługiwanych przez program (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Mapa klawiszy: nie wybrano voicepacka</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Mapa klawiszy: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Taunt bieżącego voicepacka</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Głos z innego voicepacka</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Ruch</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Broń</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Inne polecenie gry</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Nic nie przypisano</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>Nie można tu przypisać</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>Obraz nie został zapisany.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>tablica %1 za końcem pliku</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1: nie można odczytać (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1: za duży jak na pakiet</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>to nie jest pakiet</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>wersja pakietu %1 nie jest obsługiwana</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>nazwa %1 ma długość wykraczającą poza koniec pliku</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>dane eksportu %1 leżą za końcem pliku</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>indeks nazwy %1 poza zakresem</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>odwołanie do obiektu %1 poza zakresem</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>odwołanie do żadnego obiektu</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>cykl obiektów nadrzędnych przy %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 zmiana wprowadzona ponownie po zamknięciu Unreal Tournament</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n zmiana wprowadzona ponownie po zamknięciu Unreal Tournament</numerusform>
            <numerusform>%n zmiany wprowadzone ponownie po zamknięciu Unreal Tournament</numerusform>
            <numerusform>%n zmian wprowadzonych ponownie po zamknięciu Unreal Tournament</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Nick gracza: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, nowy nick zapisano w pliku ini</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>Gra pokazuje tylko pierwsze %1 znaków nicku.</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>Nowy nick NIE został zapisany w %1:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>Nazwa sekcji nie może zawierać podziału wiersza ani znaku NUL.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>Nazwa sekcji nie może zawierać „]”.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>Nazwa sekcji nie może zaczynać się ani kończyć tabulatorem poziomym ani pionowym.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>Klucz nie może zaczynać się ani kończyć tabulatorem poziomym ani pionowym.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>Klucz nie może zawierać podziału wiersza ani znaku NUL.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>Klucz nie może być pusty.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>Klucz nie może zawierać „=”.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>Klucz nie może zaczynać się od „;” ani „[”.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>Wartość nie może zawierać podziału wiersza ani znaku NUL.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>To tekst UTF-16, którego nie da się dokładnie zapisać z powrotem (nieparzysta liczba bajtów lub uszkodzony znak); pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>Nie podano pliku profilu.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>Miejsce, w którym powinien być, nie jest folderem.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>Folder, w którym powinien być, nie istnieje.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Inny program zmieniał go w trakcie zapisu; pozostawiono go tak, jak zapisał go tamten program.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>nie ma takiego profilu: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Wskaż swój kvuser.ini (zwykle jest w folderze ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Niestety, MUSISZ wskazać programowi, gdzie jest Twój kvuser.ini. Program zostanie teraz zamknięty</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Błąd: nie udało się utworzyć kopii zapasowej Twojego kvuser.ini
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Błąd: nie udało się utworzyć kopii zapasowej Twojego kvuser.ini</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>właściwość bez typu</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>skrypt zbyt głęboko zagnieżdżony</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>nieznany token skryptu 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>ujemny rozmiar skryptu</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>kod skryptu wykracza poza swój rozmiar</translation>
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
        <translation>Steam (%1)</translation>
    </message>
    <message>
        <source>Steam library</source>
        <translation>Biblioteka Steam</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Patch społeczności</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Instalacja Loki</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Prefiks Wine</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Rejestr</translation>
    </message>
</context>
<context>
    <name>SoundExport</name>
    <message>
        <source>the sound&apos;s size lies past the end of its data</source>
        <translation>rozmiar dźwięku wykracza poza koniec jego danych</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>dźwięk %1: nieobsługiwany</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>dźwięk nie jest plikiem RIFF</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>rozmiar RIFF dźwięku wykracza poza jego koniec</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>dźwięk nie jest plikiem WAVE</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>blok %1 dźwięku wykracza poza jego koniec</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>dźwięk nie jest plikiem WAVE PCM 8- ani 16-bitowym</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>dźwięk nie ma formatu albo próbek</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Nie wybrano voicepacka</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Ustawiono Voice na %1</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>Ustawiono %1 na „%2”</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>Przywrócono kvuser.ini sprzed pierwszej zmiany przez Parlomatic</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Twój kvuser.ini został zmieniony, ale nie udało się odnotować zmiany w historii Parlomatic, więc nie można jej cofnąć.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Edytowany plik: %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Najpierw wybierz taunt i klawisz</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 mówi teraz „%2”</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 zachowuje %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>Klawisz %1 ma przypisane %2. Zastąpić to tauntem „%3”? %1 przestanie wykonywać %2.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 już nie mówi „%2”</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>Przywrócić %1 na klawiszu %2?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1: przywrócono %2</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>Na pewno usunąć wszystkie wpisy głosowe z Twojego kvuser.ini?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>Usunięto 1 bind głosowy</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>Usunięto %n bind głosowy</numerusform>
            <numerusform>Usunięto wszystkie %n bindy głosowe</numerusform>
            <numerusform>Usunięto wszystkie %n bindów głosowych</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>Nic nie usunięto</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Voicepack: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 klawisz mówi teraz coś innego</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n klawisz mówi teraz coś innego</numerusform>
            <numerusform>; %n klawisze mówią teraz coś innego</numerusform>
            <numerusform>; %n klawiszy mówi teraz coś innego</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Twój kvuser.ini nie został przywrócony, bo plik kopii zapasowej wygląda na uszkodzony</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Twój kvuser.ini nie został przywrócony i pozostał bez zmian.
%1: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>Przywrócono %1 (kopia z %2)</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>Te wpisy zmieniły się od tamtej pory: %1. Cofnąć mimo to? Ich obecne wartości zostaną utracone.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>Nic nie cofnięto</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>Zmiana nie została cofnięta.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>Parlomatic nie zmienił jeszcze tego kvuser.ini.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>Na klawiszu %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>Na klawiszach %1 i %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Nie udało się zmienić Twojego kvuser.ini.
%1: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>OK, spróbujmy przywrócić Twój kvuser.ini</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>Ten klawisz nie ma przypisanego tauntu.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Najpierw wybierz voicepack.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>Nie można odtworzyć dźwięku: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>brak dźwięku tego tauntu w tym voicepacku</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>nadklasy %1 tworzą cykl</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>nie znaleziono klasy %1 w %2</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>nie znaleziono pakietu %1%2</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: %2 nie jest dźwiękiem</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: dźwięk %2 nie wskazuje pakietu</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>nie znaleziono dźwięku %1 w %2</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>nie znaleziono folderu gry</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>There is no change of Parlomatic to undo.</source>
        <translation>Nie ma żadnej zmiany Parlomatic do cofnięcia.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Tej zmiany nie można cofnąć (już ją cofnięto albo sama jest cofnięciem).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Profil nie istnieje.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (teraz %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Cofnięto: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>To kopia %1 w VirtualStore, którą gra odczytuje zamiast oryginału.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>Windows chroni jego folder i to konto nie może w nim zapisywać. Uruchom grę raz i wyjdź z niej: Windows będzie wtedy trzymać własną kopię profilu gry w VirtualStore, którą Parlomatic będzie odtąd edytować. Albo zainstaluj grę poza Program Files.</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Ten głos jest częścią UT Bonuspack.<byte value="xd"/>
 Zanim go użyjesz, upewnij się, że ten pakiet jest zainstalowany.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Ten głos jest częścią UT Bonuspack.<byte value="xd"/>
 Zanim go użyjesz, upewnij się, że ten pakiet jest zainstalowany.<byte value="xd"/>
Większość tauntów jest taka sama jak w UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>To nie jest standardowy voicepack.<byte value="xd"/>
 Zanim go użyjesz, upewnij się, że ten pakiet jest zainstalowany</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>To nie jest standardowy voicepack.<byte value="xd"/>
 Zanim go użyjesz, upewnij się, że ten pakiet jest zainstalowany<byte value="xd"/>
 Ten niestandardowy voicepack jest po niemiecku</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Zmiana nicku</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Dodaj nawiasy</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>zapisz nick w moim kvuser.ini</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>lub zapisz nick w kvuser.ini</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Zamknij to okno</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Wpisz tutaj swój nick</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Twój nick</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Nick elite, pierwsza wersja</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Nick elite, druga wersja</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Kto</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Cofnij do tego miejsca</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Przywróć oryginał</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Przywraca kvuser.ini do stanu sprzed pierwszej zmiany przez Parlomatic</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa klawiszy</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa klawiszy</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Zapisz obraz…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Wybierz swój kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Znaleziono kilka plików kvuser.ini. Którego z nich używa gra?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Znaleziono w</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Ostatnia zmiana</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Przeglądaj…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Wybrany Voicepack:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>Ścieżka kvuser.ini:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Przypisane taunty:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Dostępne klawisze:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Dostępne taunty:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Wybrany Voicepack</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Dostępne taunty</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Wybierz voicepack powyżej</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Dostępne klawisze</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Przypisane taunty</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Usuń to przypisanie</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Odsłuchaj</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>Taunt na klawisz</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Usuń bindy głosowe</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Przywróć kvuser.ini</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>ÊLÏtë Zmiana nicku</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa klawiszy</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Zmiana nicku elite</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (kopia w VirtualStore)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>To narzędzie (i może przyszłe wersje) można pobrać tutaj:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> Coś jak zastrzeżenie:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Program jest dostarczany „tak jak jest”. Autor nie ponosi żadnej odpowiedzialności</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Aby grać online z niestandardowymi voicepackami, serwer też musi mieć je zainstalowane. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Program obsługuje też niektóre niestandardowe voicepacki; zanim ich użyjesz, upewnij się, że są zainstalowane</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(Np. voicepack Ned Flanders)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Wybierz taunt i wolny klawisz, a potem kliknij przycisk przypisania. Powtórz dla każdego tauntu</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Umieść ten program w folderze UT/system</translation>
    </message>
    <message>
        <source>or</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Zamknij to okno</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Odwiedź  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Zadziała po restarcie Parlomatic.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>napisany przez zespół Parlomatic</translation>
    </message>
</context>
</TS>
