<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 był dowiązaniem symbolicznym do innego pliku, który nie jest używany; dowiązanie odłożono jako %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>Folder wyjściowy nie zostanie zapamiętany: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Wskaż inny folder.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Nie podano folderu wyjściowego.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1” to plik, a nie folder.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>folder nadrzędny również nie istnieje</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>odmówiono</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>Folder „%1” nie istnieje i nie można go utworzyć: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 nie był zwykłym plikiem i nie jest używany; odłożono go jako %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwertuj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Scal</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Konwerter multimediów dla Twoich urządzeń</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Bieżący plik:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Postęp całkowity:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Konwertowanie…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Postęp bieżącego pliku</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Postęp całkowity</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Pokaż podgląd</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Wyłącz komputer po zakończeniu konwersji</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Zatrzymaj konwersję</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Postęp: %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Zatrzymywanie…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Zatrzymać konwersję?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Pliki konwertowane jednocześnie</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Wsparcie:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Strona:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
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
        <translation>Ustaw początek</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Ustaw koniec</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Resetuj czasy</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Początek</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Resetuj</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Odt&amp;wórz</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Głośność</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Pozycja i długość</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Przycinanie – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Koniec</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Długość:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Rozdzielczość:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Klatki/s:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Próbkowanie:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanały:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
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
        <translation>nieznana</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 kanał mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 kanały stereo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>Kanały: %1</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informacje o pliku</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Dźwięk:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Napisy:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automatycznie: brak</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automatycznie: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 kanał</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>kanały: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>plik %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>domyślna</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>wymuszona</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>nieznany</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Nie można otworzyć odnośnika:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Koder:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Przepływność:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Rozdzielczość:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Klatki/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Próbkowanie:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanały:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Szablon:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Ustawienia domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>Tej wartości (%1) nie można użyć: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>rozmiar obrazu</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>liczba klatek na sekundę</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>przepływność wideo</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>częstotliwość próbkowania</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>liczba kanałów</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>przepływność dźwięku</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>ustawienie</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>Konwersja nie powiodła się.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 kanał mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 kanały stereo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 kanałów</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Źródła</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Ścieżki dźwięku i napisów wybierane w pierwszej kolejności, gdy plik ma ich kilka</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Zdjęcie:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Jak długo obraz (JPEG, PNG, …) trwa jako wideo</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Rozmiar pliku:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Dopasuj każde wyjściowe wideo do tego rozmiaru, np. 700 MB; puste: użyj przepływności podanej wyżej</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(przepływność wideo się dostosuje)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Zachowaj wideo, jeśli urządzenie je odtwarza</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>Wideo jest kopiowane bez zmian, gdy mieści się w tym, co odtwarza urządzenie profilu (ograniczenia kodeka, profilu, poziomu, rozmiaru i liczby klatek na sekundę), niezależnie od rozmiaru i przepływności, do których ten profil by konwertował; dźwięk również jest zachowywany, jeśli urządzenie go odtwarza</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Tnij dokładnie w punkcie początkowym</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Zachowane wideo może zaczynać się tylko od klatki kluczowej, do kilku sekund przed początkiem; z tą opcją zadania z ustawionym początkiem są konwertowane</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>Rozmiar docelowy musi mieć postać taką jak 700 MB lub 1.4 GB albo pozostać pusty.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Systemowy: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Pozycja i długość</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wyjście:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Dodaj pliki lub upuść je tutaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Dodawanie plików: %1 z %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Dodaj pliki…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Przytnij…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informacje o pliku…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Zachowaj podfoldery</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Pomiń już przekonwertowane</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Odczyt folderów: znaleziono plików: %1</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Wybierz pliki wideo do przycięcia.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Dodaj pliki wideo.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Zaznacz co najmniej jedno zadanie do konwersji.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Scalanie wymaga wybrania co najmniej dwóch plików.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Konwertowanie %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Błąd JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Konwertowanie plików multimedialnych</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>Folder wyjściowy „%1” nie przyjmuje plików: %2. Wskaż inny folder.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + %1 więcej</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   ukończono %2%</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>Ukończone zadania: %1 z %2</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Łącznie zostało około %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Dla tego pliku zostało około %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>Ukończono: %1, niepowodzenia: %2, zatrzymano: %3.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Niepowodzenia:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>nie podano przyczyny</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… i %1 więcej.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konwersja zakończona</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>Ukończono: %1, niepowodzenia: %2</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Ukończone wcześniej</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>Scalony plik miałby około %1 GB, ale plik na woluminie FAT32 %2 może mieć najwyżej 4 GB.
Scal mniej lub krótsze pliki, obniż przepływności albo wybierz inny folder wyjściowy.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>Wynik „%1” miałby około %2 GB, ale plik na woluminie FAT32 %3 może mieć najwyżej 4 GB.
Skróć fragment, obniż przepływności albo wybierz inny folder wyjściowy.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Zatrzymano natychmiast; niedokończony plik wyjściowy został usunięty</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>Kontener wyjściowy zapisuje obok własne pliki; użyj innego rozszerzenia</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; miniatura może pozostać jako %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; miniatury połączonych plików mogą pozostać</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; zapisane dane usunięto, ale pusty plik może pozostać jako %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; niekompletny plik może pozostać jako %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Żaden kontener nie pasuje do nazwy pliku wyjściowego</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>Plik wyjściowy nie przyjmuje wideo źródła bez zmian</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>Plik wyjściowy nie przyjmuje dźwięku źródła bez zmian</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>Koder wideo nie akceptuje tych ustawień</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>Koder audio nie akceptuje tych ustawień</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Za mało pamięci na bufory obrazu</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Za mało pamięci dla kodera wideo</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Za mało pamięci dla kodera audio</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Za mało pamięci dla dekodera wideo źródła</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Za mało pamięci dla dekodera audio źródła</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>Połączony plik wyjściowy nie ma strumienia wideo dla obrazu tego źródła</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>Połączony plik wyjściowy nie ma strumienia audio dla dźwięku tego źródła</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Nie udało się zdekodować i przekonwertować ani jednej klatki wideo</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Brak pliku źródłowego</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Nie można utworzyć pliku wyjściowego: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Nie można utworzyć pliku wyjściowego</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Nie można zapisać nagłówka pliku wyjściowego: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Nie można zapisać nagłówka pliku wyjściowego</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Nie można zapisać pliku wyjściowego: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Nie można zapisać pliku wyjściowego</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Nie można dokończyć pliku wyjściowego: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Nie można dokończyć pliku wyjściowego</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>Plik wyjściowy został zastąpiony lub usunięty w trakcie zapisu</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Nie można przekonwertować dźwięku</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Nie można zakodować pliku wyjściowego</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Nie można otworzyć źródła: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Nie można otworzyć źródła</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>Źródło nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Nie można odczytać strumieni źródła: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>Nie można zdekodować ścieżki napisów %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Nie można odczytać pliku napisów %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>Plik napisów %1 zawiera napis o długości %2 bajtów, zbyt długi do wyświetlenia</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>Plik napisów %1 wymaga zbyt dużych liter do wyświetlenia</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>Nie można zdekodować wideo źródła</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Nie można zdekodować dźwięku źródła</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>Źródło nie ma ścieżki dźwiękowej %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>Źródło nie ma ścieżki napisów %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Obraz nie ma dźwięku: przekonwertuj go profilem wideo</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>Źródło nie ma dźwięku do przekonwertowania</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Nie można zachować statystyk pierwszego przebiegu</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>Rozmiar docelowy nie zostawia miejsca na wideo tego pliku</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Nie można utworzyć prywatnego folderu na statystyki pierwszego przebiegu</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>zachowane wideo zaczyna się od klatki kluczowej w %1, %2 przed czasem początku</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>wideo i dźwięk zachowane bez zmian</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>wideo zachowane bez zmian</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>dźwięk zachowany bez zmian</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>wideo przekonwertowane: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>dźwięk przekonwertowany: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>jednego z łączonych plików nie można odczytać</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>wideo łączonych plików różnią się parametrami</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>dźwięk łączonych plików jest różny</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>źródło nie ma wideo</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>napisy są wtapiane w obraz</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>zażądano dokładnego cięcia</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>wideo jest dopasowywane do rozmiaru docelowego</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (oprogramowanie %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (wyjście wideo)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>rozmiar obrazu %1x%2 przekracza %4x%5 konsoli %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>rozmiar obrazu %1x%2 przekracza %4 pikseli konsoli %3 (%5x%6 lub %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 kl/s przekracza %3 kl/s konsoli %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>obraz jest obrócony o %1 stopni, czego konsola %2 nie uwzględnia</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>piksele nie są kwadratowe (%1:%2), konsola %3 pokaże obraz rozciągnięty</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>obraz jest z przeplotem bez podania, które pole jest pierwsze</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>wideo %1-bitowe przekracza 8 bitów konsoli %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>kolor %1 to nie 4:2:0, które odtwarza konsola %2</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>profil %1 nie jest odtwarzany przez konsolę %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>poziom %1 przekracza poziom %3 konsoli %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>rozmiar i liczba klatek przekraczają poziom %1 konsoli %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 klatek referencyjnych to więcej niż %3 dla konsoli %2 przy tym rozmiarze</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>klatki mają %1 wycinków; konsola %2 dekoduje tylko jeden</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>konsola %1 nie otwiera plików %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>konsola %2 nie odtwarza wideo %1 w %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>konsola %1 odtwarza tylko AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 kanałów AAC to więcej niż %3 konsoli %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>konsola %2 nie odtwarza AAC o częstotliwości %1 Hz</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>konsola %2 nie odtwarza dźwięku %1 w %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>koder %1 przyjmuje tylko %2 przy %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>koder %1 przyjmuje tylko %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>koder %1 przyjmuje „1 kanał mono”, „2 kanały stereo” lub „5.1 kanałów”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>koder %1 przyjmuje „1 kanał mono” lub „2 kanały stereo”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>koder %1 przyjmuje tylko „1 kanał mono”</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>koder %1 przyjmuje od %2 do %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>koder %1 przyjmuje od %2 kb/s do %3 kb/s</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>koder %1 przyjmuje %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>parzyste szerokości i wysokości od %1 do %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>od %1 kb/s do %2 kb/s</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Rozmiar docelowy dotyczy plików wideo: rozmiar pliku dźwiękowego wynika z jego przepływności.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>Rozmiar docelowy %1 przekracza to, co mieści plik w pamięci FAT32 konsoli %2 (najwyżej 4 GB).
Wybierz mniejszy rozmiar.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Rozmiar docelowy %1 jest za mały dla %2: wideo dostałoby %3, mniej niż %4 wymagane przez ten profil.
Wybierz większy rozmiar, krótszy fragment lub profil z mniejszym obrazem.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Rozmiar docelowy jest za mały dla wideo tego pliku: nawet przy najniższej jakości kodera potrzebuje ono więcej niż %1, a rozmiar zostawia %2.
Wybierz większy rozmiar, krótszy fragment lub profil z mniejszym obrazem.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>Rozmiar docelowy %1 jest za duży dla %2: wideo wymagałoby %3, więcej niż %4 kbps odtwarzane przez %5.
Wybierz mniejszy rozmiar.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (długość %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>połączonego pliku</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>konsola %1 z H.264 na poziomie %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>konsola %1 z MPEG-2 w profilu Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>konsola %1 w profilu %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>konsola PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>konsola PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Podczas przetwarzania wejścia napotkano nieprawidłowe dane</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Nieprawidłowy argument</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików tylko do odczytu</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Przekroczono limit dyskowy</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>plik wyjściowy jest mniejszy niż rozmiar docelowy: wideo nie potrzebuje więcej (%1 z %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>plik wyjściowy jest większy niż rozmiar docelowy: koder nie zdołał go utrzymać (%1 z %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Dodaj plik</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Przytnij wideo</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Rozpocznij konwersję</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Otwórz pliki wyjściowe</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Wybierz folder wyjściowy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Scal w jeden plik</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informacje o pliku</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Ustawienia konwersji</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Przytnij</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konwertuj</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Otwórz folder wyjściowy</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Wskaż folder wyjściowy</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Folder wyjściowy</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Usuń wszystko</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Scal w jeden plik</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Informacje o pliku</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Głośność</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Pozycja i długość</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Wszystkie pliki (*.*)|*.*|Wszystkie pliki multimedialne|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Pliki Flash (*.flv)|*.flv|Pliki Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|Pliki QuickTime (*.mov;*.qt)|*.qt;*.mov|Pliki AVI (*.avi)|*.avi|Pliki MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|Niezabezpieczone pliki VOB (*.vob)|*.vob|Pliki VCD (*.dat)|*.dat|Pliki Matroska Video (*.mkv)|*.mkv|Pliki MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|Pliki 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Pliki Windows Media (*.asf;*.wmv)|*.asf;*.wmv|Pliki MOD (*.mod)|*.mod|Pliki TOD (*.tod)|*.tod|Pliki wysokiej rozdzielczości (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Pliki Digital Video (*.dv)|*.dv|Pliki NUT (*.nut)|*.nut|Surowe pliki wideo H.264 (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Wszystkie pliki audio|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Pliki Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Pliki Audio Code 3 (*.ac3)|*.ac3|Pliki Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|Pliki MP3 (*.mp3)|*.mp3|Pliki Ogg Vorbis Audio (*.ogg)|*.ogg|Pliki Real Audio (*.ra;*.ram)|*.ra;*.ram|Pliki WAV Audio (*.wav)|*.wav|Pliki Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Wybierz folder wyjściowy:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Nazwa folderu wyjściowego jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Nie znaleziono pliku pomocy.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Zapisz każdy wynik w folderze jego źródła wewnątrz folderu wyjściowego</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Pomiń pliki, których pełny wynik zapisało wcześniejsze uruchomienie</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Zachowaj podfoldery</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Pomiń już przekonwertowane</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Żaden program nie mógł otworzyć strony pomocy. Otwórz ją w przeglądarce internetowej:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Żaden program nie mógł otworzyć folderu wyjściowego. Otwórz go w menedżerze plików:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Systemowi operacyjnemu brakuje
pamięci lub zasobów.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono wskazanego pliku.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono wskazanej ścieżki.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do wskazanego pliku.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Plik .EXE jest nieprawidłowy
(nie jest to .EXE Win32 lub obraz .EXE zawiera błąd).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie zasad udostępniania. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niepełne lub nieprawidłowe.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ były przetwarzane
inne transakcje DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z tym rozszerzeniem pliku
nie jest skojarzona żadna aplikacja.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono wskazanej biblioteki dynamicznej.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Wystąpił nieznany błąd (%1).</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>plik nie istnieje</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>nie jest to czytelny plik wideo ani audio</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>nie można zmierzyć jego długości</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>obraz jest za duży: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>plik wciąż rośnie</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Oczekuje</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Plik źródłowy</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Format wyjściowy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Plik %1 jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>Plik %1 jest nieprawidłowy: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>Nieprawidłowe pliki (%1) nie zostały dodane:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… i %1 więcej.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Plik %1 jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>Lista zadań jest pełna: mieści najwyżej %1 plików. Pozostałe pliki nie zostały dodane.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>nie można go otworzyć</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>jest za duży</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>jest uszkodzony</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>nie jest to lista zadań tego programu</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>został zapisany przez nowszą wersję</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 nie jest zwykłym plikiem i nie można go odłożyć</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>przerwano przed zmianą nazwy</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>Nie można użyć listy zadań zachowanej z ostatniego uruchomienia: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Odłożono ją jako %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
Program uruchamia się z pustą listą zadań.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>Nie można zapisać listy zadań: %1.
Wcześniej zachowana lista pozostaje bez zmian; zapis zostanie ponowiony za chwilę.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Nie można użyć pliku listy zadań (%1) i nie został on nadpisany: odłożono go jako %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>jest to dowiązanie symboliczne, a nie plik tego programu</translation>
    </message>
</context>
</TS>
