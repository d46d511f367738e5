#pragma once
// The FAT32 file-size guard shared by the window's Convert/Merge and the command
// line: an output expected to pass the 4 GiB limit of the FAT32 volume it would be
// written to is refused before anything starts, with one estimate and one message.
//
// The volume is the one that really holds the folder: symbolic links on the way are
// resolved (a link in the home folder pointing at a USB drive is the USB drive), and
// a folder not made yet counts as being on its nearest existing parent's volume.
// Plain functions; any thread. Reading the mount table is the only I/O, and
// opening the sources of rows whose video may be kept as it is.

#include "profiles/JobSetup.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct OutputSettings;

// The largest file a FAT32 volume holds: 4 GiB less one byte.
inline constexpr long long kFat32FileLimitBytes = (1LL << 32) - 1;

// Bytes an output of `seconds` is expected to take: the target size when the
// settings fit video outputs into one, else the settings' bit rates with the
// overhead of the container of `extension` ("" = the profile's) and a margin for
// the encoder's rate control (the estimate of engine/TargetSize.h).
double ExpectedOutputBytes(const OutputSettings& settings, double seconds, std::string_view extension = {});
// ".mp4" for the profile code's entry of the profile list; "" for other codes.
std::string ProfileExtension(int profileCode);

// The first output of `rows` (the checked ones) expected to pass the limit: for
// Convert each row on its own, for Merge their sum. nullopt when all fit. A row
// whose video the settings keep as it is (engine/CopyRow.h) is expected at the
// kept streams' own bit rates for its clip: its source is opened to see.
struct Fat32Excess {
    bool merged = false;
    std::string sourcePath;  // the row's source (Convert)
    double bytes = 0;
};
std::optional<Fat32Excess> FindFat32Excess(const std::vector<TaskRow>& rows, JobKind kind,
                                           const OutputSettings& settings, std::string_view extension = {});

// "The output of "NAME" would be about 5.1 GB, but a file on the FAT32 volume
// MOUNT can hold at most 4 GB. ..." (the merged output's text for a merge).
std::string Fat32Message(const Fat32Excess& excess, std::string_view displayName, std::string_view mountPoint);

// `folder` with every symbolic link resolved; a part that does not exist yet is
// appended to its nearest existing parent's real path. Relative folders are taken
// from the current folder.
std::string RealFolder(const std::string& folder);

struct MountPoint {
    std::string mountPoint;
    std::string fileSystem;  // "vfat", "ext4", ...
};
// The mount holding the real path `realPath` (the longest mount point that leads
// it) in the table at `mountTable` ("device mountpoint fstype ..." lines, octal
// escapes); nullopt when the table cannot be read or nothing holds it.
std::optional<MountPoint> MountHolding(const std::string& realPath,
                                       const std::string& mountTable = "/proc/self/mounts");

// vfat, msdos and fat: the file systems with the 4 GiB file limit.
bool HasFat32Limit(std::string_view fileSystem);

// The whole guard for a folder: the message refusing the run, or "" when it fits
// or the folder's real volume has no such limit. The name shown is the source's
// file name.
std::string Fat32RefusalFor(const std::vector<TaskRow>& rows, JobKind kind, const OutputSettings& settings,
                            const std::string& folder, const std::string& mountTable = "/proc/self/mounts",
                            std::string_view extension = {});
