// The text/uri-list of a drop: raw bytes must never crash the reader or give
// a path that is not absolute, and a list made from known paths must give
// exactly those paths back, whatever bytes they hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/uri_list.h"

namespace zentavo {
namespace {

constexpr std::string_view kHost = "myhost";

void Check(bool holds) {
    if (!holds) std::abort();
}

// Every byte but the unreserved ones (and "/", which separates names),
// percent-encoded as file managers do; hex digits in either case.
std::string Encode(std::string_view path, bool upper_hex) {
    const char* digits = upper_hex ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || c == '/' || c == '-' || c == '_' || c == '.' ||
            c == '~') {
            out += c;
        } else {
            out += '%';
            out += digits[byte >> 4];
            out += digits[byte & 0xF];
        }
    }
    return out;
}

void CheckRaw(std::string_view text) {
    for (const std::string& path : LocalPathsFromUriList(text, kHost)) {
        Check(!path.empty() && path.front() == '/');
        Check(path.find('\0') == std::string::npos);
    }
    const std::string decoded = PercentDecode(text);
    Check(decoded.size() <= text.size());
    if (text.find('%') == std::string_view::npos) Check(decoded == text);
}

// A list of local paths among comments, blank lines and URLs that name no
// local file, each line ended by CR LF or LF.
void CheckMadeList(FuzzedDataProvider& input) {
    std::string list;
    std::vector<std::string> expected;
    while (input.remaining_bytes() > 0) {
        const std::string bytes = input.ConsumeRandomLengthString(64);
        switch (input.ConsumeIntegralInRange(0, 5)) {
            case 0:
                list += "# " + std::string(bytes.substr(0, bytes.find_first_of("\r\n")));
                break;
            case 1:
                list += "file://elsewhere/" + Encode(bytes, true);
                break;
            case 2:
                list += "http://" + std::string(kHost) + "/" + Encode(bytes, false);
                break;
            default: {
                const std::string path = "/" + bytes;
                static constexpr std::string_view kPrefixes[] = {"file://", "file://localhost",
                                                                 "FILE://MyHost", "file:"};
                std::string_view prefix = kPrefixes[input.ConsumeIntegralInRange(0, 3)];
                // "file:" before "//" would read the first name as a host.
                if (prefix == "file:" && path.starts_with("//")) prefix = "file://";
                list += std::string(prefix) + Encode(path, input.ConsumeBool());
                if (path.find('\0') == std::string::npos) expected.push_back(path);
            }
        }
        list += input.ConsumeBool() ? "\r\n" : "\n";
    }
    Check(LocalPathsFromUriList(list, kHost) == expected);
    for (const std::string& path : expected) Check(PercentDecode(Encode(path, true)) == path);
}

}  // namespace
}  // namespace zentavo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zentavo;
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        CheckRaw(input.ConsumeRemainingBytesAsString());
    } else {
        CheckMadeList(input);
    }
    return 0;
}
