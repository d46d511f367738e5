#include "platform/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <vector>

namespace {

QString& currentLanguage() {
    static QString language;
    return language;
}

QString& lastFolder() {
    static QString folder;
    return folder;
}

// "de_DE.UTF-8@euro" -> "de_DE"; "zh-Hans-CN" -> "zh_Hans_CN".
QString bareName(QString name) {
    const int cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) name.truncate(cut);
    return name.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

}  // namespace

QStringList ShippedUiLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),   QStringLiteral("it"),
            QStringLiteral("pt_BR"), QStringLiteral("ru"), QStringLiteral("pl"), QStringLiteral("ja"),
            QStringLiteral("zh_CN"), QStringLiteral("ko")};
}

QStringList DesktopLanguages() {
    QStringList wanted;
    // LANGUAGE is a list and outranks the locale, as gettext programs read it,
    // but only when messages are not the C locale's.
    const QString messages = qEnvironmentVariable("LC_ALL").isEmpty()
                                 ? (qEnvironmentVariable("LC_MESSAGES").isEmpty() ? qEnvironmentVariable("LANG")
                                                                                  : qEnvironmentVariable("LC_MESSAGES"))
                                 : qEnvironmentVariable("LC_ALL");
    if (messages != QLatin1String("C") && messages != QLatin1String("POSIX"))
        wanted += qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!messages.isEmpty()) wanted += messages;
    wanted += QLocale::system().uiLanguages();
    return wanted;
}

QString ChooseUiLanguage(const QStringList& wanted, const QStringList& shipped) {
    for (const QString& entry : wanted) {
        const QString name = bareName(entry);
        if (name.isEmpty()) continue;
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return QString();
        for (const QString& offered : shipped)
            if (offered.compare(name, Qt::CaseInsensitive) == 0) return offered;
        // Chinese: Simplified Chinese is shipped; Traditional (TW, HK, Hant) is not.
        if (language == QLatin1String("zh")) {
            const QString rest = name.mid(3).toUpper();
            const bool traditional = rest.contains(QLatin1String("HANT")) || rest.contains(QLatin1String("TW")) ||
                                     rest.contains(QLatin1String("HK")) || rest.contains(QLatin1String("MO"));
            if (!traditional && shipped.contains(QStringLiteral("zh_CN"))) return QStringLiteral("zh_CN");
            continue;
        }
        // Portuguese of Portugal reads Brazilian Portuguese well enough to prefer it to English.
        for (const QString& offered : shipped)
            if (offered.section(QLatin1Char('_'), 0, 0) == language) return offered;
    }
    return QString();
}

QString TranslationsFolder(const QString& executableFolder) {
    const QString beside = executableFolder + QStringLiteral("/translations");
    if (QFileInfo(beside).isDir()) return beside;
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/korbanix/translations"));
}

UiTranslation::UiTranslation() = default;

UiTranslation::~UiTranslation() {
    if (m_program) QCoreApplication::removeTranslator(m_program.get());
    if (m_toolkit) QCoreApplication::removeTranslator(m_toolkit.get());
    SetCurrentUiLanguage(QString());
}

bool UiTranslation::Install(const QString& language, const QString& folder) {
    if (language.isEmpty()) return true;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("korbanix_") + language, folder)) return false;
    lastFolder() = folder;
    if (m_program) QCoreApplication::removeTranslator(m_program.get());
    m_program = std::move(program);
    QCoreApplication::installTranslator(m_program.get());
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        if (m_toolkit) QCoreApplication::removeTranslator(m_toolkit.get());
        m_toolkit = std::move(toolkit);
        QCoreApplication::installTranslator(m_toolkit.get());
    }
    SetCurrentUiLanguage(language);
    return true;
}

QStringList TranslationsInEveryLanguage(const char* context, const char* source) {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    static QString loadedFrom;
    const QString folder =
        lastFolder().isEmpty() ? TranslationsFolder(QCoreApplication::applicationDirPath()) : lastFolder();
    if (folder != loadedFrom) {
        translators.clear();
        for (const QString& language : ShippedUiLanguages()) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QStringLiteral("korbanix_") + language, folder))
                translators.push_back(std::move(translator));
        }
        loadedFrom = folder;
    }
    QStringList texts;
    for (const auto& translator : translators) {
        const QString text = translator->translate(context, source);
        if (!text.isEmpty()) texts << text;
    }
    return texts;
}

QString CurrentUiLanguage() { return currentLanguage(); }
void SetCurrentUiLanguage(const QString& language) { currentLanguage() = language; }

QString HelpPageName(const QString& folder, const QString& language) {
    if (!language.isEmpty()) {
        const QString translated = QStringLiteral("help_%1.html").arg(language);
        if (QFileInfo(folder + QLatin1Char('/') + translated).isFile()) return translated;
    }
    return QStringLiteral("help.html");
}
