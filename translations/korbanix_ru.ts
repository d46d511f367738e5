<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 был символической ссылкой на другой файл, который не используется; ссылка отложена под именем %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>Папка вывода не запоминается: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Укажите другую папку.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Папка вывода не указана.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» — это файл, а не папка.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>родительская папка тоже не существует</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>в этом отказано</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>Папка «%1» не существует и не может быть создана: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 не был обычным файлом и не используется; он отложен под именем %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Объединить</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Конвертер медиафайлов для ваших устройств</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Текущий файл:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Общий ход:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Конвертирование…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Ход текущего файла</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Общий ход</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Показывать предпросмотр</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Выключить компьютер по окончании конвертирования</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Остановить конвертирование</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Ход: %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Остановка…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Остановить конвертирование?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Файлы, конвертируемые одновременно</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Поддержка:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
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
        <translation>Задать начало</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Задать конец</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Сбросить время</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Начало</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сброс</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>С&amp;топ</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Громкость</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Позиция и длительность</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Обрезка — %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Конец</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Разрешение:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Частота кадров:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Дискретизация:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>моно</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>стерео</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 канала, стерео</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>Каналов: %1</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Звук:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Субтитры:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Автоматически: нет</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Автоматически: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 канал</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>каналов: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>файл %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>принудительная</translation>
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
        <translation>Не удаётся открыть ссылку:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Кодек:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Разрешение:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Частота кадров:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Дискретизация:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Предустановка:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Настройки по умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>Это значение (%1) нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>размер кадра</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>частота кадров</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>битрейт видео</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>частота дискретизации</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>число каналов</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>битрейт звука</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>параметр</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>Конвертирование не удалось.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 каналов</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Источники</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Звуковые дорожки и субтитры, выбираемые в первую очередь, если в файле их несколько</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Картинка:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Сколько длится изображение (JPEG, PNG, …) в виде видео</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Размер файла:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Уместить каждое выходное видео в этот размер, например 700 MB; пусто — использовать битрейт, указанный выше</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(битрейт видео подстраивается)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Сохранять видео, если устройство его воспроизводит</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>Видео копируется без изменений, если оно не выходит за пределы того, что воспроизводит устройство профиля (ограничения кодека, профиля, уровня, размера и частоты кадров), независимо от размера и битрейта, в которые конвертировал бы этот профиль; звук тоже сохраняется, если устройство его воспроизводит</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Резать точно по времени начала</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Сохранённое видео может начинаться только с ключевого кадра, до нескольких секунд раньше времени начала; с этим параметром задания со временем начала конвертируются</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>Целевой размер должен быть указан как 700 MB или 1.4 GB либо оставлен пустым.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Системный: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Позиция и длительность</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Вывод:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Добавьте файлы или перетащите их сюда</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Добавление файлов: %1 из %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Добавить файлы…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Обрезать…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Сведения о файле…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Сохранять подпапки</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Пропускать готовые файлы</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Чтение папок: найдено файлов: %1</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Выберите видеофайлы для обрезки.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Добавьте видеофайлы.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Отметьте хотя бы одно задание для конвертирования.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Для объединения нужно выбрать два файла или больше.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Конвертация %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Ошибка JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Конвертирование медиафайлов</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>Папка вывода «%1» не принимает файлы: %2. Укажите другую папку.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> и ещё %1</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   выполнено %2%</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>Готово заданий: %1 из %2</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Всего осталось около %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Для этого файла осталось около %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>Готово: %1, с ошибкой: %2, остановлено: %3.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

С ошибкой:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>причина не указана</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… и ещё %1.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Конвертирование завершено</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>Готово: %1, с ошибкой: %2</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Уже готово</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>Объединённый файл займёт около %1 ГБ, но файл на томе FAT32 %2 не может быть больше 4 ГБ.
Объедините меньше файлов или более короткие, уменьшите битрейт или выберите другую папку вывода.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>Результат «%1» займёт около %2 ГБ, но файл на томе FAT32 %3 не может быть больше 4 ГБ.
Сократите фрагмент, уменьшите битрейт или выберите другую папку вывода.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Остановлено немедленно; незавершённый выходной файл удалён</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>Контейнер выходного файла создаёт рядом свои файлы; выберите другое расширение</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; миниатюра могла остаться в %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; миниатюры объединённых файлов могли остаться</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; записанное удалено, но пустой файл мог остаться в %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; неполный файл мог остаться в %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Ни один контейнер не соответствует имени выходного файла</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>Выходной файл не принимает видео источника без изменений</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>Выходной файл не принимает звук источника без изменений</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>Видеокодер не принимает эти параметры</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>Аудиокодер не принимает эти параметры</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Недостаточно памяти для буферов изображения</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Недостаточно памяти для видеокодера</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Недостаточно памяти для аудиокодера</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Недостаточно памяти для видеодекодера источника</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Недостаточно памяти для аудиодекодера источника</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>В объединённом файле нет видеопотока для изображения этого источника</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>В объединённом файле нет аудиопотока для звука этого источника</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Не удалось декодировать и преобразовать ни одного кадра видео</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Нет исходного файла</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Не удаётся создать выходной файл: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Не удаётся создать выходной файл</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Не удаётся записать заголовок выходного файла: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Не удаётся записать заголовок выходного файла</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Не удаётся записать выходной файл: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Не удаётся записать выходной файл</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Не удаётся завершить выходной файл: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Не удаётся завершить выходной файл</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>Выходной файл был заменён или удалён во время записи</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Не удаётся преобразовать звук</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Не удаётся закодировать выходной файл</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Не удаётся открыть источник: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Не удаётся открыть источник</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>Источник не является обычным файлом</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Не удаётся прочитать потоки источника: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>Не удаётся декодировать дорожку субтитров %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Не удаётся прочитать файл субтитров %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>В файле субтитров %1 есть реплика размером %2 байт — слишком длинная для вывода</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>Файл субтитров %1 требует слишком крупный шрифт для вывода</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>Не удаётся декодировать видео источника</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Не удаётся декодировать звук источника</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>В источнике нет звуковой дорожки %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>В источнике нет дорожки субтитров %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>У изображения нет звука: преобразуйте его с видеопрофилем</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>В источнике нет звука для преобразования</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Не удаётся сохранить статистику первого прохода</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>Заданный размер не оставляет места для видео этого файла</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Не удаётся создать личную папку для статистики первого прохода</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>сохранённое видео начинается с ключевого кадра на %1, за %2 до времени начала</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>видео и звук сохранены без изменений</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>видео сохранено без изменений</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>звук сохранён без изменений</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>видео преобразовано: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>звук преобразован: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>один из объединяемых файлов не читается</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>параметры видео объединяемых файлов различаются</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>звук объединяемых файлов различается</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>в источнике нет видео</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>субтитры вшиваются в изображение</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>запрошена точная обрезка</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>видео подгоняется под заданный размер</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (прошивка %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (видеовыход)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>размер изображения %1x%2 больше допустимого для %3 (%4x%5)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>размер изображения %1x%2 больше допустимого для %3 (%4 пикселей: %5x%6 или %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 кадр/с больше допустимых для %2 %3 кадр/с</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>изображение повёрнуто на %1°, а %2 не применяет поворот</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>пиксели не квадратные (%1:%2), %3 покажет изображение растянутым</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>изображение чересстрочное, но порядок полей не указан</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>%1-битное видео больше 8 бит, допустимых для %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>цвет %1 — не 4:2:0, который воспроизводит %2</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>профиль %1 не воспроизводится на %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>уровень %1 выше уровня %3, допустимого для %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>размер и частота кадров превышают уровень %1 для %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 опорных кадров — больше %3, допустимых для %2 при этом размере</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>в кадрах %1 слайсов; %2 декодирует только один</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>%1 не открывает файлы %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>%2 не воспроизводит видео %1 в %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>%1 воспроизводит только AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 каналов AAC — больше %3, допустимых для %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>%2 не воспроизводит AAC с частотой %1 Гц</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>%2 не воспроизводит звук %1 в %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>кодер %1 принимает только %2 при %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>кодер %1 принимает только %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>кодер %1 принимает «Моно», «Стерео» или «5.1 каналов»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>кодер %1 принимает «Моно» или «Стерео»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>кодер %1 принимает только «Моно»</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>кодер %1 принимает от %2 до %3 Гц (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>кодер %1 принимает от %2 до %3 кбит/с</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>кодер %1 принимает %2 Гц</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>чётные ширина и высота от %1 до %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>от %1 до %2 кбит/с</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Заданный размер относится к видеофайлам: размер звукового файла определяется его битрейтом.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>Заданный размер %1 больше, чем вмещает файл на накопителе FAT32 устройства %2 (не более 4 ГБ).
Выберите размер поменьше.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Заданный размер %1 слишком мал для %2: видео получило бы %3, меньше необходимых этому профилю %4.
Выберите больший размер, более короткий фрагмент или профиль с меньшим изображением.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>Заданный размер слишком мал для видео этого файла: даже при самом низком качестве кодировщика ему нужно больше %1, а размер оставляет %2.
Выберите больший размер, более короткий фрагмент или профиль с меньшим изображением.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>Заданный размер %1 слишком велик для %2: видео потребовало бы %3, больше %4 kbps, которые воспроизводит %5.
Выберите размер поменьше.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (длительность %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>объединённого файла</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>%1 с H.264 уровня %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>%1 с MPEG-2 профиля Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>%1 с профилем %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Нет такого файла или каталога</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>При обработке входных данных обнаружены неверные данные</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>На устройстве не осталось места</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Недопустимый аргумент</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Превышена дисковая квота</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Файл слишком большой</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>файл меньше целевого размера: видео больше не требуется (%1 из %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>файл больше целевого размера: кодировщик не смог его выдержать (%1 из %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Обрезать видео</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Начать конвертирование</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Открыть готовые файлы</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Объединить в один файл</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Параметры конвертирования</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Обрезка</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертация</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Открыть папку вывода</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Выбрать папку вывода</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка вывода</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Удалить все</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Объединить в один файл</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Сведения о файле</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Позиция и длительность</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Все файлы (*.*)|*.*|Все медиафайлы|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Файлы Flash (*.flv)|*.flv|Файлы Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|Файлы QuickTime (*.mov;*.qt)|*.qt;*.mov|Файлы AVI (*.avi)|*.avi|Файлы MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|Незащищённые файлы VOB (*.vob)|*.vob|Файлы VCD (*.dat)|*.dat|Файлы Matroska Video (*.mkv)|*.mkv|Файлы MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|Файлы 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Файлы Windows Media (*.asf;*.wmv)|*.asf;*.wmv|Файлы MOD (*.mod)|*.mod|Файлы TOD (*.tod)|*.tod|Файлы высокой чёткости (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Файлы Digital Video (*.dv)|*.dv|Файлы NUT (*.nut)|*.nut|Файлы «сырого» видео H.264 (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Все аудиофайлы|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Файлы Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Файлы Audio Code 3 (*.ac3)|*.ac3|Файлы Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|Файлы MP3 (*.mp3)|*.mp3|Файлы Ogg Vorbis Audio (*.ogg)|*.ogg|Файлы Real Audio (*.ra;*.ram)|*.ra;*.ram|Файлы WAV Audio (*.wav)|*.wav|Файлы Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Выберите папку вывода:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>Недопустимое имя папки вывода.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>Файл справки не найден.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Записывать каждый результат в папку его источника внутри папки вывода</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Пропускать файлы, полный результат которых записан при прошлом запуске</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Сохранять подпапки</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Пропускать готовые файлы</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Ни одна программа не смогла открыть страницу справки. Откройте её в веб-браузере:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Ни одна программа не смогла открыть папку вывода. Откройте её в файловом менеджере:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для выполнения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Недопустимый файл .EXE
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление имени файла
неполно или неверно.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Транзакцию DDE не удалось
завершить: истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Транзакция DDE не удалась.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Транзакцию DDE не удалось
завершить, так как обрабатывались
другие транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>С этим расширением файла
не связано ни одно приложение.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Произошла неизвестная ошибка (%1).</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его невозможно прочитать (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>это не читаемый видео- или аудиофайл</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>невозможно определить его длительность</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>изображение слишком большое: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>файл ещё растёт</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Ожидает</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Исходный файл</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Формат вывода</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>Файл %1 недопустим.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>Файл %1 недопустим: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>Недопустимых файлов: %1, они не добавлены:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… и ещё %1.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>Файл %1 недопустим!</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>Список заданий заполнен: в нём не более %1 файлов. Остальные файлы не добавлены.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>его невозможно открыть</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>он слишком велик</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его невозможно прочитать</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>он повреждён</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>это не список заданий этой программы</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>он записан более новой версией</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 — не обычный файл, его нельзя отложить</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>прервано до переименования</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>Не удалось использовать список заданий, сохранённый в прошлый раз: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Он отложен под именем %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
Программа запускается с пустым списком заданий.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>Не удалось сохранить список заданий: %1.
Ранее сохранённый список оставлен без изменений; сохранение будет повторено чуть позже.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Файл списка заданий не удалось использовать (%1), и он не перезаписан: он отложен под именем %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>это символическая ссылка, а не файл этой программы</translation>
    </message>
</context>
</TS>
