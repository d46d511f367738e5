<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1 是指向另一个文件的符号链接，不会使用；该链接已另存为 %2</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>无法记住输出文件夹：</translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> 请指定其他文件夹！</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>未指定输出文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>其上级文件夹也不存在</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>文件夹“%1”不存在且无法创建：%2。</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1 不是普通文件，不会使用；已另存为 %2</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>剪辑</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>适用于您设备的媒体转换器</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>当前转换文件：</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>总进度：</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>当前文件进度</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>显示预览</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>转换完成后关闭计算机</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>停止转换</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>%1 的进度</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>正在停止…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>要停止转换吗？</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>同时转换的文件</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>支持：</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>主页：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>设置开始时间</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>设置结束时间</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>重置时间</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>剪辑时长</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>设为开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>剪辑</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
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
        <translation>位置和时长</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画面</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>剪辑 – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>设为结束(&amp;E)</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 声道（单声道）</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2 声道（立体声）</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1 声道</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>音轨：</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>字幕：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>自动：无</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>自动：%1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 声道</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 声道</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>文件 %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>强制</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开链接：

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>编码器：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>格式预设：</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>默认设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>无法使用此%1：%2。</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>画面尺寸</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>视频比特率</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>声道数</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>音频比特率</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>转换失败！</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1 声道（单声道）</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2 声道（立体声）</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1 声道</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>文件包含多个音轨和字幕轨时优先选择的轨道</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>静态图片：</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>图片（JPEG、PNG 等）作为视频时持续的时长</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>目标大小：</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>将每个视频输出控制在此大小以内，例如 700 MB；留空：使用上面的比特率</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>（视频比特率随之调整）</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>设备可播放时保留原视频</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>当视频在该配置方案的设备可播放范围内（编解码器、档次、级别、尺寸和帧率限制）时，无论此配置方案会转换成什么尺寸和比特率，视频都将原样复制；设备可播放时音频也会保留</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>在开始时间精确剪切</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>保留的视频只能从关键帧开始，可能比开始时间早几秒；启用此项后，设有开始时间的任务将被转换</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>目标大小必须是 700 MB 或 1.4 GB 这样的大小，或留空表示不限制。</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>桌面：%1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>位置和时长</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置方案：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>添加文件或将文件拖放到此处</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>正在添加文件：%1 / %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>添加文件…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清空</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>剪辑…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>文件信息…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>跳过已转换的文件</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>正在读取文件夹：已找到 %1 个文件</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>请选择要剪辑的视频文件！</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>请添加视频文件！</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>请至少勾选一个要转换的任务！</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>合并需要选择两个或更多文件！</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>正在转换 %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>JPEG 错误</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>正在转换媒体文件</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>输出文件夹“%1”无法写入文件：%2。请指定其他文件夹！</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> 等 %1 个</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   已完成 %2%</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>已完成 %1 个任务 / 共 %2 个任务</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>总共约剩 %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>此文件约剩 %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>已完成 %1 个，失败 %2 个，已停止 %3 个。</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

失败：</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>未给出原因</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换已结束</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>已完成 %1 个，失败 %2 个</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>已转换过</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>合并后的输出约为 %1 GB，但 FAT32 卷 %2 上的文件最大为 4 GB。
请减少合并的文件或缩短文件、降低比特率，或选择其他输出文件夹。</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>“%1”的输出约为 %2 GB，但 FAT32 卷 %3 上的文件最大为 4 GB。
请缩短片段、降低比特率，或选择其他输出文件夹。</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>已立即停止；未完成的输出文件已删除</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>输出的容器格式会在输出文件旁写入自己的文件；请使用其他扩展名</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1；其缩略图可能残留为 %2</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1；合并文件的缩略图可能有残留</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1；已写入的内容已删除，但可能残留空文件 %2</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1；可能残留不完整的文件 %2</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>没有与输出文件名相符的容器格式</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>输出无法原样容纳源文件的视频</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>输出无法原样容纳源文件的音频</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>视频编码器不接受这些设置</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>音频编码器不接受这些设置</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>图像缓冲区内存不足</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>视频编码器内存不足</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>音频编码器内存不足</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>源文件的视频解码器内存不足</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>源文件的音频解码器内存不足</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>合并后的输出没有可容纳此源文件画面的视频流</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>合并后的输出没有可容纳此源文件声音的音频流</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>视频中没有任何一帧能够解码并转换</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>没有源文件</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>无法创建输出文件：%1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>无法创建输出文件</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>无法写入输出文件头：%1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>无法写入输出文件头</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>无法写入输出文件：%1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>无法写入输出文件</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>无法完成输出文件：%1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>无法完成输出文件</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>输出文件在写入过程中被替换或删除</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>无法转换音频</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>无法编码输出</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>无法打开源文件：%1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>无法打开源文件</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>源不是普通文件</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>无法读取源文件的流：%1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>无法解码字幕轨道 %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>无法读取字幕文件 %1</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>字幕文件 %1 中有一条 %2 字节的字幕，太长无法绘制</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>字幕文件 %1 要求的字号过大，无法绘制</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>无法解码源文件的视频</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>无法解码源文件的音频</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>源文件没有音轨 %1</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>源文件没有字幕轨道 %1</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>图片没有声音：请使用视频配置文件转换</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>源文件没有可转换的声音</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>无法保存第一遍的统计数据</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>目标大小没有为此文件的视频留下空间</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>无法为第一遍的统计数据创建私有文件夹</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>保留的视频从 %1 处的关键帧开始，比开始时间早 %2</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>视频和音频保持原样</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>视频保持原样</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>音频保持原样</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>视频已转换：%1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>音频已转换：%1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>无法读取其中一个合并的文件</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>合并文件的视频参数不同</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>合并文件的音频不同</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>源文件没有视频</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>字幕被烧录到画面中</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>要求了精确剪切</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>视频需适配目标大小</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1（固件 %2）</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1（视频输出）</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>画面尺寸 %1x%2 超过了 %3 的 %4x%5</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>画面尺寸 %1x%2 超过了 %3 的 %4 像素（%5x%6 或 %7x%8）</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1 fps 超过了 %2 的 %3 fps</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>画面旋转了 %1 度，而 %2 不会应用旋转</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>像素不是正方形（%1:%2），%3 会将画面拉伸显示</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>画面为隔行扫描，但未标明哪一场在前</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>%1 位视频超过了 %2 的 8 位</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>%1 色彩不是 %2 可播放的 4:2:0</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>%2 无法播放 %1 配置</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>级别 %1 超过了 %2 的级别 %3</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>尺寸和帧率超过了 %2 的级别 %1</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>%1 个参考帧超过了 %2 在此尺寸下的 %3 个</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>画面有 %1 个切片；%2 只能解码一个</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>%1 无法打开 %2 文件</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>%2 无法播放 %3 中的 %1 视频</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>%1 只能播放 AAC-LC</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>%1 个 AAC 声道超过了 %2 的 %3 个</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>%2 无法播放 %1 Hz 的 AAC</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>%2 无法播放 %3 中的 %1 音频</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>%1 编码器在 %3 下只接受 %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>%1 编码器只接受 %2</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>%1 编码器接受“1 声道（单声道）”、“2 声道（立体声）”或“5.1 声道”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>%1 编码器接受“1 声道（单声道）”或“2 声道（立体声）”</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>%1 编码器只接受“1 声道（单声道）”</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>%1 编码器接受 %2 至 %3 Hz（%4）</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>%1 编码器接受 %2 kbps 至 %3 kbps</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>%1 编码器接受 %2 Hz</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>%1 至 %2 之间的偶数宽度和高度</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>%1 kbps 至 %2 kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>目标大小仅适用于视频输出：音频文件的大小由其比特率决定。</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>目标大小 %1 超出了 %2 的 FAT32 存储中单个文件的容量（最多 4 GB）。
请选择更小的大小。</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>目标大小 %1 对 %2 来说太小：其视频只能得到 %3，低于此配置所需的 %4。
请选择更大的大小、更短的片段或画面更小的配置。</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>目标大小对此文件的视频来说太小：即使在编码器的最低画质下也需要超过 %1，而此大小只留出 %2。
请选择更大的大小、更短的片段或画面更小的配置。</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>目标大小 %1 对 %2 来说太大：其视频需要 %3，超过了 %5 可播放的 %4 kbps。
请选择更小的大小。</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1（时长 %2）</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>合并后的输出</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>H.264 级别 %2 的 %1</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>MPEG-2 Main 配置的 %1</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>%2 配置的 %1</translation>
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
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>处理输入时发现无效数据</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效的参数</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘配额</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>输出小于目标大小：该视频不需要更多 (%1 / %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>输出大于目标大小：编码器无法保持该大小 (%1 / %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>剪辑视频</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>打开输出文件</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>设置输出位置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清空</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> 合并为一个文件</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>转换设置</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>剪辑</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>浏览输出文件夹</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>全部清空</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>合并为一个文件</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>位置和时长</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>所有文件 (*.*)|*.*|所有媒体文件|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash 文件 (*.flv)|*.flv|Real Media 文件 (*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime 文件 (*.mov;*.qt)|*.qt;*.mov|AVI 文件 (*.avi)|*.avi|MPEG 文件 (*.mpg;*.mpeg)|*.mpg;*.mpeg|未加密的 VOB 文件 (*.vob)|*.vob|VCD 文件 (*.dat)|*.dat|Matroska Video 文件 (*.mkv)|*.mkv|MP4 文件 (*.mp4;*.m4v)|*.mp4;*.m4v|3GP 文件 (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media 文件 (*.asf;*.wmv)|*.asf;*.wmv|MOD 文件 (*.mod)|*.mod|TOD 文件 (*.tod)|*.tod|高清文件 (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video 文件 (*.dv)|*.dv|NUT 文件 (*.nut)|*.nut|H.264 裸视频文件 (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|所有音频文件|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding 文件 (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Audio Code 3 文件 (*.ac3)|*.ac3|Monkey&apos;s Audio 文件 (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|MP3 文件 (*.mp3)|*.mp3|Ogg Vorbis Audio 文件 (*.ogg)|*.ogg|Real Audio 文件 (*.ra;*.ram)|*.ra;*.ram|WAV Audio 文件 (*.wav)|*.wav|Window Media Audio 文件 (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>请选择输出文件夹：</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>输出文件夹名称无效！</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>找不到帮助文件！</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>在输出文件夹下按源文件所在的文件夹结构写入每个输出</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>跳过之前运行已完整输出的文件</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>保留文件夹结构</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>跳过已转换的文件</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>没有程序能够打开帮助页面。请在网页浏览器中打开它：
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>没有程序能打开输出文件夹。请在文件管理器中打开它：
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE 或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>由于请求超时，
无法完成 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>由于正在处理
其他 DDE 事务，
无法完成此 DDE 事务。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与此文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误 (%1)。</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取 (%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>不是可读取的视频或音频文件</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>无法测量其时长</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>图片过大：%1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>文件仍在写入中</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> 就绪</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>源文件</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>文件 %1 无效！</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>文件 %1 无效：%2。</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>%1 个文件无效，未添加：</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
……以及另外 %1 个。</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>文件 %1 无效！</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>任务列表已满：最多可容纳 %1 个文件。其余文件未添加。</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>不是本程序的任务列表</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>由更新的版本写入</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1 不是普通文件，无法移开</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>在重命名前被中断</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>无法使用上次运行保留的任务列表：%1。</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
已另存为 %1。</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
程序将以空任务列表启动。</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>无法保存任务列表：%1。
之前保留的列表保持不变；稍后将再次尝试保存。</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>无法使用任务列表文件 (%1)，未将其覆盖：已另存为 %2。</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>未找到文件</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>这是符号链接，不是本程序的文件</translation>
    </message>
</context>
</TS>
