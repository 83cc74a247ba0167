<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Erreur d&apos;accès au fichier&#xa0;! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 est trop court pour contenir une somme de contrôle</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>Les autres fichiers de cette modification sont déjà en place&#xa0;; la prochaine modification du jeu mettra le reste.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>Impossible de terminer la dernière modification du jeu (%1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>Impossible d&apos;écrire dans le jeu dans %1&#xa0;: il se trouve sur un disque en lecture seule.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game&apos;s new files can be written.</source>
        <translation>Impossible d&apos;écrire dans le jeu dans %1&#xa0;: vous ne pouvez pas créer de fichiers dans ce dossier (%2), donc ni son verrou ni les nouveaux fichiers du jeu ne peuvent être écrits.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user&apos;s editor may be writing to the game.</source>
        <translation>Impossible d&apos;écrire dans le jeu dans %1&#xa0;: son fichier de verrou %2 ne peut pas être ouvert (%3)&#xa0;; l&apos;éditeur d&apos;un autre utilisateur écrit peut-être dans le jeu.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>Impossible d&apos;écrire dans le jeu dans %1&#xa0;: son fichier de verrou %2 ne peut pas être créé&#xa0;: %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>Impossible d&apos;écrire dans le jeu dans %1&#xa0;: son fichier de verrou %2 est %3, pas un fichier ordinaire&#xa0;; supprimez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Un autre programme écrit dans le jeu dans %1&#xa0;; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1&#xa0;: impossible de créer un fichier dans le dossier du jeu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1&#xa0;: %2 à la position %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1&#xa0;: la position %2 + %3 se trouve au-delà de la fin (%4 octets)</translation>
    </message>
    <message>
        <source>seek beyond the end (%1)</source>
        <translation>déplacement au-delà de la fin (%1)</translation>
    </message>
    <message>
        <source>skip beyond the end</source>
        <translation>saut au-delà de la fin</translation>
    </message>
    <message>
        <source>read beyond the end</source>
        <translation>lecture au-delà de la fin</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>write beyond the end</source>
        <translation>écriture au-delà de la fin</translation>
    </message>
    <message>
        <source>too short for a checksum</source>
        <translation>trop court pour une somme de contrôle</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossible d&apos;écrire&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>impossible de créer un fichier dans son dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>impossible de vider sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>impossible de mettre le nouveau fichier en place&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossible de garder une copie de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game&apos;s files, then remove it.</source>
        <translation>Impossible de terminer la dernière modification du jeu&#xa0;: %1 %2. Vérifiez les fichiers du jeu, puis supprimez-le.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>n&apos;est pas une note de ce programme</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>nomme un fichier qui n&apos;est pas l&apos;un des siens&#xa0;: %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>est tronqué</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1&#xa0;: la table des pneus se trouve au-delà de la fin</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1&#xa0;: la table des pneus dépasse la fin</translation>
    </message>
    <message>
        <source>the setup values run into the checksum or past the end</source>
        <translation>les valeurs de réglage empiètent sur la somme de contrôle ou dépassent la fin</translation>
    </message>
    <message>
        <source>the setup values overlap the setup position word</source>
        <translation>les valeurs de réglage chevauchent le mot de position du réglage</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged: it must hold whole records of %2 bytes.</source>
        <translation>La liste de patchs %1 est endommagée&#xa0;: elle doit contenir des enregistrements entiers de %2 octets.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>La liste de patchs est vide.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1&#xa0;: la position de patch %2 se trouve avant le début</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>Les données des circuits n&apos;ont pas été lues, donc rien n&apos;écrit de valeurs de circuit dans le jeu. L&apos;éditeur de circuits s&apos;ouvre dès que chaque fichier de circuit peut être lu.</translation>
    </message>
    <message>
        <source>%1 is not the game&apos;s executable: %2</source>
        <translation>%1 n&apos;est pas l&apos;exécutable du jeu&#xa0;: %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) Erreur d&apos;accès au fichier&#xa0;! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) Erreur d&apos;accès au fichier&#xa0;! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) Erreur d&apos;accès au fichier&#xa0;! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) Erreur d&apos;accès au fichier&#xa0;! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>nomme un fichier hors du dossier du jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>nomme un fichier qu&apos;aucune modification du jeu n&apos;écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>nomme un fichier par un lien qui sort du dossier du jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>nomme un lien, pas un fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game&apos;s own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 ne peut pas être remplacé avec d&apos;autres fichiers du jeu&#xa0;: les fichiers qui changent ensemble doivent être ceux du jeu, dans %2 (est-ce un lien vers un autre endroit&#xa0;?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>Le jeu dans %1 n&apos;est pas lu&#xa0;: la dernière modification de ses fichiers a été interrompue (%2 est présent) et ne peut pas être terminée maintenant&#xa0;; les fichiers peuvent donc être en partie anciens, en partie nouveaux. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>Le jeu dans %1 n&apos;est pas lu, car ses fichiers peuvent être en partie anciens, en partie nouveaux. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game&apos;s language versions. The editor takes the game for the English version and reads and writes its values at the English version&apos;s positions.</source>
        <translation>L&apos;octet de version de %1 (à la position %2) est %3, qui ne désigne aucune des versions linguistiques du jeu. L&apos;éditeur considère le jeu comme la version anglaise et lit et écrit ses valeurs aux positions de la version anglaise.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game&apos;s code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>Impossible d&apos;activer la puissance moteur aléatoire&#xa0;: le code du jeu à cet endroit a été modifié. Remettez KVR.EXE en place à partir de KVR.EXE.orig et exportez à nouveau.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Rien à changer&#xa0;: le jeu contient déjà ces valeurs.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Ces valeurs vont changer dans le jeu&#xa0;:</translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Les fichiers des circuits manquent dans le dossier CIRCUITS du jeu&#xa0;: cet export échouera sur l&apos;erreur de fichier de circuit et ne changera rien.</translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>Les fichiers des circuits manquent dans le dossier CIRCUITS du jeu&#xa0;: les données des circuits ne peuvent donc pas être comparées. Après les autres valeurs, l&apos;export proposera d&apos;installer les fichiers des circuits depuis le CD du jeu&#xa0;; sans eux, il s&apos;arrête avant les données des circuits.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Rien d&apos;autre ne changera&#xa0;: le jeu contient déjà les autres valeurs.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>Toutes les données ont été importées&#xa0;!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Toutes les données ont été exportées&#xa0;!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Les données des circuits ont été importées&#xa0;!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Les données ont été importées&#xa0;!</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Les données des circuits ont été exportées&#xa0;!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Les données ont été exportées&#xa0;!</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>champ %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>texte attendu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of the game&apos;s code page (Windows-1252)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un caractère de la page de codes du jeu (Windows-1252)</translation>
    </message>
    <message>
        <source>%1 characters, the field holds at most %2</source>
        <translation>%1 caractères, le champ en contient au plus %2</translation>
    </message>
    <message>
        <source>expected a whole number from 0 to %1</source>
        <translation>nombre entier de 0 à %1 attendu</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true ou false attendu</translation>
    </message>
    <message>
        <source>field %1: no such field</source>
        <translation>champ %1&#xa0;: ce champ n&apos;existe pas</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>pas du JSON&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with &quot;kvpatch&quot; and &quot;changes&quot;</source>
        <translation>pas un patch&#xa0;: objet avec «&#xa0;kvpatch&#xa0;» et «&#xa0;changes&#xa0;» attendu</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;: a patch holds only &quot;kvpatch&quot; and &quot;changes&quot;</source>
        <translation>clé inconnue «&#xa0;%1&#xa0;»&#xa0;: un patch ne contient que «&#xa0;kvpatch&#xa0;» et «&#xa0;changes&#xa0;»</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>format de patch %1&#xa0;: cet éditeur lit le format %2</translation>
    </message>
    <message>
        <source>&quot;changes&quot;: expected an array</source>
        <translation>«&#xa0;changes&#xa0;»&#xa0;: tableau attendu</translation>
    </message>
    <message>
        <source>change %1: expected an object with &quot;field&quot;, &quot;from&quot; and &quot;to&quot;</source>
        <translation>modification %1&#xa0;: objet avec «&#xa0;field&#xa0;», «&#xa0;from&#xa0;» et «&#xa0;to&#xa0;» attendu</translation>
    </message>
    <message>
        <source>change %1: &quot;field&quot; must be a name</source>
        <translation>modification %1&#xa0;: «&#xa0;field&#xa0;» doit être un nom</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>champ %1&#xa0;: nommé deux fois dans le patch</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Rien à changer&#xa0;: les paramètres contiennent déjà ces valeurs.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Ces valeurs vont changer&#xa0;:</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Ces valeurs vont changer. Celle qui est marquée contient autre chose que la valeur que le patch s&apos;attend à remplacer&#xa0;; elle change quand même&#xa0;:</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Ces valeurs vont changer. Les %1 valeurs marquées contiennent autre chose que les valeurs que le patch s&apos;attend à remplacer&#xa0;; elles changent quand même&#xa0;:</translation>
    </message>
    <message>
        <source>key &quot;%1&quot; is given twice</source>
        <translation>clé «&#xa0;%1&#xa0;» donnée deux fois</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1&#xa0;: imbriqué sur plus de %2 niveaux</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>texte hexadécimal de longueur impaire</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>pas de l&apos;hexadécimal&#xa0;: %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>tableau de %1 éléments attendu</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>cet élément n&apos;existe pas&#xa0;: le tableau en contient %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>ce champ n&apos;existe pas</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>le champ %1 manque</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>l&apos;octet %1 est déjà donné par %2</translation>
    </message>
    <message>
        <source>expected hex text</source>
        <translation>texte hexadécimal attendu</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>objet JSON attendu</translation>
    </message>
    <message>
        <source>no such field: the unused bytes are at 0x000, 0x74B and 0xB12</source>
        <translation>ce champ n&apos;existe pas&#xa0;: les octets inutilisés sont à 0x000, 0x74B et 0xB12</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>%1 octets attendus</translation>
    </message>
    <message>
        <source>bad offset, expected a place from 0x000 to %1</source>
        <translation>position incorrecte, position de 0x000 à %1 attendue</translation>
    </message>
    <message>
        <source>%1 bytes run past the end of the record (its last byte is %2)</source>
        <translation>%1 octets dépassent la fin de l&apos;enregistrement (son dernier octet est %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>champ %1&#xa0;: modifie l&apos;octet %2, que %3 modifie aussi</translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation>Localisez le fichier kvr.exe sur votre CD KVR</translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation>KVR.EXE sur votre CD KVR</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Les fichiers des circuits ne sont pas installés sur votre disque dur. Ils sont nécessaires à l&apos;éditeur de circuits. Voulez-vous les installer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Put &quot;Kavorra&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Insérez le CD «&#xa0;Kavorra&#xa0;» dans le lecteur de CD, puis cliquez sur «&#xa0;OK&#xa0;» quand vous êtes prêt&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Impossible de copier le fichier du circuit&#xa0;!</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>Les fichiers des circuits n&apos;ont pas été installés.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Gestion des jeux de voitures</translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Installer le jeu de voitures &apos;97 (livrées seulement pour l&apos;instant)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nouveau jeu de voitures installé&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Impossible de copier les fichiers du jeu de voitures&#xa0;!</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestion des cockpits</translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation>Cockpits &apos;97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installer&#xa0;!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nouveau cockpit installé&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Impossible de copier le fichier du cockpit&#xa0;!</translation>
    </message>
    <message>
        <source>Not enough free space on the game&apos;s drive!</source>
        <translation>Pas assez d&apos;espace libre sur le disque du jeu&#xa0;!</translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation>Gestion des circuits</translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation>Installer un pack de circuits</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Installer les circuits d&apos;origine</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>Circuits installés&#xa0;!</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Circuits d&apos;origine installés&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>Impossible de lire le fichier de données des circuits&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Manquant dans %1&#xa0;:</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>Non copié dans %1&#xa0;:</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1&#xa0;: le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no cockpit set &quot;%1&quot;.</source>
        <translation>Il n&apos;y a pas de jeu de cockpits «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>it is %1 long; a PCX picture&apos;s header alone takes 128</source>
        <translation>il fait %1&#xa0;; l&apos;en-tête d&apos;une image PCX occupe à lui seul 128</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>ce n&apos;est pas une image PCX (elle ne commence pas par l&apos;octet 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>c&apos;est une image PCX de %1 bits sur %2 plans&#xa0;; le cockpit demande 256 couleurs (8 bits, 1 plan)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game&apos;s cockpit pictures are</source>
        <translation>ses lignes ne sont pas codées par plages, comme le sont les images de cockpit du jeu</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>c&apos;est une image de %1 pixels&#xa0;; cette image de cockpit doit faire %2</translation>
    </message>
    <message>
        <source>its header gives rows of %1 for a width of %2</source>
        <translation>son en-tête indique des lignes de %1 pour une largeur de %2</translation>
    </message>
    <message>
        <source>the 256-colour palette at its end is missing</source>
        <translation>la palette de 256 couleurs à la fin manque</translation>
    </message>
    <message>
        <source>its pixel data ends after %1 of its %2 rows</source>
        <translation>ses données de pixels s&apos;arrêtent après %1 de ses %2 lignes</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>ce n&apos;est pas une texture que le convertisseur sait lire&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>c&apos;est une texture de %1 pixels, mais %2 fait %3&#xa0;; un remplacement doit avoir la même taille</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>il fait %1&#xa0;; son bloc fait exactement %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1&#xa0;: %2 octets, mais le bloc a de la place pour %3</translation>
    </message>
    <message>
        <source>one byte, 0 to 255</source>
        <translation>un octet, de 0 à 255</translation>
    </message>
    <message>
        <source>16 bits, 0 to 65535</source>
        <translation>16 bits, de 0 à 65535</translation>
    </message>
    <message>
        <source>the file ends after line %1; %2 lines are needed</source>
        <translation>le fichier se termine après la ligne %1&#xa0;; %2 lignes sont nécessaires</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>la ligne est trop courte pour %1</translation>
    </message>
    <message>
        <source>the number &quot;%1&quot; runs past %2</source>
        <translation>le nombre «&#xa0;%1&#xa0;» dépasse %2</translation>
    </message>
    <message>
        <source>%1 is not a number: &quot;%2&quot;</source>
        <translation>%1 n&apos;est pas un nombre&#xa0;: «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 contient %2, mais il est écrit sur %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>le champ %1 (colonnes %2 à %3)</translation>
    </message>
    <message>
        <source>column %1 holds &quot;%2&quot;, but this line has only %3 field(s)</source>
        <translation>la colonne %1 contient «&#xa0;%2&#xa0;», mais cette ligne n&apos;a que %3 champ(s)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1&#xa0;: manquant</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1&#xa0;: le fichier est vide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>la fermeture de l&apos;éditeur</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>Les paramètres contiennent des modifications qu&apos;aucun fichier de paramètres n&apos;enregistre.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>La planche des casques contient des modifications qui n&apos;ont pas été exportées dans le jeu.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>La livrée de %1 contient des modifications qui n&apos;ont pas été exportées dans le jeu.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Elles seront perdues à %1, sauf si vous choisissez Annuler pour d&apos;abord les exporter dans leurs fenêtres.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>Enregistrer les paramètres avant %1&#xa0;?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Les images ne sont conservées que par un export dans leurs fenêtres&#xa0;: Annuler pour revenir.)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Enregistrer les modifications comme patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Appliquer un patch</translation>
    </message>
    <message>
        <source>Patches</source>
        <translation>Patchs</translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation>Enregistrer les valeurs où les paramètres diffèrent de&#xa0;:</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>Le jeu dans son état actuel</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>Les paramètres d&apos;origine (ORIGIN.SET)</translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation>Un fichier de paramètres...</translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation>Comparer avec des paramètres</translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation>Comparer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>Les paramètres contiennent les mêmes valeurs&#xa0;: il n&apos;y a aucune modification à enregistrer.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>Le patch modifie des données de circuits qui n&apos;ont pas encore été lues dans le jeu. Ouvrez une fois l&apos;éditeur de circuits, puis appliquez de nouveau le patch&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation>Aucun KVR.EXE dans %1</translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; &quot;Import from game&quot; in the helmets window reads it again.</source>
        <translation>L&apos;éditeur démarre sans la planche des casques&#xa0;; «&#xa0;Importer du jeu&#xa0;» dans la fenêtre des casques la relit.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>l&apos;ouverture d&apos;un autre jeu</translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation>Localisez le fichier kvr.exe</translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation>Programme principal de KVR</translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game&apos;s %2. Choose another file.</source>
        <translation>Refus d&apos;écrire %1&#xa0;: c&apos;est le fichier %2 du jeu. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>Impossible d&apos;écrire le patch %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>Le patch %1 ne peut pas être appliqué&#xa0;; rien n&apos;a été modifié. %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>Le chemin du jeu dépasse 255 caractères&#xa0;: %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>Le fichier de configuration %1 est endommagé (plus court que %2 octets). Localisez à nouveau le jeu&#xa0;; le fichier est réécrit à la fermeture de l&apos;éditeur.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>Impossible de lire %1&#xa0;: c&apos;est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>Impossible de lire %1&#xa0;: il dépasse %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre valide.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>L&apos;angle %1 est trop grand.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>le chargement d&apos;un autre fichier de paramètres</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>Il n&apos;existe aucun fichier ni dossier %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens a game folder or its KVR.EXE, settings files (*.KVS) and patches (*.kvpatch), not %1.</source>
        <translation>kvrdesk ouvre un dossier de jeu ou son KVR.EXE, des fichiers de paramètres (*.KVS) et des patchs (*.kvpatch), pas %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens one game at a time, not both %1 and %2.</source>
        <translation>kvrdesk ouvre un jeu à la fois, pas %1 et %2 ensemble.</translation>
    </message>
    <message>
        <source>The editor&apos;s configuration %1 could not be written: %2. The next start does not remember this run&apos;s game and choices.</source>
        <translation>Impossible d&apos;écrire la configuration de l&apos;éditeur %1&#xa0;: %2. Au prochain démarrage, le jeu et les choix de cette session seront oubliés.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Détail&#xa0;: (rien)</translation>
    </message>
    <message>
        <source>Detail: </source>
        <translation>Détail&#xa0;: </translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Charger le casque depuis un bitmap</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Enregistrer le casque en bitmap</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>Fichiers BMP</translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation>Aucun casque n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Les données ont été exportées&#xa0;!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Les données ont été importées&#xa0;!</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use &quot;Import from game&quot; to read it from the game.</source>
        <translation>La planche des casques n&apos;est pas disponible. Utilisez «&#xa0;Importer du jeu&#xa0;» pour la lire dans le jeu.</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Enregistrer le fichier bitmap</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Charger un fichier bitmap</translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>Le bitmap a été importé&#xa0;!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Le bitmap a été exporté&#xa0;!</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation>Cockpit</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Rétroviseurs</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Aileron avant</translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation>Détail&#xa0;: couleur %1 de la palette</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Détail&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be loaded: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être chargé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>%1 ne peut pas être utilisé. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>Impossible d&apos;enregistrer le bitmap&#xa0;: %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Jambes/ Écran des stands</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Liseré</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Poitrine gauche/Panneau</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Poitrine droite</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Épaulettes/Cric</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Bras gauche</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Avant-bras gauche</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Bras droit</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Avant-bras droit</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Tête</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logo de l&apos;écurie</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>elle ne contient aucune couleur</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>La palette du jeu %1 ne peut pas être ouverte&#xa0;: %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>La palette du jeu %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>La palette du jeu %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures&apos; own colours.</source>
        <translation>%1. Les éditeurs de couleurs marqueront les couleurs d&apos;après les couleurs propres de leurs images.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>Le convertisseur %1 a produit une planche inutilisable. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>%1 ne peut pas être utilisé. La texture %2 fait %3 pixels, et sa livrée doit faire de même&#xa0;; ce bitmap fait %4.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>le fichier s&apos;arrête dans ses en-têtes</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>la compression par plages 4 bits n&apos;est pas prise en charge</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>le type de compression %1 n&apos;est pas pris en charge</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with &quot;BM&quot;)</source>
        <translation>ce n&apos;est pas un fichier bitmap (il ne commence pas par «&#xa0;BM&#xa0;»)</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>sa hauteur est hors limites</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 bits par pixel n&apos;est pas une profondeur de bitmap (1, 4, 8, 16, 24 ou 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>sa table de couleurs annonce %1 couleurs&#xa0;; 256 au plus sont lues</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>le fichier s&apos;arrête dans sa table de couleurs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>Impossible d&apos;écrire le bitmap&#xa0;: %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>c&apos;est un bitmap %1 bits&#xa0;; l&apos;image demande 8 bits par pixel</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>il a %1 plans de couleur&#xa0;; les bitmaps en ont 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>une image de %1 x %2 pixels ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>Le convertisseur %1 a converti %2 en %3, mais l&apos;éditeur ne peut pas charger ce fichier comme bitmap 8 bits&#xa0;: %4</translation>
    </message>
    <message>
        <source>Cannot make the editor&apos;s TEMP folder %1: %2.</source>
        <translation>Impossible de créer le dossier TEMP de l&apos;éditeur %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>Impossible de supprimer l&apos;ancien fichier d&apos;échange %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>Le convertisseur %1 n&apos;a pas pu convertir %2 en %3&#xa0;: il ne peut pas être lancé (%4). Installez kvrjam à côté de kvrdesk, ou nommez un convertisseur dans %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>Le convertisseur %1 n&apos;a pas pu convertir %2 en %3&#xa0;: il n&apos;avait pas fini après %4 et a été arrêté.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>Le convertisseur %1 n&apos;a pas pu convertir %2 en %3&#xa0;: il a été terminé par le signal %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>Le convertisseur %1 n&apos;a pas pu convertir %2 en %3&#xa0;: il s&apos;est terminé avec le code de sortie %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>Le convertisseur %1 n&apos;a pas pu convertir %2 en %3&#xa0;: il s&apos;est terminé sans écrire le fichier.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;échange&#xa0;: %1</translation>
    </message>
    <message>
        <source>8-bit run-length compression in a %1-bit bitmap</source>
        <translation>compression par plages 8 bits dans un bitmap %1 bits</translation>
    </message>
    <message>
        <source>colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)</source>
        <translation>champs de bits de couleur dans un bitmap %1 bits (seuls 16 et 32 bits en ont)</translation>
    </message>
    <message>
        <source>its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read</source>
        <translation>son en-tête fait %1 octets&#xa0;; les bitmaps lus ont un en-tête de 40 ou 12 octets</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>sa largeur est négative (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 pixels, c&apos;est plus qu&apos;une image ne peut en avoir (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>les lignes de pixels sont tronquées&#xa0;: %1 pixels demandent %2 octets à partir de l&apos;octet %3, le fichier en contient %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>Impossible de créer une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Une image vide ne peut pas être mise à l&apos;échelle</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>L&apos;image ne contient aucun pixel</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>elle a %1 x %2 pixels, plus que les %3 pixels lus</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>ce n&apos;est pas une image dans un format que ce programme lit</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>elle ne peut pas être lue comme image&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>L&apos;image %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>L&apos;image %1 n&apos;est pas utilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>Impossible de créer l&apos;image PNG</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Swap helmets</source>
        <translation>Échanger les casques</translation>
    </message>
    <message>
        <source>Load helmet</source>
        <translation>Charger le casque</translation>
    </message>
    <message>
        <source>Load all helmets</source>
        <translation>Charger tous les casques</translation>
    </message>
    <message>
        <source>Import helmets from game</source>
        <translation>Importer les casques du jeu</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Charger un bitmap</translation>
    </message>
    <message>
        <source>Import painting from game</source>
        <translation>Importer la livrée du jeu</translation>
    </message>
    <message>
        <source>its colour bit fields (red %1, green %2, blue %3) are not three separate runs of bits within a pixel</source>
        <translation>ses champs de bits de couleur (rouge %1, vert %2, bleu %3) ne sont pas trois suites de bits distinctes dans un pixel</translation>
    </message>
    <message>
        <source>the file ends inside its colour bit fields</source>
        <translation>le fichier se termine dans ses champs de bits de couleur</translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation>Tous les fichiers de paramètres</translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier de paramètres %1</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Charger des paramètres</translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation>Le nom du fichier dépasse 255 caractères&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres %1</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>Le charger quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>Les paramètres d&apos;origine ne peuvent pas être restaurés&#xa0;; rien n&apos;a été modifié. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>Pas un fichier de paramètres&#xa0;: %1 contient %2 octets, un fichier de paramètres en contient %3.</translation>
    </message>
</context>
<context>
    <name>kvrgui::ButtonPicture</name>
    <message>
        <source>KVR Editor</source>
        <translation>Éditeur KVR</translation>
    </message>
    <message>
        <source>for Kavorra</source>
        <translation>pour Kavorra</translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation>Enregistrer l&apos;image en PNG...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Écuries</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> : couleur</translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation>Importer les données du jeu</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Exporter les données vers le jeu</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Restaurer les données d&apos;origine</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>Le jeu ne peut pas afficher «&#xa0;%1&#xa0;»&#xa0;; il ne connaît que les lettres et signes d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation>Le jeu garde au plus %1 caractères ici.</translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation>%1 caractères au plus, parmi ceux que le jeu peut afficher.</translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation>- paramètres d&apos;origine</translation>
    </message>
</context>
<context>
    <name>kvrgui::SessionTables</name>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Toutes +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Toutes -</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qualif=Autres</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Autres=Qualif</translation>
    </message>
</context>
<context>
    <name>kvrgui::TAboutForm</name>
    <message>
        <source>About kvrdesk</source>
        <translation>À propos de kvrdesk</translation>
    </message>
    <message>
        <source>Editor for the data of the racing game Kavorra.</source>
        <translation>Éditeur des données du jeu de course Kavorra.</translation>
    </message>
    <message>
        <source>the licence</source>
        <translation>la licence</translation>
    </message>
    <message>
        <source>kvrdesk is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (%1). It comes with no warranty.</source>
        <translation>kvrdesk est un logiciel libre&#xa0;: vous pouvez le partager et le modifier selon les termes de la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure (%1). Il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>It runs on Qt %1 (built with Qt %2).</source>
        <translation>Il fonctionne avec Qt %1 (compilé avec Qt %2).</translation>
    </message>
    <message>
        <source>Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.</source>
        <translation>Votre configuration (kvrdesk.set, kvrdesk.ini) se trouve dans %1.</translation>
    </message>
    <message>
        <source>How to use it: the README (README.md) of kvrdesk&apos;s sources.</source>
        <translation>Comment l&apos;utiliser&#xa0;: le README (README.md) des sources de kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Comment l&apos;utiliser&#xa0;: %1.</translation>
    </message>
    <message>
        <source>the README</source>
        <translation>le README</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation>Couleurs du cockpit</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Mise au point de la voiture</translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation>les performances de la voiture du joueur dépendent de l&apos;écurie choisie</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Poids de la voiture </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Poids de la voiture du joueur</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Poids des voitures de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Liés</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> LED de régime </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation>LED %1 tr/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(les couleurs ne valent qu&apos;avec les cockpits d&apos;origine)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Réglages du carburant </translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>afficher la charge de carburant des adversaires</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Charge de carburant initiale aux essais</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation>Charge de carburant initiale en qualifications</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Poids de la voiture</translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation>Couleur de LED</translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation>Seuil de LED</translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation>Charge de carburant</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Éditeur de caméras</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Choix de la caméra </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Caméra %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Vue par défaut </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distance au </translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation> centre de la voiture </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Angle </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Axe Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Axe Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Hauteur </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Réglage image</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valeur 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valeur 2 </translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Description des paramètres</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>pas de description</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Puissance moteur</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> ch </translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation>Puissance moteur de l&apos;écurie %1 en ch</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Puissance moteur de l&apos;écurie %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Séance</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Autres séances</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Moteur du pilote humain</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>ch</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Puissance moteur aléatoire</translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation>Puissance moteur du joueur</translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Pannes</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valeur </translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Écuries</translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation>Taux de panne</translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Modifier la valeur choisie</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>by</source>
        <translation>de</translation>
    </message>
    <message>
        <source> car failure</source>
        <translation> : taux de panne</translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation>Taux de panne</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Toutes +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Toutes -</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Adhérence des voitures de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Choix des données</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifications</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Autres séances</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Plage d&apos;adhérence aléatoire</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Premiers pilotes</translation>
    </message>
    <message>
        <source>First drivers&apos; grip</source>
        <translation>Adhérence des premiers pilotes</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Seconds pilotes</translation>
    </message>
    <message>
        <source>Second drivers&apos; grip</source>
        <translation>Adhérence des seconds pilotes</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1ers pilotes </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> ADHÉRENCE </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2es pilotes </translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Modifier l&apos;adhérence choisie</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Adhérence</translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Casques</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Pilotes </translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation>Faites glisser un casque sur un autre pour échanger les deux&#xa0;; ou appuyez sur Espace sur un pilote, puis sur Espace sur un autre.</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Enregistrer le casque en bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Charger le casque depuis un bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Enregistrer tous les casques en bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Charger tous les casques depuis un bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importer du jeu</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Exporter vers le jeu</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Importer des données</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Noms et numéros</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Couleurs du cockpit</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importer toutes les données</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Exporter toutes les données</translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation>Fichier KVR.EXE</translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation>Fichier F1GSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation>JAM des voitures</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Livrées </translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation> Écuries disponibles </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Charger un bitmap</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Enregistrer en bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importer du jeu</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Exporter vers le jeu</translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Noms + numéros</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Puissance moteur</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Adhérence ordinateur</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Pannes</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Mise au point</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Museaux</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Voie des stands</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Couleurs du cockpit</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Couleurs des mécaniciens</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM des voitures</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Casques</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Éditeur de circuits</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestion des cockpits</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestion des circuits</translation>
    </message>
    <message>
        <source>Car set manager...</source>
        <translation>Gestion des jeux de voitures...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation>KVR: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Charger des paramètres</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Enregistrer les paramètres &amp;sous</translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation>Fichiers de paramètres &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>Restaurer les paramètres d&apos;&amp;origine</translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation>Enregistrer les modifications comme &amp;patch...</translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation>&amp;Appliquer un patch...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Description des paramètres</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Import/Export</translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation>A&amp;perçu des modifications avant «&#xa0;Exporter toutes les données&#xa0;»</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor&apos;s export</source>
        <translation>Aperçu des modifications avant l&apos;&amp;export d&apos;un éditeur</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Description des paramètres</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Charger des paramètres</translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation>Restaurer les paramètres d&apos;origine</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Appliquer un patch</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>Locate the &amp;game again...</source>
        <translation>&amp;Retrouver le jeu...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About kvrdesk</source>
        <translation>À &amp;propos de kvrdesk</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Noms et numéros</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Écuries</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Pilotes </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   retenus </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1er </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Écurie-moteur </translation>
    </message>
    <message>
        <source> Team data </source>
        <translation> Données de l&apos;écurie </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nom de l&apos;écurie</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nom du moteur</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nom du 1er pilote</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nom du 2e pilote</translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation>Numéro du 1er pilote</translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation>Numéro du 2e pilote</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation>1er pilote - &apos;0&apos;</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Pilotes retenus</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Museaux </translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Écuries </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Museaux</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>relevé</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>abaissé</translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation>Museau</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Couleurs des mécaniciens</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation>Localiser KVR</translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation>Localisez le fichier kvr.exe sur votre disque dur</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Réglages de la voie des stands</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Ordre des stands </translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation>Faites glisser une écurie sur une autre pour échanger leurs stands&#xa0;; ou appuyez sur Alt+Haut ou Alt+Bas pour échanger l&apos;écurie choisie avec sa voisine.</translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>entrée de la voie des stands</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>sortie de la voie des stands</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Vitesse dans la voie des stands </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Vitesse max. autorisée dans la voie des stands</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Contrôler la vitesse dans la voie des stands</translation>
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
        <translation>Ordre des stands</translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation>Vitesse dans la voie des stands</translation>
    </message>
</context>
<context>
    <name>kvrgui::TShortcutsForm</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Ce qu&apos;elles font</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Moves to the next field, as Tab does (in the main window and the editor windows)</source>
        <translation>Passe au champ suivant, comme Tab (dans la fenêtre principale et les fenêtres des éditeurs)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Closes an editor window, keeping its changes, as &quot;Back&quot; does</source>
        <translation>Ferme une fenêtre d&apos;éditeur en gardant ses modifications, comme «&#xa0;Retour&#xa0;»</translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation>Alt+lettre soulignée</translation>
    </message>
    <message>
        <source>Opens that menu, or presses that button</source>
        <translation>Ouvre ce menu ou appuie sur ce bouton</translation>
    </message>
    <message>
        <source>Pit line: exchanges the selected team with the one above or below</source>
        <translation>Voie des stands&#xa0;: échange l&apos;écurie choisie avec celle du dessus ou du dessous</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver&apos;s helmet; on another driver, swaps the two</source>
        <translation>Casques&#xa0;: prend le casque du pilote choisi&#xa0;; sur un autre pilote, échange les deux</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Casques&#xa0;: repose un casque pris</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Chargement des données...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation>Aileron avant</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Aileron arrière</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <source>Track editor</source>
        <translation>Éditeur de circuits</translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation> Grand Prix </translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Réglages des voitures de l&apos;ordinateur </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>BOÎTE DE VITESSES</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Autres valeurs propres au circuit </translation>
    </message>
    <message>
        <source>Tyre - &quot;%1&quot;</source>
        <translation>Pneus - «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consommation de carburant</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Usure des pneus</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Type de pneus</translation>
    </message>
</context>
<context>
    <name>kvrgui::WindowFrame</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
</context>
</TS>
