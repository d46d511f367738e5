<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 era un enlace simbólico a otro archivo, que no se usa; el enlace se ha apartado como %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>La carpeta de salida no se recuerda: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Es necesario indicar otra carpeta.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>No se ha indicado ninguna carpeta de salida.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>la carpeta superior tampoco existe</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>se ha denegado</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>La carpeta «%1» no existe y no se puede crear: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 no era un archivo normal y no se usa; se ha apartado como %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unir</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>Conversor multimedia para dispositivos</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Archivo actual:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progreso total:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progreso del archivo actual</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progreso total</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Mostrar vista previa</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Apagar el equipo al terminar la conversión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Detener la conversión</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2 %</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>¿Detener la conversión?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Archivos convertidos a la vez</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>Fijar inicio</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Fijar final</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Restablecer tiempos</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>Re&amp;producir</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posición y duración</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Recortar – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Final</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogramas/s:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
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
        <translation>estéreo</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canales estéreo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Subtítulos:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automático: ninguno</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automático: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>archivo %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminada</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forzada</translation>
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
        <translation>No se puede abrir el enlace:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>Codificador:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogramas/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Muestreo:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Preajuste:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Ajustes predeterminados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>Este valor (%1) no se puede usar: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>tamaño de imagen</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>velocidad de fotogramas</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>tasa de bits de vídeo</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>frecuencia de muestreo</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>número de canales</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>tasa de bits de audio</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>ajuste</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>La conversión ha fallado.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canales estéreo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canales</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Pistas de sonido y subtítulos que se eligen primero cuando un archivo tiene varias</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Imagen fija:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Cuánto dura una imagen (JPEG, PNG, …) como vídeo</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Ajustar cada vídeo de salida a este tamaño, por ejemplo 700 MB; vacío: usar la tasa de bits de arriba</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(la tasa de bits de vídeo se adapta)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Conservar el vídeo si el dispositivo lo reproduce</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>El vídeo se copia sin cambios cuando está dentro de lo que reproduce el dispositivo del perfil (límites de códec, perfil, nivel, tamaño y velocidad de fotogramas), sea cual sea el tamaño y la tasa de bits a los que convertiría este perfil; el sonido también se conserva si el dispositivo lo reproduce</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Cortar exactamente en el inicio</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Un vídeo conservado solo puede empezar en un fotograma clave, hasta unos segundos antes del inicio; con esta opción, las tareas con inicio se convierten</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>El tamaño de destino debe ser un tamaño como 700 MB o 1.4 GB, o quedar vacío.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Escritorio: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Posición y duración</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Añadir archivos o soltarlos aquí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Añadiendo archivos: %1 de %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Añadir archivos…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Recortar…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Información del archivo…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Conservar subcarpetas</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Omitir archivos ya convertidos</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Leyendo carpetas: %1 archivos encontrados</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Es necesario seleccionar los archivos de vídeo que se van a recortar.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Es necesario añadir archivos de vídeo.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Es necesario marcar al menos una tarea para convertir.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Para unir hay que elegir dos o más archivos.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Convirtiendo %1 %</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Error de JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Convirtiendo archivos multimedia</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>La carpeta de salida «%1» no admite archivos: %2. Es necesario indicar otra carpeta.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + %1 más</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2 % completado</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tarea(s) completada(s) / %2 en total</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Quedan unos %1 en total</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Quedan unos %1 para este archivo</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>%1 completadas, %2 con error, %3 detenidas.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Con error:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>no se indicó ningún motivo</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… y %1 más.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 completadas, %2 con error</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Ya convertido</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>La salida unida ocuparía unos %1 GB, pero un archivo en el volumen FAT32 %2 no puede superar 4 GB.
Opciones: unir menos archivos o archivos más cortos, bajar las tasas de bits o elegir otra carpeta de salida.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>La salida de «%1» ocuparía unos %2 GB, pero un archivo en el volumen FAT32 %3 no puede superar 4 GB.
Opciones: acortar el fragmento, bajar las tasas de bits o elegir otra carpeta de salida.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Detenido de inmediato; se eliminó el archivo de salida sin terminar</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>El contenedor de salida escribe archivos propios junto a la salida; use otra extensión</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; su miniatura puede quedar como %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; pueden quedar miniaturas de los archivos unidos</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; se eliminó lo escrito, pero puede quedar un archivo vacío como %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; puede quedar un archivo parcial como %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Ningún contenedor coincide con el nombre de la salida</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>La salida no admite el vídeo de la fuente tal cual</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>La salida no admite el audio de la fuente tal cual</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>El codificador de vídeo no acepta estos ajustes</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>El codificador de audio no acepta estos ajustes</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>No hay memoria suficiente para los búferes de imagen</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>No hay memoria suficiente para el codificador de vídeo</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>No hay memoria suficiente para el codificador de audio</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>No hay memoria suficiente para el decodificador de vídeo de la fuente</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>No hay memoria suficiente para el decodificador de audio de la fuente</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>La salida unida no tiene flujo de vídeo para las imágenes de esta fuente</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>La salida unida no tiene flujo de audio para el sonido de esta fuente</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>No se pudo decodificar ni convertir ni una sola imagen del vídeo</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>No hay archivo de origen</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>No se puede crear la salida: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>No se puede crear la salida</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>No se puede escribir la cabecera de la salida: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>No se puede escribir la cabecera de la salida</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>No se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>No se puede escribir la salida</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>No se puede terminar la salida: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>No se puede terminar la salida</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>El archivo de salida se reemplazó o eliminó mientras se escribía</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>No se puede convertir el audio</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>No se puede codificar la salida</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>No se puede abrir la fuente: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>No se puede abrir la fuente</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>La fuente no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>No se pueden leer los flujos de la fuente: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>No se puede decodificar la pista de subtítulos %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>No se puede leer el archivo de subtítulos %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>El archivo de subtítulos %1 tiene un subtítulo de %2 bytes, demasiado largo para dibujarlo</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>El archivo de subtítulos %1 pide letras demasiado grandes para dibujarlas</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>No se puede decodificar el vídeo de la fuente</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>No se puede decodificar el audio de la fuente</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>La fuente no tiene pista de audio %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>La fuente no tiene pista de subtítulos %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Una imagen no tiene sonido: conviértala con un perfil de vídeo</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>La fuente no tiene sonido que convertir</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>No se pueden guardar las estadísticas de la primera pasada</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>El tamaño objetivo no deja espacio para el vídeo de este archivo</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>No se puede crear una carpeta privada para las estadísticas de la primera pasada</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>el vídeo conservado empieza en el fotograma clave en %1, %2 antes del tiempo de inicio</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>vídeo y audio conservados tal cual</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>vídeo conservado tal cual</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>audio conservado tal cual</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>vídeo convertido: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>audio convertido: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>no se puede leer uno de los archivos unidos</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>los vídeos de los archivos unidos difieren en sus parámetros</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>el audio de los archivos unidos es distinto</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>la fuente no tiene vídeo</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>los subtítulos se incrustan en la imagen</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>se pidió un corte exacto</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>el vídeo se ajusta al tamaño objetivo</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (firmware %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (salida de vídeo)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>el tamaño de imagen %1x%2 supera los %4x%5 de la %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>el tamaño de imagen %1x%2 supera los %4 píxeles de la %3 (%5x%6 o %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps supera los %3 fps de la %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>la imagen está girada %1 grados, algo que la %2 no aplica</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>sus píxeles no son cuadrados (%1:%2), la %3 muestra la imagen deformada</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>la imagen es entrelazada sin indicar qué campo va primero</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>un vídeo de %1 bits supera los 8 bits de la %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>el color %1 no es el 4:2:0 que reproduce la %2</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>el perfil %1 no lo reproduce la %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>el nivel %1 supera el nivel %3 de la %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>su tamaño y velocidad superan el nivel %1 de la %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 fotogramas de referencia superan los %3 de la %2 a este tamaño</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>sus imágenes tienen %1 slices; la %2 decodifica solo uno</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>la %1 no abre archivos %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>la %2 no reproduce vídeo %1 en %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>la %1 solo reproduce AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 canales AAC superan los %3 de la %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>la %2 no reproduce AAC a %1 Hz</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>la %2 no reproduce audio %1 en %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>el codificador %1 solo admite %2 a %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>el codificador %1 solo admite %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>el codificador %1 admite «1 canal mono», «2 canales estéreo» o «5.1 canales»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>el codificador %1 admite «1 canal mono» o «2 canales estéreo»</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>el codificador %1 solo admite «1 canal mono»</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>el codificador %1 admite de %2 a %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>el codificador %1 admite de %2 kbps a %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>el codificador %1 admite %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>anchos y altos pares de %1 a %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>de %1 kbps a %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Un tamaño objetivo es para salidas de vídeo: el tamaño de un archivo de audio depende de su tasa de bits.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>El tamaño objetivo de %1 supera lo que cabe en un archivo del almacenamiento FAT32 de la %2 (4 GB como máximo).
Elija un tamaño menor.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>El tamaño objetivo de %1 es demasiado pequeño para %2: su vídeo tendría %3, menos de los %4 que necesita este perfil.
Elija un tamaño mayor, un fragmento más corto o un perfil con imágenes más pequeñas.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>El tamaño objetivo es demasiado pequeño para el vídeo de este archivo: incluso con la calidad más baja del codificador necesita más de %1, y el tamaño deja %2.
Elija un tamaño mayor, un fragmento más corto o un perfil con imágenes más pequeñas.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>El tamaño objetivo de %1 es demasiado grande para %2: su vídeo necesitaría %3, más de los %4 kbps que reproduce %5.
Elija un tamaño menor.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (duración %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>la salida unida</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>la %1 con H.264 nivel %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>la %1 con MPEG-2 perfil Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>la %1 con el perfil %2</translation>
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
        <translation>No existe el archivo o el directorio</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Se encontraron datos no válidos al procesar la entrada</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se superó la cuota de disco</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>la salida es más pequeña que el tamaño objetivo: el vídeo no necesita más (%1 de %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>la salida es más grande que el tamaño objetivo: el codificador no pudo ajustarse a él (%1 de %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar la conversión</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Abrir los archivos de salida</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Unir en un archivo</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Ajustes de conversión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Examinar para elegir la carpeta de salida</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Unir en un archivo</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posición y duración</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Todos los archivos (*.*)|*.*|Todos los archivos multimedia|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Archivos Flash (*.flv)|*.flv|Archivos Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|Archivos QuickTime (*.mov;*.qt)|*.qt;*.mov|Archivos AVI (*.avi)|*.avi|Archivos MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|Archivos VOB sin protección (*.vob)|*.vob|Archivos VCD (*.dat)|*.dat|Archivos Matroska Video (*.mkv)|*.mkv|Archivos MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|Archivos 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Archivos Windows Media (*.asf;*.wmv)|*.asf;*.wmv|Archivos MOD (*.mod)|*.mod|Archivos TOD (*.tod)|*.tod|Archivos de alta definición (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Archivos Digital Video (*.dv)|*.dv|Archivos NUT (*.nut)|*.nut|Archivos de vídeo H.264 sin contenedor (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Todos los archivos de audio|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Archivos Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Archivos Audio Code 3 (*.ac3)|*.ac3|Archivos Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|Archivos MP3 (*.mp3)|*.mp3|Archivos Ogg Vorbis Audio (*.ogg)|*.ogg|Archivos Real Audio (*.ra;*.ram)|*.ra;*.ram|Archivos WAV Audio (*.wav)|*.wav|Archivos Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Elegir la carpeta de salida:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>El nombre de la carpeta de salida no es válido.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>No se encuentra el archivo de ayuda.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Escribir cada salida en la carpeta de su origen, dentro de la carpeta de salida</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Omitir los archivos cuya salida completa ya escribió una ejecución anterior</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Conservar subcarpetas</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Omitir archivos ya convertidos</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Ningún programa pudo abrir la página de ayuda. Ábrala en un navegador web:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Ningún programa pudo abrir la carpeta de salida. Ábrala en un gestor de archivos:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo no tiene
memoria o recursos suficientes.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo indicado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta indicada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE Win32 o la imagen .EXE tiene errores).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque se agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
a esta extensión de archivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca dinámica indicada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>no es un archivo de vídeo o audio legible</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>no se puede medir su duración</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>imagen demasiado grande: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>el archivo aún está creciendo</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> Listo</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>Archivo de origen</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de salida</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>El archivo %1 no es válido.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>El archivo %1 no es válido: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 archivos no son válidos y no se añadieron:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… y %1 más.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>El archivo %1 no es válido.</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>La lista de tareas está llena: admite como máximo %1 archivos. Los archivos restantes no se añadieron.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>no es una lista de tareas de este programa</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>lo escribió una versión más reciente</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 no es un archivo normal y no se puede apartar</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>interrumpido antes de cambiar el nombre</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>No se pudo usar la lista de tareas guardada de la última sesión: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Se ha apartado como %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
El programa se inicia con una lista de tareas vacía.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>No se pudo guardar la lista de tareas: %1.
La lista guardada anteriormente se mantiene igual; se volverá a intentar dentro de un rato.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>No se pudo usar el archivo de la lista de tareas (%1) y no se sobrescribió: se ha apartado como %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>es un enlace simbólico, no un archivo de este programa</translation>
    </message>
</context>
</TS>
