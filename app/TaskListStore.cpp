#include "app/TaskListStore.h"

#include "profiles/TargetSizeRules.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kFormatName = "korbanix-task-list";

// The output settings, field by field, as one table for writing and reading.
struct IntField {
    const char* key;
    int OutputSettings::*member;
};
struct TextField {
    const char* key;
    std::string OutputSettings::*member;
};
struct FlagField {
    const char* key;
    bool OutputSettings::*member;
};
constexpr IntField kIntFields[] = {
    {"profileCode", &OutputSettings::profileCode},   {"width", &OutputSettings::width},
    {"height", &OutputSettings::height},             {"videoBitRate", &OutputSettings::videoBitRate},
    {"sampleRate", &OutputSettings::sampleRate},     {"channels", &OutputSettings::channels},
    {"audioBitRate", &OutputSettings::audioBitRate}, {"confirmedProfileCode", &OutputSettings::confirmedProfileCode},
};
constexpr TextField kTextFields[] = {
    {"frameRateText", &OutputSettings::frameRateText},
    {"videoEncoder", &OutputSettings::videoEncoder},
    {"audioEncoder", &OutputSettings::audioEncoder},
    {"resolutionChoice", &OutputSettings::resolutionChoice},
    {"frameRateChoice", &OutputSettings::frameRateChoice},
    {"videoBitRateChoice", &OutputSettings::videoBitRateChoice},
    {"videoEncoderChoice", &OutputSettings::videoEncoderChoice},
    {"sampleRateChoice", &OutputSettings::sampleRateChoice},
    {"channelsChoice", &OutputSettings::channelsChoice},
    {"audioBitRateChoice", &OutputSettings::audioBitRateChoice},
    {"audioEncoderChoice", &OutputSettings::audioEncoderChoice},
};
constexpr FlagField kFlagFields[] = {
    {"audioOnly", &OutputSettings::audioOnly},
    {"makeThumbnail", &OutputSettings::makeThumbnail},
    {"copyCompatible", &OutputSettings::copyCompatible},
    {"exactCut", &OutputSettings::exactCut},
};

QJsonObject settingsObject(const OutputSettings& settings) {
    QJsonObject object;
    for (const IntField& field : kIntFields) object[field.key] = settings.*field.member;
    for (const TextField& field : kTextFields) object[field.key] = QString::fromStdString(settings.*field.member);
    for (const FlagField& field : kFlagFields) object[field.key] = settings.*field.member;
    // A size in bytes may pass an int: kept as its text ("700 MB").
    object["targetSize"] = QString::fromStdString(TargetSizeText(settings.targetSizeBytes));
    return object;
}

// Missing or mistyped fields keep the value they had: an older file lacks the
// newer fields, and that is no reason to throw the whole list away.
void readSettings(const QJsonObject& object, OutputSettings& settings) {
    for (const IntField& field : kIntFields)
        if (object.value(field.key).isDouble()) settings.*field.member = object.value(field.key).toInt();
    for (const TextField& field : kTextFields)
        if (object.value(field.key).isString())
            settings.*field.member = object.value(field.key).toString().toStdString();
    for (const FlagField& field : kFlagFields)
        if (object.value(field.key).isBool()) settings.*field.member = object.value(field.key).toBool();
    if (object.value("targetSize").isString())
        if (const auto bytes = ParseTargetSize(object.value("targetSize").toString().toStdString()))
            settings.targetSizeBytes = *bytes;
}

// Opens without following a symbolic link (someone else's file may sit behind
// it) or waiting for a FIFO's writer (O_NONBLOCK), and takes regular files only;
// reads at most `limit` + 1 bytes so an oversized file is noticed without
// reading it whole.
bool readRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& reason) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        reason = errno == ELOOP ? QCoreApplication::translate("TaskListStore", TaskListStore::kLinkReason) : QCoreApplication::translate("TaskListStore", "it cannot be opened");
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!ok) reason = QCoreApplication::translate("TaskListStore", "it is not a regular file");
    if (ok && info.st_size > limit) {
        ok = false;
        reason = QCoreApplication::translate("TaskListStore", "it is too large");
    }
    if (ok) {
        QFile file;
        ok = file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
        if (ok) bytes = file.read(limit + 1);
        if (!ok || bytes.size() > limit) {
            ok = false;
            reason = QCoreApplication::translate("TaskListStore", "it cannot be read");
        }
    }
    ::close(fd);
    return ok;
}

bool writeAll(int fd, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

QString errnoText() { return QString::fromLocal8Bit(std::strerror(errno)); }

// "<path>.unreadable-<time>", numbered when taken; never follows what it tests.
QString asideName(const QString& path) {
    const QString stem =
        path + QStringLiteral(".unreadable-") + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    QString aside = stem;
    for (int n = 1; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = stem + QStringLiteral("-%1").arg(n);
    return aside;
}

// A plain rename: QFile::rename falls back to copying, which would open (and
// block on) a FIFO, or write through a link.
QString setAside(const QString& path) {
    const QString aside = asideName(path);
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0) return aside;
    return QString();
}

}  // namespace

QString TaskListStore::DefaultPath() {
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/korbanix/tasks.json");
}

QByteArray TaskListStore::Serialize(const SavedTaskList& list) {
    QJsonArray tasks;
    for (const SavedTask& task : list.tasks) {
        QJsonObject object{
            {"source", task.source}, {"checked", task.checked}, {"start", task.start},   {"end", task.end},
            {"format", task.format}, {"status", task.status},   {"duration", task.duration},
        };
        // Written only when chosen: a list without choices reads the same in older versions.
        if (!task.statusCode.isEmpty()) object["statusCode"] = task.statusCode;
        if (!task.soundTrack.isEmpty()) object["soundTrack"] = task.soundTrack;
        if (!task.subtitles.isEmpty()) object["subtitles"] = task.subtitles;
        if (!task.subfolder.isEmpty()) object["subfolder"] = task.subfolder;
        tasks.append(object);
    }
    QJsonObject root{
        {"format", kFormatName},
        {"version", kFormatVersion},
        {"profile", QJsonObject{{"index", list.profileIndex}, {"text", list.profileText}}},
        {"settings", settingsObject(list.settings)},
        {"options", QJsonObject{{"keepTree", list.keepTree}, {"skipDone", list.skipDone}}},
        {"tasks", tasks},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

bool TaskListStore::Parse(const QByteArray& bytes, SavedTaskList& list, QString& reason) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        reason = QCoreApplication::translate("TaskListStore", "it is damaged");
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != QLatin1String(kFormatName) || !root.value("tasks").isArray()) {
        reason = QCoreApplication::translate("TaskListStore", "it is not a task list of this program");
        return false;
    }
    if (root.value("version").toInt(-1) < 1 || root.value("version").toInt() > kFormatVersion) {
        reason = QCoreApplication::translate("TaskListStore", "it was written by a newer version");
        return false;
    }
    SavedTaskList read;
    const QJsonObject profile = root.value("profile").toObject();
    read.profileIndex = profile.value("index").toInt(0);
    read.profileText = profile.value("text").toString();
    readSettings(root.value("settings").toObject(), read.settings);
    const QJsonObject options = root.value("options").toObject();
    read.keepTree = options.value("keepTree").toBool(false);
    read.skipDone = options.value("skipDone").toBool(false);
    for (const QJsonValue& value : root.value("tasks").toArray()) {
        const QJsonObject object = value.toObject();
        SavedTask task;
        task.source = object.value("source").toString();
        if (task.source.isEmpty()) continue;  // a row without a file is no task
        task.checked = object.value("checked").toBool();
        task.start = object.value("start").toString(QStringLiteral("00:00:00"));
        task.end = object.value("end").toString(QStringLiteral("00:00:00"));
        task.format = object.value("format").toString();
        task.status = object.value("status").toString();
        task.statusCode = object.value("statusCode").toString();
        task.duration = object.value("duration").toString();
        task.soundTrack = object.value("soundTrack").toString();
        task.subtitles = object.value("subtitles").toString();
        task.subfolder = object.value("subfolder").toString();
        read.tasks.push_back(std::move(task));
    }
    list = std::move(read);
    return true;
}

TaskListStore::LoadResult TaskListStore::Load() const {
    LoadResult result;
    QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) return result;
    QByteArray bytes;
    if (readRegularFile(m_path, kMaxFileBytes, bytes, result.reason) && Parse(bytes, result.list, result.reason)) {
        result.outcome = LoadOutcome::Loaded;
        return result;
    }
    result.outcome = LoadOutcome::SetAside;
    result.setAsidePath = setAside(m_path);
    return result;
}

TaskListStore::SaveResult TaskListStore::Write(const QByteArray& bytes) const {
    SaveResult result;
    const QString folder = QFileInfo(m_path).absolutePath();
    QDir().mkpath(folder);
    const QByteArray target = QFile::encodeName(m_path);
    // Whatever stands under our name and is no plain file of ours (a link into
    // another user's file above all) is moved aside, never written through.
    struct stat existing {};
    if (::lstat(target.constData(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        result.setAsideReason = S_ISLNK(existing.st_mode) ? QCoreApplication::translate("TaskListStore", kLinkReason)
                                                          : QCoreApplication::translate("TaskListStore", "it is not a regular file");
        result.setAsidePath = setAside(m_path);
        if (result.setAsidePath.isEmpty()) {
            result.problem = QCoreApplication::translate("TaskListStore", "%1 is not a plain file and cannot be moved aside").arg(m_path);
            return result;
        }
    }
    // The new list goes to a file of its own beside the old one and replaces it
    // only once every byte is on the disk: a full disk or a write error leaves
    // the old list exactly as it was.
    QByteArray temp = QFile::encodeName(folder + QStringLiteral("/.") + QFileInfo(m_path).fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        result.problem = errnoText();
        return result;
    }
    bool ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    if (!ok) result.problem = errnoText();
    if (::close(fd) != 0 && ok) {
        ok = false;
        result.problem = errnoText();
    }
    if (ok && BeforeRenameHook() && !BeforeRenameHook()(QFile::decodeName(temp))) {
        ok = false;
        result.problem = QCoreApplication::translate("TaskListStore", "interrupted before the rename");
    }
    if (ok && ::rename(temp.constData(), target.constData()) != 0) {
        ok = false;
        result.problem = errnoText();
    }
    if (!ok) {
        ::unlink(temp.constData());
        return result;
    }
    // The rename itself made durable.
    const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    result.written = true;
    return result;
}

bool TaskListStore::Save(const QByteArray& bytes) const { return Write(bytes).written; }

std::function<bool(const QString&)>& TaskListStore::BeforeRenameHook() {
    static std::function<bool(const QString&)> hook;
    return hook;
}

void TaskListStore::MarkVanished(SavedTaskList& list, const std::function<bool(const QString&)>& exists) {
    for (SavedTask& task : list.tasks) {
        if (exists(task.source)) continue;
        task.checked = false;
        task.status = QCoreApplication::translate("TaskListStore", kMissingStatus);
        task.statusCode = QStringLiteral("missing");
    }
}

QString TaskListStore::SetAsideMessage(const LoadResult& result) {
    QString text = QCoreApplication::translate("TaskListStore", "The task list kept from the last run could not be used: %1.").arg(result.reason);
    if (!result.setAsidePath.isEmpty())
        text += QCoreApplication::translate("TaskListStore", "\nIt was set aside as %1.").arg(QFileInfo(result.setAsidePath).fileName());
    return text + QCoreApplication::translate("TaskListStore", "\nThe program starts with an empty task list.");
}

QString TaskListStore::SaveFailedMessage(const SaveResult& result) {
    return QCoreApplication::translate("TaskListStore", "The task list could not be saved: %1.\nThe list kept from before is left as it was; "
                          "saving is tried again in a while.")
        .arg(result.problem);
}

QString TaskListStore::LinkSetAsideMessage(const SaveResult& result) {
    return QCoreApplication::translate("TaskListStore", "The task list's file could not be used (%1) and was not written through: "
                          "it was set aside as %2.")
        .arg(result.setAsideReason, QFileInfo(result.setAsidePath).fileName());
}
