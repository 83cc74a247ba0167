<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Game files</name>
    <message>
        <source> File access error! </source>
        <translation> Errore di accesso al file! </translation>
    </message>
    <message>
        <source>%1 is too short to hold a checksum</source>
        <translation>%1 è troppo corto per contenere una somma di controllo</translation>
    </message>
    <message>
        <source>The other files of this change are in place already; the next change of the game puts in the rest.</source>
        <translation>Gli altri file di questa modifica sono già al loro posto; la prossima modifica del gioco inserisce il resto.</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game (%1): %2</source>
        <translation>Impossibile completare l'ultima modifica del gioco (%1): %2</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: it lies on a read-only disk.</source>
        <translation>Impossibile scrivere nel gioco in %1: si trova su un disco di sola lettura.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: you may not make files in that folder (%2), so neither its lock nor the game's new files can be written.</source>
        <translation>Impossibile scrivere nel gioco in %1: non è consentito creare file in quella cartella (%2), quindi non si possono scrivere né il suo blocco né i nuovi file del gioco.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be opened (%3); another user's editor may be writing to the game.</source>
        <translation>Impossibile scrivere nel gioco in %1: il suo file di blocco %2 non può essere aperto (%3); forse l'editor di un altro utente sta scrivendo nel gioco.</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 cannot be made: %3</source>
        <translation>Impossibile scrivere nel gioco in %1: il suo file di blocco %2 non può essere creato: %3</translation>
    </message>
    <message>
        <source>Cannot write to the game in %1: its lock file %2 is %3, not a regular file; remove it, then try again.</source>
        <translation>Impossibile scrivere nel gioco in %1: il suo file di blocco %2 è %3, non un file normale; rimuovilo, poi riprova.</translation>
    </message>
    <message>
        <source>Another program is writing to the game in %1; try again when it has finished.</source>
        <translation>Un altro programma sta scrivendo nel gioco in %1; riprova quando ha finito.</translation>
    </message>
    <message>
        <source>%1: cannot create a file in the game folder: %2</source>
        <translation>%1: impossibile creare un file nella cartella del gioco: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2 at position %3</source>
        <translation>%1: %2 alla posizione %3</translation>
    </message>
    <message>
        <source>%1: position %2 + %3 lies beyond the end (%4 bytes)</source>
        <translation>%1: la posizione %2 + %3 è oltre la fine (%4 byte)</translation>
    </message>
    <message>
        <source>seek beyond the end (%1)</source>
        <translation>spostamento oltre la fine (%1)</translation>
    </message>
    <message>
        <source>skip beyond the end</source>
        <translation>salto oltre la fine</translation>
    </message>
    <message>
        <source>read beyond the end</source>
        <translation>lettura oltre la fine</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>write beyond the end</source>
        <translation>scrittura oltre la fine</translation>
    </message>
    <message>
        <source>too short for a checksum</source>
        <translation>troppo corto per una somma di controllo</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>impossibile creare un file nella sua cartella: %1</translation>
    </message>
    <message>
        <source>cannot flush to disk: %1</source>
        <translation>impossibile scaricare su disco: %1</translation>
    </message>
    <message>
        <source>cannot put the new file in place: %1</source>
        <translation>impossibile mettere al suo posto il nuovo file: %1</translation>
    </message>
    <message>
        <source>cannot keep a copy of %1: %2</source>
        <translation>impossibile conservare una copia di %1: %2</translation>
    </message>
    <message>
        <source>Cannot finish the last change of the game: %1 %2. Look at the game's files, then remove it.</source>
        <translation>Impossibile completare l'ultima modifica del gioco: %1 %2. Controlla i file del gioco, poi rimuovilo.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non può essere letto: %1</translation>
    </message>
    <message>
        <source>is not a note of this program</source>
        <translation>non è una nota di questo programma</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>names a file that is not one of its own: %1</source>
        <translation>indica un file che non è uno dei suoi: %1</translation>
    </message>
    <message>
        <source>is cut short</source>
        <translation>è troncato</translation>
    </message>
    <message>
        <source>%1: the tyre table lies beyond the end</source>
        <translation>%1: la tabella delle gomme è oltre la fine</translation>
    </message>
    <message>
        <source>%1: the tyre table runs past the end</source>
        <translation>%1: la tabella delle gomme va oltre la fine</translation>
    </message>
    <message>
        <source>the setup values run into the checksum or past the end</source>
        <translation>i valori di assetto invadono la somma di controllo o vanno oltre la fine</translation>
    </message>
    <message>
        <source>the setup values overlap the setup position word</source>
        <translation>i valori di assetto si sovrappongono alla parola di posizione dell'assetto</translation>
    </message>
    <message>
        <source>The patch list %1 is damaged: it must hold whole records of %2 bytes.</source>
        <translation>L'elenco delle patch %1 è danneggiato: deve contenere record interi di %2 byte.</translation>
    </message>
    <message>
        <source>The patch list is empty.</source>
        <translation>L'elenco delle patch è vuoto.</translation>
    </message>
    <message>
        <source>%1: patch position %2 lies before the start</source>
        <translation>%1: la posizione della patch %2 è prima dell'inizio</translation>
    </message>
    <message>
        <source>The track data was not read, so nothing writes track values into the game. The track editor opens once every track file can be read.</source>
        <translation>I dati dei circuiti non sono stati letti, quindi nulla scrive valori dei circuiti nel gioco. L'editor dei circuiti si apre quando ogni file dei circuiti può essere letto.</translation>
    </message>
    <message>
        <source>%1 is not the game's executable: %2</source>
        <translation>%1 non è l'eseguibile del gioco: %2</translation>
    </message>
    <message>
        <source>0) File access error! </source>
        <translation>0) Errore di accesso al file! </translation>
    </message>
    <message>
        <source>1) File access error! </source>
        <translation>1) Errore di accesso al file! </translation>
    </message>
    <message>
        <source>2) File access error! </source>
        <translation>2) Errore di accesso al file! </translation>
    </message>
    <message>
        <source>3) File access error! </source>
        <translation>3) Errore di accesso al file! </translation>
    </message>
    <message>
        <source>names a file outside the game folder: %1</source>
        <translation>indica un file fuori dalla cartella del gioco: %1</translation>
    </message>
    <message>
        <source>names a file that no change of the game writes: %1</source>
        <translation>indica un file che nessuna modifica del gioco scrive: %1</translation>
    </message>
    <message>
        <source>names a file through a link out of the game folder: %1</source>
        <translation>indica un file tramite un collegamento che esce dalla cartella del gioco: %1</translation>
    </message>
    <message>
        <source>names a link, not a file: %1</source>
        <translation>indica un collegamento, non un file: %1</translation>
    </message>
    <message>
        <source>%1 cannot be replaced together with other files of the game: files that change together must be the game's own, in %2 (is it a link to elsewhere?)</source>
        <translation>%1 non può essere sostituito insieme ad altri file del gioco: i file che cambiano insieme devono essere quelli del gioco, in %2 (è un collegamento verso un altro posto?)</translation>
    </message>
    <message>
        <source>The game in %1 is not read: the last change of its files was cut short (%2 is there), and it cannot be finished now, so the files may be part old, part new. %3</source>
        <translation>Il gioco in %1 non viene letto: l'ultima modifica dei suoi file è stata interrotta (c'è %2) e ora non può essere completata, quindi i file possono essere in parte vecchi, in parte nuovi. %3</translation>
    </message>
    <message>
        <source>The game in %1 is not read, as its files may be part old, part new. %2</source>
        <translation>Il gioco in %1 non viene letto, perché i suoi file possono essere in parte vecchi, in parte nuovi. %2</translation>
    </message>
    <message>
        <source>The version byte of %1 (at position %2) is %3, which names none of the game's language versions. The editor takes the game for the English version and reads and writes its values at the English version's positions.</source>
        <translation>Il byte di versione di %1 (alla posizione %2) è %3, che non indica nessuna delle versioni linguistiche del gioco. L'editor considera il gioco come la versione inglese e legge e scrive i suoi valori alle posizioni della versione inglese.</translation>
    </message>
</context>
<context>
    <name>Import and export</name>
    <message>
        <source>Random engine power could not be switched on: the game's code at that place has been changed. Put back KVR.EXE from KVR.EXE.orig and export again.</source>
        <translation>Impossibile attivare la potenza casuale del motore: il codice del gioco in quel punto è stato modificato. Ripristina KVR.EXE da KVR.EXE.orig ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>Nothing to change: the game holds these values already.</source>
        <translation>Nulla da modificare: il gioco contiene già questi valori.</translation>
    </message>
    <message>
        <source>These values will change in the game:</source>
        <translation>Nel gioco cambieranno questi valori:</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder: this export will fail with the track file error and change nothing.</source>
        <translation>Mancano i file dei circuiti nella cartella CIRCUITS del gioco: questa esportazione fallirà con l'errore dei file dei circuiti e non modificherà nulla.</translation>
    </message>
    <message>
        <source>The track files are missing from the game's CIRCUITS folder, so the track data cannot be compared. After the other values, the export will ask to install the track files from the game CD, and without them it stops before the track data.</source>
        <translation>Mancano i file dei circuiti nella cartella CIRCUITS del gioco, quindi i dati dei circuiti non si possono confrontare. Dopo gli altri valori, l'esportazione chiederà di installare i file dei circuiti dal CD del gioco e, senza di essi, si fermerà prima dei dati dei circuiti.</translation>
    </message>
    <message>
        <source>Nothing else will change: the game holds the other values already.</source>
        <translation>Nient'altro cambierà: il gioco contiene già gli altri valori.</translation>
    </message>
    <message>
        <source>All data has been imported!</source>
        <translation>Tutti i dati sono stati importati!</translation>
    </message>
    <message>
        <source>All data has been exported!</source>
        <translation>Tutti i dati sono stati esportati!</translation>
    </message>
    <message>
        <source>Tracks data has been imported!</source>
        <translation>I dati dei circuiti sono stati importati!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>I dati sono stati importati!</translation>
    </message>
    <message>
        <source>Tracks data has been exported!</source>
        <translation>I dati dei circuiti sono stati esportati!</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>I dati sono stati esportati!</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>field %1: %2</source>
        <translation>campo %1: %2</translation>
    </message>
    <message>
        <source>expected text</source>
        <translation>atteso un testo</translation>
    </message>
    <message>
        <source>"%1" is not a character of the game's code page (Windows-1252)</source>
        <translation>"%1" non è un carattere della tabella codici del gioco (Windows-1252)</translation>
    </message>
    <message>
        <source>%1 characters, the field holds at most %2</source>
        <translation>%1 caratteri, il campo ne contiene al massimo %2</translation>
    </message>
    <message>
        <source>expected a whole number from 0 to %1</source>
        <translation>atteso un numero intero da 0 a %1</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>atteso true o false</translation>
    </message>
    <message>
        <source>field %1: no such field</source>
        <translation>campo %1: campo inesistente</translation>
    </message>
    <message>
        <source>not JSON: %1</source>
        <translation>non è JSON: %1</translation>
    </message>
    <message>
        <source>not a patch: expected an object with "kvpatch" and "changes"</source>
        <translation>non è una patch: atteso un oggetto con "kvpatch" e "changes"</translation>
    </message>
    <message>
        <source>patch format %1: this editor reads format %2</source>
        <translation>formato patch %1: questo editor legge il formato %2</translation>
    </message>
    <message>
        <source>"changes": expected an array</source>
        <translation>"changes": atteso un array</translation>
    </message>
    <message>
        <source>change %1: expected an object with "field", "from" and "to"</source>
        <translation>modifica %1: atteso un oggetto con "field", "from" e "to"</translation>
    </message>
    <message>
        <source>change %1: "field" must be a name</source>
        <translation>modifica %1: "field" deve essere un nome</translation>
    </message>
    <message>
        <source>field %1: named twice in the patch</source>
        <translation>campo %1: indicato due volte nella patch</translation>
    </message>
    <message>
        <source>Nothing to change: the settings hold these values already.</source>
        <translation>Niente da modificare: le impostazioni contengono già questi valori.</translation>
    </message>
    <message>
        <source>These values will change:</source>
        <translation>Questi valori cambieranno:</translation>
    </message>
    <message>
        <source>These values will change. The marked one holds something other than the value the patch expects to replace; it changes all the same:</source>
        <translation>Questi valori cambieranno. Quello segnato contiene qualcosa di diverso dal valore che la patch si aspetta di sostituire; cambia comunque:</translation>
    </message>
    <message>
        <source>These values will change. The %1 marked ones hold something other than the values the patch expects to replace; they change all the same:</source>
        <translation>Questi valori cambieranno. I %1 segnati contengono qualcosa di diverso dai valori che la patch si aspetta di sostituire; cambiano comunque:</translation>
    </message>
    <message>
        <source>key "%1" is given twice</source>
        <translation>chiave "%1" indicata due volte</translation>
    </message>
    <message>
        <source>%1: nested deeper than %2 levels</source>
        <translation>%1: annidato oltre %2 livelli</translation>
    </message>
    <message>
        <source>hex text of odd length</source>
        <translation>testo esadecimale di lunghezza dispari</translation>
    </message>
    <message>
        <source>not hex: %1</source>
        <translation>non esadecimale: %1</translation>
    </message>
    <message>
        <source>expected an array of %1</source>
        <translation>atteso un array di %1 elementi</translation>
    </message>
    <message>
        <source>no such element: the array holds %1</source>
        <translation>elemento inesistente: l'array ne contiene %1</translation>
    </message>
    <message>
        <source>expected an object</source>
        <translation>atteso un oggetto</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>campo inesistente</translation>
    </message>
    <message>
        <source>field %1 is missing</source>
        <translation>manca il campo %1</translation>
    </message>
    <message>
        <source>byte %1 is given by %2 already</source>
        <translation>il byte %1 è già dato da %2</translation>
    </message>
    <message>
        <source>expected hex text</source>
        <translation>atteso un testo esadecimale</translation>
    </message>
    <message>
        <source>expected a JSON object</source>
        <translation>atteso un oggetto JSON</translation>
    </message>
    <message>
        <source>no such field: the unused bytes are at 0x000, 0x74B and 0xB12</source>
        <translation>campo inesistente: i byte inutilizzati sono a 0x000, 0x74B e 0xB12</translation>
    </message>
    <message>
        <source>expected %1 bytes</source>
        <translation>attesi %1 byte</translation>
    </message>
    <message>
        <source>bad offset, expected a place from 0x000 to %1</source>
        <translation>posizione non valida, attesa una posizione da 0x000 a %1</translation>
    </message>
    <message>
        <source>%1 bytes run past the end of the record (its last byte is %2)</source>
        <translation>%1 byte oltrepassano la fine del record (il suo ultimo byte è %2)</translation>
    </message>
    <message>
        <source>field %1: changes byte %2, which %3 changes too</source>
        <translation>campo %1: cambia il byte %2, che cambia anche %3</translation>
    </message>
    <message>
        <source>"%1": expected text</source>
        <translation>"%1": atteso un testo</translation>
    </message>
    <message>
        <source>"%1": %2 characters, it may hold at most %3</source>
        <translation>"%1": %2 caratteri, al massimo %3</translation>
    </message>
    <message>
        <source>"%1": holds the control character %2</source>
        <translation>"%1": contiene il carattere di controllo %2</translation>
    </message>
    <message>
        <source>unknown key "%1": a patch holds only "kvpatch", "title", "author", "description", "made_with" and "changes"</source>
        <translation>chiave sconosciuta "%1": una patch contiene solo "kvpatch", "title", "author", "description", "made_with" e "changes"</translation>
    </message>
    <message>
        <source>%1 (the patch expects %2)</source>
        <translation>%1 (la patch si aspetta %2)</translation>
    </message>
</context>
<context>
    <name>Installers</name>
    <message>
        <source>Locate kvr.exe file on your KVR CD</source>
        <translation>Trova il file kvr.exe sul CD di KVR</translation>
    </message>
    <message>
        <source>KVR.EXE on Your KVR CD</source>
        <translation>KVR.EXE sul CD di KVR</translation>
    </message>
    <message>
        <source>You have not installed track files on your hard disk. You need them to work with track editor. Would you like to install them now?</source>
        <translation>Non hai installato i file dei circuiti sul disco fisso. Ti servono per usare l'editor dei circuiti. Vuoi installarli ora?</translation>
    </message>
    <message>
        <source>Put "Kavorra" CD into CD drive, and hit "OK" when you are ready!</source>
        <translation>Inserisci il CD di "Kavorra" nel lettore CD e premi "OK" quando sei pronto!</translation>
    </message>
    <message>
        <source>Cannot copy track file!</source>
        <translation>Impossibile copiare il file del circuito!</translation>
    </message>
    <message>
        <source>The track files were not installed.</source>
        <translation>I file dei circuiti non sono stati installati.</translation>
    </message>
    <message>
        <source>Car set manager</source>
        <translation>Gestione set di vetture</translation>
    </message>
    <message>
        <source>Install '97 car set (only paintings now)</source>
        <translation>Installa il set di vetture '97 (per ora solo le livree)</translation>
    </message>
    <message>
        <source>New carset installed!</source>
        <translation>Nuovo set di vetture installato!</translation>
    </message>
    <message>
        <source>Cannot copy carset files!</source>
        <translation>Impossibile copiare i file del set di vetture!</translation>
    </message>
    <message>
        <source>Cockpit manager</source>
        <translation>Gestione abitacoli</translation>
    </message>
    <message>
        <source>'97 cockpits</source>
        <translation>Abitacoli '97</translation>
    </message>
    <message>
        <source>Install it!</source>
        <translation>Installa!</translation>
    </message>
    <message>
        <source>New cockpit installed!</source>
        <translation>Nuovo abitacolo installato!</translation>
    </message>
    <message>
        <source>Cannot copy cockpit file!</source>
        <translation>Impossibile copiare il file dell'abitacolo!</translation>
    </message>
    <message>
        <source>Not enough free space on the game's drive!</source>
        <translation>Spazio libero insufficiente sull'unità del gioco!</translation>
    </message>
    <message>
        <source>Track manager</source>
        <translation>Gestione circuiti</translation>
    </message>
    <message>
        <source>Install track pack</source>
        <translation>Installa pacchetto circuiti</translation>
    </message>
    <message>
        <source>Install original tracks</source>
        <translation>Installa circuiti originali</translation>
    </message>
    <message>
        <source>Tracks installed!</source>
        <translation>Circuiti installati!</translation>
    </message>
    <message>
        <source>Original tracks installed!</source>
        <translation>Circuiti originali installati!</translation>
    </message>
    <message>
        <source>Cannot read track data file!</source>
        <translation>Impossibile leggere il file dei dati dei circuiti!</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Missing from %1:</source>
        <translation>Mancanti in %1:</translation>
    </message>
    <message>
        <source>Not copied into %1:</source>
        <translation>Non copiati in %1:</translation>
    </message>
    <message>
        <source>%1: the file cannot be read</source>
        <translation>%1: impossibile leggere il file</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is no cockpit set "%1".</source>
        <translation>Non esiste alcun set di abitacoli "%1".</translation>
    </message>
    <message>
        <source>%1 byte</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>it is %1 long; a PCX picture's header alone takes 128</source>
        <translation>è lungo %1; la sola intestazione di un'immagine PCX ne occupa 128</translation>
    </message>
    <message>
        <source>it is not a PCX picture (it does not start with the byte 0x0A)</source>
        <translation>non è un'immagine PCX (non inizia con il byte 0x0A)</translation>
    </message>
    <message>
        <source>it is a PCX picture of %1 bits in %2 planes; the cockpit needs 256 colours (8 bits, 1 plane)</source>
        <translation>è un'immagine PCX a %1 bit in %2 piani; l'abitacolo richiede 256 colori (8 bit, 1 piano)</translation>
    </message>
    <message>
        <source>its rows are not run-length coded, as the game's cockpit pictures are</source>
        <translation>le sue righe non sono codificate RLE, come lo sono le immagini dell'abitacolo del gioco</translation>
    </message>
    <message>
        <source>it is a picture of %1 pixels; this cockpit picture must be %2</source>
        <translation>è un'immagine di %1 pixel; questa immagine dell'abitacolo deve essere %2</translation>
    </message>
    <message>
        <source>its header gives rows of %1 for a width of %2</source>
        <translation>la sua intestazione indica righe di %1 per una larghezza di %2</translation>
    </message>
    <message>
        <source>the 256-colour palette at its end is missing</source>
        <translation>manca la tavolozza a 256 colori alla fine</translation>
    </message>
    <message>
        <source>its pixel data ends after %1 of its %2 rows</source>
        <translation>i suoi dati dei pixel finiscono dopo %1 delle sue %2 righe</translation>
    </message>
    <message>
        <source>it is not a texture the converter can read: %1</source>
        <translation>non è una texture che il convertitore sa leggere: %1</translation>
    </message>
    <message>
        <source>it is a texture of %1 pixels, but %2 is %3; a replacement must have the same size</source>
        <translation>è una texture di %1 pixel, ma %2 è %3; un sostituto deve avere le stesse dimensioni</translation>
    </message>
    <message>
        <source>it is %1 long; its block is exactly %2</source>
        <translation>è lungo %1; il suo blocco è esattamente %2</translation>
    </message>
    <message>
        <source>%1: %2 bytes, but the block has room for %3</source>
        <translation>%1: %2 byte, ma il blocco ha spazio per %3</translation>
    </message>
    <message>
        <source>one byte, 0 to 255</source>
        <translation>un byte, da 0 a 255</translation>
    </message>
    <message>
        <source>16 bits, 0 to 65535</source>
        <translation>16 bit, da 0 a 65535</translation>
    </message>
    <message>
        <source>the file ends after line %1; %2 lines are needed</source>
        <translation>il file finisce dopo la riga %1; servono %2 righe</translation>
    </message>
    <message>
        <source>the line is too short for %1</source>
        <translation>la riga è troppo corta per %1</translation>
    </message>
    <message>
        <source>the number "%1" runs past %2</source>
        <translation>il numero "%1" va oltre %2</translation>
    </message>
    <message>
        <source>%1 is not a number: "%2"</source>
        <translation>%1 non è un numero: "%2"</translation>
    </message>
    <message>
        <source>%1 holds %2, but it is written as %3</source>
        <translation>%1 contiene %2, ma viene scritto come %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>field %1 (columns %2 to %3)</source>
        <translation>il campo %1 (colonne da %2 a %3)</translation>
    </message>
    <message>
        <source>column %1 holds "%2", but this line has only %3 field(s)</source>
        <translation>la colonna %1 contiene "%2", ma questa riga ha solo %3 campo/i</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: mancante</translation>
    </message>
    <message>
        <source>%1: it is empty</source>
        <translation>%1: il file è vuoto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the editor closes</source>
        <translation>chiudere l'editor</translation>
    </message>
    <message>
        <source>The settings have changes that no settings file holds.</source>
        <translation>Le impostazioni contengono modifiche che nessun file di impostazioni conserva.</translation>
    </message>
    <message>
        <source>The helmet sheet has changes that were not exported into the game.</source>
        <translation>La tavola dei caschi contiene modifiche non esportate nel gioco.</translation>
    </message>
    <message>
        <source>The car painting for %1 has changes that were not exported into the game.</source>
        <translation>La livrea di %1 contiene modifiche non esportate nel gioco.</translation>
    </message>
    <message>
        <source>They are lost when %1, unless you Cancel and export them in their windows first.</source>
        <translation>Andranno perse se scegli di %1, a meno che tu non prema Annulla e le esporti prima nelle rispettive finestre.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Save the settings before %1?</source>
        <translation>Salvare le impostazioni prima di %1?</translation>
    </message>
    <message>
        <source>(Pictures are kept only by an export in their windows: Cancel to go back.)</source>
        <translation>(Le immagini si conservano solo esportandole nelle rispettive finestre: premi Annulla per tornare indietro.)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Save changes as patch</source>
        <translation>Salva modifiche come patch</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Applica patch</translation>
    </message>
    <message>
        <source>Patches</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Save the values in which the settings differ from:</source>
        <translation>Salva i valori in cui le impostazioni differiscono da:</translation>
    </message>
    <message>
        <source>The game as it is now</source>
        <translation>Il gioco così com'è ora</translation>
    </message>
    <message>
        <source>The original settings (ORIGIN.SET)</source>
        <translation>Le impostazioni originali (ORIGIN.SET)</translation>
    </message>
    <message>
        <source>A settings file...</source>
        <translation>Un file di impostazioni...</translation>
    </message>
    <message>
        <source>Compare with settings</source>
        <translation>Confronta con le impostazioni</translation>
    </message>
    <message>
        <source>Compare with it anyway?</source>
        <translation>Confrontare comunque?</translation>
    </message>
    <message>
        <source>The settings hold the same values: there is no change to save.</source>
        <translation>Le impostazioni contengono gli stessi valori: non c'è nessuna modifica da salvare.</translation>
    </message>
    <message>
        <source>The patch changes track data, which has not been read from the game yet. Open the Track Editor once, then apply the patch again; nothing was changed.</source>
        <translation>La patch modifica i dati dei circuiti, che non sono ancora stati letti dal gioco. Apri una volta l'editor dei circuiti, poi applica di nuovo la patch; non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>There is no KVR.EXE in %1</source>
        <translation>Non c'è nessun KVR.EXE in %1</translation>
    </message>
    <message>
        <source>The editor starts without the helmet sheet; "Import from game" in the helmets window reads it again.</source>
        <translation>L'editor si avvia senza la tavola dei caschi; "Importa dal gioco" nella finestra dei caschi la rilegge.</translation>
    </message>
    <message>
        <source>another game is opened</source>
        <translation>aprire un altro gioco</translation>
    </message>
    <message>
        <source>Locate kvr.exe file</source>
        <translation>Trova il file kvr.exe</translation>
    </message>
    <message>
        <source>KVR main executable</source>
        <translation>Eseguibile principale di KVR</translation>
    </message>
    <message>
        <source>Refusing to write %1: it is the game's %2. Choose another file.</source>
        <translation>%1 non verrà scritto: è il file %2 del gioco. Scegli un altro file.</translation>
    </message>
    <message>
        <source>Cannot write the patch %1: %2</source>
        <translation>Impossibile scrivere la patch %1: %2</translation>
    </message>
    <message>
        <source>The patch %1 cannot be applied; nothing was changed. %2</source>
        <translation>Impossibile applicare la patch %1; non è stato modificato nulla. %2</translation>
    </message>
    <message>
        <source>Cannot open file "%1"</source>
        <translation>Impossibile aprire il file "%1"</translation>
    </message>
    <message>
        <source>The path of the game is longer than 255 characters: %1</source>
        <translation>Il percorso del gioco supera i 255 caratteri: %1</translation>
    </message>
    <message>
        <source>The configuration file %1 is damaged (shorter than %2 bytes). Locate the game again; the file is written anew when the editor closes.</source>
        <translation>Il file di configurazione %1 è danneggiato (più corto di %2 byte). Individua di nuovo il gioco; il file viene riscritto alla chiusura dell'editor.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: it is %2, not a regular file</source>
        <translation>Impossibile leggere %1: è %2, non un file normale</translation>
    </message>
    <message>
        <source>Cannot read %1: it is larger than %2</source>
        <translation>Impossibile leggere %1: è più grande di %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>'%1' is not a valid number.</source>
        <translation>'%1' non è un numero valido.</translation>
    </message>
    <message>
        <source>The angle %1 is too large.</source>
        <translation>L'angolo %1 è troppo grande.</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>another settings file is loaded</source>
        <translation>caricare un altro file di impostazioni</translation>
    </message>
    <message>
        <source>There is no file or folder %1.</source>
        <translation>Non esiste alcun file o cartella %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens a game folder or its KVR.EXE, settings files (*.KVS) and patches (*.kvpatch), not %1.</source>
        <translation>kvrdesk apre una cartella di gioco o il suo KVR.EXE, file di impostazioni (*.KVS) e patch (*.kvpatch), non %1.</translation>
    </message>
    <message>
        <source>kvrdesk opens one game at a time, not both %1 and %2.</source>
        <translation>kvrdesk apre un gioco alla volta, non insieme %1 e %2.</translation>
    </message>
    <message>
        <source>The editor's configuration %1 could not be written: %2. The next start does not remember this run's game and choices.</source>
        <translation>Impossibile scrivere la configurazione dell'editor %1: %2. Al prossimo avvio il gioco e le scelte di questa sessione non saranno ricordati.</translation>
    </message>
    <message>
        <source>What the patch is, for those you share it with (all may stay empty):</source>
        <translation>Che cos'è la patch, per chi la riceve (tutto può restare vuoto):</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autore:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>&amp;Exact copy, every byte (also the settings description and bytes no window shows)</source>
        <translation>Copia &amp;esatta, ogni byte (anche la descrizione impostazioni e i byte che nessuna finestra mostra)</translation>
    </message>
    <message>
        <source>The settings differ only in the description and bytes no window shows. Tick "Exact copy, every byte" to save those.</source>
        <translation>Le impostazioni differiscono solo nella descrizione e in byte che nessuna finestra mostra. Spunta "Copia esatta, ogni byte" per salvarli.</translation>
    </message>
    <message>
        <source>Put on mod</source>
        <translation>Applica mod</translation>
    </message>
    <message>
        <source>The patch %1 cannot be put on; nothing was changed. %2</source>
        <translation>La patch %1 non può essere applicata come mod; nulla è stato cambiato. %2</translation>
    </message>
    <message>
        <source>Put on</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Take off</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
</context>
<context>
    <name>Mods</name>
    <message>
        <source>The mod list %1 cannot be read; nothing was changed. %2</source>
        <translation>L'elenco dei mod %1 non può essere letto; nulla è stato cambiato. %2</translation>
    </message>
    <message>
        <source>Cannot keep the mod list in %1: it is not a folder of its own (remove it, then try again).</source>
        <translation>Impossibile tenere l'elenco dei mod in %1: non è una cartella a sé (rimuovila, poi riprova).</translation>
    </message>
    <message>
        <source>kept: %1 holds %2, not %3 as the mods set it</source>
        <translation>mantenuto: %1 contiene %2, non %3 come lo impostano i mod</translation>
    </message>
    <message>
        <source>not a mod list of this program: %1</source>
        <translation>non è un elenco di mod di questo programma: %1</translation>
    </message>
    <message>
        <source>There is no mod %1: the list holds %2.</source>
        <translation>Non c'è il mod %1: l'elenco ne contiene %2.</translation>
    </message>
    <message>
        <source>expected "kvrdesk_mods": 1, "mods" and "before"</source>
        <translation>attesi "kvrdesk_mods": 1, "mods" e "before"</translation>
    </message>
    <message>
        <source>mod %1: expected "file" and "patch"</source>
        <translation>mod %1: attesi "file" e "patch"</translation>
    </message>
    <message>
        <source>mod %1: %2</source>
        <translation>mod %1: %2</translation>
    </message>
    <message>
        <source>before %1: expected a place and a byte</source>
        <translation>before %1: attesi una posizione e un byte</translation>
    </message>
    <message>
        <source>the values before the mods do not match the values they set</source>
        <translation>i valori prima dei mod non corrispondono ai valori che impostano</translation>
    </message>
    <message>
        <source>A mod named "%1" is on the list already (place %2).</source>
        <translation>Un mod di nome "%1" è già nell'elenco (posto %2).</translation>
    </message>
    <message>
        <source>left out: %1: %2, which the game holds no place for</source>
        <translation>tralasciato: %1: %2, per cui il gioco non ha posto</translation>
    </message>
    <message>
        <source>%1: %2 (%3) was %4, the mod expects %5; changed all the same</source>
        <translation>%1: %2 (%3) era %4, il mod si aspetta %5; cambiato comunque</translation>
    </message>
    <message>
        <source>Places on the list are counted from 1.</source>
        <translation>I posti dell'elenco si contano da 1.</translation>
    </message>
    <message>
        <source>No mod named "%1" is on the list.</source>
        <translation>Nessun mod di nome "%1" è nell'elenco.</translation>
    </message>
    <message>
        <source>%1 mods are named "%2"; give the place instead.</source>
        <translation>%1 mod si chiamano "%2"; indica invece il posto.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Detail: (nothing)</source>
        <translation>Dettaglio: (nessuno)</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Carica casco da bitmap</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Salva casco come bitmap</translation>
    </message>
    <message>
        <source>BMP files</source>
        <translation>File BMP</translation>
    </message>
    <message>
        <source>No helmet is selected.</source>
        <translation>Nessun casco selezionato.</translation>
    </message>
    <message>
        <source>Data has been exported!</source>
        <translation>I dati sono stati esportati!</translation>
    </message>
    <message>
        <source>Data has been imported!</source>
        <translation>I dati sono stati importati!</translation>
    </message>
    <message>
        <source>The helmet sheet is not available. Use "Import from game" to read it from the game.</source>
        <translation>La tavola dei caschi non è disponibile. Usa "Importa dal gioco" per leggerla dal gioco.</translation>
    </message>
    <message>
        <source>Save bitmap file</source>
        <translation>Salva file bitmap</translation>
    </message>
    <message>
        <source>Load bitmap file</source>
        <translation>Carica file bitmap</translation>
    </message>
    <message>
        <source>Bitmap has been imported!</source>
        <translation>La bitmap è stata importata!</translation>
    </message>
    <message>
        <source>Bitmap has been exported!</source>
        <translation>La bitmap è stata esportata!</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Immagine bitmap non valida</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>Cockpit</source>
        <translation>Abitacolo</translation>
    </message>
    <message>
        <source>Mirrors</source>
        <translation>Specchietti</translation>
    </message>
    <message>
        <source>Front wing</source>
        <translation>Alettone anteriore</translation>
    </message>
    <message>
        <source>Detail: palette index %1</source>
        <translation>Dettaglio: indice di tavolozza %1</translation>
    </message>
    <message>
        <source>Detail: %1</source>
        <translation>Dettaglio: %1</translation>
    </message>
    <message>
        <source>"%1" cannot be loaded: %2</source>
        <translation>Impossibile caricare "%1": %2</translation>
    </message>
    <message>
        <source>"%1" cannot be used. %2</source>
        <translation>Impossibile usare "%1". %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. %2</source>
        <translation>Impossibile usare %1. %2</translation>
    </message>
    <message>
        <source>Cannot save the bitmap: %1</source>
        <translation>Impossibile salvare la bitmap: %1</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Piedi</translation>
    </message>
    <message>
        <source>Legs/ Pit Monitor</source>
        <translation>Gambe/Monitor box</translation>
    </message>
    <message>
        <source>Waist</source>
        <translation>Vita</translation>
    </message>
    <message>
        <source>Thin stripe</source>
        <translation>Striscia sottile</translation>
    </message>
    <message>
        <source>Left chest/Sign</source>
        <translation>Petto sinistro/Cartello</translation>
    </message>
    <message>
        <source>Right chest</source>
        <translation>Petto destro</translation>
    </message>
    <message>
        <source>Epaulettes/Jack</source>
        <translation>Spalline/Cric</translation>
    </message>
    <message>
        <source>Left upper arm</source>
        <translation>Braccio sinistro</translation>
    </message>
    <message>
        <source>Left forearm</source>
        <translation>Avambraccio sinistro</translation>
    </message>
    <message>
        <source>Right upper arm</source>
        <translation>Braccio destro</translation>
    </message>
    <message>
        <source>Right forearm</source>
        <translation>Avambraccio destro</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mani</translation>
    </message>
    <message>
        <source>Head</source>
        <translation>Testa</translation>
    </message>
    <message>
        <source>Team logo</source>
        <translation>Logo della scuderia</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossibile scrivere %1</translation>
    </message>
    <message>
        <source>it holds no colour</source>
        <translation>non contiene alcun colore</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be opened: %2</source>
        <translation>Impossibile aprire la tavolozza del gioco %1: %2</translation>
    </message>
    <message>
        <source>The game palette %1 cannot be read: %2</source>
        <translation>Impossibile leggere la tavolozza del gioco %1: %2</translation>
    </message>
    <message>
        <source>The game palette %1 is not usable: %2</source>
        <translation>La tavolozza del gioco %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>%1. The colour editors will mark colours using their pictures' own colours.</source>
        <translation>%1. Gli editor dei colori segneranno i colori usando i colori propri delle loro immagini.</translation>
    </message>
    <message>
        <source>The converter %1 made a sheet that cannot be used. %2</source>
        <translation>Il convertitore %1 ha prodotto una tavola che non si può usare. %2</translation>
    </message>
    <message>
        <source>%1 cannot be used. The texture %2 is %3 pixels, and so must its painting be; this bitmap is %4.</source>
        <translation>Impossibile usare %1. La texture %2 è di %3 pixel, e così deve essere la sua livrea; questa bitmap è di %4.</translation>
    </message>
    <message>
        <source>the file ends inside its headers</source>
        <translation>il file finisce dentro le sue intestazioni</translation>
    </message>
    <message>
        <source>4-bit run-length compression is not supported</source>
        <translation>la compressione RLE a 4 bit non è supportata</translation>
    </message>
    <message>
        <source>compression type %1 is not supported</source>
        <translation>il tipo di compressione %1 non è supportato</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>it is not a bitmap file (it does not start with "BM")</source>
        <translation>non è un file bitmap (non inizia con "BM")</translation>
    </message>
    <message>
        <source>its height is out of range</source>
        <translation>la sua altezza è fuori intervallo</translation>
    </message>
    <message>
        <source>%1 bits per pixel is not a bitmap depth (1, 4, 8, 16, 24 or 32)</source>
        <translation>%1 bit per pixel non è una profondità bitmap (1, 4, 8, 16, 24 o 32)</translation>
    </message>
    <message>
        <source>its colour table claims %1 colours; at most 256 are read</source>
        <translation>la sua tabella dei colori dichiara %1 colori; se ne leggono al massimo 256</translation>
    </message>
    <message>
        <source>the file ends inside its colour table</source>
        <translation>il file finisce dentro la sua tabella dei colori</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot write the bitmap: %1</source>
        <translation>Impossibile scrivere la bitmap: %1</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; the picture needs 8 bits per pixel</source>
        <translation>è una bitmap a %1 bit; l'immagine richiede 8 bit per pixel</translation>
    </message>
    <message>
        <source>it has %1 colour planes; bitmaps have 1</source>
        <translation>ha %1 piani di colore; le bitmap ne hanno 1</translation>
    </message>
    <message>
        <source>a picture of %1 x %2 pixels cannot be shown</source>
        <translation>un'immagine di %1 x %2 pixel non può essere mostrata</translation>
    </message>
    <message>
        <source>Bitmap Image is not valid</source>
        <translation>Immagine bitmap non valida</translation>
    </message>
    <message>
        <source>The converter %1 converted %2 into %3, but the editor cannot load that file as an 8-bit bitmap: %4</source>
        <translation>Il convertitore %1 ha convertito %2 in %3, ma l'editor non riesce a caricare quel file come bitmap a 8 bit: %4</translation>
    </message>
    <message>
        <source>Cannot make the editor's TEMP folder %1: %2.</source>
        <translation>Impossibile creare la cartella TEMP dell'editor %1: %2.</translation>
    </message>
    <message>
        <source>Cannot remove the old exchange file %1: %2.</source>
        <translation>Impossibile rimuovere il vecchio file di scambio %1: %2.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it cannot be started (%4). Install kvrjam beside kvrdesk, or name a converter in %5.</source>
        <translation>Il convertitore %1 non ha potuto convertire %2 in %3: non si avvia (%4). Installa kvrjam accanto a kvrdesk, o indica un convertitore in %5.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it had not finished after %4 and was stopped.</source>
        <translation>Il convertitore %1 non ha potuto convertire %2 in %3: non aveva finito dopo %4 ed è stato fermato.</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it was ended by signal %4%5</source>
        <translation>Il convertitore %1 non ha potuto convertire %2 in %3: è stato terminato dal segnale %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended with exit code %4%5</source>
        <translation>Il convertitore %1 non ha potuto convertire %2 in %3: è terminato con il codice di uscita %4%5</translation>
    </message>
    <message>
        <source>The converter %1 could not convert %2 into %3: it ended without writing the file.</source>
        <translation>Il convertitore %1 non ha potuto convertire %2 in %3: è terminato senza scrivere il file.</translation>
    </message>
    <message>
        <source>Cannot write the exchange file: %1</source>
        <translation>Impossibile scrivere il file di scambio: %1</translation>
    </message>
    <message>
        <source>8-bit run-length compression in a %1-bit bitmap</source>
        <translation>compressione RLE a 8 bit in una bitmap a %1 bit</translation>
    </message>
    <message>
        <source>colour bit fields in a %1-bit bitmap (only 16 and 32 bits have them)</source>
        <translation>campi di bit del colore in una bitmap a %1 bit (solo 16 e 32 bit li hanno)</translation>
    </message>
    <message>
        <source>its header is %1 bytes long; bitmaps with a 40- or 12-byte header are read</source>
        <translation>la sua intestazione è lunga %1 byte; si leggono bitmap con intestazione di 40 o 12 byte</translation>
    </message>
    <message>
        <source>its width is negative (%1)</source>
        <translation>la sua larghezza è negativa (%1)</translation>
    </message>
    <message>
        <source>%1 pixels are more than a picture may have (4096 x 4096)</source>
        <translation>%1 pixel sono più di quanti un'immagine possa averne (4096 x 4096)</translation>
    </message>
    <message>
        <source>the pixel rows are cut short: %1 pixels need %2 bytes from byte %3, the file holds %4</source>
        <translation>le righe di pixel sono troncate: %1 pixel richiedono %2 byte dal byte %3, il file ne contiene %4</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels cannot be made</source>
        <translation>Non si può creare un'immagine di %1 x %2 pixel</translation>
    </message>
    <message>
        <source>An empty picture cannot be scaled</source>
        <translation>Un'immagine vuota non può essere ridimensionata</translation>
    </message>
    <message>
        <source>The picture holds no pixels</source>
        <translation>L'immagine non contiene pixel</translation>
    </message>
    <message>
        <source>it has %1 x %2 pixels, more than the %3 pixels that are read</source>
        <translation>ha %1 x %2 pixel, più dei %3 pixel che vengono letti</translation>
    </message>
    <message>
        <source>it is not a picture in a format this program reads</source>
        <translation>non è un'immagine in un formato che questo programma legge</translation>
    </message>
    <message>
        <source>it cannot be read as a picture: %1</source>
        <translation>non può essere letta come immagine: %1</translation>
    </message>
    <message>
        <source>The picture %1 cannot be read: %2</source>
        <translation>L'immagine %1 non può essere letta: %2</translation>
    </message>
    <message>
        <source>The picture %1 is not usable: %2</source>
        <translation>L'immagine %1 non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>The PNG picture cannot be made</source>
        <translation>L'immagine PNG non può essere creata</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 non può essere scritto: %2</translation>
    </message>
    <message>
        <source>Swap helmets</source>
        <translation>Scambia caschi</translation>
    </message>
    <message>
        <source>Load helmet</source>
        <translation>Carica casco</translation>
    </message>
    <message>
        <source>Load all helmets</source>
        <translation>Carica tutti i caschi</translation>
    </message>
    <message>
        <source>Import helmets from game</source>
        <translation>Importa caschi dal gioco</translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Carica bitmap</translation>
    </message>
    <message>
        <source>Import painting from game</source>
        <translation>Importa livrea dal gioco</translation>
    </message>
    <message>
        <source>its colour bit fields (red %1, green %2, blue %3) are not three separate runs of bits within a pixel</source>
        <translation>i suoi campi di bit dei colori (rosso %1, verde %2, blu %3) non sono tre sequenze di bit separate entro un pixel</translation>
    </message>
    <message>
        <source>the file ends inside its colour bit fields</source>
        <translation>il file termina dentro i suoi campi di bit dei colori</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels; it must have %3 x %4.</source>
        <translation>L'immagine ha %1 x %2 pixel; deve averne %3 x %4.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>Immagini PNG</translation>
    </message>
    <message>
        <source>The picture has %1 x %2 pixels, the texture %3 x %4: tick "Scale to %3 x %4" to scale it to the texture's size.</source>
        <translation>L'immagine ha %1 x %2 pixel, la texture %3 x %4: spunta «Scala a %3 x %4» per portarla alla dimensione della texture.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <source>The helmet sheet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>La tavola dei caschi deve essere una bitmap a 8 bit (256 colori) di %1 x %2 pixel; questa è %3.</translation>
    </message>
    <message>
        <source>A helmet must be an 8-bit (256 colour) bitmap of %1 x %2 pixels; this is %3.</source>
        <translation>Un casco deve essere una bitmap a 8 bit (256 colori) di %1 x %2 pixel; questa è %3.</translation>
    </message>
    <message>
        <source>an empty file</source>
        <translation>un file vuoto</translation>
    </message>
    <message>
        <source>an %1-bit bitmap of %2 x %3 pixels</source>
        <translation>una bitmap a %1 bit di %2 x %3 pixel</translation>
    </message>
    <message>
        <source>a %1-bit bitmap of %2 x %3 pixels</source>
        <translation>una bitmap a %1 bit di %2 x %3 pixel</translation>
    </message>
    <message>
        <source>The converter cannot put it into the game: %1.</source>
        <translation>Il convertitore non può inserirla nel gioco: %1.</translation>
    </message>
    <message>
        <source>it is a %1-bit bitmap; textures are 8-bit bitmaps (256 colours)</source>
        <translation>è una bitmap a %1 bit; le texture sono bitmap a 8 bit (256 colori)</translation>
    </message>
    <message>
        <source>the bitmap is %1 x %2 pixels; a texture has 1 to 4096 each way</source>
        <translation>la bitmap è di %1 x %2 pixel; una texture ne ha da 1 a 4096 per lato</translation>
    </message>
</context>
<context>
    <name>Settings files</name>
    <message>
        <source>All settings files</source>
        <translation>Tutti i file di impostazioni</translation>
    </message>
    <message>
        <source>Cannot open the settings file %1</source>
        <translation>Impossibile aprire il file di impostazioni %1</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <source>The file name is longer than 255 characters: %1</source>
        <translation>Il nome del file supera i 255 caratteri: %1</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1</source>
        <translation>Impossibile scrivere il file di impostazioni %1</translation>
    </message>
    <message>
        <source>Load it anyway?</source>
        <translation>Caricarlo comunque?</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message>
        <source>The original settings cannot be restored; nothing was changed. %1</source>
        <translation>Impossibile ripristinare le impostazioni originali; non è stato modificato nulla. %1</translation>
    </message>
    <message>
        <source>Not a settings file: %1 holds %2 bytes, a settings file holds %3.</source>
        <translation>Non è un file di impostazioni: %1 contiene %2 byte, un file di impostazioni ne contiene %3.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, a settings file exactly %3: only its first %3 bytes would be read, and if it is some other file they make no sense as settings.</source>
        <translation>%1 contiene %2 byte, un file di impostazioni esattamente %3: verrebbero letti solo i suoi primi %3 byte e, se è un altro file, come impostazioni non hanno senso.</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>%1 cockpit colour</source>
        <translation>%1, colore abitacolo</translation>
    </message>
    <message>
        <source>%1 mirrors colour</source>
        <translation>%1, colore specchietti</translation>
    </message>
    <message>
        <source>%1 front wing colour</source>
        <translation>%1, colore alettone anteriore</translation>
    </message>
    <message>
        <source>X distance</source>
        <translation>distanza X</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altezza</translation>
    </message>
    <message>
        <source>Y distance</source>
        <translation>distanza Y</translation>
    </message>
    <message>
        <source>X angle</source>
        <translation>angolo X</translation>
    </message>
    <message>
        <source>Z angle</source>
        <translation>angolo Z</translation>
    </message>
    <message>
        <source>Y angle</source>
        <translation>angolo Y</translation>
    </message>
    <message>
        <source>tuning value 1</source>
        <translation>valore di regolazione 1</translation>
    </message>
    <message>
        <source>tuning value 2</source>
        <translation>valore di regolazione 2</translation>
    </message>
    <message>
        <source>%1 front wing</source>
        <translation>%1, alettone anteriore</translation>
    </message>
    <message>
        <source>%1 rear wing</source>
        <translation>%1, alettone posteriore</translation>
    </message>
    <message>
        <source>%1 1st gear</source>
        <translation>%1, 1ª marcia</translation>
    </message>
    <message>
        <source>%1 2nd gear</source>
        <translation>%1, 2ª marcia</translation>
    </message>
    <message>
        <source>%1 3rd gear</source>
        <translation>%1, 3ª marcia</translation>
    </message>
    <message>
        <source>%1 4th gear</source>
        <translation>%1, 4ª marcia</translation>
    </message>
    <message>
        <source>%1 5th gear</source>
        <translation>%1, 5ª marcia</translation>
    </message>
    <message>
        <source>%1 6th gear</source>
        <translation>%1, 6ª marcia</translation>
    </message>
    <message>
        <source>%1 tyre type</source>
        <translation>%1, tipo di gomme</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Scuderia %1</translation>
    </message>
    <message>
        <source>Team %1 engine</source>
        <translation>Motore della scuderia %1</translation>
    </message>
    <message>
        <source>Car %1</source>
        <translation>Vettura %1</translation>
    </message>
    <message>
        <source>Driver slot %1</source>
        <translation>Posto pilota %1</translation>
    </message>
    <message>
        <source>Team %1 1st driver</source>
        <translation>1° pilota della scuderia %1</translation>
    </message>
    <message>
        <source>Team %1 2nd driver</source>
        <translation>2° pilota della scuderia %1</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source>Driver of car %1</source>
        <translation>Pilota della vettura %1</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1, nome</translation>
    </message>
    <message>
        <source>%1 engine name</source>
        <translation>%1, nome del motore</translation>
    </message>
    <message>
        <source>%1's car number</source>
        <translation>%1, numero</translation>
    </message>
    <message>
        <source>%1 selected</source>
        <translation>%1, selezionato</translation>
    </message>
    <message>
        <source>%1, qualifying</source>
        <translation>%1, qualifiche</translation>
    </message>
    <message>
        <source>%1, other sessions</source>
        <translation>%1, altre sessioni</translation>
    </message>
    <message>
        <source>Human driver engine, qualifying</source>
        <translation>Motore del giocatore, qualifiche</translation>
    </message>
    <message>
        <source>Human driver engine, other sessions</source>
        <translation>Motore del giocatore, altre sessioni</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potenza motore casuale</translation>
    </message>
    <message>
        <source>%1 grip, qualifying</source>
        <translation>%1, aderenza in qualifica</translation>
    </message>
    <message>
        <source>%1 grip, other sessions</source>
        <translation>%1, aderenza nelle altre sessioni</translation>
    </message>
    <message>
        <source>%1 random grip range</source>
        <translation>%1, intervallo casuale di aderenza</translation>
    </message>
    <message>
        <source>%1 car failure</source>
        <translation>%1, guasti vettura</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1, attiva</translation>
    </message>
    <message>
        <source>Team at pit %1</source>
        <translation>Scuderia al box %1</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlla la velocità in corsia box</translation>
    </message>
    <message>
        <source>Pit line speed limit</source>
        <translation>Limite di velocità in corsia box</translation>
    </message>
    <message>
        <source>%1 pit crew colour %2</source>
        <translation>%1, colore meccanici %2</translation>
    </message>
    <message>
        <source>Camera %1 %2</source>
        <translation>Telecamera %1, %2</translation>
    </message>
    <message>
        <source>Camera record %1 %2</source>
        <translation>Record telecamera %1, %2</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Primo pilota - '0'</translation>
    </message>
    <message>
        <source>Show opponents fuel load</source>
        <translation>Mostra il carico di carburante degli avversari</translation>
    </message>
    <message>
        <source>Player's car performance depends on selected team</source>
        <translation>Le prestazioni della vettura del giocatore dipendono dalla scuderia scelta</translation>
    </message>
    <message>
        <source>Split comparison</source>
        <translation>Confronto separato</translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso vettura del giocatore</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso vetture del computer</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Carico iniziale di carburante in prova</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>giri</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load (laps - 1)</source>
        <translation>Carico iniziale di carburante in qualifica (giri - 1)</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Colore LED %1</translation>
    </message>
    <message>
        <source>LED %1 threshold (RPM - 6154)</source>
        <translation>Soglia LED %1 (giri/min - 6154)</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descrizione impostazioni</translation>
    </message>
    <message>
        <source>%1 nose cone raised</source>
        <translation>%1, muso rialzato</translation>
    </message>
    <message>
        <source>%1 fuel consumption</source>
        <translation>%1, consumo carburante</translation>
    </message>
    <message>
        <source>%1 tyre consumption</source>
        <translation>%1, usura gomme</translation>
    </message>
    <message>
        <source>%1 fuel consumption, low byte</source>
        <translation>%1, consumo carburante, byte basso</translation>
    </message>
    <message>
        <source>%1 fuel consumption, high byte</source>
        <translation>%1, consumo carburante, byte alto</translation>
    </message>
    <message>
        <source>%1 tyre consumption, low byte</source>
        <translation>%1, usura gomme, byte basso</translation>
    </message>
    <message>
        <source>%1 tyre consumption, high byte</source>
        <translation>%1, usura gomme, byte alto</translation>
    </message>
    <message>
        <source>off</source>
        <translation>disattivato</translation>
    </message>
    <message>
        <source>on</source>
        <translation>attivato</translation>
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
        <translation>Editor KVR</translation>
    </message>
    <message>
        <source>for Kavorra</source>
        <translation>per Kavorra</translation>
    </message>
</context>
<context>
    <name>kvrgui::ColourPictureWindow</name>
    <message>
        <source>Save picture as PNG...</source>
        <translation>Salva immagine come PNG...</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Scuderie</translation>
    </message>
    <message>
        <source> colour</source>
        <translation> - colore</translation>
    </message>
    <message>
        <source>Arrow keys choose a colour, Space or Enter gives it to the part, Page Up and Page Down choose the part</source>
        <translation>Le frecce scelgono un colore, Spazio o Invio lo assegnano alla parte, Pagina su e Pagina giù scelgono la parte</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Colore %1, %2</translation>
    </message>
</context>
<context>
    <name>kvrgui::ConversionWindow</name>
    <message>
        <source>Convert to the game's colours</source>
        <translation>Converti nei colori del gioco</translation>
    </message>
    <message>
        <source>As painted</source>
        <translation>Come dipinta</translation>
    </message>
    <message>
        <source>In the game's colours</source>
        <translation>Nei colori del gioco</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms both pictures</source>
        <translation>Ctrl + rotellina, Ctrl++ o Ctrl+- ingrandisce entrambe le immagini</translation>
    </message>
    <message>
        <source>Dithering</source>
        <translation>Retinatura</translation>
    </message>
    <message>
        <source>None: each colour its nearest</source>
        <translation>Nessuna: ogni colore il più vicino</translation>
    </message>
    <message>
        <source>Error diffusion</source>
        <translation>Diffusione dell'errore</translation>
    </message>
    <message>
        <source>Strength of the error diffusion</source>
        <translation>Intensità della diffusione dell'errore</translation>
    </message>
    <message>
        <source>Transparent pixels</source>
        <translation>Pixel trasparenti</translation>
    </message>
    <message>
        <source>Palette colour of transparent pixels</source>
        <translation>Colore della tavolozza dei pixel trasparenti</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Scale to %1 x %2</source>
        <translation>Scala a %1 x %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Strength: %1%</source>
        <translation>Intensità: %1%</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1, the texture's background colour.</source>
        <translation>I pixel trasparenti prendono il colore %1, il colore di sfondo della texture.</translation>
    </message>
    <message>
        <source>Transparent pixels take colour %1 (the texture's background colour is %2).</source>
        <translation>I pixel trasparenti prendono il colore %1 (il colore di sfondo della texture è %2).</translation>
    </message>
    <message>
        <source>%1 of %2 pixels changed colour; mean difference %3, largest %4 (%5 2000: below 1 is invisible, 2 to 3 a near colour).</source>
        <translation>%1 pixel su %2 hanno cambiato colore; differenza media %3, massima %4 (%5 2000: sotto 1 è invisibile, da 2 a 3 un colore vicino).</translation>
    </message>
</context>
<context>
    <name>kvrgui::EditorWindow</name>
    <message>
        <source>Import data from game</source>
        <translation>Importa dati dal gioco</translation>
    </message>
    <message>
        <source>Export data into game</source>
        <translation>Esporta dati nel gioco</translation>
    </message>
    <message>
        <source>Restore original data</source>
        <translation>Ripristina dati originali</translation>
    </message>
</context>
<context>
    <name>kvrgui::GameTextBox</name>
    <message>
        <source>The game cannot show “%1”; it knows only Western European letters and signs.</source>
        <translation>Il gioco non può mostrare “%1”; conosce solo lettere e segni dell'Europa occidentale.</translation>
    </message>
    <message>
        <source>The game keeps at most %1 characters here.</source>
        <translation>Qui il gioco accetta al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>At most %1 characters, of those the game can show.</source>
        <translation>Al massimo %1 caratteri, tra quelli che il gioco può mostrare.</translation>
    </message>
</context>
<context>
    <name>kvrgui::QtPrompt</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Values that will change</source>
        <translation>Valori che cambieranno</translation>
    </message>
</context>
<context>
    <name>kvrgui::RecordDocument</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>- original settings</source>
        <translation>- impostazioni originali</translation>
    </message>
</context>
<context>
    <name>kvrgui::SessionTables</name>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Tutti +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Tutti -</translation>
    </message>
    <message>
        <source>Qual=Other</source>
        <translation>Qual=Altre</translation>
    </message>
    <message>
        <source>Other=Qual</source>
        <translation>Altre=Qual</translation>
    </message>
</context>
<context>
    <name>kvrgui::TAboutForm</name>
    <message>
        <source>About kvrdesk</source>
        <translation>Informazioni su kvrdesk</translation>
    </message>
    <message>
        <source>Editor for the data of the racing game Kavorra.</source>
        <translation>Editor dei dati del gioco di corse Kavorra.</translation>
    </message>
    <message>
        <source>the licence</source>
        <translation>la licenza</translation>
    </message>
    <message>
        <source>kvrdesk is free software: you may share and change it under the terms of the GNU General Public License, version 3 or (at your option) any later version (%1). It comes with no warranty.</source>
        <translation>kvrdesk è software libero: puoi condividerlo e modificarlo secondo i termini della GNU General Public License, versione 3 o (a tua scelta) qualsiasi versione successiva (%1). Non è fornito alcun tipo di garanzia.</translation>
    </message>
    <message>
        <source>It runs on Qt %1 (built with Qt %2).</source>
        <translation>Funziona con Qt %1 (compilato con Qt %2).</translation>
    </message>
    <message>
        <source>Your configuration (kvrdesk.set, kvrdesk.ini) lives in %1.</source>
        <translation>La tua configurazione (kvrdesk.set, kvrdesk.ini) si trova in %1.</translation>
    </message>
    <message>
        <source>How to use it: the README (README.md) of kvrdesk's sources.</source>
        <translation>Come usarlo: il README (README.md) dei sorgenti di kvrdesk.</translation>
    </message>
    <message>
        <source>How to use it: %1.</source>
        <translation>Come usarlo: %1.</translation>
    </message>
    <message>
        <source>the README</source>
        <translation>il README</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCColorsForm</name>
    <message>
        <source>Cockpit colours</source>
        <translation>Colori abitacolo</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCTuningForm</name>
    <message>
        <source>Car tuning</source>
        <translation>Messa a punto vettura</translation>
    </message>
    <message>
        <source>player's car performance depends on selected team</source>
        <translation>le prestazioni della vettura del giocatore dipendono dalla scuderia scelta</translation>
    </message>
    <message>
        <source> Car weight </source>
        <translation> Peso vettura </translation>
    </message>
    <message>
        <source>Human player car weight</source>
        <translation>Peso vettura del giocatore</translation>
    </message>
    <message>
        <source>Computer car weight</source>
        <translation>Peso vetture del computer</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Collegati</translation>
    </message>
    <message>
        <source> RPM LEDs </source>
        <translation> LED dei giri </translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>LED %1</source>
        <translation>LED %1</translation>
    </message>
    <message>
        <source>LED %1 RPM</source>
        <translation>LED %1 giri/min</translation>
    </message>
    <message>
        <source>(colors works only with original cockpits)</source>
        <translation>(i colori funzionano solo con gli abitacoli originali)</translation>
    </message>
    <message>
        <source> Fuel settings </source>
        <translation> Carburante </translation>
    </message>
    <message>
        <source>show opponents fuel load</source>
        <translation>mostra il carico di carburante degli avversari</translation>
    </message>
    <message>
        <source>laps</source>
        <translation>giri</translation>
    </message>
    <message>
        <source>Initial practice fuel load</source>
        <translation>Carico iniziale di carburante in prova</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load</source>
        <translation>Carico iniziale di carburante in qualifica</translation>
    </message>
    <message>
        <source>Car weight</source>
        <translation>Peso vettura</translation>
    </message>
    <message>
        <source>LED colour</source>
        <translation>Colore LED</translation>
    </message>
    <message>
        <source>LED threshold</source>
        <translation>Soglia LED</translation>
    </message>
    <message>
        <source>Fuel load</source>
        <translation>Carico di carburante</translation>
    </message>
    <message>
        <source>Human player car weight in pounds</source>
        <translation>Peso vettura del giocatore in libbre</translation>
    </message>
    <message>
        <source>Computer car weight in pounds</source>
        <translation>Peso vetture del computer in libbre</translation>
    </message>
    <message>
        <source>Human player car weight in kilograms</source>
        <translation>Peso vettura del giocatore in chilogrammi</translation>
    </message>
    <message>
        <source>Computer car weight in kilograms</source>
        <translation>Peso vetture del computer in chilogrammi</translation>
    </message>
    <message>
        <source>LED %1 colour</source>
        <translation>Colore LED %1</translation>
    </message>
    <message>
        <source>Initial qualifying fuel load in laps</source>
        <translation>Carico iniziale di carburante in qualifica in giri</translation>
    </message>
    <message>
        <source>Initial practice fuel load in laps</source>
        <translation>Carico iniziale di carburante in prova in giri</translation>
    </message>
</context>
<context>
    <name>kvrgui::TCameraForm</name>
    <message>
        <source>Cameras editor</source>
        <translation>Editor telecamere</translation>
    </message>
    <message>
        <source> Select car camera </source>
        <translation> Scegli la telecamera </translation>
    </message>
    <message>
        <source>Camera %1</source>
        <translation>Telecamera %1</translation>
    </message>
    <message>
        <source> Default view </source>
        <translation> Visuale predefinita </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>X - axis</source>
        <translation>Asse X</translation>
    </message>
    <message>
        <source> Distance from </source>
        <translation> Distanza dal </translation>
    </message>
    <message>
        <source> centre of car </source>
        <translation> centro vettura </translation>
    </message>
    <message>
        <source> Angle </source>
        <translation> Angolo </translation>
    </message>
    <message>
        <source>Y - axis</source>
        <translation>Asse Y</translation>
    </message>
    <message>
        <source>Z - axis</source>
        <translation>Asse Z</translation>
    </message>
    <message>
        <source> Height </source>
        <translation> Altezza </translation>
    </message>
    <message>
        <source>Img. tuning</source>
        <translation>Regol. immagine</translation>
    </message>
    <message>
        <source> Value 1 </source>
        <translation> Valore 1 </translation>
    </message>
    <message>
        <source> Value 2 </source>
        <translation> Valore 2 </translation>
    </message>
    <message>
        <source>Camera %1 distance, X axis</source>
        <translation>Telecamera %1 distanza, asse X</translation>
    </message>
    <message>
        <source>Camera %1 height, Z axis</source>
        <translation>Telecamera %1 altezza, asse Z</translation>
    </message>
    <message>
        <source>Camera %1 distance, Y axis</source>
        <translation>Telecamera %1 distanza, asse Y</translation>
    </message>
    <message>
        <source>Camera %1 angle, X axis</source>
        <translation>Telecamera %1 angolo, asse X</translation>
    </message>
    <message>
        <source>Camera %1 angle, Z axis</source>
        <translation>Telecamera %1 angolo, asse Z</translation>
    </message>
    <message>
        <source>Camera %1 angle, Y axis</source>
        <translation>Telecamera %1 angolo, asse Y</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 1</source>
        <translation>Telecamera %1 regolazione immagine, valore 1</translation>
    </message>
    <message>
        <source>Camera %1 image tuning, value 2</source>
        <translation>Telecamera %1 regolazione immagine, valore 2</translation>
    </message>
</context>
<context>
    <name>kvrgui::TDesForm</name>
    <message>
        <source>Settings description</source>
        <translation>Descrizione impostazioni</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>nessuna descrizione</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Salva impostazioni</translation>
    </message>
</context>
<context>
    <name>kvrgui::TEPowerForm</name>
    <message>
        <source>Engine power</source>
        <translation>Potenza motore</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source> BHP </source>
        <translation> BHP </translation>
    </message>
    <message>
        <source>Team %1 engine power in BHP</source>
        <translation>Potenza del motore della scuderia %1 in BHP</translation>
    </message>
    <message>
        <source>Team %1 engine power</source>
        <translation>Potenza del motore della scuderia %1</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Altre sessioni</translation>
    </message>
    <message>
        <source>Human driver engine</source>
        <translation>Motore del giocatore</translation>
    </message>
    <message>
        <source>BHP</source>
        <translation>BHP</translation>
    </message>
    <message>
        <source>Random engine power</source>
        <translation>Potenza motore casuale</translation>
    </message>
    <message>
        <source>Human engine power</source>
        <translation>Potenza motore del giocatore</translation>
    </message>
    <message>
        <source>Human driver engine power in BHP</source>
        <translation>Potenza motore del giocatore in BHP</translation>
    </message>
    <message>
        <source>Raise every team's engine power by the step</source>
        <translation>Aumenta la potenza motore di ogni scuderia del passo</translation>
    </message>
    <message>
        <source>Lower every team's engine power by the step</source>
        <translation>Riduci la potenza motore di ogni scuderia del passo</translation>
    </message>
    <message>
        <source>Step for every team's engine power in BHP</source>
        <translation>Passo per la potenza motore di ogni scuderia in BHP</translation>
    </message>
</context>
<context>
    <name>kvrgui::TFailuresForm</name>
    <message>
        <source>Car failure</source>
        <translation>Guasti vettura</translation>
    </message>
    <message>
        <source> Team-Engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source> Value </source>
        <translation> Valore </translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Scuderie</translation>
    </message>
    <message>
        <source>Car failure values</source>
        <translation>Valori guasti vettura</translation>
    </message>
    <message>
        <source>Edit selected data</source>
        <translation>Modifica i dati selezionati</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>by</source>
        <translation>di</translation>
    </message>
    <message>
        <source> car failure</source>
        <translation> - guasti</translation>
    </message>
    <message>
        <source>Failure value</source>
        <translation>Valore guasti</translation>
    </message>
    <message>
        <source>All +</source>
        <translation>Tutti +</translation>
    </message>
    <message>
        <source>All -</source>
        <translation>Tutti -</translation>
    </message>
    <message>
        <source>Raise every team's failure value by the step</source>
        <translation>Aumenta il valore guasti di ogni scuderia del passo</translation>
    </message>
    <message>
        <source>Lower every team's failure value by the step</source>
        <translation>Riduci il valore guasti di ogni scuderia del passo</translation>
    </message>
    <message>
        <source>Step for every team's failure value</source>
        <translation>Passo per il valore guasti di ogni scuderia</translation>
    </message>
</context>
<context>
    <name>kvrgui::TGripForm</name>
    <message>
        <source>Computer cars grip</source>
        <translation>Aderenza vetture del computer</translation>
    </message>
    <message>
        <source>Select data</source>
        <translation>Scegli i dati</translation>
    </message>
    <message>
        <source>Qualification</source>
        <translation>Qualifiche</translation>
    </message>
    <message>
        <source>Other sessions</source>
        <translation>Altre sessioni</translation>
    </message>
    <message>
        <source>Random grip range</source>
        <translation>Intervallo aderenza casuale</translation>
    </message>
    <message>
        <source>First drivers</source>
        <translation>Primi piloti</translation>
    </message>
    <message>
        <source>First drivers' grip</source>
        <translation>Aderenza primi piloti</translation>
    </message>
    <message>
        <source>Second drivers</source>
        <translation>Secondi piloti</translation>
    </message>
    <message>
        <source>Second drivers' grip</source>
        <translation>Aderenza secondi piloti</translation>
    </message>
    <message>
        <source> 1st drivers </source>
        <translation> Primi piloti </translation>
    </message>
    <message>
        <source> GRIP </source>
        <translation> ADERENZA </translation>
    </message>
    <message>
        <source> 2nd drivers </source>
        <translation> Secondi piloti </translation>
    </message>
    <message>
        <source>Edit selected grip data</source>
        <translation>Modifica l'aderenza selezionata</translation>
    </message>
    <message>
        <source>Grip</source>
        <translation>Aderenza</translation>
    </message>
    <message>
        <source>Raise every car's grip by the step</source>
        <translation>Aumenta l'aderenza di ogni vettura del passo</translation>
    </message>
    <message>
        <source>Lower every car's grip by the step</source>
        <translation>Riduci l'aderenza di ogni vettura del passo</translation>
    </message>
    <message>
        <source>Step for every car's grip</source>
        <translation>Passo per l'aderenza di ogni vettura</translation>
    </message>
</context>
<context>
    <name>kvrgui::THelmetForm</name>
    <message>
        <source>Helmets</source>
        <translation>Caschi</translation>
    </message>
    <message>
        <source> Drivers </source>
        <translation> Piloti </translation>
    </message>
    <message>
        <source>Drag a helmet onto another to swap the two; or press Space on one driver, then Space on another.</source>
        <translation>Trascina un casco su un altro per scambiarli; oppure premi Spazio su un pilota, poi Spazio su un altro.</translation>
    </message>
    <message>
        <source>Save helmet as bitmap</source>
        <translation>Salva casco come bitmap</translation>
    </message>
    <message>
        <source>Load helmet from bitmap</source>
        <translation>Carica casco da bitmap</translation>
    </message>
    <message>
        <source>Save all helmets as bitmap</source>
        <translation>Salva tutti i caschi come bitmap</translation>
    </message>
    <message>
        <source>Load all helmets from bitmap</source>
        <translation>Carica tutti i caschi da bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importa dal gioco</translation>
    </message>
    <message>
        <source>Export into game</source>
        <translation>Esporta nel gioco</translation>
    </message>
    <message>
        <source>Helmet sheet</source>
        <translation>Tavola dei caschi</translation>
    </message>
    <message>
        <source>Selected helmet</source>
        <translation>Casco scelto</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + rotellina, Ctrl++ o Ctrl+- ingrandisce l'immagine</translation>
    </message>
    <message>
        <source>Picked: Space on another driver swaps the two helmets, Escape puts it down</source>
        <translation>Preso: Spazio su un altro pilota scambia i due caschi, Esc lo rimette giù</translation>
    </message>
</context>
<context>
    <name>kvrgui::TIEForm</name>
    <message>
        <source>Import data</source>
        <translation>Importa/esporta dati</translation>
    </message>
    <message>
        <source>Names and numbers</source>
        <translation>Nomi e numeri</translation>
    </message>
    <message>
        <source>Cockpit colors</source>
        <translation>Colori abitacolo</translation>
    </message>
    <message>
        <source>Import all data</source>
        <translation>Importa tutti i dati</translation>
    </message>
    <message>
        <source>Export all data</source>
        <translation>Esporta tutti i dati</translation>
    </message>
    <message>
        <source>KVR.EXE file</source>
        <translation>File KVR.EXE</translation>
    </message>
    <message>
        <source>F1GSTATE.SAV file</source>
        <translation>File F1GSTATE.SAV</translation>
    </message>
</context>
<context>
    <name>kvrgui::TJamForm</name>
    <message>
        <source>Car JAMs</source>
        <translation>JAM vetture</translation>
    </message>
    <message>
        <source> Car paintings </source>
        <translation> Livree </translation>
    </message>
    <message>
        <source> Available teams </source>
        <translation> Scuderie disponibili </translation>
    </message>
    <message>
        <source>Load bitmap</source>
        <translation>Carica bitmap</translation>
    </message>
    <message>
        <source>Save as bitmap</source>
        <translation>Salva come bitmap</translation>
    </message>
    <message>
        <source>Import from game</source>
        <translation>Importa dal gioco</translation>
    </message>
    <message>
        <source>Export to game</source>
        <translation>Esporta nel gioco</translation>
    </message>
    <message>
        <source>Painting</source>
        <translation>Livrea</translation>
    </message>
    <message>
        <source>Ctrl + wheel, Ctrl++ or Ctrl+- zooms the picture</source>
        <translation>Ctrl + rotellina, Ctrl++ o Ctrl+- ingrandisce l'immagine</translation>
    </message>
</context>
<context>
    <name>kvrgui::TMainForm</name>
    <message>
        <source>Names + Numbers</source>
        <translation>Nomi + numeri</translation>
    </message>
    <message>
        <source>Engine Power</source>
        <translation>Potenza motore</translation>
    </message>
    <message>
        <source>CC Grip</source>
        <translation>Aderenza CPU</translation>
    </message>
    <message>
        <source>Car Failure</source>
        <translation>Guasti vettura</translation>
    </message>
    <message>
        <source>Car Tuning</source>
        <translation>Messa a punto</translation>
    </message>
    <message>
        <source>Nose Cones</source>
        <translation>Musi</translation>
    </message>
    <message>
        <source>Pit Lane Settings</source>
        <translation>Corsia box</translation>
    </message>
    <message>
        <source>Cockpit Colours</source>
        <translation>Colori abitacolo</translation>
    </message>
    <message>
        <source>Pit Crew Colours</source>
        <translation>Colori meccanici</translation>
    </message>
    <message>
        <source>Car Jams</source>
        <translation>JAM vetture</translation>
    </message>
    <message>
        <source>Helmets</source>
        <translation>Caschi</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Telecamere</translation>
    </message>
    <message>
        <source>Track Editor</source>
        <translation>Editor circuiti</translation>
    </message>
    <message>
        <source>Cockpit Manager</source>
        <translation>Gestione abitacoli</translation>
    </message>
    <message>
        <source>Track Manager</source>
        <translation>Gestione circuiti</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>KVR: </source>
        <translation>KVR: </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Load settings</source>
        <translation>&amp;Carica impostazioni</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Salva impostazioni</translation>
    </message>
    <message>
        <source>Save settings &amp;As</source>
        <translation>Salva impostazioni con &amp;nome</translation>
    </message>
    <message>
        <source>Recent settings &amp;files</source>
        <translation>File di impostazioni &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Restore original settings</source>
        <translation>R&amp;ipristina impostazioni originali</translation>
    </message>
    <message>
        <source>Save changes as &amp;patch...</source>
        <translation>Salva modifiche come &amp;patch...</translation>
    </message>
    <message>
        <source>Appl&amp;y patch...</source>
        <translation>&amp;Applica patch...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Settings description</source>
        <translation>&amp;Descrizione impostazioni</translation>
    </message>
    <message>
        <source>&amp;Import/Export</source>
        <translation>&amp;Importa/Esporta</translation>
    </message>
    <message>
        <source>&amp;Preview changes before Export all data</source>
        <translation>&amp;Anteprima delle modifiche prima di Esporta tutti i dati</translation>
    </message>
    <message>
        <source>Preview changes before an &amp;editor's export</source>
        <translation>Anteprima delle modifiche prima dell'esportazione di un &amp;editor</translation>
    </message>
    <message>
        <source>Settings description</source>
        <translation>Descrizione impostazioni</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Carica impostazioni</translation>
    </message>
    <message>
        <source>Restore original settings</source>
        <translation>Ripristina impostazioni originali</translation>
    </message>
    <message>
        <source>Apply patch</source>
        <translation>Applica patch</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>ESCI</translation>
    </message>
    <message>
        <source>Locate the &amp;game again...</source>
        <translation>&amp;Trova di nuovo il gioco...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>&amp;About kvrdesk</source>
        <translation>&amp;Informazioni su kvrdesk</translation>
    </message>
    <message>
        <source>&amp;Car set manager...</source>
        <translation>&amp;Gestione set di vetture...</translation>
    </message>
    <message>
        <source>&amp;Mods...</source>
        <translation>&amp;Mod...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TModsForm</name>
    <message>
        <source>Mods</source>
        <translation>Mod</translation>
    </message>
    <message>
        <source>&amp;Mods on the game, the first put on first (a later one wins):</source>
        <translation>&amp;Mod nel gioco, il primo applicato per primo (uno successivo vince):</translation>
    </message>
    <message>
        <source>Mods on the game</source>
        <translation>Mod nel gioco</translation>
    </message>
    <message>
        <source>&amp;About the mod:</source>
        <translation>&amp;Informazioni sul mod:</translation>
    </message>
    <message>
        <source>About the mod</source>
        <translation>Informazioni sul mod</translation>
    </message>
    <message>
        <source>&amp;Values more than one mod sets:</source>
        <translation>&amp;Valori impostati da più di un mod:</translation>
    </message>
    <message>
        <source>Values more than one mod sets</source>
        <translation>Valori impostati da più di un mod</translation>
    </message>
    <message>
        <source>&amp;Put on...</source>
        <translation>A&amp;pplica...</translation>
    </message>
    <message>
        <source>&amp;Take off</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Sposta s&amp;u</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Freccia su</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Freccia giù</translation>
    </message>
    <message>
        <source>%1, by %2</source>
        <translation>%1, di %2</translation>
    </message>
    <message>
        <source>No mods are on.</source>
        <translation>Nessun mod applicato.</translation>
    </message>
    <message>
        <source>%1 sets %2</source>
        <translation>%1 imposta %2</translation>
    </message>
    <message>
        <source>%1: %2; %3 holds</source>
        <translation>%1: %2; vale %3</translation>
    </message>
    <message>
        <source>%1 (%2), values it sets: %3</source>
        <translation>%1 (%2), valori che imposta: %3</translation>
    </message>
    <message>
        <source>Put on %1</source>
        <translation>Applica %1</translation>
    </message>
    <message>
        <source>Take off %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Move up %1</source>
        <translation>Sposta su %1</translation>
    </message>
    <message>
        <source>Move down %1</source>
        <translation>Sposta giù %1</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNamesForm</name>
    <message>
        <source>Names and numbers</source>
        <translation>Nomi e numeri</translation>
    </message>
    <message>
        <source>Teams</source>
        <translation>Scuderie</translation>
    </message>
    <message>
        <source> Selected </source>
        <translation> Piloti </translation>
    </message>
    <message>
        <source>   drivers </source>
        <translation>   scelti </translation>
    </message>
    <message>
        <source> 1st </source>
        <translation> 1° </translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2°</translation>
    </message>
    <message>
        <source> Team-engine </source>
        <translation> Scuderia-motore </translation>
    </message>
    <message>
        <source> Team data </source>
        <translation> Dati scuderia </translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nome scuderia</translation>
    </message>
    <message>
        <source>Engine name</source>
        <translation>Nome motore</translation>
    </message>
    <message>
        <source>1st driver name</source>
        <translation>Nome 1° pilota</translation>
    </message>
    <message>
        <source>2nd driver name</source>
        <translation>Nome 2° pilota</translation>
    </message>
    <message>
        <source>1st driver number</source>
        <translation>Numero 1° pilota</translation>
    </message>
    <message>
        <source>2nd driver number</source>
        <translation>Numero 2° pilota</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>First driver - '0'</source>
        <translation>Primo pilota - '0'</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selezione piloti</translation>
    </message>
    <message>
        <source>Car %1 takes part</source>
        <translation>La vettura %1 partecipa</translation>
    </message>
    <message>
        <source>Team %1 1st driver takes part</source>
        <translation>Il 1° pilota della scuderia %1 partecipa</translation>
    </message>
    <message>
        <source>Team %1 2nd driver takes part</source>
        <translation>Il 2° pilota della scuderia %1 partecipa</translation>
    </message>
</context>
<context>
    <name>kvrgui::TNosesForm</name>
    <message>
        <source>Nose cones </source>
        <translation>Musi</translation>
    </message>
    <message>
        <source> Teams </source>
        <translation> Scuderie </translation>
    </message>
    <message>
        <source>Nose cones</source>
        <translation>Musi</translation>
    </message>
    <message>
        <source>raised</source>
        <translation>rialzato</translation>
    </message>
    <message>
        <source>lowered</source>
        <translation>abbassato</translation>
    </message>
    <message>
        <source>Nose cone</source>
        <translation>Muso</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPCColorsForm</name>
    <message>
        <source>Pit crew colors</source>
        <translation>Colori meccanici</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPathForm</name>
    <message>
        <source>Locate KVR</source>
        <translation>Trova KVR</translation>
    </message>
    <message>
        <source>Locate kvr.exe file on your hard disk</source>
        <translation>Trova il file kvr.exe sul disco fisso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>kvrgui::TPitLineForm</name>
    <message>
        <source>Pit line settings</source>
        <translation>Impostazioni corsia box</translation>
    </message>
    <message>
        <source> Pit order </source>
        <translation> Ordine dei box </translation>
    </message>
    <message>
        <source>Drag a team onto another to swap their pits; or press Alt+Up or Alt+Down to swap the chosen team with its neighbour.</source>
        <translation>Trascina una scuderia su un'altra per scambiarne i box; oppure premi Alt+Freccia su o Alt+Freccia giù per scambiare la scuderia scelta con quella accanto.</translation>
    </message>
    <message>
        <source>pit line entry</source>
        <translation>ingresso corsia box</translation>
    </message>
    <message>
        <source>pit line exit</source>
        <translation>uscita corsia box</translation>
    </message>
    <message>
        <source> Pit line speed </source>
        <translation> Velocità in corsia box </translation>
    </message>
    <message>
        <source>Max. allowed pit line speed</source>
        <translation>Velocità massima consentita in corsia box</translation>
    </message>
    <message>
        <source>Check speed in pit line</source>
        <translation>Controlla la velocità in corsia box</translation>
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
        <translation>Ordine dei box</translation>
    </message>
    <message>
        <source>Pit line speed</source>
        <translation>Velocità in corsia box</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in km/h</source>
        <translation>Velocità massima consentita in corsia box in km/h</translation>
    </message>
    <message>
        <source>Max. allowed pit line speed in mph</source>
        <translation>Velocità massima consentita in corsia box in mph</translation>
    </message>
</context>
<context>
    <name>kvrgui::TShortcutsForm</name>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Che cosa fanno</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Moves to the next field, as Tab does (in the main window and the editor windows)</source>
        <translation>Passa al campo successivo, come Tab (nella finestra principale e nelle finestre degli editor)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Closes an editor window, keeping its changes, as "Back" does</source>
        <translation>Chiude una finestra dell'editor mantenendo le modifiche, come «Indietro»</translation>
    </message>
    <message>
        <source>Alt+underlined letter</source>
        <translation>Alt+lettera sottolineata</translation>
    </message>
    <message>
        <source>Opens that menu, or presses that button</source>
        <translation>Apre quel menu o preme quel pulsante</translation>
    </message>
    <message>
        <source>Pit line: exchanges the selected team with the one above or below</source>
        <translation>Corsia box: scambia la scuderia scelta con quella sopra o sotto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Helmets: picks up the selected driver's helmet; on another driver, swaps the two</source>
        <translation>Caschi: prende il casco del pilota scelto; su un altro pilota, scambia i due</translation>
    </message>
    <message>
        <source>Helmets: puts a picked-up helmet down again</source>
        <translation>Caschi: rimette giù un casco preso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>kvrgui::TStartForm</name>
    <message>
        <source>Loading data...</source>
        <translation>Caricamento dati...</translation>
    </message>
</context>
<context>
    <name>kvrgui::TTrackEdForm</name>
    <message>
        <source>Front wing</source>
        <translation>Alettone anteriore</translation>
    </message>
    <message>
        <source>Rear wing</source>
        <translation>Alettone posteriore</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6ª</translation>
    </message>
    <message>
        <source>Track editor</source>
        <translation>Editor circuiti</translation>
    </message>
    <message>
        <source> Grand Prix </source>
        <translation> Gran Premio </translation>
    </message>
    <message>
        <source> Computer car setup </source>
        <translation> Assetto vetture del computer </translation>
    </message>
    <message>
        <source>deg</source>
        <translation>gradi</translation>
    </message>
    <message>
        <source>GEARBOX</source>
        <translation>CAMBIO</translation>
    </message>
    <message>
        <source> Other track specific values </source>
        <translation> Altri valori del circuito </translation>
    </message>
    <message>
        <source>Tyre - "%1"</source>
        <translation>Gomme - "%1"</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Consumo carburante</translation>
    </message>
    <message>
        <source>Tyre consumption</source>
        <translation>Usura gomme</translation>
    </message>
    <message>
        <source>Tyre type</source>
        <translation>Tipo di gomme</translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation>Circuito %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 gear</source>
        <translation>%1 marcia</translation>
    </message>
</context>
<context>
    <name>kvrgui::WindowFrame</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
</context>
</TS>
