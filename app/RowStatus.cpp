#include "app/RowStatus.h"

#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <array>

namespace {

struct StatusWords {
    RowStatus status;
    const char* code;     // as the kept task list stores it: never translated, never changed
    const char* context;  // where the window's code translates the words
    const char* words;
};

// The same source texts as the places that show them, so one translation serves both.
constexpr std::array<StatusWords, 6> kStatuses{{
    {RowStatus::Ready, "ready", "TaskList", QT_TRANSLATE_NOOP("TaskList", " Ready")},
    {RowStatus::Completed, "completed", "ConversionControl", QT_TRANSLATE_NOOP("ConversionControl", "Completed")},
    {RowStatus::Failed, "failed", "ConversionControl", QT_TRANSLATE_NOOP("ConversionControl", "Failure")},
    {RowStatus::Stopped, "stopped", "ConversionControl", QT_TRANSLATE_NOOP("ConversionControl", "Stopped")},
    {RowStatus::DoneBefore, "done-before", "ConversionControl", QT_TRANSLATE_NOOP("ConversionControl", "Done before")},
    {RowStatus::Missing, "missing", "TaskListStore", QT_TRANSLATE_NOOP("TaskListStore", "File not found")},
}};
constexpr const char* kConvertingContext = "ConversionControl";
constexpr const char* kConvertingWords = QT_TRANSLATE_NOOP("ConversionControl", "Converting %1 %");

const StatusWords* find(RowStatus status) {
    for (const StatusWords& entry : kStatuses)
        if (entry.status == status) return &entry;
    return nullptr;
}

// "Converting 15 %" in `pattern`'s language: the words around the number.
bool isConverting(const QString& text, const QString& pattern) {
    const QString before = pattern.section(QStringLiteral("%1"), 0, 0);
    const QString after = pattern.section(QStringLiteral("%1"), 1);
    return pattern.contains(QStringLiteral("%1")) && text.startsWith(before) && text.endsWith(after) &&
           text.size() > before.size() + after.size();
}

}  // namespace

QString RowStatusCode(RowStatus status) {
    const StatusWords* entry = find(status);
    return entry ? QString::fromLatin1(entry->code) : QString();
}

RowStatus RowStatusFromCode(const QString& code) {
    for (const StatusWords& entry : kStatuses)
        if (code == QLatin1String(entry.code)) return entry.status;
    return RowStatus::Unknown;
}

QString RowStatusText(RowStatus status) {
    const StatusWords* entry = find(status);
    return entry ? QCoreApplication::translate(entry->context, entry->words) : QString();
}

RowStatus RowStatusOfText(const QString& text) {
    // Every save reads each row's words back (up to ten thousand rows): the words
    // of every language are gathered once per window language, then looked up.
    struct KnownWords {
        QString language;
        QHash<QString, RowStatus> statuses;
        QStringList converting;
    };
    static KnownWords known{QStringLiteral("?"), {}, {}};
    if (known.language != CurrentUiLanguage()) {
        known = KnownWords{CurrentUiLanguage(), {}, {}};
        for (const StatusWords& entry : kStatuses) {
            QStringList words = TranslationsInEveryLanguage(entry.context, entry.words);
            words << QString::fromUtf8(entry.words) << QCoreApplication::translate(entry.context, entry.words);
            for (const QString& word : words) known.statuses.insert(word.trimmed(), entry.status);
        }
        known.converting = TranslationsInEveryLanguage(kConvertingContext, kConvertingWords);
        known.converting << QString::fromUtf8(kConvertingWords)
                         << QCoreApplication::translate(kConvertingContext, kConvertingWords);
    }
    const QString words = text.trimmed();
    if (words.isEmpty()) return RowStatus::Unknown;
    if (const auto found = known.statuses.constFind(words); found != known.statuses.constEnd()) return *found;
    for (const QString& pattern : known.converting)
        if (isConverting(words, pattern.trimmed())) return RowStatus::Ready;
    return RowStatus::Unknown;
}
