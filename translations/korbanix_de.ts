<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 war ein symbolischer Link auf eine andere Datei, die nicht verwendet wird; der Link wurde als %2 beiseitegelegt</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>Der Ausgabeordner wird nicht gespeichert: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Bitte geben Sie einen anderen Ordner an!</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Es ist kein Ausgabeordner angegeben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>der übergeordnete Ordner existiert ebenfalls nicht</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>es wurde abgelehnt</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>Der Ordner „%1“ existiert nicht und kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 war keine reguläre Datei und wird nicht verwendet; es wurde als %2 beiseitegelegt</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammen­fügen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Medienkonverter für Ihre Geräte</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Gesamtfortschritt:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird konvertiert …</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Fortschritt der aktuellen Datei</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Gesamtfortschritt</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Vorschau zeigen</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Computer nach Abschluss der Konvertierung ausschalten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Konvertierung anhalten</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2 %</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Konvertierung anhalten?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Gleichzeitig konvertierte Dateien</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Website:</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>Startzeit setzen</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Endzeit setzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <source>Reset Time</source>
        <translation>Zeiten zurücksetzen</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Schnittlänge</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Start setzen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Lautstärke</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Position und Länge</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Schneiden – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Ende setzen</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
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
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 Kanal Mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 Kanäle Stereo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Ton:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automatisch: keine</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatisch: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>Datei %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>erzwungen</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>unbekannt</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link kann nicht geöffnet werden:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Encoder:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
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
        <translation>Formatvorlage:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Standardeinstellung</translation>
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
        <source>This %1 cannot be used: %2.</source>
        <translation>Diese Angabe (%1) kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>Video-Bitrate</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanalzahl</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>Audio-Bitrate</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>Konvertierung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 Kanal Mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 Kanäle Stereo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 Kanäle</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Die zuerst gewählten Ton- und Untertitelspuren, wenn eine Datei mehrere hat</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Standbild:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Wie lange ein Bild (JPEG, PNG, …) als Video gezeigt wird</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Zielgröße:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Jede Videoausgabe auf diese Größe bringen, z. B. 700 MB; leer: die Bitrate oben verwenden</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(die Video-Bitrate passt sich an)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Video beibehalten, wenn das Gerät es abspielt</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>Das Video wird unverändert kopiert, wenn es innerhalb dessen liegt, was das Gerät des Profils abspielt (Codec, Profil, Level, Größe und Bildrate), unabhängig von Größe und Bitrate, in die dieses Profil konvertieren würde; der Ton wird ebenfalls beibehalten, wenn das Gerät ihn abspielt</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Genau an der Startzeit schneiden</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Ein beibehaltenes Video kann nur an einem Keyframe beginnen, bis zu einige Sekunden vor der Startzeit; mit dieser Option werden Aufgaben mit Startzeit konvertiert</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>Die Zielgröße muss eine Größe wie 700 MB oder 1.4 GB sein oder leer bleiben.</translation>
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
        <translation>Position und Länge</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Dateien hinzufügen oder hier ablegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Dateien werden hinzugefügt: %1 von %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Dateien hinzufügen …</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Schneiden …</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Dateiinformationen …</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Ordnerstruktur beibehalten</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Erledigte Dateien überspringen</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Ordner werden gelesen: %1 Dateien gefunden</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Bitte wählen Sie die zu schneidenden Videodateien aus!</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Bitte fügen Sie Videodateien hinzu!</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Bitte markieren Sie mindestens eine Aufgabe zum Konvertieren!</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Zusammenfügen ist erst ab zwei ausgewählten Dateien möglich!</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Konvertierung %1 %</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>JPEG-Fehler</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Mediendateien werden konvertiert</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>Der Ausgabeordner „%1“ nimmt keine Dateien an: %2. Bitte geben Sie einen anderen Ordner an!</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + %1 weitere</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2 % erledigt</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 Aufgabe(n) fertig / insgesamt %2 Aufgabe(n)</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Insgesamt noch etwa %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Für diese Datei noch etwa %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>%1 fertig, %2 fehlgeschlagen, %3 angehalten.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Fehlgeschlagen:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… und %1 weitere.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 fertig, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Bereits erledigt</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>Die zusammengefügte Ausgabe wäre etwa %1 GB groß, aber eine Datei auf dem FAT32-Datenträger %2 kann höchstens 4 GB groß sein.
Fügen Sie weniger oder kürzere Dateien zusammen, senken Sie die Bitraten oder wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>Die Ausgabe von „%1“ wäre etwa %2 GB groß, aber eine Datei auf dem FAT32-Datenträger %3 kann höchstens 4 GB groß sein.
Kürzen Sie den Abschnitt, senken Sie die Bitraten oder wählen Sie einen anderen Ausgabeordner.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Sofort angehalten; die unfertige Ausgabedatei wurde entfernt</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>Das Containerformat der Ausgabe schreibt eigene Dateien neben die Ausgabe; bitte eine andere Dateiendung wählen</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; die Miniaturansicht kann als %2 übrig bleiben</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; Miniaturansichten der verbundenen Dateien können übrig bleiben</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; das Geschriebene wurde entfernt, aber eine leere Datei kann als %2 übrig bleiben</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; eine unvollständige Datei kann als %2 übrig bleiben</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Kein Containerformat passt zum Namen der Ausgabe</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>Die Ausgabe kann das Video der Quelle nicht unverändert aufnehmen</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>Die Ausgabe kann den Ton der Quelle nicht unverändert aufnehmen</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>Der Video-Encoder akzeptiert diese Einstellungen nicht</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>Der Audio-Encoder akzeptiert diese Einstellungen nicht</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Nicht genug Speicher für die Bildpuffer</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Nicht genug Speicher für den Video-Encoder</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Nicht genug Speicher für den Audio-Encoder</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Nicht genug Speicher für den Video-Decoder der Quelle</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Nicht genug Speicher für den Audio-Decoder der Quelle</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>Die zusammengefügte Ausgabe hat keinen Videostream für die Bilder dieser Quelle</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>Die zusammengefügte Ausgabe hat keinen Audiostream für den Ton dieser Quelle</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Kein einziges Bild des Videos konnte dekodiert und konvertiert werden</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Keine Quelldatei</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Die Ausgabedatei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Die Ausgabedatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Der Header der Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Der Header der Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Die Ausgabe kann nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Die Ausgabe kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>Die Ausgabedatei wurde während des Schreibens ersetzt oder entfernt</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Der Ton kann nicht konvertiert werden</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Die Ausgabe kann nicht kodiert werden</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Die Quelle kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Die Quelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>Die Quelle ist keine normale Datei</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Die Streams der Quelle können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>Die Untertitelspur %1 kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Die Untertiteldatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>Die Untertiteldatei %1 enthält einen Eintrag mit %2 Bytes, zu lang zum Einblenden</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>Die Untertiteldatei %1 verlangt zu große Schrift zum Einblenden</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>Das Video der Quelle kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Der Ton der Quelle kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>Die Quelle hat keine Tonspur %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>Die Quelle hat keine Untertitelspur %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Ein Bild hat keinen Ton: bitte mit einem Videoprofil konvertieren</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>Die Quelle hat keinen Ton zum Konvertieren</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Die Statistik des ersten Durchgangs kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>Die Zielgröße lässt keinen Platz für das Video dieser Datei</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Für die Statistik des ersten Durchgangs kann kein privater Ordner angelegt werden</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>das beibehaltene Video beginnt am Keyframe bei %1, %2 vor der Startzeit</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>Video und Ton unverändert beibehalten</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>Video unverändert beibehalten</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>Ton unverändert beibehalten</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>Video konvertiert: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>Ton konvertiert: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>eine der verbundenen Dateien kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>die Videos der verbundenen Dateien unterscheiden sich in ihren Parametern</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>der Ton der verbundenen Dateien ist unterschiedlich</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>die Quelle hat kein Video</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>Untertitel werden ins Bild eingebrannt</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>ein genauer Schnitt wurde verlangt</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>das Video wird an die Zielgröße angepasst</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (Firmware %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (Videoausgang)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>die Bildgröße %1x%2 übersteigt die %4x%5 der %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>die Bildgröße %1x%2 übersteigt die %4 Bildpunkte der %3 (%5x%6 oder %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps übersteigt die %3 fps der %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>das Bild ist um %1 Grad gedreht, was die %2 nicht umsetzt</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>die Pixel sind nicht quadratisch (%1:%2), die %3 zeigt das Bild verzerrt</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>das Bild ist interlaced, ohne anzugeben, welches Halbbild zuerst kommt</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>%1-Bit-Video übersteigt die 8 Bit der %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>%1-Farbe ist nicht das 4:2:0, das die %2 abspielt</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>das Profil %1 spielt die %2 nicht ab</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>Level %1 übersteigt Level %3 der %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>Größe und Bildrate übersteigen Level %1 der %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 Referenzbilder sind mehr als die %3, die die %2 bei dieser Größe erlaubt</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>die Bilder haben %1 Slices; die %2 dekodiert nur eines</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>die %1 öffnet keine %2-Dateien</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>%1-Video spielt die %2 in %3 nicht ab</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>die %1 spielt nur AAC-LC ab</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 AAC-Kanäle sind mehr als die %3 der %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>AAC mit %1 Hz spielt die %2 nicht ab</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>%1-Ton spielt die %2 in %3 nicht ab</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>der %1-Encoder akzeptiert bei %3 nur %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>der %1-Encoder akzeptiert nur %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>der %1-Encoder akzeptiert „1 Kanal Mono“, „2 Kanäle Stereo“ oder „5.1 Kanäle“</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>der %1-Encoder akzeptiert „1 Kanal Mono“ oder „2 Kanäle Stereo“</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>der %1-Encoder akzeptiert nur „1 Kanal Mono“</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>der %1-Encoder akzeptiert %2 bis %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>der %1-Encoder akzeptiert %2 kbps bis %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>der %1-Encoder akzeptiert %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>gerade Breiten und Höhen von %1 bis %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>%1 kbps bis %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Eine Zielgröße gilt für Videoausgaben: Die Größe einer Tondatei ergibt sich aus ihrer Bitrate.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>Die Zielgröße von %1 ist mehr, als eine Datei auf dem FAT32-Speicher der %2 fassen kann (höchstens 4 GB).
Bitte eine kleinere Größe wählen.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Die Zielgröße von %1 ist zu klein für %2: Das Video bekäme %3, weniger als die %4, die dieses Profil braucht.
Bitte eine größere Zielgröße, einen kürzeren Ausschnitt oder ein Profil mit kleineren Bildern wählen.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Die Zielgröße ist zu klein für das Video dieser Datei: Selbst bei der niedrigsten Qualität des Encoders braucht es mehr als %1, und die Größe lässt %2.
Bitte eine größere Zielgröße, einen kürzeren Ausschnitt oder ein Profil mit kleineren Bildern wählen.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>Die Zielgröße von %1 ist zu groß für %2: Das Video bräuchte %3, mehr als die %4 kbps, die %5 abspielt.
Bitte eine kleinere Größe wählen.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (%2 lang)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>die zusammengefügte Ausgabe</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>die %1 mit H.264 Level %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>die %1 mit MPEG-2 Main-Profil</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>die %1 im Profil %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>die PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>die PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Ungültige Daten beim Verarbeiten der Eingabe gefunden</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Speicherplatz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Festplattenkontingent überschritten</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>die Ausgabe ist kleiner als die Zielgröße: das Video braucht nicht mehr (%1 von %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>die Ausgabe ist größer als die Zielgröße: der Encoder konnte sie nicht einhalten (%1 von %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Video schneiden</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Ausgabedateien öffnen</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Zu einer Datei zusammenfügen</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Konvertierungseinstellungen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Ausgabeordner suchen</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Zu einer Datei zusammenfügen</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Position und Länge</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Alle Dateien (*.*)|*.*|Alle Mediendateien|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash-Dateien (*.flv)|*.flv|Real Media-Dateien (*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime-Dateien (*.mov;*.qt)|*.qt;*.mov|AVI-Dateien (*.avi)|*.avi|MPEG-Dateien (*.mpg;*.mpeg)|*.mpg;*.mpeg|Ungeschützte VOB-Dateien (*.vob)|*.vob|VCD-Dateien (*.dat)|*.dat|Matroska Video-Dateien (*.mkv)|*.mkv|MP4-Dateien (*.mp4;*.m4v)|*.mp4;*.m4v|3GP-Dateien (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media-Dateien (*.asf;*.wmv)|*.asf;*.wmv|MOD-Dateien (*.mod)|*.mod|TOD-Dateien (*.tod)|*.tod|HD-Dateien (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video-Dateien (*.dv)|*.dv|NUT-Dateien (*.nut)|*.nut|Rohe H.264-Videodateien (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Alle Audiodateien|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding-Dateien (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Audio Code 3-Dateien (*.ac3)|*.ac3|Monkey&apos;s Audio-Dateien (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|MP3-Dateien (*.mp3)|*.mp3|Ogg Vorbis Audio-Dateien (*.ogg)|*.ogg|Real Audio-Dateien (*.ra;*.ram)|*.ra;*.ram|WAV Audio-Dateien (*.wav)|*.wav|Window Media Audio-Dateien (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Bitte wählen Sie den Ausgabeordner:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Der Name des Ausgabeordners ist ungültig!</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Die Hilfedatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Jede Ausgabe unterhalb des Ausgabeordners im Ordner ihrer Quelldatei speichern</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Dateien auslassen, deren vollständige Ausgabe ein früherer Durchlauf geschrieben hat</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Ordnerstruktur beibehalten</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Erledigte Dateien überspringen</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Kein Programm konnte die Hilfeseite öffnen. Bitte öffnen Sie sie in einem Webbrowser:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Kein Programm konnte den Ausgabeordner öffnen. Bitte öffnen Sie ihn in einem Dateimanager:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlen
Arbeitsspeicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für diesen Vorgang war nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(kein Win32-.EXE oder fehlerhaftes .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Es ist eine Freigabeverletzung aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da die Anfrage zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Mit dieser Dateiendung ist
keine Anwendung verknüpft.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene dynamische Bibliothek wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Unbekannter Fehler (%1) aufgetreten.</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>sie ist keine lesbare Video- oder Audiodatei</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>ihre Länge lässt sich nicht bestimmen</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>Bild zu groß: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>die Datei wächst noch</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Bereit</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Quelldatei</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Datei %1 ist ungültig!</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>Datei %1 ist ungültig: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 Dateien sind ungültig und wurden nicht hinzugefügt:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… und %1 weitere.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Datei %1 ungültig!</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>Die Aufgabenliste ist voll: Sie fasst höchstens %1 Dateien. Die übrigen Dateien wurden nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>sie ist zu groß</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>sie ist keine Aufgabenliste dieses Programms</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>sie wurde von einer neueren Version geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 ist keine reguläre Datei und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>vor dem Umbenennen unterbrochen</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>Die Aufgabenliste der letzten Sitzung konnte nicht verwendet werden: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Sie wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
Das Programm startet mit einer leeren Aufgabenliste.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>Die Aufgabenliste konnte nicht gespeichert werden: %1.
Die bisher gespeicherte Liste bleibt unverändert; das Speichern wird in Kürze erneut versucht.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Die Datei der Aufgabenliste konnte nicht verwendet werden (%1) und wurde nicht überschrieben: Sie wurde als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>sie ist ein symbolischer Link, keine Datei dieses Programms</translation>
    </message>
</context>
</TS>
