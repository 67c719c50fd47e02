// Report text laid out for one device: thirteen styles with their fonts,
// paragraphs wrapped into display lines, display lines numbered into pages.
#pragma once

#include "platform/text_device.h"
#include "shell/settings.h"

#include <cstdint>
#include <string>
#include <vector>

enum { STYLE_COUNT = 13, MAX_DISPLAY_LINES = 10000, LOGO_STYLE = 12, PAGE_END_STYLE = 5, COVER_STYLE = 6 };

enum class LayoutKind { Screen, Printer, Rtf };

struct StyleInfo {
    char marker;     // the first byte that selects the style ('\0': none)
    int points;      // 0: the base size (style 1: base + 2)
    bool bold;
    bool italic;
    bool underline;
    bool centred;
};

extern const StyleInfo STYLE_TABLE[STYLE_COUNT];

struct LineRecord {
    std::uint32_t offset;  // first shown byte in the report text
    std::uint32_t length;  // bytes, with the ending that the line took
    std::uint32_t style;
    std::uint32_t page;
};
static_assert(sizeof(LineRecord) == 16, "display lines are 16 bytes");

struct Box {
    int left, top, right, bottom;
};

struct PageLayout {
    LayoutKind kind;
    int pixelsPerInchX, pixelsPerInchY;
    Box text;
    Box footer;          // printer pages only
    int tabStop;         // from the text area's left edge
    int charWidths[256]; // of style 0's font
    int baseSize;        // points
    platform::FontRequest fonts[STYLE_COUNT];
    int pointSizes[STYLE_COUNT];
    int lineHeights[STYLE_COUNT];
};

extern PageLayout pageLayout;
extern std::vector<LineRecord> lineTable;
extern int lineCount;
extern int coverStartLine, contentsStartLine, chartStartLine, bodyStartLine;

// The report font in use.
extern ReportFont activeFont;

// The base size in points of a report font (height -15 gives 11).
int baseSizeOf(const ReportFont& font);

// Lays out the report text at textPath. clientArea is the viewer's client
// area (screen layouts only). reportType picks the tab stop. False when a
// style's font could not be measured (device.fontProblem() tells why): the
// lines and pages are then not those of the report font.
bool layoutReport(platform::TextDevice& device, LayoutKind kind, const std::string& textPath, int reportType,
                  const Box& clientArea = Box{0, 0, 0, 0});

// The length of the display line that starts at text (of size bytes),
// wrapped at textWidth with the given widths and tab stop. A word wider
// than the whole line is broken at the width.
std::size_t wrapLine(const char* text, std::size_t size, const int widths[256], int textWidth, int tabStop);

// What the font dialog may change: face, size and character set. The
// other properties are set back after the dialog, whatever it returned.
ReportFont chooseReportFont(const ReportFont& before, const ReportFont* chosen);

// The display line whose offset is position, or -1.
int lineAtOffset(std::uint32_t position);

// The first display line of the heading that contents row refers to (just
// after its marker), or -1 when its heading was not found (target 0).
int headingLineOfEntry(int row);
