#include "app/AppFolders.h"

#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr const char* kIniRelative = "/bin/Path_Registration.ini";
constexpr const char* kOutputName = "/OutPut";
constexpr const char* kHelpName = "help.html";
constexpr const char* kSection = "Info";

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(EncodeFileName(text)); }

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

QString FolderWriteRefusal(const QString& folder) {
    // access(W_OK) says yes to root even on a read-only mount; creating a file
    // is the only test that covers permissions, access lists and read-only
    // mounts alike.
    std::string pattern = EncodeFileName(folder + "/.korbanix-write-XXXXXX");
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return QString::fromLocal8Bit(std::strerror(errno));
    close(fd);
    unlink(pattern.c_str());
    return QString();
}

bool FolderAcceptsFiles(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() && FolderWriteRefusal(folder).isEmpty();
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

QString ReadOutputFolder(const QString& iniPath, QString* problem) {
    std::string error;
    const std::string stored = IniFile::ReadString(toPath(iniPath), kSection, "path", "", &error);
    if (problem) *problem = DecodeFileName(error);
    return DecodeFileName(stored);
}

bool WriteOutputFolder(const QString& iniPath, const QString& folder, QString* problem) {
    std::string error;
    const bool written = IniFile::WriteString(toPath(iniPath), kSection, "Path", EncodeFileName(folder), &error);
    if (problem) *problem = written ? QString() : DecodeFileName(error);
    return written;
}

std::string ReadPreferredLanguage(const QString& iniPath) {
    std::string error;
    const std::string stored = IniFile::ReadString(toPath(iniPath), kSection, "language", "", &error);
    return error.empty() ? stored : std::string();
}

QString ConfigurationProblemMessage(const QString& problem) {
    return QStringLiteral("The output folder is not remembered: ") + problem;
}

QString StartupOutputFolder(const AppFolders& folders, QString* problem) {
    const QString stored = ReadOutputFolder(folders.iniPath, problem);
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
    // By its bytes: Qt's own file names lose those that are not UTF-8.
    const std::filesystem::path path = toPath(folder);
    std::error_code error;
    // A plain file of that name is no output folder: every output would fail.
    if (std::filesystem::exists(path, error)) return std::filesystem::is_directory(path, error);
    return std::filesystem::create_directory(path, error) && !error;
}
