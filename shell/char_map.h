// The character map's rules and geometry without its window: the key grid
// of codes 32 to 255 and the target row, where a click lands, the list of
// mappings with its conflict rule, and the map the list makes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern const char TARGET_ROW[33];  // " ABCDEFGHIJKLMNOPQRSTUVWXYZ#*$%&"
constexpr char NO_KEY = ' ', NO_TARGET = ' ';
enum { TARGET_COUNT = 32 };

struct CellBox {
    int left, top, right, bottom;
};

// The cell of a key code (32 to 255) in the grid, and where its character is drawn.
CellBox keyCell(int code);
inline int keyTextX(int code) { return 16 * (code % 32) + 14; }
inline int keyTextY(int code) { return 18 * (code / 32) + 22; }
// The cell of target position p (1 to 31) in the target row.
CellBox targetCell(int position);
inline int targetTextX(int position) { return 16 * position + 14; }
enum { TARGET_TEXT_Y = 208, TARGET_TOP = 206, TARGET_BOTTOM = 224, SENTENCE_X = 10, SENTENCE_Y = 240 };

// What a click at (x, y) selects: a key code, or else a target position;
// -1 when it misses both.
int keyAt(int x, int y);
int targetAt(int x, int y);

// "  treat 'k' as 't'": the key is the line's tenth character, the target
// its seventeenth.
std::string mappingLine(char key, char target);
char lineKey(const std::string& line);
char lineTarget(const std::string& line);

enum class AddResult { NothingSelected, Added, AlreadyThere, Conflict };
// Adds key -> target to lines unless the key is mapped already; found is
// the line added, or the one with the same key.
AddResult addMapping(std::vector<std::string>& lines, char key, char target, int& found);

extern const char* const MSG_MAPPING_CONFLICT;

// The lines of a map (one per code mapped elsewhere), and the map of lines.
std::vector<std::string> mappingLines(const std::uint8_t charMap[256]);
void mapFromLines(const std::vector<std::string>& lines, std::uint8_t charMap[256]);

// "' key (ascii code %d) to be treated like the letter '%c'"
std::string mappingSentenceEnd(int key, char target);
