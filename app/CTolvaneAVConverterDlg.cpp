// The main window: construction in the initialisation order, the skin and
// layout, window-level events (keys, drops, close) and the preview's view.
// The commands are in CTolvaneAVConverterDlgCommands.cpp; size, place and
// moving by the title band in CTolvaneAVConverterDlgPlacement.cpp.

#include "app/CTolvaneAVConverterDlg.h"
#include "app/ConversionCommands.h"  // complete type for m_conversion's deletion

#include "app/DeviceFolderOffer.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowLayout.h"
#include "app/PreviewPicture.h"
#include "app/ProbeQueue.h"
#include "controls/Accessibility.h"
#include "controls/BitmapSlider.h"
#include "controls/CheckListCtrl.h"
#include "controls/ElidingCombo.h"
#include "controls/Label.h"
#include "controls/ControlButton.h"
#include "controls/FocusRing.h"
#include "controls/SkinPalette.h"
#include "controls/artwork/Artwork.h"
#include "engine/AVConvert.h"
#include "platform/ControlId.h"
#include "platform/DialogUnits.h"
#include "platform/FileNames.h"
#include "platform/NumericLocale.h"
#include "platform/Platform.h"
#include "platform/WindowPlacement.h"
#include "player/MediaPlayer.h"
#include "profiles/OutputSettings.h"
#include "profiles/ProfileTable.h"

#include <QApplication>
#include <QFontMetrics>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <QToolTip>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace mainwindow;

namespace {

constexpr int kComboHeightDu = 12;
// Where the skin paints a combo's caption, left of it (dialog units; the top is the combo's).
constexpr QRect kComboCaption(8, 0, 34, kComboHeightDu);

// Local files of a drop, in the drop's order; other addresses are not files.
QStringList localFiles(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) paths << FileNameFromLocalUrl(url.toEncoded());  // its bytes kept
    return paths;
}

}  // namespace

CTolvaneAVConverterDlg::CTolvaneAVConverterDlg(QWidget* parent, MediaPlayer* player)
    : QDialog(parent), m_list(new CCheckListCtrl(this, kTaskList)), m_tasks(*m_list) {
    if (!player) {
        m_ownedPlayer = std::make_unique<ModuleMediaPlayer>();
        player = m_ownedPlayer.get();
    }
    m_player = player;
    // The application object has just set every locale category from the
    // environment; the libraries must keep reading numbers the C way.
    UseCNumericLocale();
    modalRunner = [](QDialog& dialog) { return dialog.exec(); };
    menuRunner = [](QMenu& menu, const QPoint& at) { return menu.exec(at); };

    // 1. The window itself and its controls.
    createControls();
    m_preview = std::make_unique<PreviewController>(*m_player, static_cast<PreviewView&>(*this));
    // 2-3.
    addWindowMenuItem();
    setIconTitleTooltips();
    // 4.
    fillProfileCombo();
    // 5.
    prepareButtonsAndSliders();
    // 6.
    setUpTaskList();
    // 7-8.
    setUpOutputFolder();
    recordTemplatePlaces();
    restoreWindowPlace();
    // 9.
    ResetOutputSettings(CurrentOutputSettings());
    // 10.
    shutdownWhenDone = false;
    clipPlayerInitialised = false;
    InitPreviewPlayer();
    // 11. (the controls show the members from here on)
    connectCommands();
    // Owned by the combo; offers mounted PSP/PS3 volumes among the folders.
    auto* devices = new DeviceFolderOffer(*m_folderCombo, [] { return CurrentOutputSettings().audioOnly; });
    connect(m_profileCombo, &QComboBox::currentIndexChanged, devices, &DeviceFolderOffer::FollowProfile);
    qApp->installEventFilter(this);
}

CTolvaneAVConverterDlg::~CTolvaneAVConverterDlg() {
    qApp->removeEventFilter(this);
    shutDownPlayer();
}

void CTolvaneAVConverterDlg::createControls() {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAcceptDrops(true);
    // The skin is light: a dark desktop palette must not reach the list, the
    // combos or the menus and message boxes opened from here.
    ApplySkinPalette(*this);
    QToolTip::setPalette(SkinPalette());
    const QFont font = DialogFont(kDialogFontPoints);
    setFont(font);
    m_templateSize = MapDialogSize(QSize(kDialogWidthDu, kDialogHeightDu), font);
    resize(m_templateSize);
    setMinimumSize(MapDialogSize(QSize(kMinimumWidthDu, kMinimumHeightDu), font));

    for (const ButtonSkin& skin : ButtonSkins()) {
        auto* button = new CControlButton(this, skin.id, skin.text);
        button->setAutoDefault(false);
        button->setDefault(false);
        button->move(MapDialogPoint(skin.position, font));
        m_buttons[skin.id] = button;
    }
    auto* hidden = new QPushButton("&??", this);
    SetControlId(hidden, kRemoveHidden);
    hidden->setAutoDefault(false);
    hidden->hide();
    connect(hidden, &QPushButton::clicked, this, &CTolvaneAVConverterDlg::RemoveTask);

    m_list->setGeometry(MapDialogRect(PlaceOf(kTaskList), font));

    m_picture = new PreviewPicture(this);
    SetControlId(m_picture, kPicture);
    m_picture->setGeometry(MapDialogRect(PlaceOf(kPicture), font));

    m_positionSlider = new CBitmapSlider(this, kPositionSlider);
    m_positionSlider->move(MapDialogPoint(PlaceOf(kPositionSlider).topLeft(), font));
    m_volumeSlider = new CBitmapSlider(this, kVolumeSlider);
    m_volumeSlider->move(MapDialogPoint(PlaceOf(kVolumeSlider).topLeft(), font));
    m_playingTime = new QLabel(this);
    SetControlId(m_playingTime, kPositionTime);
    m_playingTime->setGeometry(MapDialogRect(PlaceOf(kPositionTime), font));
    m_playingTime->setAlignment(Qt::AlignCenter);
    m_playingTime->setAccessibleName(tr("Position and length"));
    // Resizing a window without a frame: the grip in the corner, or a press on
    // the right or bottom edge.
    m_sizeGrip = new QSizeGrip(this);
    m_sizeGrip->resize(m_sizeGrip->sizeHint());

    // The skin paints the two combos' captions at the window's font; a caption
    // longer in another language ("プロファイル:") moves both combos right rather
    // than being drawn smaller or cut.
    const QFontMetrics metrics(font);
    const int captionLeft = MapDialogRect(kComboCaption, font).left();
    const int captionEnd =
        captionLeft + std::max(metrics.horizontalAdvance(tr("Profile:")), metrics.horizontalAdvance(tr("Output:"))) +
        MapDialogSize(QSize(2, 0), font).width();
    auto makeCombo = [&](int id, bool editable) {
        // A long profile name at a large scale is cut in its middle, keeping its "(*.mp4)".
        auto* combo = new CElidingCombo(this);
        SetControlId(combo, id);
        combo->setEditable(editable);
        combo->setInsertPolicy(QComboBox::NoInsert);
        QRect rect = PlaceOf(id);
        rect.setHeight(kComboHeightDu);
        QRect pixels = MapDialogRect(rect, font);
        pixels.setLeft(std::max(pixels.left(), captionEnd));
        combo->setGeometry(pixels);
        return combo;
    };
    // A typed profile text would reach the output file's extension while the
    // settings stay at the last chosen entry, so the profile list only chooses.
    m_profileCombo = makeCombo(kProfile, false);
    m_folderCombo = makeCombo(kOutputFolder, true);
    // The style marks a focused combo with a faint line; a person working from
    // the keyboard must see where the focus is.
    new CFocusRing(this, {m_profileCombo, m_folderCombo});

    auto makeOption = [&](int id, const QString& text) {
        auto* box = new QCheckBox(text, this);
        SetControlId(box, id);
        box->setGeometry(MapDialogRect(PlaceOf(id), font));
        return box;
    };
    m_keepTree = makeOption(kKeepTree, tr("Keep the folder tree"));
    m_skipDone = makeOption(kSkipDone, tr("Skip files done before"));
    for (QCheckBox* option : {m_keepTree, m_skipDone}) option->setToolTip(TooltipText(ControlId(option), true));

    m_profileLabel = new QLabel(tr("Profile:"), this);
    m_outputLabel = new QLabel(tr("Output:"), this);
    m_profileLabel->hide();
    m_outputLabel->hide();
    // The skin paints these captions; the labels still name the two lists for a
    // screen reader, which on this desktop reads a list's label, not its name.
    m_profileLabel->setBuddy(m_profileCombo);
    m_outputLabel->setBuddy(m_folderCombo);
    createAddingControls();
    setTabOrderByLayout();
    // The empty list's hint has the list's turn (they are never seen together).
    setTabOrder(m_list, m_emptyHint);
    // A window to a screen reader, not a dialog; combos named by their labels.
    MarkAsMainWindow(*this);
    for (QWidget* control : findChildren<QWidget*>()) {
        const QString name = AccessibleName(ControlId(control), true);
        if (!name.isEmpty()) control->setAccessibleName(name);
    }
}

void CTolvaneAVConverterDlg::setTabOrderByLayout() {
    // Every control in the order a reader scans the window: top to bottom, left to
    // right on a line, the title band's buttons first. A control is placed by its
    // first line of text, so the tall task list comes after the tool strip and
    // before what sits under the preview beside it.
    std::vector<QWidget*> chain;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus && ControlId(child) > 0) chain.push_back(child);
    const int line = fontMetrics().height();
    const auto lineOf = [line](const QWidget* widget) {
        const QRect place = widget->geometry();
        return place.top() + std::min(place.height(), 2 * line) / 2;
    };
    std::stable_sort(chain.begin(), chain.end(), [&lineOf, line](const QWidget* a, const QWidget* b) {
        if (std::abs(lineOf(a) - lineOf(b)) > line / 2) return lineOf(a) < lineOf(b);
        return a->geometry().left() < b->geometry().left();
    });
    for (size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void CTolvaneAVConverterDlg::addWindowMenuItem() {
    // Desktops own the title-bar menu; the item lives in our window menu
    // (right click on the surface, Alt+Space) instead. Nothing to add here.
}

void CTolvaneAVConverterDlg::setIconTitleTooltips() {
    setWindowIcon(artwork::Icon(kIconId));
    setWindowTitle("Korbanix");
    for (const auto& [id, button] : m_buttons) button->setToolTip(TooltipText(id, true));
    for (const auto& [id, button] : m_buttons) {
        // The hand shows only over the command buttons, not over Play, Stop or
        // the volume picture.
        if (!ShowsHandCursor(id)) button->unsetCursor();
    }
}

void CTolvaneAVConverterDlg::fillProfileCombo() {
    for (const ProfileEntry& profile : Profiles())
        m_profileCombo->addItem(QString::fromUtf8(profile.displayText.data(),
                                                  static_cast<int>(profile.displayText.size())));
    m_profileCombo->setCurrentIndex(0);
    LoadProfile(CurrentOutputSettings(), 0);
}

void CTolvaneAVConverterDlg::prepareButtonsAndSliders() {
    for (const ButtonSkin& skin : ButtonSkins()) {
        CControlButton* button = m_buttons.at(skin.id);
        if (skin.region) button->SetShapeFromBitmap(skin.region);
        const QSize size = artwork::BitmapSize(skin.enabled[1]);
        if (size.isValid()) button->setFixedSize(size);
        SetButtonEnabled(skin.id, skin.enabledAtStart);
    }
    m_buttons.at(kVolumePicture)->setFocusPolicy(Qt::NoFocus);

    m_positionSlider->SetChannelBitmaps(306, 307);
    m_positionSlider->SetThumbBitmaps();
    m_positionSlider->SetMargins(0, 3, 0, 0);
    // Keyboard users must see which slider the arrows move.
    m_positionSlider->SetDrawFocusRect(true);
    m_positionSlider->SetRange(PreviewController::kPositionMin, PreviewController::kPositionMax);
    m_positionSlider->SetPos(0);
    m_positionSlider->setEnabled(false);

    m_volumeSlider->SetChannelBitmaps(300, 299);
    m_volumeSlider->SetThumbBitmaps();
    m_volumeSlider->SetMargins(0, 3, 0, 0);
    m_volumeSlider->SetDrawFocusRect(true);
    m_volumeSlider->SetRange(0, PreviewController::kVolumeMax);
    m_volumeSlider->SetPageSize(PreviewController::kVolumeMax / 20);
    m_volumeSlider->SetPos(PreviewController::kVolumeStart);
    m_volumeSlider->setEnabled(true);
    // Read as a volume in per cent, and the place in the file as a time.
    m_volumeSlider->SetAccessibleScale(100.0 / PreviewController::kVolumeMax,
                                       [](double percent) { return QStringLiteral("%1 %").arg(qRound(percent)); });
    followPlayedLength();
}

void CTolvaneAVConverterDlg::setUpTaskList() {
    m_tasks.SetUp();
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->viewport()->installEventFilter(this);
}

void CTolvaneAVConverterDlg::setUpOutputFolder() {
    m_folders = ResolveAppFolders(CurrentPlatform());
    QString problem;
    m_outputFolder = StartupOutputFolder(m_folders, &problem);
    // The window works on without it; the user learns why the folder is not kept.
    if (!problem.isEmpty()) CurrentPlatform().MessageBox(this, ConfigurationProblemMessage(problem));
    m_outputFolderText = m_outputFolder;
    AddOutputFolderEntry(m_outputFolder);
    m_folderCombo->setCurrentIndex(0);
    m_folderCombo->setCurrentText(m_outputFolderText);
}

void CTolvaneAVConverterDlg::connectCommands() {
    const std::pair<int, void (CTolvaneAVConverterDlg::*)()> commands[] = {
        {kAdd, &CTolvaneAVConverterDlg::AddFiles},
        {kClip, &CTolvaneAVConverterDlg::onClip},
        {kPlay, &CTolvaneAVConverterDlg::TogglePlay},
        {kConvert, &CTolvaneAVConverterDlg::onConvert},
        {kFindTarget, &CTolvaneAVConverterDlg::onFindTarget},
        {kBrowse, &CTolvaneAVConverterDlg::onBrowse},
        {kHelp, &CTolvaneAVConverterDlg::onHelp},
        {kCut, &CTolvaneAVConverterDlg::RemoveTaskAndStopPreview},
        {kEmpty, &CTolvaneAVConverterDlg::ClearTasks},
        {kClose, &CTolvaneAVConverterDlg::onClose},
        {kMinimise, &CTolvaneAVConverterDlg::onMinimise},
        {kAbout, &CTolvaneAVConverterDlg::onAbout},
        {kMerge, &CTolvaneAVConverterDlg::onMerge},
        {kFileInfo, &CTolvaneAVConverterDlg::onFileInfo},
        {kSetting, &CTolvaneAVConverterDlg::onSetting},
        {kStop, &CTolvaneAVConverterDlg::StopPreview},
    };
    for (const auto& [id, slot] : commands) connect(m_buttons.at(id), &QPushButton::clicked, this, slot);
    connect(m_profileCombo, &QComboBox::currentIndexChanged, this, &CTolvaneAVConverterDlg::onProfileChanged);
    // F1 opens the help, as everywhere on the desktop.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CTolvaneAVConverterDlg::onHelp);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &CTolvaneAVConverterDlg::updatePlayAndStop);
    connect(m_list->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(Qt::CheckStateRole)) followChecks();
            });
    connect(m_list->model(), &QAbstractItemModel::rowsRemoved, this, &CTolvaneAVConverterDlg::followChecks);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowTaskContextMenu(m_list->viewport()->mapToGlobal(pos)); });
    // A drag reports each step as "moving"; the keys report only "moved". Both
    // act, so a volume or place set from the keyboard is the one the player uses
    // (acting again on a drag's release repeats the same seek, which is harmless).
    for (CBitmapSlider* slider : {m_positionSlider, m_volumeSlider}) {
        connect(slider, &CBitmapSlider::sliderMoving, m_preview.get(), &PreviewController::OnSliderMoving);
        connect(slider, &CBitmapSlider::sliderMoved, m_preview.get(), &PreviewController::OnSliderMoving);
    }
    // The volume a person set is the one the next start plays at: kept once the
    // slider is let go (or moved by a key), not at every step of a drag.
    const int keptVolume = ReadVolume(m_folders.iniPath);
    if (keptVolume >= 0) {
        m_volumeSlider->SetPos(std::min(keptVolume, PreviewController::kVolumeMax));
        m_preview->ApplyVolume();
    }
    connect(m_volumeSlider, &CBitmapSlider::sliderMoved, this,
            [this] { WriteVolume(m_folders.iniPath, m_volumeSlider->GetPos()); });
}

// ---- Buttons ----

CControlButton* CTolvaneAVConverterDlg::button(int id) const {
    auto found = m_buttons.find(id);
    return found == m_buttons.end() ? nullptr : found->second;
}

void CTolvaneAVConverterDlg::SetButtonEnabled(int id, bool enabled) {
    CControlButton* target = button(id);
    const ButtonSkin* skin = FindButtonSkin(id);
    if (!target || !skin) return;
    std::array<int, 4> pictures = skin->enabled;
    if (id == kPlay && enabled && m_preview && m_preview->playState() == PlayState::Pause)
        pictures.fill(PreviewController::kPauseLook);
    if (!enabled && skin->disabled[0] != 0) pictures = skin->disabled;
    target->SetBitmaps(pictures[0], pictures[1], pictures[2], pictures[3]);
    target->setEnabled(enabled);
}

void CTolvaneAVConverterDlg::ApplyButtonChanges(const ButtonChanges& changes) {
    for (const ButtonChange& change : changes) {
        bool enabled = change.enabled;
        // Convert needs a checked task and Merge two, whatever else allows them.
        if (change.controlId == kConvert || change.controlId == kMerge)
            enabled = enabled && checkedCount() >= (change.controlId == kMerge ? 2 : 1);
        SetButtonEnabled(change.controlId, enabled);
    }
}

int CTolvaneAVConverterDlg::checkedCount() const {
    // The list keeps its count of unchecked rows: no walk over 10,000 rows.
    return m_list->GetItemCount() - m_list->UncheckedCount();
}

void CTolvaneAVConverterDlg::followChecks() {
    // Checking all of 9,999 rows changes each one: the buttons follow once, after.
    if (m_checksPending) return;
    m_checksPending = true;
    QTimer::singleShot(0, this, [this] {
        m_checksPending = false;
        const int checked = checkedCount();
        SetButtonEnabled(kConvert, checked >= 1);
        SetButtonEnabled(kMerge, checked >= 2);
    });
}

// ---- Preview view ----

QString CTolvaneAVConverterDlg::LastSelectedSourcePath() {
    const int row = m_tasks.LastSelected();
    return row < 0 ? QString() : m_tasks.Text(row, TaskList::kSource);
}

bool CTolvaneAVConverterDlg::HasSelectedRow() { return m_tasks.FirstSelected() >= 0; }
void CTolvaneAVConverterDlg::FocusTaskList() {
    // A person playing the preview from the keyboard keeps the focus on its
    // controls: on the list, the next Space meant for Pause would untick a row.
    QWidget* focused = QApplication::focusWidget();
    if (focused && (focused == button(kPlay) || focused == button(kStop) || focused == m_positionSlider ||
                    focused == m_volumeSlider))
        return;
    m_list->setFocus();
}
int CTolvaneAVConverterDlg::PositionSliderPos() { return m_positionSlider->GetPos(); }
void CTolvaneAVConverterDlg::SetPositionSliderPos(int pos) { m_positionSlider->SetPos(pos); }
void CTolvaneAVConverterDlg::EnablePositionSlider(bool enabled) { m_positionSlider->setEnabled(enabled); }
int CTolvaneAVConverterDlg::VolumeSliderPos() { return m_volumeSlider->GetPos(); }

void CTolvaneAVConverterDlg::ShowPlayButton(int pictureSet, bool enabled) {
    CControlButton* play = m_buttons.at(kPlay);
    play->SetBitmaps(pictureSet, pictureSet, pictureSet, pictureSet);
    play->setEnabled(enabled);
}

void CTolvaneAVConverterDlg::ShowStopButton(int pictureSet, bool enabled) {
    CControlButton* stop = m_buttons.at(kStop);
    stop->SetBitmaps(pictureSet, pictureSet, pictureSet, pictureSet);
    stop->setEnabled(enabled);
}

void CTolvaneAVConverterDlg::ShowPicture(const QImage* picture) {
    m_picture->SetPicture(picture, m_preview->SampleAspect());
}

void CTolvaneAVConverterDlg::ShowPlayingTime(const QString& text) { m_playingTime->setText(text); }

void CTolvaneAVConverterDlg::followPlayedLength() {
    const double length = m_player && !m_playerShutDown ? std::max(m_player->GetDuration(), 0.0) : 0.0;
    // "m:ss.f", or "h:mm:ss.f" from an hour on.
    const auto clock = [](double seconds) {
        const long long tenths = std::llround(std::max(seconds, 0.0) * 10);
        const long long minutes = tenths / 600;
        const QString rest = QStringLiteral("%1.%2").arg(tenths / 10 % 60, 2, 10, QLatin1Char('0')).arg(tenths % 10);
        if (minutes < 60) return QString::number(minutes) + QLatin1Char(':') + rest;
        return QStringLiteral("%1:%2:").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0')) + rest;
    };
    m_positionSlider->SetAccessibleScale(length > 0 ? length / PreviewController::kPositionMax : 1.0,
                                         [length, clock](double seconds) {
                                             return length > 0 ? tr("%1 of %2").arg(clock(seconds), clock(length))
                                                               : QString();
                                         });
}

void CTolvaneAVConverterDlg::PlayStateChanged() {
    followPlayedLength();
    const bool showsPlay = m_preview->playState() == PlayState::Play;
    m_buttons.at(kPlay)->setToolTip(TooltipText(kPlay, showsPlay));
    m_buttons.at(kPlay)->setAccessibleName(AccessibleName(kPlay, showsPlay));
}

// ---- Window events ----

void CTolvaneAVConverterDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The title band keeps its height at any window size; the body stretches.
    const QPixmap background = artwork::Pixmap(kBackgroundBitmap);
    const int sourceBand = TitleBandHeight(background.height());
    const int band = titleBandHeight();
    painter.drawPixmap(QRect(0, 0, width(), band), background, QRect(0, 0, background.width(), sourceBand));
    painter.drawPixmap(QRect(0, band, width(), height() - band), background,
                       QRect(0, sourceBand, background.width(), background.height() - sourceBand));
    // The skin's screen behind the picture area: pictures are drawn over it, and
    // a file without pictures leaves it as it is.
    painter.fillRect(m_picture->geometry(), QColor(24, 28, 32));
    // The two combos' captions are part of the skin (their template labels are
    // hidden).
    painter.setPen(QColor(40, 48, 56));
    const QFont font = this->font();
    for (const auto& [label, combo] : {std::pair{m_profileLabel, m_profileCombo}, std::pair{m_outputLabel, m_folderCombo}}) {
        QRect place = MapDialogRect(kComboCaption, font);
        place.moveTop(combo->y());
        place.setHeight(combo->height());
        place.setRight(combo->x() - 1);
        // A longer caption of another language is drawn smaller rather than cut.
        const QFont fitted = FittedFont(font, label->text(), place.width());
        painter.setFont(fitted);
        painter.drawText(place, Qt::AlignVCenter | Qt::AlignLeft,
                         QFontMetrics(fitted).elidedText(label->text(), Qt::ElideRight, place.width()));
    }
}

void CTolvaneAVConverterDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Ending the window on a stray key would throw the task list away.
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool CTolvaneAVConverterDlg::isOwnWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == this;
}

bool CTolvaneAVConverterDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                              event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        placeListOverlays();
    if (event->type() == QEvent::Show && watched != this) {
        // Every dialog of the program (ours, the choosers, message boxes) opens
        // centred on its owner and on screen, wherever the desktop would put it.
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow()) CentreOnOwner(*dialog);
        // Message boxes, choosers and menus are windows of their own and do not
        // inherit the skin's palette; they get it when they appear.
        auto* menu = qobject_cast<QMenu*>(watched);
        if ((dialog && dialog->isWindow()) || (menu && menu->isWindow()))
            static_cast<QWidget*>(watched)->setPalette(SkinPalette());
    }
    if (event->type() == QEvent::KeyPress && isOwnWidget(watched)) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* target = static_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_Delete && (target == m_list || m_list->isAncestorOf(target))) {
            // Only while the task list has the focus: in a text field Delete
            // edits the text, and a task removed by accident has no undo.
            RemoveTask();
            return true;
        }
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier &&
            (target == m_list || m_list->isAncestorOf(target))) {
            // The menu key's menu: many keyboards have no menu key.
            const QRect cell = m_list->visualRect(m_list->currentIndex());
            ShowTaskContextMenu(m_list->viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint(0, 0)));
            return true;
        }
        if (key->key() == Qt::Key_Space && (key->modifiers() & Qt::AltModifier)) {
            ShowWindowMenu(mapToGlobal(QPoint(0, 0)));
            return true;
        }
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // After the list has updated its selection, as a click notification.
        QMetaObject::invokeMethod(this, &CTolvaneAVConverterDlg::ClickTask, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void CTolvaneAVConverterDlg::shutDownPlayer() {
    if (m_playerShutDown) return;
    m_playerShutDown = true;
    if (m_preview) m_preview->StopPreview();
    m_player->Close();
}

void CTolvaneAVConverterDlg::closeEvent(QCloseEvent* event) {
    if (isConverting()) {
        // Closing the window would throw away the run unasked: the question first.
        // A yes stops as Stop does (finished and shortened outputs kept), then
        // the window closes as asked.
        event->ignore();
        if (conversion().StopOnClose()) QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    if (m_busy) {
        // Files are being probed: end once the addition is over.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    shutDownPlayer();
    QDialog::closeEvent(event);
}

void CTolvaneAVConverterDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!localFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CTolvaneAVConverterDlg::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // Not inside the drop: message boxes for invalid files must not hold the
    // file manager's drag.
    QMetaObject::invokeMethod(this, [this, paths] { DropFiles(paths); }, Qt::QueuedConnection);
}
