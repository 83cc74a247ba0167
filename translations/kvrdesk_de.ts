<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Fehler beim Dateizugriff! </translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game&apos;s code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
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
        <source>The track files are missing from the game&apos;s CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Im Ordner CIRCUITS des Spiels fehlen die Streckendateien: Dieser Export scheitert mit dem Streckendateifehler und ändert nichts.</translation>
    </message>
    <message>
        <source>The track files are missing from the game&apos;s CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
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
        <source>Put &quot;Kavorra&quot; CD into CD drive, and hit &quot;OK&quot; when you are ready!</source>
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
        <source>Install &apos;97 car set (only paintings now)</source>
        <translation>Wagensatz &apos;97 installieren (vorerst nur Lackierungen)</translation>
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
        <source>&apos;97 cockpits</source>
        <translation>Cockpits &apos;97</translation>
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
        <source>Not enough free space on the game&apos;s drive!</source>
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
        <source>The editor starts without the helmet sheet; &quot;Import from game&quot; in the helmets window reads it again.</source>
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
        <source>Refusing to write %1: it is the game&apos;s %2. Choose another file.</source>
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
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Detail: (nichts)</translation>
    </message>
    <message>
        <source>Detail: </source>
        <translation>Detail: </translation>
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
        <source>The helmet sheet is not available. Use &quot;Import from game&quot; to read it from the game.</source>
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
        <source>&quot;%1&quot; cannot be loaded: %2</source>
        <translation>„%1“ kann nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used. %2</source>
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
        <translation>Beine/ Boxenmonitor</translation>
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
        <source>%1. The colour editors will mark colours using their pictures&apos; own colours.</source>
        <translation>%1. Die Farbeditoren markieren Farben mit den eigenen Farben ihrer Bilder.</translation>
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
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
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
    <name>kvrgui::InstallerWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
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
        <source>player&apos;s car performance depends on selected team</source>
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
        <translation>X - Achse</translation>
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
        <translation>Y - Achse</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Z - Achse</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Höhe </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Bildtuning</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Wert 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Wert 2 </translation>
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
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
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
        <translation>Übrige Sessions</translation>
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
        <translation>Übrige Sessions</translation>
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
        <source>First drivers&apos; grip</source>
        <translation>Grip der ersten Fahrer</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Zweite Fahrer</translation>
    </message>
    <message>
        <source>Second drivers&apos; grip</source>
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
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Daten importieren</translation>
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
        <source>Back</source>
        <translation>Zurück</translation>
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
        <source>Back</source>
        <translation>Zurück</translation>
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
        <source>Car set manager...</source>
        <translation>Wagensatz-Manager...</translation>
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
        <source>Preview changes before an &amp;editor&apos;s export</source>
        <translation>Vorschau der Änderungen vor dem Export eines &amp;Editors</translation>
    </message>
    <message>
        <source>&amp;Locate the game again...</source>
        <translation>Spiel &amp;neu suchen...</translation>
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
        <source>First driver - &apos;0&apos;</source>
        <translation>Erster Fahrer - &apos;0&apos;</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Frontnasen </translation>
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
        <translation>Ziehen Sie ein Team auf ein anderes, um ihre Boxen zu tauschen, oder drücken Sie Alt+Pfeil hoch bzw. Alt+Pfeil runter, um das gewählte Team mit seinem Nachbarn zu tauschen.</translation>
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
        <source>Tyre - &quot;%1&quot;</source>
        <translation>Reifen - „%1“</translation>
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
</context>
</TS>
