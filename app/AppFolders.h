#pragma once
// Where the program keeps its configuration file, its default output folder and
// its help page, and the one value stored in that file (the output folder).
//
// A copy run from its own folder (a build tree or an unpacked archive) keeps
// everything beside the executable: "<exe>/bin/Path_Registration.ini",
// "<exe>/OutPut", "<exe>/help.html". An installed copy (its help page in
// "<exe>/../share/korbanix") and a copy that cannot write beside its executable
// use the user's folders for the same names instead:
// "<UserConfigFolder>/bin/Path_Registration.ini" and "<VideosFolder>/OutPut".
//
// The configuration file is a Windows-style ini file: section "Info", key "Path"
// (matched without regard to case), value the output folder as a full path.
// UI thread only; every function here is cheap except the writability probe,
// which creates and removes one small file.

#include "profiles/SourcePreferences.h"

#include <QString>

#include <string>

class Platform;

struct AppFolders {
    QString executableFolder;     // without a trailing "/"
    bool besideExecutable = true;  // false: the user's folders stand in
    QString iniPath;              // the configuration file
    QString defaultOutputFolder;  // used when nothing is stored
    QString helpPath;             // the help page that Help opens (may not exist)
};

// True when a new file can be created in `folder` (the folder exists and the
// file system accepts writes; being root does not make a read-only mount writable).
bool FolderAcceptsFiles(const QString& folder);

// Why a file cannot be created in the existing folder `folder` (the system's
// reason), or empty when it can. Leaves nothing behind.
QString FolderWriteRefusal(const QString& folder);

// Resolves the folders for the running copy from the platform's folder queries.
AppFolders ResolveAppFolders(Platform& platform);

// The stored output folder: key "path" of section "Info" of `iniPath`, or an
// empty text when the file or the key is missing. A symbolic link under that name
// is never followed: it is renamed aside ("<name>.link-set-aside") and `problem`
// says so; WriteOutputFolder does the same before it writes. A configuration file that is no
// plain file, or is larger than IniFile::kMaxBytes, is not read: an empty text, and
// `problem` (when given) says why. Folder names keep their bytes (FileNames.h).
QString ReadOutputFolder(const QString& iniPath, QString* problem = nullptr);

// Stores `folder` under "Info"/"Path" (the file and its folder are created when
// missing; the write is atomic). Returns false when the file cannot be written or
// is refused as above (it is then left as it is); `problem` says why.
bool WriteOutputFolder(const QString& iniPath, const QString& folder, QString* problem = nullptr);

// The preview's volume (its slider's position) kept beside the output folder,
// under "Info"/"Volume"; -1 when none is stored or the text is no number.
int ReadVolume(const QString& iniPath);
bool WriteVolume(const QString& iniPath, int volume);

// The preferred language of sound and subtitle tracks: key "Language" of section
// "Info" (an ISO 639 code such as "de" or "ger"); "" when none is stored, which
// means the desktop's language.
// The folder the Add chooser was last left in, under "Info"/"AddFolder"; empty
// when none is stored. Folder names keep their bytes.
QString ReadAddFolder(const QString& iniPath);
bool WriteAddFolder(const QString& iniPath, const QString& folder);

std::string ReadPreferredLanguage(const QString& iniPath);
// That language and the still pictures' length (key "StillSeconds"); a value that
// is no language code or no length in range counts as none stored (the default).
SourcePreferences ReadSourcePreferences(const QString& iniPath);
// Stores both beside the output folder (an empty language: the desktop's). False when the file cannot be written; `problem` says why.
bool WriteSourcePreferences(const QString& iniPath, const SourcePreferences& preferences, QString* problem = nullptr);

// "The output folder is not remembered: " + the problem.
QString ConfigurationProblemMessage(const QString& problem);

// The output folder at start-up: the stored one when there is any (its existence
// is not tested), otherwise the default, which is created (one level) when no
// file-system entry of that name exists. Creation failures are left for the first
// conversion to report; a refused configuration file is reported in `problem`.
QString StartupOutputFolder(const AppFolders& folders, QString* problem = nullptr);

// The folder check of Convert, Merge and Find Target: true when `folder` names an
// existing file-system entry or could be created (one level). Never creates
// anything for an empty text.
bool CheckOutputFolderExists(const QString& folder);

// The message shown when that check fails for `folder`, saying why: a file is in
// the way, its parent folder is missing, or the system's reason for refusing it.
QString FolderMissingMessage(const QString& folder);
