// The window's translations: Zentavo's own texts and Qt's (the buttons of
// message boxes, the context menus of text fields), in the user's language.
#pragma once

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

}  // namespace zentavo
