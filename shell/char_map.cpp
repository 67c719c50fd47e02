#include "shell/char_map.h"

#include <cstdio>

const char TARGET_ROW[33] = " ABCDEFGHIJKLMNOPQRSTUVWXYZ#*$%&";
const char* const MSG_MAPPING_CONFLICT =
    "There's a conflicting entry in your list. Make sure your selection is correct. You might want to Remove the "
    "prior entry.";

CellBox keyCell(int code) {
    const int left = 16 * (code % 32) + 10, top = 18 * (code / 32) + 20;
    return {left, top, left + 16, top + 18};
}

CellBox targetCell(int position) { return {16 * position + 10, TARGET_TOP, 16 * position + 26, TARGET_BOTTOM}; }

int keyAt(int x, int y) {
    for (int row = 1; row <= 7; ++row) {
        if (y < 18 * row + 20 || y >= 18 * row + 38) continue;
        for (int column = 0; column < 32; ++column)
            if (x >= 16 * column + 10 && x < 16 * column + 26) return 32 * row + column;
    }
    return -1;
}

int targetAt(int x, int y) {
    if (y < TARGET_TOP || y >= TARGET_BOTTOM) return -1;
    for (int position = 1; position < TARGET_COUNT; ++position)
        if (x >= 16 * position + 10 && x < 16 * position + 26) return position;
    return -1;
}

std::string mappingLine(char key, char target) {
    char line[32];
    std::snprintf(line, sizeof line, "  treat '%c' as '%c'", key, target);
    return line;
}

char lineKey(const std::string& line) { return line.size() > 9 ? line[9] : NO_KEY; }
char lineTarget(const std::string& line) { return line.size() > 16 ? line[16] : NO_TARGET; }

AddResult addMapping(std::vector<std::string>& lines, char key, char target, int& found) {
    if (key == NO_KEY || target == NO_TARGET) return AddResult::NothingSelected;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lineKey(lines[i]) != key) continue;
        found = static_cast<int>(i);
        return lineTarget(lines[i]) == target ? AddResult::AlreadyThere : AddResult::Conflict;
    }
    lines.push_back(mappingLine(key, target));
    found = static_cast<int>(lines.size()) - 1;
    return AddResult::Added;
}

std::vector<std::string> mappingLines(const std::uint8_t charMap[256]) {
    std::vector<std::string> lines;
    for (int code = 0; code < 256; ++code)
        if (charMap[code] != code) lines.push_back(mappingLine(static_cast<char>(code), static_cast<char>(charMap[code])));
    return lines;
}

void mapFromLines(const std::vector<std::string>& lines, std::uint8_t charMap[256]) {
    for (int code = 0; code < 256; ++code) charMap[code] = static_cast<std::uint8_t>(code);
    for (const std::string& line : lines)
        charMap[static_cast<unsigned char>(lineKey(line))] = static_cast<std::uint8_t>(lineTarget(line));
}

std::string mappingSentenceEnd(int key, char target) {
    char text[96];
    std::snprintf(text, sizeof text, "' key (ascii code %d) to be treated like the letter '%c'", key, target);
    return text;
}
