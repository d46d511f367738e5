#include "app/MainWindowLayout.h"

#include "app/MainWindowIds.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace mainwindow {
namespace {

constexpr std::array<int, 4> kNone{0, 0, 0, 0};
constexpr std::array<int, 4> all(int id) { return {id, id, id, id}; }

// The skin. Positions: the title strip holds About/Minimise/Close at the right;
// the tool strip holds the task commands; the preview sits right of the list; the
// output settings and the two big actions run along the bottom.
const ButtonSkin kSkins[] = {
    {kAdd, 177, {178, 177, 177, 178}, kNone, true, "&Add", {8, 26}},
    {kClip, 280, {226, 180, 180, 226}, all(280), false, "&Clip", {122, 26}},
    {kPlay, 301, all(302), all(301), false, "Play", {316, 196}},
    {kConvert, 186, {185, 186, 186, 185}, all(279), false, "&Convert", {428, 254}},
    {kFindTarget, 204, all(204), kNone, true, "Find Target", {262, 271}},
    {kBrowse, 199, all(199), kNone, true, "Browse", {212, 271}},
    {kHelp, 181, {182, 181, 181, 182}, kNone, true, "&Help", {236, 26}},
    {kCut, 229, {188, 189, 189, 188}, all(229), false, "Cut", {46, 26}},
    {kEmpty, 269, {269, 191, 191, 269}, all(212), false, "Empty", {84, 26}},
    {kClose, 209, {210, 209, 209, 210}, kNone, true, "Close", {484, 4}},
    {kMinimise, 207, {208, 207, 207, 208}, kNone, true, "Button_MIX", {469, 4}},
    {kAbout, 253, {253, 254, 254, 253}, kNone, true, "00", {454, 4}},
    {kMerge, 0, {286, 295, 295, 286}, all(296), false, "Merge", {356, 254}},
    {kFileInfo, 261, {244, 243, 243, 244}, all(261), false, "File Infomation", {160, 26}},
    {kSetting, 196, {196, 197, 197, 196}, all(200), false, "Setting", {198, 26}},
    {kStop, 303, all(304), all(303), false, "Stop", {340, 196}},
    {kVolumePicture, 293, all(293), kNone, true, "Check Volume", {420, 203}},
};

const ControlPlace kPlaces[] = {
    {kRemoveHidden, {0, 0, 10, 10}},
    {kTaskList, {8, 62, 300, 174}},
    {kPicture, {316, 62, 179, 118}},
    {kPositionSlider, {316, 184, 160, 10}},
    {kVolumeSlider, {436, 205, 52, 10}},
    {kPositionTime, {316, 220, 179, 10}},
    {kProfile, {44, 250, 262, 200}},
    {kOutputFolder, {44, 272, 162, 200}},
    {kKeepTree, {44, 289, 110, 10}},
    {kSkipDone, {160, 289, 130, 10}},
};

// The task list takes 60 % of extra width, the picture the rest; both take all
// the extra height. Title buttons keep to the right edge, the bottom strip to the
// bottom; the controls under the picture follow its left and bottom edges.
constexpr double kListShare = 0.6;
constexpr double kPictureShare = 1.0 - kListShare;
const Anchor kAnchors[] = {
    {kAbout, 1, 0, 0, 0},
    {kMinimise, 1, 0, 0, 0},
    {kClose, 1, 0, 0, 0},
    {kTaskList, 0, 0, kListShare, 1},
    {kPicture, kListShare, 0, kPictureShare, 1},
    {kPositionSlider, kListShare, 1, kPictureShare, 0},
    {kPositionTime, kListShare, 1, kPictureShare, 0},
    {kPlay, kListShare, 1, 0, 0},
    {kStop, kListShare, 1, 0, 0},
    {kVolumePicture, 1, 1, 0, 0},
    {kVolumeSlider, 1, 1, 0, 0},
    {kProfile, 0, 1, kListShare, 0},
    {kOutputFolder, 0, 1, kListShare, 0},
    {kKeepTree, 0, 1, 0, 0},
    {kSkipDone, 0, 1, 0, 0},
    {kBrowse, kListShare, 1, 0, 0},
    {kFindTarget, kListShare, 1, 0, 0},
    {kMerge, 1, 1, 0, 0},
    {kConvert, 1, 1, 0, 0},
};

struct TooltipRow {
    int id;
    const char* text;
};
// The Play button's text follows playState and is chosen in TooltipText.
const TooltipRow kTooltips[] = {
    {kAdd, QT_TRANSLATE_NOOP("MainWindow", "Add File")},           {kClip, QT_TRANSLATE_NOOP("MainWindow", "Clip Video")},
    {kConvert, QT_TRANSLATE_NOOP("MainWindow", "Start Converting")}, {kFindTarget, QT_TRANSLATE_NOOP("MainWindow", "Open output files")},
    {kBrowse, QT_TRANSLATE_NOOP("MainWindow", "Set output files")},  {kHelp, QT_TRANSLATE_NOOP("MainWindow", "Help")},
    {kCut, QT_TRANSLATE_NOOP("MainWindow", "Remove")},             {kEmpty, QT_TRANSLATE_NOOP("MainWindow", "Clear All")},
    {kClose, QT_TRANSLATE_NOOP("MainWindow", "Close")},            {kMinimise, QT_TRANSLATE_NOOP("MainWindow", "Minimize")},
    {kAbout, QT_TRANSLATE_NOOP("MainWindow", "About")},            {kMerge, QT_TRANSLATE_NOOP("MainWindow", " Merge into a file")},
    {kFileInfo, QT_TRANSLATE_NOOP("MainWindow", "File Information")}, {kSetting, QT_TRANSLATE_NOOP("MainWindow", "Conversion Settings")},
    {kStop, QT_TRANSLATE_NOOP("MainWindow", "Stop")},
    {kKeepTree, QT_TRANSLATE_NOOP("MainWindow", "Write each output in its source's folder below the output folder")},
    {kSkipDone, QT_TRANSLATE_NOOP("MainWindow", "Leave out the files whose complete output an earlier run wrote")},
};

// What a screen reader says for each control: what it shows or does, in words. The
// template's own texts ("Button_MIX", "00", "File Infomation") stay the buttons'
// texts. Play's name follows its state and is chosen in AccessibleName.
const TooltipRow kAccessibleNames[] = {
    {kAdd, QT_TRANSLATE_NOOP("MainWindow", "Add")},
    {kClip, QT_TRANSLATE_NOOP("MainWindow", "Clip")},
    {kRemoveHidden, QT_TRANSLATE_NOOP("MainWindow", "Remove")},
    {kConvert, QT_TRANSLATE_NOOP("MainWindow", "Convert")},
    {kFindTarget, QT_TRANSLATE_NOOP("MainWindow", "Open output folder")},
    {kBrowse, QT_TRANSLATE_NOOP("MainWindow", "Browse for output folder")},
    {kOutputFolder, QT_TRANSLATE_NOOP("MainWindow", "Output folder")},
    {kHelp, QT_TRANSLATE_NOOP("MainWindow", "Help")},
    {kCut, QT_TRANSLATE_NOOP("MainWindow", "Remove")},
    {kEmpty, QT_TRANSLATE_NOOP("MainWindow", "Clear all")},
    {kClose, QT_TRANSLATE_NOOP("MainWindow", "Close")},
    {kMinimise, QT_TRANSLATE_NOOP("MainWindow", "Minimize")},
    {kAbout, QT_TRANSLATE_NOOP("MainWindow", "About")},
    {kMerge, QT_TRANSLATE_NOOP("MainWindow", "Merge into a file")},
    {kFileInfo, QT_TRANSLATE_NOOP("MainWindow", "File information")},
    {kProfile, QT_TRANSLATE_NOOP("MainWindow", "Profile")},
    {kTaskList, QT_TRANSLATE_NOOP("MainWindow", "Tasks")},
    {kSetting, QT_TRANSLATE_NOOP("MainWindow", "Setting")},
    {kStop, QT_TRANSLATE_NOOP("MainWindow", "Stop")},
    {kVolumePicture, QT_TRANSLATE_NOOP("MainWindow", "Volume")},
    {kPicture, QT_TRANSLATE_NOOP("MainWindow", "Preview")},
    {kPositionSlider, QT_TRANSLATE_NOOP("MainWindow", "Position")},
    {kVolumeSlider, QT_TRANSLATE_NOOP("MainWindow", "Volume")},
    {kPositionTime, QT_TRANSLATE_NOOP("MainWindow", "Position and length")},
    {kKeepTree, QT_TRANSLATE_NOOP("MainWindow", "Keep the folder tree")},
    {kSkipDone, QT_TRANSLATE_NOOP("MainWindow", "Skip files done before")},
};

constexpr int kHandButtons[] = {kAdd,  kClip,      kHelp,   kCut,        kEmpty,   kMerge,   kFileInfo,
                                kAbout, kBrowse, kFindTarget, kConvert, kMinimise, kClose, kSetting};

}  // namespace

const char* const kOpenFileFilter = QT_TRANSLATE_NOOP("MainWindow",
    "All files (*.*)|*.*|All media files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;"
    "*.mts;*.ts;*.nut;*.h264;*.nsv;*.dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;"
    "*.3g2;*.3gpp;*.asf;*.wmv;*.wm|Flash files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|"
    "*.rm;*.rmvb|QuickTime files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;"
    "*.mpeg)|*.mpg;*.mpeg|Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska "
    "Video files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP files(*.3gp;*.3g2;*.3gpp)|"
    "*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|MOD files(*.mod)|*.mod|TOD "
    "files(*.tod)|*.tod|High-Definition files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video "
    "files(*.dv)|*.dv|NUT files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream "
    "Video(*.nsv)|*.nsv|All audio files|*.aac;*.ac3;*.aiff;*.ape;*.cue;*.mpa;*.au;*.flac;*.mp3;"
    "*.ogg;*.ra;*.ram;*.wav;*.cda;*.m4a;*.wma|Advanced Audio Coding files(*.aac)|*.aac|Advanced "
    "Interchage File Format(*.aiff)|*.aiff|Audio Code 3 files(*.ac3)|*.ac3|Monkey's Audio "
    "Files(*.ape;*.cue)|*.ape;*.cue|Sun AU Format(*.au)|*.au|Free Loseless Audio Codec(*.flac)|"
    "*.flac|MP3 files(*.mp3)|*.mp3|Ogg Vorbis Audio Files(*.ogg)|*.ogg|Real Audio Files(*.ra;"
    "*.ram)|*.ra;*.ram|WAV Audio Files(*.wav)|*.wav|Window Media Audio Files(*.wma)|*.wma|CD "
    "Audio(*.cda)|*.cda|MPEG-4 Audio(*.m4a)|*.m4a||");

QString Translated(const char* text) { return QCoreApplication::translate("MainWindow", text); }

std::span<const ButtonSkin> ButtonSkins() { return kSkins; }

const ButtonSkin* FindButtonSkin(int id) {
    for (const ButtonSkin& skin : kSkins)
        if (skin.id == id) return &skin;
    return nullptr;
}

std::span<const ControlPlace> ControlPlaces() { return kPlaces; }

QRect PlaceOf(int id) {
    for (const ControlPlace& place : kPlaces)
        if (place.id == id) return place.rect;
    return QRect();
}

Anchor AnchorOf(int id) {
    for (const Anchor& anchor : kAnchors)
        if (anchor.id == id) return anchor;
    return Anchor{id, 0, 0, 0, 0};
}

QRect Anchored(const QRect& place, const Anchor& anchor, const QSize& extra) {
    const auto share = [](double part, int whole) { return static_cast<int>(std::lround(part * whole)); };
    return QRect(place.x() + share(anchor.moveX, extra.width()), place.y() + share(anchor.moveY, extra.height()),
                 std::max(0, place.width() + share(anchor.growX, extra.width())),
                 std::max(0, place.height() + share(anchor.growY, extra.height())));
}

QString TooltipText(int id, bool playStateIsPlay) {
    if (id == kPlay) return Translated(playStateIsPlay ? QT_TRANSLATE_NOOP("MainWindow", "Play")
                                                       : QT_TRANSLATE_NOOP("MainWindow", "Pause"));
    for (const TooltipRow& row : kTooltips)
        if (row.id == id) return Translated(row.text);
    return QString();
}

QString AccessibleName(int id, bool playStateIsPlay) {
    if (id == kPlay) return Translated(playStateIsPlay ? QT_TRANSLATE_NOOP("MainWindow", "Play")
                                                       : QT_TRANSLATE_NOOP("MainWindow", "Pause"));
    for (const TooltipRow& row : kAccessibleNames)
        if (row.id == id) return Translated(row.text);
    return QString();
}

bool ShowsHandCursor(int id) {
    return std::find(std::begin(kHandButtons), std::end(kHandButtons), id) != std::end(kHandButtons);
}

}  // namespace mainwindow
