<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Fout bij bestandstoegang! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 is te kort voor een controlesom</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>De andere bestanden van deze wijziging staan al op hun plaats; de volgende wijziging van het spel zet de rest erin.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 is geen bestand</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>Kan de laatste wijziging van het spel niet voltooien (%1): %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>Kan niet naar het spel in %1 schrijven: het staat op een alleen-lezen schijf.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game's new files can be written.</source>
        <translation>Kan niet naar het spel in %1 schrijven: u mag in die map geen bestanden aanmaken (%2), dus kunnen noch de vergrendeling noch de nieuwe bestanden van het spel worden geschreven.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user's editor may be writing to the game.</source>
        <translation>Kan niet naar het spel in %1 schrijven: het vergrendelbestand %2 kan niet worden geopend (%3); misschien schrijft de editor van een andere gebruiker naar het spel.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>Kan niet naar het spel in %1 schrijven: het vergrendelbestand %2 kan niet worden aangemaakt: %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>Kan niet naar het spel in %1 schrijven: het vergrendelbestand %2 is %3, geen gewoon bestand; verwijder het en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Een ander programma schrijft naar het spel in %1; probeer het opnieuw als het klaar is.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1: kan geen bestand aanmaken in de spelmap: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1: %2 op positie %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1: positie %2 + %3 ligt voorbij het einde (%4 bytes)</translation>
    </message>
    <message>
        <source>seek beyond the end (%1)</source>
        <translation>zoeken voorbij het einde (%1)</translation>
    </message>
    <message>
        <source>skip beyond the end</source>
        <translation>overslaan voorbij het einde</translation>
    </message>
    <message>
        <source>read beyond the end</source>
        <translation>lezen voorbij het einde</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>niet leesbaar</translation>
    </message>
    <message>
        <source>write beyond the end</source>
        <translation>schrijven voorbij het einde</translation>
    </message>
    <message>
        <source>too short for a checksum</source>
        <translation>te kort voor een controlesom</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan niet schrijven: %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>kan geen bestand aanmaken in de map: %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>kan niet naar schijf wegschrijven: %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>kan het nieuwe bestand niet op zijn plaats zetten: %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>kan geen kopie van %1 bewaren: %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it.</source>
        <translation>Kan de laatste wijziging van het spel niet voltooien: %1 %2. Controleer de bestanden van het spel en verwijder het daarna.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>is geen notitie van dit programma</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>is beschadigd</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>noemt een bestand dat niet van haar is: %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>is afgekapt</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1: de bandentabel ligt voorbij het einde</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1: de bandentabel loopt voorbij het einde</translation>
    </message>
    <message>
        <source>the setup values run into the checksum or past the end</source>
        <translation>de afstelwaarden lopen in de controlesom of voorbij het einde</translation>
    </message>
    <message>
        <source>the setup values overlap the setup position word</source>
        <translation>de afstelwaarden overlappen het positiewoord van de afstelling</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged: it must hold whole records of %2 bytes.</source>
        <translation>De patchlijst %1 is beschadigd: ze moet hele records van %2 bytes bevatten.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>De patchlijst is leeg.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1: patchpositie %2 ligt vóór het begin</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>De circuitgegevens zijn niet gelezen, dus niets schrijft circuitwaarden naar het spel. De circuiteditor opent zodra elk circuitbestand kan worden gelezen.</translation>
    </message>
    <message>
        <source>%1 is not the game's executable: %2</source>
        <translation>%1 is niet het programma van het spel: %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) Fout bij bestandstoegang! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) Fout bij bestandstoegang! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) Fout bij bestandstoegang! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) Fout bij bestandstoegang! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>noemt een bestand buiten de spelmap: %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>noemt een bestand dat geen wijziging van het spel schrijft: %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>noemt een bestand via een koppeling buiten de spelmap: %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>noemt een koppeling, geen bestand: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game's own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 kan niet samen met andere bestanden van het spel worden vervangen: bestanden die samen veranderen moeten die van het spel zelf zijn, in %2 (is het een koppeling naar elders?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>Het spel in %1 wordt niet gelezen: de laatste wijziging van zijn bestanden is afgebroken (%2 staat er) en kan nu niet worden voltooid, dus de bestanden kunnen deels oud, deels nieuw zijn. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>Het spel in %1 wordt niet gelezen, omdat zijn bestanden deels oud, deels nieuw kunnen zijn. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game's language versions. The editor takes the game for the English version and reads and writes its values at the English version's positions.</source>
        <translation>De versiebyte van %1 (op positie %2) is %3 en duidt geen van de taalversies van het spel aan. De editor houdt het spel voor de Engelse versie en leest en schrijft de waarden op de posities van de Engelse versie.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game's code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>Willekeurig motorvermogen kon niet worden ingeschakeld: de code van het spel op die plek is gewijzigd. Zet KVR.EXE terug vanuit KVR.EXE.orig en exporteer opnieuw.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Niets te wijzigen: het spel bevat deze waarden al.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Deze waarden worden in het spel gewijzigd:</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>De circuitbestanden ontbreken in de map CIRCUITS van het spel: deze export mislukt met de fout over de circuitbestanden en wijzigt niets.</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>De circuitbestanden ontbreken in de map CIRCUITS van het spel, dus de circuitgegevens kunnen niet worden vergeleken. Na de overige waarden vraagt de export om de circuitbestanden van de spel-cd te installeren; zonder die bestanden stopt hij vóór de circuitgegevens.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Verder verandert er niets: het spel bevat de overige waarden al.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>Alle gegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Alle gegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>Circuitgegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Gegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>Circuitgegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Gegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>veld %1: %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>tekst verwacht</translation>
    </message>
    <message>
        <source>"%1" is not a character of the game's code page (Windows-1252)</source>
        <translation>"%1" is geen teken van de codetabel van het spel (Windows-1252)</translation>
    </message>
    <message>
        <source>%1 characters, the field holds at most %2</source>
        <translation>%1 tekens, het veld bevat er hoogstens %2</translation>
    </message>
    <message>
        <source>expected a whole number from 0 to %1</source>
        <translation>geheel getal van 0 tot %1 verwacht</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true of false verwacht</translation>
    </message>
    <message>
        <source>field %1: no such field</source>
        <translation>veld %1: dit veld bestaat niet</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>geen JSON: %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with "kvpatch" and "changes"</source>
        <translation>geen patch: object met "kvpatch" en "changes" verwacht</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>patchformaat %1: deze editor leest formaat %2</translation>
    </message>
    <message>
        <source>"changes": expected an array</source>
        <translation>"changes": array verwacht</translation>
    </message>
    <message>
        <source>change %1: expected an object with "field", "from" and "to"</source>
        <translation>wijziging %1: object met "field", "from" en "to" verwacht</translation>
    </message>
    <message>
        <source>change %1: "field" must be a name</source>
        <translation>wijziging %1: "field" moet een naam zijn</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>veld %1: twee keer genoemd in de patch</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Niets te wijzigen: de instellingen bevatten deze waarden al.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Deze waarden veranderen:</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Deze waarden veranderen. De gemarkeerde bevat iets anders dan de waarde die de patch verwacht te vervangen; ze verandert toch:</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Deze waarden veranderen. De %1 gemarkeerde bevatten iets anders dan de waarden die de patch verwacht te vervangen; ze veranderen toch:</translation>
    </message>
    <message>
        <source>key "%1" is given twice</source>
        <translation>sleutel "%1" is twee keer opgegeven</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1: dieper genest dan %2 niveaus</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>hextekst van oneven lengte</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>geen hex: %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>array van %1 elementen verwacht</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>dit element bestaat niet: de array bevat er %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>object verwacht</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>dit veld bestaat niet</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>veld %1 ontbreekt</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>byte %1 wordt al door %2 opgegeven</translation>
    </message>
    <message>
        <source>expected hex text</source>
        <translation>hextekst verwacht</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>JSON-object verwacht</translation>
    </message>
    <message>
        <source>no such field: the unused bytes are at 0x000, 0x74B and 0xB12</source>
        <translation>dit veld bestaat niet: de ongebruikte bytes staan op 0x000, 0x74B en 0xB12</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>%1 bytes verwacht</translation>
    </message>
    <message>
        <source>bad offset, expected a place from 0x000 to %1</source>
        <translation>ongeldige plaats, plaats van 0x000 tot %1 verwacht</translation>
    </message>
    <message>
        <source>%1 bytes run past the end of the record (its last byte is %2)</source>
        <translation>%1 bytes lopen voorbij het einde van het record (de laatste byte is %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>veld %1: wijzigt byte %2, die %3 ook wijzigt</translation>
    </message>
    <message>
        <source>"%1": expected text</source>
        <translation>"%1": tekst verwacht</translation>
    </message>
    <message>
        <source>"%1": %2 characters, it may hold at most %3</source>
        <translation>"%1": %2 tekens, ten hoogste %3</translation>
    </message>
    <message>
        <source>"%1": holds the control character %2</source>
        <translation>"%1": bevat het stuurteken %2</translation>
    </message>
    <message>
        <source>unknown key "%1": a patch holds only "kvpatch", "title", "author", "description", "made_with" and "changes"</source>
        <translation>onbekende sleutel "%1": een patch bevat alleen "kvpatch", "title", "author", "description", "made_with" en "changes"</translation>
    </message>
    <message>
        <source>%1 (the patch expects %2)</source>
        <translation>%1 (de patch verwacht %2)</translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation>Zoek het bestand kvr.exe op je KVR-cd</translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation>KVR.EXE op je KVR-cd</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Je hebt de circuitbestanden niet op je harde schijf geïnstalleerd. Je hebt ze nodig om met de circuiteditor te werken. Wil je ze nu installeren?</translation>
    </message>
    <message>
        <source>Put "Kavorra" CD into CD drive, and hit "OK" when you are ready!</source>
        <translation>Plaats de cd van "Kavorra" in het cd-station en klik op "OK" als je klaar bent!</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Kan circuitbestand niet kopiëren!</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>De circuitbestanden zijn niet geïnstalleerd.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Autosetbeheer</translation>
    </message>
    <message>
        <source>Install '97 car set (only paintings now)</source>
        <translation>Autoset '97 installeren (nu alleen beschilderingen)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nieuwe autoset geïnstalleerd!</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Kan autosetbestanden niet kopiëren!</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Cockpitbeheer</translation>
    </message>
    <message>
        <source>'97 cockpits</source>
        <translation>Cockpits '97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installeren!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nieuwe cockpit geïnstalleerd!</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Kan cockpitbestand niet kopiëren!</translation>
    </message>
    <message>
        <source>Not enough free space on the game's drive!</source>
        <translation>Niet genoeg vrije ruimte op de schijf van het spel!</translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation>Circuitbeheer</translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation>Circuitpakket installeren</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Originele circuits installeren</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>Circuits geïnstalleerd!</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Originele circuits geïnstalleerd!</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>Kan circuitgegevensbestand niet lezen!</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Kan de map %1 niet aanmaken</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Ontbreekt in %1:</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>Niet gekopieerd naar %1:</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1: het bestand kan niet worden gelezen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no cockpit set "%1".</source>
        <translation>Er is geen cockpitset "%1".</translation>
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
        <translation>het is %1 lang; de kop van een PCX-afbeelding alleen neemt 128 in</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>het is geen PCX-afbeelding (het begint niet met de byte 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>het is een PCX-afbeelding van %1 bits in %2 vlakken; de cockpit heeft 256 kleuren nodig (8 bits, 1 vlak)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game's cockpit pictures are</source>
        <translation>de rijen zijn niet run-length-gecodeerd, zoals de cockpitafbeeldingen van het spel</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>het is een afbeelding van %1 pixels; deze cockpitafbeelding moet %2 zijn</translation>
    </message>
    <message>
        <source>its header gives rows of %1 for a width of %2</source>
        <translation>de kop geeft rijen van %1 voor een breedte van %2</translation>
    </message>
    <message>
        <source>the 256-colour palette at its end is missing</source>
        <translation>het palet van 256 kleuren aan het einde ontbreekt</translation>
    </message>
    <message>
        <source>its pixel data ends after %1 of its %2 rows</source>
        <translation>de pixelgegevens eindigen na %1 van de %2 rijen</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>het is geen textuur die de converter kan lezen: %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>het is een textuur van %1 pixels, maar %2 is %3; een vervanging moet even groot zijn</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>het is %1 lang; het blok is precies %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1: %2 bytes, maar het blok heeft ruimte voor %3</translation>
    </message>
    <message>
        <source>one byte, 0 to 255</source>
        <translation>één byte, 0 tot 255</translation>
    </message>
    <message>
        <source>16 bits, 0 to 65535</source>
        <translation>16 bits, 0 tot 65535</translation>
    </message>
    <message>
        <source>the file ends after line %1; %2 lines are needed</source>
        <translation>het bestand eindigt na regel %1; er zijn %2 regels nodig</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>de regel is te kort voor %1</translation>
    </message>
    <message>
        <source>the number "%1" runs past %2</source>
        <translation>het getal "%1" loopt buiten %2</translation>
    </message>
    <message>
        <source>%1 is not a number: "%2"</source>
        <translation>%1 is geen getal: "%2"</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 bevat %2, maar wordt geschreven als %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, regel %2: %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>veld %1 (kolommen %2 tot en met %3)</translation>
    </message>
    <message>
        <source>column %1 holds "%2", but this line has only %3 field(s)</source>
        <translation>kolom %1 bevat "%2", maar deze regel heeft maar %3 veld(en)</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: ontbreekt</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1: het bestand is leeg</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>de editor sluit</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>De instellingen bevatten wijzigingen die in geen enkel instellingenbestand staan.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>Het helmenblad bevat wijzigingen die niet naar het spel zijn geëxporteerd.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>De beschildering voor %1 bevat wijzigingen die niet naar het spel zijn geëxporteerd.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Ze gaan verloren als %1, tenzij je op Annuleren klikt en ze eerst in hun vensters exporteert.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Weggooien</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>De instellingen opslaan voordat %1?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Afbeeldingen blijven alleen bewaard als je ze in hun vensters exporteert: Annuleren om terug te gaan.)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Instellingen opslaan</translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Wijzigingen opslaan als patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch toepassen</translation>
    </message>
    <message>
        <source>Patches</source>
        <translation>Patches</translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation>Sla de waarden op waarin de instellingen verschillen van:</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>Het spel zoals het nu is</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>De originele instellingen (ORIGIN.SET)</translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation>Een instellingenbestand...</translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation>Vergelijken met instellingen</translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation>Toch hiermee vergelijken?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>De instellingen bevatten dezelfde waarden: er is geen wijziging om op te slaan.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>De patch wijzigt circuitgegevens die nog niet uit het spel zijn gelezen. Open eenmaal de Circuiteditor en pas de patch daarna opnieuw toe; er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation>Er staat geen KVR.EXE in %1</translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; "Import from game" in the helmets window reads it again.</source>
        <translation>De editor start zonder het helmenblad; "Importeren uit spel" in het helmenvenster leest het opnieuw in.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>een ander spel wordt geopend</translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation>Zoek het bestand kvr.exe</translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation>KVR-hoofdprogramma</translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game's %2. Choose another file.</source>
        <translation>%1 wordt niet geschreven: het is het bestand %2 van het spel. Kies een ander bestand.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>Kan de patch %1 niet schrijven: %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>De patch %1 kan niet worden toegepast; er is niets gewijzigd. %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <translation>Kan het bestand "%1" niet openen</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>Het pad van het spel is langer dan 255 tekens: %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>Het configuratiebestand %1 is beschadigd (korter dan %2 bytes). Zoek het spel opnieuw; het bestand wordt opnieuw geschreven als de editor sluit.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>Kan %1 niet lezen: het is %2, geen gewoon bestand</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>Kan %1 niet lezen: het is groter dan %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>'%1' is geen geldig getal.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>De hoek %1 is te groot.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>een ander instellingenbestand wordt geladen</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>Er bestaat geen bestand of map %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens a game folder or its KVR.EXE, settings files (*.KVS) and patches (*.kvpatch), not %1.</source>
        <translation>kvrdesk opent een spelmap of de KVR.EXE daarin, instellingenbestanden (*.KVS) en patches (*.kvpatch), niet %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens one game at a time, not both %1 and %2.</source>
        <translation>kvrdesk opent één spel tegelijk, niet zowel %1 als %2.</translation>
    </message>
    <message>
        <source>The editor's configuration %1 could not be written: %2. The next start does not remember this run's game and choices.</source>
        <translation>De configuratie van de editor %1 kon niet worden geschreven: %2. Bij de volgende start zijn het spel en de keuzes van deze sessie niet bekend.</translation>
    </message>
    <message>
        <source>What the patch is, for those you share it with (all may stay empty):</source>
        <translation>Wat de patch is, voor wie u hem deelt (alles mag leeg blijven):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschrijving:</translation>
    </message>
    <message>
        <source>&amp;Exact copy, every byte (also the settings description and bytes no window shows)</source>
        <translation>&amp;Exacte kopie, elke byte (ook de instellingenbeschrijving en bytes die geen venster toont)</translation>
    </message>
    <message>
        <source>The settings differ only in the description and bytes no window shows. Tick "Exact copy, every byte" to save those.</source>
        <translation>De instellingen verschillen alleen in de beschrijving en in bytes die geen venster toont. Vink "Exacte kopie, elke byte" aan om die op te slaan.</translation>
    </message>
    <message>
        <source>Put on mod</source>
        <translation>Mod aanbrengen</translation>
    </message>
    <message>
        <source>The patch %1 cannot be put on; nothing was changed. %2</source>
        <translation>De patch %1 kan niet worden aangebracht; er is niets gewijzigd. %2</translation>
    </message>
    <message>
        <source>Put on</source>
        <translation>Aanbrengen</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
</context>
<context>
    <name>Mods</name>
    <message>
        <source>The mod list %1 cannot be read; nothing was changed. %2</source>
        <translation>De modlijst %1 kan niet worden gelezen; er is niets gewijzigd. %2</translation>
    </message>
    <message>
        <source>Cannot keep the mod list in %1: it is not a folder of its own (remove it, then try again).</source>
        <translation>De modlijst kan niet in %1 worden bewaard: het is geen eigen map (verwijder het en probeer het opnieuw).</translation>
    </message>
    <message>
        <source>kept: %1 holds %2, not %3 as the mods set it</source>
        <translation>behouden: %1 bevat %2, niet %3 zoals de mods het zetten</translation>
    </message>
    <message>
        <source>not a mod list of this program: %1</source>
        <translation>geen modlijst van dit programma: %1</translation>
    </message>
    <message>
        <source>There is no mod %1: the list holds %2.</source>
        <translation>Er is geen mod %1: de lijst bevat er %2.</translation>
    </message>
    <message>
        <source>expected "kvrdesk_mods": 1, "mods" and "before"</source>
        <translation>verwacht: "kvrdesk_mods": 1, "mods" en "before"</translation>
    </message>
    <message>
        <source>mod %1: expected "file" and "patch"</source>
        <translation>mod %1: "file" en "patch" verwacht</translation>
    </message>
    <message>
        <source>mod %1: %2</source>
        <translation>mod %1: %2</translation>
    </message>
    <message>
        <source>before %1: expected a place and a byte</source>
        <translation>before %1: een plaats en een byte verwacht</translation>
    </message>
    <message>
        <source>the values before the mods do not match the values they set</source>
        <translation>de waarden van vóór de mods passen niet bij de waarden die ze zetten</translation>
    </message>
    <message>
        <source>A mod named "%1" is on the list already (place %2).</source>
        <translation>Een mod met de naam "%1" staat al op de lijst (plaats %2).</translation>
    </message>
    <message>
        <source>left out: %1: %2, which the game holds no place for</source>
        <translation>weggelaten: %1: %2, waarvoor het spel geen plaats heeft</translation>
    </message>
    <message>
        <source>%1: %2 (%3) was %4, the mod expects %5; changed all the same</source>
        <translation>%1: %2 (%3) was %4, de mod verwacht %5; toch gewijzigd</translation>
    </message>
    <message>
        <source>Places on the list are counted from 1.</source>
        <translation>De plaatsen op de lijst tellen vanaf 1.</translation>
    </message>
    <message>
        <source>No mod named "%1" is on the list.</source>
        <translation>Er staat geen mod met de naam "%1" op de lijst.</translation>
    </message>
    <message>
        <source>%1 mods are named "%2"; give the place instead.</source>
        <translation>%1 mods heten "%2"; geef in plaats daarvan de plaats op.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Detail: (niets)</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm laden uit bitmap</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm opslaan als bitmap</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>BMP-bestanden</translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation>Er is geen helm gekozen.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>Gegevens zijn geëxporteerd!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>Gegevens zijn geïmporteerd!</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use "Import from game" to read it from the game.</source>
        <translation>Het helmenblad is niet beschikbaar. Gebruik "Importeren uit spel" om het uit het spel te lezen.</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Bitmapbestand opslaan</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Bitmapbestand laden</translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>Bitmap is geïmporteerd!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>Bitmap is geëxporteerd!</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmapafbeelding is ongeldig</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(geen)</translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation>Cockpit</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Spiegels</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Voorvleugel</translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation>Detail: paletindex %1</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Detail: %1</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2</source>
        <translation>"%1" kan niet worden geladen: %2</translation>
    </message>
    <message>
        <source>"%1" cannot be used. %2</source>
        <translation>"%1" kan niet worden gebruikt. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>%1 kan niet worden gebruikt. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>Kan de bitmap niet opslaan: %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Voeten</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Benen/Pitmonitor</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Smalle streep</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Linkerborst/Bord</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Rechterborst</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Epauletten/Krik</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Linkerbovenarm</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Linkeronderarm</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Rechterbovenarm</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Rechteronderarm</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Handen</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Hoofd</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Teamlogo</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Kan %1 niet schrijven</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>het bevat geen kleuren</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>Het spelpalet %1 kan niet worden geopend: %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>Het spelpalet %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>Het spelpalet %1 is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures' own colours.</source>
        <translation>%1. De kleureneditors markeren kleuren met de eigen kleuren van hun afbeeldingen.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>De converter %1 heeft een blad gemaakt dat niet kan worden gebruikt. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>%1 kan niet worden gebruikt. De textuur %2 is %3 pixels, en zo groot moet de beschildering ook zijn; deze bitmap is %4.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>het bestand eindigt binnen de koppen</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>4-bits run-length-compressie wordt niet ondersteund</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>compressietype %1 wordt niet ondersteund</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>het bestand is leeg</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with "BM")</source>
        <translation>het is geen bitmapbestand (het begint niet met "BM")</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>de hoogte valt buiten het bereik</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 bits per pixel is geen bitmapdiepte (1, 4, 8, 16, 24 of 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>de kleurentabel noemt %1 kleuren; er worden er hoogstens 256 gelezen</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>het bestand eindigt binnen de kleurentabel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>Kan de bitmap niet schrijven: %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>het is een %1-bits bitmap; de afbeelding heeft 8 bits per pixel nodig</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>het heeft %1 kleurvlakken; bitmaps hebben er 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>een afbeelding van %1 x %2 pixels kan niet worden getoond</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>Bitmapafbeelding is ongeldig</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>De converter %1 heeft %2 omgezet in %3, maar de editor kan dat bestand niet laden als 8-bits bitmap: %4</translation>
    </message>
    <message>
        <source>Cannot make the editor's TEMP folder %1: %2.</source>
        <translation>Kan de TEMP-map van de editor %1 niet aanmaken: %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>Kan het oude uitwisselbestand %1 niet verwijderen: %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>De converter %1 kon %2 niet omzetten in %3: hij kan niet worden gestart (%4). Installeer kvrjam naast kvrdesk, of noem een converter in %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>De converter %1 kon %2 niet omzetten in %3: hij was na %4 niet klaar en is gestopt.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>De converter %1 kon %2 niet omzetten in %3: hij is beëindigd door signaal %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>De converter %1 kon %2 niet omzetten in %3: hij eindigde met afsluitcode %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>De converter %1 kon %2 niet omzetten in %3: hij eindigde zonder het bestand te schrijven.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>Kan het uitwisselbestand niet schrijven: %1</translation>
    </message>
    <message>
        <source>8-bit run-length compression in a %1-bit bitmap</source>
        <translation>8-bits run-length-compressie in een %1-bits bitmap</translation>
    </message>
    <message>
        <source>colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)</source>
        <translation>kleurbitvelden in een %1-bits bitmap (alleen 16 en 32 bits hebben die)</translation>
    </message>
    <message>
        <source>its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read</source>
        <translation>de kop is %1 bytes lang; bitmaps met een kop van 40 of 12 bytes worden gelezen</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>de breedte is negatief (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 pixels is meer dan een afbeelding mag hebben (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>de pixelrijen zijn afgekapt: %1 pixels hebben %2 bytes nodig vanaf byte %3, het bestand bevat er %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>Een afbeelding van %1 x %2 pixels kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Een lege afbeelding kan niet worden geschaald</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>De afbeelding bevat geen pixels</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>ze heeft %1 x %2 pixels, meer dan de %3 pixels die worden gelezen</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>het is geen afbeelding in een indeling die dit programma leest</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>ze kan niet als afbeelding worden gelezen: %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>De afbeelding %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>De afbeelding %1 is niet bruikbaar: %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>De PNG-afbeelding kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Swap helmets</source>
        <translation>Helmen verwisselen</translation>
    </message>
    <message>
        <source>Load helmet</source>
        <translation>Helm laden</translation>
    </message>
    <message>
        <source>Load all helmets</source>
        <translation>Alle helmen laden</translation>
    </message>
    <message>
        <source>Import helmets from game</source>
        <translation>Helmen importeren uit spel</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Import painting from game</source>
        <translation>Beschildering importeren uit spel</translation>
    </message>
    <message>
        <source>its colour bit fields (red %1, green %2, blue %3) are not three separate runs of bits within a pixel</source>
        <translation>de kleurbitvelden (rood %1, groen %2, blauw %3) zijn geen drie gescheiden reeksen bits binnen een pixel</translation>
    </message>
    <message>
        <source>the file ends inside its colour bit fields</source>
        <translation>het bestand eindigt in de kleurbitvelden</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels; it must have %3 x %4.</source>
        <translation>De afbeelding heeft %1 x %2 pixels; ze moet %3 x %4 hebben.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>PNG-afbeeldingen</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels, the texture %3 x %4: tick "Scale to %3 x %4" to scale it to the texture's size.</source>
        <translation>De afbeelding heeft %1 x %2 pixels, de textuur %3 x %4: vink „Schalen naar %3 x %4” aan om haar op de maat van de textuur te brengen.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>PNG-afbeelding</translation>
    </message>
    <message>
        <source>The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Het helmenblad moet een 8-bits bitmap (256 kleuren) van %1 x %2 pixels zijn; dit is %3.</translation>
    </message>
    <message>
        <source>A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Een helm moet een 8-bits bitmap (256 kleuren) van %1 x %2 pixels zijn; dit is %3.</translation>
    </message>
    <message>
        <source>an empty file</source>
        <translation>een leeg bestand</translation>
    </message>
    <message>
        <source>an %1-bit bitmap of %2 x %3 pixels</source>
        <translation>een %1-bits bitmap van %2 x %3 pixels</translation>
    </message>
    <message>
        <source>a %1-bit bitmap of %2 x %3 pixels</source>
        <translation>een %1-bits bitmap van %2 x %3 pixels</translation>
    </message>
    <message>
        <source>The converter cannot put it into the game: %1.</source>
        <translation>De converter kan haar niet in het spel zetten: %1.</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)</source>
        <translation>het is een %1-bits bitmap; texturen zijn 8-bits bitmaps (256 kleuren)</translation>
    </message>
    <message>
        <source>the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way</source>
        <translation>de bitmap is %1 x %2 pixels; een textuur heeft er 1 tot 4096 in elke richting</translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation>Alle instellingenbestanden</translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation>Kan het instellingenbestand %1 niet openen</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Instellingen opslaan</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Instellingen laden</translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation>De bestandsnaam is langer dan 255 tekens: %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>Kan het instellingenbestand %1 niet schrijven</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>Toch laden?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Kan %1 niet openen.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>De originele instellingen kunnen niet worden hersteld; er is niets gewijzigd. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>Geen instellingenbestand: %1 bevat %2 bytes, een instellingenbestand bevat er %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes would be read, and if it is some other file they make no sense as settings.</source>
        <translation>%1 bevat %2 bytes, een instellingenbestand precies %3: alleen de eerste %3 bytes zouden worden gelezen, en als het een ander bestand is, hebben ze als instellingen geen betekenis.</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 cockpit colour</source>
        <translation>%1, cockpitkleur</translation>
    </message>
    <message>
        <source>%1 mirrors colour</source>
        <translation>%1, spiegelkleur</translation>
    </message>
    <message>
        <source>%1 front wing colour</source>
        <translation>%1, voorvleugelkleur</translation>
    </message>
    <message>
        <source>X distance</source>
        <translation>X-afstand</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hoogte</translation>
    </message>
    <message>
        <source>Y distance</source>
        <translation>Y-afstand</translation>
    </message>
    <message>
        <source>X angle</source>
        <translation>X-hoek</translation>
    </message>
    <message>
        <source>Z angle</source>
        <translation>Z-hoek</translation>
    </message>
    <message>
        <source>Y angle</source>
        <translation>Y-hoek</translation>
    </message>
    <message>
        <source>tuning value 1</source>
        <translation>afstelwaarde 1</translation>
    </message>
    <message>
        <source>tuning value 2</source>
        <translation>afstelwaarde 2</translation>
    </message>
    <message>
        <source>%1 front wing</source>
        <translation>%1, voorvleugel</translation>
    </message>
    <message>
        <source>%1 rear wing</source>
        <translation>%1, achtervleugel</translation>
    </message>
    <message>
        <source>%1 1st gear</source>
        <translation>%1, 1e versnelling</translation>
    </message>
    <message>
        <source>%1 2nd gear</source>
        <translation>%1, 2e versnelling</translation>
    </message>
    <message>
        <source>%1 3rd gear</source>
        <translation>%1, 3e versnelling</translation>
    </message>
    <message>
        <source>%1 4th gear</source>
        <translation>%1, 4e versnelling</translation>
    </message>
    <message>
        <source>%1 5th gear</source>
        <translation>%1, 5e versnelling</translation>
    </message>
    <message>
        <source>%1 6th gear</source>
        <translation>%1, 6e versnelling</translation>
    </message>
    <message>
        <source>%1 tyre type</source>
        <translation>%1, bandtype</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>pk</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Team %1 engine</source>
        <translation>Motor van team %1</translation>
    </message>
    <message>
        <source>Car %1</source>
        <translation>Auto %1</translation>
    </message>
    <message>
        <source>Driver slot %1</source>
        <translation>Coureursplaats %1</translation>
    </message>
    <message>
        <source>Team %1 1st driver</source>
        <translation>1e coureur van team %1</translation>
    </message>
    <message>
        <source>Team %1 2nd driver</source>
        <translation>2e coureur van team %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuit %1</translation>
    </message>
    <message>
        <source>Driver of car %1</source>
        <translation>Coureur van auto %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, naam</translation>
    </message>
    <message>
        <source>%1 engine name</source>
        <translation>%1, motornaam</translation>
    </message>
    <message>
        <source>%1's car number</source>
        <translation>%1, startnummer</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1, gekozen</translation>
    </message>
    <message>
        <source>%1, qualifying</source>
        <translation>%1, kwalificatie</translation>
    </message>
    <message>
        <source>%1, other sessions</source>
        <translation>%1, overige sessies</translation>
    </message>
    <message>
        <source>Human driver engine, qualifying</source>
        <translation>Motor van de speler, kwalificatie</translation>
    </message>
    <message>
        <source>Human driver engine, other sessions</source>
        <translation>Motor van de speler, overige sessies</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Willekeurig motorvermogen</translation>
    </message>
    <message>
        <source>%1 grip, qualifying</source>
        <translation>%1, grip in de kwalificatie</translation>
    </message>
    <message>
        <source>%1 grip, other sessions</source>
        <translation>%1, grip in de overige sessies</translation>
    </message>
    <message>
        <source>%1 random grip range</source>
        <translation>%1, willekeurig gripbereik</translation>
    </message>
    <message>
        <source>%1 car failure</source>
        <translation>%1, defectwaarde</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, ingeschakeld</translation>
    </message>
    <message>
        <source>Team at pit %1</source>
        <translation>Team in pitbox %1</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Snelheid in pitstraat controleren</translation>
    </message>
    <message>
        <source>Pit line speed limit</source>
        <translation>Snelheidslimiet in de pitstraat</translation>
    </message>
    <message>
        <source>%1 pit crew colour %2</source>
        <translation>%1, pitploegkleur %2</translation>
    </message>
    <message>
        <source>Camera %1 %2</source>
        <translation>Camera %1, %2</translation>
    </message>
    <message>
        <source>Camera record %1 %2</source>
        <translation>Camerarecord %1, %2</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Eerste coureur - '0'</translation>
    </message>
    <message>
        <source>Show opponents fuel load</source>
        <translation>Brandstoflading tegenstanders tonen</translation>
    </message>
    <message>
        <source>Player's car performance depends on selected team</source>
        <translation>Prestaties van de spelersauto hangen af van het gekozen team</translation>
    </message>
    <message>
        <source>Split comparison</source>
        <translation>Gescheiden vergelijking</translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Gewicht spelersauto</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Gewicht computerauto</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Brandstoflading bij start training</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>ronden</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load (laps - 1)</source>
        <translation>Brandstoflading bij start kwalificatie (ronden - 1)</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Kleur LED %1</translation>
    </message>
    <message>
        <source>LED %1 threshold (RPM - 6154)</source>
        <translation>Drempel LED %1 (tpm - 6154)</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Instellingenbeschrijving</translation>
    </message>
    <message>
        <source>%1 nose cone raised</source>
        <translation>%1, neus hoog</translation>
    </message>
    <message>
        <source>%1 fuel consumption</source>
        <translation>%1, brandstofverbruik</translation>
    </message>
    <message>
        <source>%1 tyre consumption</source>
        <translation>%1, bandenslijtage</translation>
    </message>
    <message>
        <source>%1 fuel consumption, low byte</source>
        <translation>%1, brandstofverbruik, lage byte</translation>
    </message>
    <message>
        <source>%1 fuel consumption, high byte</source>
        <translation>%1, brandstofverbruik, hoge byte</translation>
    </message>
    <message>
        <source>%1 tyre consumption, low byte</source>
        <translation>%1, bandenslijtage, lage byte</translation>
    </message>
    <message>
        <source>%1 tyre consumption, high byte</source>
        <translation>%1, bandenslijtage, hoge byte</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
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
        <translation>voor Kavorra</translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation>Afbeelding opslaan als PNG...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> - kleur</translation>
    </message>
    <message>
        <source>Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part</source>
        <translation>Pijltoetsen kiezen een kleur, Spatie of Enter geeft die aan het onderdeel, Page Up en Page Down kiezen het onderdeel</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Kleur %1, %2</translation>
    </message>
</context>
<context>
    <name>kvrgui::ConversionWindow</name>
    <message>
        <source>Convert to the game's colours</source>
        <translation>Omzetten naar de kleuren van het spel</translation>
    </message>
    <message>
        <source>As painted</source>
        <translation>Zoals geschilderd</translation>
    </message>
    <message>
        <source>In the game's colours</source>
        <translation>In de kleuren van het spel</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures</source>
        <translation>Ctrl + muiswiel, Ctrl++ of Ctrl+- zoomt beide afbeeldingen</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Dithering</translation>
    </message>
    <message>
        <source>None: each colour its nearest</source>
        <translation>Geen: elke kleur de dichtstbijzijnde</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Foutverspreiding</translation>
    </message>
    <message>
        <source>Strength of the error diffusion</source>
        <translation>Sterkte van de foutverspreiding</translation>
    </message>
    <message>
        <source>Transparent pixels</source>
        <translation>Doorzichtige pixels</translation>
    </message>
    <message>
        <source>Palette colour of transparent pixels</source>
        <translation>Paletkleur van doorzichtige pixels</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Kleur:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Scale to %1 x %2</source>
        <translation>Schalen naar %1 x %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Strength: %1%</source>
        <translation>Sterkte: %1%</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1, the texture's background colour.</source>
        <translation>Doorzichtige pixels krijgen kleur %1, de achtergrondkleur van de textuur.</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1 (the texture's background colour is %2).</source>
        <translation>Doorzichtige pixels krijgen kleur %1 (de achtergrondkleur van de textuur is %2).</translation>
    </message>
    <message>
        <source>%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is invisible, 2 to 3 a near colour).</source>
        <translation>%1 van %2 pixels kregen een andere kleur; gemiddeld verschil %3, grootste %4 (%5 2000: onder 1 onzichtbaar, 2 tot 3 een nabije kleur).</translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation>Gegevens importeren uit spel</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Gegevens exporteren naar spel</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Originele gegevens herstellen</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>Het spel kan “%1” niet weergeven; het kent alleen West-Europese letters en tekens.</translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation>Het spel bewaart hier hoogstens %1 tekens.</translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation>Hoogstens %1 tekens, en alleen tekens die het spel kan weergeven.</translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Values that will change</source>
        <translation>Waarden die veranderen</translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation>- originele instellingen</translation>
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
        <translation>met</translation>
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
        <translation>Kwal=Overig</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Overig=Kwal</translation>
    </message>
</context>
<context>
    <name>kvrgui::TAboutForm</name>
    <message>
        <source>About kvrdesk</source>
        <translation>Over kvrdesk</translation>
    </message>
    <message>
        <source>Editor for the data of the racing game Kavorra.</source>
        <translation>Editor voor de gegevens van het racespel Kavorra.</translation>
    </message>
    <message>
        <source>the licence</source>
        <translation>de licentie</translation>
    </message>
    <message>
        <source>kvrdesk is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (%1). It comes with no warranty.</source>
        <translation>kvrdesk is vrije software: u mag het delen en wijzigen onder de voorwaarden van de GNU General Public License, versie 3 of (naar uw keuze) elke latere versie (%1). Er wordt geen enkele garantie gegeven.</translation>
    </message>
    <message>
        <source>It runs on Qt %1 (built with Qt %2).</source>
        <translation>Het draait op Qt %1 (gebouwd met Qt %2).</translation>
    </message>
    <message>
        <source>Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.</source>
        <translation>Uw configuratie (kvrdesk.set, kvrdesk.ini) staat in %1.</translation>
    </message>
    <message>
        <source>How to use it: the README (README.md) of kvrdesk's sources.</source>
        <translation>Hoe u het gebruikt: de README (README.md) in de broncode van kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Hoe u het gebruikt: %1.</translation>
    </message>
    <message>
        <source>the README</source>
        <translation>de README</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation>Cockpitkleuren</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Auto-afstelling</translation>
    </message>
    <message>
        <source>player's car performance depends on selected team</source>
        <translation>prestaties van de spelersauto hangen af van het gekozen team</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Autogewicht </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Gewicht spelersauto</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Gewicht computerauto</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Gekoppeld</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> Toerental-LED's </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tpm</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation>LED %1 tpm</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(kleuren werken alleen met originele cockpits)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Brandstofinstellingen </translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>brandstoflading tegenstanders tonen</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>ronden</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Brandstoflading bij start training</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation>Brandstoflading bij start kwalificatie</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Autogewicht</translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation>LED-kleur</translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation>LED-drempel</translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation>Brandstoflading</translation>
    </message>
    <message>
        <source>Human player car weight in pounds</source>
        <translation>Gewicht spelersauto in pond</translation>
    </message>
    <message>
        <source>Computer car weight in pounds</source>
        <translation>Gewicht computerauto in pond</translation>
    </message>
    <message>
        <source>Human player car weight in kilograms</source>
        <translation>Gewicht spelersauto in kilogram</translation>
    </message>
    <message>
        <source>Computer car weight in kilograms</source>
        <translation>Gewicht computerauto in kilogram</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Kleur LED %1</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load in laps</source>
        <translation>Brandstoflading bij start kwalificatie in ronden</translation>
    </message>
    <message>
        <source>Initial practice fuel load in laps</source>
        <translation>Brandstoflading bij start training in ronden</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Camera-editor</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Kies autocamera </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Camera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Standaardbeeld </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gr.</translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>X-as</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Afstand tot </translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation> midden van auto </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Hoek </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Y-as</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z-as</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Hoogte </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Beeldafst.</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Waarde 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Waarde 2 </translation>
    </message>
    <message>
        <source>Camera %1 distance, X axis</source>
        <translation>Camera %1 afstand, X-as</translation>
    </message>
    <message>
        <source>Camera %1 height, Z axis</source>
        <translation>Camera %1 hoogte, Z-as</translation>
    </message>
    <message>
        <source>Camera %1 distance, Y axis</source>
        <translation>Camera %1 afstand, Y-as</translation>
    </message>
    <message>
        <source>Camera %1 angle, X axis</source>
        <translation>Camera %1 hoek, X-as</translation>
    </message>
    <message>
        <source>Camera %1 angle, Z axis</source>
        <translation>Camera %1 hoek, Z-as</translation>
    </message>
    <message>
        <source>Camera %1 angle, Y axis</source>
        <translation>Camera %1 hoek, Y-as</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 1</source>
        <translation>Camera %1 beeldafstelling, waarde 1</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 2</source>
        <translation>Camera %1 beeldafstelling, waarde 2</translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Instellingenbeschrijving</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>geen beschrijving</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Instellingen opslaan</translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Motorvermogen</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> pk </translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation>Motorvermogen team %1 in pk</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Motorvermogen team %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Overige sessies</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motor van de speler</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>pk</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Willekeurig motorvermogen</translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation>Motorvermogen speler</translation>
    </message>
    <message>
        <source>Human driver engine power in BHP</source>
        <translation>Motorvermogen van de speler in pk</translation>
    </message>
    <message>
        <source>Raise every team's engine power by the step</source>
        <translation>Motorvermogen van elk team met de stap verhogen</translation>
    </message>
    <message>
        <source>Lower every team's engine power by the step</source>
        <translation>Motorvermogen van elk team met de stap verlagen</translation>
    </message>
    <message>
        <source>Step for every team's engine power in BHP</source>
        <translation>Stap voor het motorvermogen van elk team in pk</translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Autodefecten</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Waarde </translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation>Waarden autodefecten</translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Gekozen gegevens bewerken</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>by</source>
        <translation>met</translation>
    </message>
    <message>
        <source> car failure</source>
        <translation> - autodefecten</translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation>Defectwaarde</translation>
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
        <translation>Defectwaarde van elk team met de stap verhogen</translation>
    </message>
    <message>
        <source>Lower every team's failure value by the step</source>
        <translation>Defectwaarde van elk team met de stap verlagen</translation>
    </message>
    <message>
        <source>Step for every team's failure value</source>
        <translation>Stap voor de defectwaarde van elk team</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Grip computerauto's</translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Gegevens kiezen</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Kwalificatie</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Overige sessies</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Willekeurig gripbereik</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Eerste coureurs</translation>
    </message>
    <message>
        <source>First drivers' grip</source>
        <translation>Grip eerste coureurs</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Tweede coureurs</translation>
    </message>
    <message>
        <source>Second drivers' grip</source>
        <translation>Grip tweede coureurs</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> 1e coureurs </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> GRIP </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> 2e coureurs </translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Gekozen gripgegevens bewerken</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Grip</translation>
    </message>
    <message>
        <source>Raise every car's grip by the step</source>
        <translation>Grip van elke auto met de stap verhogen</translation>
    </message>
    <message>
        <source>Lower every car's grip by the step</source>
        <translation>Grip van elke auto met de stap verlagen</translation>
    </message>
    <message>
        <source>Step for every car's grip</source>
        <translation>Stap voor de grip van elke auto</translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Helmen</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Coureurs </translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation>Sleep een helm op een andere om ze te verwisselen; of druk op Spatie bij de ene coureur en daarna op Spatie bij een andere.</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Helm opslaan als bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Helm laden uit bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Alle helmen opslaan als bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Alle helmen laden uit bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importeren uit spel</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Exporteren naar spel</translation>
    </message>
    <message>
        <source>Helmet sheet</source>
        <translation>Helmenblad</translation>
    </message>
    <message>
        <source>Selected helmet</source>
        <translation>Gekozen helm</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + muiswiel, Ctrl++ of Ctrl+- zoomt de afbeelding</translation>
    </message>
    <message>
        <source>Picked: Space on another driver swaps the two helmets, Escape puts it down</source>
        <translation>Opgepakt: Spatie bij een andere coureur verwisselt de twee helmen, Esc legt hem neer</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Gegevens importeren/exporteren</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Namen en nummers</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Cockpitkleuren</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Alle gegevens importeren</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Alle gegevens exporteren</translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation>Bestand KVR.EXE</translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation>Bestand F1GSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation>Auto-JAM's</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Autobeschilderingen </translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation> Beschikbare teams </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Bitmap laden</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Opslaan als bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importeren uit spel</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Exporteren naar spel</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>Beschildering</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + muiswiel, Ctrl++ of Ctrl+- zoomt de afbeelding</translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Namen + nummers</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Motorvermogen</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Computergrip</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Autodefecten</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Auto-afstelling</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Neuzen</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Pitstraat</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Cockpitkleuren</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Kleuren pitploeg</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>Auto-JAM's</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Helmen</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Camera's</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Circuiteditor</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Cockpitbeheer</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Circuitbeheer</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation>KVR: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>Instellingen &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>Instellingen &amp;opslaan</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Instellingen opslaan &amp;als</translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation>Recente &amp;instellingenbestanden</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>Originele instellingen &amp;herstellen</translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation>Wijzigingen opslaan als &amp;patch...</translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation>Patch &amp;toepassen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;ewerken</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>Instellingen&amp;beschrijving</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importeren/exporteren</translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation>Wijzigingen &amp;vooraf tonen bij Alle gegevens exporteren</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor's export</source>
        <translation>Wijzigingen vooraf tonen bij export van een &amp;editor</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Instellingenbeschrijving</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Instellingen laden</translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation>Originele instellingen herstellen</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Patch toepassen</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>AFSLUITEN</translation>
    </message>
    <message>
        <source>Locate the &amp;game again...</source>
        <translation>Het spel opnieuw &amp;zoeken...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Sneltoetsen</translation>
    </message>
    <message>
        <source>&amp;About kvrdesk</source>
        <translation>&amp;Over kvrdesk</translation>
    </message>
    <message>
        <source>&amp;Car set manager...</source>
        <translation>&amp;Autosetbeheer...</translation>
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
        <translation>&amp;Mods in het spel, de eerst aangebrachte eerst (een latere wint):</translation>
    </message>
    <message>
        <source>Mods on the game</source>
        <translation>Mods in het spel</translation>
    </message>
    <message>
        <source>&amp;About the mod:</source>
        <translation>&amp;Over de mod:</translation>
    </message>
    <message>
        <source>About the mod</source>
        <translation>Over de mod</translation>
    </message>
    <message>
        <source>&amp;Values more than one mod sets:</source>
        <translation>&amp;Waarden die meer dan één mod zet:</translation>
    </message>
    <message>
        <source>Values more than one mod sets</source>
        <translation>Waarden die meer dan één mod zet</translation>
    </message>
    <message>
        <source>&amp;Put on...</source>
        <translation>A&amp;anbrengen...</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>Ve&amp;rwijderen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Omh&amp;oog</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Pijl omhoog</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Pijl omlaag</translation>
    </message>
    <message>
        <source>%1, by %2</source>
        <translation>%1, door %2</translation>
    </message>
    <message>
        <source>No mods are on.</source>
        <translation>Er zijn geen mods aangebracht.</translation>
    </message>
    <message>
        <source>%1 sets %2</source>
        <translation>%1 zet %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 holds</source>
        <translation>%1: %2; %3 geldt</translation>
    </message>
    <message>
        <source>%1 (%2), values it sets: %3</source>
        <translation>%1 (%2), waarden die hij zet: %3</translation>
    </message>
    <message>
        <source>Put on %1</source>
        <translation>%1 aanbrengen</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>%1 omhoog</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>%1 omlaag</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Namen en nummers</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Teams</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Gekozen </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   coureurs </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1e </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Team-motor </translation>
    </message>
    <message>
        <source> Team data </source>
        <translation> Teamgegevens </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamnaam</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Motornaam</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Naam 1e coureur</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Naam 2e coureur</translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation>Nummer 1e coureur</translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation>Nummer 2e coureur</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Eerste coureur - '0'</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gekozen</translation>
    </message>
    <message>
        <source>Car %1 takes part</source>
        <translation>Auto %1 doet mee</translation>
    </message>
    <message>
        <source>Team %1 1st driver takes part</source>
        <translation>1e coureur van team %1 doet mee</translation>
    </message>
    <message>
        <source>Team %1 2nd driver takes part</source>
        <translation>2e coureur van team %1 doet mee</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Neuzen</translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Teams </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Neuzen</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>hoog</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>laag</translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation>Neus</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Kleuren pitploeg</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation>KVR zoeken</translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation>Zoek het bestand kvr.exe op je harde schijf</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Pitstraatinstellingen</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Pitvolgorde </translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation>Sleep een team op een ander om hun pits te verwisselen; of druk op Alt+Pijl omhoog of Alt+Pijl omlaag om het gekozen team met zijn buurman te verwisselen.</translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>ingang pitstraat</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>uitgang pitstraat</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Snelheid pitstraat </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Max. toegestane snelheid in pitstraat</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Snelheid in pitstraat controleren</translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation>%1 km/u</translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation>%1 mph</translation>
    </message>
    <message>
        <source>Pit order</source>
        <translation>Pitvolgorde</translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation>Snelheid pitstraat</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in km/h</source>
        <translation>Max. toegestane snelheid in pitstraat in km/u</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in mph</source>
        <translation>Max. toegestane snelheid in pitstraat in mph</translation>
    </message>
</context>
<context>
    <name>kvrgui::TShortcutsForm</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Wat ze doen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Moves to the next field, as Tab does (in the main window and the editor windows)</source>
        <translation>Gaat naar het volgende veld, zoals Tab (in het hoofdvenster en de editorvensters)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Closes an editor window, keeping its changes, as "Back" does</source>
        <translation>Sluit een editorvenster en houdt de wijzigingen, zoals „Terug”</translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation>Alt+onderstreepte letter</translation>
    </message>
    <message>
        <source>Opens that menu, or presses that button</source>
        <translation>Opent dat menu of drukt op die knop</translation>
    </message>
    <message>
        <source>Pit line: exchanges the selected team with the one above or below</source>
        <translation>Pitstraat: verwisselt het gekozen team met het team erboven of eronder</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver's helmet; on another driver, swaps the two</source>
        <translation>Helmen: pakt de helm van de gekozen coureur op; bij een andere coureur verwisselt hij de twee</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Helmen: legt een opgepakte helm weer neer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Gegevens laden...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation>Voorvleugel</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Achtervleugel</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
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
        <translation>Circuiteditor</translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation> Grand Prix </translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Afstelling computerauto's </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gr.</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>VERSNELLINGSBAK</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Overige circuitwaarden </translation>
    </message>
    <message>
        <source>Tyre - "%1"</source>
        <translation>Band - "%1"</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Brandstofverbruik</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Bandenslijtage</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Bandtype</translation>
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
        <translation>%1 versnelling</translation>
    </message>
</context>
<context>
    <name>kvrgui::WindowFrame</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;ewerken</translation>
    </message>
</context>
</TS>
