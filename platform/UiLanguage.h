#pragma once
// The language of the windows: chosen once at start from the desktop's settings
// (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG, then the system locale's own list),
// among the languages the program ships; English, the language of the sources,
// when none of them is wanted. The program's translator and the toolkit's own
// (standard buttons, choosers) are installed for the chosen language, and the help
// page follows it.
//
// Numbers, dates and sizes shown to the person follow QLocale, which needs no
// translator; the C library's numeric convention stays "C" (NumericLocale.h).
// UI thread only.

#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The shipped languages besides English, as the translation files name them.
QStringList ShippedUiLanguages();

// The desktop's wanted languages, most wanted first, as found in the environment
// ("de_DE.UTF-8", "pt_BR", "zh-Hans-CN"...); the system locale's list follows.
QStringList DesktopLanguages();

// The first of `wanted` that names a shipped language: "pt_BR" for "pt-BR" or
// "pt_BR.UTF-8", "zh_CN" for "zh", "zh-Hans" or "zh_SG", "de" for "de_AT". English
// ("en...", "C", "POSIX") ends the search: the person prefers it to anything later.
// Empty = English.
QString ChooseUiLanguage(const QStringList& wanted, const QStringList& shipped = ShippedUiLanguages());

// Where the compiled translations of a copy whose executable is in
// `executableFolder` are: "<exe>/translations" in a build tree, else
// "<exe>/../share/korbanix/translations" for an installed copy.
QString TranslationsFolder(const QString& executableFolder);

// The installed translators; removing them (destruction) brings English back.
class UiTranslation {
public:
    UiTranslation();
    ~UiTranslation();
    UiTranslation(const UiTranslation&) = delete;
    UiTranslation& operator=(const UiTranslation&) = delete;

    // Loads "korbanix_<language>.qm" from `folder` and the toolkit's own
    // "qtbase_<language>.qm"; returns false when the program's own file is
    // missing (the windows stay English). An empty language installs nothing.
    bool Install(const QString& language, const QString& folder);

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_toolkit;
};

// `source` (of `context`) in every shipped language whose compiled translation
// is found, in the folder the last Install used (else beside the program), for
// reading back words written under another language. Loaded once, then cached.
QStringList TranslationsInEveryLanguage(const char* context, const char* source);

// The language the windows speak now ("" = English); Install sets it.
QString CurrentUiLanguage();
void SetCurrentUiLanguage(const QString& language);

// The help page for `language` in `folder`: "help_<language>.html" when it
// exists there, else the English "help.html".
QString HelpPageName(const QString& folder, const QString& language);
