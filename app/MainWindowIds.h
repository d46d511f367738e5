#pragma once
// Control ids of the main window (its dialog template is 102). Tests and the
// conversion windows find the widgets by these numbers (see platform/ControlId.h).

namespace mainwindow {

constexpr int kTemplateId = 102;
constexpr int kIconId = 266;
constexpr int kAboutCommand = 16;  // the "Korbanix..." window-menu item

constexpr int kAdd = 1000;
constexpr int kClip = 1001;
constexpr int kRemoveHidden = 1002;
constexpr int kPlay = 1003;
constexpr int kConvert = 1004;
constexpr int kFindTarget = 1005;
constexpr int kBrowse = 1076;
constexpr int kOutputFolder = 1077;
constexpr int kHelp = 1090;
constexpr int kCut = 1092;
constexpr int kEmpty = 1095;
constexpr int kClose = 1096;
constexpr int kMinimise = 1097;
constexpr int kAbout = 1098;
constexpr int kMerge = 1099;
constexpr int kFileInfo = 1102;
constexpr int kProfile = 1105;
constexpr int kTaskList = 1114;
constexpr int kSetting = 1115;
constexpr int kStop = 1135;
constexpr int kVolumePicture = 1137;
constexpr int kPicture = 1139;
constexpr int kPositionSlider = 1140;
constexpr int kVolumeSlider = 1141;
constexpr int kPositionTime = 1150;  // position / length beside the position slider
constexpr int kKeepTree = 1151;  // Output area: outputs in their sources' folders
constexpr int kSkipDone = 1152;  // Output area: leave out what an earlier run completed

}  // namespace mainwindow
