#include "archive/list_expansion.h"
#include "compose/report_types.h"
#include "output/bitmap_file.h"
#include "output/data_in_use.h"
#include "output/page_layout.h"
#include "output/viewer_state.h"
#include "person_maker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A laid-out report of 100 lines of 10 bytes, 20 units high, on a text
// area 200 units high; contents entries on lines 3 and 4.
class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        lineTable.assign(MAX_DISPLAY_LINES, LineRecord{});
        lineCount = 100;
        for (int i = 0; i < lineCount; ++i) lineTable[static_cast<std::size_t>(i)] = LineRecord{10u * i, 10, 0, 1};
        for (int& height : pageLayout.lineHeights) height = 20;
        pageLayout.text = Box{10, 0, 500, 200};
        coverStartLine = 0;
        contentsStartLine = 2;
        chartStartLine = 6;
        bodyStartLine = 10;
        indexEntryCount = 3;
        indexTable[0] = IndexEntry{30, 499, 0, 0};  // its heading starts at line 50
        indexTable[1] = IndexEntry{40, 0, 0, 0};    // no heading
        indexTable[2] = IndexEntry{50, 89, 0, 0};   // heading on line 9, before the text
        state = ViewerState{};
    }
    void drawBands() {
        indexTable[0].drawnTop = 60, indexTable[0].drawnBottom = 80;
        indexTable[1].drawnTop = 80, indexTable[1].drawnBottom = 100;
    }
    ViewerState state;
};

TEST_F(ViewerTest, KeysAndTheScrollBarStayInsideTheReport) {
    EXPECT_FALSE(moveTopLine(state, ViewerMove::LineUp));  // no repaint at line 0
    EXPECT_EQ(state.topLine, 0);
    EXPECT_TRUE(moveTopLine(state, ViewerMove::PageDown));
    EXPECT_EQ(state.topLine, VIEWER_PAGE_STEP);
    EXPECT_TRUE(moveTopLine(state, ViewerMove::Last));
    EXPECT_EQ(state.topLine, 99);
    EXPECT_FALSE(moveTopLine(state, ViewerMove::PageDown));  // stops at the last line
    EXPECT_EQ(state.topLine, 99);
    EXPECT_TRUE(moveTopLine(state, ViewerMove::PageUp));
    EXPECT_EQ(state.topLine, 79);
    EXPECT_TRUE(setTopLine(state, 500));
    EXPECT_EQ(state.topLine, 99);
    EXPECT_TRUE(moveTopLine(state, ViewerMove::First));
    EXPECT_EQ(state.topLine, 0);
}

TEST_F(ViewerTest, JumpsAndBack) {
    jumpTo(state, coverStartLine);  // from line 0 to line 0
    jumpTo(state, contentsStartLine);
    EXPECT_EQ(state.topLine, 2);
    EXPECT_TRUE(goBack(state));
    EXPECT_EQ(state.topLine, 0);   // back to line 0, which was on top before
    EXPECT_TRUE(goBack(state));    // a second Back shows the same place
    EXPECT_EQ(state.topLine, 0);
    forgetJumps(state);            // a new layout: nothing to go back to
    EXPECT_FALSE(goBack(state));
    EXPECT_EQ(openingTopLine(TYPE_NAME), contentsStartLine);
    EXPECT_EQ(openingTopLine(TYPE_PROFILES), bodyStartLine);
    EXPECT_EQ(openingTopLine(TYPE_LUCKY), bodyStartLine);
}

TEST_F(ViewerTest, PressesSelectEntriesThatLeadSomewhere) {
    drawBands();
    pressAt(state, 65);
    EXPECT_EQ(state.selectedEntry, 0);
    pressAt(state, 85);  // an entry without a heading keeps the selection
    EXPECT_EQ(state.selectedEntry, 0);
    pressAt(state, 80);  // the band's bottom belongs to the next entry
    EXPECT_EQ(state.selectedEntry, 0);
    pressAt(state, 150);  // outside every entry
    EXPECT_EQ(state.selectedEntry, NO_ENTRY);
    EXPECT_EQ(entryDrawnAt(60), 0);
    EXPECT_EQ(entryDrawnAt(59), NO_ENTRY);
}

TEST_F(ViewerTest, FollowingAnEntryShowsItsHeadingAndBackReturns) {
    drawBands();
    state.topLine = 2;
    EXPECT_FALSE(followSelectedEntry(state));  // nothing selected
    pressAt(state, 70);
    ASSERT_TRUE(followSelectedEntry(state));
    EXPECT_EQ(state.topLine, 50);  // the line at the target position + 1
    ASSERT_TRUE(goBack(state));
    EXPECT_EQ(state.topLine, 2);
    state.selectedEntry = 2;  // a heading before the text isn't followed
    EXPECT_FALSE(followSelectedEntry(state));
    EXPECT_EQ(entryAtOffset(40), 1);
    EXPECT_EQ(entryAtOffset(41), NO_ENTRY);
}

TEST_F(ViewerTest, WhichLinesAScreenAndAPageHold) {
    std::vector<PlacedLine> placed;
    // The screen shows a partly visible last line: tops at 0 to 180.
    EXPECT_EQ(placeLines(0, DrawMode::Screen, placed), 10);
    ASSERT_EQ(placed.size(), 10u);
    EXPECT_EQ(placed.back().y, 180);
    // A page takes only whole lines: 180 + 20 reaches the bottom.
    EXPECT_EQ(placeLines(0, DrawMode::Print, placed), 9);
    EXPECT_EQ(placed.size(), 9u);
    // Contents entries show in style 3 on the screen only.
    placeLines(3, DrawMode::Screen, placed);
    EXPECT_EQ(placed[0].style, 3);
    placeLines(3, DrawMode::Print, placed);
    EXPECT_EQ(placed[0].style, 0);
    // A style 5 line ends its page.
    lineTable[12].style = PAGE_END_STYLE;
    EXPECT_EQ(placeLines(10, DrawMode::Skip, placed), 13);
    EXPECT_EQ(placed.size(), 3u);
    // The end of the report.
    EXPECT_EQ(placeLines(95, DrawMode::Print, placed), END_OF_LINES);
    EXPECT_EQ(placed.size(), 5u);
    // A line taller than the page is still placed, so printing moves on.
    pageLayout.lineHeights[0] = 500;
    EXPECT_EQ(placeLines(20, DrawMode::Print, placed), 21);
    EXPECT_EQ(placed.size(), 1u);
    lineCount = 0;
    EXPECT_EQ(placeLines(0, DrawMode::Screen, placed), END_OF_LINES);
    EXPECT_TRUE(placed.empty());
}

TEST(DataInUse, TheVerifyTextOfEachKindOfReport) {
    person1 = makePerson("Maria", "Elena", "Torres", "Maria", "Lopez", 5, 15, 1949);
    person2 = makePerson("Juan", "", "Lopez", "Juan", "Lopez", 2, 29, 1948);
    EXPECT_EQ(dataInUseText(TYPE_SHORT_PROFILES),
              "The data currently in use:\n\n     Birth name: Maria Elena Torres\n     Current name: Maria Lopez\n"
              "     Birth date: 5/15/1949");
    EXPECT_EQ(dataInUseText(TYPE_COMPATIBILITY),
              "The data currently in use:\n\nFirst person ...\n     Birth name: Maria Elena Torres\n"
              "     Current name: Maria Lopez\n     Birth date: 5/15/1949\n\nSecond person ...\n"
              "     Birth name: Juan  Lopez\n     Current name: Juan Lopez\n     Birth date: 2/29/1948");
    std::memset(phraseList, 0, sizeof phraseList);
    copyName(phraseList[0], "Sunrise Bakery");
    copyName(phraseList[7], "Eight");
    EXPECT_EQ(dataInUseText(TYPE_NAME),
              "The data currently in use:\n\n     Names or phrases:\n         (1) Sunrise Bakery\n         (2) \n"
              "         (3) \n         (4) \n         (5) \n         (6) \n         (7) \n         (8) Eight\n");
}

// A bitmap file of width x height at the given depth, rows bottom-up.
std::vector<std::uint8_t> bitmapFile(int width, int height, int depth, int colours = 0) {
    const int rowBytes = ((width * depth + 31) / 32) * 4;
    const int table = depth <= 8 ? 4 * (colours ? colours : 1 << depth) : 0;
    const int bitsAt = 14 + 40 + table;
    const int rows = height < 0 ? -height : height;
    std::vector<std::uint8_t> file(static_cast<std::size_t>(bitsAt + rowBytes * rows), 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, static_cast<std::uint32_t>(bitsAt));
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = static_cast<std::uint8_t>(depth);
    put32(46, static_cast<std::uint32_t>(colours));
    return file;
}

TEST(BitmapFile, WholeFilesAreReadAndDamagedOnesRefused) {
    BitmapView view;
    std::vector<std::uint8_t> file = bitmapFile(3, 2, 24);
    ASSERT_TRUE(readBitmapFile(file.data(), file.size(), view));
    EXPECT_EQ(view.width, 3);
    EXPECT_EQ(view.height, 2);
    EXPECT_EQ(view.bits - file.data(), 54);
    file = bitmapFile(5, -4, 8, 16);  // top-down rows, a short colour table
    ASSERT_TRUE(readBitmapFile(file.data(), file.size(), view));
    EXPECT_EQ(view.bits - file.data(), 54 + 64);

    file = bitmapFile(3, 2, 24);
    file.pop_back();  // a row cut short
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    file = bitmapFile(3, 2, 24);
    file[0] = 'X';
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    file = bitmapFile(3, 2, 24);
    file[18] = 0, file[19] = 0, file[20] = 0, file[21] = 0x40;  // a width far past the bytes
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    file = bitmapFile(3, 2, 24);
    file[28] = 7;  // no such depth
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    file = bitmapFile(3, 2, 24);
    file[30] = 1;  // run-length compressed
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    file = bitmapFile(3, 2, 24);
    file[10] = 0xFF, file[11] = 0xFF;  // pixels past the end
    EXPECT_FALSE(readBitmapFile(file.data(), file.size(), view));
    EXPECT_FALSE(readBitmapFile(file.data(), 20, view));
}

}  // namespace
