#include "dialogs/CSettings.h"
#include "controls/Label.h"
#include "dialogs/EngineTexts.h"
#include "controls/SkinPalette.h"

#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/Platform.h"
#include "platform/WindowPlacement.h"
#include "engine/TrackChoice.h"
#include "profiles/SettingsRules.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWindow>

#include <algorithm>

namespace {

// A language by its own name, as a person looks for it ("Deutsch", "日本語",
// "Français"); the code itself when the toolkit does not know it.
QString nativeLanguageName(const std::string& code) {
    const QString text = QString::fromStdString(code);
    // The toolkit names some languages by one country's variety ("American
    // English", "简体中文"); the list offers the language itself.
    static const std::pair<const char*, const char*> kWholeLanguages[] = {
        {"eng", "English"}, {"en", "English"}, {"spa", "Español"}, {"es", "Español"}, {"chi", "中文"}, {"zh", "中文"},
        {"nor", "Norsk"}, {"no", "Norsk"}, {"por", "Português"}, {"pt", "Português"}};
    for (const auto& [language, name] : kWholeLanguages)
        if (text == QLatin1String(language)) return QString::fromUtf8(name);
    const QLocale::Language language = QLocale::codeToLanguage(text, QLocale::AnyLanguageCode);
    if (language == QLocale::AnyLanguage || language == QLocale::C) return text;
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    if (name.isEmpty()) return text;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

}  // namespace

namespace {

constexpr int kDialogFontPoints = 8;
// The template's 186 units, a line for the target size, then the two option boxes
// above the buttons.
constexpr QSize kDialogUnits(268, 230);
constexpr int kOptionsY = 180;
constexpr int kButtonsY = 208;
// The "Sources" group adds a row below the audio group; what follows moves down by it.
constexpr int kSourcesHeight = 34;

// Where each choice sits (dialog units) and the x of the caption to its left.
struct ChoiceLayout {
    SettingsField field;
    const char* caption;
    QRect units;
    int captionX;
};
// The right-hand lists reach to the groups' frames: the longer entries of other
// languages ("2 canales estéreo", "1 канал, моно") read whole.
constexpr ChoiceLayout kChoiceLayout[] = {
    {SettingsField::VideoEncoder, QT_TRANSLATE_NOOP("CSettings", "Encoder:"), QRect(55, 37, 71, 50), 15},
    {SettingsField::VideoBitRate, QT_TRANSLATE_NOOP("CSettings", "Bit Rate:"), QRect(182, 34, 80, 58), 140},
    {SettingsField::Resolution, QT_TRANSLATE_NOOP("CSettings", "Resolution:"), QRect(56, 60, 71, 72), 15},
    {SettingsField::FrameRate, QT_TRANSLATE_NOOP("CSettings", "Frame Rate:"), QRect(182, 60, 80, 70), 136},
    {SettingsField::AudioEncoder, QT_TRANSLATE_NOOP("CSettings", "Encoder:"), QRect(58, 108, 71, 25), 15},
    {SettingsField::AudioBitRate, QT_TRANSLATE_NOOP("CSettings", "Bit Rate:"), QRect(181, 106, 81, 62), 140},
    {SettingsField::SampleRate, QT_TRANSLATE_NOOP("CSettings", "Sample Rate:"), QRect(57, 129, 72, 69), 13},
    {SettingsField::Channels, QT_TRANSLATE_NOOP("CSettings", "Channel:"), QRect(182, 128, 80, 69), 140},
};

std::size_t slotOf(SettingsField field) {
    return static_cast<std::size_t>(std::find(kSettingsFields.begin(), kSettingsFields.end(), field) -
                                    kSettingsFields.begin());
}

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

CSettings::CSettings(OutputSettings& settings, QWidget* owner, PresetLookup lookup, SourcePreferences* sources)
    : QDialog(owner), m_model(settings, lookup), m_sources(sources) {
    setWindowTitle(tr("Setting"));
    ApplySkinPalette(*this);  // readable on the skin whatever the desktop theme
    setFont(DialogFont(kDialogFontPoints));
    setFixedSize(MapDialogSize(kDialogUnits + QSize(0, belowSources()), font()));
    buildLayout();
    m_model.open();
    m_targetSize->setEditText(QString::fromStdString(m_model.targetSizeText()));
    m_title->setText(QString::fromUtf8(m_model.title().data(), static_cast<int>(m_model.title().size())));
    syncFromModel();
    connectChoices();
    // The sources group and the options make the dialog taller than a small screen
    // at a large scale: its controls then scroll, above a fixed row of the buttons.
    ScrollWhenTallerThanScreen(*this, MapDialogRect(QRect(0, kButtonsY + belowSources() - 3, 1, 1), font()).y());
    // Enter is dropped before any control sees it, so it can press no button.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void CSettings::buildLayout() {
    const QFont f = font();
    auto addGroup = [&](const QString& title, const QRect& units) {
        auto* group = new QGroupBox(title, this);
        group->setGeometry(MapDialogRect(units, f));
        // Clicks on the frame count as the background: the group passes them on.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
    };
    addGroup(tr("Video"), QRect(7, 20, 259, 64));
    addGroup(tr("Audio"), QRect(7, 91, 259, 65));

    auto* titleCaption = new QLabel(tr("Format Preset:"), this);
    titleCaption->setGeometry(MapDialogRect(QRect(7, 7, 66, 8), f));

    // The title field is a disabled button with pure red text.
    m_title = new QPushButton(this);
    SetControlId(m_title, kTitle);
    m_title->setGeometry(MapDialogRect(QRect(75, 2, 184, 19), f));
    m_title->setEnabled(false);
    QPalette red = m_title->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        red.setColor(group, QPalette::ButtonText, Qt::red);
    m_title->setPalette(red);

    for (const ChoiceLayout& c : kChoiceLayout)
        m_choices[slotOf(c.field)] = addChoice(c.field, tr(c.caption), c.units, c.captionX);
    if (m_sources) buildSourcesGroup();
    addTargetSize();
    addOptions();

    // Longer captions of other languages take room from the lists beside them,
    // column by column so the lists stay aligned.
    // Each caption first takes the free room on its left (inside the group's frame,
    // or after the left column's lists), so the lists keep their places while they can.
    std::vector<std::pair<QLabel*, QWidget*>> left, right;
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy()) (label->buddy()->x() < width() / 2 ? left : right).emplace_back(label, label->buddy());
    int leftColumnEnd = 0;
    for (const auto& [label, list] : left) leftColumnEnd = std::max(leftColumnEnd, list->geometry().right());
    const int gap = MapDialogRect(QRect(0, 0, 2, 1), f).width();
    const int frameInside = MapDialogRect(QRect(11, 0, 1, 1), f).x();
    for (const auto& [column, bound] : {std::pair{&left, frameInside}, std::pair{&right, leftColumnEnd + gap}})
        for (const auto& [label, list] : *column) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
            if (needed <= label->width()) continue;
            const int grow = std::min(needed + 1 - label->width(), std::max(0, label->x() - bound));
            label->setGeometry(label->geometry().adjusted(-grow, 0, 0, 0));
        }
    GiveCaptionsRoom(left, 0.3);
    GiveCaptionsRoom(right, 0.3);
    FitCaption(*titleCaption, m_title->x() - 2);

    auto addButton = [&](int id, const QString& text, const QString& tip, const QRect& units) {
        auto* button = new QPushButton(text, this);
        SetControlId(button, id);
        button->setGeometry(MapDialogRect(units, f));
        button->setToolTip(tip);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    const int buttonsY = kButtonsY + belowSources();
    m_default = addButton(kDefault, tr("Default"), tr("Default setting"), QRect(7, buttonsY, 55, 19));
    m_ok = addButton(kOk, tr("OK"), tr("OK"), QRect(148, buttonsY, 55, 19));
    m_cancel = addButton(kCancel, tr("Cancel"), tr("Cancel"), QRect(211, buttonsY, 55, 19));
    // Enter confirms the settings, whichever list has the focus.
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSettings::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_default, &QPushButton::clicked, this, [this] {
        m_model.restoreDefaults();
        syncFromModel();
        if (m_sources) selectSources(SourcePreferences{});
    });
}

int CSettings::belowSources() const { return m_sources ? kSourcesHeight : 0; }

void CSettings::buildSourcesGroup() {
    const QFont f = font();
    auto* group = new QGroupBox(tr("Sources"), this);
    group->setGeometry(MapDialogRect(QRect(7, 160, 259, 30), f));
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto addList = [&](int id, const QString& caption, const QRect& units, int captionX,
                       const std::vector<PreferenceEntry>& entries, const QString& tip) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(MapDialogRect(QRect(captionX, units.y() + 2, units.x() - captionX - 2, 8), f));
        auto* combo = new QComboBox(this);
        SetControlId(combo, id);
        const QRect pixels = MapDialogRect(units, f);
        combo->setGeometry(pixels.x(), pixels.y(), pixels.width(), combo->sizeHint().height());
        for (const PreferenceEntry& entry : entries) combo->addItem(QString::fromStdString(entry.text));
        combo->setToolTip(tip);
        label->setBuddy(combo);
        return combo;
    };
    m_languageEntries = nativeLanguageEntries(LanguageEntries(m_sources->language, tracks::desktopLanguage()));
    m_stillEntries = StillSecondsEntries(m_sources->stillPictureSeconds);
    // The languages' own names need the room; a length in seconds needs little.
    m_language = addList(kLanguage, tr("Language:"), QRect(58, 172, 104, 60), 15, m_languageEntries,
                         tr("The sound and subtitle tracks chosen first, where a file has several"));
    m_stillSeconds = addList(kStillSeconds, tr("Still Picture:"), QRect(214, 172, 48, 60), 166,
                             m_stillEntries, tr("How long a picture (JPEG, PNG, ...) lasts as a video"));
    selectSources(*m_sources);
}

std::vector<PreferenceEntry> CSettings::nativeLanguageEntries(std::vector<PreferenceEntry> entries) {
    const std::string desktop = tracks::desktopLanguage();
    for (PreferenceEntry& entry : entries) {
        QString text;
        if (entry.value.empty())
            text = tr("Desktop's: %1").arg(desktop.empty() ? tr("none") : nativeLanguageName(desktop));
        else if (const QString code = QString::fromStdString(entry.value), name = nativeLanguageName(entry.value);
                 name == code)
            text = code;  // a stored code the toolkit does not know
        else
            text = name + QStringLiteral(" (") + code + QLatin1Char(')');
        entry.text = text.toStdString();
    }
    // The offered languages in the order of their own names, in the window's
    // language's collation; the desktop's entry stays first.
    if (entries.size() > 2) {
        QCollator collator{QLocale()};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(entries.begin() + 1, entries.end(), [&collator](const PreferenceEntry& a, const PreferenceEntry& b) {
            return collator.compare(QString::fromStdString(a.text), QString::fromStdString(b.text)) < 0;
        });
    }
    return entries;
}

void CSettings::selectSources(const SourcePreferences& preferences) {
    m_language->setCurrentIndex(EntryIndexFor(m_languageEntries, preferences.language, true));
    m_stillSeconds->setCurrentIndex(
        EntryIndexFor(m_stillEntries, std::to_string(preferences.stillPictureSeconds), false));
}

QComboBox* CSettings::addChoice(SettingsField field, const QString& caption, const QRect& units, int captionX) {
    const QFont f = font();
    auto* label = new QLabel(caption, this);
    label->setGeometry(MapDialogRect(QRect(captionX, units.y() + 2, units.x() - captionX - 2, 8), f));

    auto* combo = new QComboBox(this);  // not editable: the user can only pick
    SetControlId(combo, static_cast<int>(field));
    // The template's height includes the opened list; the closed box is one line.
    const QRect pixels = MapDialogRect(units, f);
    combo->setGeometry(pixels.x(), pixels.y(), pixels.width(), combo->sizeHint().height());
    label->setBuddy(combo);  // a screen reader says what the list holds
    return combo;
}

void CSettings::addTargetSize() {
    const QFont f = font();
    auto* label = new QLabel(tr("Target size:"), this);
    label->setGeometry(MapDialogRect(QRect(15, 164 + belowSources(), 42, 8), f));
    m_targetSize = new QComboBox(this);
    SetControlId(m_targetSize, kTargetSize);
    m_targetSize->setEditable(true);  // any size can be typed; the list holds the usual ones
    m_targetSize->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view choice : SettingsDialogModel::targetSizeChoices())
        m_targetSize->addItem(QString::fromUtf8(choice.data(), static_cast<int>(choice.size())));
    const QRect pixels = MapDialogRect(QRect(58, 162 + belowSources(), 71, 12), f);
    m_targetSize->setGeometry(pixels.x(), pixels.y(), pixels.width(), m_targetSize->sizeHint().height());
    m_targetSize->lineEdit()->setPlaceholderText(tr("none"));
    m_targetSize->setToolTip(tr("Fit each video output into this size, for example 700 MB; "
                                "empty: use the bit rate above"));
    label->setBuddy(m_targetSize);
    auto* hint = new QLabel(tr("(the video bit rate follows)"), this);
    hint->setGeometry(MapDialogRect(QRect(136, 164 + belowSources(), 125, 8), f));
}

void CSettings::connectChoices() {
    for (SettingsField field : kSettingsFields) {
        QComboBox* combo = m_choices[slotOf(field)];
        // activated = picked by the user; refills below never count as a pick.
        connect(combo, &QComboBox::activated, this, [this, field](int index) {
            m_model.userSelected(field, index);
            syncFromModel();
        });
    }
}

void CSettings::syncFromModel() {
    for (SettingsField field : kSettingsFields) {
        QComboBox* combo = m_choices[slotOf(field)];
        const ChoiceField& choice = m_model.field(field);
        const QSignalBlocker blocker(combo);
        QStringList entries;
        for (const std::string& entry : choice.entries()) entries << shownChoice(entry);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        if (shown != entries) {
            combo->clear();
            combo->addItems(entries);
        }
        combo->setCurrentIndex(choice.selection());
        combo->setEnabled(choice.enabled());
    }
    for (auto [box, on] : {std::pair{m_copyCompatible, m_model.copyCompatible()}, std::pair{m_exactCut, m_model.exactCut()}}) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
}

void CSettings::addOptions() {
    const QFont f = font();
    auto addOption = [&](int id, const QString& text, const QString& tip, int y, auto set) {
        auto* box = new QCheckBox(text, this);
        SetControlId(box, id);
        box->setGeometry(MapDialogRect(QRect(9, y, 255, 11), f));
        box->setToolTip(tip);
        connect(box, &QCheckBox::toggled, this, [this, set](bool on) { (m_model.*set)(on); });
        return box;
    };
    m_copyCompatible = addOption(
        kCopyCompatible, tr("Keep the video when the device plays it"),
        tr("The video is copied unchanged when it is within what the profile's device plays "
           "(its codec, profile, level, size and frame rate limits), whatever size and bit rate "
           "this profile would convert to; its sound is kept too when the device plays it"),
        kOptionsY + belowSources(), &SettingsDialogModel::setCopyCompatible);
    m_exactCut = addOption(kExactCut, tr("Cut exactly at the start time"),
                           tr("A kept video can only start at a key frame, up to a few seconds before "
                              "the start time; with this, tasks with a start time are converted"),
                           kOptionsY + belowSources() + 13, &SettingsDialogModel::setExactCut);
}

QString CSettings::shownChoice(const std::string& entry) {
    // The channel choices are words; the stored settings keep them in English and
    // the lists are read by position, so only what is shown is translated.
    static const char* const kChannelWords[] = {QT_TR_NOOP("1 Channel Mono"), QT_TR_NOOP("2 Channel Stereo"),
                                                QT_TR_NOOP("5.1 Channel")};
    for (const char* words : kChannelWords)
        if (entry == words) return tr(words);
    return QString::fromStdString(entry);
}

QString CSettings::shownSettingLabel(SettingName setting) {
    // The rules name the setting in English for the command line (SettingLabel).
    switch (setting) {
    case SettingName::PictureSize: return tr("picture size");
    case SettingName::FrameRate: return tr("frame rate");
    case SettingName::VideoBitRate: return tr("video bit rate");
    case SettingName::SampleRate: return tr("sample rate");
    case SettingName::Channels: return tr("channels");
    case SettingName::AudioBitRate: return tr("audio bit rate");
    }
    return tr("setting");
}

void CSettings::onOk() {
    m_model.setTargetSizeText(m_targetSize->currentText().trimmed().toStdString());
    const auto result = m_model.confirm();
    if (result.targetSizeRejected) {
        // The rules' own words (kTargetSizeHelp), translated as they stand.
        CurrentPlatform().MessageBox(this, tr("The target size must be a size such as 700 MB or 1.4 GB, or empty for none."));
        m_targetSize->setFocus();
        return;
    }
    if (result.refused) {
        // Nothing applied: the dialog stays open for another choice.
        CurrentPlatform().MessageBox(this, tr("This %1 cannot be used: %2.")
                                               .arg(shownSettingLabel(result.refused->setting),
                                                    EngineText(result.refused->accepted)));
        return;
    }
    if (m_sources) {
        const auto at = [](const std::vector<PreferenceEntry>& entries, int index) {
            return index >= 0 && index < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(index)].value
                                                                           : std::string();
        };
        m_sources->language = at(m_languageEntries, m_language->currentIndex());
        m_sources->stillPictureSeconds =
            StillSecondsFromText(at(m_stillEntries, m_stillSeconds->currentIndex())).value_or(kDefaultStillSeconds);
    }
    if (result.pictureSizeRejected)
        // The rules' own words (kConversionFailedText), translated as they stand.
        CurrentPlatform().MessageBox(this, tr("转化失败!"));
    accept();
}

void CSettings::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event)) {
        // Enter confirms, as OK does (the default button).
        event->accept();
        if (m_ok->isEnabled()) m_ok->click();
        return;
    }
    QDialog::keyPressEvent(event);  // Escape still cancels
}

bool CSettings::eventFilter(QObject* watched, QEvent* event) {
    // Let an opened list take Enter to pick its entry; anywhere else in the
    // window Enter confirms, as OK does.
    if (isEnter(event)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || widget->window() == this)) {
            event->accept();
            if (event->type() == QEvent::KeyPress && m_ok->isEnabled()) m_ok->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CSettings::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    // As a press on the title bar would: the window system moves it when it can.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void CSettings::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CSettings::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
