#include "cli/json_writer.h"

#include <cstdio>

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasMembers_.empty()) return;
    if (hasMembers_.back()) out_ += hasMembers_.size() == 1 ? ",\n  " : ", ";
    else if (hasMembers_.size() == 1) out_ += "\n  ";
    hasMembers_.back() = true;
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    hasMembers_.push_back(false);
}

void JsonWriter::endObject() {
    const bool top = hasMembers_.size() == 1;
    const bool any = hasMembers_.back();
    hasMembers_.pop_back();
    if (top && any) out_ += '\n';
    out_ += '}';
    if (hasMembers_.empty()) out_ += '\n';
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    hasMembers_.push_back(false);
}

void JsonWriter::endArray() {
    hasMembers_.pop_back();
    out_ += ']';
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    writeString(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(int number) {
    beforeValue();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::value(std::string_view utf8Text) {
    beforeValue();
    writeString(utf8Text);
}

void JsonWriter::writeString(std::string_view text) {
    out_ += '"';
    for (char c : text) {
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
    }
    out_ += '"';
}
