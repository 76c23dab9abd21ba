// The bytes of a journal file. Every record is framed as
//
//     type (1 byte) | payload length (varint) | payload | CRC-32 (4 bytes, LE)
//
// with the checksum over everything before it, so a record cut short by a
// crash, or a tail of zeros, ends the journal instead of being misread.
// Strings are a varint length and the bytes, so any byte of a path survives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentavo::journal_codec {

// What every journal file starts with.
inline constexpr std::string_view kMagic = "zentavo journal 1\n";

enum RecordType : char {
    kHeader = 'H',
    kPlan = 'P',   // a batch of planned moves
    kSteps = 'S',  // a batch of moves done
    kEnd = 'E',
    kUndone = 'U',  // every file is back
    kRedone = 'R',  // every file is forward again
};

// The end, undone and redone records have a fixed size and carry their own
// offset, so a listing can read them from the end of the file, also past a
// tail a crash left torn.
inline constexpr size_t kEndPayload = 32;
inline constexpr size_t kHistoryPayload = 16;
inline constexpr size_t kFrame = 1 + 1 + 4;  // type, one-byte length, checksum
inline constexpr size_t kEndRecordSize = kFrame + kEndPayload;
inline constexpr size_t kHistoryRecordSize = kFrame + kHistoryPayload;

uint32_t Crc32(std::string_view bytes, uint32_t crc = 0);

void PutVarint(std::string& out, uint64_t value);
void PutFixed64(std::string& out, uint64_t value);
void PutBytes(std::string& out, std::string_view bytes);

// Appends the framed record to out.
void AppendRecord(std::string& out, char type, std::string_view payload);

// Reads the record that starts at data[at]; on success moves at past it.
// False when the record is cut short or its checksum does not match.
bool NextRecord(std::string_view data, size_t& at, char& type, std::string_view& payload);

// Reads a payload field by field; any read past its end makes it fail for good.
class PayloadReader {
public:
    explicit PayloadReader(std::string_view payload) : rest_(payload) {}

    uint64_t Varint();
    uint64_t Fixed64();
    uint8_t Byte();
    std::string_view Bytes();

    bool ok() const { return ok_; }
    bool empty() const { return rest_.empty(); }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
    bool ok_ = true;
};

}  // namespace zentavo::journal_codec
