// The window's translations: Zentavo's own texts and Qt's (the buttons of
// message boxes, the context menus of text fields), in the user's language.
#pragma once

#include <string>

#include <QLocale>
#include <QTranslator>

namespace zentavo {

class Translations {
public:
    // Installs the translations for locale's languages while it lives.
    // English is always installed underneath, for the English plural forms
    // of the texts that count.
    explicit Translations(const QLocale& locale = QLocale());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator english_;
    QTranslator own_;
    QTranslator qt_;
};

// The help file in locale's language: beside help_file ("/bin/zentavo.HLP"),
// the first of "/bin/zentavo_pt_BR.HLP", "/bin/zentavo_pt.HLP", ... for the
// locale's UI languages that exists; help_file itself, in English, when none
// does.
std::string HelpFileFor(const std::string& help_file, const QLocale& locale = QLocale());

}  // namespace zentavo
