#include "platform/DeviceFolders.h"

#include "platform/FileNames.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Longest line a mount table is expected to hold (a path of 4096 bytes, escaped,
// plus options); a longer one is not a mount we could use.
constexpr qint64 kMaxLineBytes = 64 * 1024;
// A mount table of the program's own namespace; containers may have thousands
// of mounts, which still fits.
constexpr qint64 kMaxTableBytes = 16 * 1024 * 1024;

// "\040" -> " ", "\134" -> "\": the kernel escapes blank, tab, newline and
// backslash in the table's fields.
QString unescape(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0' && field[i + 1] <= '3') {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    // A mount point named in another encoding keeps its bytes, as the output folder does.
    return DecodeFileName(std::string_view(out.constData(), static_cast<size_t>(out.size())));
}

bool isFatFamily(const QString& fs) {
    return fs == QLatin1String("vfat") || fs == QLatin1String("msdos") || fs == QLatin1String("fat") ||
           fs == QLatin1String("exfat");
}

bool under(const QString& path, const QString& root) { return path.startsWith(root) && path.size() > root.size(); }

}  // namespace

std::vector<MountEntry> ReadMountTable(const QString& path) {
    std::vector<MountEntry> mounts;
    QFile file(path);
    // /proc files report size 0, so the size cap counts what is read.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return mounts;
    qint64 total = 0;
    while (!file.atEnd() && total < kMaxTableBytes) {
        const QByteArray line = file.readLine(kMaxLineBytes);
        total += line.size();
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3) continue;
        mounts.push_back({unescape(fields[0]), unescape(fields[1]), QString::fromLatin1(fields[2])});
    }
    return mounts;
}

bool HasFat32FileLimit(const MountEntry& mount) {
    return mount.fileSystem == QLatin1String("vfat") || mount.fileSystem == QLatin1String("msdos") ||
           mount.fileSystem == QLatin1String("fat");
}

std::vector<DeviceFolder> FindDeviceFolders(const std::vector<MountEntry>& mounts, bool music,
                                            const QStringList& userMountRoots) {
    std::vector<DeviceFolder> found;
    for (const MountEntry& mount : mounts) {
        if (!isFatFamily(mount.fileSystem)) continue;
        bool userMount = false;
        for (const QString& root : userMountRoots) userMount = userMount || under(mount.mountPoint, root);
        if (!userMount || !QFileInfo(mount.mountPoint).isDir()) continue;
        DeviceFolder device;
        if (QFileInfo(mount.mountPoint + QStringLiteral("/PSP")).isDir())
            device.kind = QStringLiteral("PSP memory stick");
        else if (HasFat32FileLimit(mount))  // the PS3 reads FAT32 drives only
            device.kind = QStringLiteral("PS3 USB drive");
        else
            continue;
        device.mountPoint = mount.mountPoint;
        device.label = QFileInfo(mount.mountPoint).fileName();
        device.folder = mount.mountPoint + (music ? QStringLiteral("/MUSIC") : QStringLiteral("/VIDEO"));
        found.push_back(std::move(device));
    }
    return found;
}

const MountEntry* MountOf(const QString& path, const std::vector<MountEntry>& mounts) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const MountEntry* best = nullptr;
    for (const MountEntry& mount : mounts) {
        const QString& point = mount.mountPoint;
        const bool holds = point == QLatin1String("/") || absolute == point ||
                           absolute.startsWith(point.endsWith('/') ? point : point + QLatin1Char('/'));
        if (holds && (!best || point.size() >= best->mountPoint.size())) best = &mount;
    }
    return best;
}
