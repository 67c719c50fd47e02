// What a printed copy of the report holds, without a printer: which pages
// print, where the footer goes and what it says, and the page numbers that
// contents entries carry on paper.
#pragma once

#include "output/page_layout.h"
#include "output/viewer_state.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum { LAST_PAGE_UNCHOSEN = 9999 };

struct PageRange {
    int first;
    int last;
};

// The pages the print dialog asked for, or 1 to 9999 when the reader chose
// no range.
PageRange printedRange(bool chosen, int from, int to);

// A page carries the footer once the report has gone on past the start of
// its body (nextLine is the first line of the following page, or
// END_OF_LINES), and never on page 1.
bool pageHasFooter(int page, int nextLine);

// The footer's text: an empty first line, "Page n" on the second.
std::string footerText(int page);

// Where the footer's rule is drawn: just above the footer area.
int footerRuleY(const PageLayout& layout);

// The footer font's character height: one eighth of an inch.
int footerFontHeight(int pixelsPerInchY);

// What a contents entry adds on paper: a tab and its heading's page
// ("\t %d"); nothing for other lines or an entry whose heading is missing.
std::string printedPageSuffix(std::uint32_t lineOffset);

struct PrintedPage {
    int number;
    std::vector<PlacedLine> lines;
    bool footer;
};

// Walks the laid-out report page by page as the printer does: pages inside
// the range are handed to printPage, those before it are only measured.
// The walk stops after the range's last page or at the report's end, and
// at once when printPage returns false (the page failed), which it then
// returns too.
bool walkPrintedPages(const PageRange& range, const std::function<bool(const PrintedPage&)>& printPage);
