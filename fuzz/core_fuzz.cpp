// Random patterns and paths through CPathParts::Parse, ApplyPattern and
// SetFilenames, on every code page and in both path syntaxes. The checks are
// properties that hold for any input, not a second copy of the rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/code_page.h"
#include "core/path_parts.h"
#include "core/path_syntax.h"
#include "core/rename_list.h"
#include "core/rename_pattern.h"
#include "core/text.h"

namespace zentavo {
namespace {

constexpr size_t npos = std::string_view::npos;
constexpr CodePage::Kind kKinds[] = {CodePage::Kind::SingleByte, CodePage::Kind::Utf8,
                                     CodePage::Kind::ShiftJis,   CodePage::Kind::Gbk,
                                     CodePage::Kind::Big5,       CodePage::Kind::Uhc};

void Check(bool holds) {
    if (!holds) std::abort();
}

// Whether pos falls between two characters of text, never inside one.
bool IsBoundary(std::string_view text, size_t pos, const CodePage& page) {
    size_t i = 0;
    while (i < pos) i += page.CharLength(text, i);
    return i == pos;
}

bool SameParts(const CPathParts& a, const CPathParts& b) {
    return a.path == b.path && a.name == b.name && a.title == b.title &&
           a.extension == b.extension && a.directory == b.directory && a.folders == b.folders;
}

void CheckParts(const CPathParts& parts, std::string_view path, PathSyntax syntax,
                const CodePage& page) {
    const std::string_view separators = Separators(syntax);
    auto is_separator = [&](char c) { return separators.find(c) != npos; };
    Check(parts.path == path);

    // The name never holds a separator, except as the trail byte of a
    // double-byte character.
    Check(page.FindFirstOf(parts.name, separators) == npos);
    if (!page.IsDoubleByte()) Check(parts.name.find_first_of(separators) == npos);
    if (page.FindLastOf(path, separators) == npos) {
        Check(parts.name == path && parts.directory == ".");
        Check(parts.folders == std::vector<std::string>{"."});
    } else {
        const size_t cut = parts.directory.size();
        Check(cut < path.size() && is_separator(path[cut]));
        Check(path.substr(0, cut) == parts.directory && path.substr(cut + 1) == parts.name);
        Check(IsBoundary(path, cut, page));
    }

    if (parts.extension.empty() && parts.title == parts.name) {
        Check(page.Find(parts.name, '.') == npos || parts.name.back() == '.');
    } else {
        Check(parts.title + '.' + parts.extension == parts.name);
        Check(page.Find(parts.extension, '.') == npos);
        Check(IsBoundary(parts.name, parts.title.size(), page));
    }

    if (parts.directory == ".") return;
    // The folders are the directory (less a drive designator and one leading
    // separator) cut at separators that are characters of their own.
    std::string_view rest = parts.directory;
    if (syntax == PathSyntax::Windows && rest.size() >= 2 && rest[1] == ':') rest.remove_prefix(2);
    if (!rest.empty() && is_separator(rest.front())) rest.remove_prefix(1);
    size_t at = 0;
    for (const std::string& folder : parts.folders) {
        Check(page.FindFirstOf(folder, separators) == npos);
        Check(IsBoundary(rest, at, page));
        Check(rest.substr(at, folder.size()) == folder);
        at += folder.size();
        if (at < rest.size()) Check(is_separator(rest[at]));
        ++at;
    }
    Check(at == rest.size() || at == rest.size() + 1);
}

// Case conversion keeps every byte count and changes nothing but ASCII
// letters that are characters of their own (the pages have no case map for
// double-byte characters).
void CheckCase(std::string_view text, const CodePage& page) {
    for (const std::string& converted : {page.ToLower(text), page.ToUpper(text)}) {
        Check(converted.size() == text.size());
        Check(EqualsIgnoreAsciiCase(converted, text));
        for (size_t i = 0; i < text.size();) {
            const size_t length = page.CharLength(text, i);
            if (length > 1) Check(converted.compare(i, length, text.substr(i, length)) == 0);
            i += length;
        }
    }
}

void CheckPattern(std::string_view pattern, const CPathParts& parts, int64_t counter,
                  int64_t position, const CodePage& page) {
    const std::string name = ApplyPattern(pattern, parts, counter, position, page);
    Check(name == ApplyPattern(pattern, parts, counter, position, page));

    // Every code takes at least two bytes of the pattern and gives one piece:
    // a part of the path, or a counter of at most 255 places or 20 digits.
    const size_t longest_piece = std::max<size_t>(parts.path.size(), 20);
    Check(name.size() <= pattern.size() * (longest_piece + 255));

    // The pattern ends at its first NUL.
    const std::string_view used = pattern.substr(0, pattern.find('\0'));
    Check(name == ApplyPattern(used, parts, counter, position, page));
    if (used.find('%') == npos) Check(name == used);

    std::string escaped;
    for (char c : used) {
        escaped += c;
        if (c == '%') escaped += '%';
    }
    Check(ApplyPattern(escaped, parts, counter, position, page) == used);
}

void CheckSetFilenames(std::string_view pattern, const std::vector<std::string>& paths,
                       PathSyntax syntax, const CodePage& page) {
    RenameList list(syntax);
    list.InsertNew(paths);
    const bool all_named = SetFilenames(list, pattern, page);
    bool none_empty = true;
    for (size_t i = 0; i < list.count(); ++i) {
        const std::string_view name = list.new_name(i);
        // A name too long to use is kept as cut, one byte over the limit.
        if (NameTooLong(name)) {
            Check(name.size() == kMaxNewNameLength + 1);
        } else {
            Check(name == TrimView(name));
        }
        const std::string_view used = pattern.substr(0, pattern.find('\0'));
        if (used.find('%') == npos) Check(name == TrimView(used));
        none_empty = none_empty && !name.empty();
        Check(list.mark(i) == RowMark::Pending);
    }
    Check(all_named == none_empty);
}

}  // namespace
}  // namespace zentavo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zentavo;
    FuzzedDataProvider input(data, size);
    const CodePage page(kKinds[input.ConsumeIntegralInRange<size_t>(0, std::size(kKinds) - 1)]);
    const PathSyntax syntax = input.ConsumeBool() ? PathSyntax::Windows : PathSyntax::Posix;
    const auto counter = input.ConsumeIntegralInRange<int64_t>(1, int64_t{1} << 40);
    const auto position = input.ConsumeIntegralInRange<int64_t>(1, int64_t{1} << 40);
    const std::string pattern = input.ConsumeRandomLengthString(256);
    std::vector<std::string> paths;
    while (paths.size() < 4 && input.remaining_bytes() > 0) {
        paths.push_back(input.ConsumeRandomLengthString(256));
    }
    if (paths.empty()) paths.emplace_back();

    // One object parses every path, as SetFilenames does, so buffers left by
    // earlier paths (and earlier inputs) are exercised.
    static CPathParts reused;
    for (const std::string& path : paths) {
        const CPathParts fresh(path, syntax, page);
        CheckParts(fresh, path, syntax, page);
        reused.Parse(path, syntax, page);
        Check(SameParts(reused, fresh));
        CheckCase(path, page);
        CheckPattern(pattern, fresh, counter, position, page);
    }
    CheckSetFilenames(pattern, paths, syntax, page);
    return 0;
}
