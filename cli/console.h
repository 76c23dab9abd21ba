// What zentavo-cli asks of the system it runs on besides its files: the
// arguments it was given and somewhere to write its two streams. Each
// platform folder below cli/ has one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

class Console {
public:
    enum class Stream { Out, Err };

    virtual ~Console() = default;

    // The arguments after the program's name as byte strings: the locale's
    // bytes on POSIX, WTF-8 on Windows.
    virtual std::vector<std::string> Arguments() const = 0;

    // Whether a person reads stream at a terminal: only there is a progress
    // line drawn.
    virtual bool IsTerminal(Stream stream) const = 0;

    // Writes all of bytes; false when the stream takes no more (a closed
    // pipe).
    virtual bool Write(Stream stream, std::string_view bytes) = 0;
};

}  // namespace zentavo
