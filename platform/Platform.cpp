#include "platform/Platform.h"

#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

Platform* g_installed = nullptr;

struct ShellReason {
    int code;
    const char* text;
};

// Reasons for the shell's result codes, in the words the link failure shows.
constexpr ShellReason kShellReasons[] = {
    {0, QT_TRANSLATE_NOOP("Platform", "The operating system is out\nof memory or resources.")},
    {2, QT_TRANSLATE_NOOP("Platform", "The specified file was not found.")},
    {3, QT_TRANSLATE_NOOP("Platform", "The specified path was not found.")},
    {5, QT_TRANSLATE_NOOP("Platform", "The operating system denied\naccess to the specified file.")},
    {8, QT_TRANSLATE_NOOP("Platform", "There was not enough memory to complete the operation.")},
    {11, QT_TRANSLATE_NOOP("Platform", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
    {26, QT_TRANSLATE_NOOP("Platform", "A sharing violation occurred. ")},
    {27, QT_TRANSLATE_NOOP("Platform", "The filename association is\nincomplete or invalid.")},
    {28, QT_TRANSLATE_NOOP("Platform", "The DDE transaction could not\nbe completed because the request timed out.")},
    {29, QT_TRANSLATE_NOOP("Platform", "The DDE transaction failed.")},
    {30, QT_TRANSLATE_NOOP("Platform", "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.")},
    {31, QT_TRANSLATE_NOOP("Platform", "There is no application associated\nwith the given filename extension.")},
    {32, QT_TRANSLATE_NOOP("Platform", "The specified dynamic-link library was not found.")},
};

// "Flash files (*.flv)" -> "Flash files": the real patterns are appended again.
QString stripPatternSuffix(const QString& description) {
    static const QRegularExpression suffix(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString stripped = description;
    stripped.remove(suffix);
    return stripped.isEmpty() ? description.trimmed() : stripped;
}

}  // namespace

QString ShellErrorReason(int code) {
    for (const ShellReason& reason : kShellReasons) {
        if (reason.code == code) return QCoreApplication::translate("Platform", reason.text);
    }
    return QCoreApplication::translate("Platform", "Unknown Error (%1) occurred.").arg(code);
}

QStringList WindowsFilterToQt(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(QLatin1Char('|'));
    QStringList filters;
    // Pairs of description and pattern list; the closing "||" leaves empty parts.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& patterns = parts[i + 1];
        if (description.isEmpty() && patterns.isEmpty()) break;
        QStringList list = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : list) {
            pattern = pattern.trimmed();
            // "*.*" means every file on Windows; here it would skip names without a dot.
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        list.removeAll(QString());
        if (list.isEmpty()) continue;
        filters << QStringLiteral("%1 (%2)").arg(stripPatternSuffix(description), list.join(QLatin1Char(' ')));
    }
    return filters;
}

Platform& CurrentPlatform() {
    if (g_installed) return *g_installed;
    static LinuxPlatform desktop;
    return desktop;
}

void SetCurrentPlatform(Platform* platform) { g_installed = platform; }

ScopedPlatform::ScopedPlatform(Platform& platform) : m_previous(g_installed) {
    g_installed = &platform;
}

ScopedPlatform::~ScopedPlatform() { g_installed = m_previous; }
