#include "journal/journal_codec.h"

#include <array>

namespace zentavo::journal_codec {

namespace {

constexpr std::array<uint32_t, 256> MakeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = MakeCrcTable();

constexpr size_t kMaxVarintBytes = 10;

}  // namespace

uint32_t Crc32(std::string_view bytes, uint32_t crc) {
    crc = ~crc;
    for (const char byte : bytes)
        crc = kCrcTable[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutVarint(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

void PutFixed64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void PutBytes(std::string& out, std::string_view bytes) {
    PutVarint(out, bytes.size());
    out += bytes;
}

void AppendRecord(std::string& out, char type, std::string_view payload) {
    const size_t start = out.size();
    out += type;
    PutVarint(out, payload.size());
    out += payload;
    const uint32_t crc = Crc32(std::string_view(out).substr(start));
    for (int i = 0; i < 4; ++i) out += static_cast<char>((crc >> (8 * i)) & 0xFF);
}

bool NextRecord(std::string_view data, size_t& at, char& type, std::string_view& payload) {
    if (at >= data.size()) return false;
    PayloadReader frame(data.substr(at + 1));
    const uint64_t length = frame.Varint();
    if (!frame.ok()) return false;
    const size_t header = data.size() - at - frame.rest().size();
    if (length > data.size() - at - header || data.size() - at - header - length < 4) return false;
    const std::string_view framed = data.substr(at, header + length);
    uint32_t stored = 0;
    for (size_t i = 0; i < 4; ++i)
        stored |= uint32_t(static_cast<uint8_t>(data[at + framed.size() + i])) << (8 * i);
    if (Crc32(framed) != stored) return false;
    type = framed[0];
    payload = framed.substr(header);
    at += framed.size() + 4;
    return true;
}

uint64_t PayloadReader::Varint() {
    uint64_t value = 0;
    for (size_t i = 0; i < kMaxVarintBytes && i < rest_.size(); ++i) {
        const auto byte = static_cast<uint8_t>(rest_[i]);
        value |= uint64_t(byte & 0x7F) << (7 * i);
        if ((byte & 0x80) == 0) {
            rest_.remove_prefix(i + 1);
            return value;
        }
    }
    ok_ = false;
    rest_ = {};
    return 0;
}

uint64_t PayloadReader::Fixed64() {
    if (rest_.size() < 8) {
        ok_ = false;
        rest_ = {};
        return 0;
    }
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value |= uint64_t(static_cast<uint8_t>(rest_[i])) << (8 * i);
    rest_.remove_prefix(8);
    return value;
}

uint8_t PayloadReader::Byte() {
    if (rest_.empty()) {
        ok_ = false;
        return 0;
    }
    const auto byte = static_cast<uint8_t>(rest_[0]);
    rest_.remove_prefix(1);
    return byte;
}

std::string_view PayloadReader::Bytes() {
    const uint64_t length = Varint();
    if (!ok_ || length > rest_.size()) {
        ok_ = false;
        rest_ = {};
        return {};
    }
    const std::string_view bytes = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return bytes;
}

}  // namespace zentavo::journal_codec
