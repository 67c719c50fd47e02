// A small JSON writer: the top-level members one per line, everything
// nested on the line of its member.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    JsonWriter& key(std::string_view name);
    void value(int number);
    void value(bool flag);
    void value(std::string_view utf8Text);
    void value(const char* utf8Text) { value(std::string_view(utf8Text)); }

    const std::string& text() const { return out_; }

private:
    void beforeValue();
    void writeString(std::string_view text);

    std::string out_;
    std::vector<bool> hasMembers_;  // one per open object or array
    bool afterKey_ = false;
};
