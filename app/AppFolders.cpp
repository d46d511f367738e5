#include "app/AppFolders.h"

#include "platform/FileNames.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kIniRelative = "/bin/Path_Registration.ini";
constexpr const char* kOutputName = "/OutPut";
constexpr const char* kHelpName = "help.html";
constexpr const char* kSection = "Info";

std::filesystem::path toPath(const QString& text) { return std::filesystem::path(EncodeFileName(text)); }

// The help page beside the executable, or where an installed copy's data lives,
// in the language the windows speak when that page is there.
QString findHelpPage(const QString& executableFolder) {
    const QString folders[] = {
        executableFolder,
        QDir::cleanPath(executableFolder + "/../share/korbanix"),
        QDir::cleanPath(executableFolder + "/../share/doc/korbanix"),
    };
    for (const QString& folder : folders)
        if (QFileInfo(folder + "/" + kHelpName).isFile())
            return folder + "/" + HelpPageName(folder, CurrentUiLanguage());
    return folders[0] + "/" + kHelpName;
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

namespace {

// A symbolic link under the configuration file's name leads to someone else's file,
// and a FIFO, socket or device is no file to keep settings in (reading a FIFO waits
// for a writer): neither is read or written through, but renamed aside (kept, never
// deleted), so the settings can be kept again. Returns where it went, or "" when the
// name holds a plain file, a folder or nothing (or it could not move).
QString setAsideLink(const QString& iniPath) {
    const std::string path = EncodeFileName(iniPath);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) return QString();
    const std::string suffix = S_ISLNK(info.st_mode) ? ".link-set-aside" : ".set-aside";
    std::string aside = path + suffix;
    for (int n = 1; ::lstat(aside.c_str(), &info) == 0; ++n) aside = path + suffix + "-" + std::to_string(n);
    if (::rename(path.c_str(), aside.c_str()) != 0) return QString();
    return DecodeFileName(aside);
}

QString linkSetAsideProblem(const QString& iniPath, const QString& aside) {
    if (!aside.endsWith(QStringLiteral(".link-set-aside")) && !aside.contains(QStringLiteral(".link-set-aside-")))
        return QCoreApplication::translate("AppFolders", "%1 was no plain file, which is not used; it was set aside as %2")
            .arg(iniPath, QFileInfo(aside).fileName());
    return QCoreApplication::translate("AppFolders", "%1 was a symbolic link to another file, which is not used; the link was set aside as %2")
        .arg(iniPath, QFileInfo(aside).fileName());
}

}  // namespace

QString ReadOutputFolder(const QString& iniPath, QString* problem) {
    if (const QString aside = setAsideLink(iniPath); !aside.isEmpty()) {
        if (problem) *problem = linkSetAsideProblem(iniPath, aside);
        return QString();
    }
    std::string error;
    const std::string stored = IniFile::ReadString(toPath(iniPath), kSection, "path", "", &error);
    if (problem) *problem = DecodeFileName(error);
    return DecodeFileName(stored);
}

bool WriteOutputFolder(const QString& iniPath, const QString& folder, QString* problem) {
    const QString aside = setAsideLink(iniPath);
    std::string error;
    const bool written = IniFile::WriteString(toPath(iniPath), kSection, "Path", EncodeFileName(folder), &error);
    if (problem) *problem = !written ? DecodeFileName(error) : aside.isEmpty() ? QString() : linkSetAsideProblem(iniPath, aside);
    return written;
}

int ReadVolume(const QString& iniPath) {
    bool ok = false;
    const int volume = QString::fromStdString(IniFile::ReadString(toPath(iniPath), kSection, "Volume", "")).toInt(&ok);
    return ok && volume >= 0 ? volume : -1;
}

bool WriteVolume(const QString& iniPath, int volume) {
    return IniFile::WriteString(toPath(iniPath), kSection, "Volume", std::to_string(volume));
}

QString ReadAddFolder(const QString& iniPath) {
    std::string error;
    const std::string stored = IniFile::ReadString(toPath(iniPath), kSection, "AddFolder", "", &error);
    return error.empty() ? DecodeFileName(stored) : QString();
}

bool WriteAddFolder(const QString& iniPath, const QString& folder) {
    return IniFile::WriteString(toPath(iniPath), kSection, "AddFolder", EncodeFileName(folder));
}

std::string ReadPreferredLanguage(const QString& iniPath) {
    std::string error;
    const std::string stored = IniFile::ReadString(toPath(iniPath), kSection, "language", "", &error);
    return error.empty() ? stored : std::string();
}

SourcePreferences ReadSourcePreferences(const QString& iniPath) {
    SourcePreferences preferences;
    preferences.language = PreferredLanguageFromText(ReadPreferredLanguage(iniPath)).value_or(std::string());
    const std::string seconds = IniFile::ReadString(toPath(iniPath), kSection, "StillSeconds", "");
    preferences.stillPictureSeconds = StillSecondsFromText(seconds).value_or(kDefaultStillSeconds);
    return preferences;
}

bool WriteSourcePreferences(const QString& iniPath, const SourcePreferences& preferences, QString* problem) {
    // The same guard as the output folder's: a link under the file's name is set aside.
    const QString aside = setAsideLink(iniPath);
    std::string error;
    const bool written =
        IniFile::WriteString(toPath(iniPath), kSection, "Language", preferences.language, &error) &&
        IniFile::WriteString(toPath(iniPath), kSection, "StillSeconds", std::to_string(preferences.stillPictureSeconds),
                             &error);
    if (problem) *problem = !written ? DecodeFileName(error) : aside.isEmpty() ? QString() : linkSetAsideProblem(iniPath, aside);
    return written;
}

QString ConfigurationProblemMessage(const QString& problem) {
    return QCoreApplication::translate("AppFolders", "The output folder is not remembered: ") + problem;
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
    if (folder.trimmed().isEmpty()) return false;
    // By its bytes: Qt's own file names lose those that are not UTF-8.
    const std::filesystem::path path = toPath(folder);
    std::error_code error;
    // A plain file of that name is no output folder: every output would fail.
    if (std::filesystem::exists(path, error)) return std::filesystem::is_directory(path, error);
    return std::filesystem::create_directory(path, error) && !error;
}

QString FolderMissingMessage(const QString& folder) {
    const QString tail = QCoreApplication::translate("AppFolders", " Please specify a different folder!");
    if (folder.trimmed().isEmpty()) return QCoreApplication::translate("AppFolders", "No output folder is given.") + tail;
    const std::filesystem::path path = toPath(folder);
    std::error_code error;
    if (std::filesystem::exists(path, error) && !std::filesystem::is_directory(path, error))
        return QCoreApplication::translate("AppFolders", "\"%1\" is a file, not a folder.").arg(folder) + tail;
    QString why;
    const std::filesystem::path parent = path.parent_path();
    if (!parent.empty() && !std::filesystem::is_directory(parent, error)) {
        why = QCoreApplication::translate("AppFolders", "the folder above it does not exist either");
    } else {
        std::filesystem::create_directory(path, error);
        why = error ? QString::fromLocal8Bit(error.message().c_str()).toLower() : QCoreApplication::translate("AppFolders", "it was refused");
    }
    return QCoreApplication::translate("AppFolders", "The folder \"%1\" does not exist and cannot be created: %2.").arg(folder, why) + tail;
}
