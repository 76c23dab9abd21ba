#include "app/locale_text.h"

#include <iconv.h>
#include <langinfo.h>

#include <algorithm>
#include <cerrno>

#include "core/text.h"
#include "core/utf8.h"

namespace zentavo {

namespace {

bool DecodesAsUtf8(std::string_view codeset) {
    return EqualsIgnoreAsciiCase(codeset, "UTF-8") || EqualsIgnoreAsciiCase(codeset, "UTF8") ||
           EqualsIgnoreAsciiCase(codeset, "ANSI_X3.4-1968") || codeset.empty();
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; an input sequence that cannot be converted is
    // replaced by `replacement` and skipped, skip_length(in) bytes at a time.
    template <class SkipLength>
    std::string Convert(std::string_view in, std::string_view replacement, SkipLength skip_length) {
        std::string out;
        char buffer[1024];
        char* in_ptr = const_cast<char*>(in.data());
        size_t in_left = in.size();
        while (in_left > 0) {
            char* out_ptr = buffer;
            size_t out_left = sizeof buffer;
            const size_t result = iconv(handle_, &in_ptr, &in_left, &out_ptr, &out_left);
            out.append(buffer, size_t(out_ptr - buffer));
            if (result != size_t(-1) || errno == E2BIG) continue;
            const size_t skip = std::min(in_left, skip_length(std::string_view(in_ptr, in_left)));
            out += replacement;
            in_ptr += skip;
            in_left -= skip;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

// A character the codeset lacks is skipped whole.
size_t CharacterLength(std::string_view utf8) {
    return std::max<size_t>(ReadUtf8(utf8, 0).length, 1);
}

}  // namespace

LocaleCodec::LocaleCodec(std::string_view codeset)
    : codeset_(codeset), utf8_(DecodesAsUtf8(codeset)) {}

QString LocaleCodec::Decode(std::string_view bytes) const {
    if (!utf8_) {
        Iconv to_utf8("UTF-8", codeset_.c_str());
        if (to_utf8.ok()) {
            const std::string utf8 =
                to_utf8.Convert(bytes, "\xEF\xBF\xBD", [](std::string_view) { return size_t{1}; });
            return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
        }
    }
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

std::string LocaleCodec::Encode(const QString& text) const {
    const QByteArray utf8 = text.toUtf8();
    if (!utf8_) {
        Iconv from_utf8(codeset_.c_str(), "UTF-8");
        if (from_utf8.ok()) {
            return from_utf8.Convert(std::string_view(utf8.constData(), size_t(utf8.size())), "?",
                                     CharacterLength);
        }
    }
    return std::string(utf8.constData(), size_t(utf8.size()));
}

const LocaleCodec& CurrentLocaleCodec() {
    static const LocaleCodec codec(nl_langinfo(CODESET));
    return codec;
}

}  // namespace zentavo
