#include "output/page_layout.h"

#include "archive/list_expansion.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

// Markers, sizes and flags of the thirteen styles.
const StyleInfo STYLE_TABLE[STYLE_COUNT] = {
    {'\0', 0, false, false, false, false},  // body text
    {'$', 0, true, false, false, true},     // heading listed by the contents
    {'&', 0, true, true, false, false},     // heading listed by the chart summary
    {'%', 0, true, false, true, false},     // sub-heading
    {'_', 0, false, false, false, false},   // line with a tabbed value
    {'=', 0, false, false, false, false},   // last line of a page
    {'0', 12, false, false, false, false},  // cover text
    {'1', 12, false, false, false, true},
    {'2', 10, false, false, false, true},
    {'3', 30, false, false, false, true},
    {'4', 14, false, false, false, true},
    {'5', 12, false, false, true, true},
    {'6', 12, false, false, false, true},   // the cover's logo block
};

PageLayout pageLayout;
std::vector<LineRecord> lineTable;
int lineCount = 0;
int coverStartLine = 0, contentsStartLine = 0, chartStartLine = 0, bodyStartLine = 0;
ReportFont activeFont;

namespace {

enum { PARAGRAPH_LIMIT = 9999, FORM_FEED = 12 };

int styleOfMarker(char marker) {
    for (int style = 1; style < STYLE_COUNT; ++style)
        if (STYLE_TABLE[style].marker == marker) return style;
    return -1;
}

// False when a style's font can't be measured (its widths are then 0).
bool makeStyleFonts(platform::TextDevice& device, LayoutKind kind) {
    bool measured = true;
    PageLayout& l = pageLayout;
    l.baseSize = baseSizeOf(activeFont);
    for (int style = 0; style < STYLE_COUNT; ++style) {
        const StyleInfo& info = STYLE_TABLE[style];
        const int points = info.points ? info.points : l.baseSize + (style == 1 ? 2 : 0);
        platform::FontRequest& font = l.fonts[style];
        font = platform::FontRequest{};
        font.height = -static_cast<int>(std::lround(points * l.pixelsPerInchY / 72.0));
        font.weight = info.bold ? 700 : 400;
        font.italic = info.italic;
        font.underline = info.underline;
        font.charSet = activeFont.charSet;
        font.outPrecision = activeFont.outPrecision;
        font.clipPrecision = activeFont.clipPrecision;
        font.quality = activeFont.quality;
        font.pitchAndFamily = activeFont.pitchAndFamily;
        std::memcpy(font.faceName, activeFont.faceName, sizeof font.faceName - 1);
        l.pointSizes[style] = points;
        // Only style 0's widths are used: every style wraps by them.
        bool ok;
        if (style == 0) {
            platform::FontMeasure measure;
            ok = device.measureFont(font, measure);
            l.lineHeights[style] = measure.cellHeight;
            std::memcpy(l.charWidths, measure.widths, sizeof l.charWidths);
        } else {
            ok = device.measureCellHeight(font, l.lineHeights[style]);
        }
        if (!ok) {
            l.lineHeights[style] = -font.height;
            measured = false;
        }
    }
    // The viewer and the printer leave room for the logo bitmap.
    if (kind != LayoutKind::Rtf) l.lineHeights[LOGO_STYLE] *= 15;
    return measured;
}

void setGeometry(LayoutKind kind, const Box& clientArea, int reportType) {
    PageLayout& l = pageLayout;
    const int x = l.pixelsPerInchX, y = l.pixelsPerInchY;
    l.footer = Box{0, 0, 0, 0};
    switch (kind) {
    case LayoutKind::Screen:
        l.text = clientArea;
        l.text.left += 10;
        break;
    case LayoutKind::Printer:
        l.text = Box{x * 3 / 2, y, x * 15 / 2, y * 19 / 2};
        l.footer = Box{x * 3 / 2, y * 10, x * 15 / 2, y * 21 / 2};
        break;
    case LayoutKind::Rtf:
        l.text = Box{x * 3 / 2, y, x * 15 / 2, y * 17 / 2};
        l.text.bottom += settings.extraLinesPerPage * l.lineHeights[0];
        break;
    }
    // Chart Calculator (12) and Lucky Numbers (6, 7) set their values closer.
    const bool nearTab = reportType == 12 || reportType == 6 || reportType == 7;
    l.tabStop = nearTab ? x * 7 / 2 : x * 11 / 2;
}

void buildLineTable(const std::string& textPath) {
    std::FILE* file = std::fopen(textPath.c_str(), "rb");
    if (!file) platform::fatalExit("Can't open ListFile");
    lineTable.clear();
    lineTable.reserve(1024);
    lineCount = 0;
    int* sectionLines[] = {&coverStartLine, &contentsStartLine, &chartStartLine, &bodyStartLine};
    const std::uint32_t marks[] = {sectionMarks.coverStart, sectionMarks.contentsStart, sectionMarks.chartStart,
                                   sectionMarks.bodyStart};
    bool found[4] = {false, false, false, false};

    const PageLayout& l = pageLayout;
    const int textWidth = l.text.right - l.text.left;
    std::vector<char> paragraph(PARAGRAPH_LIMIT + 1);
    std::uint32_t position = 0;
    for (;;) {
        for (int m = 0; m < 4; ++m)
            if (!found[m] && marks[m] == position) {
                *sectionLines[m] = lineCount;
                found[m] = true;
            }
        // A paragraph runs to its line feed, at most 9999 bytes at a time.
        std::size_t size = 0;
        int c;
        while (size < PARAGRAPH_LIMIT && (c = std::fgetc(file)) != EOF) {
            paragraph[size++] = static_cast<char>(c);
            if (c == '\n') break;
        }
        if (size == 0) break;
        const char* at = paragraph.data();
        int style = styleOfMarker(at[0]);
        if (style >= 0) {
            ++at;
            --size;
            ++position;
        } else {
            style = position >= sectionMarks.coverStart && position < sectionMarks.contentsStart ? COVER_STYLE : 0;
        }
        while (size > 0) {
            const std::size_t length = wrapLine(at, size, l.charWidths, textWidth, l.tabStop);
            if (length == 0) break;
            if (lineCount == MAX_DISPLAY_LINES) {
                std::fclose(file);
                platform::fatalExit("Line table overflow");
            }
            lineTable.push_back(LineRecord{position, static_cast<std::uint32_t>(length),
                                           static_cast<std::uint32_t>(style), 0});
            ++lineCount;
            position += static_cast<std::uint32_t>(length);
            at += length;
            size -= length;
        }
    }
    std::fclose(file);
    for (int m = 0; m < 4; ++m)
        if (!found[m]) *sectionLines[m] = lineCount;
}

void paginate() {
    const PageLayout& l = pageLayout;
    int y = l.text.top;
    std::uint32_t page = 1;
    for (int i = 0; i < lineCount; ++i) {
        LineRecord& line = lineTable[static_cast<std::size_t>(i)];
        const int h = l.lineHeights[line.style];
        const bool afterPageEnd = i > 0 && lineTable[static_cast<std::size_t>(i) - 1].style == PAGE_END_STYLE;
        if (y + h >= l.text.bottom || afterPageEnd) {
            ++page;
            y = l.text.top;
        }
        line.page = page;
        y += h;
    }
}

}  // namespace

int baseSizeOf(const ReportFont& font) { return static_cast<int>(std::lround(font.height * -72.0 / 96.0)); }

std::size_t wrapLine(const char* text, std::size_t size, const int widths[256], int textWidth, int tabStop) {
    const int blank = widths[static_cast<unsigned char>(' ')];
    int x = 0;
    std::size_t word = 0;
    for (std::size_t i = 0;; ++i) {
        if (i == size) return i;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            // The one stop, when it lies more than three blanks beyond x; a
            // tab at the line's start always goes to it.
            if (x + 3 * blank < tabStop || i == 0) {
                x = tabStop > x ? tabStop : x;
                continue;
            }
            return i;
        }
        if (c == '\n' || c == FORM_FEED) return i + 1;
        if (x + widths[c] >= textWidth) {
            if (c == ' ') {
                while (i < size && text[i] == ' ') ++i;
                return i;
            }
            // Give the word back; a word as wide as the whole line is broken here.
            if (word < i) return i - word;
            return i > 0 ? i : 1;
        }
        x += widths[c];
        word = c == ' ' ? 0 : word + 1;
    }
}

bool layoutReport(platform::TextDevice& device, LayoutKind kind, const std::string& textPath, int reportType,
                  const Box& clientArea) {
    PageLayout& l = pageLayout;
    l.kind = kind;
    l.pixelsPerInchX = device.pixelsPerInchX();
    l.pixelsPerInchY = device.pixelsPerInchY();
    const bool measured = makeStyleFonts(device, kind);
    setGeometry(kind, clientArea, reportType);
    buildLineTable(textPath);
    paginate();
    return measured;
}

ReportFont chooseReportFont(const ReportFont& before, const ReportFont* chosen) {
    ReportFont font = chosen ? *chosen : before;
    font.italic = 0;
    font.underline = 0;
    font.weight = 400;
    return font;
}

int lineAtOffset(std::uint32_t position) {
    const auto found = std::lower_bound(lineTable.begin(), lineTable.begin() + lineCount, position,
                                        [](const LineRecord& line, std::uint32_t at) { return line.offset < at; });
    if (found == lineTable.begin() + lineCount || found->offset != position) return -1;
    return static_cast<int>(found - lineTable.begin());
}

int headingLineOfEntry(int row) {
    if (row < 0 || row >= indexEntryCount || indexTable[row].targetPosition == 0) return -1;
    return lineAtOffset(indexTable[row].targetPosition + 1);
}
