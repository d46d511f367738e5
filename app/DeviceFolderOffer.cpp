#include "app/DeviceFolderOffer.h"

#include "platform/FileNames.h"
#include "profiles/OutputSettings.h"
#include "profiles/TimeText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>

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

QString Fat32Refusal(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                     const QString& folder, const std::vector<MountEntry>& mounts) {
    // The volume that really holds the folder: a link on the way leads to it.
    const QString real = DecodeFileName(RealFolder(EncodeFileName(folder)));
    const MountEntry* mount = MountOf(real, mounts);
    if (!mount || !HasFat32FileLimit(*mount)) return QString();
    const std::optional<Fat32Excess> excess = FindFat32Excess(rows, kind, settings);
    if (!excess) return QString();
    const QString name = QFileInfo(DecodeFileName(excess->sourcePath)).fileName();
    // The command line gives the same message in English (profiles/OutputSizeGuard.h);
    // the window's follows the person's language and writes the size as the
    // locale does. The names go in afterwards: a name that keeps bytes of another
    // encoding does not survive a trip through UTF-8.
    const QString size = QLocale().toString(excess->bytes / 1e9, 'f', 1);
    if (excess->merged)
        return QCoreApplication::translate("DeviceFolderOffer",
                                           "The merged output would be about %1 GB, but a file on the FAT32 volume %2 "
                                           "can hold at most 4 GB.\nMerge fewer or shorter files, lower the bit rates or "
                                           "choose another output folder.")
            .arg(size, mount->mountPoint);
    return QCoreApplication::translate("DeviceFolderOffer",
                                       "The output of \"%1\" would be about %2 GB, but a file on the FAT32 volume %3 "
                                       "can hold at most 4 GB.\nShorten the clip, lower the bit rates or choose another "
                                       "output folder.")
        .arg(name, size, mount->mountPoint);
}
