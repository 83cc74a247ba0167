<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Fehler beim Dateizugriff! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 ist zu kurz für eine Prüfsumme</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>Die übrigen Dateien dieser Änderung sind bereits an ihrem Platz; die nächste Änderung des Spiels setzt den Rest ein.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>Die letzte Änderung des Spiels kann nicht abgeschlossen werden (%1): %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>In das Spiel in %1 kann nicht geschrieben werden: Es liegt auf einem schreibgeschützten Datenträger.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game's new files can be written.</source>
        <translation>In das Spiel in %1 kann nicht geschrieben werden: Sie dürfen in diesem Ordner keine Dateien anlegen (%2), daher können weder seine Sperre noch die neuen Dateien des Spiels geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user's editor may be writing to the game.</source>
        <translation>In das Spiel in %1 kann nicht geschrieben werden: Seine Sperrdatei %2 kann nicht geöffnet werden (%3); vielleicht schreibt gerade der Editor eines anderen Benutzers in das Spiel.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>In das Spiel in %1 kann nicht geschrieben werden: Seine Sperrdatei %2 kann nicht angelegt werden: %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>In das Spiel in %1 kann nicht geschrieben werden: Seine Sperrdatei %2 ist %3, keine gewöhnliche Datei; entfernen Sie sie und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Ein anderes Programm schreibt gerade in das Spiel in %1; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1: Im Spielordner kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1: %2 an Position %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1: Position %2 + %3 liegt hinter dem Ende (%4 Bytes)</translation>
    </message>
    <message>
        <source>seek beyond the end (%1)</source>
        <translation>Sprung hinter das Ende (%1)</translation>
    </message>
    <message>
        <source>skip beyond the end</source>
        <translation>Überspringen hinter das Ende</translation>
    </message>
    <message>
        <source>read beyond the end</source>
        <translation>Lesen hinter dem Ende</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>write beyond the end</source>
        <translation>Schreiben hinter dem Ende</translation>
    </message>
    <message>
        <source>too short for a checksum</source>
        <translation>zu kurz für eine Prüfsumme</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kann nicht schreiben: %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>kann in seinem Ordner keine Datei anlegen: %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>kann nicht auf den Datenträger geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>die neue Datei kann nicht an ihren Platz gesetzt werden: %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>von %1 kann keine Kopie behalten werden: %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it.</source>
        <translation>Die letzte Änderung des Spiels kann nicht abgeschlossen werden: %1 %2. Prüfen Sie die Dateien des Spiels und entfernen Sie sie dann.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>ist keine Notiz dieses Programms</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>nennt eine Datei, die nicht zu ihr gehört: %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>ist abgeschnitten</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1: Die Reifentabelle liegt hinter dem Ende</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1: Die Reifentabelle reicht über das Ende hinaus</translation>
    </message>
    <message>
        <source>the setup values run into the checksum or past the end</source>
        <translation>die Abstimmungswerte reichen in die Prüfsumme oder über das Ende hinaus</translation>
    </message>
    <message>
        <source>the setup values overlap the setup position word</source>
        <translation>die Abstimmungswerte überlappen das Positionswort der Abstimmung</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged: it must hold whole records of %2 bytes.</source>
        <translation>Die Patchliste %1 ist beschädigt: Sie muss ganze Datensätze von %2 Bytes enthalten.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>Die Patchliste ist leer.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1: Patchposition %2 liegt vor dem Anfang</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>Die Streckendaten wurden nicht gelesen, daher schreibt nichts Streckenwerte ins Spiel. Der Strecken-Editor öffnet sich, sobald jede Streckendatei gelesen werden kann.</translation>
    </message>
    <message>
        <source>%1 is not the game's executable: %2</source>
        <translation>%1 ist nicht das Programm des Spiels: %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) Fehler beim Dateizugriff! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) Fehler beim Dateizugriff! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) Fehler beim Dateizugriff! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) Fehler beim Dateizugriff! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>nennt eine Datei außerhalb des Spielordners: %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>nennt eine Datei, die keine Änderung des Spiels schreibt: %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>nennt eine Datei über eine Verknüpfung aus dem Spielordner hinaus: %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>nennt eine Verknüpfung, keine Datei: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game's own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 kann nicht zusammen mit anderen Dateien des Spiels ersetzt werden: Dateien, die sich gemeinsam ändern, müssen die eigenen des Spiels in %2 sein (ist es eine Verknüpfung an einen anderen Ort?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>Das Spiel in %1 wird nicht gelesen: Die letzte Änderung seiner Dateien wurde abgebrochen (%2 liegt dort) und kann jetzt nicht abgeschlossen werden; die Dateien können also teils alt, teils neu sein. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>Das Spiel in %1 wird nicht gelesen, da seine Dateien teils alt, teils neu sein können. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game's language versions. The editor takes the game for the English version and reads and writes its values at the English version's positions.</source>
        <translation>Das Versionsbyte von %1 (an Position %2) ist %3 und bezeichnet keine der Sprachversionen des Spiels. Der Editor hält das Spiel für die englische Version und liest und schreibt seine Werte an den Positionen der englischen Version.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game's code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>Die zufällige Motorleistung konnte nicht eingeschaltet werden: Der Code des Spiels wurde an dieser Stelle verändert. Stellen Sie KVR.EXE aus KVR.EXE.orig wieder her und exportieren Sie erneut.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Nichts zu ändern: Das Spiel enthält diese Werte bereits.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Diese Werte werden im Spiel geändert:</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Im Ordner CIRCUITS des Spiels fehlen die Streckendateien: Dieser Export scheitert mit dem Streckendateifehler und ändert nichts.</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>Im Ordner CIRCUITS des Spiels fehlen die Streckendateien, daher können die Streckendaten nicht verglichen werden. Nach den übrigen Werten bittet der Export, die Streckendateien von der Spiel-CD zu installieren; ohne sie hält er vor den Streckendaten an.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Sonst ändert sich nichts: Das Spiel enthält die übrigen Werte bereits.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>Alle Daten wurden importiert!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Alle Daten wurden exportiert!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Streckendaten wurden importiert!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Daten wurden importiert!</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Streckendaten wurden exportiert!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Daten wurden exportiert!</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>Text erwartet</translation>
    </message>
    <message>
        <source>"%1" is not a character of the game's code page (Windows-1252)</source>
        <translation>„%1“ ist kein Zeichen der Codepage des Spiels (Windows-1252)</translation>
    </message>
    <message>
        <source>%1 characters, the field holds at most %2</source>
        <translation>%1 Zeichen, das Feld fasst höchstens %2</translation>
    </message>
    <message>
        <source>expected a whole number from 0 to %1</source>
        <translation>ganze Zahl von 0 bis %1 erwartet</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true oder false erwartet</translation>
    </message>
    <message>
        <source>field %1: no such field</source>
        <translation>Feld %1: Dieses Feld gibt es nicht</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>kein JSON: %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with "kvpatch" and "changes"</source>
        <translation>kein Patch: Objekt mit „kvpatch“ und „changes“ erwartet</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>Patchformat %1: Dieser Editor liest Format %2</translation>
    </message>
    <message>
        <source>"changes": expected an array</source>
        <translation>„changes“: Array erwartet</translation>
    </message>
    <message>
        <source>change %1: expected an object with "field", "from" and "to"</source>
        <translation>Änderung %1: Objekt mit „field“, „from“ und „to“ erwartet</translation>
    </message>
    <message>
        <source>change %1: "field" must be a name</source>
        <translation>Änderung %1: „field“ muss ein Name sein</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>Feld %1: im Patch zweimal genannt</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Nichts zu ändern: Die Einstellungen enthalten diese Werte bereits.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Diese Werte werden geändert:</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Diese Werte werden geändert. Der markierte enthält etwas anderes als den Wert, den der Patch zu ersetzen erwartet; er wird trotzdem geändert:</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Diese Werte werden geändert. Die %1 markierten enthalten etwas anderes als die Werte, die der Patch zu ersetzen erwartet; sie werden trotzdem geändert:</translation>
    </message>
    <message>
        <source>key "%1" is given twice</source>
        <translation>Schlüssel „%1“ ist zweimal angegeben</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1: tiefer als %2 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>Hex-Text ungerader Länge</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>kein Hex: %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>Array mit %1 Elementen erwartet</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>Dieses Element gibt es nicht: Das Array enthält %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>Objekt erwartet</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>Dieses Feld gibt es nicht</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>Feld %1 fehlt</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>Byte %1 ist schon durch %2 angegeben</translation>
    </message>
    <message>
        <source>expected hex text</source>
        <translation>Hex-Text erwartet</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>JSON-Objekt erwartet</translation>
    </message>
    <message>
        <source>no such field: the unused bytes are at 0x000, 0x74B and 0xB12</source>
        <translation>Dieses Feld gibt es nicht: Die unbenutzten Bytes liegen bei 0x000, 0x74B und 0xB12</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>%1 Bytes erwartet</translation>
    </message>
    <message>
        <source>bad offset, expected a place from 0x000 to %1</source>
        <translation>ungültige Stelle, erwartet wird eine Stelle von 0x000 bis %1</translation>
    </message>
    <message>
        <source>%1 bytes run past the end of the record (its last byte is %2)</source>
        <translation>%1 Bytes reichen über das Ende des Datensatzes hinaus (sein letztes Byte ist %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>Feld %1: ändert Byte %2, das auch %3 ändert</translation>
    </message>
    <message>
        <source>"%1": expected text</source>
        <translation>„%1“: Text erwartet</translation>
    </message>
    <message>
        <source>"%1": %2 characters, it may hold at most %3</source>
        <translation>„%1“: %2 Zeichen, erlaubt sind höchstens %3</translation>
    </message>
    <message>
        <source>"%1": holds the control character %2</source>
        <translation>„%1“: enthält das Steuerzeichen %2</translation>
    </message>
    <message>
        <source>unknown key "%1": a patch holds only "kvpatch", "title", "author", "description", "made_with" and "changes"</source>
        <translation>unbekannter Schlüssel „%1“: Ein Patch enthält nur „kvpatch“, „title“, „author“, „description“, „made_with“ und „changes“</translation>
    </message>
    <message>
        <source>%1 (the patch expects %2)</source>
        <translation>%1 (der Patch erwartet %2)</translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation>Datei kvr.exe auf Ihrer KVR-CD suchen</translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation>KVR.EXE auf Ihrer KVR-CD</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Die Streckendateien sind nicht auf Ihrer Festplatte installiert. Sie werden für den Strecken-Editor gebraucht. Möchten Sie sie jetzt installieren?</translation>
    </message>
    <message>
        <source>Put "Kavorra" CD into CD drive, and hit "OK" when you are ready!</source>
        <translation>Legen Sie die „Kavorra“-CD ins CD-Laufwerk und klicken Sie auf „OK“, sobald Sie bereit sind!</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Streckendatei kann nicht kopiert werden!</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>Die Streckendateien wurden nicht installiert.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Wagensatz-Manager</translation>
    </message>
    <message>
        <source>Install '97 car set (only paintings now)</source>
        <translation>Wagensatz ’97 installieren (vorerst nur Lackierungen)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Neuer Wagensatz installiert!</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Wagensatzdateien können nicht kopiert werden!</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Cockpit-Manager</translation>
    </message>
    <message>
        <source>'97 cockpits</source>
        <translation>Cockpits ’97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installieren!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Neues Cockpit installiert!</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Cockpitdatei kann nicht kopiert werden!</translation>
    </message>
    <message>
        <source>Not enough free space on the game's drive!</source>
        <translation>Nicht genug freier Platz auf dem Laufwerk des Spiels!</translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation>Strecken-Manager</translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation>Streckenpaket installieren</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Originalstrecken installieren</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>Strecken installiert!</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Originalstrecken installiert!</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>Streckendatendatei kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Fehlt in %1:</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>Nicht nach %1 kopiert:</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1: Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no cockpit set "%1".</source>
        <translation>Es gibt keinen Cockpitsatz „%1“.</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>it is %1 long; a PCX picture's header alone takes 128</source>
        <translation>sie ist %1 lang; allein der Kopf eines PCX-Bilds belegt 128</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>sie ist kein PCX-Bild (sie beginnt nicht mit dem Byte 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>sie ist ein PCX-Bild mit %1 Bits in %2 Ebenen; das Cockpit braucht 256 Farben (8 Bits, 1 Ebene)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game's cockpit pictures are</source>
        <translation>ihre Zeilen sind nicht lauflängenkodiert, wie es die Cockpitbilder des Spiels sind</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>sie ist ein Bild von %1 Pixeln; dieses Cockpitbild muss %2 groß sein</translation>
    </message>
    <message>
        <source>its header gives rows of %1 for a width of %2</source>
        <translation>ihr Kopf gibt Zeilen von %1 für eine Breite von %2 an</translation>
    </message>
    <message>
        <source>the 256-colour palette at its end is missing</source>
        <translation>die 256-Farben-Palette an ihrem Ende fehlt</translation>
    </message>
    <message>
        <source>its pixel data ends after %1 of its %2 rows</source>
        <translation>ihre Pixeldaten enden nach %1 ihrer %2 Zeilen</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>sie ist keine Textur, die der Konverter lesen kann: %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>sie ist eine Textur von %1 Pixeln, aber %2 ist %3 groß; ein Ersatz muss dieselbe Größe haben</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>sie ist %1 lang; ihr Block ist genau %2 lang</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1: %2 Bytes, aber der Block hat Platz für %3</translation>
    </message>
    <message>
        <source>one byte, 0 to 255</source>
        <translation>ein Byte, 0 bis 255</translation>
    </message>
    <message>
        <source>16 bits, 0 to 65535</source>
        <translation>16 Bit, 0 bis 65535</translation>
    </message>
    <message>
        <source>the file ends after line %1; %2 lines are needed</source>
        <translation>die Datei endet nach Zeile %1; %2 Zeilen werden gebraucht</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>die Zeile ist zu kurz für %1</translation>
    </message>
    <message>
        <source>the number "%1" runs past %2</source>
        <translation>die Zahl „%1“ reicht über %2 hinaus</translation>
    </message>
    <message>
        <source>%1 is not a number: "%2"</source>
        <translation>%1 ist keine Zahl: „%2“</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 enthält %2, wird aber als %3 geschrieben</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>Feld %1 (Spalten %2 bis %3)</translation>
    </message>
    <message>
        <source>column %1 holds "%2", but this line has only %3 field(s)</source>
        <translation>Spalte %1 enthält „%2“, aber diese Zeile hat nur %3 Feld(er)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: fehlt</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1: die Datei ist leer</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>der Editor geschlossen wird</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>Die Einstellungen enthalten Änderungen, die in keiner Einstellungsdatei stehen.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>Die Helmtafel hat Änderungen, die nicht ins Spiel exportiert wurden.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>Die Wagenlackierung für %1 hat Änderungen, die nicht ins Spiel exportiert wurden.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Sie gehen verloren, wenn %1, es sei denn, Sie klicken auf „Abbrechen“ und exportieren sie zuerst in ihren Fenstern.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>Die Einstellungen speichern, bevor %1?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Bilder bleiben nur durch einen Export in ihren Fenstern erhalten: „Abbrechen“ führt zurück.)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Änderungen als Patch speichern</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch anwenden</translation>
    </message>
    <message>
        <source>Patches</source>
        <translation>Patches</translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation>Die Werte speichern, in denen sich die Einstellungen unterscheiden von:</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>Dem Spiel, wie es jetzt ist</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>Den Originaleinstellungen (ORIGIN.SET)</translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation>Einer Einstellungsdatei...</translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation>Mit Einstellungen vergleichen</translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation>Trotzdem damit vergleichen?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>Die Einstellungen enthalten dieselben Werte: Es gibt keine Änderung zu speichern.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>Der Patch ändert Streckendaten, die noch nicht aus dem Spiel gelesen wurden. Öffnen Sie einmal den Strecken-Editor und wenden Sie den Patch dann erneut an; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation>In %1 gibt es keine KVR.EXE</translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; "Import from game" in the helmets window reads it again.</source>
        <translation>Der Editor startet ohne die Helmtafel; „Aus dem Spiel importieren“ im Helmfenster liest sie erneut ein.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>ein anderes Spiel geöffnet wird</translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation>Datei kvr.exe suchen</translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation>KVR-Hauptprogramm</translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game's %2. Choose another file.</source>
        <translation>%1 wird nicht geschrieben: Das ist die Spieldatei %2. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>Der Patch %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>Der Patch %1 kann nicht angewendet werden; es wurde nichts geändert. %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>Der Pfad des Spiels ist länger als 255 Zeichen: %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>Die Konfigurationsdatei %1 ist beschädigt (kürzer als %2 Bytes). Suchen Sie das Spiel erneut; die Datei wird beim Schließen des Editors neu geschrieben.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>%1 kann nicht gelesen werden: Es ist %2, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>%1 kann nicht gelesen werden: Es ist größer als %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>„%1“ ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>Der Winkel %1 ist zu groß.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>eine andere Einstellungsdatei geladen wird</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>Es gibt keine Datei und keinen Ordner %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens a game folder or its KVR.EXE, settings files (*.KVS) and patches (*.kvpatch), not %1.</source>
        <translation>kvrdesk öffnet einen Spielordner oder seine KVR.EXE, Einstellungsdateien (*.KVS) und Patches (*.kvpatch), nicht %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens one game at a time, not both %1 and %2.</source>
        <translation>kvrdesk öffnet ein Spiel auf einmal, nicht %1 und %2 zugleich.</translation>
    </message>
    <message>
        <source>The editor's configuration %1 could not be written: %2. The next start does not remember this run's game and choices.</source>
        <translation>Die Konfiguration des Editors %1 konnte nicht geschrieben werden: %2. Der nächste Start kennt das Spiel und die Einstellungen dieser Sitzung nicht.</translation>
    </message>
    <message>
        <source>What the patch is, for those you share it with (all may stay empty):</source>
        <translation>Was der Patch ist, für alle, mit denen Sie ihn teilen (alles darf leer bleiben):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Exact copy, every byte (also the settings description and bytes no window shows)</source>
        <translation>&amp;Genaue Kopie, jedes Byte (auch die Beschreibung der Einstellungen und Bytes, die kein Fenster zeigt)</translation>
    </message>
    <message>
        <source>The settings differ only in the description and bytes no window shows. Tick "Exact copy, every byte" to save those.</source>
        <translation>Die Einstellungen unterscheiden sich nur in der Beschreibung und in Bytes, die kein Fenster zeigt. Kreuzen Sie „Genaue Kopie, jedes Byte“ an, um diese zu speichern.</translation>
    </message>
    <message>
        <source>Put on mod</source>
        <translation>Mod aufspielen</translation>
    </message>
    <message>
        <source>The patch %1 cannot be put on; nothing was changed. %2</source>
        <translation>Der Patch %1 kann nicht aufgespielt werden; nichts wurde geändert. %2</translation>
    </message>
    <message>
        <source>Put on</source>
        <translation>Aufspielen</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
</context>
<context>
    <name>Mods</name>
    <message>
        <source>The mod list %1 cannot be read; nothing was changed. %2</source>
        <translation>Die Mod-Liste %1 kann nicht gelesen werden; nichts wurde geändert. %2</translation>
    </message>
    <message>
        <source>Cannot keep the mod list in %1: it is not a folder of its own (remove it, then try again).</source>
        <translation>Die Mod-Liste kann nicht in %1 abgelegt werden: Es ist kein eigener Ordner (entfernen Sie es und versuchen Sie es dann erneut).</translation>
    </message>
    <message>
        <source>kept: %1 holds %2, not %3 as the mods set it</source>
        <translation>behalten: %1 enthält %2, nicht %3, wie die Mods es setzen</translation>
    </message>
    <message>
        <source>not a mod list of this program: %1</source>
        <translation>keine Mod-Liste dieses Programms: %1</translation>
    </message>
    <message>
        <source>There is no mod %1: the list holds %2.</source>
        <translation>Es gibt keinen Mod %1: Die Liste enthält %2.</translation>
    </message>
    <message>
        <source>expected "kvrdesk_mods": 1, "mods" and "before"</source>
        <translation>erwartet: „kvrdesk_mods“: 1, „mods“ und „before“</translation>
    </message>
    <message>
        <source>mod %1: expected "file" and "patch"</source>
        <translation>Mod %1: „file“ und „patch“ erwartet</translation>
    </message>
    <message>
        <source>mod %1: %2</source>
        <translation>Mod %1: %2</translation>
    </message>
    <message>
        <source>before %1: expected a place and a byte</source>
        <translation>before %1: Stelle und Byte erwartet</translation>
    </message>
    <message>
        <source>the values before the mods do not match the values they set</source>
        <translation>die Werte vor den Mods passen nicht zu den Werten, die sie setzen</translation>
    </message>
    <message>
        <source>A mod named "%1" is on the list already (place %2).</source>
        <translation>Ein Mod namens „%1“ steht schon in der Liste (Platz %2).</translation>
    </message>
    <message>
        <source>left out: %1: %2, which the game holds no place for</source>
        <translation>ausgelassen: %1: %2, wofür das Spiel keinen Platz hat</translation>
    </message>
    <message>
        <source>%1: %2 (%3) was %4, the mod expects %5; changed all the same</source>
        <translation>%1: %2 (%3) war %4, der Mod erwartet %5; trotzdem geändert</translation>
    </message>
    <message>
        <source>Places on the list are counted from 1.</source>
        <translation>Die Plätze der Liste werden ab 1 gezählt.</translation>
    </message>
    <message>
        <source>No mod named "%1" is on the list.</source>
        <translation>Kein Mod namens „%1“ steht in der Liste.</translation>
    </message>
    <message>
        <source>%1 mods are named "%2"; give the place instead.</source>
        <translation>%1 Mods heißen „%2“; geben Sie stattdessen den Platz an.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Detail: (nichts)</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm aus Bitmap laden</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm als Bitmap speichern</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>BMP-Dateien</translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation>Es ist kein Helm gewählt.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Daten wurden exportiert!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Daten wurden importiert!</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use "Import from game" to read it from the game.</source>
        <translation>Die Helmtafel ist nicht verfügbar. Lesen Sie sie mit „Aus dem Spiel importieren“ aus dem Spiel ein.</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Bitmap-Datei speichern</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Bitmap-Datei laden</translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>Bitmap wurde importiert!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Bitmap wurde exportiert!</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(kein Bild)</translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation>Cockpit</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Frontflügel</translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation>Detail: Palettenindex %1</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Detail: %1</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2</source>
        <translation>„%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>"%1" cannot be used. %2</source>
        <translation>„%1“ kann nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>%1 kann nicht verwendet werden. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>Die Bitmap kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Füße</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Beine/Boxenmonitor</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Schmaler Streifen</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Linke Brust/Schild</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Rechte Brust</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Schulterklappen/Wagenheber</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Linker Oberarm</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Linker Unterarm</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Rechter Oberarm</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Rechter Unterarm</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Teamlogo</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>sie enthält keine Farbe</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>Die Spielpalette %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>Die Spielpalette %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>Die Spielpalette %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures' own colours.</source>
        <translation>%1. Die Farbeditoren markieren Farben mit den eigenen Farben ihrer Bilder.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>Der Konverter %1 hat eine Tafel erzeugt, die nicht verwendet werden kann. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>%1 kann nicht verwendet werden. Die Textur %2 ist %3 Pixel groß, und so muss auch ihre Lackierung sein; diese Bitmap ist %4 groß.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>die Datei endet innerhalb ihrer Köpfe</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>4-Bit-Lauflängenkompression wird nicht unterstützt</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>Kompressionsart %1 wird nicht unterstützt</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with "BM")</source>
        <translation>sie ist keine Bitmap-Datei (sie beginnt nicht mit „BM“)</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>ihre Höhe liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 Bits pro Pixel ist keine Bitmap-Farbtiefe (1, 4, 8, 16, 24 oder 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>ihre Farbtabelle gibt %1 Farben an; höchstens 256 werden gelesen</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>die Datei endet innerhalb ihrer Farbtabelle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>Die Bitmap kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>sie ist eine %1-Bit-Bitmap; das Bild braucht 8 Bits pro Pixel</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>sie hat %1 Farbebenen; Bitmaps haben 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>ein Bild von %1 x %2 Pixeln kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>Der Konverter %1 hat %2 in %3 umgewandelt, aber der Editor kann diese Datei nicht als 8-Bit-Bitmap laden: %4</translation>
    </message>
    <message>
        <source>Cannot make the editor's TEMP folder %1: %2.</source>
        <translation>Der TEMP-Ordner des Editors %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>Die alte Austauschdatei %1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>Der Konverter %1 konnte %2 nicht in %3 umwandeln: Er kann nicht gestartet werden (%4). Installieren Sie kvrjam neben kvrdesk oder nennen Sie einen Konverter in %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>Der Konverter %1 konnte %2 nicht in %3 umwandeln: Er war nach %4 nicht fertig und wurde angehalten.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>Der Konverter %1 konnte %2 nicht in %3 umwandeln: Er wurde durch Signal %4 beendet%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>Der Konverter %1 konnte %2 nicht in %3 umwandeln: Er endete mit dem Rückgabewert %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>Der Konverter %1 konnte %2 nicht in %3 umwandeln: Er endete, ohne die Datei zu schreiben.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>Die Austauschdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>8-bit run-length compression in a %1-bit bitmap</source>
        <translation>8-Bit-Lauflängenkompression in einer %1-Bit-Bitmap</translation>
    </message>
    <message>
        <source>colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)</source>
        <translation>Farb-Bitfelder in einer %1-Bit-Bitmap (nur 16 und 32 Bits haben sie)</translation>
    </message>
    <message>
        <source>its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read</source>
        <translation>ihr Kopf ist %1 Bytes lang; gelesen werden Bitmaps mit einem Kopf von 40 oder 12 Bytes</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>ihre Breite ist negativ (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 Pixel sind mehr, als ein Bild haben darf (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>die Pixelzeilen sind abgeschnitten: %1 Pixel brauchen %2 Bytes ab Byte %3, die Datei enthält %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>Ein Bild von %1 x %2 Pixeln kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Ein leeres Bild kann nicht skaliert werden</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>Das Bild enthält keine Pixel</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>es hat %1 x %2 Pixel, mehr als die %3 Pixel, die gelesen werden</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>es ist kein Bild in einem Format, das dieses Programm liest</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>es kann nicht als Bild gelesen werden: %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>Das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>Das Bild %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>Das PNG-Bild kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Swap helmets</source>
        <translation>Helme tauschen</translation>
    </message>
    <message>
        <source>Load helmet</source>
        <translation>Helm laden</translation>
    </message>
    <message>
        <source>Load all helmets</source>
        <translation>Alle Helme laden</translation>
    </message>
    <message>
        <source>Import helmets from game</source>
        <translation>Helme aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Import painting from game</source>
        <translation>Lackierung aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>its colour bit fields (red %1, green %2, blue %3) are not three separate runs of bits within a pixel</source>
        <translation>ihre Farb-Bitfelder (Rot %1, Grün %2, Blau %3) sind nicht drei getrennte Bitfolgen innerhalb eines Pixels</translation>
    </message>
    <message>
        <source>the file ends inside its colour bit fields</source>
        <translation>die Datei endet in ihren Farb-Bitfeldern</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels; it must have %3 x %4.</source>
        <translation>Das Bild hat %1 x %2 Pixel; es muss %3 x %4 haben.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels, the texture %3 x %4: tick "Scale to %3 x %4" to scale it to the texture's size.</source>
        <translation>Das Bild hat %1 x %2 Pixel, die Textur %3 x %4: Kreuzen Sie „Auf %3 x %4 skalieren“ an, um es auf die Größe der Textur zu bringen.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Die Helmtafel muss eine 8-Bit-Bitmap (256 Farben) mit %1 x %2 Pixeln sein; dies ist %3.</translation>
    </message>
    <message>
        <source>A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Ein Helm muss eine 8-Bit-Bitmap (256 Farben) mit %1 x %2 Pixeln sein; dies ist %3.</translation>
    </message>
    <message>
        <source>an empty file</source>
        <translation>eine leere Datei</translation>
    </message>
    <message>
        <source>an %1-bit bitmap of %2 x %3 pixels</source>
        <translation>eine %1-Bit-Bitmap mit %2 x %3 Pixeln</translation>
    </message>
    <message>
        <source>a %1-bit bitmap of %2 x %3 pixels</source>
        <translation>eine %1-Bit-Bitmap mit %2 x %3 Pixeln</translation>
    </message>
    <message>
        <source>The converter cannot put it into the game: %1.</source>
        <translation>Der Konverter kann sie nicht ins Spiel bringen: %1.</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)</source>
        <translation>sie ist eine %1-Bit-Bitmap; Texturen sind 8-Bit-Bitmaps (256 Farben)</translation>
    </message>
    <message>
        <source>the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way</source>
        <translation>die Bitmap hat %1 x %2 Pixel; eine Textur hat in jeder Richtung 1 bis 4096</translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation>Alle Einstellungsdateien</translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation>Die Einstellungsdatei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation>Der Dateiname ist länger als 255 Zeichen: %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>Trotzdem laden?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>Die Originaleinstellungen können nicht wiederhergestellt werden; es wurde nichts geändert. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>Keine Einstellungsdatei: %1 enthält %2 Bytes, eine Einstellungsdatei enthält %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes would be read, and if it is some other file they make no sense as settings.</source>
        <translation>%1 enthält %2 Bytes, eine Einstellungsdatei genau %3: Nur ihre ersten %3 Bytes würden gelesen, und ist sie eine andere Datei, ergeben sie als Einstellungen keinen Sinn.</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 cockpit colour</source>
        <translation>%1, Cockpitfarbe</translation>
    </message>
    <message>
        <source>%1 mirrors colour</source>
        <translation>%1, Spiegelfarbe</translation>
    </message>
    <message>
        <source>%1 front wing colour</source>
        <translation>%1, Frontflügelfarbe</translation>
    </message>
    <message>
        <source>X distance</source>
        <translation>X-Abstand</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Y distance</source>
        <translation>Y-Abstand</translation>
    </message>
    <message>
        <source>X angle</source>
        <translation>X-Winkel</translation>
    </message>
    <message>
        <source>Z angle</source>
        <translation>Z-Winkel</translation>
    </message>
    <message>
        <source>Y angle</source>
        <translation>Y-Winkel</translation>
    </message>
    <message>
        <source>tuning value 1</source>
        <translation>Abstimmwert 1</translation>
    </message>
    <message>
        <source>tuning value 2</source>
        <translation>Abstimmwert 2</translation>
    </message>
    <message>
        <source>%1 front wing</source>
        <translation>%1, Frontflügel</translation>
    </message>
    <message>
        <source>%1 rear wing</source>
        <translation>%1, Heckflügel</translation>
    </message>
    <message>
        <source>%1 1st gear</source>
        <translation>%1, 1. Gang</translation>
    </message>
    <message>
        <source>%1 2nd gear</source>
        <translation>%1, 2. Gang</translation>
    </message>
    <message>
        <source>%1 3rd gear</source>
        <translation>%1, 3. Gang</translation>
    </message>
    <message>
        <source>%1 4th gear</source>
        <translation>%1, 4. Gang</translation>
    </message>
    <message>
        <source>%1 5th gear</source>
        <translation>%1, 5. Gang</translation>
    </message>
    <message>
        <source>%1 6th gear</source>
        <translation>%1, 6. Gang</translation>
    </message>
    <message>
        <source>%1 tyre type</source>
        <translation>%1, Reifentyp</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Team %1 engine</source>
        <translation>Motor von Team %1</translation>
    </message>
    <message>
        <source>Car %1</source>
        <translation>Wagen %1</translation>
    </message>
    <message>
        <source>Driver slot %1</source>
        <translation>Fahrerplatz %1</translation>
    </message>
    <message>
        <source>Team %1 1st driver</source>
        <translation>1. Fahrer von Team %1</translation>
    </message>
    <message>
        <source>Team %1 2nd driver</source>
        <translation>2. Fahrer von Team %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Strecke %1</translation>
    </message>
    <message>
        <source>Driver of car %1</source>
        <translation>Fahrer von Wagen %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, Name</translation>
    </message>
    <message>
        <source>%1 engine name</source>
        <translation>%1, Motorname</translation>
    </message>
    <message>
        <source>%1's car number</source>
        <translation>%1, Startnummer</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1, gewählt</translation>
    </message>
    <message>
        <source>%1, qualifying</source>
        <translation>%1, Qualifikation</translation>
    </message>
    <message>
        <source>%1, other sessions</source>
        <translation>%1, Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Human driver engine, qualifying</source>
        <translation>Motor des Spielers, Qualifikation</translation>
    </message>
    <message>
        <source>Human driver engine, other sessions</source>
        <translation>Motor des Spielers, Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Zufällige Motorleistung</translation>
    </message>
    <message>
        <source>%1 grip, qualifying</source>
        <translation>%1, Grip in der Qualifikation</translation>
    </message>
    <message>
        <source>%1 grip, other sessions</source>
        <translation>%1, Grip in den übrigen Sitzungen</translation>
    </message>
    <message>
        <source>%1 random grip range</source>
        <translation>%1, zufällige Grip-Spanne</translation>
    </message>
    <message>
        <source>%1 car failure</source>
        <translation>%1, Ausfallrate</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, aktiv</translation>
    </message>
    <message>
        <source>Team at pit %1</source>
        <translation>Team in Box %1</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Tempo in der Boxengasse prüfen</translation>
    </message>
    <message>
        <source>Pit line speed limit</source>
        <translation>Tempolimit in der Boxengasse</translation>
    </message>
    <message>
        <source>%1 pit crew colour %2</source>
        <translation>%1, Boxencrew-Farbe %2</translation>
    </message>
    <message>
        <source>Camera %1 %2</source>
        <translation>Kamera %1, %2</translation>
    </message>
    <message>
        <source>Camera record %1 %2</source>
        <translation>Kameradatensatz %1, %2</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Erster Fahrer – „0“</translation>
    </message>
    <message>
        <source>Show opponents fuel load</source>
        <translation>Tankfüllung der Gegner anzeigen</translation>
    </message>
    <message>
        <source>Player's car performance depends on selected team</source>
        <translation>Leistung des Spielerwagens hängt vom gewählten Team ab</translation>
    </message>
    <message>
        <source>Split comparison</source>
        <translation>Getrennter Vergleich</translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Wagengewicht des Spielers</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Wagengewicht der Computerwagen</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Anfängliche Tankfüllung im Training</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load (laps - 1)</source>
        <translation>Anfängliche Tankfüllung in der Qualifikation (Runden − 1)</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Farbe der LED %1</translation>
    </message>
    <message>
        <source>LED %1 threshold (RPM - 6154)</source>
        <translation>Schwelle der LED %1 (U/min − 6154)</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>%1 nose cone raised</source>
        <translation>%1, Frontnase angehoben</translation>
    </message>
    <message>
        <source>%1 fuel consumption</source>
        <translation>%1, Benzinverbrauch</translation>
    </message>
    <message>
        <source>%1 tyre consumption</source>
        <translation>%1, Reifenverschleiß</translation>
    </message>
    <message>
        <source>%1 fuel consumption, low byte</source>
        <translation>%1, Benzinverbrauch, niederes Byte</translation>
    </message>
    <message>
        <source>%1 fuel consumption, high byte</source>
        <translation>%1, Benzinverbrauch, höheres Byte</translation>
    </message>
    <message>
        <source>%1 tyre consumption, low byte</source>
        <translation>%1, Reifenverschleiß, niederes Byte</translation>
    </message>
    <message>
        <source>%1 tyre consumption, high byte</source>
        <translation>%1, Reifenverschleiß, höheres Byte</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
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
        <translation>KVR-Editor</translation>
    </message>
    <message>
        <source>for Kavorra</source>
        <translation>für Kavorra</translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation>Bild als PNG speichern...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> – Farbe</translation>
    </message>
    <message>
        <source>Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part</source>
        <translation>Pfeiltasten wählen eine Farbe, Leertaste oder Eingabe gibt sie dem Teil, Bild auf und Bild ab wählen das Teil</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Farbe %1, %2</translation>
    </message>
</context>
<context>
    <name>kvrgui::ConversionWindow</name>
    <message>
        <source>Convert to the game's colours</source>
        <translation>In die Farben des Spiels umwandeln</translation>
    </message>
    <message>
        <source>As painted</source>
        <translation>Wie gemalt</translation>
    </message>
    <message>
        <source>In the game's colours</source>
        <translation>In den Farben des Spiels</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures</source>
        <translation>Strg + Mausrad, Strg++ oder Strg+- vergrößert beide Bilder</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Rasterung</translation>
    </message>
    <message>
        <source>None: each colour its nearest</source>
        <translation>Keine: jede Farbe die nächste</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Fehlerstreuung</translation>
    </message>
    <message>
        <source>Strength of the error diffusion</source>
        <translation>Stärke der Fehlerstreuung</translation>
    </message>
    <message>
        <source>Transparent pixels</source>
        <translation>Durchsichtige Pixel</translation>
    </message>
    <message>
        <source>Palette colour of transparent pixels</source>
        <translation>Palettenfarbe durchsichtiger Pixel</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Scale to %1 x %2</source>
        <translation>Auf %1 x %2 skalieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Strength: %1%</source>
        <translation>Stärke: %1 %</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1, the texture's background colour.</source>
        <translation>Durchsichtige Pixel erhalten Farbe %1, die Hintergrundfarbe der Textur.</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1 (the texture's background colour is %2).</source>
        <translation>Durchsichtige Pixel erhalten Farbe %1 (die Hintergrundfarbe der Textur ist %2).</translation>
    </message>
    <message>
        <source>%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is invisible, 2 to 3 a near colour).</source>
        <translation>%1 von %2 Pixeln haben die Farbe gewechselt; mittlerer Unterschied %3, größter %4 (%5 2000: unter 1 unsichtbar, 2 bis 3 eine nahe Farbe).</translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation>Daten aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Daten ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originaldaten wiederherstellen</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>Das Spiel kann „%1“ nicht anzeigen; es kennt nur westeuropäische Buchstaben und Zeichen.</translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation>Das Spiel speichert hier höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation>Höchstens %1 Zeichen, und nur solche, die das Spiel anzeigen kann.</translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Values that will change</source>
        <translation>Werte, die sich ändern</translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation>- Originaleinstellungen</translation>
    </message>
</context>
<context>
    <name>kvrgui::SessionTables</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>um</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Alle +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Alle -</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Quali=Übrige</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Übrige=Quali</translation>
    </message>
</context>
<context>
    <name>kvrgui::TAboutForm</name>
    <message>
        <source>About kvrdesk</source>
        <translation>Über kvrdesk</translation>
    </message>
    <message>
        <source>Editor for the data of the racing game Kavorra.</source>
        <translation>Editor für die Daten des Rennspiels Kavorra.</translation>
    </message>
    <message>
        <source>the licence</source>
        <translation>die Lizenz</translation>
    </message>
    <message>
        <source>kvrdesk is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (%1). It comes with no warranty.</source>
        <translation>kvrdesk ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und ändern (%1). Es kommt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>It runs on Qt %1 (built with Qt %2).</source>
        <translation>Es läuft mit Qt %1 (gebaut mit Qt %2).</translation>
    </message>
    <message>
        <source>Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.</source>
        <translation>Ihre Konfiguration (kvrdesk.set, kvrdesk.ini) liegt in %1.</translation>
    </message>
    <message>
        <source>How to use it: the README (README.md) of kvrdesk's sources.</source>
        <translation>Wie man es benutzt: das README (README.md) in den Quellen von kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Wie man es benutzt: %1.</translation>
    </message>
    <message>
        <source>the README</source>
        <translation>das README</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation>Cockpitfarben</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Wagen-Tuning</translation>
    </message>
    <message>
        <source>player's car performance depends on selected team</source>
        <translation>Leistung des Spielerwagens hängt vom gewählten Team ab</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Wagengewicht </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Wagengewicht des Spielers</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Wagengewicht der Computerwagen</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Gekoppelt</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> Drehzahl-LEDs </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation>LED %1 U/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(Farben wirken nur bei Original-Cockpits)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Tankfüllung </translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>Tankfüllung der Gegner anzeigen</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Anfängliche Tankfüllung im Training</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation>Anfängliche Tankfüllung in der Qualifikation</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Wagengewicht</translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation>LED-Farbe</translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation>LED-Schwelle</translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation>Tankfüllung</translation>
    </message>
    <message>
        <source>Human player car weight in pounds</source>
        <translation>Wagengewicht des Spielers in Pfund</translation>
    </message>
    <message>
        <source>Computer car weight in pounds</source>
        <translation>Wagengewicht der Computerwagen in Pfund</translation>
    </message>
    <message>
        <source>Human player car weight in kilograms</source>
        <translation>Wagengewicht des Spielers in Kilogramm</translation>
    </message>
    <message>
        <source>Computer car weight in kilograms</source>
        <translation>Wagengewicht der Computerwagen in Kilogramm</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Farbe der LED %1</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load in laps</source>
        <translation>Anfängliche Tankfüllung in der Qualifikation in Runden</translation>
    </message>
    <message>
        <source>Initial practice fuel load in laps</source>
        <translation>Anfängliche Tankfüllung im Training in Runden</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Kamera-Editor</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Wagenkamera wählen </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Standardansicht </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Abstand zur </translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation> Wagenmitte </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Winkel </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Y-Achse</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z-Achse</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Höhe </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Bildabstimmung</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Wert 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Wert 2 </translation>
    </message>
    <message>
        <source>Camera %1 distance, X axis</source>
        <translation>Kamera %1 Abstand, X-Achse</translation>
    </message>
    <message>
        <source>Camera %1 height, Z axis</source>
        <translation>Kamera %1 Höhe, Z-Achse</translation>
    </message>
    <message>
        <source>Camera %1 distance, Y axis</source>
        <translation>Kamera %1 Abstand, Y-Achse</translation>
    </message>
    <message>
        <source>Camera %1 angle, X axis</source>
        <translation>Kamera %1 Winkel, X-Achse</translation>
    </message>
    <message>
        <source>Camera %1 angle, Z axis</source>
        <translation>Kamera %1 Winkel, Z-Achse</translation>
    </message>
    <message>
        <source>Camera %1 angle, Y axis</source>
        <translation>Kamera %1 Winkel, Y-Achse</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 1</source>
        <translation>Kamera %1 Bildabstimmung, Wert 1</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 2</source>
        <translation>Kamera %1 Bildabstimmung, Wert 2</translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>keine Beschreibung</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Motorleistung</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> BHP </translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation>Motorleistung von Team %1 in BHP</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Motorleistung von Team %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor des Spielers</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Zufällige Motorleistung</translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation>Motorleistung des Spielers</translation>
    </message>
    <message>
        <source>Human driver engine power in BHP</source>
        <translation>Motorleistung des Spielers in BHP</translation>
    </message>
    <message>
        <source>Raise every team's engine power by the step</source>
        <translation>Motorleistung jedes Teams um die Schrittweite erhöhen</translation>
    </message>
    <message>
        <source>Lower every team's engine power by the step</source>
        <translation>Motorleistung jedes Teams um die Schrittweite senken</translation>
    </message>
    <message>
        <source>Step for every team's engine power in BHP</source>
        <translation>Schrittweite für die Motorleistung jedes Teams in BHP</translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Ausfallrate</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Wert </translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation>Ausfallraten</translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Gewählte Werte ändern</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>um</translation>
    </message>
    <message>
        <source> car failure</source>
        <translation> – Ausfallrate</translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation>Ausfallwert</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Alle +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Alle -</translation>
    </message>
    <message>
        <source>Raise every team's failure value by the step</source>
        <translation>Ausfallrate jedes Teams um die Schrittweite erhöhen</translation>
    </message>
    <message>
        <source>Lower every team's failure value by the step</source>
        <translation>Ausfallrate jedes Teams um die Schrittweite senken</translation>
    </message>
    <message>
        <source>Step for every team's failure value</source>
        <translation>Schrittweite für die Ausfallrate jedes Teams</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Grip der Computerwagen</translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Werte wählen</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifikation</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Übrige Sitzungen</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Zufallsbereich des Grips</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Erste Fahrer</translation>
    </message>
    <message>
        <source>First drivers' grip</source>
        <translation>Grip der ersten Fahrer</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Zweite Fahrer</translation>
    </message>
    <message>
        <source>Second drivers' grip</source>
        <translation>Grip der zweiten Fahrer</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1. Fahrer </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> GRIP </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2. Fahrer </translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Gewählte Grip-Werte ändern</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Grip</translation>
    </message>
    <message>
        <source>Raise every car's grip by the step</source>
        <translation>Grip jedes Wagens um die Schrittweite erhöhen</translation>
    </message>
    <message>
        <source>Lower every car's grip by the step</source>
        <translation>Grip jedes Wagens um die Schrittweite senken</translation>
    </message>
    <message>
        <source>Step for every car's grip</source>
        <translation>Schrittweite für den Grip jedes Wagens</translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Helme</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Fahrer </translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation>Ziehen Sie einen Helm auf einen anderen, um beide zu tauschen, oder drücken Sie die Leertaste bei einem Fahrer und dann bei einem anderen.</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm aus Bitmap laden</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Alle Helme als Bitmap speichern</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Alle Helme aus Bitmap laden</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Helmet sheet</source>
        <translation>Helmtafel</translation>
    </message>
    <message>
        <source>Selected helmet</source>
        <translation>Gewählter Helm</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Strg + Mausrad, Strg++ oder Strg+- vergrößert das Bild</translation>
    </message>
    <message>
        <source>Picked: Space on another driver swaps the two helmets, Escape puts it down</source>
        <translation>Aufgenommen: Leertaste bei einem anderen Fahrer tauscht die beiden Helme, Esc legt ihn ab</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Daten importieren/exportieren</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Namen und Nummern</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitfarben</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Alle Daten importieren</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Alle Daten exportieren</translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation>Datei KVR.EXE</translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation>Datei F1GSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation>Wagen-JAMs</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Wagenlackierungen </translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation> Verfügbare Teams </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Als Bitmap speichern</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Aus dem Spiel importieren</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Ins Spiel exportieren</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>Lackierung</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Strg + Mausrad, Strg++ oder Strg+- vergrößert das Bild</translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Namen + Nummern</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Motorleistung</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Computer-Grip</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Ausfallrate</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Wagen-Tuning</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Frontnasen</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Boxengasse</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Cockpitfarben</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Boxencrew-Farben</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>Wagen-JAMs</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Helme</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Strecken-Editor</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Cockpit-Manager</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Strecken-Manager</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation>KVR: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>Einstellungen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Einstellungen &amp;speichern</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Einstellungen speichern &amp;unter</translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation>&amp;Zuletzt benutzte Einstellungsdateien</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>&amp;Originaleinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation>Änderungen als &amp;Patch speichern...</translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation>Patch &amp;anwenden...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Import/Export</translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation>&amp;Vorschau der Änderungen vor „Alle Daten exportieren“</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor's export</source>
        <translation>Vorschau der Änderungen vor dem Export eines &amp;Editors</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Beschreibung der Einstellungen</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Einstellungen laden</translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation>Originaleinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch anwenden</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Locate the &amp;game again...</source>
        <translation>Spiel &amp;neu suchen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About kvrdesk</source>
        <translation>Ü&amp;ber kvrdesk</translation>
    </message>
    <message>
        <source>&amp;Car set manager...</source>
        <translation>&amp;Wagensatz-Manager...</translation>
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
        <translation>&amp;Mods im Spiel, der zuerst aufgespielte zuerst (ein späterer gewinnt):</translation>
    </message>
    <message>
        <source>Mods on the game</source>
        <translation>Mods im Spiel</translation>
    </message>
    <message>
        <source>&amp;About the mod:</source>
        <translation>Ü&amp;ber den Mod:</translation>
    </message>
    <message>
        <source>About the mod</source>
        <translation>Über den Mod</translation>
    </message>
    <message>
        <source>&amp;Values more than one mod sets:</source>
        <translation>&amp;Werte, die mehr als ein Mod setzt:</translation>
    </message>
    <message>
        <source>Values more than one mod sets</source>
        <translation>Werte, die mehr als ein Mod setzt</translation>
    </message>
    <message>
        <source>&amp;Put on...</source>
        <translation>&amp;Aufspielen...</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>En&amp;tfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Pfeil nach oben</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Pfeil nach unten</translation>
    </message>
    <message>
        <source>%1, by %2</source>
        <translation>%1, von %2</translation>
    </message>
    <message>
        <source>No mods are on.</source>
        <translation>Es sind keine Mods aufgespielt.</translation>
    </message>
    <message>
        <source>%1 sets %2</source>
        <translation>%1 setzt %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 holds</source>
        <translation>%1: %2; %3 gilt</translation>
    </message>
    <message>
        <source>%1 (%2), values it sets: %3</source>
        <translation>%1 (%2), Werte, die er setzt: %3</translation>
    </message>
    <message>
        <source>Put on %1</source>
        <translation>%1 aufspielen</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>%1 nach unten</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Namen und Nummern</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Gewählte </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   Fahrer </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1. </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-Motor </translation>
    </message>
    <message>
        <source> Team data </source>
        <translation> Teamdaten </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Motorname</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Name des 1. Fahrers</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Name des 2. Fahrers</translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation>Startnummer des 1. Fahrers</translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation>Startnummer des 2. Fahrers</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Erster Fahrer – „0“</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>Car %1 takes part</source>
        <translation>Wagen %1 nimmt teil</translation>
    </message>
    <message>
        <source>Team %1 1st driver takes part</source>
        <translation>1. Fahrer von Team %1 nimmt teil</translation>
    </message>
    <message>
        <source>Team %1 2nd driver takes part</source>
        <translation>2. Fahrer von Team %1 nimmt teil</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Frontnasen</translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Teams </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Frontnasen</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>angehoben</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>abgesenkt</translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation>Frontnase</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Farben der Boxencrew</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation>KVR suchen</translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation>Datei kvr.exe auf Ihrer Festplatte suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Einstellungen der Boxengasse</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Boxenreihenfolge </translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation>Ziehen Sie ein Team auf ein anderes, um ihre Boxen zu tauschen, oder drücken Sie Alt+Pfeil nach oben bzw. Alt+Pfeil nach unten, um das gewählte Team mit seinem Nachbarn zu tauschen.</translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>Boxeneinfahrt</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>Boxenausfahrt</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Tempo in der Boxengasse </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Max. erlaubtes Tempo in der Boxengasse</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Tempo in der Boxengasse prüfen</translation>
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
        <translation>Boxenreihenfolge</translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation>Tempo in der Boxengasse</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in km/h</source>
        <translation>Max. erlaubtes Tempo in der Boxengasse in km/h</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in mph</source>
        <translation>Max. erlaubtes Tempo in der Boxengasse in mph</translation>
    </message>
</context>
<context>
    <name>kvrgui::TShortcutsForm</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Was sie tun</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Moves to the next field, as Tab does (in the main window and the editor windows)</source>
        <translation>Geht zum nächsten Feld, wie Tab (im Hauptfenster und in den Editorfenstern)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Closes an editor window, keeping its changes, as "Back" does</source>
        <translation>Schließt ein Editorfenster und behält seine Änderungen, wie „Zurück“</translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation>Alt+unterstrichener Buchstabe</translation>
    </message>
    <message>
        <source>Opens that menu, or presses that button</source>
        <translation>Öffnet dieses Menü oder drückt diese Schaltfläche</translation>
    </message>
    <message>
        <source>Pit line: exchanges the selected team with the one above or below</source>
        <translation>Boxengasse: tauscht das gewählte Team mit dem darüber oder darunter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver's helmet; on another driver, swaps the two</source>
        <translation>Helme: nimmt den Helm des gewählten Fahrers auf; bei einem anderen Fahrer tauscht sie die beiden</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Helme: legt einen aufgenommenen Helm wieder ab</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Daten werden geladen...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation>Frontflügel</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Heckflügel</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>Track editor</source>
        <translation>Strecken-Editor</translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation> Grand Prix </translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Abstimmung der Computerwagen </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>GETRIEBE</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Weitere streckenspezifische Werte </translation>
    </message>
    <message>
        <source>Tyre - "%1"</source>
        <translation>Reifen – „%1“</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Benzinverbrauch</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Reifenverschleiß</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Reifentyp</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Strecke %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 gear</source>
        <translation>%1 Gang</translation>
    </message>
</context>
<context>
    <name>kvrgui::WindowFrame</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
</TS>
