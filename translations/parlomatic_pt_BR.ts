<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>O arquivo a copiar não existe.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>O arquivo a copiar não pode ser usado. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Seu kvuser.ini parece danificado (vazio, sem seção ou não é texto), então o backup %1 foi mantido como está.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>dados além do fim do arquivo</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>um deslocamento além do fim do arquivo</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>um índice compacto com mais de 5 bytes</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>um índice compacto fora do intervalo</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>quantidade de %1 (%2) além do fim do arquivo</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>uma string sem terminação</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>A pasta do histórico não pode ser criada.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 linha do histórico está danificada e foi ignorada.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n linha do histórico está danificada e foi ignorada.</numerusform>
            <numerusform>%n linhas do histórico estão danificadas e foram ignoradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>O histórico não pode ser lido: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>Outro Parlomatic manteve o histórico bloqueado.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Estes caracteres não podem ser gravados no kvuser.ini e virariam &quot;?&quot;: %1. Gravar mesmo assim?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>O nome foi gravado, mas não pôde ser registrado no histórico do Parlomatic, então não pode ser desfeito.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>O arquivo tem mais de 128 MB, grande demais para um perfil.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>O arquivo não pode ser lido: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>O arquivo continuou mudando durante a leitura.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>É uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>Não é um arquivo comum (é um pipe, um dispositivo ou um socket).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>O arquivo não pode ser gravado: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nem o arquivo nem a pasta dele podem ser gravados: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>O arquivo estava sendo regravado no lugar (a pasta dele não permite gravação) e isso falhou: %1. Restaure-o a partir do backup.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>A pasta do arquivo não pode ser aberta: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>A pasta do arquivo não pode ser bloqueada: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Outro Parlomatic está gravando na pasta do arquivo há dez segundos; nada foi gravado.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>O arquivo é somente leitura: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Nenhum arquivo novo pode ser criado ao lado dele: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>Não é um arquivo comum (é um pipe ou um dispositivo).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 alteração ficou como o jogo ou o jogador a definiu.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n alteração ficou como o jogo ou o jogador a definiu.</numerusform>
            <numerusform>%n alterações ficaram como o jogo ou o jogador as definiu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>O Unreal Tournament desfez 1 alteração ao fechar enquanto o Parlomatic estava fechado; o Parlomatic a aplicou de novo.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>O Unreal Tournament desfez %n alteração ao fechar enquanto o Parlomatic estava fechado; o Parlomatic a aplicou de novo.</numerusform>
            <numerusform>O Unreal Tournament desfez %n alterações ao fechar enquanto o Parlomatic estava fechado; o Parlomatic as aplicou de novo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>O Unreal Tournament desfez 1 alteração ao fechar; o Parlomatic a aplicou de novo.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>O Unreal Tournament desfez %n alteração ao fechar; o Parlomatic a aplicou de novo.</numerusform>
            <numerusform>O Unreal Tournament desfez %n alterações ao fechar; o Parlomatic as aplicou de novo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>O Unreal Tournament desfez 1 alteração ao fechar enquanto o Parlomatic estava fechado; o Parlomatic reaplicou %1 delas (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>O Unreal Tournament desfez %n alteração ao fechar enquanto o Parlomatic estava fechado; o Parlomatic reaplicou %1 delas (%2).</numerusform>
            <numerusform>O Unreal Tournament desfez %n alterações ao fechar enquanto o Parlomatic estava fechado; o Parlomatic reaplicou %1 delas (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>O Unreal Tournament desfez 1 alteração ao fechar; o Parlomatic reaplicou %1 delas (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>O Unreal Tournament desfez %n alteração ao fechar; o Parlomatic reaplicou %1 delas (%2).</numerusform>
            <numerusform>O Unreal Tournament desfez %n alterações ao fechar; o Parlomatic reaplicou %1 delas (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>O Unreal Tournament está aberto: as alterações feitas agora serão desfeitas quando ele fechar; o Parlomatic vai aplicá-las de novo.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>O Unreal Tournament foi fechado.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>desfeita</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>aguarda o Unreal Tournament fechar</translation>
    </message>
    <message>
        <source>window</source>
        <translation>janela</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>linha de comando</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>trocador de nome</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>reaplicação</translation>
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
        <translation>O que suas teclas dizem agora em %1:</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>O jogo não distingue esta tecla de Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>O jogo não distingue esta tecla de Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>O jogo não tem nome para esta tecla.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1: taunt &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: %2 (um atalho de fala que não é taunt do voicepack atual)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (movimento)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (armas)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1: %2 (comando do jogo)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1: nada atribuído</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>nada atribuído</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1: não está entre as teclas que este programa configura (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Mapa do teclado: nenhum voicepack selecionado</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Mapa do teclado: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Taunt do voicepack atual</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Fala de outro voicepack</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Armas</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Outro comando do jogo</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Nada atribuído</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>Não pode ser atribuída aqui</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>A imagem não foi salva.
%1: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>tabela %1 além do fim do arquivo</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1: não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1: grande demais para um pacote</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>não é um pacote</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>a versão de pacote %1 não é suportada</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>o nome %1 tem um comprimento além do fim do arquivo</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>os dados do export %1 ficam além do fim do arquivo</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>índice de nome %1 fora do intervalo</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>referência de objeto %1 fora do intervalo</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>uma referência a nenhum objeto</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>um ciclo de outers em %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 alteração reaplicada após o Unreal Tournament fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n alteração reaplicada após o Unreal Tournament fechar</numerusform>
            <numerusform>%n alterações reaplicadas após o Unreal Tournament fechar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Nome do jogador: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, o novo nome foi gravado no arquivo ini</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>O jogo mostra só os primeiros %1 caracteres de um nome.</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>O novo nome NÃO foi gravado em %1:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>O nome da seção não pode conter quebra de linha nem caractere NUL.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>O nome da seção não pode conter &apos;]&apos;.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>O nome da seção não pode começar nem terminar com tabulação ou tabulação vertical.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>A chave não pode começar nem terminar com tabulação ou tabulação vertical.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>A chave não pode conter quebra de linha nem caractere NUL.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>A chave não pode estar vazia.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>A chave não pode conter &apos;=&apos;.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>A chave não pode começar com &apos;;&apos; ou &apos;[&apos;.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>O valor não pode conter quebra de linha nem caractere NUL.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>É um texto UTF-16 que não pôde ser regravado exatamente (número ímpar de bytes ou caractere corrompido); foi deixado como está.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>Nenhum arquivo de perfil foi informado.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>A pasta onde ele deveria estar não é uma pasta.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>A pasta onde ele deveria estar não existe.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Outro programa continuou alterando o arquivo enquanto ele era gravado; ficou como esse programa o gravou.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>perfil inexistente: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Localize seu kvuser.ini (pode estar na pasta ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Desculpe, você PRECISA informar ao programa onde está seu kvuser.ini. O programa será encerrado agora</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Erro: não foi possível fazer o backup do seu kvuser.ini
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Erro: não foi possível fazer o backup do seu kvuser.ini</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>uma propriedade sem tipo</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>script aninhado demais</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>token de script desconhecido 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>um tamanho de script negativo</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>o código do script ultrapassa seu tamanho</translation>
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
        <translation>Biblioteca do Steam</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Patch da comunidade</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Instalação Loki</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Prefixo do Wine</translation>
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
        <translation>o tamanho do som passa do fim dos seus dados</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>som %1: não suportado</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>o som não é um arquivo RIFF</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>o tamanho RIFF do som passa do seu fim</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>o som não é um arquivo WAVE</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>o chunk %1 do som passa do seu fim</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>o som não é um wave PCM de 8 ou 16 bits</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>o som não tem formato ou não tem amostras</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Nenhum voicepack selecionado</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Voz definida como %1</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>%1 definido como &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>kvuser.ini restaurado como era antes da primeira alteração do Parlomatic</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Seu kvuser.ini foi alterado, mas a alteração não pôde ser registrada no histórico do Parlomatic, então não pode ser desfeita.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Editando agora %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Selecione primeiro uma fala e uma tecla</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 agora diz &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 mantém %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>%1 está atribuída a %2. Substituir pelo taunt &quot;%3&quot;? %1 deixará de executar %2.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 não diz mais &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>Colocar %1 de volta em %2?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1: %2 restaurado</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>Apagar mesmo todas as entradas de voz do seu KVuser.ini?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>1 atalho de fala apagado</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>%n atalho de fala apagado</numerusform>
            <numerusform>Todos os %n atalhos de fala apagados</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>Nada apagado</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Voicepack: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 tecla agora diz outra coisa</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n tecla agora diz outra coisa</numerusform>
            <numerusform>; %n teclas agora dizem outra coisa</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Seu kvuser.ini não foi restaurado, pois o arquivo de backup parece estar corrompido</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Seu kvuser.ini não foi restaurado e está inalterado.
%1: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>Restaurado o backup %1 de %2</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>Estas entradas mudaram desde então: %1. Desfazer mesmo assim? Os valores atuais delas seriam perdidos.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>Nada desfeito</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>A alteração não foi desfeita.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>O Parlomatic ainda não alterou este kvuser.ini.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>Na tecla %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>Nas teclas %1 e %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Seu kvuser.ini não pôde ser alterado.
%1: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>Ok, vamos tentar restaurar seu kvuser.ini</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>Esta tecla não tem taunt.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Escolha seu voicepack primeiro.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>O som não pode ser tocado: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>não há som para este taunt neste voicepack</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>as superclasses de %1 formam um ciclo</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>classe %1 não encontrada em %2</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>pacote %1%2 não encontrado</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: %2 não é um som</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1: o som %2 não indica nenhum pacote</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>som %1 não encontrado em %2</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>nenhuma pasta do jogo encontrada</translation>
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
        <translation>Não há alteração do Parlomatic para desfazer.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Essa alteração não pode ser desfeita (já foi desfeita ou é ela mesma um desfazer).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>O perfil não existe.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (agora %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Desfeito: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>Esta é a cópia do VirtualStore de %1, que o jogo lê no lugar dele.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>O Windows protege a pasta dele, e esta conta não pode gravar lá. Abra o jogo uma vez e feche-o: o Windows passa então a guardar a cópia do perfil do próprio jogo no VirtualStore, que o Parlomatic edita dali em diante. Ou instale o jogo fora de Program Files (Arquivos de Programas).</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Esta voz faz parte do UT Bonuspack.<byte value="xd"/>
 Verifique se você instalou este pacote antes de usá-lo.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Esta voz faz parte do UT Bonuspack.<byte value="xd"/>
 Verifique se você instalou este pacote antes de usá-lo.<byte value="xd"/>
A maioria dos Taunts é idêntica aos do UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>Este não é um Voicepack padrão.<byte value="xd"/>
 Verifique se você instalou este pacote antes de usá-lo</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>Este não é um Voicepack padrão.<byte value="xd"/>
 Verifique se você instalou este pacote antes de usá-lo<byte value="xd"/>
 Este voicepack personalizado é em alemão</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Trocar nome</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Pôr colchetes</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>gravar no meu kvuser.ini</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>ou gravar no kvuser.ini</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Fechar esta janela</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Digite seu nome aqui</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Nome elite, primeira forma</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Nome elite, segunda forma</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alteração</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Desfazer até aqui</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Restaurar original</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Devolve ao kvuser.ini o conteúdo que ele tinha antes da primeira alteração do Parlomatic</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa do teclado</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ouvir</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa do teclado</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Escolha seu kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Foram encontrados vários arquivos kvuser.ini. Qual deles o jogo usa?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Encontrado em</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Última alteração</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Voicepack selecionado:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>Local do kvuser.ini:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Taunts atribuídos:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Teclas disponíveis:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Taunts disponíveis:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Voicepack selecionado</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Taunts disponíveis</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Escolha seu voicepack acima</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Teclas disponíveis</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Taunts atribuídos</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Remover este atalho</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>mapear Taunt na tecla</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Apagar todas as falas</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Restaurar kvuser.ini</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>Trocar nome ÊLÏtë</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Mapa de teclas</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Histórico…</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Troca de nome elite</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (cópia do VirtualStore)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>Baixe esta ferramenta (e talvez versões futuras) aqui:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> Tipo um aviso legal:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Software fornecido como está. O autor não assume responsabilidade alguma</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Para usar voicepacks não padrão online, o servidor também precisa tê-los instalados. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Esta ferramenta também suporta alguns voicepacks não padrão; instale-os antes de usá-los</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(como o Voicepack Ned Flanders)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Escolha um Taunt e uma tecla livre e clique no botão mapear. Repita para cada taunt desejado</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Coloque este programa na pasta UT/system</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Fechar esta tela</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Visitar  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Do sistema</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Vale quando o Parlomatic for reiniciado.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>escrito pela equipe do Parlomatic</translation>
    </message>
</context>
</TS>
