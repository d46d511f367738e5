// The main window's additions: Add's files, drops and files handed over by a
// later start are measured off the window's thread (ProbeQueue) while the window
// keeps painting and answering; rows appear as their files are measured, with a
// count and Cancel under the list, and the files that cannot be used are named in
// one message at the end, each with its reason.

#include "app/CTolvaneAVConverterDlg.h"
#include "engine/AVConvert.h"
#include "app/ConversionCommands.h"
#include "app/ConversionControl.h"
#include "app/MainWindowIds.h"
#include "app/ProbeQueue.h"

#include "controls/CheckListCtrl.h"
#include "controls/ControlButton.h"
#include "controls/FocusRing.h"
#include "engine/FolderListing.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"

#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

constexpr int kDropRetryMs = 50;
constexpr int kAddingBarHeight = 26;

// The hint stands in the empty list's place, in the Tab order too: a keyboard user
// reaches it where the list would be, and Enter, Space or Insert on it start Add
// as a click does.
class EmptyListHint : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Insert) &&
            !(event->modifiers() & ~Qt::KeypadModifier)) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

}  // namespace

bool CTolvaneAVConverterDlg::isConverting() const {
    return m_conversion && m_conversion->Control().CurrentState() != ConversionControl::State::Idle;
}

void CTolvaneAVConverterDlg::createAddingControls() {
    m_emptyHint = new EmptyListHint(tr("Add files or drop them here"), this);
    m_emptyHint->setObjectName(QStringLiteral("emptyListHint"));
    m_emptyHint->setAutoDefault(false);
    m_emptyHint->setFlat(true);
    m_emptyHint->setStyleSheet(QStringLiteral("color: #4a5a46; background: transparent; border: none;"));
    // Read by its text, as a button; the ring shows where the focus is.
    new CFocusRing(this, {m_emptyHint});
    connect(m_emptyHint, &QPushButton::clicked, m_buttons.at(mainwindow::kAdd), &QPushButton::click);

    m_addingBar = new QWidget(this);
    m_addingBar->setObjectName(QStringLiteral("addingBar"));
    m_addingBar->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(m_addingBar);
    layout->setContentsMargins(6, 2, 6, 2);
    m_addingText = new QLabel(m_addingBar);
    auto* cancel = new QPushButton(tr("Cancel"), m_addingBar);
    cancel->setObjectName(QStringLiteral("cancelAdding"));
    cancel->setAutoDefault(false);
    layout->addWidget(m_addingText, 1);
    layout->addWidget(cancel);
    m_addingBar->hide();
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_listingCancelled.store(true);
        if (m_probes) m_probes->Cancel();
    });
    m_list->installEventFilter(this);
    placeListOverlays();
}

void CTolvaneAVConverterDlg::placeListOverlays() {
    if (!m_emptyHint) return;
    const QRect place = m_list->geometry();
    m_emptyHint->setGeometry(place);
    // Rows arrived while the hint had the focus: it goes on to them, not past them.
    const bool hintFocused = m_emptyHint->hasFocus();
    m_emptyHint->setVisible(m_list->isHidden());
    if (hintFocused && !m_list->isHidden()) m_list->setFocus(Qt::OtherFocusReason);
    m_addingBar->setGeometry(place.left(), place.bottom() + 1 - kAddingBarHeight, place.width(), kAddingBarHeight);
    m_addingBar->raise();
}

void CTolvaneAVConverterDlg::closeIfRequested() {
    if (m_closeRequested && !m_busy) close();
}

void CTolvaneAVConverterDlg::AddPaths(const QStringList& paths) {
    if (m_busy) return;
    addFiles(paths, false);
}

void CTolvaneAVConverterDlg::DropFiles(const QStringList& paths) { addFilesInTurn(paths, true); }

void CTolvaneAVConverterDlg::addFilesInTurn(const QStringList& paths, bool dropped) {
    if (m_busy) {
        // Files that arrive while others are measured wait their turn.
        QTimer::singleShot(kDropRetryMs, this, [this, paths, dropped] { addFilesInTurn(paths, dropped); });
        return;
    }
    addFiles(paths, dropped);
}

void CTolvaneAVConverterDlg::TakeHandedFiles(const QStringList& paths) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    // "Open with" on several files is an Add from elsewhere: they join the end of
    // the list in the order given, never on top in reverse.
    if (!paths.isEmpty()) addFilesInTurn(paths, false);
}

void CTolvaneAVConverterDlg::addFiles(const QStringList& rawPaths, bool dropped) {
    QStringList paths;
    for (const QString& raw : rawPaths) {
        QString path = TaskList::ReduceDoubledSeparators(raw);
        // Names given on the command line are relative to where the program was
        // started; the row must name the file wherever the conversion runs.
        if (QDir::isRelativePath(path) && !path.isEmpty())
            path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
        paths << path;
    }
    m_busy = true;
    m_adding = Adding{};
    if (!listFolders(paths)) {  // Cancel while the folders were read: nothing is added
        m_adding = Adding{};
        paths.clear();
    }
    if (!m_probes) {
        m_probes = std::make_unique<ProbeQueue>();
        connect(m_probes.get(), &ProbeQueue::arrived, this, &CTolvaneAVConverterDlg::takeProbed);
    }
    // Rows of a running conversion must keep their places: what comes while one
    // runs goes to the end of the list.
    m_adding.dropped = dropped;
    m_adding.atTop = dropped && !isConverting();
    if (!paths.isEmpty()) {
        m_addingText->setText(tr("Adding files: %1 of %2").arg(0).arg(paths.size()));
        placeListOverlays();
        m_addingBar->show();
        QEventLoop loop;
        bool cancelled = false;
        const auto done = connect(m_probes.get(), &ProbeQueue::finished, &loop, [&](bool wasCancelled) {
            cancelled = wasCancelled;
            loop.quit();
        });
        m_probes->Start(paths, Job().stillPictureSeconds);
        // The window stays usable meanwhile; commands wait for m_busy.
        if (m_probes->Running()) loop.exec();
        disconnect(done);
        m_addingBar->hide();
        (void)cancelled;
    }
    finishAdding(false);
}

bool CTolvaneAVConverterDlg::listFolders(QStringList& paths) {
    std::vector<bool> isFolder;
    for (const QString& path : paths) isFolder.push_back(folders::IsFolder(EncodeFileName(path)));
    if (std::find(isFolder.begin(), isFolder.end(), true) == isFolder.end()) return true;
    // A large tree (or a slow disk) takes a while: the window keeps answering, with
    // a count and Cancel, while a helper thread reads the folders.
    struct Found {
        std::mutex mutex;
        std::vector<std::vector<folders::ListedFile>> perPath;
        std::atomic<int> count{0};
    } found;
    found.perPath.resize(static_cast<std::size_t>(paths.size()));
    m_listingCancelled.store(false);
    std::vector<std::string> roots;
    for (int i = 0; i < paths.size(); ++i)
        roots.push_back(isFolder[static_cast<std::size_t>(i)] ? EncodeFileName(paths[i]) : std::string());
    QEventLoop loop;
    std::thread lister([&] {
        for (std::size_t i = 0; i < roots.size() && !m_listingCancelled.load(); ++i) {
            if (roots[i].empty()) continue;
            folders::ListMediaFiles(roots[i], {}, [&](folders::ListedFile&& file) {
                std::lock_guard lock(found.mutex);
                found.perPath[i].push_back(std::move(file));
                found.count.fetch_add(1);
                return !m_listingCancelled.load();
            });
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    m_addingText->setText(tr("Reading folders: %1 files found").arg(0));
    placeListOverlays();
    m_addingBar->show();
    QTimer counter;
    connect(&counter, &QTimer::timeout, this, [&] {
        m_addingText->setText(tr("Reading folders: %1 files found").arg(found.count.load()));
    });
    counter.start(ProbeQueue::kDeliverMs * 5);
    loop.exec();
    lister.join();
    m_addingBar->hide();
    if (m_listingCancelled.exchange(false)) return false;
    QStringList expanded;
    for (int i = 0; i < paths.size(); ++i) {
        if (!isFolder[static_cast<std::size_t>(i)]) {
            expanded << paths[i];
            continue;
        }
        for (const folders::ListedFile& file : found.perPath[static_cast<std::size_t>(i)]) {
            const QString path = DecodeFileName(file.path);
            m_adding.listed.insert(path, Adding::Listed{i, DecodeFileName(file.subfolder)});
            expanded << path;
        }
    }
    paths = expanded;
    return true;
}

void CTolvaneAVConverterDlg::takeProbed(const std::vector<ProbedFile>& files) {
    // The rows of one delivery are made in a few steps, not one by one, so the list
    // lays itself out once per step. A run of loose files, or of one dropped
    // folder's files, is one step.
    struct Run {
        int folder = -1;  // the dropped folder of its files; -1 = loose files
        std::vector<TaskList::NewTask> files;
        std::vector<QString> subfolders;
    };
    std::vector<Run> runs;
    int accepted = 0;
    const int room = TaskList::kCapacity - m_tasks.Count();
    for (const ProbedFile& file : files) {
        const auto listed = m_adding.listed.constFind(file.path);
        if (!file.accepted) {
            if (listed == m_adding.listed.cend()) m_adding.refused.emplace_back(file.path, file.reason);
            continue;
        }
        if (accepted >= room) {
            m_adding.listFull = true;
            // The rest would be refused too: stop measuring them.
            QTimer::singleShot(0, m_probes.get(), &ProbeQueue::Cancel);
            break;
        }
        ++accepted;
        const bool inFolder = listed != m_adding.listed.cend();
        const int folder = inFolder ? listed->folder : -1;
        if (runs.empty() || runs.back().folder != folder) runs.push_back(Run{folder, {}, {}});
        runs.back().files.push_back({file.path, file.length});
        runs.back().subfolders.push_back(inFolder ? listed->subfolder : QString());
    }
    for (const Run& run : runs) {
        int first = 0;
        if (!m_adding.atTop) {
            first = m_tasks.Count();
            m_tasks.AddTasks(run.files, false, profileText());
        } else if (run.folder < 0) {
            // Each dropped file goes on top, above the one before.
            m_tasks.AddTasks(run.files, true, profileText());
            m_adding.blockFolder = -1;
            m_adding.blockRow = 0;
        } else {
            // A dropped folder's files go on top as a block that reads in their
            // order, continued where the previous delivery left it.
            first = run.folder == m_adding.blockFolder ? m_adding.blockRow + 1 : 0;
            m_adding.blockRow = m_tasks.InsertTasksAt(first, run.files, profileText());
            m_adding.blockFolder = run.folder;
        }
        for (std::size_t i = 0; i < run.subfolders.size(); ++i) {
            if (run.subfolders[i].isEmpty()) continue;
            const int row = m_adding.atTop && run.folder < 0 ? static_cast<int>(run.files.size() - 1 - i)
                                                              : first + static_cast<int>(i);
            m_tasks.SetSubfolder(row, run.subfolders[i]);
        }
        if (m_adding.firstRow < 0 || m_adding.atTop) m_adding.firstRow = m_adding.atTop ? 0 : first;
    }
    if (accepted > 0) {
        enablePlayAndStop();
        ApplyButtonChanges(m_tasks.StatesAfterAdding());
    }
    if (m_probes)
        m_addingText->setText(
            tr("Adding files: %1 of %2").arg(m_probes->Delivered()).arg(m_probes->Total()));
}

void CTolvaneAVConverterDlg::finishAdding(bool) {
    const bool converting = isConverting();
    if (m_adding.dropped && !converting) {
        if (m_tasks.Count() > 0 && m_adding.firstRow >= 0) {
            m_list->SelectAndFocus(0);
            m_list->setFocus();
        }
    } else if (m_adding.firstRow >= 0 && m_tasks.FirstSelected() < 0) {
        // Play, File Information and Clip act on the selection: with none, the
        // first new row is the one they take.
        m_list->SelectAndFocus(m_adding.firstRow);
    }
    // Files added from the keyboard (Add, or handed over while Add had the focus)
    // are the next thing to work on: two Tabs on from Add would reach Clear All.
    if (m_adding.firstRow >= 0 && focusWidget() == m_buttons.at(mainwindow::kAdd)) m_list->setFocus(Qt::OtherFocusReason);
    // The file information probe would use the job a running conversion reads.
    if (!converting) LoadSelectedFileInfo();
    ApplyButtonChanges(m_tasks.StatesAfterAdding());
    m_busy = false;
    const auto refused = std::move(m_adding.refused);
    const bool full = m_adding.listFull;
    m_adding = Adding{};
    if (!refused.empty())
        CurrentPlatform().MessageBox(this, TaskList::RefusedFilesMessage(refused), QString(), MessageButtons::Ok,
                                     MessageIcon::Exclamation);
    if (full) CurrentPlatform().MessageBox(this, TaskList::FullListMessage());
    closeIfRequested();
}
