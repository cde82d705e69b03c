<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Backup</name>
    <message>
        <source>The file to copy does not exist.</source>
        <translation>Le fichier à copier n’existe pas.</translation>
    </message>
    <message>
        <source>The file to copy cannot be used. %1</source>
        <extracomment>%1 is why the file cannot be read</extracomment>
        <translation>Le fichier à copier est inutilisable. %1</translation>
    </message>
    <message>
        <source>Your kvuser.ini looks damaged (empty, without a section or not text), so the backup %1 was kept as it is.</source>
        <translation>Votre kvuser.ini semble endommagé (vide, sans section ou pas du texte)&#xa0;: la sauvegarde %1 a donc été gardée telle quelle.</translation>
    </message>
</context>
<context>
    <name>ByteReader</name>
    <message>
        <source>data past the end of the file</source>
        <translation>données au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>an offset past the end of the file</source>
        <translation>un décalage au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>a compact index longer than 5 bytes</source>
        <translation>un index compact de plus de 5 octets</translation>
    </message>
    <message>
        <source>a compact index out of range</source>
        <translation>un index compact hors limites</translation>
    </message>
    <message>
        <source>%1 count %2 past the end of the file</source>
        <extracomment>%1 is a field of the package format (such as &quot;dependency&quot;), %2 the number read</extracomment>
        <translation>nombre de %1 (%2) au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>a string without its end</source>
        <translation>une chaîne sans fin</translation>
    </message>
</context>
<context>
    <name>ChangeHistory</name>
    <message>
        <source>The history folder cannot be made.</source>
        <translation>Impossible de créer le dossier de l’historique.</translation>
    </message>
    <message>
        <source>1 line of the history is damaged and was left out.</source>
        <translation>1 ligne de l’historique est endommagée et a été ignorée.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the history are damaged and were left out.</source>
        <translation>
            <numerusform>%n ligne de l’historique est endommagée et a été ignorée.</numerusform>
            <numerusform>%n lignes de l’historique sont endommagées et ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <extracomment>%1 is why the file could not be read</extracomment>
        <translation>Impossible de lire l’historique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Another Parlomatic kept the history locked.</source>
        <translation>Un autre Parlomatic a gardé l’historique verrouillé.</translation>
    </message>
</context>
<context>
    <name>EliteVoiceChanger</name>
    <message>
        <source>These characters cannot be stored in kvuser.ini and would become &quot;?&quot;: %1. Write anyway?</source>
        <extracomment>%1 lists the characters, separated by blanks</extracomment>
        <translation>Ces caractères ne peuvent pas être enregistrés dans kvuser.ini et deviendraient «&#xa0;?&#xa0;»&#xa0;: %1. Écrire quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The name was written, but it could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <translation>Le nom a été écrit, mais il n’a pas pu être noté dans l’historique de Parlomatic&#xa0;: il ne peut donc pas être annulé.
%1</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is larger than 128 MB, far too large for a profile.</source>
        <translation>Il dépasse 128 Mo, bien trop pour un profil.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Il ne peut pas être lu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It kept changing while it was read.</source>
        <translation>Il n’a cessé de changer pendant sa lecture.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe, a device or a socket).</source>
        <translation>Ce n’est pas un fichier ordinaire (tube, périphérique ou socket).</translation>
    </message>
    <message>
        <source>It cannot be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Il ne peut pas être écrit&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Neither it nor its folder can be written: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Ni lui ni son dossier ne sont accessibles en écriture&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It was being rewritten in place (its folder cannot be written) and that failed: %1. Restore it from the backup.</source>
        <translation>Il était réécrit sur place (son dossier n’est pas accessible en écriture) et cela a échoué&#xa0;: %1. Restaurez-le depuis la sauvegarde.</translation>
    </message>
    <message>
        <source>Its folder cannot be opened: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Son dossier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Its folder cannot be locked: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Son dossier ne peut pas être verrouillé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Another Parlomatic has been writing in its folder for ten seconds; nothing was written.</source>
        <translation>Un autre Parlomatic écrit dans son dossier depuis dix secondes&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message>
        <source>It is read-only: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Il est en lecture seule&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No new file can be made beside it: %1.</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Impossible de créer un nouveau fichier à côté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>It is not a regular file (a pipe or a device).</source>
        <translation>Ce n’est pas un fichier ordinaire (tube ou périphérique).</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Il est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <source>1 change was left as the game or the player set it.</source>
        <translation>1 modification a été laissée telle que le jeu ou le joueur l’a réglée.</translation>
    </message>
    <message numerus="yes">
        <source>%n changes were left as the game or the player set them.</source>
        <translation>
            <numerusform>%n modification a été laissée telle que le jeu ou le joueur l’a réglée.</numerusform>
            <numerusform>%n modifications ont été laissées telles que le jeu ou le joueur les a réglées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied it again.</source>
        <translation>Unreal Tournament a annulé 1 modification à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic l’a réappliquée.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament a annulé %n modification à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic l’a réappliquée.</numerusform>
            <numerusform>Unreal Tournament a annulé %n modifications à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic les a réappliquées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied it again.</source>
        <translation>Unreal Tournament a annulé 1 modification à sa fermeture&#xa0;; Parlomatic l’a réappliquée.</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied them again.</source>
        <translation>
            <numerusform>Unreal Tournament a annulé %n modification à sa fermeture&#xa0;; Parlomatic l’a réappliquée.</numerusform>
            <numerusform>Unreal Tournament a annulé %n modifications à sa fermeture&#xa0;; Parlomatic les a réappliquées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament a annulé 1 modification à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic en a réappliqué %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit while Parlomatic was closed; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament a annulé %n modification à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic en a réappliqué %1 (%2).</numerusform>
            <numerusform>Unreal Tournament a annulé %n modifications à sa fermeture, alors que Parlomatic n’était pas ouvert&#xa0;; Parlomatic en a réappliqué %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament undid 1 change when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>Unreal Tournament a annulé 1 modification à sa fermeture&#xa0;; Parlomatic en a réappliqué %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>Unreal Tournament undid %n changes when it quit; Parlomatic applied %1 of them again (%2).</source>
        <extracomment>%1 is how many of them were applied again, %2 why the others were not</extracomment>
        <translation>
            <numerusform>Unreal Tournament a annulé %n modification à sa fermeture&#xa0;; Parlomatic en a réappliqué %1 (%2).</numerusform>
            <numerusform>Unreal Tournament a annulé %n modifications à sa fermeture&#xa0;; Parlomatic en a réappliqué %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Unreal Tournament is running: changes made now are undone when it quits; Parlomatic will apply them again.</source>
        <translation>Unreal Tournament est lancé&#xa0;: les modifications faites maintenant seront annulées à sa fermeture&#xa0;; Parlomatic les réappliquera.</translation>
    </message>
    <message>
        <source>Unreal Tournament quit.</source>
        <translation>Unreal Tournament s’est fermé.</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>undone</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>waits for Unreal Tournament to quit</source>
        <translation>attend la fermeture d’Unreal Tournament</translation>
    </message>
    <message>
        <source>window</source>
        <translation>fenêtre</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>ligne de commande</translation>
    </message>
    <message>
        <source>name changer</source>
        <translation>changeur de nom</translation>
    </message>
    <message>
        <source>re-apply</source>
        <translation>réapplication</translation>
    </message>
</context>
<context>
    <name>KeyChanges</name>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
    <message>
        <source>What your keys say now in %1:</source>
        <translation>Ce que disent maintenant vos touches dans %1&#xa0;:</translation>
    </message>
</context>
<context>
    <name>KeyboardLayout</name>
    <message>
        <source>The game does not tell this key apart from Alt.</source>
        <translation>Le jeu ne distingue pas cette touche de la touche Alt.</translation>
    </message>
    <message>
        <source>The game does not tell this key apart from Enter.</source>
        <translation>Le jeu ne distingue pas cette touche de la touche Enter.</translation>
    </message>
    <message>
        <source>The game has no name for this key.</source>
        <translation>Le jeu n’a pas de nom pour cette touche.</translation>
    </message>
</context>
<context>
    <name>KeyboardMap</name>
    <message>
        <source>%1: taunt &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1&#xa0;: taunt «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2 (a speech binding that is no taunt of the current voicepack)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1&#xa0;: %2 (un bind vocal qui n’est pas un taunt du voicepack actuel)</translation>
    </message>
    <message>
        <source>%1: %2 (movement)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1&#xa0;: %2 (déplacement)</translation>
    </message>
    <message>
        <source>%1: %2 (weapons)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1&#xa0;: %2 (armes)</translation>
    </message>
    <message>
        <source>%1: %2 (game command)</source>
        <extracomment>%1 is a key, %2 the command of the game it holds</extracomment>
        <translation>%1&#xa0;: %2 (commande du jeu)</translation>
    </message>
    <message>
        <source>%1: nothing bound</source>
        <extracomment>%1 is a key</extracomment>
        <translation>%1&#xa0;: non assignée</translation>
    </message>
    <message>
        <source>nothing bound</source>
        <translation>non assignée</translation>
    </message>
    <message>
        <source>%1: not among the keys this program binds (%2)</source>
        <extracomment>%1 is a key, %2 what it holds</extracomment>
        <translation>%1&#xa0;: ne fait pas partie des touches que ce programme assigne (%2)</translation>
    </message>
</context>
<context>
    <name>KeyboardMapPicture</name>
    <message>
        <source>Keyboard map: no voicepack selected</source>
        <translation>Carte du clavier&#xa0;: aucun voicepack choisi</translation>
    </message>
    <message>
        <source>Keyboard map: %1</source>
        <translation>Carte du clavier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Taunt of the current voicepack</source>
        <translation>Taunt du voicepack actuel</translation>
    </message>
    <message>
        <source>Speech of another voicepack</source>
        <translation>Message vocal d’un autre voicepack</translation>
    </message>
    <message>
        <source>Movement</source>
        <translation>Déplacement</translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation>Armes</translation>
    </message>
    <message>
        <source>Other game command</source>
        <translation>Autre commande du jeu</translation>
    </message>
    <message>
        <source>Nothing bound</source>
        <translation>Non assignée</translation>
    </message>
    <message>
        <source>Cannot be bound here</source>
        <translation>Non assignable ici</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture was not saved.
%1: %2</source>
        <extracomment>%1 is the picture&apos;s path, %2 why it was not saved</extracomment>
        <translation>L’image n’a pas été enregistrée.
%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>%1 table past the end of the file</source>
        <extracomment>%1 is a table of the package format: name, import or export</extracomment>
        <translation>table %1 au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <extracomment>%1 is a package file, %2 why it cannot be read</extracomment>
        <translation>%1&#xa0;: illisible (%2)</translation>
    </message>
    <message>
        <source>%1: too large for a package</source>
        <extracomment>%1 is a package file</extracomment>
        <translation>%1&#xa0;: trop volumineux pour un package</translation>
    </message>
    <message>
        <source>not a package</source>
        <translation>pas un package</translation>
    </message>
    <message>
        <source>package version %1 is not supported</source>
        <translation>version de package %1 non prise en charge</translation>
    </message>
    <message>
        <source>name %1 has a length past the end of the file</source>
        <translation>la longueur du nom %1 dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>the data of export %1 lies past the end of the file</source>
        <translation>les données de l’export %1 dépassent la fin du fichier</translation>
    </message>
    <message>
        <source>name index %1 out of range</source>
        <translation>index de nom %1 hors limites</translation>
    </message>
    <message>
        <source>object reference %1 out of range</source>
        <translation>référence d’objet %1 hors limites</translation>
    </message>
    <message>
        <source>a reference to no object</source>
        <translation>une référence à aucun objet</translation>
    </message>
    <message>
        <source>a cycle of outers at %1</source>
        <extracomment>%1 is an object of the package</extracomment>
        <translation>un cycle d’outers sur %1</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>1 change applied again after Unreal Tournament quit</source>
        <translation>1 modification réappliquée après la fermeture d’Unreal Tournament</translation>
    </message>
    <message numerus="yes">
        <source>%n changes applied again after Unreal Tournament quit</source>
        <translation>
            <numerusform>%n modification réappliquée après la fermeture d’Unreal Tournament</numerusform>
            <numerusform>%n modifications réappliquées après la fermeture d’Unreal Tournament</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Player name: %1</source>
        <translation>Nom du joueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>OK, new Name was written to ini File</source>
        <translation>OK, le nouveau nom a été écrit dans le fichier ini</translation>
    </message>
    <message>
        <source>The game shows only the first %1 characters of a name.</source>
        <translation>Le jeu n’affiche que les %1 premiers caractères d’un nom.</translation>
    </message>
    <message>
        <source>The new Name was NOT written to %1:
%2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it was not written</extracomment>
        <translation>Le nouveau nom n’a PAS été écrit dans %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>The section name must not contain a line break or a NUL character.</source>
        <translation>Le nom de section ne doit contenir ni saut de ligne ni caractère NUL.</translation>
    </message>
    <message>
        <source>The section name must not contain &apos;]&apos;.</source>
        <translation>Le nom de section ne doit pas contenir &apos;]&apos;.</translation>
    </message>
    <message>
        <source>The section name must not begin or end with a tab or vertical tab.</source>
        <translation>Le nom de section ne doit ni commencer ni finir par une tabulation ou une tabulation verticale.</translation>
    </message>
    <message>
        <source>The key must not begin or end with a tab or vertical tab.</source>
        <translation>La clé ne doit ni commencer ni finir par une tabulation ou une tabulation verticale.</translation>
    </message>
    <message>
        <source>The key must not contain a line break or a NUL character.</source>
        <translation>La clé ne doit contenir ni saut de ligne ni caractère NUL.</translation>
    </message>
    <message>
        <source>The key must not be empty.</source>
        <translation>La clé ne doit pas être vide.</translation>
    </message>
    <message>
        <source>The key must not contain &apos;=&apos;.</source>
        <translation>La clé ne doit pas contenir &apos;=&apos;.</translation>
    </message>
    <message>
        <source>The key must not start with &apos;;&apos; or &apos;[&apos;.</source>
        <translation>La clé ne doit pas commencer par &apos;;&apos; ou &apos;[&apos;.</translation>
    </message>
    <message>
        <source>The value must not contain a line break or a NUL character.</source>
        <translation>La valeur ne doit contenir ni saut de ligne ni caractère NUL.</translation>
    </message>
    <message>
        <source>It is UTF-16 text that could not be written back exactly (an odd number of bytes or a broken character); it was left as it is.</source>
        <translation>C’est du texte UTF-16 qui n’a pas pu être réécrit à l’identique (nombre impair d’octets ou caractère cassé)&#xa0;; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>No profile file is given.</source>
        <translation>Aucun fichier de profil n’est indiqué.</translation>
    </message>
    <message>
        <source>The folder it should be in is not a folder.</source>
        <translation>Le dossier qui devrait le contenir n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder it should be in does not exist.</source>
        <translation>Le dossier qui devrait le contenir n’existe pas.</translation>
    </message>
    <message>
        <source>Another program kept changing it while it was being written; it was left as that program wrote it.</source>
        <translation>Un autre programme n’a cessé de le modifier pendant l’écriture&#xa0;; il a été laissé tel que ce programme l’a écrit.</translation>
    </message>
</context>
<context>
    <name>ProfileStartup</name>
    <message>
        <source>no such profile: %1</source>
        <translation>profil introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please locate your kvuser.ini (could be found in ut/system folder)</source>
        <translation>Veuillez indiquer où se trouve votre kvuser.ini (sans doute dans le dossier ut/system)</translation>
    </message>
    <message>
        <source>Sorry, you HAVE to tell the program, where your kvuser.ini is. Program will end now</source>
        <translation>Désolé, vous DEVEZ indiquer au programme où se trouve votre kvuser.ini. Le programme va se fermer</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini
%1</source>
        <extracomment>%1 is why the backup failed</extracomment>
        <translation>Erreur&#xa0;: impossible de sauvegarder votre kvuser.ini
%1</translation>
    </message>
    <message>
        <source>Error could not make backup of your kvuser.ini</source>
        <translation>Erreur&#xa0;: impossible de sauvegarder votre kvuser.ini</translation>
    </message>
</context>
<context>
    <name>PropertyTags</name>
    <message>
        <source>a property of no type</source>
        <translation>une propriété sans type</translation>
    </message>
</context>
<context>
    <name>ScriptWalk</name>
    <message>
        <source>script nested too deeply</source>
        <translation>script imbriqué trop profondément</translation>
    </message>
    <message>
        <source>unknown script token 0x%1</source>
        <extracomment>%1 is a hexadecimal byte</extracomment>
        <translation>jeton de script inconnu 0x%1</translation>
    </message>
    <message>
        <source>a negative script size</source>
        <translation>une taille de script négative</translation>
    </message>
    <message>
        <source>script code runs past its size</source>
        <translation>le code du script dépasse sa taille</translation>
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
        <translation>Bibliothèque Steam</translation>
    </message>
    <message>
        <source>%1 (Proton)</source>
        <extracomment>%1 is the Steam place whose Proton prefix holds the profile</extracomment>
        <translation>%1 (Proton)</translation>
    </message>
    <message>
        <source>Community patch</source>
        <translation>Patch communautaire</translation>
    </message>
    <message>
        <source>Loki install</source>
        <translation>Installation Loki</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Préfixe Wine</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registre</translation>
    </message>
</context>
<context>
    <name>SoundExport</name>
    <message>
        <source>the sound&apos;s size lies past the end of its data</source>
        <translation>la taille du son dépasse la fin de ses données</translation>
    </message>
    <message>
        <source>%1 sound: not supported</source>
        <extracomment>%1 is a sound format such as mp3</extracomment>
        <translation>son %1&#xa0;: non pris en charge</translation>
    </message>
    <message>
        <source>the sound is no RIFF file</source>
        <translation>le son n’est pas un fichier RIFF</translation>
    </message>
    <message>
        <source>the sound&apos;s RIFF size lies past its end</source>
        <translation>la taille RIFF du son dépasse sa fin</translation>
    </message>
    <message>
        <source>the sound is no WAVE file</source>
        <translation>le son n’est pas un fichier WAVE</translation>
    </message>
    <message>
        <source>the sound&apos;s %1 chunk lies past its end</source>
        <extracomment>%1 is the hexadecimal identifier of a chunk of the wave file</extracomment>
        <translation>le bloc %1 du son dépasse sa fin</translation>
    </message>
    <message>
        <source>the sound is no PCM wave of 8 or 16 bit</source>
        <translation>le son n’est pas un WAVE PCM 8 ou 16 bits</translation>
    </message>
    <message>
        <source>the sound has no format or no samples</source>
        <translation>le son n’a pas de format ou pas d’échantillons</translation>
    </message>
</context>
<context>
    <name>SpeechTool</name>
    <message>
        <source>No voicepack selected</source>
        <translation>Aucun voicepack choisi</translation>
    </message>
    <message>
        <source>Voice set to %1</source>
        <extracomment>%1 is the voicepack&apos;s class path written to Voice</extracomment>
        <translation>Voice réglé sur %1</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot;</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its new value</extracomment>
        <translation>%1 réglé sur «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Restored kvuser.ini as it was before Parlomatic first changed it</source>
        <translation>kvuser.ini restauré tel qu’il était avant la première modification par Parlomatic</translation>
    </message>
    <message>
        <source>Your kvuser.ini was changed, but the change could not be noted in Parlomatic&apos;s history, so it cannot be undone.
%1</source>
        <extracomment>%1 is why the history could not be written</extracomment>
        <translation>Votre kvuser.ini a été modifié, mais la modification n’a pas pu être notée dans l’historique de Parlomatic&#xa0;: elle ne peut donc pas être annulée.
%1</translation>
    </message>
    <message>
        <source>Now editing %1</source>
        <translation>Édition de %1</translation>
    </message>
    <message>
        <source>Select a Speech and a key first</source>
        <translation>Choisissez d’abord un taunt et une touche</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>%1 now says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 dit maintenant «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 keeps %2</source>
        <extracomment>%1 is a key, %2 the command of the game it keeps</extracomment>
        <translation>%1 garde %2</translation>
    </message>
    <message>
        <source>%1 is bound to %2. Replace it with the taunt &quot;%3&quot;? %1 will no longer %2.</source>
        <extracomment>%1 is a key, %2 a command of the game (such as Jump), %3 a taunt</extracomment>
        <translation>%1 est assignée à %2. La remplacer par le taunt «&#xa0;%3&#xa0;»&#xa0;? %1 ne fera plus %2.</translation>
    </message>
    <message>
        <source>%1 no longer says &quot;%2&quot;</source>
        <extracomment>%1 is a key, %2 a taunt</extracomment>
        <translation>%1 ne dit plus «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Put %1 back on %2?</source>
        <extracomment>%1 is a command of the game (such as Jump), %2 a key</extracomment>
        <translation>Remettre %1 sur %2&#xa0;?</translation>
    </message>
    <message>
        <source>%1: %2 put back</source>
        <extracomment>%1 is a key, %2 a command of the game</extracomment>
        <translation>%1&#xa0;: %2 remis</translation>
    </message>
    <message>
        <source>Really delete all voice entrys in your KVuser.ini?</source>
        <translation>Vraiment supprimer toutes les entrées vocales de votre KVuser.ini&#xa0;?</translation>
    </message>
    <message>
        <source>1 speech binding erased</source>
        <translation>1 bind vocal effacé</translation>
    </message>
    <message numerus="yes">
        <source>All %n speech bindings erased</source>
        <translation>
            <numerusform>%n bind vocal a été effacé</numerusform>
            <numerusform>Les %n binds vocaux ont été effacés</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing erased</source>
        <translation>Rien n’a été effacé</translation>
    </message>
    <message>
        <source>Voicepack: %1</source>
        <translation>Voicepack&#xa0;: %1</translation>
    </message>
    <message>
        <source>; 1 key says something else now</source>
        <translation>; 1 touche dit maintenant autre chose</translation>
    </message>
    <message numerus="yes">
        <source>; %n keys say something else now</source>
        <translation>
            <numerusform>; %n touche dit maintenant autre chose</numerusform>
            <numerusform>; %n touches disent maintenant autre chose</numerusform>
        </translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored,because the backup file seems to be defect</source>
        <translation>Votre kvuser.ini n’a pas été restauré, car le fichier de sauvegarde semble défectueux</translation>
    </message>
    <message>
        <source>Your kvuser.ini was not Restored and is unchanged.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Votre kvuser.ini n’a pas été restauré et reste inchangé.
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Restored %1 from %2</source>
        <extracomment>%1 is the backup file&apos;s name, %2 when it was made</extracomment>
        <translation>Sauvegarde %1 du %2 restaurée</translation>
    </message>
    <message>
        <source>These entries changed since: %1. Undo anyway? Their values now would be lost.</source>
        <extracomment>%1 lists entries of kvuser.ini</extracomment>
        <translation>Ces entrées ont changé depuis&#xa0;: %1. Annuler quand même&#xa0;? Leurs valeurs actuelles seraient perdues.</translation>
    </message>
    <message>
        <source>Nothing undone</source>
        <translation>Rien n’a été annulé</translation>
    </message>
    <message>
        <source>The change was not undone.
%1</source>
        <translation>La modification n’a pas été annulée.
%1</translation>
    </message>
    <message>
        <source>Parlomatic has not changed this kvuser.ini yet.</source>
        <translation>Parlomatic n’a pas encore modifié ce kvuser.ini.</translation>
    </message>
    <message>
        <source>On %1</source>
        <extracomment>%1 is a key</extracomment>
        <translation>Sur %1</translation>
    </message>
    <message>
        <source>On %1 and %2</source>
        <extracomment>%1 lists keys, %2 is the last key</extracomment>
        <translation>Sur %1 et %2</translation>
    </message>
    <message>
        <source>Your kvuser.ini could not be changed.
%1: %2</source>
        <extracomment>%1 is the path of kvuser.ini, %2 why it could not be written</extracomment>
        <translation>Votre kvuser.ini n’a pas pu être modifié.
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Ok, lets try to restore Your kvuser.ini</source>
        <translation>OK, essayons de restaurer votre kvuser.ini</translation>
    </message>
</context>
<context>
    <name>TauntListener</name>
    <message>
        <source>This key holds no taunt.</source>
        <translation>Cette touche n’a pas de taunt.</translation>
    </message>
    <message>
        <source>Choose your voicepack first.</source>
        <translation>Choisissez d’abord votre voicepack.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <extracomment>%1 is why the sound player failed</extracomment>
        <translation>Impossible de lire le son&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TauntSound</name>
    <message>
        <source>no sound for this taunt in this voicepack</source>
        <translation>aucun son pour ce taunt dans ce voicepack</translation>
    </message>
    <message>
        <source>the superclasses of %1 form a cycle</source>
        <extracomment>%1 is a class of the game</extracomment>
        <translation>les superclasses de %1 forment un cycle</translation>
    </message>
    <message>
        <source>class %1 not found in %2</source>
        <extracomment>%1 is a class of the game, %2 a package file</extracomment>
        <translation>classe %1 introuvable dans %2</translation>
    </message>
    <message>
        <source>package %1%2 not found</source>
        <extracomment>%1 is a package name, %2 its file extension</extracomment>
        <translation>package %1%2 introuvable</translation>
    </message>
    <message>
        <source>%1: %2 is no sound</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1&#xa0;: %2 n’est pas un son</translation>
    </message>
    <message>
        <source>%1: the sound %2 names no package</source>
        <extracomment>%1 is a package file, %2 an object in it</extracomment>
        <translation>%1&#xa0;: le son %2 ne nomme aucun package</translation>
    </message>
    <message>
        <source>sound %1 not found in %2</source>
        <extracomment>%1 is a sound object, %2 a package file</extracomment>
        <translation>son %1 introuvable dans %2</translation>
    </message>
    <message>
        <source>no game folder found</source>
        <translation>aucun dossier du jeu trouvé</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>There is no change of Parlomatic to undo.</source>
        <translation>Aucune modification de Parlomatic à annuler.</translation>
    </message>
    <message>
        <source>That change cannot be undone (it was undone already or is an undo).</source>
        <translation>Cette modification ne peut pas être annulée (déjà annulée, ou elle-même une annulation).</translation>
    </message>
    <message>
        <source>The profile does not exist.</source>
        <translation>Le profil n’existe pas.</translation>
    </message>
    <message>
        <source>%1 (now %2)</source>
        <extracomment>%1 is an entry of kvuser.ini, %2 its value now (quoted, or &quot;nothing&quot;)</extracomment>
        <translation>%1 (actuellement %2)</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <extracomment>%1 is the description of the change undone</extracomment>
        <translation>Annulé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>VirtualStore</name>
    <message>
        <source>This is the VirtualStore copy of %1, which the game reads in its place.</source>
        <extracomment>%1 is the path of the profile in the game&apos;s folder</extracomment>
        <translation>Ceci est la copie VirtualStore de %1, que le jeu lit à sa place.</translation>
    </message>
    <message>
        <source>Windows protects its folder, and this account cannot write there. Start the game once and quit it: Windows then keeps the game&apos;s own copy of the profile in the VirtualStore, which Parlomatic edits from then on. Or install the game outside Program Files.</source>
        <translation>Windows protège son dossier et ce compte ne peut pas y écrire. Lancez le jeu une fois puis quittez-le&#xa0;: Windows garde alors la copie du profil propre au jeu dans le VirtualStore, que Parlomatic modifie ensuite. Ou installez le jeu hors de Program Files.</translation>
    </message>
</context>
<context>
    <name>VoicePackCatalogue</name>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.</source>
        <translation>Cette voix fait partie de l’UT Bonuspack.<byte value="xd"/>
 Assurez-vous d’avoir installé ce pack avant de l’utiliser.</translation>
    </message>
    <message>
        <source>This Voice is part of the UT Bonuspack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it.<byte value="xd"/>
Most of the Taunts are identical to UT Male2.</source>
        <translation>Cette voix fait partie de l’UT Bonuspack.<byte value="xd"/>
 Assurez-vous d’avoir installé ce pack avant de l’utiliser.<byte value="xd"/>
La plupart des taunts sont identiques à UT Male2.</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it</source>
        <translation>Ce n’est pas un voicepack standard.<byte value="xd"/>
 Assurez-vous d’avoir installé ce pack avant de l’utiliser</translation>
    </message>
    <message>
        <source>This is not a standard Voicepack.<byte value="xd"/>
 Make sure you have installed this pack, before you use it<byte value="xd"/>
 This customvoicepack is in german language</source>
        <translation>Ce n’est pas un voicepack standard.<byte value="xd"/>
 Assurez-vous d’avoir installé ce pack avant de l’utiliser<byte value="xd"/>
 Ce voicepack personnalisé est en allemand</translation>
    </message>
</context>
<context>
    <name>parlomatic::EliteVoiceChangerWindow</name>
    <message>
        <source>Name Changer</source>
        <translation>Changeur de nom</translation>
    </message>
    <message>
        <source>Add Brackets</source>
        <translation>Encadrer</translation>
    </message>
    <message>
        <source>write this name to my kvuser.ini</source>
        <translation>écrire ce nom dans kvuser.ini</translation>
    </message>
    <message>
        <source>or write this name to kvuser.ini</source>
        <translation>ou l’écrire dans kvuser.ini</translation>
    </message>
    <message>
        <source>Close this Window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Please enter your Name here</source>
        <translation>Entrez votre nom ici</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Elite name, first form</source>
        <translation>Nom élite, première forme</translation>
    </message>
    <message>
        <source>Elite name, second form</source>
        <translation>Nom élite, deuxième forme</translation>
    </message>
</context>
<context>
    <name>parlomatic::HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo back to here</source>
        <translation>Annuler jusqu’ici</translation>
    </message>
    <message>
        <source>Restore original</source>
        <translation>Restaurer l’original</translation>
    </message>
    <message>
        <source>Gives kvuser.ini back the content it had before Parlomatic first changed it</source>
        <translation>Rend à kvuser.ini le contenu qu’il avait avant la première modification par Parlomatic</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapView</name>
    <message>
        <source>Keyboard map</source>
        <translation>Carte du clavier</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
</context>
<context>
    <name>parlomatic::KeyboardMapWindow</name>
    <message>
        <source>Keyboard map</source>
        <translation>Carte du clavier</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
</context>
<context>
    <name>parlomatic::ProfileChooser</name>
    <message>
        <source>Choose your kvuser.ini</source>
        <translation>Choisissez votre kvuser.ini</translation>
    </message>
    <message>
        <source>Several kvuser.ini files were found. Which one does the game use?</source>
        <translation>Plusieurs fichiers kvuser.ini ont été trouvés. Lequel le jeu utilise-t-il&#xa0;?</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Trouvé dans</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
</context>
<context>
    <name>parlomatic::SpeechToolWindow</name>
    <message>
        <source>Currently selected Voicepack:</source>
        <translation>Voicepack actuel&#xa0;:</translation>
    </message>
    <message>
        <source>Path to kvuser.ini:</source>
        <translation>Chemin kvuser.ini&#xa0;:</translation>
    </message>
    <message>
        <source>Currently assigned Taunts:</source>
        <translation>Taunts assignés&#xa0;:</translation>
    </message>
    <message>
        <source>All available Keys:</source>
        <translation>Touches disponibles&#xa0;:</translation>
    </message>
    <message>
        <source>All available Speech Taunts:</source>
        <translation>Taunts disponibles&#xa0;:</translation>
    </message>
    <message>
        <source>Currently selected Voicepack</source>
        <translation>Voicepack actuel</translation>
    </message>
    <message>
        <source>All available Speech Taunts</source>
        <translation>Taunts disponibles</translation>
    </message>
    <message>
        <source>Choose your voicepack above</source>
        <translation>Choisissez votre voicepack ci-dessus</translation>
    </message>
    <message>
        <source>All available Keys</source>
        <translation>Touches disponibles</translation>
    </message>
    <message>
        <source>Currently assigned Taunts</source>
        <translation>Taunts assignés</translation>
    </message>
    <message>
        <source>Remove this binding</source>
        <translation>Supprimer ce bind</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>assign Taunt to key</source>
        <translation>Lier le taunt à la touche</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Del all Speech Entrys</source>
        <translation>Suppr. binds vocaux</translation>
    </message>
    <message>
        <source>Restore old kvuser.ini</source>
        <translation>Restaurer kvuser.ini</translation>
    </message>
    <message>
        <source>ÊLÏtë Namechanger</source>
        <translation>Nom ÊLÏtë</translation>
    </message>
    <message>
        <source>Keyboard map</source>
        <translation>Carte clavier</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Elite name changer</source>
        <translation>Changeur de nom élite</translation>
    </message>
    <message>
        <source> (VirtualStore copy)</source>
        <translation> (copie VirtualStore)</translation>
    </message>
</context>
<context>
    <name>parlomatic::SplashWindow</name>
    <message>
        <source>This Tool (and maybe future versions) can be downloaded here:</source>
        <translation>Cet outil (et ses futures versions) se télécharge ici&#xa0;:</translation>
    </message>
    <message>
        <source> Kind of a disclaimer:</source>
        <translation> En guise d’avertissement&#xa0;:</translation>
    </message>
    <message>
        <source>This software is provided as is. The author takes no responsibilitys whatsoever</source>
        <translation>Ce logiciel est fourni tel quel. L’auteur décline toute responsabilité</translation>
    </message>
    <message>
        <source>If you want to use non Standardvoicepacks Online,the Server must have installed those Voicepacks too. </source>
        <translation>Pour utiliser des voicepacks non standard en ligne, le serveur doit aussi les avoir installés. </translation>
    </message>
    <message>
        <source>This tool also has support for some non Standardvoicpacks, make sure you have installed them, before you use them</source>
        <translation>Cet outil gère aussi quelques voicepacks non standard&#xa0;; installez-les avant de les utiliser</translation>
    </message>
    <message>
        <source>(Like the Ned Flanders Voicepack)</source>
        <translation>(Comme le voicepack Ned Flanders)</translation>
    </message>
    <message>
        <source>Simply choose a Taunt and a free Key and Press the assign Button. Do that for all desired taunts</source>
        <translation>Choisissez un taunt et une touche libre, puis cliquez sur «&#xa0;Lier&#xa0;». Idem pour chaque taunt voulu</translation>
    </message>
    <message>
        <source>Put this program into your UT/system folder</source>
        <translation>Placez ce programme dans votre UT/system</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Close this Screen</source>
        <translation>Fermer cet écran</translation>
    </message>
    <message>
        <source>Visit  %1</source>
        <translation>Visiter  %1</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>As the system</source>
        <translation>Comme le système</translation>
    </message>
    <message>
        <source>Takes effect when Parlomatic starts again.</source>
        <translation>Prend effet au prochain démarrage de Parlomatic.</translation>
    </message>
</context>
<context>
    <name>product</name>
    <message>
        <source>written by the Parlomatic team</source>
        <translation>écrit par l’équipe Parlomatic</translation>
    </message>
</context>
</TS>
