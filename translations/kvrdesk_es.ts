<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game&apos;s code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put &quot;Kavorra&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;97 cockpits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough free space on the game&apos;s drive!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; &quot;Import from game&quot; in the helmets window reads it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game&apos;s %2. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use &quot;Import from game&quot; to read it from the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures&apos; own colours.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::ButtonPicture</name>
    <message>
        <source>KVR Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for Kavorra</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::InstallerWindow</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::SessionTables</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>player&apos;s car performance depends on selected team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>laps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Default view </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Angle </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Height </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BHP </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BHP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Value </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> car failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All -</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First drivers&apos; grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second drivers&apos; grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grip</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Car set manager...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor&apos;s export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Locate the game again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Selected </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1st </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Team data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First driver - &apos;0&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Teams </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lowered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre - &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
