#include "cli/console_stream.h"

namespace zentavo {

ConsoleStreamBuf::ConsoleStreamBuf(Console& console, Console::Stream stream)
    : console_(console), stream_(stream) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

ConsoleStreamBuf::~ConsoleStreamBuf() {
    Flush();
}

ConsoleStreamBuf::int_type ConsoleStreamBuf::overflow(int_type c) {
    if (!Flush()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int ConsoleStreamBuf::sync() {
    return Flush() ? 0 : -1;
}

bool ConsoleStreamBuf::Flush() {
    const std::string_view pending(pbase(), size_t(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return pending.empty() || console_.Write(stream_, pending);
}

ConsoleOstream::ConsoleOstream(Console& console, Console::Stream stream)
    : std::ostream(nullptr), buf_(console, stream) {
    rdbuf(&buf_);
}

}  // namespace zentavo
