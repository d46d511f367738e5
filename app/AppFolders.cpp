#include "app/AppFolders.h"

#include "platform/IniFile.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr const char* kIniRelative = "/bin/Path_Registration.ini";
constexpr const char* kOutputName = "/OutPut";
constexpr const char* kHelpName = "help.html";
constexpr const char* kSection = "Info";

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

// The help page beside the executable, or where an installed copy's data lives.
QString findHelpPage(const QString& executableFolder) {
    const QString candidates[] = {
        executableFolder + "/" + kHelpName,
        QDir::cleanPath(executableFolder + "/../share/korbanix/" + kHelpName),
        QDir::cleanPath(executableFolder + "/../share/doc/korbanix/" + kHelpName),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return candidate;
    return candidates[0];
}

}  // namespace

bool FolderAcceptsFiles(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;
    // access(W_OK) says yes to root even on a read-only mount; creating a file
    // is the only honest answer.
    std::string pattern = (folder + "/.korbanix-write-XXXXXX").toStdString();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return false;
    close(fd);
    unlink(pattern.c_str());
    return true;
}

AppFolders ResolveAppFolders(Platform& platform) {
    AppFolders folders;
    folders.executableFolder = platform.ExecutableFolder();
    folders.helpPath = findHelpPage(folders.executableFolder);
    // An installed copy finds its help page under <prefix>/share, not beside it.
    // It never writes beside itself, even where it could (run by root from
    // /usr/bin, or from a prefix the user owns): that folder belongs to the
    // package manager, which would leave such files behind on removal.
    const QFileInfo help(folders.helpPath);
    const bool installed = help.isFile() && help.absolutePath() != QDir(folders.executableFolder).absolutePath();
    folders.besideExecutable = !installed && FolderAcceptsFiles(folders.executableFolder);
    if (folders.besideExecutable) {
        folders.iniPath = folders.executableFolder + kIniRelative;
        folders.defaultOutputFolder = folders.executableFolder + kOutputName;
    } else {
        folders.iniPath = platform.UserConfigFolder() + kIniRelative;
        folders.defaultOutputFolder = platform.VideosFolder() + kOutputName;
    }
    return folders;
}

QString ReadOutputFolder(const QString& iniPath) {
    if (!QFileInfo(iniPath).isFile()) return QString();
    return QString::fromStdString(IniFile::ReadString(toPath(iniPath), kSection, "path", ""));
}

bool WriteOutputFolder(const QString& iniPath, const QString& folder) {
    return IniFile::WriteString(toPath(iniPath), kSection, "Path", folder.toStdString());
}

QString StartupOutputFolder(const AppFolders& folders) {
    const QString stored = ReadOutputFolder(folders.iniPath);
    if (!stored.isEmpty()) return stored;
    const QString folder = folders.defaultOutputFolder;
    // Beside the executable the folder is one level below an existing one; the
    // user's Videos folder may itself be missing on a fresh account.
    if (!QFileInfo::exists(folder)) {
        if (folders.besideExecutable) QDir().mkdir(folder);
        else QDir().mkpath(folder);
    }
    return folder;
}

bool CheckOutputFolderExists(const QString& folder) {
    if (folder.isEmpty()) return false;
    const QFileInfo info(folder);
    // A plain file of that name is no output folder: every output would fail.
    if (info.exists()) return info.isDir();
    return QDir().mkdir(folder);
}
