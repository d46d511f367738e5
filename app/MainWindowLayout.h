#pragma once
// The main window as data: where each control sits (dialog units of template
// 102, 503 x 307), how each skinned button is dressed, the tooltip texts and the
// buttons that show the hand pointer. One row per control, in template order.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <span>

namespace mainwindow {

constexpr int kDialogWidthDu = 503;
constexpr int kDialogHeightDu = 307;
constexpr int kDialogFontPoints = 9;
constexpr int kBackgroundBitmap = 290;

// A skinned button: its region bitmap (0 = none), the four pictures of its
// enabled look (hover, normal, pressed, spare) and of its disabled look
// (all 0 = it has none), whether it starts enabled, its template text and the
// top-left corner in dialog units (its size is its pictures' size).
struct ButtonSkin {
    int id;
    int region;
    std::array<int, 4> enabled;
    std::array<int, 4> disabled;
    bool enabledAtStart;
    const char* text;
    QPoint position;
};
std::span<const ButtonSkin> ButtonSkins();
const ButtonSkin* FindButtonSkin(int id);

// Rectangles (x, y, width, height in dialog units) of the other controls.
struct ControlPlace {
    int id;
    QRect rect;
};
std::span<const ControlPlace> ControlPlaces();
QRect PlaceOf(int id);

// The window is resizable: at the template's size every control sits where the
// table above puts it; at any other size a control moves by (moveX, moveY) and
// grows by (growX, growY) times the difference in width and height. The task list
// and the preview picture share the extra room; what sits below or right of them
// follows. The window never gets smaller than the minimum (in dialog units).
struct Anchor {
    int id;
    double moveX, moveY, growX, growY;
};
constexpr int kMinimumWidthDu = 380;
constexpr int kMinimumHeightDu = 214;
// The height of the skin's title band (a press there drags the window), in
// pixels of a window whose template height maps to `templateHeight` pixels.
constexpr int TitleBandHeight(int templateHeight) { return templateHeight / 12; }
// The control's anchor; one that is not listed stays where it is.
Anchor AnchorOf(int id);
// `place` (at the template's size) in a window `extra` pixels larger (or smaller).
QRect Anchored(const QRect& place, const Anchor& anchor, const QSize& extra);

// Tooltip of a control; the Play button's follows its state. Empty = none.
QString TooltipText(int id, bool playStateIsPlay);

// The name a screen reader gives a control (every control of the window has one);
// Play's follows its state. Empty for an unknown id.
QString AccessibleName(int id, bool playStateIsPlay);

// Buttons that show the hand pointer.
bool ShowsHandCursor(int id);

// A text of this file (its tables and the constants below) in the language of the
// windows.
QString Translated(const char* text);

// The menu text of the About item in the window menu (string 101).
inline constexpr const char* kAboutMenuText = "Korbanix...";

// The output folder chooser's title and the messages of the window's commands.
inline constexpr const char* kChooseFolderTitle = QT_TRANSLATE_NOOP("MainWindow", "Please select output folder:");
inline constexpr const char* kInvalidFolderMessage = QT_TRANSLATE_NOOP("MainWindow", "The output folder name is invalid!");
inline constexpr const char* kNoHelpMessage = QT_TRANSLATE_NOOP("MainWindow", "Can not find help file!");
inline constexpr const char* kHelpNotOpenedMessage =
    QT_TRANSLATE_NOOP("MainWindow", "No program could open the help page. Please open it in a web browser:\n%1");
inline constexpr const char* kFolderNotOpenedMessage =
    QT_TRANSLATE_NOOP("MainWindow", "No program could open the output folder. Please open it in a file manager:\n%1");

// The open-file chooser's filter, in the "description|patterns|...||" form.
extern const char* const kOpenFileFilter;

}  // namespace mainwindow
