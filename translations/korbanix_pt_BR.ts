<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 era um link simbólico para outro arquivo, que não é usado; o link foi posto de lado como %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>A pasta de saída não é lembrada: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> Indique outra pasta.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>Nenhuma pasta de saída foi informada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>“%1” é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>a pasta acima dela também não existe</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>foi recusado</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>A pasta “%1” não existe e não pode ser criada: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 não era um arquivo comum e não é usado; foi posto de lado como %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Juntar</translation>
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
        <translation>Conversor de mídia para seus dispositivos</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>Arquivo atual:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>Progresso total:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convertendo…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>Progresso do arquivo atual</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>Progresso total</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>Mostrar prévia</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>Desligar o computador ao concluir a conversão</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>Parar a conversão</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Progresso de %1</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Parando…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>Parar a conversão?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Arquivos convertidos ao mesmo tempo</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Definir início</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>Definir fim</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>Redefinir tempos</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>Re&amp;definir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posição e duração</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>Recortar – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>&amp;Fim</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Quadros/s:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
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
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 canais estéreo</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Som:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Legendas:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>Automático: nenhuma</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>Automático: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>arquivo %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>forçada</translation>
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
        <translation>Não foi possível abrir o link:

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
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Quadros/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canais:</translation>
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
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>Predefinição:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>Ajustes padrão</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>Este valor (%1) não pode ser usado: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>tamanho da imagem</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>taxa de quadros</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>taxa de bits de vídeo</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>taxa de amostragem</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>número de canais</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>taxa de bits de áudio</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>ajuste</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>A conversão falhou.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 canal mono</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 canais estéreo</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 canais</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>Faixas de som e legendas escolhidas primeiro quando um arquivo tem várias</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>Imagem fixa:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>Quanto tempo uma imagem (JPEG, PNG, …) dura como vídeo</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>Tamanho final:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>Ajustar cada vídeo de saída a este tamanho, por exemplo 700 MB; vazio: usar a taxa de bits acima</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(a taxa de bits de vídeo se ajusta)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>Manter o vídeo se o dispositivo reproduzi-lo</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>O vídeo é copiado sem alterações quando está dentro do que o dispositivo do perfil reproduz (limites de codec, perfil, nível, tamanho e taxa de quadros), sejam quais forem o tamanho e a taxa de bits para os quais este perfil converteria; o som também é mantido se o dispositivo reproduzi-lo</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>Cortar exatamente no início</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>Um vídeo mantido só pode começar em um quadro-chave, até alguns segundos antes do início; com esta opção, as tarefas com início são convertidas</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>O tamanho final deve ser um tamanho como 700 MB ou 1.4 GB, ou ficar vazio.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>Sistema: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>Posição e duração</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>Adicione arquivos ou solte-os aqui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>Adicionando arquivos: %1 de %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>Adicionar arquivos…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>Recortar…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>Informações do arquivo…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Manter as subpastas</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Pular arquivos já convertidos</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>Lendo pastas: %1 arquivos encontrados</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>Selecione os arquivos de vídeo a recortar.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>Adicione arquivos de vídeo.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>Marque pelo menos uma tarefa para converter.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>Para juntar é preciso escolher dois ou mais arquivos.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>Convertendo %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>Erro de JPEG</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>Convertendo arquivos de mídia</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>A pasta de saída “%1” não aceita arquivos: %2. Indique outra pasta.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> + mais %1</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% concluído</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>%1 tarefa(s) concluída(s) / %2 no total</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>Faltam cerca de %1 no total</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>Faltam cerca de %1 para este arquivo</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>%1 concluídas, %2 com falha, %3 paradas.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

Com falha:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>nenhum motivo informado</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… e mais %1.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>%1 concluídas, %2 com falha</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>Já convertido</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>O resultado da junção teria cerca de %1 GB, mas um arquivo no volume FAT32 %2 pode ter no máximo 4 GB.
Junte menos arquivos ou arquivos mais curtos, reduza as taxas de bits ou escolha outra pasta de saída.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>A saída de “%1” teria cerca de %2 GB, mas um arquivo no volume FAT32 %3 pode ter no máximo 4 GB.
Encurte o trecho, reduza as taxas de bits ou escolha outra pasta de saída.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>Interrompido imediatamente; o arquivo de saída incompleto foi removido</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>O contêiner de saída grava arquivos próprios ao lado da saída; use outra extensão</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1; a miniatura pode ter ficado como %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1; miniaturas dos arquivos unidos podem ter ficado</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1; o que foi gravado foi removido, mas um arquivo vazio pode ter ficado como %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1; um arquivo parcial pode ter ficado como %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>Nenhum contêiner corresponde ao nome da saída</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>A saída não aceita o vídeo da origem como está</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>A saída não aceita o áudio da origem como está</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>O codificador de vídeo não aceita estas configurações</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>O codificador de áudio não aceita estas configurações</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>Memória insuficiente para os buffers de imagem</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>Memória insuficiente para o codificador de vídeo</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>Memória insuficiente para o codificador de áudio</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>Memória insuficiente para o decodificador de vídeo da origem</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>Memória insuficiente para o decodificador de áudio da origem</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>A saída mesclada não tem fluxo de vídeo para as imagens desta origem</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>A saída mesclada não tem fluxo de áudio para o som desta origem</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>Nenhum quadro do vídeo pôde ser decodificado e convertido</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>Nenhum arquivo de origem</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>Não é possível criar a saída: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>Não é possível criar a saída</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>Não é possível gravar o cabeçalho da saída: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>Não é possível gravar o cabeçalho da saída</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>Não é possível gravar a saída: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>Não é possível gravar a saída</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>Não é possível finalizar a saída: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>Não é possível finalizar a saída</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>O arquivo de saída foi substituído ou removido enquanto era gravado</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>Não é possível converter o áudio</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>Não é possível codificar a saída</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>Não é possível abrir a origem: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>Não é possível abrir a origem</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>A origem não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>Não é possível ler os fluxos da origem: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>Não é possível decodificar a faixa de legendas %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>Não é possível ler o arquivo de legendas %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>O arquivo de legendas %1 tem uma legenda de %2 bytes, longa demais para desenhar</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>O arquivo de legendas %1 pede letras grandes demais para desenhar</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>Não é possível decodificar o vídeo da origem</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>Não é possível decodificar o áudio da origem</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>A origem não tem a faixa de áudio %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>A origem não tem a faixa de legendas %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>Uma imagem não tem som: converta-a com um perfil de vídeo</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>A origem não tem som para converter</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>Não é possível guardar as estatísticas da primeira passagem</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>O tamanho-alvo não deixa espaço para o vídeo deste arquivo</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>Não é possível criar uma pasta privada para as estatísticas da primeira passagem</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>o vídeo mantido começa no quadro-chave em %1, %2 antes do tempo de início</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>vídeo e áudio mantidos como estão</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>vídeo mantido como está</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>áudio mantido como está</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>vídeo convertido: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>áudio convertido: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>um dos arquivos unidos não pode ser lido</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>os vídeos dos arquivos unidos têm parâmetros diferentes</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>o áudio dos arquivos unidos é diferente</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>a origem não tem vídeo</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>as legendas são embutidas na imagem</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>foi pedido um corte exato</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>o vídeo é ajustado ao tamanho-alvo</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (firmware %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (saída de vídeo)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>o tamanho de imagem %1x%2 excede os %4x%5 do %3</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>o tamanho de imagem %1x%2 excede os %4 pixels do %3 (%5x%6 ou %7x%8)</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps excede os %3 fps do %2</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>a imagem está girada em %1 graus, o que o %2 não aplica</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>seus pixels não são quadrados (%1:%2), o %3 mostra a imagem esticada</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>a imagem é entrelaçada sem indicar qual campo vem primeiro</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>vídeo de %1 bits excede os 8 bits do %2</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>a cor %1 não é o 4:2:0 que o %2 reproduz</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>o perfil %1 não é reproduzido pelo %2</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>o nível %1 excede o nível %3 do %2</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>o tamanho e a taxa excedem o nível %1 do %2</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 quadros de referência excedem os %3 do %2 neste tamanho</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>suas imagens têm %1 fatias; o %2 decodifica apenas uma</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>o %1 não abre arquivos %2</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>o %2 não reproduz vídeo %1 em %3</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>o %1 só reproduz AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 canais AAC excedem os %3 do %2</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>o %2 não reproduz AAC a %1 Hz</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>o %2 não reproduz áudio %1 em %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>o codificador %1 só aceita %2 em %3</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>o codificador %1 só aceita %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>o codificador %1 aceita “1 canal mono”, “2 canais estéreo” ou “5.1 canais”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>o codificador %1 aceita “1 canal mono” ou “2 canais estéreo”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>o codificador %1 só aceita “1 canal mono”</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>o codificador %1 aceita de %2 a %3 Hz (%4)</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>o codificador %1 aceita de %2 kbps a %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>o codificador %1 aceita %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>larguras e alturas pares de %1 a %2</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>de %1 kbps a %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>Um tamanho-alvo vale para saídas de vídeo: o tamanho de um arquivo de áudio depende da sua taxa de bits.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>O tamanho-alvo de %1 é maior do que um arquivo no armazenamento FAT32 do %2 comporta (no máximo 4 GB).
Escolha um tamanho menor.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>O tamanho-alvo de %1 é pequeno demais para %2: o vídeo teria %3, abaixo dos %4 de que este perfil precisa.
Escolha um tamanho maior, um trecho mais curto ou um perfil com imagens menores.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>O tamanho-alvo é pequeno demais para o vídeo deste arquivo: mesmo na qualidade mais baixa do codificador ele precisa de mais de %1, e o tamanho deixa %2.
Escolha um tamanho maior, um trecho mais curto ou um perfil com imagens menores.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>O tamanho-alvo de %1 é grande demais para %2: o vídeo precisaria de %3, acima dos %4 kbps que %5 reproduz.
Escolha um tamanho menor.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (duração %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>a saída mesclada</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>o %1 com H.264 nível %2</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>o %1 com MPEG-2 perfil Main</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>o %1 com o perfil %2</translation>
    </message>
    <message>
        <source>the PS3</source>
        <translation>o PS3</translation>
    </message>
    <message>
        <source>the PSP</source>
        <translation>o PSP</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>Dados inválidos encontrados ao processar a entrada</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente leitura</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Arquivo grande demais</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>a saída é menor que o tamanho desejado: o vídeo não precisa de mais (%1 de %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>a saída é maior que o tamanho desejado: o codificador não conseguiu respeitá-lo (%1 de %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>Recortar vídeo</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Iniciar a conversão</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>Abrir os arquivos de saída</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>Escolher a pasta de saída</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> Juntar em um arquivo</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>Ajustes de conversão</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>Abrir a pasta de saída</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>Procurar a pasta de saída</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Remover tudo</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>Juntar em um arquivo</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Informações do arquivo</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Prévia</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>Posição e duração</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>Todos os arquivos (*.*)|*.*|Todos os arquivos de mídia|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Arquivos Flash (*.flv)|*.flv|Arquivos Real Media (*.rm;*.rmvb)|*.rm;*.rmvb|Arquivos QuickTime (*.mov;*.qt)|*.qt;*.mov|Arquivos AVI (*.avi)|*.avi|Arquivos MPEG (*.mpg;*.mpeg)|*.mpg;*.mpeg|Arquivos VOB sem proteção (*.vob)|*.vob|Arquivos VCD (*.dat)|*.dat|Arquivos Matroska Video (*.mkv)|*.mkv|Arquivos MP4 (*.mp4;*.m4v)|*.mp4;*.m4v|Arquivos 3GP (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Arquivos Windows Media (*.asf;*.wmv)|*.asf;*.wmv|Arquivos MOD (*.mod)|*.mod|Arquivos TOD (*.tod)|*.tod|Arquivos de alta definição (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Arquivos Digital Video (*.dv)|*.dv|Arquivos NUT (*.nut)|*.nut|Arquivos de vídeo H.264 puros (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|Todos os arquivos de áudio|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Arquivos Advanced Audio Coding (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Arquivos Audio Code 3 (*.ac3)|*.ac3|Arquivos Monkey&apos;s Audio (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|Arquivos MP3 (*.mp3)|*.mp3|Arquivos Ogg Vorbis Audio (*.ogg)|*.ogg|Arquivos Real Audio (*.ra;*.ram)|*.ra;*.ram|Arquivos WAV Audio (*.wav)|*.wav|Arquivos Window Media Audio (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>Selecione a pasta de saída:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>O nome da pasta de saída é inválido.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>O arquivo de ajuda não foi encontrado.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>Gravar cada saída na pasta da sua origem, dentro da pasta de saída</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>Deixar de fora os arquivos cuja saída completa foi gravada por uma execução anterior</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>Manter as subpastas</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>Pular arquivos já convertidos</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>Nenhum programa conseguiu abrir a página de ajuda. Abra-a em um navegador da web:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>Nenhum programa conseguiu abrir a pasta de saída. Abra-a em um gerenciador de arquivos:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho indicado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo indicado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(não é um .EXE Win32 ou a imagem .EXE tem erros).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação do nome de arquivo
está incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>A transação DDE não pôde
ser concluída porque o tempo da solicitação esgotou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>A transação DDE não pôde
ser concluída porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há aplicativo associado
a esta extensão de arquivo.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca dinâmica indicada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>não é um arquivo de vídeo ou áudio legível</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>não é possível medir sua duração</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>imagem grande demais: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>o arquivo ainda está crescendo</translation>
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
        <translation>Arquivo de origem</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>Formato de saída</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>O arquivo %1 é inválido.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>O arquivo %1 é inválido: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 arquivos são inválidos e não foram adicionados:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… e mais %1.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>O arquivo %1 é inválido.</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>A lista de tarefas está cheia: comporta no máximo %1 arquivos. Os arquivos restantes não foram adicionados.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está danificado</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>não é uma lista de tarefas deste programa</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>foi gravado por uma versão mais nova</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 não é um arquivo comum e não pode ser posto de lado</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>interrompido antes de renomear</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>Não foi possível usar a lista de tarefas guardada da última execução: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
Ela foi posta de lado como %1.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
O programa inicia com uma lista de tarefas vazia.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>Não foi possível salvar a lista de tarefas: %1.
A lista guardada antes continua como estava; o salvamento será tentado de novo em breve.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>Não foi possível usar o arquivo da lista de tarefas (%1), que não foi sobrescrito: ele foi posto de lado como %2.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Não encontrado</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>é um link simbólico, não um arquivo deste programa</translation>
    </message>
</context>
</TS>
