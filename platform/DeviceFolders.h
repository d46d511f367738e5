#pragma once
// Mounted removable volumes a player device reads: a PSP memory stick (a "PSP"
// folder at its root) or a USB drive for a PS3 (a FAT32 volume). Both play
// videos from "VIDEO" and music from "MUSIC" at the volume's root.
//
// The volumes come from the mount table (/proc/self/mounts; tests pass a file
// of their own). A volume counts as removable when the desktop mounted it for
// the user, under one of `userMountRoots` (/media, /run/media, /mnt), and it is
// a FAT or exFAT file system as these devices need; an EFI partition or a
// system disk never shows up. Reading is cheap (one small file, a few stat
// calls) and never blocks on a device. Any thread.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct MountEntry {
    QString device;
    QString mountPoint;
    QString fileSystem;  // "vfat", "exfat", "ext4", ...
};

struct DeviceFolder {
    QString label;       // the volume's name as mounted (last part of the mount point)
    QString kind;        // "PSP memory stick" or "PS3 USB drive"
    QString mountPoint;
    QString folder;      // mountPoint + "/VIDEO" or "/MUSIC"
    // "PSP memory stick STICK: /media/me/STICK/VIDEO", as the drop-down shows it.
    QString DisplayText() const { return kind + QLatin1Char(' ') + label + QStringLiteral(": ") + folder; }
};

inline constexpr const char* kMountTablePath = "/proc/self/mounts";
// The largest file a FAT32 volume holds: 4 GiB less one byte.
inline constexpr std::int64_t kFat32MaxFileBytes = (std::int64_t{4} << 30) - 1;

// The entries of a mount table ("device mountpoint fstype options ..." per line,
// blanks and backslashes written as octal escapes). A missing or unreadable
// table gives none.
std::vector<MountEntry> ReadMountTable(const QString& path = QString::fromLatin1(kMountTablePath));

// The device folders among `mounts`; `music` picks "MUSIC" instead of "VIDEO".
std::vector<DeviceFolder> FindDeviceFolders(const std::vector<MountEntry>& mounts, bool music,
                                            const QStringList& userMountRoots = {"/media/", "/run/media/", "/mnt/"});

// The mount holding `path` (the longest mount point that is a leading folder of
// it); nullptr when none does.
const MountEntry* MountOf(const QString& path, const std::vector<MountEntry>& mounts);

// True for FAT file systems with the 4 GiB file limit (vfat, msdos, fat).
bool HasFat32FileLimit(const MountEntry& mount);
