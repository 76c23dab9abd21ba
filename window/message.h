// What the logic says to the user, before it is put into words: a text of
// the table by its id with the values that fill its places (%1, %2, ...;
// %Ln takes the count), and reports made of such texts. Each front end puts
// them into its language and its way of writing paths, numbers and times.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "window/text_id.h"

namespace zentavo {

struct Message;

// A value a text shows in one of its places.
struct Value {
    enum class Kind {
        Bytes,        // a path or name as the file system spells it
        Count,        // a count, its digits grouped as the locale writes them
        Integer,      // a number in digits alone
        Time,         // a moment, nanoseconds since 1970, as the locale writes it
        Words,        // a text of its own
        SystemError,  // an errno value in the system's own words
        Chain,        // names, each to the next by an arrow; cut short: more follow
    };

    static Value Bytes(std::string_view bytes);
    static Value Count(uint64_t count);
    static Value Integer(int64_t number);
    static Value Time(int64_t ns_since_epoch);
    static Value Words(Message message);
    static Value SystemError(int error);
    static Value Chain(std::vector<std::string> names, bool cut_short);

    Kind kind = Kind::Integer;
    std::string bytes;
    std::vector<std::string> names;
    int64_t number = 0;
    std::shared_ptr<const Message> words;
};

struct Message {
    Message(TextId text_id, std::vector<Value> text_values = {}, int text_count = -1)
        : id(text_id), values(std::move(text_values)), count(text_count) {}

    TextId id;
    std::vector<Value> values;  // %1 first
    int count = -1;             // for %Ln; -1 when the text does not count
};

// A message box's text: paragraphs of lines.
using Paragraph = std::vector<Value>;

enum class MessageIcon { Information, Warning, Question };

struct Report {
    MessageIcon icon = MessageIcon::Information;
    Message caption;
    std::vector<Paragraph> text;
    // There to be unfolded below the text; may be empty.
    std::vector<Paragraph> detail;
};

// A question with Yes and No.
struct Question {
    Message caption;
    std::vector<Paragraph> text;
};

}  // namespace zentavo
