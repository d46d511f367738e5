#pragma once
// The device folders in the output-folder drop-down, and the FAT32 size check
// before a conversion writes onto such a volume.
//
// DeviceFolderOffer adds one entry per device volume (DeviceFolders.h) after the
// folders, shown as "PSP memory stick STICK: /media/me/STICK/VIDEO", and reads
// the mount table again each time the drop-down is opened, so a stick plugged
// in later appears and an unplugged one goes. Choosing such an entry puts the
// folder's path into the edit field, which is what Convert takes. The entries
// follow the profile: "MUSIC" for audio profiles, "VIDEO" otherwise.
// UI thread only; the combo must outlive the offer.

#include "platform/DeviceFolders.h"
#include "profiles/JobSetup.h"
#include "profiles/OutputSizeGuard.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;
struct OutputSettings;

class DeviceFolderOffer : public QObject {
    Q_OBJECT
public:
    static constexpr int kDeviceRole = Qt::UserRole + 16;  // item data: the device's folder

    // `music` tells whether the current profile writes audio only.
    DeviceFolderOffer(QComboBox& combo, std::function<bool()> music,
                      QString mountTable = QString::fromLatin1(kMountTablePath),
                      QStringList userMountRoots = {"/media/", "/run/media/", "/mnt/"});

    // Reads the mount table and replaces the device entries; the edit field's
    // text stays as it was.
    void Refresh();
    int DeviceCount() const { return m_count; }
    // After a profile change: the entries follow it, and a device folder in the
    // edit field moves between "VIDEO" and "MUSIC" with it.
    void FollowProfile();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onActivated(int index);

    QComboBox& m_combo;
    std::function<bool()> m_music;
    QString m_mountTable;
    QStringList m_roots;
    std::vector<DeviceFolder> m_devices;
    int m_count = 0;
};

// The message that refuses a run whose output would not fit a FAT32 volume's
// 4 GiB file limit, or an empty text when it fits (or the folder is not on
// such a volume). The folder's links are resolved first: the volume that really
// holds it counts. Estimate and text are the command line's too
// (profiles/OutputSizeGuard.h). Convert checks every checked row on its own; Merge the sum.
QString Fat32Refusal(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                     const QString& folder, const std::vector<MountEntry>& mounts);
