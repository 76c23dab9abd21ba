#include "app/translations.h"

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

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&english_);
}

}  // namespace zentavo
