#include "winapp/message_words.h"

#include <windows.h>

#include <cstring>

#include "winapp/english_text.h"
#include "winapp/wide_text.h"

namespace zentavo {

namespace {

// Digits grouped as the user's locale groups them.
std::wstring Grouped(uint64_t count) {
    const std::wstring digits = std::to_wstring(count);
    wchar_t separator[8] = L",";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8);
    std::wstring grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

// A moment in the user's time zone and short formats.
std::wstring LocalTime(int64_t ns_since_epoch) {
    // FILETIME counts 100 ns from 1601, 11,644,473,600 s before 1970.
    const uint64_t ticks = uint64_t(ns_since_epoch / 100) + 116'444'736'000'000'000ULL;
    const FILETIME utc{DWORD(ticks), DWORD(ticks >> 32)};
    SYSTEMTIME utc_time{}, local{};
    if (!FileTimeToSystemTime(&utc, &utc_time) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc_time, &local))
        return {};
    wchar_t date[80] = L"", time[80] = L"";
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, 80);
    return std::wstring(date) + L' ' + time;
}

}  // namespace

std::wstring Words(const Value& value) {
    switch (value.kind) {
        case Value::Kind::Bytes:
            return Wide(value.bytes);
        case Value::Kind::Count:
            return Grouped(uint64_t(value.number));
        case Value::Kind::Integer:
            return std::to_wstring(value.number);
        case Value::Kind::Time:
            return LocalTime(value.number);
        case Value::Kind::Words:
            return Words(*value.words);
        case Value::Kind::SystemError:
            return Wide(std::strerror(int(value.number)));
        case Value::Kind::Chain: {
            std::wstring chain;
            for (const std::string& name : value.names)
                chain += (chain.empty() ? L"" : L" \u2192 ") + Wide(name);
            return value.number != 0 ? chain + L" \u2192 \u2026" : chain;
        }
    }
    return {};
}

std::wstring Words(const Message& message) {
    const std::wstring text = Wide(EnglishText(message.id, message.count));
    // In one pass, as a value may itself hold "%1".
    std::wstring filled;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t digit = i + 1;
        if (text[i] == L'%' && digit < text.size() && text[digit] == L'L') ++digit;
        if (text[i] == L'%' && digit < text.size() && text[digit] == L'n') {
            filled += Grouped(uint64_t(message.count < 0 ? 0 : message.count));
            i = digit;
        } else if (text[i] == L'%' && digit < text.size() && text[digit] >= L'1' &&
                   text[digit] <= L'9' && size_t(text[digit] - L'1') < message.values.size()) {
            filled += Words(message.values[size_t(text[digit] - L'1')]);
            i = digit;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::wstring Words(const std::vector<Paragraph>& paragraphs) {
    std::wstring words;
    for (const Paragraph& paragraph : paragraphs) {
        if (!words.empty()) words += L"\n\n";
        for (size_t i = 0; i < paragraph.size(); ++i) {
            if (i > 0) words += L'\n';
            words += Words(paragraph[i]);
        }
    }
    return words;
}

}  // namespace zentavo
