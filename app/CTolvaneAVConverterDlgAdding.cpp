// The main window's additions: Add's files, drops and files handed over by a
// later start are measured off the window's thread (ProbeQueue) while the window
// keeps painting and answering; rows appear as their files are measured, with a
// count and Cancel under the list, and the files that cannot be used are named in
// one message at the end, each with its reason.

#include "app/CTolvaneAVConverterDlg.h"
#include "engine/AVConvert.h"
#include "app/ConversionCommands.h"
#include "app/ConversionControl.h"
#include "app/ProbeQueue.h"

#include "controls/CheckListCtrl.h"
#include "platform/Platform.h"

#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kDropRetryMs = 50;
constexpr int kAddingBarHeight = 26;

}  // namespace

bool CTolvaneAVConverterDlg::isConverting() const {
    return m_conversion && m_conversion->Control().CurrentState() != ConversionControl::State::Idle;
}

void CTolvaneAVConverterDlg::createAddingControls() {
    m_emptyHint = new QLabel(QStringLiteral("Add files or drop them here"), this);
    m_emptyHint->setAlignment(Qt::AlignCenter);
    m_emptyHint->setObjectName(QStringLiteral("emptyListHint"));
    m_emptyHint->setStyleSheet(QStringLiteral("color: #4a5a46; background: transparent;"));

    m_addingBar = new QWidget(this);
    m_addingBar->setObjectName(QStringLiteral("addingBar"));
    m_addingBar->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(m_addingBar);
    layout->setContentsMargins(6, 2, 6, 2);
    m_addingText = new QLabel(m_addingBar);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), m_addingBar);
    cancel->setObjectName(QStringLiteral("cancelAdding"));
    cancel->setAutoDefault(false);
    layout->addWidget(m_addingText, 1);
    layout->addWidget(cancel);
    m_addingBar->hide();
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (m_probes) m_probes->Cancel();
    });
    m_list->installEventFilter(this);
    placeListOverlays();
}

void CTolvaneAVConverterDlg::placeListOverlays() {
    if (!m_emptyHint) return;
    const QRect place = m_list->geometry();
    m_emptyHint->setGeometry(place);
    m_emptyHint->setVisible(m_list->isHidden());
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

void CTolvaneAVConverterDlg::DropFiles(const QStringList& paths) {
    if (m_busy) {
        // A drop that arrives while other files are measured waits its turn.
        QTimer::singleShot(kDropRetryMs, this, [this, paths] { DropFiles(paths); });
        return;
    }
    addFiles(paths, true);
}

void CTolvaneAVConverterDlg::TakeHandedFiles(const QStringList& paths) {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    if (!paths.isEmpty()) DropFiles(paths);
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
    if (!m_probes) {
        m_probes = std::make_unique<ProbeQueue>();
        connect(m_probes.get(), &ProbeQueue::arrived, this, &CTolvaneAVConverterDlg::takeProbed);
    }
    m_busy = true;
    // Rows of a running conversion must keep their places: what comes while one
    // runs goes to the end of the list.
    m_adding = Adding{};
    m_adding.dropped = dropped;
    m_adding.atTop = dropped && !isConverting();
    if (!paths.isEmpty()) {
        m_addingText->setText(QStringLiteral("Adding files: 0 of %1").arg(paths.size()));
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

void CTolvaneAVConverterDlg::takeProbed(const std::vector<ProbedFile>& files) {
    m_list->setUpdatesEnabled(false);
    for (const ProbedFile& file : files) {
        if (!file.accepted) {
            m_adding.refused.emplace_back(file.path, file.reason);
            continue;
        }
        if (m_tasks.IsFull()) {
            m_adding.listFull = true;
            // The rest would be refused too: stop measuring them.
            QTimer::singleShot(0, m_probes.get(), &ProbeQueue::Cancel);
            break;
        }
        const int row = m_adding.atTop ? m_tasks.InsertTaskAtTop(file.path, file.length, profileText())
                                       : m_tasks.AppendTask(file.path, file.length, profileText());
        if (m_adding.firstRow < 0 || m_adding.atTop) m_adding.firstRow = row;
    }
    m_list->setUpdatesEnabled(true);
    if (m_adding.firstRow >= 0) {
        enablePlayAndStop();
        ApplyButtonChanges(m_tasks.StatesAfterAdding());
    }
    if (m_probes)
        m_addingText->setText(
            QStringLiteral("Adding files: %1 of %2").arg(m_probes->Delivered()).arg(m_probes->Total()));
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
    // The file information probe would use the job a running conversion reads.
    if (!converting) LoadSelectedFileInfo();
    ApplyButtonChanges(m_tasks.StatesAfterAdding());
    m_busy = false;
    const auto refused = std::move(m_adding.refused);
    const bool full = m_adding.listFull;
    m_adding = Adding{};
    if (!refused.empty()) CurrentPlatform().MessageBox(this, TaskList::RefusedFilesMessage(refused));
    if (full) CurrentPlatform().MessageBox(this, TaskList::FullListMessage());
    closeIfRequested();
}
