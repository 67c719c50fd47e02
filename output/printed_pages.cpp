#include "output/printed_pages.h"

#include "output/rtf_writer.h"

#include <cstdio>

PageRange printedRange(bool chosen, int from, int to) {
    if (!chosen) return PageRange{1, LAST_PAGE_UNCHOSEN};
    return PageRange{from, to};
}

bool pageHasFooter(int page, int nextLine) {
    if (page == 1) return false;
    return nextLine == END_OF_LINES || nextLine > bodyStartLine;
}

std::string footerText(int page) {
    char text[40];
    std::snprintf(text, sizeof text, "%s\nPage %d", "", page);
    return text;
}

int footerRuleY(const PageLayout& layout) { return layout.footer.top - 4; }

int footerFontHeight(int pixelsPerInchY) { return -(pixelsPerInchY / 8); }

std::string printedPageSuffix(std::uint32_t lineOffset) {
    const int page = contentsEntryPage(lineOffset);
    if (page <= 0) return "";
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, "\t %d", page);
    return suffix;
}

bool walkPrintedPages(const PageRange& range, const std::function<bool(const PrintedPage&)>& printPage) {
    PrintedPage page{0, {}, false};
    int line = lineCount > 0 ? 0 : END_OF_LINES;
    while (line != END_OF_LINES && page.number < range.last) {
        ++page.number;
        if (page.number >= range.first) {
            line = placeLines(line, DrawMode::Print, page.lines);
            page.footer = pageHasFooter(page.number, line);
            if (!printPage(page)) return false;
        } else {
            line = placeLines(line, DrawMode::Skip, page.lines);
        }
    }
    return true;
}
