#include "archive/list_expansion.h"
#include "fixed_text_device.h"
#include "output/page_layout.h"
#include "output/printed_pages.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A report on a printer page at 96 pixels per inch (text area from 96 to
// 912, body lines 18 high, headings 20): a cover page and a contents page,
// each ended by a "=" line, then the body with two headings, five pages in
// all. The contents list both headings and one entry whose heading is gone.
class PrintedPagesTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        applySettingsDefaults(0, ".", TodayDate{12, 8, 2026}, PersonRecord{});
        activeFont = settings.reportFont;
        std::string text;
        auto add = [&](const std::string& line) {
            const auto at = static_cast<std::uint32_t>(text.size());
            text += line + "\n";
            return at;
        };
        sectionMarks.coverStart = add("3The Title");
        add("1For Maria");
        add("=");
        sectionMarks.contentsStart = add("$Contents");
        const std::uint32_t introduction = add("Introduction"), gone = add("Gone"), numbers = add("Numbers");
        add("=");
        sectionMarks.chartStart = sectionMarks.bodyStart = static_cast<std::uint32_t>(text.size());
        const std::uint32_t introductionHeading = add("$Introduction");
        for (int i = 0; i < 60; ++i) add("body line " + std::to_string(i));
        const std::uint32_t numbersHeading = add("$Numbers");
        for (int i = 0; i < 30; ++i) add("more body " + std::to_string(i));
        sectionMarks.listEnd = static_cast<std::uint32_t>(text.size());
        indexEntryCount = 3;
        indexTable[0] = IndexEntry{introduction, introductionHeading, 0, 0};
        indexTable[1] = IndexEntry{gone, 99999, 0, 0};
        indexTable[2] = IndexEntry{numbers, numbersHeading, 0, 0};
        writeFile(pathIn("report.txt"), text);
        layoutReport(device, LayoutKind::Printer, pathIn("report.txt"), 0);
    }
    // The pages a walk hands over: their numbers, and the footer flags.
    std::vector<PrintedPage> walk(PageRange range) {
        std::vector<PrintedPage> pages;
        EXPECT_TRUE(walkPrintedPages(range, [&](const PrintedPage& page) {
            pages.push_back(page);
            return true;
        }));
        return pages;
    }
    static std::vector<int> numbers(const std::vector<PrintedPage>& pages) {
        std::vector<int> out;
        for (const PrintedPage& page : pages) out.push_back(page.number);
        return out;
    }
    FixedTextDevice device;
};

TEST_F(PrintedPagesTest, AWholeCopyHasThePagesOfThePrinterLayout) {
    const std::vector<PrintedPage> pages = walk(printedRange(false, 3, 4));
    ASSERT_EQ(numbers(pages), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(static_cast<int>(lineTable[static_cast<std::size_t>(lineCount) - 1].page), 5);
    // Every line is printed once, on the page the layout numbered it with.
    int next = 0;
    for (const PrintedPage& page : pages)
        for (const PlacedLine& placed : page.lines) {
            EXPECT_EQ(placed.line, next++);
            EXPECT_EQ(static_cast<int>(lineTable[static_cast<std::size_t>(placed.line)].page), page.number);
        }
    EXPECT_EQ(next, lineCount);
    // The cover and the contents end their pages; the first heading takes
    // 20 units, and 44 body lines of 18 fill the rest of page 3.
    EXPECT_EQ(pages[0].lines.size(), 3u);
    EXPECT_EQ(pages[1].lines.size(), 5u);
    EXPECT_EQ(pages[2].lines.size(), 45u);
    EXPECT_EQ(pages[2].lines.front().line, bodyStartLine);
    EXPECT_EQ(pages[2].lines.back().y, 96 + 20 + 43 * 18);
}

TEST_F(PrintedPagesTest, ARangePrintsThosePagesAsTheWholeCopyHasThem) {
    const std::vector<PrintedPage> whole = walk(printedRange(false, 0, 0));
    const std::vector<PrintedPage> part = walk(printedRange(true, 3, 4));
    ASSERT_EQ(numbers(part), (std::vector<int>{3, 4}));
    for (std::size_t i = 0; i < part.size(); ++i) {
        ASSERT_EQ(part[i].lines.size(), whole[i + 2].lines.size());
        for (std::size_t j = 0; j < part[i].lines.size(); ++j) {
            EXPECT_EQ(part[i].lines[j].line, whole[i + 2].lines[j].line);
            EXPECT_EQ(part[i].lines[j].y, whole[i + 2].lines[j].y);
        }
        EXPECT_EQ(part[i].footer, whole[i + 2].footer);
    }
    // A range past the report's end prints what there is, and no empty pages.
    EXPECT_EQ(numbers(walk(printedRange(true, 4, 65535))), (std::vector<int>{4, 5}));
    EXPECT_EQ(numbers(walk(printedRange(true, 5, 5))), (std::vector<int>{5}));
    EXPECT_TRUE(walk(printedRange(true, 6, 9)).empty());
}

TEST_F(PrintedPagesTest, FootersStandOnThePagesThatReachTheBody) {
    const std::vector<PrintedPage> pages = walk(printedRange(false, 0, 0));
    // The cover and the contents page (which ends just before the body) have
    // none; the body pages, the last one too, have one.
    std::vector<bool> footers;
    for (const PrintedPage& page : pages) footers.push_back(page.footer);
    EXPECT_EQ(footers, (std::vector<bool>{false, false, true, true, true}));
    EXPECT_FALSE(pageHasFooter(2, bodyStartLine));
    EXPECT_TRUE(pageHasFooter(2, bodyStartLine + 1));
    // Page 1 never has one, even when the whole report fits on it.
    EXPECT_FALSE(pageHasFooter(1, END_OF_LINES));
    EXPECT_FALSE(pageHasFooter(1, bodyStartLine + 5));
    EXPECT_TRUE(pageHasFooter(7, END_OF_LINES));

    EXPECT_EQ(footerText(3), "\nPage 3");
    EXPECT_EQ(footerText(120), "\nPage 120");
    EXPECT_EQ(footerRuleY(pageLayout), 96 * 10 - 4);
    EXPECT_EQ(footerFontHeight(300), -37);
    EXPECT_EQ(footerFontHeight(600), -75);
    EXPECT_EQ(footerFontHeight(96), -12);
}

TEST_F(PrintedPagesTest, ContentsEntriesCarryTheirHeadingsPages) {
    EXPECT_EQ(printedPageSuffix(indexTable[0].entryPosition), "\t 3");
    EXPECT_EQ(printedPageSuffix(indexTable[2].entryPosition), "\t 4");
    EXPECT_EQ(printedPageSuffix(indexTable[1].entryPosition), "");  // its heading is gone
    EXPECT_EQ(printedPageSuffix(lineTable[static_cast<std::size_t>(bodyStartLine) + 3].offset), "");  // no entry
}

TEST_F(PrintedPagesTest, AFailedPageEndsTheWalk) {
    std::vector<int> asked;
    EXPECT_FALSE(walkPrintedPages(printedRange(false, 0, 0), [&](const PrintedPage& page) {
        asked.push_back(page.number);
        return page.number != 3;
    }));
    EXPECT_EQ(asked, (std::vector<int>{1, 2, 3}));
    // An empty report prints no page at all.
    lineCount = 0;
    EXPECT_TRUE(walk(printedRange(false, 0, 0)).empty());
}

}  // namespace
