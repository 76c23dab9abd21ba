// Paths and patterns are bytes in the locale's encoding; widgets hold
// Unicode. Bytes are decoded only to be shown, and a typed text is encoded
// once, when the program takes it.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace zentavo {

class LocaleCodec {
public:
    // codeset as nl_langinfo(CODESET) names it; UTF-8 and plain ASCII
    // ("ANSI_X3.4-1968", the C locale, where Linux names are UTF-8 in
    // practice) decode as UTF-8, any other through iconv.
    explicit LocaleCodec(std::string_view codeset);

    // Bytes that do not decode show as U+FFFD.
    QString Decode(std::string_view bytes) const;
    // Characters the codeset lacks become "?".
    std::string Encode(const QString& text) const;

private:
    std::string codeset_;
    bool utf8_;
};

// The codec of the user's locale, as main() set it, read on first use.
const LocaleCodec& CurrentLocaleCodec();

}  // namespace zentavo
