<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AppFolders</name>
    <message>
        <source>%1 was a symbolic link to another file, which is not used; the link was set aside as %2</source>
        <translation>%1은(는) 다른 파일을 가리키는 심볼릭 링크이므로 사용하지 않습니다. 링크는 %2(으)로 옮겨 두었습니다</translation>
    </message>
    <message>
        <source>The output folder is not remembered: </source>
        <translation>출력 폴더를 기억하지 못합니다: </translation>
    </message>
    <message>
        <source> Please specify a different folder!</source>
        <translation> 다른 폴더를 지정하십시오.</translation>
    </message>
    <message>
        <source>No output folder is given.</source>
        <translation>출력 폴더가 지정되지 않았습니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>&quot;%1&quot;은(는) 폴더가 아니라 파일입니다.</translation>
    </message>
    <message>
        <source>the folder above it does not exist either</source>
        <translation>상위 폴더도 존재하지 않습니다</translation>
    </message>
    <message>
        <source>it was refused</source>
        <translation>거부되었습니다</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist and cannot be created: %2.</source>
        <translation>폴더 &quot;%1&quot;이(가) 없으며 만들 수도 없습니다: %2.</translation>
    </message>
    <message>
        <source>%1 was no plain file, which is not used; it was set aside as %2</source>
        <translation>%1은(는) 일반 파일이 아니어서 사용하지 않습니다. %2(으)로 옮겨 두었습니다</translation>
    </message>
</context>
<context>
    <name>Artwork</name>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>비우기</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>병합</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Media converter for your devices</source>
        <translation>기기용 미디어 변환기</translation>
    </message>
</context>
<context>
    <name>CAVConvertDlg</name>
    <message>
        <source>Current File Converting:</source>
        <translation>현재 변환 중인 파일:</translation>
    </message>
    <message>
        <source>Total Progress:</source>
        <translation>전체 진행률:</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>변환 중…</translation>
    </message>
    <message>
        <source>Current file progress</source>
        <translation>현재 파일 진행률</translation>
    </message>
    <message>
        <source>Total progress</source>
        <translation>전체 진행률</translation>
    </message>
    <message>
        <source>Show preview</source>
        <translation>미리 보기 표시</translation>
    </message>
    <message>
        <source>Shut down computer when conversion completed</source>
        <translation>변환이 끝나면 컴퓨터 종료</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Stop converting</source>
        <translation>변환 중지</translation>
    </message>
    <message>
        <source>%1   %2%</source>
        <translation>%1   %2%</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>%1 진행률</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>중지 중…</translation>
    </message>
    <message>
        <source>Stop the conversion?</source>
        <translation>변환을 중지하시겠습니까?</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>동시에 변환 중인 파일</translation>
    </message>
</context>
<context>
    <name>CAbout</name>
    <message>
        <source>Support:</source>
        <translation>지원:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>홈페이지:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>CClipDialog</name>
    <message>
        <source>Set Begin Time</source>
        <translation>시작 시간 설정</translation>
    </message>
    <message>
        <source>Set End Time</source>
        <translation>종료 시간 설정</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Reset Time</source>
        <translation>시간 초기화</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Cut time</source>
        <translation>자른 길이</translation>
    </message>
    <message>
        <source>&amp;Set Begin Time</source>
        <translation>시작(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>초기화(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>재생(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>중지(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>음량(&amp;V)</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>위치와 길이</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>화면</translation>
    </message>
    <message>
        <source>Clip - %1</source>
        <translation>자르기 – %1</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Set &amp;End Time</source>
        <translation>끝(&amp;E)</translation>
    </message>
</context>
<context>
    <name>CFileInfomation</name>
    <message>
        <source>File Name:</source>
        <translation>파일 이름:</translation>
    </message>
    <message>
        <source>Media Length:</source>
        <translation>길이:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>비트레이트:</translation>
    </message>
    <message>
        <source>Samples:</source>
        <translation>샘플링:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>모노</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>스테레오</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1채널 모노</translation>
    </message>
    <message>
        <source>2 Channel stereo</source>
        <translation>2채널 스테레오</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1채널</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>파일 정보</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>소리:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>자막:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Automatic: none</source>
        <translation>자동: 없음</translation>
    </message>
    <message>
        <source>Automatic: %1</source>
        <translation>자동: %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 채널</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 채널</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>file %1</source>
        <translation>파일 %1</translation>
    </message>
    <message>
        <source>default</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>forced</source>
        <translation>강제</translation>
    </message>
    <message>
        <source>?</source>
        <comment>a track of unknown language</comment>
        <translation>미상</translation>
    </message>
</context>
<context>
    <name>CHyperLink</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>링크를 열 수 없습니다:

%1</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <source>Encoder:</source>
        <translation>인코더:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>비트레이트:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>해상도:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>샘플링:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>채널:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Format Preset:</source>
        <translation>형식 프리셋:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Default setting</source>
        <translation>기본 설정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>This %1 cannot be used: %2.</source>
        <translation>이 %1은(는) 사용할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>picture size</source>
        <translation>화면 크기</translation>
    </message>
    <message>
        <source>frame rate</source>
        <translation>프레임 속도</translation>
    </message>
    <message>
        <source>video bit rate</source>
        <translation>비디오 비트레이트</translation>
    </message>
    <message>
        <source>sample rate</source>
        <translation>샘플링 속도</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>채널 수</translation>
    </message>
    <message>
        <source>audio bit rate</source>
        <translation>오디오 비트레이트</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>转化失败!</source>
        <translation>변환에 실패했습니다.</translation>
    </message>
    <message>
        <source>1 Channel Mono</source>
        <translation>1채널 모노</translation>
    </message>
    <message>
        <source>2 Channel Stereo</source>
        <translation>2채널 스테레오</translation>
    </message>
    <message>
        <source>5.1 Channel</source>
        <translation>5.1채널</translation>
    </message>
    <message>
        <source>Sources</source>
        <translation>소스</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>The sound and subtitle tracks chosen first, where a file has several</source>
        <translation>파일에 여러 개가 있을 때 먼저 고르는 오디오 트랙과 자막 트랙</translation>
    </message>
    <message>
        <source>Still Picture:</source>
        <translation>정지 이미지:</translation>
    </message>
    <message>
        <source>How long a picture (JPEG, PNG, ...) lasts as a video</source>
        <translation>이미지(JPEG, PNG 등)를 비디오로 만들 때의 길이</translation>
    </message>
    <message>
        <source>Target size:</source>
        <translation>목표 크기:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Fit each video output into this size, for example 700 MB; empty: use the bit rate above</source>
        <translation>각 비디오 출력을 이 크기에 맞춥니다(예: 700 MB). 비워 두면 위의 비트레이트를 사용합니다</translation>
    </message>
    <message>
        <source>(the video bit rate follows)</source>
        <translation>(비디오 비트레이트는 자동 조정)</translation>
    </message>
    <message>
        <source>Keep the video when the device plays it</source>
        <translation>기기에서 재생되면 비디오 유지</translation>
    </message>
    <message>
        <source>The video is copied unchanged when it is within what the profile&apos;s device plays (its codec, profile, level, size and frame rate limits), whatever size and bit rate this profile would convert to; its sound is kept too when the device plays it</source>
        <translation>비디오가 프로필의 기기에서 재생할 수 있는 범위(코덱, 프로필, 레벨, 크기, 프레임 속도 제한) 안에 있으면, 이 프로필이 변환할 크기와 비트레이트와 관계없이 비디오를 그대로 복사합니다. 기기에서 재생되면 소리도 유지합니다</translation>
    </message>
    <message>
        <source>Cut exactly at the start time</source>
        <translation>시작 시간에서 정확히 자르기</translation>
    </message>
    <message>
        <source>A kept video can only start at a key frame, up to a few seconds before the start time; with this, tasks with a start time are converted</source>
        <translation>유지한 비디오는 키 프레임에서만 시작할 수 있어 시작 시간보다 최대 몇 초 앞에서 시작됩니다. 이 옵션을 켜면 시작 시간이 있는 작업은 변환됩니다</translation>
    </message>
    <message>
        <source>The target size must be a size such as 700 MB or 1.4 GB, or empty for none.</source>
        <translation>목표 크기는 700 MB 또는 1.4 GB와 같은 크기로 입력하거나 비워 두어야 합니다.</translation>
    </message>
    <message>
        <source>Desktop&apos;s: %1</source>
        <translation>데스크톱: %1</translation>
    </message>
</context>
<context>
    <name>CTolvaneAVConverterDlg</name>
    <message>
        <source>Position and length</source>
        <translation>위치와 길이</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>출력:</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Add files or drop them here</source>
        <translation>파일을 추가하거나 여기에 끌어다 놓으십시오</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Adding files: %1 of %2</source>
        <translation>파일 추가 중: %1 / %2</translation>
    </message>
    <message>
        <source>Add Files..</source>
        <translation>파일 추가…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 비우기</translation>
    </message>
    <message>
        <source>Clip...</source>
        <translation>자르기…</translation>
    </message>
    <message>
        <source>File Information...</source>
        <translation>파일 정보…</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>폴더 구조 유지</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>이미 변환한 파일 건너뛰기</translation>
    </message>
    <message>
        <source>Reading folders: %1 files found</source>
        <translation>폴더 읽는 중: 파일 %1개 찾음</translation>
    </message>
</context>
<context>
    <name>ConversionCommands</name>
    <message>
        <source>Please select the video files to cut!</source>
        <translation>자를 비디오 파일을 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>ConversionControl</name>
    <message>
        <source>Please add video files!</source>
        <translation>비디오 파일을 추가하십시오.</translation>
    </message>
    <message>
        <source>Please check at least one task to convert!</source>
        <translation>변환할 작업을 하나 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Merge is effective when two or more files are chosen!</source>
        <translation>병합하려면 파일을 두 개 이상 선택하십시오.</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>Converting %1 %</source>
        <translation>변환 중 %1%</translation>
    </message>
    <message>
        <source>JPEG Error</source>
        <translation>JPEG 오류</translation>
    </message>
    <message>
        <source>Converting media files</source>
        <translation>미디어 파일 변환 중</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not accept files: %2. Please specify a different folder!</source>
        <translation>출력 폴더 &quot;%1&quot;에 파일을 만들 수 없습니다: %2. 다른 폴더를 지정하십시오.</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>완료</translation>
    </message>
    <message>
        <source> + %1 more</source>
        <translation> 외 %1개</translation>
    </message>
    <message>
        <source>%1   %2% has completed</source>
        <translation>%1   %2% 완료</translation>
    </message>
    <message>
        <source>%1 Task Completed / Total %2 Task(s)</source>
        <translation>완료 %1 / 전체 %2개 작업</translation>
    </message>
    <message>
        <source>About %1 left in all</source>
        <translation>전체 남은 시간 약 %1</translation>
    </message>
    <message>
        <source>About %1 left for this file</source>
        <translation>이 파일의 남은 시간 약 %1</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed, %3 stopped.</source>
        <translation>완료 %1개, 실패 %2개, 중지 %3개.</translation>
    </message>
    <message>
        <source>

Failed:</source>
        <translation>

실패:</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>이유가 제공되지 않았습니다</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… 외 %1개.</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>변환 완료</translation>
    </message>
    <message>
        <source>%1 completed, %2 failed</source>
        <translation>완료 %1개, 실패 %2개</translation>
    </message>
    <message>
        <source>Done before</source>
        <translation>이미 변환됨</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
</context>
<context>
    <name>DeviceFolderOffer</name>
    <message>
        <source>The merged output would be about %1 GB, but a file on the FAT32 volume %2 can hold at most 4 GB.
Merge fewer or shorter files, lower the bit rates or choose another output folder.</source>
        <translation>병합한 출력은 약 %1 GB가 되지만, FAT32 볼륨 %2의 파일은 최대 4 GB입니다.
병합할 파일을 줄이거나 짧게 하거나, 비트레이트를 낮추거나, 다른 출력 폴더를 고르십시오.</translation>
    </message>
    <message>
        <source>The output of &quot;%1&quot; would be about %2 GB, but a file on the FAT32 volume %3 can hold at most 4 GB.
Shorten the clip, lower the bit rates or choose another output folder.</source>
        <translation>&quot;%1&quot;의 출력은 약 %2 GB가 되지만, FAT32 볼륨 %3의 파일은 최대 4 GB입니다.
구간을 줄이거나, 비트레이트를 낮추거나, 다른 출력 폴더를 고르십시오.</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Stopped at once; the unfinished output was removed</source>
        <translation>즉시 중지했습니다. 완성되지 않은 출력 파일은 삭제되었습니다</translation>
    </message>
    <message>
        <source>The output&apos;s container writes files of its own beside the output; use another extension</source>
        <translation>출력 컨테이너가 출력 파일 옆에 자체 파일을 씁니다. 다른 확장자를 사용하세요</translation>
    </message>
    <message>
        <source>%1; its thumbnail may remain as %2</source>
        <translation>%1. 썸네일이 %2(으)로 남아 있을 수 있습니다</translation>
    </message>
    <message>
        <source>%1; thumbnails of the joined files may remain</source>
        <translation>%1. 병합한 파일의 썸네일이 남아 있을 수 있습니다</translation>
    </message>
    <message>
        <source>%1; what was written was removed, but an empty file may remain as %2</source>
        <translation>%1. 기록된 내용은 삭제했지만 빈 파일이 %2(으)로 남아 있을 수 있습니다</translation>
    </message>
    <message>
        <source>%1; a partial file may remain as %2</source>
        <translation>%1. 불완전한 파일이 %2(으)로 남아 있을 수 있습니다</translation>
    </message>
    <message>
        <source>No container matches the output&apos;s name</source>
        <translation>출력 파일 이름에 맞는 컨테이너가 없습니다</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s video as it is</source>
        <translation>출력이 원본 영상을 그대로 받아들이지 않습니다</translation>
    </message>
    <message>
        <source>The output does not take the source&apos;s sound as it is</source>
        <translation>출력이 원본 오디오를 그대로 받아들이지 않습니다</translation>
    </message>
    <message>
        <source>The video encoder does not accept these settings</source>
        <translation>비디오 인코더가 이 설정을 받아들이지 않습니다</translation>
    </message>
    <message>
        <source>The audio encoder does not accept these settings</source>
        <translation>오디오 인코더가 이 설정을 받아들이지 않습니다</translation>
    </message>
    <message>
        <source>Not enough memory for the picture buffers</source>
        <translation>이미지 버퍼에 쓸 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Not enough memory for the video encoder</source>
        <translation>비디오 인코더에 쓸 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Not enough memory for the audio encoder</source>
        <translation>오디오 인코더에 쓸 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s video decoder</source>
        <translation>원본 비디오 디코더에 쓸 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Not enough memory for the source&apos;s audio decoder</source>
        <translation>원본 오디오 디코더에 쓸 메모리가 부족합니다</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>메모리가 부족합니다</translation>
    </message>
    <message>
        <source>The merged output has no video stream for this source&apos;s pictures</source>
        <translation>병합한 출력에 이 원본의 영상을 담을 비디오 스트림이 없습니다</translation>
    </message>
    <message>
        <source>The merged output has no audio stream for this source&apos;s sound</source>
        <translation>병합한 출력에 이 원본의 소리를 담을 오디오 스트림이 없습니다</translation>
    </message>
    <message>
        <source>Not one picture of the video could be decoded and converted</source>
        <translation>영상의 프레임을 하나도 디코딩하고 변환할 수 없었습니다</translation>
    </message>
    <message>
        <source>No source file</source>
        <translation>원본 파일이 없습니다</translation>
    </message>
    <message>
        <source>Cannot create the output: %1</source>
        <translation>출력 파일을 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot create the output</source>
        <translation>출력 파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header: %1</source>
        <translation>출력 헤더를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot write the output&apos;s header</source>
        <translation>출력 헤더를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot write the output: %1</source>
        <translation>출력을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot write the output</source>
        <translation>출력을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot finish the output: %1</source>
        <translation>출력을 마무리할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot finish the output</source>
        <translation>출력을 마무리할 수 없습니다</translation>
    </message>
    <message>
        <source>The output file was replaced or removed while it was written</source>
        <translation>쓰는 도중에 출력 파일이 바뀌었거나 삭제되었습니다</translation>
    </message>
    <message>
        <source>Cannot convert the sound</source>
        <translation>오디오를 변환할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot encode the output</source>
        <translation>출력을 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>Cannot open the source: %1</source>
        <translation>원본을 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Cannot open the source</source>
        <translation>원본을 열 수 없습니다</translation>
    </message>
    <message>
        <source>The source is not a regular file</source>
        <translation>원본이 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Cannot read the source&apos;s streams: %1</source>
        <translation>원본의 스트림을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The subtitle track %1 cannot be decoded</source>
        <translation>자막 트랙 %1을(를) 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>The subtitle file %1 cannot be read</source>
        <translation>자막 파일 %1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>The subtitle file %1 has a cue of %2 bytes, too long to draw</source>
        <translation>자막 파일 %1에 %2바이트짜리 자막이 있어 너무 길어서 그릴 수 없습니다</translation>
    </message>
    <message>
        <source>The subtitle file %1 asks for letters too large to draw</source>
        <translation>자막 파일 %1이(가) 너무 커서 그릴 수 없는 글자 크기를 요구합니다</translation>
    </message>
    <message>
        <source>The source&apos;s video cannot be decoded</source>
        <translation>원본 영상을 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>The source&apos;s audio cannot be decoded</source>
        <translation>원본 오디오를 디코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>The source has no audio track %1</source>
        <translation>원본에 오디오 트랙 %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>The source has no subtitle track %1</source>
        <translation>원본에 자막 트랙 %1이(가) 없습니다</translation>
    </message>
    <message>
        <source>A picture has no sound: convert it with a video profile</source>
        <translation>이미지에는 소리가 없습니다. 비디오 프로필로 변환하세요</translation>
    </message>
    <message>
        <source>The source has no sound to convert</source>
        <translation>원본에 변환할 소리가 없습니다</translation>
    </message>
    <message>
        <source>Cannot keep the statistics of the first pass</source>
        <translation>1패스 통계를 보관할 수 없습니다</translation>
    </message>
    <message>
        <source>The target size leaves no room for the video of this file</source>
        <translation>목표 크기로는 이 파일의 영상을 담을 공간이 없습니다</translation>
    </message>
    <message>
        <source>Cannot make a private folder for the first pass&apos;s statistics</source>
        <translation>1패스 통계를 위한 개인 폴더를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>the kept video starts at the key frame at %1, %2 before the begin time</source>
        <translation>그대로 둔 영상은 %1의 키프레임부터 시작합니다(시작 시간보다 %2 앞)</translation>
    </message>
    <message>
        <source>video and sound kept as they are</source>
        <translation>영상과 소리를 그대로 유지함</translation>
    </message>
    <message>
        <source>video kept as it is</source>
        <translation>영상을 그대로 유지함</translation>
    </message>
    <message>
        <source>sound kept as it is</source>
        <translation>소리를 그대로 유지함</translation>
    </message>
    <message>
        <source>video converted: %1</source>
        <translation>영상을 변환함: %1</translation>
    </message>
    <message>
        <source>sound converted: %1</source>
        <translation>소리를 변환함: %1</translation>
    </message>
    <message>
        <source>a joined file cannot be read</source>
        <translation>병합할 파일 중 하나를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the joined files&apos; videos differ in their parameters</source>
        <translation>병합할 파일들의 영상 매개변수가 서로 다릅니다</translation>
    </message>
    <message>
        <source>the joined files&apos; sounds differ</source>
        <translation>병합할 파일들의 소리가 서로 다릅니다</translation>
    </message>
    <message>
        <source>the source has no video</source>
        <translation>원본에 영상이 없습니다</translation>
    </message>
    <message>
        <source>subtitles are burned into the picture</source>
        <translation>자막을 영상에 입힙니다</translation>
    </message>
    <message>
        <source>an exact cut was asked for</source>
        <translation>정확한 자르기를 요청했습니다</translation>
    </message>
    <message>
        <source>the video is fitted into the target size</source>
        <translation>영상을 목표 크기에 맞춥니다</translation>
    </message>
    <message>
        <source>%1 (firmware %2)</source>
        <translation>%1(펌웨어 %2)</translation>
    </message>
    <message>
        <source>%1 (video out)</source>
        <translation>%1(비디오 출력)</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4x%5</source>
        <translation>화면 크기 %1x%2이(가) %3의 %4x%5를 넘습니다</translation>
    </message>
    <message>
        <source>the picture size %1x%2 is above the %3&apos;s %4 pixels (%5x%6 or %7x%8)</source>
        <translation>화면 크기 %1x%2이(가) %3의 %4픽셀(%5x%6 또는 %7x%8)을 넘습니다</translation>
    </message>
    <message>
        <source>%1 fps is above the %2&apos;s %3 fps</source>
        <translation>%1fps가 %2의 %3fps를 넘습니다</translation>
    </message>
    <message>
        <source>the picture is rotated by %1 degrees, which the %2 does not apply</source>
        <translation>영상이 %1도 회전되어 있지만 %2은(는) 회전을 적용하지 않습니다</translation>
    </message>
    <message>
        <source>its pixels are not square (%1:%2), which the %3 shows stretched</source>
        <translation>픽셀이 정사각형이 아니어서(%1:%2) %3에서는 늘어나 보입니다</translation>
    </message>
    <message>
        <source>the picture is interlaced without saying which field comes first</source>
        <translation>영상이 인터레이스인데 어느 필드가 먼저인지 표시되어 있지 않습니다</translation>
    </message>
    <message>
        <source>%1-bit video is more than the %2&apos;s 8 bits</source>
        <translation>%1비트 영상은 %2의 8비트를 넘습니다</translation>
    </message>
    <message>
        <source>%1 colour is not the 4:2:0 the %2 plays</source>
        <translation>%1 색상은 %2이(가) 재생하는 4:2:0이 아닙니다</translation>
    </message>
    <message>
        <source>the %1 profile is not one the %2 plays</source>
        <translation>%1 프로필은 %2에서 재생되지 않습니다</translation>
    </message>
    <message>
        <source>level %1 is above the %2&apos;s %3</source>
        <translation>레벨 %1이(가) %2의 레벨 %3을(를) 넘습니다</translation>
    </message>
    <message>
        <source>its size and rate are above level %1 of the %2</source>
        <translation>크기와 프레임 레이트가 %2의 레벨 %1을(를) 넘습니다</translation>
    </message>
    <message>
        <source>%1 reference frames are more than the %2&apos;s %3 at this size</source>
        <translation>참조 프레임 %1개는 이 크기에서 %2의 %3개를 넘습니다</translation>
    </message>
    <message>
        <source>its pictures have %1 slices; the %2 decodes one</source>
        <translation>프레임이 슬라이스 %1개로 나뉘어 있지만 %2은(는) 하나만 디코딩합니다</translation>
    </message>
    <message>
        <source>the %1 does not open %2 files</source>
        <translation>%1은(는) %2 파일을 열지 못합니다</translation>
    </message>
    <message>
        <source>%1 video is not what the %2 plays in %3</source>
        <translation>%2은(는) %3 안의 %1 영상을 재생하지 못합니다</translation>
    </message>
    <message>
        <source>only AAC-LC plays on the %1</source>
        <translation>%1에서는 AAC-LC만 재생됩니다</translation>
    </message>
    <message>
        <source>%1 AAC channels are more than the %2&apos;s %3</source>
        <translation>AAC %1채널은 %2의 %3채널을 넘습니다</translation>
    </message>
    <message>
        <source>%1 Hz AAC is not a rate the %2 plays</source>
        <translation>%2은(는) %1Hz AAC를 재생하지 못합니다</translation>
    </message>
    <message>
        <source>%1 sound is not what the %2 plays in %3</source>
        <translation>%2은(는) %3 안의 %1 오디오를 재생하지 못합니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2 at %3</source>
        <translation>%1 인코더는 %3에서 %2만 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes only %2</source>
        <translation>%1 인코더는 %2만 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot;, &quot;2 Channel Stereo&quot; or &quot;5.1 Channel&quot;</source>
        <translation>%1 인코더는 &apos;1채널 모노&apos;, &apos;2채널 스테레오&apos;, &apos;5.1채널&apos;을 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; or &quot;2 Channel Stereo&quot;</source>
        <translation>%1 인코더는 &apos;1채널 모노&apos; 또는 &apos;2채널 스테레오&apos;를 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes &quot;1 Channel Mono&quot; only</source>
        <translation>%1 인코더는 &apos;1채널 모노&apos;만 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 to %3 Hz (%4)</source>
        <translation>%1 인코더는 %2~%3Hz(%4)를 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 kbps to %3 kbps</source>
        <translation>%1 인코더는 %2~%3kbps를 받습니다</translation>
    </message>
    <message>
        <source>the %1 encoder takes %2 Hz</source>
        <translation>%1 인코더는 %2Hz를 받습니다</translation>
    </message>
    <message>
        <source>even widths and heights from %1 to %2</source>
        <translation>%1~%2 사이의 짝수 너비와 높이</translation>
    </message>
    <message>
        <source>%1 kbps to %2 kbps</source>
        <translation>%1~%2kbps</translation>
    </message>
    <message>
        <source>A target size is for video outputs: the size of a sound file follows its bit rate.</source>
        <translation>목표 크기는 비디오 출력용입니다. 오디오 파일의 크기는 비트레이트에 따라 정해집니다.</translation>
    </message>
    <message>
        <source>The target size of %1 is more than a file on the %2&apos;s FAT32 storage can hold (at most 4 GB).
Choose a smaller size.</source>
        <translation>목표 크기 %1은(는) %2의 FAT32 저장소에 있는 파일 하나가 담을 수 있는 크기(최대 4GB)를 넘습니다.
더 작은 크기를 고르세요.</translation>
    </message>
    <message>
        <source>The target size of %1 is too small for %2: its video would get %3, below the %4 this profile needs.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>목표 크기 %1은(는) %2에 너무 작습니다. 영상이 %3밖에 받지 못해 이 프로필에 필요한 %4보다 낮습니다.
더 큰 크기, 더 짧은 클립 또는 화면이 더 작은 프로필을 고르세요.</translation>
    </message>
    <message>
        <source>The target size is too small for the video of this file: even at the encoder&apos;s lowest quality it needs more than %1, and the size leaves %2.
Choose a larger size, a shorter clip or a profile with smaller pictures.</source>
        <translation>목표 크기가 이 파일의 영상에 너무 작습니다. 인코더의 최저 화질에서도 %1 넘게 필요하지만 이 크기로는 %2만 남습니다.
더 큰 크기, 더 짧은 클립 또는 화면이 더 작은 프로필을 고르세요.</translation>
    </message>
    <message>
        <source>The target size of %1 is too large for %2: its video would need %3, above the %4 kbps %5 plays.
Choose a smaller size.</source>
        <translation>목표 크기 %1은(는) %2에 너무 큽니다. 영상에 %3이(가) 필요해 %5이(가) 재생하는 %4kbps를 넘습니다.
더 작은 크기를 고르세요.</translation>
    </message>
    <message>
        <source>%1 (%2 long)</source>
        <translation>%1(길이 %2)</translation>
    </message>
    <message>
        <source>the merged output</source>
        <translation>병합한 출력</translation>
    </message>
    <message>
        <source>the %1 at H.264 level %2</source>
        <translation>H.264 레벨 %2의 %1</translation>
    </message>
    <message>
        <source>the %1 in MPEG-2 Main profile</source>
        <translation>MPEG-2 Main 프로필의 %1</translation>
    </message>
    <message>
        <source>the %1 in %2 profile</source>
        <translation>%2 프로필의 %1</translation>
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
        <translation>그런 파일이나 디렉터리가 없습니다</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>권한이 거부되었습니다</translation>
    </message>
    <message>
        <source>Invalid data found when processing input</source>
        <translation>입력을 처리하는 중 잘못된 데이터를 발견했습니다</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>장치에 남은 공간이 없습니다</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>잘못된 인수입니다</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>입출력 오류입니다</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>읽기 전용 파일 시스템입니다</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>디스크 할당량을 초과했습니다</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>파일이 너무 큽니다</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>the output is smaller than the target size: the video needs no more (%1 of %2)</source>
        <translation>출력이 목표 크기보다 작습니다: 이 영상에는 더 필요하지 않습니다 (%1 / %2)</translation>
    </message>
    <message>
        <source>the output is larger than the target size: the encoder could not keep to it (%1 of %2)</source>
        <translation>출력이 목표 크기보다 큽니다: 인코더가 크기를 지키지 못했습니다 (%1 / %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Add File</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Clip Video</source>
        <translation>비디오 자르기</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>변환 시작</translation>
    </message>
    <message>
        <source>Open output files</source>
        <translation>출력 파일 열기</translation>
    </message>
    <message>
        <source>Set output files</source>
        <translation>출력 위치 설정</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>모두 비우기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>About</source>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source> Merge into a file</source>
        <translation> 하나의 파일로 병합</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>파일 정보</translation>
    </message>
    <message>
        <source>Conversion Settings</source>
        <translation>변환 설정</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Clip</source>
        <translation>자르기</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>변환</translation>
    </message>
    <message>
        <source>Open output folder</source>
        <translation>출력 폴더 열기</translation>
    </message>
    <message>
        <source>Browse for output folder</source>
        <translation>출력 폴더 찾아보기</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>출력 폴더</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>모두 비우기</translation>
    </message>
    <message>
        <source>Merge into a file</source>
        <translation>하나의 파일로 병합</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>파일 정보</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>음량</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Position and length</source>
        <translation>위치와 길이</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey&apos;s Audio Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||</source>
        <translation>모든 파일 (*.*)|*.*|모든 미디어 파일|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash 파일 (*.flv)|*.flv|Real Media 파일 (*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime 파일 (*.mov;*.qt)|*.qt;*.mov|AVI 파일 (*.avi)|*.avi|MPEG 파일 (*.mpg;*.mpeg)|*.mpg;*.mpeg|보호되지 않은 VOB 파일 (*.vob)|*.vob|VCD 파일 (*.dat)|*.dat|Matroska Video 파일 (*.mkv)|*.mkv|MP4 파일 (*.mp4;*.m4v)|*.mp4;*.m4v|3GP 파일 (*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media 파일 (*.asf;*.wmv)|*.asf;*.wmv|MOD 파일 (*.mod)|*.mod|TOD 파일 (*.tod)|*.tod|고화질 파일 (*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video 파일 (*.dv)|*.dv|NUT 파일 (*.nut)|*.nut|H.264 원시 비디오 파일 (*.h264)|*.h264|Nullsoft Stream Video (*.nsv)|*.nsv|모든 오디오 파일|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding 파일 (*.aac)|*.aac|Advanced Interchage File Format (*.aiff)|*.aiff|Audio Code 3 파일 (*.ac3)|*.ac3|Monkey&apos;s Audio 파일 (*.ape;*.cue)|*.ape;*.cue|Sun AU Format (*.au)|*.au|Free Loseless Audio Codec (*.flac)|*.flac|MP3 파일 (*.mp3)|*.mp3|Ogg Vorbis Audio 파일 (*.ogg)|*.ogg|Real Audio 파일 (*.ra;*.ram)|*.ra;*.ram|WAV Audio 파일 (*.wav)|*.wav|Window Media Audio 파일 (*.wma)|*.wma|CD Audio (*.cda)|*.cda|MPEG-4 Audio (*.m4a)|*.m4a||</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Please select output folder:</source>
        <translation>출력 폴더를 선택하십시오:</translation>
    </message>
    <message>
        <source>The output folder name is invalid!</source>
        <translation>출력 폴더 이름이 잘못되었습니다.</translation>
    </message>
    <message>
        <source>Can not find help file!</source>
        <translation>도움말 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Write each output in its source&apos;s folder below the output folder</source>
        <translation>출력 폴더 아래에 원본 파일의 폴더 구조대로 각 출력을 기록합니다</translation>
    </message>
    <message>
        <source>Leave out the files whose complete output an earlier run wrote</source>
        <translation>이전 실행에서 출력을 모두 기록한 파일은 건너뜁니다</translation>
    </message>
    <message>
        <source>Keep the folder tree</source>
        <translation>폴더 구조 유지</translation>
    </message>
    <message>
        <source>Skip files done before</source>
        <translation>이미 변환한 파일 건너뛰기</translation>
    </message>
    <message>
        <source>No program could open the help page. Please open it in a web browser:
%1</source>
        <translation>도움말 페이지를 열 수 있는 프로그램이 없습니다. 웹 브라우저에서 여십시오:
%1</translation>
    </message>
    <message>
        <source>No program could open the output folder. Please open it in a file manager:
%1</source>
        <translation>출력 폴더를 열 수 있는 프로그램이 없습니다. 파일 관리자에서 여십시오:
%1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>운영 체제의 메모리나
리소스가 부족합니다.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>지정한 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>지정한 경로를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>운영 체제가 지정한 파일에 대한
접근을 거부했습니다.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>작업을 완료하기에 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 파일이 잘못되었습니다
(Win32 .EXE가 아니거나 .EXE 이미지에 오류가 있습니다).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>공유 위반이 발생했습니다. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>파일 이름 연결이
불완전하거나 잘못되었습니다.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>요청 시간이 초과되어
DDE 트랜잭션을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 트랜잭션이 실패했습니다.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>다른 DDE 트랜잭션을
처리하고 있어서
DDE 트랜잭션을 완료할 수 없습니다.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>이 파일 확장자와
연결된 응용 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>지정한 동적 연결 라이브러리를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>알 수 없는 오류(%1)가 발생했습니다.</translation>
    </message>
</context>
<context>
    <name>ProbeQueue</name>
    <message>
        <source>the file does not exist</source>
        <translation>파일이 없습니다</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>폴더입니다</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>읽을 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>파일이 비어 있습니다</translation>
    </message>
    <message>
        <source>it is not a video or audio file that can be read</source>
        <translation>읽을 수 있는 비디오나 오디오 파일이 아닙니다</translation>
    </message>
    <message>
        <source>its length cannot be measured</source>
        <translation>길이를 측정할 수 없습니다</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>picture too large: %1×%2</source>
        <translation>이미지가 너무 큽니다: %1×%2</translation>
    </message>
    <message>
        <source>the file is still growing</source>
        <translation>파일이 아직 기록되는 중입니다</translation>
    </message>
</context>
<context>
    <name>TaskList</name>
    <message>
        <source> Ready</source>
        <translation> 준비됨</translation>
    </message>
    <message>
        <source>Source file</source>
        <translation>원본 파일</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Output format</source>
        <translation>출력 형식</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>File:%1 is invalid!</source>
        <translation>파일 %1이(가) 잘못되었습니다.</translation>
    </message>
    <message>
        <source>File:%1 is invalid: %2.</source>
        <translation>파일 %1이(가) 잘못되었습니다: %2.</translation>
    </message>
    <message>
        <source>%1 files are invalid and were not added:</source>
        <translation>파일 %1개가 잘못되어 추가하지 않았습니다:</translation>
    </message>
    <message>
        <source>
... and %1 more.</source>
        <translation>
… 외 %1개.</translation>
    </message>
    <message>
        <source>File:%1 invalid!</source>
        <translation>파일 %1이(가) 잘못되었습니다.</translation>
    </message>
    <message>
        <source>The task list is full: it holds at most %1 files. The remaining files were not added.</source>
        <translation>작업 목록이 가득 찼습니다. 최대 %1개 파일까지 담을 수 있습니다. 나머지 파일은 추가하지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>TaskListStore</name>
    <message>
        <source>it cannot be opened</source>
        <translation>열 수 없습니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>너무 큽니다</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>읽을 수 없습니다</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>손상되었습니다</translation>
    </message>
    <message>
        <source>it is not a task list of this program</source>
        <translation>이 프로그램의 작업 목록이 아닙니다</translation>
    </message>
    <message>
        <source>it was written by a newer version</source>
        <translation>더 새로운 버전에서 기록되었습니다</translation>
    </message>
    <message>
        <source>%1 is not a plain file and cannot be moved aside</source>
        <translation>%1은(는) 일반 파일이 아니어서 옮겨 둘 수 없습니다</translation>
    </message>
    <message>
        <source>interrupted before the rename</source>
        <translation>이름을 바꾸기 전에 중단되었습니다</translation>
    </message>
    <message>
        <source>The task list kept from the last run could not be used: %1.</source>
        <translation>지난 실행에서 보관한 작업 목록을 사용할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>
It was set aside as %1.</source>
        <translation>
%1(으)로 옮겨 두었습니다.</translation>
    </message>
    <message>
        <source>
The program starts with an empty task list.</source>
        <translation>
프로그램이 빈 작업 목록으로 시작합니다.</translation>
    </message>
    <message>
        <source>The task list could not be saved: %1.
The list kept from before is left as it was; saving is tried again in a while.</source>
        <translation>작업 목록을 저장할 수 없습니다: %1.
이전에 보관한 목록은 그대로 두며, 잠시 후 다시 저장을 시도합니다.</translation>
    </message>
    <message>
        <source>The task list&apos;s file could not be used (%1) and was not written through: it was set aside as %2.</source>
        <translation>작업 목록 파일을 사용할 수 없어(%1) 덮어쓰지 않고 %2(으)로 옮겨 두었습니다.</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없음</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a file of this program</source>
        <translation>이 프로그램의 파일이 아니라 심볼릭 링크입니다</translation>
    </message>
</context>
</TS>
