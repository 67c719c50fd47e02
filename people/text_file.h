// Small helpers for the text files people are kept in: whole-file reads,
// lines with either ending, and numbers read the way the C library reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

bool readWholeFile(const std::string& path, std::string& content);

// Calls visit with every line of content, without its LF or CR LF. A last
// line without an ending is a line too; nothing after the last ending is not.
template <typename Visit>
void forEachLine(std::string_view content, Visit visit) {
    std::size_t at = 0;
    while (at < content.size()) {
        std::size_t end = content.find('\n', at);
        std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
        at = next;
    }
}

// Leading blanks and a sign allowed, stops at the first other character;
// a number beyond the 32-bit range is held at its end.
std::int32_t leadingInteger(std::string_view text);
