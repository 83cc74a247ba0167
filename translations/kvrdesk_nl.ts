<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Fout bij bestandstoegang! </translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game&apos;s code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
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
        <source>The track files are missing from the game&apos;s CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>De circuitbestanden ontbreken in de map CIRCUITS van het spel: deze export mislukt met de fout over de circuitbestanden en wijzigt niets.</translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
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
        <source>Put &quot;Kavorra&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation>Plaats de cd van &quot;Kavorra&quot; in het cd-station en klik op &quot;OK&quot; als je klaar bent!</translation>
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
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Autoset &apos;97 installeren (nu alleen beschilderingen)</translation>
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
        <source>&apos;97 cockpits</source>
        <translation>Cockpits &apos;97</translation>
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
        <source>Not enough free space on the game&apos;s drive!</source>
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
        <source>The editor starts without the helmet sheet; &quot;Import from game&quot; in the helmets window reads it again.</source>
        <translation>De editor start zonder het helmenblad; &quot;Importeren uit spel&quot; in het helmenvenster leest het opnieuw in.</translation>
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
        <source>Refusing to write %1: it is the game&apos;s %2. Choose another file.</source>
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
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Detail: (niets)</translation>
    </message>
    <message>
        <source>Detail: </source>
        <translation>Detail: </translation>
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
        <source>The helmet sheet is not available. Use &quot;Import from game&quot; to read it from the game.</source>
        <translation>Het helmenblad is niet beschikbaar. Gebruik &quot;Importeren uit spel&quot; om het uit het spel te lezen.</translation>
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
        <source>&quot;%1&quot; cannot be loaded: %2</source>
        <translation>&quot;%1&quot; kan niet worden geladen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation>&quot;%1&quot; kan niet worden gebruikt. %2</translation>
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
        <translation>Benen/ Pitmonitor</translation>
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
        <source>%1. The colour editors will mark colours using their pictures&apos; own colours.</source>
        <translation>%1. De kleureneditors markeren kleuren met de eigen kleuren van hun afbeeldingen.</translation>
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
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;ewerken</translation>
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
    <name>kvrgui::InstallerWindow</name>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
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
        <source>player&apos;s car performance depends on selected team</source>
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
        <translation> Toerental-LED&apos;s </translation>
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
        <translation>X - as</translation>
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
        <translation>Y - as</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z - as</translation>
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
    <message>
        <source>Back</source>
        <translation>Terug</translation>
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
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Grip computerauto&apos;s</translation>
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
        <source>First drivers&apos; grip</source>
        <translation>Grip eerste coureurs</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Tweede coureurs</translation>
    </message>
    <message>
        <source>Second drivers&apos; grip</source>
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
        <source>Back</source>
        <translation>Terug</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Gegevens importeren</translation>
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
        <source>Back</source>
        <translation>Terug</translation>
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
        <translation>Auto-JAM&apos;s</translation>
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
        <source>Back</source>
        <translation>Terug</translation>
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
        <translation>Auto-JAM&apos;s</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Helmen</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Camera&apos;s</translation>
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
        <source>Car set manager...</source>
        <translation>Autosetbeheer...</translation>
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
        <source>Preview changes before an &amp;editor&apos;s export</source>
        <translation>Wijzigingen vooraf tonen bij export van een &amp;editor</translation>
    </message>
    <message>
        <source>&amp;Locate the game again...</source>
        <translation>Het spel opnieuw &amp;zoeken...</translation>
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
        <source>First driver - &apos;0&apos;</source>
        <translation>Eerste coureur - &apos;0&apos;</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gekozen</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Neuzen </translation>
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
        <translation>Sleep een team op een ander om hun pits te verwisselen; of druk op Alt+Pijl-omhoog of Alt+Pijl-omlaag om het gekozen team met zijn buurman te verwisselen.</translation>
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
        <translation> Afstelling computerauto&apos;s </translation>
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
        <source>Tyre - &quot;%1&quot;</source>
        <translation>Band - &quot;%1&quot;</translation>
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
</context>
</TS>
