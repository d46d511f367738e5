#pragma once
// The modal "Setting" dialog (template 167, 268 x 230 dialog units): edits the
// current profile's encoders, picture size, frame rate, bit rates, sample rate and
// channels within the choices of its preset, the target size video outputs are
// fitted into, and whether a video the device plays as it is is kept. All behaviour lives in
// SettingsDialogModel; this window only mirrors the model into eight drop-down lists
// and passes the user's picks back.
//
//   CSettings dialog(CurrentOutputSettings(), mainWindow);
//   dialog.exec();   // OK writes the settings; Cancel/Escape writes nothing
//
// Constructing the dialog fills the lists with the values in effect selected;
// "Default" selects the preset's defaults; only OK writes.
// Given `sources`, a "Sources" group below the audio one offers the preferred
// language of sound and subtitle tracks and the length of still pictures (whatever
// the profile); OK writes them there too, and "Default" picks the desktop's
// language and the default length.
// Enter presses OK (the default button) wherever the focus is; dragging the
// background moves the window. Taller than a small screen, the controls scroll
// above a fixed row of Default / OK / Cancel. UI thread only.

#include "profiles/SettingsDialogModel.h"
#include "profiles/SourcePreferences.h"

#include <QDialog>
#include <QPoint>
#include <array>
#include <vector>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;

class CSettings : public QDialog {
    Q_OBJECT
public:
    enum ControlIds {
        kTitle = 1134,
        kVideoEncoder = 1064,
        kVideoBitRate = 1066,
        kResolution = 1063,
        kFrameRate = 1065,
        kAudioEncoder = 1069,
        kAudioBitRate = 1070,
        kSampleRate = 1067,
        kChannels = 1068,
        kTargetSize = 1075,
        kDefault = 1072,
        kCopyCompatible = 1073,
        kExactCut = 1074,
        kLanguage = 1140,
        kStillSeconds = 1141,
        kOk = 1,
        kCancel = 2,
    };

    explicit CSettings(OutputSettings& settings, QWidget* owner = nullptr, PresetLookup lookup = &FindPreset,
                       SourcePreferences* sources = nullptr);

    const SettingsDialogModel& model() const { return m_model; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildLayout();
    void addTargetSize();
    void addOptions();
    QComboBox* addChoice(SettingsField field, const QString& caption, const QRect& units, int captionX);
    void connectChoices();
    void syncFromModel();
    void onOk();
    // The refused setting as the message names it, in the language of the windows.
    static QString shownSettingLabel(SettingName setting);
    void buildSourcesGroup();
    // How far the rows below the "Sources" group move down (dialog units).
    int belowSources() const;
    void selectSources(const SourcePreferences& preferences);
    // A list entry as shown: the channel choices in the language of the windows.
    static QString shownChoice(const std::string& entry);

    SettingsDialogModel m_model;
    std::array<QComboBox*, kSettingsFields.size()> m_choices{};
    QComboBox* m_targetSize = nullptr;  // editable: a size is typed or picked
    QPushButton* m_title = nullptr;
    QCheckBox* m_copyCompatible = nullptr;
    QCheckBox* m_exactCut = nullptr;
    QPushButton* m_default = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    SourcePreferences* m_sources = nullptr;  // not owned; null: no "Sources" group
    std::vector<PreferenceEntry> m_languageEntries;
    // The entries' texts in the languages' own names and the window's language.
    static std::vector<PreferenceEntry> nativeLanguageEntries(std::vector<PreferenceEntry> entries);
    std::vector<PreferenceEntry> m_stillEntries;
    QComboBox* m_language = nullptr;
    QComboBox* m_stillSeconds = nullptr;
    // Moving by the background when the window system cannot move it for us.
    bool m_dragging = false;
    QPoint m_dragOffset;
};
