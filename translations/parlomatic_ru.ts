<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>Копируемый файл не существует.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>Копируемый файл нельзя использовать. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Ваш kvuser.ini похоже повреждён (пустой, без секций или не текст), поэтому резервная копия %1 оставлена как есть.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>данные за концом файла</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>смещение за концом файла</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>компактный индекс длиннее 5 байт</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>компактный индекс вне диапазона</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>%1: количество %2 выходит за конец файла</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>незавершённая строка</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>Не удаётся создать папку истории.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 строка истории повреждена и пропущена.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n строка истории повреждена и пропущена.</numerusform>
            <numerusform>%n строки истории повреждены и пропущены.</numerusform>
            <numerusform>%n строк истории повреждены и пропущены.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>Не удаётся прочитать историю: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>История заблокирована другим экземпляром Parlomatic.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Эти символы нельзя сохранить в kvuser.ini, они станут «?»: %1. Всё равно записать?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>Ник записан, но его не удалось внести в историю Parlomatic, поэтому отменить это нельзя.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>Файл больше 128 МБ — слишком велик для профиля.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удаётся прочитать файл: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>Файл менялся во время чтения.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>Это не обычный файл (канал, устройство или сокет).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удаётся записать файл: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Нельзя записать ни в файл, ни в его папку: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>Файл перезаписывался на месте (в его папку нельзя писать), и это не удалось: %1. Восстановите его из резервной копии.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удаётся открыть папку файла: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Не удаётся заблокировать папку файла: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Другой экземпляр Parlomatic уже десять секунд пишет в эту папку; ничего не записано.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Файл только для чтения: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Рядом с ним нельзя создать новый файл: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>Это не обычный файл (канал или устройство).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Файл только для чтения.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 изменение оставлено так, как его задала игра или игрок.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n изменение оставлено так, как его задала игра или игрок.</numerusform>
            <numerusform>%n изменения оставлены так, как их задала игра или игрок.</numerusform>
            <numerusform>%n изменений оставлено так, как их задала игра или игрок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>Unreal Tournament при выходе отменил 1 изменение, пока Parlomatic был закрыт; Parlomatic применил его снова.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament при выходе отменил %n изменение, пока Parlomatic был закрыт; Parlomatic применил его снова.</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменения, пока Parlomatic был закрыт; Parlomatic применил их снова.</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменений, пока Parlomatic был закрыт; Parlomatic применил их снова.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>Unreal Tournament при выходе отменил 1 изменение; Parlomatic применил его снова.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament при выходе отменил %n изменение; Parlomatic применил его снова.</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменения; Parlomatic применил их снова.</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменений; Parlomatic применил их снова.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament при выходе отменил 1 изменение, пока Parlomatic был закрыт; Parlomatic снова применил из них: %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament при выходе отменил %n изменение, пока Parlomatic был закрыт; Parlomatic снова применил из них: %1 (%2).</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменения, пока Parlomatic был закрыт; Parlomatic снова применил из них: %1 (%2).</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменений, пока Parlomatic был закрыт; Parlomatic снова применил из них: %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament при выходе отменил 1 изменение; Parlomatic снова применил из них: %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament при выходе отменил %n изменение; Parlomatic снова применил из них: %1 (%2).</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменения; Parlomatic снова применил из них: %1 (%2).</numerusform>
            <numerusform>Unreal Tournament при выходе отменил %n изменений; Parlomatic снова применил из них: %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>Unreal Tournament запущен: сделанные сейчас изменения он отменит при выходе; Parlomatic применит их снова.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>Unreal Tournament закрыт.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>ждёт выхода из Unreal Tournament</translation>
    </message>
    <message>
        <source>window</source>
        <translation>окно</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>командная строка</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>смена ника</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>повторное применение</translation>
    </message>
</context>
<context>
    <name>KeyChanges</name>
    <message>
        <source>(nothing)</source>
        <translation>(ничего)</translation>
    </message>
    <message>
        <source>What your keys say now in %1:</source>
        <translation>Что теперь говорят ваши клавиши (%1):</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>Игра не отличает эту клавишу от Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>Игра не отличает эту клавишу от Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>В игре у этой клавиши нет названия.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1: таунт «%2»</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: %2 (голосовая привязка не из текущего войспака)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (движение)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (оружие)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (команда игры)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1: ничего не назначено</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>ничего не назначено</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: эту клавишу программа не назначает (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Карта клавиатуры: войспак не выбран</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Карта клавиатуры: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Таунт текущего войспака</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Фраза другого войспака</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Движение</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Оружие</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Другая команда игры</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Ничего не назначено</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>Здесь не назначается</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>Изображение не сохранено.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>таблица %1 выходит за конец файла</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1: не удаётся прочитать (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1: слишком велик для пакета</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>не пакет</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>версия пакета %1 не поддерживается</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>длина имени %1 выходит за конец файла</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>данные экспорта %1 лежат за концом файла</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>индекс имени %1 вне диапазона</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>ссылка на объект %1 вне диапазона</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>пустая ссылка на объект</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>цикл внешних объектов (outer) у %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 изменение снова применено после выхода из Unreal Tournament</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n изменение снова применено после выхода из Unreal Tournament</numerusform>
            <numerusform>%n изменения снова применены после выхода из Unreal Tournament</numerusform>
            <numerusform>%n изменений снова применено после выхода из Unreal Tournament</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Ник игрока: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, новый ник записан в ini-файл</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>Игра показывает только первые символы ника (%1).</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>Новый ник НЕ записан в %1:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>Имя секции не должно содержать перевод строки или символ NUL.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>Имя секции не должно содержать &apos;]&apos;.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>Имя секции не должно начинаться или заканчиваться табуляцией или вертикальной табуляцией.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>Ключ не должен начинаться или заканчиваться табуляцией или вертикальной табуляцией.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>Ключ не должен содержать перевод строки или символ NUL.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>Ключ не должен быть пустым.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>Ключ не должен содержать &apos;=&apos;.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>Ключ не должен начинаться с &apos;;&apos; или &apos;[&apos;.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>Значение не должно содержать перевод строки или символ NUL.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>Это текст в UTF-16, который нельзя записать обратно без искажений (нечётное число байтов или битый символ); файл оставлен как есть.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>Файл профиля не указан.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>То, что должно быть его папкой, — не папка.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>Папка, в которой он должен лежать, не существует.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Другая программа меняла файл во время записи; он оставлен таким, каким его записала та программа.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>нет такого профиля: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Укажите ваш kvuser.ini (обычно лежит в папке ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Извините, вы ДОЛЖНЫ указать программе, где лежит ваш kvuser.ini. Программа будет закрыта</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Ошибка: не удалось создать резервную копию вашего kvuser.ini
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Ошибка: не удалось создать резервную копию вашего kvuser.ini</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>свойство без типа</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>слишком глубокая вложенность скрипта</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>неизвестный токен скрипта 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>отрицательный размер скрипта</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>код скрипта выходит за пределы своего размера</translation>
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
        <translation>Библиотека Steam</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Патч сообщества</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Установка Loki</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Префикс Wine</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Реестр</translation>
    </message>
</context>
<context>
    <name>SoundExport</name>
    <message>
        <source>the sound&apos;s size lies past the end of its data</source>
        <translation>размер звука выходит за конец его данных</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>звук %1: не поддерживается</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>звук не является файлом RIFF</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>размер RIFF звука выходит за его конец</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>звук не является файлом WAVE</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>блок %1 звука выходит за его конец</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>звук не является 8- или 16-битным PCM WAVE</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>у звука нет формата или сэмплов</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Войспак не выбран</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Голос установлен: %1</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>%1: установлено «%2»</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>kvuser.ini восстановлен таким, каким был до первого изменения Parlomatic</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Ваш kvuser.ini изменён, но изменение не удалось внести в историю Parlomatic, поэтому его нельзя отменить.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Сейчас редактируется %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Сначала выберите таунт и клавишу</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 теперь говорит «%2»</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 сохраняет %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>На %1 назначено %2. Заменить на таунт «%3»? %1 больше не будет выполнять %2.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 больше не говорит «%2»</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>Вернуть %1 на %2?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1: возвращено %2</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>Действительно удалить все голосовые записи в вашем KVuser.ini?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>1 голосовая привязка удалена</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>Удалены все голосовые привязки: %n</numerusform>
            <numerusform>Удалены все голосовые привязки: %n</numerusform>
            <numerusform>Удалены все голосовые привязки: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Войспак: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 клавиша теперь говорит другое</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n клавиша теперь говорит другое</numerusform>
            <numerusform>; %n клавиши теперь говорят другое</numerusform>
            <numerusform>; %n клавиш теперь говорят другое</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Ваш kvuser.ini не восстановлен, потому что резервная копия, похоже, повреждена</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Ваш kvuser.ini не восстановлен и не изменён.
%1: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>Восстановлена копия %1 от %2</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>С тех пор изменились записи: %1. Всё равно отменить? Их текущие значения будут потеряны.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>Ничего не отменено</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>Изменение не отменено.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>Parlomatic ещё не менял этот kvuser.ini.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>На клавише %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>На клавишах %1 и %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Не удалось изменить ваш kvuser.ini.
%1: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>Ок, попробуем восстановить ваш kvuser.ini</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>На этой клавише нет таунта.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Сначала выберите войспак.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>Не удаётся воспроизвести звук: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>в этом войспаке нет звука для этого таунта</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>суперклассы %1 образуют цикл</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>класс %1 не найден в %2</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>пакет %1%2 не найден</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: %2 — не звук</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: у звука %2 не указан пакет</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>звук %1 не найден в %2</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>папка игры не найдена</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>There is no change of Parlomatic to undo.</source>
        <translation>Нет изменений Parlomatic, которые можно отменить.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Это изменение нельзя отменить (оно уже отменено или само является отменой).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Профиль не существует.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (сейчас %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Отменено: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>Это копия %1 в VirtualStore, которую игра читает вместо него.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>Windows защищает его папку, и эта учётная запись не может туда писать. Запустите игру один раз и выйдите из неё: тогда Windows сохранит собственную копию профиля игры в VirtualStore, и Parlomatic дальше будет править её. Или установите игру не в Program Files.</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Этот голос входит в UT Bonuspack.<byte value="xd"/>
 Перед использованием убедитесь, что этот пак установлен.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Этот голос входит в UT Bonuspack.<byte value="xd"/>
 Перед использованием убедитесь, что этот пак установлен.<byte value="xd"/>
Большинство таунтов совпадает с UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>Это нестандартный войспак.<byte value="xd"/>
 Перед использованием убедитесь, что этот пак установлен</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>Это нестандартный войспак.<byte value="xd"/>
 Перед использованием убедитесь, что этот пак установлен<byte value="xd"/>
 Этот войспак на немецком языке</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Смена ника</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Доб. скобки</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>записать ник в мой kvuser.ini</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>или этот ник в kvuser.ini</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Закрыть это окно</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Введите здесь свой ник</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ваш ник</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Элитный ник, вариант 1</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Элитный ник, вариант 2</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Кем</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Отменить до этого места</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Вернуть исходный</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Возвращает kvuser.ini содержимое, которое было до первого изменения Parlomatic</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Карта клавиатуры</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Прослушать</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Карта клавиатуры</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Сохранить изображение…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Выберите ваш kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Найдено несколько файлов kvuser.ini. Какой из них использует игра?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Где найден</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Выбранный войспак:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>Путь к kvuser.ini:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Назначенные таунты:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Доступные клавиши:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Все доступные таунты:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Выбранный войспак</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Все доступные таунты</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Выберите войспак вверху</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Доступные клавиши</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Назначенные таунты</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Удалить эту привязку</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>Таунт на кнопку</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Удалить все таунты</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Вернуть kvuser.ini</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>ÊLÏtë-ник</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>История…</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Смена ника на элитный</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (копия в VirtualStore)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>Скачать программу и её новые версии можно здесь:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> Вроде дисклеймера:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Программа предоставляется «как есть». Автор не несёт никакой ответственности</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Чтобы играть с нестандартными войспаками онлайн, они должны быть установлены и на сервере. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Поддерживаются и некоторые нестандартные войспаки; перед использованием убедитесь, что они установлены</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(например, войспак Ned Flanders)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Выберите таунт, свободную клавишу и нажмите кнопку назначения. Повторите для всех нужных таунтов</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Поместите программу в папку UT/system</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Закрыть это окно</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Открыть  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Вступит в силу после перезапуска Parlomatic.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>написано командой Parlomatic</translation>
    </message>
</context>
</TS>
