<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 era un collegamento simbolico a un altro file, che non viene usato; il collegamento è stato messo da parte come %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>La cartella di destinazione non viene ricordata: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Specificare un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Non è indicata alcuna cartella di destinazione.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» è un file, non una cartella.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>neanche la cartella superiore esiste</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>è stato rifiutato</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>La cartella «%1» non esiste e non può essere creata: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 non era un file normale e non viene usato; è stato messo da parte come %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Convertitore multimediale per i tuoi dispositivi</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>File in corso:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Avanzamento totale:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversione in corso…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Avanzamento del file in corso</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Avanzamento totale</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Mostra anteprima</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Spegni il computer al termine della conversione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Ferma la conversione</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Avanzamento di %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arresto in corso…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Fermare la conversione?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>File convertiti contemporaneamente</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Assistenza:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>Imposta inizio</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Imposta fine</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
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
        <source>Reset Time</source>
        <translation>Ripristina tempi</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Inizio</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Ri&amp;produci</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posizione e durata</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Ritaglia – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>Fin&amp;e</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogrammi/s:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Campionamento:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stereo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canale mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canali stereo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Audio:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sottotitoli:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automatico: nessuno</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatico: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canale</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>file %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinita</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzata</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossibile aprire il collegamento:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Codificatore:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogrammi/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Campionamento:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Preimpostazione:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Impostazioni predefinite</translation>
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
        <source>This %1 cannot be used: %2.</source>
        <translation>Questo valore (%1) non può essere usato: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>dimensione dell&apos;immagine</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>frequenza fotogrammi</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>bitrate video</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>frequenza di campionamento</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>numero di canali</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>bitrate audio</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>impostazione</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>Conversione non riuscita.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canale mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canali stereo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canali</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Sorgenti</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Tracce audio e sottotitoli scelte per prime quando un file ne ha più di una</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Immagine fissa:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Quanto dura un&apos;immagine (JPEG, PNG, …) come video</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Adatta ogni video in uscita a questa dimensione, ad esempio 700 MB; vuoto: usa il bitrate indicato sopra</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(il bitrate video si adegua)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Mantieni il video se il dispositivo lo riproduce</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>Il video viene copiato senza modifiche quando rientra in ciò che il dispositivo del profilo riproduce (limiti di codec, profilo, livello, dimensione e frequenza fotogrammi), indipendentemente dalla dimensione e dal bitrate in cui questo profilo convertirebbe; anche l&apos;audio viene mantenuto se il dispositivo lo riproduce</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Taglia esattamente all&apos;inizio</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Un video mantenuto può iniziare solo da un fotogramma chiave, fino a qualche secondo prima dell&apos;inizio; con questa opzione le attività con un inizio vengono convertite</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>La dimensione di destinazione deve essere una dimensione come 700 MB o 1.4 GB, oppure restare vuota.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Desktop: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Posizione e durata</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Uscita:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Aggiungi file o trascinali qui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Aggiunta file: %1 di %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Aggiungi file…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Ritaglia…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informazioni sul file…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Mantieni le sottocartelle</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Salta i file già convertiti</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Lettura delle cartelle: %1 file trovati</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Selezionare i file video da ritagliare.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Aggiungere dei file video.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Selezionare almeno un&apos;attività da convertire.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Per unire occorre scegliere due o più file.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Conversione %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Errore JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Conversione di file multimediali</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>La cartella di destinazione «%1» non accetta file: %2. Specificare un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + altri %1</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% completato</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 attività completate / %2 in totale</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Circa %1 rimanenti in tutto</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Circa %1 rimanenti per questo file</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>%1 completate, %2 non riuscite, %3 fermate.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Non riuscite:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>nessun motivo indicato</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… e altri %1.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversione terminata</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 completate, %2 non riuscite</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Già convertito</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>L&apos;uscita unita sarebbe di circa %1 GB, ma un file sul volume FAT32 %2 può essere al massimo di 4 GB.
Unire meno file o file più brevi, abbassare i bitrate o scegliere un&apos;altra cartella di destinazione.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>L&apos;uscita di «%1» sarebbe di circa %2 GB, ma un file sul volume FAT32 %3 può essere al massimo di 4 GB.
Accorciare il frammento, abbassare i bitrate o scegliere un&apos;altra cartella di destinazione.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Interrotto subito; il file di output incompleto è stato rimosso</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>Il contenitore di output scrive file propri accanto all&apos;output; usare un&apos;altra estensione</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; la sua miniatura potrebbe restare come %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; potrebbero restare miniature dei file uniti</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; quanto scritto è stato rimosso, ma potrebbe restare un file vuoto come %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; potrebbe restare un file parziale come %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Nessun contenitore corrisponde al nome dell&apos;output</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>L&apos;output non accetta il video della sorgente così com&apos;è</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>L&apos;output non accetta l&apos;audio della sorgente così com&apos;è</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>L&apos;encoder video non accetta queste impostazioni</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>L&apos;encoder audio non accetta queste impostazioni</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Memoria insufficiente per i buffer delle immagini</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Memoria insufficiente per l&apos;encoder video</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Memoria insufficiente per l&apos;encoder audio</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Memoria insufficiente per il decoder video della sorgente</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Memoria insufficiente per il decoder audio della sorgente</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>L&apos;output unito non ha un flusso video per le immagini di questa sorgente</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>L&apos;output unito non ha un flusso audio per l&apos;audio di questa sorgente</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Nessun fotogramma del video è stato decodificato e convertito</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Nessun file sorgente</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Impossibile creare l&apos;output: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Impossibile creare l&apos;output</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Impossibile scrivere l&apos;intestazione dell&apos;output: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Impossibile scrivere l&apos;intestazione dell&apos;output</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Impossibile scrivere l&apos;output: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Impossibile scrivere l&apos;output</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Impossibile completare l&apos;output: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Impossibile completare l&apos;output</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>Il file di output è stato sostituito o rimosso durante la scrittura</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Impossibile convertire l&apos;audio</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Impossibile codificare l&apos;output</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Impossibile aprire la sorgente: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Impossibile aprire la sorgente</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>La sorgente non è un file normale</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Impossibile leggere i flussi della sorgente: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>Impossibile decodificare la traccia sottotitoli %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Impossibile leggere il file di sottotitoli %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>Il file di sottotitoli %1 contiene un sottotitolo di %2 byte, troppo lungo da disegnare</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>Il file di sottotitoli %1 richiede caratteri troppo grandi da disegnare</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>Impossibile decodificare il video della sorgente</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Impossibile decodificare l&apos;audio della sorgente</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>La sorgente non ha la traccia audio %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>La sorgente non ha la traccia sottotitoli %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Un&apos;immagine non ha audio: convertirla con un profilo video</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>La sorgente non ha audio da convertire</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Impossibile conservare le statistiche del primo passaggio</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>La dimensione di destinazione non lascia spazio al video di questo file</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Impossibile creare una cartella privata per le statistiche del primo passaggio</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>il video mantenuto inizia dal fotogramma chiave a %1, %2 prima dell&apos;ora di inizio</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>video e audio mantenuti così come sono</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>video mantenuto così com&apos;è</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>audio mantenuto così com&apos;è</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>video convertito: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>audio convertito: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>uno dei file uniti non può essere letto</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>i video dei file uniti hanno parametri diversi</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>l&apos;audio dei file uniti è diverso</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>la sorgente non ha video</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>i sottotitoli vengono impressi nell&apos;immagine</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>è stato richiesto un taglio esatto</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>il video viene adattato alla dimensione di destinazione</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (firmware %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (uscita video)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>la dimensione dell&apos;immagine %1x%2 supera i %4x%5 della %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>la dimensione dell&apos;immagine %1x%2 supera i %4 pixel della %3 (%5x%6 o %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps supera i %3 fps della %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>l&apos;immagine è ruotata di %1 gradi, cosa che la %2 non applica</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>i suoi pixel non sono quadrati (%1:%2), la %3 mostra l&apos;immagine deformata</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>l&apos;immagine è interlacciata senza indicare quale semiquadro viene prima</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>un video a %1 bit supera gli 8 bit della %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>il colore %1 non è il 4:2:0 che la %2 riproduce</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>il profilo %1 non è riprodotto dalla %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>il livello %1 supera il livello %3 della %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>dimensione e frequenza superano il livello %1 della %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 fotogrammi di riferimento superano i %3 della %2 a questa dimensione</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>le sue immagini hanno %1 slice; la %2 ne decodifica una sola</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>la %1 non apre file %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>la %2 non riproduce video %1 in %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>la %1 riproduce solo AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 canali AAC superano i %3 della %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>la %2 non riproduce AAC a %1 Hz</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>la %2 non riproduce audio %1 in %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>l&apos;encoder %1 accetta solo %2 a %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>l&apos;encoder %1 accetta solo %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>l&apos;encoder %1 accetta «1 canale mono», «2 canali stereo» o «5.1 canali»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>l&apos;encoder %1 accetta «1 canale mono» o «2 canali stereo»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>l&apos;encoder %1 accetta solo «1 canale mono»</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>l&apos;encoder %1 accetta da %2 a %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>l&apos;encoder %1 accetta da %2 kbps a %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>l&apos;encoder %1 accetta %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>larghezze e altezze pari da %1 a %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>da %1 kbps a %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Una dimensione di destinazione vale per gli output video: la dimensione di un file audio dipende dal suo bitrate.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>La dimensione di destinazione di %1 supera quanto può contenere un file sulla memoria FAT32 della %2 (al massimo 4 GB).
Scegliere una dimensione minore.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>La dimensione di destinazione di %1 è troppo piccola per %2: il video avrebbe %3, meno dei %4 richiesti da questo profilo.
Scegliere una dimensione maggiore, una clip più corta o un profilo con immagini più piccole.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>La dimensione di destinazione è troppo piccola per il video di questo file: anche alla qualità più bassa del codificatore richiede più di %1, e la dimensione lascia %2.
Scegliere una dimensione maggiore, una clip più corta o un profilo con immagini più piccole.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>La dimensione di destinazione di %1 è troppo grande per %2: il video richiederebbe %3, più dei %4 kbps che riproduce %5.
Scegliere una dimensione minore.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (durata %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>l&apos;output unito</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>la %1 con H.264 livello %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>la %1 con MPEG-2 profilo Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>la %1 con il profilo %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>la PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>la PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>File o directory inesistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Trovati dati non validi durante l&apos;elaborazione dell&apos;input</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Spazio esaurito sul dispositivo</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Errore di input/output</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>File system di sola lettura</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Quota del disco superata</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File troppo grande</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>l&apos;output è più piccolo della dimensione di destinazione: il video non richiede di più (%1 di %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>l&apos;output è più grande della dimensione di destinazione: il codificatore non è riuscito a rispettarla (%1 di %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Ritaglia video</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Avvia la conversione</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Apri i file convertiti</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Scegli la cartella di destinazione</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Unisci in un file</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Impostazioni di conversione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Apri la cartella di destinazione</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Sfoglia per scegliere la cartella di destinazione</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Unisci in un file</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Informazioni sul file</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posizione e durata</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Tutti i file (*.*)|*.*|Tutti i file multimediali|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|File Flash (*.flv)|*.flv|File Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|File QuickTime (*.mov;*.qt)|*.qt;*.mov|File AVI (*.avi)|*.avi|File MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|File VOB non protetti (*.vob)|*.vob|File VCD (*.dat)|*.dat|File Matroska Video (*.mkv)|*.mkv|File MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|File 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|File Windows Media (*.asf;*.wmv)|*.asf;*.wmv|File MOD (*.mod)|*.mod|File TOD (*.tod)|*.tod|File ad alta definizione (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|File Digital Video (*.dv)|*.dv|File NUT (*.nut)|*.nut|File video H.264 grezzi (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Tutti i file audio|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|File Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|File Audio Code 3 (*.ac3)|*.ac3|File Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|File MP3 (*.mp3)|*.mp3|File Ogg Vorbis Audio (*.ogg)|*.ogg|File Real Audio (*.ra;*.ram)|*.ra;*.ram|File WAV Audio (*.wav)|*.wav|File Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Selezionare la cartella di destinazione:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Il nome della cartella di destinazione non è valido.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Impossibile trovare il file della guida.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Scrivi ogni uscita nella cartella della sua sorgente, sotto la cartella di destinazione</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Tralascia i file di cui un&apos;esecuzione precedente ha scritto l&apos;uscita completa</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Mantieni le sottocartelle</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Salta i file già convertiti</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Nessun programma è riuscito ad aprire la pagina della guida. Aprila in un browser web:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Nessun programma è riuscito ad aprire la cartella di destinazione. Aprila in un gestore di file:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Il sistema operativo ha esaurito
la memoria o le risorse.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Il file indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Il percorso indicato non è stato trovato.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Il sistema operativo ha negato
l&apos;accesso al file indicato.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Memoria insufficiente per completare l&apos;operazione.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Il file .EXE non è valido
(non è un .EXE Win32 o l&apos;immagine .EXE contiene errori).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Si è verificata una violazione di condivisione. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;associazione del nome file
è incompleta o non valida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Impossibile completare la transazione DDE:
la richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transazione DDE non è riuscita.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Impossibile completare la transazione DDE
perché erano in corso
altre transazioni DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nessuna applicazione è associata
a questa estensione di file.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La libreria dinamica indicata non è stata trovata.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Si è verificato un errore sconosciuto (%1).</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non può essere letto (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>non è un file video o audio leggibile</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>non è possibile misurarne la durata</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>immagine troppo grande: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>il file sta ancora crescendo</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Pronto</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>File di origine</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Il file %1 non è valido.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>Il file %1 non è valido: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 file non sono validi e non sono stati aggiunti:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… e altri %1.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Il file %1 non è valido.</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>L&apos;elenco delle attività è pieno: contiene al massimo %1 file. I file rimanenti non sono stati aggiunti.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>non può essere aperto</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>è troppo grande</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>non è un elenco di attività di questo programma</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>è stato scritto da una versione più recente</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 non è un file normale e non può essere messo da parte</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>interrotto prima della rinomina</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>Non è stato possibile usare l&apos;elenco delle attività della sessione precedente: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
È stato messo da parte come %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
Il programma si avvia con un elenco di attività vuoto.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>Impossibile salvare l&apos;elenco delle attività: %1.
L&apos;elenco salvato in precedenza resta invariato; il salvataggio verrà ritentato tra poco.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Non è stato possibile usare il file dell&apos;elenco delle attività (%1), che non è stato sovrascritto: è stato messo da parte come %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>è un collegamento simbolico, non un file di questo programma</translation>
    </message>
</context>
</TS>
