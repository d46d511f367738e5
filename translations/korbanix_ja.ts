<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 は別のファイルへのシンボリックリンクだったため使用しません。リンクは %2 として退避しました</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>出力フォルダーを記憶できません: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> 別のフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>出力フォルダーが指定されていません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>「%1」はファイルであり、フォルダーではありません。</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>親フォルダーも存在しません</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>拒否されました</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>フォルダー「%1」は存在せず、作成もできません: %2。</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 は通常のファイルではなかったため使用しません。%2 として退避しました</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>結合</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>デバイス向けメディア変換ツール</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>変換中のファイル:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>全体の進行状況:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>変換中…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>現在のファイルの進行状況</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>全体の進行状況</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>プレビューを表示</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>変換完了後にコンピューターをシャットダウン</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>変換を停止</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>%1 の進行状況</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>停止中…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>変換を停止しますか？</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>同時に変換中のファイル</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>サポート:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>ホームページ:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
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
        <translation>開始時間を設定</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>終了時間を設定</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>時間をリセット</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>切り出し時間</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>音量(&amp;V)</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>再生位置と長さ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>トリミング - %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>終了(&amp;E)</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>長さ:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>サンプリング:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1ch モノラル</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2ch ステレオ</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>音声:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>自動: なし</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>自動: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>ファイル %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>強制</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>不明</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>リンクを開けません:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>エンコーダー:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプリング:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>映像</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>形式プリセット:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定値</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>既定の設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>この%1は使用できません: %2。</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>画像サイズ</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>ビデオビットレート</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>サンプリングレート</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>オーディオビットレート</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>変換に失敗しました。</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1ch モノラル</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2ch ステレオ</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1ch</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>ファイルに複数ある場合に優先して選ぶ音声トラックと字幕トラック</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>静止画:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>画像 (JPEG、PNG など) をビデオとして表示する長さ</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>目標サイズ:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>各ビデオ出力をこのサイズに収めます (例: 700 MB)。空欄の場合は上のビットレートを使用します</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(ビデオビットレートは自動調整)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>デバイスで再生できる場合はビデオをそのまま使う</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>ビデオがプロファイルのデバイスで再生できる範囲 (コーデック、プロファイル、レベル、サイズ、フレームレートの制限) 内であれば、このプロファイルの変換後のサイズやビットレートにかかわらず、ビデオを変更せずにコピーします。デバイスで再生できる場合は音声もそのまま使います</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>開始時間で正確にカット</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>そのまま使うビデオはキーフレームからしか開始できないため、開始時間より最大数秒前から始まります。このオプションをオンにすると、開始時間のあるタスクは変換されます</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>目標サイズは 700 MB や 1.4 GB のように指定するか、空欄にしてください。</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>デスクトップ: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>再生位置と長さ</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>プロファイル:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>ファイルを追加するか、ここにドロップしてください</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>ファイルを追加中: %1 / %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>ファイルを追加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>トリミング…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>ファイル情報…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>フォルダー構成を保持</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>変換済みのファイルをスキップ</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>フォルダーを読み込み中: %1 個のファイルが見つかりました</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>トリミングするビデオファイルを選択してください。</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>ビデオファイルを追加してください。</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>変換するタスクを 1 つ以上チェックしてください。</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>結合するには 2 つ以上のファイルを選択してください。</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>変換中 %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>JPEG エラー</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>メディアファイルを変換中</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>出力フォルダー「%1」にファイルを作成できません: %2。別のフォルダーを指定してください。</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> ほか %1 件</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% 完了</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>完了 %1 / 全 %2 タスク</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>全体の残り 約 %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>このファイルの残り 約 %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>完了 %1 件、失敗 %2 件、停止 %3 件。</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

失敗:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>理由は不明です</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
…ほか %1 件。</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換が終了しました</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>完了 %1 件、失敗 %2 件</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>変換済み</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>結合した出力は約 %1 GB になりますが、FAT32 ボリューム %2 上のファイルは最大 4 GB です。
結合するファイルを減らすか短くするか、ビットレートを下げるか、別の出力フォルダーを選んでください。</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>「%1」の出力は約 %2 GB になりますが、FAT32 ボリューム %3 上のファイルは最大 4 GB です。
トリミング範囲を短くするか、ビットレートを下げるか、別の出力フォルダーを選んでください。</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>直ちに停止しました。未完成の出力ファイルは削除されました</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>出力のコンテナーは出力ファイルの横に独自のファイルを書き込みます。別の拡張子を使ってください</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1。サムネイルが %2 として残っている可能性があります</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1。結合したファイルのサムネイルが残っている可能性があります</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1。書き込んだ内容は削除しましたが、空のファイルが %2 として残っている可能性があります</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1。不完全なファイルが %2 として残っている可能性があります</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>出力ファイル名に合うコンテナーがありません</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>出力はソースの映像をそのまま受け付けません</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>出力はソースの音声をそのまま受け付けません</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>ビデオエンコーダーがこの設定を受け付けません</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>オーディオエンコーダーがこの設定を受け付けません</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>画像バッファー用のメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>ビデオエンコーダー用のメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>オーディオエンコーダー用のメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>ソースのビデオデコーダー用のメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>ソースのオーディオデコーダー用のメモリーが足りません</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>メモリーが足りません</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>結合した出力には、このソースの映像を入れるビデオストリームがありません</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>結合した出力には、このソースの音声を入れるオーディオストリームがありません</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>映像のフレームを 1 枚もデコード・変換できませんでした</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>ソースファイルがありません</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>出力ファイルを作成できません: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>出力ファイルを作成できません</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>出力のヘッダーを書き込めません: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>出力のヘッダーを書き込めません</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>出力を書き込めません: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>出力を書き込めません</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>出力を完了できません: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>出力を完了できません</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>書き込み中に出力ファイルが置き換えられたか削除されました</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>音声を変換できません</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>出力をエンコードできません</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>ソースを開けません: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>ソースを開けません</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>ソースは通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>ソースのストリームを読み取れません: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>字幕トラック %1 をデコードできません</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>字幕ファイル %1 を読み取れません</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>字幕ファイル %1 に %2 バイトの字幕があり、長すぎて描画できません</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>字幕ファイル %1 は大きすぎて描画できない文字サイズを指定しています</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>ソースの映像をデコードできません</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>ソースの音声をデコードできません</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>ソースに音声トラック %1 がありません</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>ソースに字幕トラック %1 がありません</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>画像には音声がありません。ビデオのプロファイルで変換してください</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>ソースに変換する音声がありません</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>1 パス目の統計を保存できません</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>目標サイズでは、このファイルの映像を入れる余地がありません</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>1 パス目の統計用のプライベートフォルダーを作成できません</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>そのまま残した映像は %1 のキーフレームから始まります (開始時刻の %2 前)</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>映像と音声はそのまま</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>映像はそのまま</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>音声はそのまま</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>映像を変換: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>音声を変換: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>結合するファイルの 1 つを読み取れません</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>結合するファイルの映像のパラメーターが異なります</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>結合するファイルの音声が異なります</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>ソースに映像がありません</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>字幕を映像に焼き込みます</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>正確なカットが指定されています</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>映像を目標サイズに収めます</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1 (ファームウェア %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1 (ビデオ出力)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>画像サイズ %1x%2 が %3 の上限 %4x%5 を超えています</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>画像サイズ %1x%2 が %3 の上限 %4 ピクセル（%5x%6 または %7x%8）を超えています</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps が %2 の上限 %3 fps を超えています</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>映像は %1 度回転していますが、%2 は回転を反映しません</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>ピクセルが正方形ではなく (%1:%2)、%3 では引き伸ばされて表示されます</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>映像はインターレースですが、どちらのフィールドが先かが示されていません</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>%1 ビットの映像は %2 の 8 ビットを超えています</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>%1 の色は %2 が再生できる 4:2:0 ではありません</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>%1 プロファイルは %2 で再生できません</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>レベル %1 が %2 の上限レベル %3 を超えています</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>サイズとフレームレートが %2 のレベル %1 を超えています</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>参照フレーム %1 枚は、このサイズでの %2 の上限 %3 枚を超えています</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>フレームが %1 スライスに分かれていますが、%2 は 1 スライスしかデコードできません</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>%1 は %2 ファイルを開けません</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>%2 は %3 内の %1 映像を再生できません</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>%1 で再生できるのは AAC-LC のみです</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>AAC の %1 チャンネルは %2 の上限 %3 を超えています</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>%2 は %1 Hz の AAC を再生できません</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>%2 は %3 内の %1 音声を再生できません</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>%1 エンコーダーは %3 では %2 しか使えません</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>%1 エンコーダーは %2 しか使えません</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>%1 エンコーダーで使えるのは「1ch モノラル」「2ch ステレオ」「5.1ch」です</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>%1 エンコーダーで使えるのは「1ch モノラル」か「2ch ステレオ」です</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>%1 エンコーダーで使えるのは「1ch モノラル」のみです</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>%1 エンコーダーで使えるのは %2～%3 Hz (%4) です</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>%1 エンコーダーで使えるのは %2～%3 kbps です</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>%1 エンコーダーで使えるのは %2 Hz です</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>%1～%2 の偶数の幅と高さ</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>%1～%2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>目標サイズはビデオ出力用です。音声ファイルのサイズはビットレートで決まります。</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>目標サイズ %1 は、%2 の FAT32 ストレージ上のファイルに収まる大きさ (最大 4 GB) を超えています。
もっと小さいサイズを選んでください。</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>目標サイズ %1 は %2 には小さすぎます。映像は %3 となり、このプロファイルに必要な %4 を下回ります。
もっと大きいサイズ、短いクリップ、または画像の小さいプロファイルを選んでください。</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>目標サイズはこのファイルの映像には小さすぎます。エンコーダーの最低画質でも %1 を超える必要がありますが、このサイズでは %2 しか残りません。
もっと大きいサイズ、短いクリップ、または画像の小さいプロファイルを選んでください。</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>目標サイズ %1 は %2 には大きすぎます。映像は %3 が必要になり、%5 が再生できる %4 kbps を超えます。
もっと小さいサイズを選んでください。</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1 (長さ %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>結合した出力</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>H.264 レベル %2 の %1</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>MPEG-2 Main プロファイルの %1</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>%2 プロファイルの %1</translation>
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
        <translation>そのようなファイルやディレクトリはありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>入力の処理中に無効なデータが見つかりました</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>デバイスに空き領域がありません</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>無効な引数です</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>入出力エラーです</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>読み取り専用のファイルシステムです</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>ディスククォータを超えました</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>出力が目標サイズより小さくなりました: この動画にはこれ以上必要ありません (%1 / %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>出力が目標サイズより大きくなりました: エンコーダーがサイズを守れませんでした (%1 / %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>ビデオをトリミング</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>変換を開始</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>出力ファイルを開く</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>出力先を設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> 1 つのファイルに結合</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>変換の設定</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>トリミング</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>出力フォルダーを開く</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>出力フォルダーを参照</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>1 つのファイルに結合</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>タスク</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>再生位置と長さ</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>すべてのファイル (*.*)|*.*|すべてのメディアファイル|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash ファイル (*.flv)|*.flv|Real Media ファイル (*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime ファイル (*.mov;*.qt)|*.qt;*.mov|AVI ファイル (*.avi)|*.avi|MPEG ファイル (*.mpg;*.mpeg)|*.mpg;*.mpeg|保護されていない VOB ファイル (*.vob)|*.vob|VCD ファイル (*.dat)|*.dat|Matroska Video ファイル (*.mkv)|*.mkv|MP4 ファイル (*.mp4;*.m4v)|*.mp4;*.m4v|3GP ファイル (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media ファイル (*.asf;*.wmv)|*.asf;*.wmv|MOD ファイル (*.mod)|*.mod|TOD ファイル (*.tod)|*.tod|ハイビジョンファイル (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video ファイル (*.dv)|*.dv|NUT ファイル (*.nut)|*.nut|H.264 ロービデオファイル (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|すべてのオーディオファイル|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding ファイル (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Audio Code 3 ファイル (*.ac3)|*.ac3|Monkey&apos;s Audio ファイル (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|MP3 ファイル (*.mp3)|*.mp3|Ogg Vorbis Audio ファイル (*.ogg)|*.ogg|Real Audio ファイル (*.ra;*.ram)|*.ra;*.ram|WAV Audio ファイル (*.wav)|*.wav|Window Media Audio ファイル (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>出力フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>出力フォルダー名が正しくありません。</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>ヘルプファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>出力フォルダーの下に、元のファイルと同じフォルダー構成で出力します</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>前回の実行で出力が完成しているファイルを除外します</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>フォルダー構成を保持</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>変換済みのファイルをスキップ</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>ヘルプページを開けるプログラムがありません。Web ブラウザーで開いてください:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>出力フォルダーを開けるプログラムがありません。ファイルマネージャーで開いてください:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>オペレーティングシステムの
メモリまたはリソースが不足しています。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>指定されたファイルが見つかりません。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>指定されたパスが見つかりません。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>オペレーティングシステムにより
指定されたファイルへのアクセスが拒否されました。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>操作を完了するためのメモリが不足しています。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE ファイルが正しくありません
(Win32 .EXE ではないか、.EXE イメージにエラーがあります)。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>共有違反が発生しました。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>ファイル名の関連付けが
不完全または無効です。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>要求がタイムアウトしたため、
DDE トランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE トランザクションが失敗しました。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>他の DDE トランザクションを
処理中だったため、
DDE トランザクションを完了できませんでした。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>このファイル拡張子に
関連付けられたアプリケーションがありません。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>指定されたダイナミックリンクライブラリが見つかりません。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>不明なエラー (%1) が発生しました。</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>ファイルが存在しません</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読み込めません (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>読み込めるビデオまたはオーディオファイルではありません</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>長さを測定できません</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>画像が大きすぎます: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>ファイルはまだ書き込み中です</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> 準備完了</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>元のファイル</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>ファイル %1 は無効です。</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>ファイル %1 は無効です: %2。</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 個のファイルは無効なため追加されませんでした:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
…ほか %1 件。</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>ファイル %1 は無効です。</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>タスクリストがいっぱいです (最大 %1 ファイル)。残りのファイルは追加されませんでした。</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>大きすぎます</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>破損しています</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>このプログラムのタスクリストではありません</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>新しいバージョンで書き込まれています</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 は通常のファイルではないため退避できません</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>名前の変更前に中断されました</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>前回から保持していたタスクリストを使用できませんでした: %1。</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
%1 として退避しました。</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
プログラムは空のタスクリストで起動します。</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>タスクリストを保存できませんでした: %1。
以前のリストはそのまま残し、しばらくしてから保存を再試行します。</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>タスクリストのファイルを使用できなかったため (%1)、上書きせずに %2 として退避しました。</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルなし</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>シンボリックリンクであり、このプログラムのファイルではありません</translation>
    </message>
</context>
</TS>
