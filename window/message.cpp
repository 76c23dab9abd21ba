#include "window/message.h"

namespace zentavo {

Value Value::Bytes(std::string_view bytes) {
    Value value;
    value.kind = Kind::Bytes;
    value.bytes = bytes;
    return value;
}

Value Value::Count(uint64_t count) {
    Value value;
    value.kind = Kind::Count;
    value.number = int64_t(count);
    return value;
}

Value Value::Integer(int64_t number) {
    Value value;
    value.kind = Kind::Integer;
    value.number = number;
    return value;
}

Value Value::Time(int64_t ns_since_epoch) {
    Value value;
    value.kind = Kind::Time;
    value.number = ns_since_epoch;
    return value;
}

Value Value::Words(Message message) {
    Value value;
    value.kind = Kind::Words;
    value.words = std::make_shared<const Message>(std::move(message));
    return value;
}

Value Value::SystemError(int error) {
    Value value;
    value.kind = Kind::SystemError;
    value.number = error;
    return value;
}

Value Value::Chain(std::vector<std::string> names, bool cut_short) {
    Value value;
    value.kind = Kind::Chain;
    value.names = std::move(names);
    value.number = cut_short;
    return value;
}

}  // namespace zentavo
