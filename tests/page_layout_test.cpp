#include "archive/list_expansion.h"
#include "fixed_text_device.h"
#include "output/page_layout.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class PageLayoutTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        applySettingsDefaults(0, ".", TodayDate{12, 8, 2026}, PersonRecord{});
        activeFont = settings.reportFont;
        sectionMarks = SectionMarks{0, 0, 0, 0, 0};
    }
    void layout(const std::string& text, LayoutKind kind = LayoutKind::Rtf, int reportType = 0) {
        writeFile(pathIn("report.txt"), text);
        layoutReport(device, kind, pathIn("report.txt"), reportType, Box{0, 0, 400, 300});
    }
    std::string lineText(int i) {
        const std::string text = readFile(pathIn("report.txt"));
        return text.substr(lineTable[i].offset, lineTable[i].length);
    }
    FixedTextDevice device;
    int widths[256];
    void fixedWidths() {
        for (int& w : widths) w = 10;
        widths[static_cast<unsigned char>(' ')] = 5;
    }
};

TEST_F(PageLayoutTest, StylesTakeTheirSizesFromTheReportFont) {
    layout("x\n");
    EXPECT_EQ(baseSizeOf(activeFont), 11);
    EXPECT_EQ(pageLayout.pointSizes[0], 11);
    EXPECT_EQ(pageLayout.pointSizes[1], 13);
    EXPECT_EQ(pageLayout.pointSizes[9], 30);
    EXPECT_EQ(pageLayout.fonts[0].height, -15);   // 11 points at 96 per inch
    EXPECT_EQ(pageLayout.fonts[1].height, -17);
    EXPECT_EQ(pageLayout.fonts[1].weight, 700);
    EXPECT_TRUE(pageLayout.fonts[2].italic);
    EXPECT_TRUE(pageLayout.fonts[3].underline);
    EXPECT_STREQ(pageLayout.fonts[5].faceName, "Arial");
    EXPECT_EQ(pageLayout.lineHeights[0], 18);
    EXPECT_EQ(pageLayout.lineHeights[LOGO_STYLE], 19);  // one line on an RTF page
    layout("x\n", LayoutKind::Screen);
    EXPECT_EQ(pageLayout.lineHeights[LOGO_STYLE], 19 * 15);  // room for the logo in the viewer
    activeFont.height = -16;  // 12 points
    activeFont.weight = 700;
    activeFont.italic = 1;
    layout("x\n");
    EXPECT_EQ(pageLayout.pointSizes[0], 12);
    EXPECT_EQ(pageLayout.fonts[0].weight, 400);
    EXPECT_FALSE(pageLayout.fonts[0].italic);
}

TEST_F(PageLayoutTest, GeometryOfTheThreeKinds) {
    layout("x\n", LayoutKind::Printer);
    EXPECT_EQ(pageLayout.text.left, 144);
    EXPECT_EQ(pageLayout.text.top, 96);
    EXPECT_EQ(pageLayout.text.right, 720);
    EXPECT_EQ(pageLayout.text.bottom, 912);
    EXPECT_EQ(pageLayout.footer.top, 960);
    EXPECT_EQ(pageLayout.footer.bottom, 1008);
    EXPECT_EQ(pageLayout.tabStop, 528);
    layout("x\n", LayoutKind::Rtf, 12);
    EXPECT_EQ(pageLayout.text.bottom, 816);
    EXPECT_EQ(pageLayout.tabStop, 336);
    settings.extraLinesPerPage = -2;
    layout("x\n", LayoutKind::Rtf, 6);
    EXPECT_EQ(pageLayout.text.bottom, 816 - 2 * 18);
    EXPECT_EQ(pageLayout.tabStop, 336);
    layout("x\n", LayoutKind::Screen);
    EXPECT_EQ(pageLayout.text.left, 10);
    EXPECT_EQ(pageLayout.text.right, 400);
}

TEST_F(PageLayoutTest, WrapRule) {
    fixedWidths();
    auto wrap = [&](const std::string& text, int width = 100, int tab = 60) {
        return wrapLine(text.data(), text.size(), widths, width, tab);
    };
    EXPECT_EQ(wrap("\n"), 1u);                     // an empty line
    EXPECT_EQ(wrap("abc\nrest"), 4u);              // the line feed ends the line
    EXPECT_EQ(wrap("abc\fdef"), 4u);               // so does a form feed
    EXPECT_EQ(wrap("abcd"), 4u);                   // the end of the paragraph
    EXPECT_EQ(wrap("abcd efgh ijkl"), 10u);        // the word that does not fit goes to the next line
    EXPECT_EQ(wrap("abcdefghi    xyz"), 13u);      // a full line takes all its blanks
    EXPECT_EQ(wrap("ab\tcd"), 5u);                 // a tab with room goes to the stop
    EXPECT_EQ(wrap("abcde\tf"), 5u);               // without three blanks' room it starts the next line
    EXPECT_EQ(wrap("\tf"), 2u);                    // where it goes to the stop
    EXPECT_EQ(wrap("abcdefghijklmnop"), 9u);       // a word wider than the line is broken at the width
    EXPECT_EQ(wrap("abc", 5), 1u);                 // even a single character wider than the line moves on
    EXPECT_EQ(wrap(""), 0u);
}

TEST_F(PageLayoutTest, ParagraphsMarkersAndTheCoverSection) {
    const std::string text = "Cover line\n$Heading\n\nBody line that is long enough to wrap around\n";
    sectionMarks = SectionMarks{0, 20, 20, 20, static_cast<std::uint32_t>(text.size())};
    layout(text);
    // Rtf page: 576 wide; the long line fits.
    ASSERT_EQ(lineCount, 4);
    EXPECT_EQ(lineTable[0].style, 6u);      // unmarked cover text
    EXPECT_EQ(lineTable[1].style, 1u);      // a marked line keeps its style, even in the cover
    EXPECT_EQ(lineTable[1].offset, 12u);    // after the marker
    EXPECT_EQ(lineText(1), "Heading\n");
    EXPECT_EQ(lineTable[2].style, 0u);
    EXPECT_EQ(lineText(2), "\n");
    EXPECT_EQ(coverStartLine, 0);
    EXPECT_EQ(bodyStartLine, 2);
}

TEST_F(PageLayoutTest, TheExpansionKnowsEveryMarkerAndItsGuardIsPlainText) {
    std::string markers;
    for (const StyleInfo& style : STYLE_TABLE)
        if (style.marker) markers += style.marker;
    EXPECT_EQ(markers, STYLE_MARKERS);
    // Guarded typed text keeps the body's font and shows without the guard.
    layout(std::string(1, PLAIN_TEXT_MARKER) + "4 Seasons\nbody\n");
    ASSERT_EQ(lineCount, 2);
    EXPECT_EQ(lineText(0), "4 Seasons\n");
    EXPECT_EQ(pageLayout.fonts[lineTable[0].style].height, pageLayout.fonts[lineTable[1].style].height);
    EXPECT_EQ(pageLayout.fonts[lineTable[0].style].weight, pageLayout.fonts[lineTable[1].style].weight);
    EXPECT_FALSE(STYLE_TABLE[lineTable[0].style].centred);
}

TEST_F(PageLayoutTest, LongParagraphsWrapIntoLines) {
    std::string word = "abcd ";
    std::string text;
    for (int i = 0; i < 30; ++i) text += word;  // 30 words of 45 units: 12 fit on a 576 line
    text += "\n";
    layout(text);
    ASSERT_EQ(lineCount, 3);
    EXPECT_EQ(lineTable[0].length, 60u);
    EXPECT_EQ(lineTable[0].offset + lineTable[0].length, lineTable[1].offset);
    EXPECT_EQ(lineText(2), std::string("abcd abcd abcd abcd abcd abcd \n"));
}

TEST_F(PageLayoutTest, Pagination) {
    // Rtf text area 96 to 816: 720 units; lines of 18 fill exactly 40 before y + 18 reaches the bottom.
    std::string text;
    for (int i = 0; i < 41; ++i) text += "x\n";
    layout(text);
    ASSERT_EQ(lineCount, 41);
    EXPECT_EQ(lineTable[38].page, 1u);
    EXPECT_EQ(lineTable[39].page, 2u);  // 96 + 39 * 18 = 798, and 798 + 18 reaches 816
    layout("a\n=\nb\n");
    EXPECT_EQ(lineTable[1].page, 1u);
    EXPECT_EQ(lineTable[2].page, 2u);   // after a page-end line, even with room
    settings.extraLinesPerPage = 2;
    std::string more;
    for (int i = 0; i < 45; ++i) more += "x\n";
    layout(more);
    EXPECT_EQ(lineTable[40].page, 1u);
    EXPECT_EQ(lineTable[41].page, 2u);  // two more body lines on the page
}

TEST_F(PageLayoutTest, TooManyLinesEndTheProgram) {
    std::string text;
    for (int i = 0; i < MAX_DISPLAY_LINES + 1; ++i) text += "x\n";
    try {
        layout(text);
        FAIL();
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Line table overflow");
    }
    try {
        layoutReport(device, LayoutKind::Rtf, pathIn("missing"), 0);
        FAIL();
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Can't open ListFile");
    }
}

TEST(ReportFontChoice, OnlyFaceSizeAndCharacterSetChange) {
    ReportFont before{};
    before.height = -15;
    before.weight = 400;
    std::strcpy(before.faceName, "Arial");
    ReportFont chosen = before;
    chosen.height = -21;
    chosen.weight = 700;
    chosen.italic = 1;
    chosen.underline = 1;
    chosen.charSet = 238;
    std::strcpy(chosen.faceName, "Times New Roman");
    const ReportFont result = chooseReportFont(before, &chosen);
    EXPECT_EQ(result.height, -21);
    EXPECT_EQ(result.charSet, 238);
    EXPECT_STREQ(result.faceName, "Times New Roman");
    EXPECT_EQ(result.weight, 400);
    EXPECT_EQ(result.italic, 0);
    EXPECT_EQ(result.underline, 0);
    before.italic = 1;
    const ReportFont cancelled = chooseReportFont(before, nullptr);
    EXPECT_EQ(cancelled.height, -15);
    EXPECT_EQ(cancelled.italic, 0);
}

TEST(ScreenTextDevice, MeasuresArialAsTheSystemDoes) {
    // Widths and cell heights of Arial as the graphics device gives them at
    // 96 pixels per inch (Liberation Sans has the same metrics).
    std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
    ASSERT_EQ(screen->pixelsPerInchY(), 96);
    platform::FontRequest font;
    std::strcpy(font.faceName, "Arial");
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 0x22;
    platform::FontMeasure measure;
    font.height = -15;
    ASSERT_TRUE(screen->measureFont(font, measure));
    EXPECT_EQ(measure.cellHeight, 17);
    const int expected[] = {4, 4, 5, 8, 8, 13, 10, 3, 5, 5, 6, 9, 4, 5, 4, 4, 8};  // from the blank on
    for (int i = 0; i < 17; ++i) EXPECT_EQ(measure.widths[32 + i], expected[i]) << 32 + i;
    EXPECT_EQ(measure.widths[static_cast<unsigned char>('W')], 14);
    EXPECT_EQ(measure.widths[0x80], 8);   // the euro sign
    EXPECT_EQ(measure.widths[0x85], 15);  // the ellipsis
    EXPECT_EQ(screen->textExtent(font, "Hello, World", 12), 79);
    font.height = -40;
    font.weight = 700;
    ASSERT_TRUE(screen->measureFont(font, measure));
    EXPECT_EQ(measure.cellHeight, 44);
    EXPECT_EQ(measure.widths[static_cast<unsigned char>('!')], 13);
    EXPECT_EQ(screen->textExtent(font, "Hello, World", 12), 232);
}

}  // namespace
