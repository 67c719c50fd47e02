// Expansion of a list file into report text: subjects fetched from the open
// archive, "#1" to "#4" filled in, the contents and chart summary gathered.
#pragma once

#include <cstdint>
#include <string>

// Byte offsets of a report's sections: in the list file as the composer
// writes them, in the report text once the expansion has run.
struct SectionMarks {
    std::uint32_t coverStart;
    std::uint32_t contentsStart;
    std::uint32_t chartStart;
    std::uint32_t bodyStart;
    std::uint32_t listEnd;
};

extern SectionMarks sectionMarks;

enum { MAX_INDEX_ENTRIES = 800, SUBSTITUTION_SIZE = 80 };

struct IndexEntry {
    std::uint32_t entryPosition;   // the contents line in the report text
    std::uint32_t targetPosition;  // the heading it refers to; 0 = none
    std::int32_t drawnTop;         // the entry's band on the screen, kept by the viewer
    std::int32_t drawnBottom;
};

extern IndexEntry indexTable[MAX_INDEX_ENTRIES];
extern int indexEntryCount;
extern int chartFirstEntry;  // rows before it came from "{INDEX}"

// Values 1 to 4 for "#1" to "#4"; they last from report to report.
extern char substitutionValues[4][SUBSTITUTION_SIZE];

extern const char* const LIST_FILE_NAME;         // "vekTemp1"
extern const char* const REPORT_TEXT_FILE_NAME;  // "vekTemp2"

// Reads listPath, writes the report text to textPath. The program ends with
// "Can't open ListFile" or "Can't open OutFile" when a file can't be opened.
void expandListFile(const std::string& listPath, const std::string& textPath);

// Replaces every "#n" in text (of capacity bytes) by value, scanning on after
// each inserted value; an occurrence that would not fit is left as it is.
// A value that lands at the start of a line and begins like a style marker
// gets PLAIN_TEXT_MARKER before it, so that typed text stays text.
void substituteValue(char* text, std::size_t capacity, char digit, const char* value);

// The first bytes of a report text line that the layout reads as its style.
constexpr const char STYLE_MARKERS[] = "$&%_=0123456";
constexpr bool isStyleMarker(char c) {
    for (const char* m = STYLE_MARKERS; *m; ++m)
        if (*m == c) return true;
    return false;
}
// The marker of a plain line in the body font, put before typed text that
// would otherwise be read as a marker.
constexpr char PLAIN_TEXT_MARKER = '_';
