<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Erreur d'accès au fichier ! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 est trop court pour contenir une somme de contrôle</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>Les autres fichiers de cette modification sont déjà en place ; la prochaine modification du jeu mettra le reste.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n'est pas un fichier</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>Impossible de terminer la dernière modification du jeu (%1) : %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>Impossible d'écrire dans le jeu dans %1 : il se trouve sur un disque en lecture seule.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game's new files can be written.</source>
        <translation>Impossible d'écrire dans le jeu dans %1 : vous ne pouvez pas créer de fichiers dans ce dossier (%2), donc ni son verrou ni les nouveaux fichiers du jeu ne peuvent être écrits.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user's editor may be writing to the game.</source>
        <translation>Impossible d'écrire dans le jeu dans %1 : son fichier de verrou %2 ne peut pas être ouvert (%3) ; l'éditeur d'un autre utilisateur écrit peut-être dans le jeu.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>Impossible d'écrire dans le jeu dans %1 : son fichier de verrou %2 ne peut pas être créé : %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>Impossible d'écrire dans le jeu dans %1 : son fichier de verrou %2 est %3, pas un fichier ordinaire ; supprimez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Un autre programme écrit dans le jeu dans %1 ; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1 : impossible de créer un fichier dans le dossier du jeu : %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1 : %2 à la position %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1 : la position %2 + %3 se trouve au-delà de la fin (%4 octets)</translation>
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
        <translation>impossible d'écrire : %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>impossible de créer un fichier dans son dossier : %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>impossible de vider sur le disque : %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>impossible de mettre le nouveau fichier en place : %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossible de garder une copie de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it.</source>
        <translation>Impossible de terminer la dernière modification du jeu : %1 %2. Vérifiez les fichiers du jeu, puis supprimez-le.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>n'est pas une note de ce programme</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>est endommagé</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>nomme un fichier qui n'est pas l'un des siens : %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>est tronqué</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1 : la table des pneus se trouve au-delà de la fin</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1 : la table des pneus dépasse la fin</translation>
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
        <translation>La liste de patchs %1 est endommagée : elle doit contenir des enregistrements entiers de %2 octets.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>La liste de patchs est vide.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1 : la position de patch %2 se trouve avant le début</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>Les données des circuits n'ont pas été lues, donc rien n'écrit de valeurs de circuit dans le jeu. L'éditeur de circuits s'ouvre dès que chaque fichier de circuit peut être lu.</translation>
    </message>
    <message>
        <source>%1 is not the game's executable: %2</source>
        <translation>%1 n'est pas l'exécutable du jeu : %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) Erreur d'accès au fichier ! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) Erreur d'accès au fichier ! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) Erreur d'accès au fichier ! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) Erreur d'accès au fichier ! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>nomme un fichier hors du dossier du jeu : %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>nomme un fichier qu'aucune modification du jeu n'écrit : %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>nomme un fichier par un lien qui sort du dossier du jeu : %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>nomme un lien, pas un fichier : %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game's own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 ne peut pas être remplacé avec d'autres fichiers du jeu : les fichiers qui changent ensemble doivent être ceux du jeu, dans %2 (est-ce un lien vers un autre endroit ?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>Le jeu dans %1 n'est pas lu : la dernière modification de ses fichiers a été interrompue (%2 est présent) et ne peut pas être terminée maintenant ; les fichiers peuvent donc être en partie anciens, en partie nouveaux. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>Le jeu dans %1 n'est pas lu, car ses fichiers peuvent être en partie anciens, en partie nouveaux. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game's language versions. The editor takes the game for the English version and reads and writes its values at the English version's positions.</source>
        <translation>L'octet de version de %1 (à la position %2) est %3, qui ne désigne aucune des versions linguistiques du jeu. L'éditeur considère le jeu comme la version anglaise et lit et écrit ses valeurs aux positions de la version anglaise.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game's code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>Impossible d'activer la puissance moteur aléatoire : le code du jeu à cet endroit a été modifié. Remettez KVR.EXE en place à partir de KVR.EXE.orig et exportez à nouveau.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Rien à changer : le jeu contient déjà ces valeurs.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Ces valeurs vont changer dans le jeu :</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Les fichiers des circuits manquent dans le dossier CIRCUITS du jeu : cet export échouera sur l'erreur de fichier de circuit et ne changera rien.</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>Les fichiers des circuits manquent dans le dossier CIRCUITS du jeu : les données des circuits ne peuvent donc pas être comparées. Après les autres valeurs, l'export proposera d'installer les fichiers des circuits depuis le CD du jeu ; sans eux, il s'arrête avant les données des circuits.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Rien d'autre ne changera : le jeu contient déjà les autres valeurs.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>Toutes les données ont été importées !</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Toutes les données ont été exportées !</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Les données des circuits ont été importées !</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Les données ont été importées !</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Les données des circuits ont été exportées !</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Les données ont été exportées !</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>champ %1 : %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>texte attendu</translation>
    </message>
    <message>
        <source>"%1" is not a character of the game's code page (Windows-1252)</source>
        <translation>« %1 » n'est pas un caractère de la page de codes du jeu (Windows-1252)</translation>
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
        <translation>champ %1 : ce champ n'existe pas</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>pas du JSON : %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with "kvpatch" and "changes"</source>
        <translation>pas un patch : objet avec « kvpatch » et « changes » attendu</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>format de patch %1 : cet éditeur lit le format %2</translation>
    </message>
    <message>
        <source>"changes": expected an array</source>
        <translation>« changes » : tableau attendu</translation>
    </message>
    <message>
        <source>change %1: expected an object with "field", "from" and "to"</source>
        <translation>modification %1 : objet avec « field », « from » et « to » attendu</translation>
    </message>
    <message>
        <source>change %1: "field" must be a name</source>
        <translation>modification %1 : « field » doit être un nom</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>champ %1 : nommé deux fois dans le patch</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Rien à changer : les paramètres contiennent déjà ces valeurs.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Ces valeurs vont changer :</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Ces valeurs vont changer. Celle qui est marquée contient autre chose que la valeur que le patch s'attend à remplacer ; elle change quand même :</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Ces valeurs vont changer. Les %1 valeurs marquées contiennent autre chose que les valeurs que le patch s'attend à remplacer ; elles changent quand même :</translation>
    </message>
    <message>
        <source>key "%1" is given twice</source>
        <translation>clé « %1 » donnée deux fois</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1 : imbriqué sur plus de %2 niveaux</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>texte hexadécimal de longueur impaire</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>pas de l'hexadécimal : %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>tableau de %1 éléments attendu</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>cet élément n'existe pas : le tableau en contient %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>objet attendu</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>ce champ n'existe pas</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>le champ %1 manque</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>l'octet %1 est déjà donné par %2</translation>
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
        <translation>ce champ n'existe pas : les octets inutilisés sont à 0x000, 0x74B et 0xB12</translation>
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
        <translation>%1 octets dépassent la fin de l'enregistrement (son dernier octet est %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>champ %1 : modifie l'octet %2, que %3 modifie aussi</translation>
    </message>
    <message>
        <source>"%1": expected text</source>
        <translation>« %1 » : texte attendu</translation>
    </message>
    <message>
        <source>"%1": %2 characters, it may hold at most %3</source>
        <translation>« %1 » : %2 caractères, au plus %3</translation>
    </message>
    <message>
        <source>"%1": holds the control character %2</source>
        <translation>« %1 » : contient le caractère de contrôle %2</translation>
    </message>
    <message>
        <source>unknown key "%1": a patch holds only "kvpatch", "title", "author", "description", "made_with" and "changes"</source>
        <translation>clé inconnue « %1 » : un patch ne contient que « kvpatch », « title », « author », « description », « made_with » et « changes »</translation>
    </message>
    <message>
        <source>%1 (the patch expects %2)</source>
        <translation>%1 (le patch attend %2)</translation>
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
        <translation>Les fichiers des circuits ne sont pas installés sur votre disque dur. Ils sont nécessaires à l'éditeur de circuits. Voulez-vous les installer maintenant ?</translation>
    </message>
    <message>
        <source>Put "Kavorra" CD into CD drive, and hit "OK" when you are ready!</source>
        <translation>Insérez le CD « Kavorra » dans le lecteur de CD, puis cliquez sur « OK » quand vous êtes prêt !</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Impossible de copier le fichier du circuit !</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>Les fichiers des circuits n'ont pas été installés.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Gestion des jeux de voitures</translation>
    </message>
    <message>
        <source>Install '97 car set (only paintings now)</source>
        <translation>Installer le jeu de voitures '97 (livrées seulement pour l'instant)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nouveau jeu de voitures installé !</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Impossible de copier les fichiers du jeu de voitures !</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestion des cockpits</translation>
    </message>
    <message>
        <source>'97 cockpits</source>
        <translation>Cockpits '97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installer !</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nouveau cockpit installé !</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Impossible de copier le fichier du cockpit !</translation>
    </message>
    <message>
        <source>Not enough free space on the game's drive!</source>
        <translation>Pas assez d'espace libre sur le disque du jeu !</translation>
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
        <translation>Installer les circuits d'origine</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>Circuits installés !</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Circuits d'origine installés !</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>Impossible de lire le fichier de données des circuits !</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Manquant dans %1 :</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>Non copié dans %1 :</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1 : le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>There is no cockpit set "%1".</source>
        <translation>Il n'y a pas de jeu de cockpits « %1 ».</translation>
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
        <source>it is %1 long; a PCX picture's header alone takes 128</source>
        <translation>il fait %1 ; l'en-tête d'une image PCX occupe à lui seul 128</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>ce n'est pas une image PCX (elle ne commence pas par l'octet 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>c'est une image PCX de %1 bits sur %2 plans ; le cockpit demande 256 couleurs (8 bits, 1 plan)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game's cockpit pictures are</source>
        <translation>ses lignes ne sont pas codées par plages, comme le sont les images de cockpit du jeu</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>c'est une image de %1 pixels ; cette image de cockpit doit faire %2</translation>
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
        <translation>ses données de pixels s'arrêtent après %1 de ses %2 lignes</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>ce n'est pas une texture que le convertisseur sait lire : %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>c'est une texture de %1 pixels, mais %2 fait %3 ; un remplacement doit avoir la même taille</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>il fait %1 ; son bloc fait exactement %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1 : %2 octets, mais le bloc a de la place pour %3</translation>
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
        <translation>le fichier se termine après la ligne %1 ; %2 lignes sont nécessaires</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>la ligne est trop courte pour %1</translation>
    </message>
    <message>
        <source>the number "%1" runs past %2</source>
        <translation>le nombre « %1 » dépasse %2</translation>
    </message>
    <message>
        <source>%1 is not a number: "%2"</source>
        <translation>%1 n'est pas un nombre : « %2 »</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 contient %2, mais il est écrit sur %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>le champ %1 (colonnes %2 à %3)</translation>
    </message>
    <message>
        <source>column %1 holds "%2", but this line has only %3 field(s)</source>
        <translation>la colonne %1 contient « %2 », mais cette ligne n'a que %3 champ(s)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1 : manquant</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1 : le fichier est vide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>la fermeture de l'éditeur</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>Les paramètres contiennent des modifications qu'aucun fichier de paramètres n'enregistre.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>La planche des casques contient des modifications qui n'ont pas été exportées dans le jeu.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>La livrée de %1 contient des modifications qui n'ont pas été exportées dans le jeu.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Elles seront perdues à %1, sauf si vous choisissez Annuler pour d'abord les exporter dans leurs fenêtres.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>Enregistrer les paramètres avant %1 ?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Les images ne sont conservées que par un export dans leurs fenêtres : Annuler pour revenir.)</translation>
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
        <translation>Enregistrer les valeurs où les paramètres diffèrent de :</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>Le jeu dans son état actuel</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>Les paramètres d'origine (ORIGIN.SET)</translation>
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
        <translation>Comparer quand même ?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>Les paramètres contiennent les mêmes valeurs : il n'y a aucune modification à enregistrer.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>Le patch modifie des données de circuits qui n'ont pas encore été lues dans le jeu. Ouvrez une fois l'éditeur de circuits, puis appliquez de nouveau le patch ; rien n'a été modifié.</translation>
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
        <source>The editor starts without the helmet sheet; "Import from game" in the helmets window reads it again.</source>
        <translation>L'éditeur démarre sans la planche des casques ; « Importer du jeu » dans la fenêtre des casques la relit.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>l'ouverture d'un autre jeu</translation>
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
        <source>Refusing to write %1: it is the game's %2. Choose another file.</source>
        <translation>Refus d'écrire %1 : c'est le fichier %2 du jeu. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>Impossible d'écrire le patch %1 : %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>Le patch %1 ne peut pas être appliqué ; rien n'a été modifié. %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <translation>Impossible d'ouvrir le fichier « %1 »</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>Le chemin du jeu dépasse 255 caractères : %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>Le fichier de configuration %1 est endommagé (plus court que %2 octets). Localisez à nouveau le jeu ; le fichier est réécrit à la fermeture de l'éditeur.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d'ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>Impossible de lire %1 : c'est %2, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>Impossible de lire %1 : il dépasse %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>« %1 » n'est pas un nombre valide.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>L'angle %1 est trop grand.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>le chargement d'un autre fichier de paramètres</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>Il n'existe aucun fichier ni dossier %1.</translation>
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
        <source>The editor's configuration %1 could not be written: %2. The next start does not remember this run's game and choices.</source>
        <translation>Impossible d'écrire la configuration de l'éditeur %1 : %2. Au prochain démarrage, le jeu et les choix de cette session seront oubliés.</translation>
    </message>
    <message>
        <source>What the patch is, for those you share it with (all may stay empty):</source>
        <translation>Ce qu'est le patch, pour ceux avec qui vous le partagez (tout peut rester vide) :</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur :</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>&amp;Exact copy, every byte (also the settings description and bytes no window shows)</source>
        <translation>Copie &amp;exacte, chaque octet (aussi la description des paramètres et les octets qu'aucune fenêtre ne montre)</translation>
    </message>
    <message>
        <source>The settings differ only in the description and bytes no window shows. Tick "Exact copy, every byte" to save those.</source>
        <translation>Les paramètres ne diffèrent que par la description et des octets qu'aucune fenêtre ne montre. Cochez « Copie exacte, chaque octet » pour les enregistrer.</translation>
    </message>
    <message>
        <source>Put on mod</source>
        <translation>Mettre un mod</translation>
    </message>
    <message>
        <source>The patch %1 cannot be put on; nothing was changed. %2</source>
        <translation>Le patch %1 ne peut pas être mis ; rien n'a été modifié. %2</translation>
    </message>
    <message>
        <source>Put on</source>
        <translation>Mettre</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
</context>
<context>
    <name>Mods</name>
    <message>
        <source>The mod list %1 cannot be read; nothing was changed. %2</source>
        <translation>La liste des mods %1 ne peut pas être lue ; rien n'a été modifié. %2</translation>
    </message>
    <message>
        <source>Cannot keep the mod list in %1: it is not a folder of its own (remove it, then try again).</source>
        <translation>Impossible de garder la liste des mods dans %1 : ce n'est pas un dossier à part (supprimez-le, puis réessayez).</translation>
    </message>
    <message>
        <source>kept: %1 holds %2, not %3 as the mods set it</source>
        <translation>conservé : %1 contient %2, et non %3 comme le mettent les mods</translation>
    </message>
    <message>
        <source>not a mod list of this program: %1</source>
        <translation>pas une liste de mods de ce programme : %1</translation>
    </message>
    <message>
        <source>There is no mod %1: the list holds %2.</source>
        <translation>Il n'y a pas de mod %1 : la liste en contient %2.</translation>
    </message>
    <message>
        <source>expected "kvrdesk_mods": 1, "mods" and "before"</source>
        <translation>attendus : « kvrdesk_mods » : 1, « mods » et « before »</translation>
    </message>
    <message>
        <source>mod %1: expected "file" and "patch"</source>
        <translation>mod %1 : « file » et « patch » attendus</translation>
    </message>
    <message>
        <source>mod %1: %2</source>
        <translation>mod %1 : %2</translation>
    </message>
    <message>
        <source>before %1: expected a place and a byte</source>
        <translation>before %1 : une position et un octet attendus</translation>
    </message>
    <message>
        <source>the values before the mods do not match the values they set</source>
        <translation>les valeurs d'avant les mods ne correspondent pas à celles qu'ils mettent</translation>
    </message>
    <message>
        <source>A mod named "%1" is on the list already (place %2).</source>
        <translation>Un mod nommé « %1 » est déjà dans la liste (place %2).</translation>
    </message>
    <message>
        <source>left out: %1: %2, which the game holds no place for</source>
        <translation>laissé de côté : %1 : %2, pour lequel le jeu n'a pas de place</translation>
    </message>
    <message>
        <source>%1: %2 (%3) was %4, the mod expects %5; changed all the same</source>
        <translation>%1 : %2 (%3) valait %4, le mod attend %5 ; modifié quand même</translation>
    </message>
    <message>
        <source>Places on the list are counted from 1.</source>
        <translation>Les places de la liste se comptent à partir de 1.</translation>
    </message>
    <message>
        <source>No mod named "%1" is on the list.</source>
        <translation>Aucun mod nommé « %1 » n'est dans la liste.</translation>
    </message>
    <message>
        <source>%1 mods are named "%2"; give the place instead.</source>
        <translation>%1 mods s'appellent « %2 » ; donnez plutôt la place.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Détail : (rien)</translation>
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
        <translation>Aucun casque n'est sélectionné.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Les données ont été exportées !</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Les données ont été importées !</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use "Import from game" to read it from the game.</source>
        <translation>La planche des casques n'est pas disponible. Utilisez « Importer du jeu » pour la lire dans le jeu.</translation>
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
        <translation>Le bitmap a été importé !</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Le bitmap a été exporté !</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L'image bitmap n'est pas valide</translation>
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
        <translation>Détail : couleur %1 de la palette</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Détail : %1</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2</source>
        <translation>« %1 » ne peut pas être chargé : %2</translation>
    </message>
    <message>
        <source>"%1" cannot be used. %2</source>
        <translation>« %1 » ne peut pas être utilisé. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>%1 ne peut pas être utilisé. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>Impossible d'enregistrer le bitmap : %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Jambes/Écran des stands</translation>
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
        <translation>Logo de l'écurie</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d'écrire %1</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>elle ne contient aucune couleur</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>La palette du jeu %1 ne peut pas être ouverte : %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>La palette du jeu %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>La palette du jeu %1 est inutilisable : %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures' own colours.</source>
        <translation>%1. Les éditeurs de couleurs marqueront les couleurs d'après les couleurs propres de leurs images.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>Le convertisseur %1 a produit une planche inutilisable. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>%1 ne peut pas être utilisé. La texture %2 fait %3 pixels, et sa livrée doit faire de même ; ce bitmap fait %4.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>le fichier s'arrête dans ses en-têtes</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>la compression par plages 4 bits n'est pas prise en charge</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>le type de compression %1 n'est pas pris en charge</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with "BM")</source>
        <translation>ce n'est pas un fichier bitmap (il ne commence pas par « BM »)</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>sa hauteur est hors limites</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 bits par pixel n'est pas une profondeur de bitmap (1, 4, 8, 16, 24 ou 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>sa table de couleurs annonce %1 couleurs ; 256 au plus sont lues</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>le fichier s'arrête dans sa table de couleurs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>Impossible d'écrire le bitmap : %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>c'est un bitmap %1 bits ; l'image demande 8 bits par pixel</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>il a %1 plans de couleur ; les bitmaps en ont 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>une image de %1 x %2 pixels ne peut pas être affichée</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>L'image bitmap n'est pas valide</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>Le convertisseur %1 a converti %2 en %3, mais l'éditeur ne peut pas charger ce fichier comme bitmap 8 bits : %4</translation>
    </message>
    <message>
        <source>Cannot make the editor's TEMP folder %1: %2.</source>
        <translation>Impossible de créer le dossier TEMP de l'éditeur %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>Impossible de supprimer l'ancien fichier d'échange %1 : %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>Le convertisseur %1 n'a pas pu convertir %2 en %3 : il ne peut pas être lancé (%4). Installez kvrjam à côté de kvrdesk, ou nommez un convertisseur dans %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>Le convertisseur %1 n'a pas pu convertir %2 en %3 : il n'avait pas fini après %4 et a été arrêté.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>Le convertisseur %1 n'a pas pu convertir %2 en %3 : il a été terminé par le signal %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>Le convertisseur %1 n'a pas pu convertir %2 en %3 : il s'est terminé avec le code de sortie %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>Le convertisseur %1 n'a pas pu convertir %2 en %3 : il s'est terminé sans écrire le fichier.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>Impossible d'écrire le fichier d'échange : %1</translation>
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
        <translation>son en-tête fait %1 octets ; les bitmaps lus ont un en-tête de 40 ou 12 octets</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>sa largeur est négative (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 pixels, c'est plus qu'une image ne peut en avoir (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>les lignes de pixels sont tronquées : %1 pixels demandent %2 octets à partir de l'octet %3, le fichier en contient %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>Impossible de créer une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Une image vide ne peut pas être mise à l'échelle</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>L'image ne contient aucun pixel</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>elle a %1 x %2 pixels, plus que les %3 pixels lus</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>ce n'est pas une image dans un format que ce programme lit</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>elle ne peut pas être lue comme image : %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>L'image %1 ne peut pas être lue : %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>L'image %1 n'est pas utilisable : %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>Impossible de créer l'image PNG</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
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
    <message>
        <source>The picture has %1 x %2 pixels; it must have %3 x %4.</source>
        <translation>L'image a %1 x %2 pixels ; elle doit en avoir %3 x %4.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels, the texture %3 x %4: tick "Scale to %3 x %4" to scale it to the texture's size.</source>
        <translation>L'image a %1 x %2 pixels, la texture %3 x %4 : cochez « Mettre à %3 x %4 » pour la mettre à la taille de la texture.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l'image</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>La planche des casques doit être un bitmap 8 bits (256 couleurs) de %1 x %2 pixels ; ceci est %3.</translation>
    </message>
    <message>
        <source>A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Un casque doit être un bitmap 8 bits (256 couleurs) de %1 x %2 pixels ; ceci est %3.</translation>
    </message>
    <message>
        <source>an empty file</source>
        <translation>un fichier vide</translation>
    </message>
    <message>
        <source>an %1-bit bitmap of %2 x %3 pixels</source>
        <translation>un bitmap %1 bits de %2 x %3 pixels</translation>
    </message>
    <message>
        <source>a %1-bit bitmap of %2 x %3 pixels</source>
        <translation>un bitmap %1 bits de %2 x %3 pixels</translation>
    </message>
    <message>
        <source>The converter cannot put it into the game: %1.</source>
        <translation>Le convertisseur ne peut pas la mettre dans le jeu : %1.</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)</source>
        <translation>c'est un bitmap %1 bits ; les textures sont des bitmaps 8 bits (256 couleurs)</translation>
    </message>
    <message>
        <source>the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way</source>
        <translation>le bitmap fait %1 x %2 pixels ; une texture en a de 1 à 4096 dans chaque sens</translation>
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
        <translation>Impossible d'ouvrir le fichier de paramètres %1</translation>
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
        <translation>Le nom du fichier dépasse 255 caractères : %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>Impossible d'écrire le fichier de paramètres %1</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>Le charger quand même ?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Impossible d'ouvrir %1.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>Les paramètres d'origine ne peuvent pas être restaurés ; rien n'a été modifié. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>Pas un fichier de paramètres : %1 contient %2 octets, un fichier de paramètres en contient %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes would be read, and if it is some other file they make no sense as settings.</source>
        <translation>%1 contient %2 octets, un fichier de paramètres exactement %3 : seuls ses %3 premiers octets seraient lus, et s'il s'agit d'un autre fichier, ils n'ont aucun sens comme paramètres.</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 cockpit colour</source>
        <translation>%1, couleur du cockpit</translation>
    </message>
    <message>
        <source>%1 mirrors colour</source>
        <translation>%1, couleur des rétroviseurs</translation>
    </message>
    <message>
        <source>%1 front wing colour</source>
        <translation>%1, couleur de l'aileron avant</translation>
    </message>
    <message>
        <source>X distance</source>
        <translation>distance X</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>Y distance</source>
        <translation>distance Y</translation>
    </message>
    <message>
        <source>X angle</source>
        <translation>angle X</translation>
    </message>
    <message>
        <source>Z angle</source>
        <translation>angle Z</translation>
    </message>
    <message>
        <source>Y angle</source>
        <translation>angle Y</translation>
    </message>
    <message>
        <source>tuning value 1</source>
        <translation>valeur de réglage 1</translation>
    </message>
    <message>
        <source>tuning value 2</source>
        <translation>valeur de réglage 2</translation>
    </message>
    <message>
        <source>%1 front wing</source>
        <translation>%1, aileron avant</translation>
    </message>
    <message>
        <source>%1 rear wing</source>
        <translation>%1, aileron arrière</translation>
    </message>
    <message>
        <source>%1 1st gear</source>
        <translation>%1, 1er rapport</translation>
    </message>
    <message>
        <source>%1 2nd gear</source>
        <translation>%1, 2e rapport</translation>
    </message>
    <message>
        <source>%1 3rd gear</source>
        <translation>%1, 3e rapport</translation>
    </message>
    <message>
        <source>%1 4th gear</source>
        <translation>%1, 4e rapport</translation>
    </message>
    <message>
        <source>%1 5th gear</source>
        <translation>%1, 5e rapport</translation>
    </message>
    <message>
        <source>%1 6th gear</source>
        <translation>%1, 6e rapport</translation>
    </message>
    <message>
        <source>%1 tyre type</source>
        <translation>%1, type de pneus</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>ch</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Écurie %1</translation>
    </message>
    <message>
        <source>Team %1 engine</source>
        <translation>Moteur de l'écurie %1</translation>
    </message>
    <message>
        <source>Car %1</source>
        <translation>Voiture %1</translation>
    </message>
    <message>
        <source>Driver slot %1</source>
        <translation>Place de pilote %1</translation>
    </message>
    <message>
        <source>Team %1 1st driver</source>
        <translation>1er pilote de l'écurie %1</translation>
    </message>
    <message>
        <source>Team %1 2nd driver</source>
        <translation>2e pilote de l'écurie %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuit %1</translation>
    </message>
    <message>
        <source>Driver of car %1</source>
        <translation>Pilote de la voiture %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, nom</translation>
    </message>
    <message>
        <source>%1 engine name</source>
        <translation>%1, nom du moteur</translation>
    </message>
    <message>
        <source>%1's car number</source>
        <translation>%1, numéro</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1, retenu</translation>
    </message>
    <message>
        <source>%1, qualifying</source>
        <translation>%1, qualifications</translation>
    </message>
    <message>
        <source>%1, other sessions</source>
        <translation>%1, autres séances</translation>
    </message>
    <message>
        <source>Human driver engine, qualifying</source>
        <translation>Moteur du pilote humain, qualifications</translation>
    </message>
    <message>
        <source>Human driver engine, other sessions</source>
        <translation>Moteur du pilote humain, autres séances</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Puissance moteur aléatoire</translation>
    </message>
    <message>
        <source>%1 grip, qualifying</source>
        <translation>%1, adhérence en qualifications</translation>
    </message>
    <message>
        <source>%1 grip, other sessions</source>
        <translation>%1, adhérence aux autres séances</translation>
    </message>
    <message>
        <source>%1 random grip range</source>
        <translation>%1, plage aléatoire d'adhérence</translation>
    </message>
    <message>
        <source>%1 car failure</source>
        <translation>%1, taux de panne</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, active</translation>
    </message>
    <message>
        <source>Team at pit %1</source>
        <translation>Écurie au stand %1</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Contrôler la vitesse dans la voie des stands</translation>
    </message>
    <message>
        <source>Pit line speed limit</source>
        <translation>Limitation de vitesse dans la voie des stands</translation>
    </message>
    <message>
        <source>%1 pit crew colour %2</source>
        <translation>%1, couleur des mécaniciens %2</translation>
    </message>
    <message>
        <source>Camera %1 %2</source>
        <translation>Caméra %1, %2</translation>
    </message>
    <message>
        <source>Camera record %1 %2</source>
        <translation>Enregistrement de caméra %1, %2</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>1er pilote - '0'</translation>
    </message>
    <message>
        <source>Show opponents fuel load</source>
        <translation>Afficher la charge de carburant des adversaires</translation>
    </message>
    <message>
        <source>Player's car performance depends on selected team</source>
        <translation>Les performances de la voiture du joueur dépendent de l'écurie choisie</translation>
    </message>
    <message>
        <source>Split comparison</source>
        <translation>Comparaison séparée</translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Poids de la voiture du joueur</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Poids des voitures de l'ordinateur</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Charge de carburant initiale aux essais</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>tours</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load (laps - 1)</source>
        <translation>Charge de carburant initiale en qualifications (tours - 1)</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Couleur de la LED %1</translation>
    </message>
    <message>
        <source>LED %1 threshold (RPM - 6154)</source>
        <translation>Seuil de la LED %1 (tr/min - 6154)</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Description des paramètres</translation>
    </message>
    <message>
        <source>%1 nose cone raised</source>
        <translation>%1, museau relevé</translation>
    </message>
    <message>
        <source>%1 fuel consumption</source>
        <translation>%1, consommation de carburant</translation>
    </message>
    <message>
        <source>%1 tyre consumption</source>
        <translation>%1, usure des pneus</translation>
    </message>
    <message>
        <source>%1 fuel consumption, low byte</source>
        <translation>%1, consommation de carburant, octet de poids faible</translation>
    </message>
    <message>
        <source>%1 fuel consumption, high byte</source>
        <translation>%1, consommation de carburant, octet de poids fort</translation>
    </message>
    <message>
        <source>%1 tyre consumption, low byte</source>
        <translation>%1, usure des pneus, octet de poids faible</translation>
    </message>
    <message>
        <source>%1 tyre consumption, high byte</source>
        <translation>%1, usure des pneus, octet de poids fort</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1 : %2 → %3</translation>
    </message>
    <message>
        <source>%1: %2 → %3 %4</source>
        <translation>%1 : %2 → %3 %4</translation>
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
        <translation>Enregistrer l'image en PNG...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Écuries</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> : couleur</translation>
    </message>
    <message>
        <source>Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part</source>
        <translation>Les flèches choisissent une couleur, Espace ou Entrée la donne à la partie, Page préc. et Page suiv. choisissent la partie</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Couleur %1, %2</translation>
    </message>
</context>
<context>
    <name>kvrgui::ConversionWindow</name>
    <message>
        <source>Convert to the game's colours</source>
        <translation>Convertir dans les couleurs du jeu</translation>
    </message>
    <message>
        <source>As painted</source>
        <translation>Telle que peinte</translation>
    </message>
    <message>
        <source>In the game's colours</source>
        <translation>Dans les couleurs du jeu</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures</source>
        <translation>Ctrl + molette, Ctrl++ ou Ctrl+- agrandit les deux images</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Tramage</translation>
    </message>
    <message>
        <source>None: each colour its nearest</source>
        <translation>Aucun : chaque couleur la plus proche</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Diffusion d'erreur</translation>
    </message>
    <message>
        <source>Strength of the error diffusion</source>
        <translation>Force de la diffusion d'erreur</translation>
    </message>
    <message>
        <source>Transparent pixels</source>
        <translation>Pixels transparents</translation>
    </message>
    <message>
        <source>Palette colour of transparent pixels</source>
        <translation>Couleur de palette des pixels transparents</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Scale to %1 x %2</source>
        <translation>Mettre à %1 x %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Strength: %1%</source>
        <translation>Force : %1 %</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1, the texture's background colour.</source>
        <translation>Les pixels transparents prennent la couleur %1, la couleur de fond de la texture.</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1 (the texture's background colour is %2).</source>
        <translation>Les pixels transparents prennent la couleur %1 (la couleur de fond de la texture est %2).</translation>
    </message>
    <message>
        <source>%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is invisible, 2 to 3 a near colour).</source>
        <translation>%1 pixels sur %2 ont changé de couleur ; écart moyen %3, plus grand %4 (%5 2000 : sous 1 invisible, de 2 à 3 une couleur proche).</translation>
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
        <translation>Restaurer les données d'origine</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>Le jeu ne peut pas afficher « %1 » ; il ne connaît que les lettres et signes d'Europe occidentale.</translation>
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
    <message>
        <source>Values that will change</source>
        <translation>Valeurs qui vont changer</translation>
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
        <translation>- paramètres d'origine</translation>
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
        <translation>kvrdesk est un logiciel libre : vous pouvez le partager et le modifier selon les termes de la GNU General Public License, version 3 ou (à votre choix) toute version ultérieure (%1). Il est fourni sans aucune garantie.</translation>
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
        <source>How to use it: the README (README.md) of kvrdesk's sources.</source>
        <translation>Comment l'utiliser : le README (README.md) des sources de kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Comment l'utiliser : %1.</translation>
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
        <source>player's car performance depends on selected team</source>
        <translation>les performances de la voiture du joueur dépendent de l'écurie choisie</translation>
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
        <translation>Poids des voitures de l'ordinateur</translation>
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
        <translation>(les couleurs ne valent qu'avec les cockpits d'origine)</translation>
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
    <message>
        <source>Human player car weight in pounds</source>
        <translation>Poids de la voiture du joueur en livres</translation>
    </message>
    <message>
        <source>Computer car weight in pounds</source>
        <translation>Poids des voitures de l'ordinateur en livres</translation>
    </message>
    <message>
        <source>Human player car weight in kilograms</source>
        <translation>Poids de la voiture du joueur en kilogrammes</translation>
    </message>
    <message>
        <source>Computer car weight in kilograms</source>
        <translation>Poids des voitures de l'ordinateur en kilogrammes</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Couleur de la LED %1</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load in laps</source>
        <translation>Charge de carburant initiale aux qualifications en tours</translation>
    </message>
    <message>
        <source>Initial practice fuel load in laps</source>
        <translation>Charge de carburant initiale aux essais en tours</translation>
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
    <message>
        <source>Camera %1 distance, X axis</source>
        <translation>Caméra %1 distance, axe X</translation>
    </message>
    <message>
        <source>Camera %1 height, Z axis</source>
        <translation>Caméra %1 hauteur, axe Z</translation>
    </message>
    <message>
        <source>Camera %1 distance, Y axis</source>
        <translation>Caméra %1 distance, axe Y</translation>
    </message>
    <message>
        <source>Camera %1 angle, X axis</source>
        <translation>Caméra %1 angle, axe X</translation>
    </message>
    <message>
        <source>Camera %1 angle, Z axis</source>
        <translation>Caméra %1 angle, axe Z</translation>
    </message>
    <message>
        <source>Camera %1 angle, Y axis</source>
        <translation>Caméra %1 angle, axe Y</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 1</source>
        <translation>Caméra %1 réglage de l'image, valeur 1</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 2</source>
        <translation>Caméra %1 réglage de l'image, valeur 2</translation>
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
        <translation>Puissance moteur de l'écurie %1 en ch</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Puissance moteur de l'écurie %1</translation>
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
    <message>
        <source>Human driver engine power in BHP</source>
        <translation>Puissance moteur du joueur en ch</translation>
    </message>
    <message>
        <source>Raise every team's engine power by the step</source>
        <translation>Augmenter la puissance moteur de chaque écurie du pas</translation>
    </message>
    <message>
        <source>Lower every team's engine power by the step</source>
        <translation>Baisser la puissance moteur de chaque écurie du pas</translation>
    </message>
    <message>
        <source>Step for every team's engine power in BHP</source>
        <translation>Pas pour la puissance moteur de chaque écurie en ch</translation>
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
    <message>
        <source>Raise every team's failure value by the step</source>
        <translation>Augmenter le taux de panne de chaque écurie du pas</translation>
    </message>
    <message>
        <source>Lower every team's failure value by the step</source>
        <translation>Baisser le taux de panne de chaque écurie du pas</translation>
    </message>
    <message>
        <source>Step for every team's failure value</source>
        <translation>Pas pour le taux de panne de chaque écurie</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Adhérence des voitures de l'ordinateur</translation>
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
        <translation>Plage d'adhérence aléatoire</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Premiers pilotes</translation>
    </message>
    <message>
        <source>First drivers' grip</source>
        <translation>Adhérence des premiers pilotes</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Seconds pilotes</translation>
    </message>
    <message>
        <source>Second drivers' grip</source>
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
        <translation>Modifier l'adhérence choisie</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Adhérence</translation>
    </message>
    <message>
        <source>Raise every car's grip by the step</source>
        <translation>Augmenter l'adhérence de chaque voiture du pas</translation>
    </message>
    <message>
        <source>Lower every car's grip by the step</source>
        <translation>Baisser l'adhérence de chaque voiture du pas</translation>
    </message>
    <message>
        <source>Step for every car's grip</source>
        <translation>Pas pour l'adhérence de chaque voiture</translation>
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
        <translation>Faites glisser un casque sur un autre pour échanger les deux ; ou appuyez sur Espace sur un pilote, puis sur Espace sur un autre.</translation>
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
    <message>
        <source>Helmet sheet</source>
        <translation>Planche des casques</translation>
    </message>
    <message>
        <source>Selected helmet</source>
        <translation>Casque choisi</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + molette, Ctrl++ ou Ctrl+- agrandit l'image</translation>
    </message>
    <message>
        <source>Picked: Space on another driver swaps the two helmets, Escape puts it down</source>
        <translation>Pris : Espace sur un autre pilote échange les deux casques, Échap le repose</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Importer/exporter des données</translation>
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
    <message>
        <source>Painting</source>
        <translation>Livrée</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + molette, Ctrl++ ou Ctrl+- agrandit l'image</translation>
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
        <translation>Restaurer les paramètres d'&amp;origine</translation>
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
        <translation>A&amp;perçu des modifications avant « Exporter toutes les données »</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor's export</source>
        <translation>Aperçu des modifications avant l'&amp;export d'un éditeur</translation>
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
        <translation>Restaurer les paramètres d'origine</translation>
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
    <message>
        <source>&amp;Car set manager...</source>
        <translation>&amp;Gestion des jeux de voitures...</translation>
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
        <translation>&amp;Mods dans le jeu, le premier mis en premier (un suivant l'emporte) :</translation>
    </message>
    <message>
        <source>Mods on the game</source>
        <translation>Mods dans le jeu</translation>
    </message>
    <message>
        <source>&amp;About the mod:</source>
        <translation>À &amp;propos du mod :</translation>
    </message>
    <message>
        <source>About the mod</source>
        <translation>À propos du mod</translation>
    </message>
    <message>
        <source>&amp;Values more than one mod sets:</source>
        <translation>&amp;Valeurs que plus d'un mod met :</translation>
    </message>
    <message>
        <source>Values more than one mod sets</source>
        <translation>Valeurs que plus d'un mod met</translation>
    </message>
    <message>
        <source>&amp;Put on...</source>
        <translation>&amp;Mettre...</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Mon&amp;ter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Descen&amp;dre</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Flèche haut</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Flèche bas</translation>
    </message>
    <message>
        <source>%1, by %2</source>
        <translation>%1, par %2</translation>
    </message>
    <message>
        <source>No mods are on.</source>
        <translation>Aucun mod n'est mis.</translation>
    </message>
    <message>
        <source>%1 sets %2</source>
        <translation>%1 met %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 holds</source>
        <translation>%1 : %2 ; %3 l'emporte</translation>
    </message>
    <message>
        <source>%1 (%2), values it sets: %3</source>
        <translation>%1 (%2), valeurs qu'il met : %3</translation>
    </message>
    <message>
        <source>Put on %1</source>
        <translation>Mettre %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Descendre %1</translation>
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
        <translation> Données de l'écurie </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nom de l'écurie</translation>
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
        <source>First driver - '0'</source>
        <translation>1er pilote - « 0 »</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Pilotes retenus</translation>
    </message>
    <message>
        <source>Car %1 takes part</source>
        <translation>La voiture %1 participe</translation>
    </message>
    <message>
        <source>Team %1 1st driver takes part</source>
        <translation>Le 1er pilote de l'écurie %1 participe</translation>
    </message>
    <message>
        <source>Team %1 2nd driver takes part</source>
        <translation>Le 2e pilote de l'écurie %1 participe</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Museaux</translation>
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
        <translation>Faites glisser une écurie sur une autre pour échanger leurs stands ; ou appuyez sur Alt+Flèche haut ou Alt+Flèche bas pour échanger l'écurie choisie avec sa voisine.</translation>
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
    <message>
        <source>Max. allowed pit line speed in km/h</source>
        <translation>Vitesse max. autorisée dans la voie des stands en km/h</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in mph</source>
        <translation>Vitesse max. autorisée dans la voie des stands en mph</translation>
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
        <translation>Ce qu'elles font</translation>
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
        <source>Closes an editor window, keeping its changes, as "Back" does</source>
        <translation>Ferme une fenêtre d'éditeur en gardant ses modifications, comme « Retour »</translation>
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
        <translation>Voie des stands : échange l'écurie choisie avec celle du dessus ou du dessous</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver's helmet; on another driver, swaps the two</source>
        <translation>Casques : prend le casque du pilote choisi ; sur un autre pilote, échange les deux</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Casques : repose un casque pris</translation>
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
        <translation> Réglages des voitures de l'ordinateur </translation>
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
        <source>Tyre - "%1"</source>
        <translation>Pneus - « %1 »</translation>
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
    <message>
        <source>Track %1</source>
        <translation>Circuit %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 gear</source>
        <translation>%1 vitesse</translation>
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
