#include "app/translations.h"

#include <filesystem>

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zentavo {

namespace {

// Where the build puts the compiled translations of window_texts.h.
const QString kOwnFolder = QStringLiteral(":/i18n");

void InstallIfLoaded(QTranslator& translator, bool loaded) {
    if (loaded) QCoreApplication::installTranslator(&translator);
}

}  // namespace

Translations::Translations(const QLocale& locale) {
    InstallIfLoaded(english_, english_.load(QStringLiteral("zentavo_en"), kOwnFolder));
    // QTranslator takes the first of the locale's UI languages it has a file
    // for, pt_BR before pt.
    InstallIfLoaded(own_,
                    own_.load(locale, QStringLiteral("zentavo"), QStringLiteral("_"), kOwnFolder));
    InstallIfLoaded(qt_, qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

std::string HelpFileFor(const std::string& help_file, const QLocale& locale) {
    const size_t dot = help_file.rfind('.');
    if (dot == std::string::npos) return help_file;
    const std::string stem = help_file.substr(0, dot);
    const std::string extension = help_file.substr(dot);
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        // "de_DE" first, then "de".
        for (const QString& tried : {language, language.section(u'_', 0, 0)}) {
            const std::string candidate = stem + "_" + tried.toStdString() + extension;
            std::error_code error;
            if (std::filesystem::exists(candidate, error)) return candidate;
        }
    }
    return help_file;
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&english_);
}

}  // namespace zentavo
