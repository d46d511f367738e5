#include "app/DeviceFolderOffer.h"

#include "platform/FileNames.h"
#include "profiles/OutputSettings.h"
#include "profiles/TimeText.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>

namespace {

// Headers, index and interleaving of the containers the profiles write stay
// well within this share of the payload.
constexpr double kContainerMargin = 1.03;

QString gigabytes(double bytes) { return QString::number(bytes / 1e9, 'f', 1) + QStringLiteral(" GB"); }

}  // namespace

DeviceFolderOffer::DeviceFolderOffer(QComboBox& combo, std::function<bool()> music, QString mountTable,
                                     QStringList userMountRoots)
    : QObject(&combo),
      m_combo(combo),
      m_music(std::move(music)),
      m_mountTable(std::move(mountTable)),
      m_roots(std::move(userMountRoots)) {
    connect(&m_combo, &QComboBox::activated, this, &DeviceFolderOffer::onActivated);
    m_combo.installEventFilter(this);
    Refresh();
}

void DeviceFolderOffer::Refresh() {
    const QString edit = m_combo.currentText();
    for (int i = m_combo.count() - 1; i >= 0; --i)
        if (m_combo.itemData(i, kDeviceRole).isValid()) m_combo.removeItem(i);
    m_devices = FindDeviceFolders(ReadMountTable(m_mountTable), m_music && m_music(), m_roots);
    for (const DeviceFolder& device : m_devices) {
        m_combo.addItem(device.DisplayText());
        const int index = m_combo.count() - 1;
        m_combo.setItemData(index, device.folder, kDeviceRole);
        m_combo.setItemData(index, device.folder, Qt::ToolTipRole);
    }
    m_count = static_cast<int>(m_devices.size());
    // Removing the entry that was current may have changed the edit field.
    if (m_combo.isEditable() && m_combo.currentText() != edit) m_combo.setEditText(edit);
}

void DeviceFolderOffer::FollowProfile() {
    Refresh();
    const QString edit = m_combo.currentText();
    for (const DeviceFolder& device : m_devices) {
        const bool other = edit == device.mountPoint + QStringLiteral("/VIDEO") ||
                           edit == device.mountPoint + QStringLiteral("/MUSIC");
        if (other && edit != device.folder && m_combo.isEditable()) m_combo.setEditText(device.folder);
    }
}

bool DeviceFolderOffer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_combo) {
        const bool opensByMouse = event->type() == QEvent::MouseButtonPress;
        const bool opensByKey = event->type() == QEvent::KeyPress &&
                                (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4 ||
                                 (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier));
        if (opensByMouse || opensByKey) Refresh();
    }
    return QObject::eventFilter(watched, event);
}

void DeviceFolderOffer::onActivated(int index) {
    const QVariant folder = m_combo.itemData(index, kDeviceRole);
    if (folder.isValid() && m_combo.isEditable()) m_combo.setEditText(folder.toString());
}

double ExpectedOutputBytes(const OutputSettings& settings, double seconds) {
    const double bitsPerSecond = (settings.audioOnly ? 0.0 : settings.videoBitRate) + settings.audioBitRate;
    return bitsPerSecond / 8.0 * std::max(seconds, 0.0) * kContainerMargin;
}

QString Fat32Refusal(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                     const QString& folder, const std::vector<MountEntry>& mounts) {
    const MountEntry* mount = MountOf(folder, mounts);
    if (!mount || !HasFat32FileLimit(*mount)) return QString();
    double mergeSeconds = 0;
    for (const TaskRow& row : rows) {
        if (!row.checked) continue;
        const double seconds = ParseTime(row.endText) - ParseTime(row.startText);
        if (kind == JobKind::Merge) {
            mergeSeconds += std::max(seconds, 0.0);
            continue;
        }
        const double bytes = ExpectedOutputBytes(settings, seconds);
        if (bytes <= static_cast<double>(kFat32MaxFileBytes)) continue;
        return QStringLiteral("The output of \"%1\" would be about %2, but a file on the FAT32 volume %3 can "
                              "hold at most 4 GB.\nShorten the clip, lower the bit rates or choose another "
                              "output folder.")
            .arg(QFileInfo(DecodeFileName(row.sourcePath)).fileName(), gigabytes(bytes), mount->mountPoint);
    }
    const double merged = ExpectedOutputBytes(settings, mergeSeconds);
    if (kind == JobKind::Merge && merged > static_cast<double>(kFat32MaxFileBytes))
        return QStringLiteral("The merged output would be about %1, but a file on the FAT32 volume %2 can hold at "
                              "most 4 GB.\nMerge fewer or shorter files, lower the bit rates or choose another "
                              "output folder.")
            .arg(gigabytes(merged), mount->mountPoint);
    return QString();
}
