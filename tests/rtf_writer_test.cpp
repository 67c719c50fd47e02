#include "archive/list_expansion.h"
#include "fixed_text_device.h"
#include "output/page_layout.h"
#include "output/rtf_writer.h"
#include "person_maker.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char* const HEADER =
    "{\\rtf1\\ansi \r\n\\deff0{\\fonttbl{\\f0\\fnil Arial;}}\r\n{\\colortbl\\red0\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\fs20 \\snext0 Normal;}}\r\n\\margl1440\\margr1440\\ftnbj\\ftnrestart \\sectd \\sbknone\\endnhere \r\n\r\n";

std::string footer(int page) {
    return "\\pard {\\plain \\fs16 \r\n\\line\r\n\\line\r\nPage " + std::to_string(page) + " \\line\r\n}";
}

class RtfWriter : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        applySettingsDefaults(0, ".", TodayDate{12, 8, 2026}, PersonRecord{});
        activeFont = settings.reportFont;
        sectionMarks = SectionMarks{0, 0, 0, 0, 0};
        indexEntryCount = 0;
        chartFirstEntry = 0;
    }
    std::string write(const std::string& text, int reportType = 0) {
        writeFile(pathIn("report.txt"), text);
        writeRtfReport(device, pathIn("report.txt"), pathIn("report.rtf"), reportType);
        return readFile(pathIn("report.rtf"));
    }
    FixedTextDevice device;
};

TEST_F(RtfWriter, ParagraphsWithSizesAndEscapes) {
    const std::string rtf = write("Plain \x93quoted\x94 caf\xE9 {x} a\\b\n$Heading\n");
    EXPECT_EQ(rtf, std::string(HEADER) +
                       "\\pard {\\plain \\fs22 Plain \\ldblquote quoted\\rdblquote  caf\\'e9 \\{x\\} a\\\\b \\par\r\n}"
                       "\\pard \\qc{\\plain \\b \\fs26 Heading \\par\r\n}" +
                       footer(1) + "}\r\n");
}

TEST_F(RtfWriter, TwelvePointTextCarriesNoSize) {
    activeFont.height = -16;
    const std::string rtf = write("Body\n");
    EXPECT_NE(rtf.find("\\pard {\\plain Body \\par"), std::string::npos) << rtf;
}

TEST_F(RtfWriter, PagesFootersAndContentsEntries) {
    // Cover, contents and body, each ending its page.
    const std::string cover = "Cover\n=\n";
    const std::string contents = "Life Path\n=\n";
    const std::string body = "$Life Path\ntext\n";
    const std::string text = cover + contents + body;
    const std::uint32_t contentsAt = static_cast<std::uint32_t>(cover.size());
    const std::uint32_t bodyAt = static_cast<std::uint32_t>(cover.size() + contents.size());
    sectionMarks = SectionMarks{0, contentsAt, bodyAt, bodyAt, static_cast<std::uint32_t>(text.size())};
    indexEntryCount = 1;
    chartFirstEntry = 1;
    indexTable[0] = IndexEntry{contentsAt, bodyAt, 0, 0};
    const std::string rtf = write(text);
    const std::string expected = std::string(HEADER) +
                                 "\\pard {\\plain Cover \\par\r\n}\\pard {\\plain \\fs22  \\par\r\n}\\page\r\n"
                                 "\\pard \\tqr\\tx7920{\\plain \\fs22 Life Path\\tab 3 \\par\r\n}"
                                 "\\pard {\\plain \\fs22  \\par\r\n}\\page\r\n"
                                 "\\pard \\qc{\\plain \\b \\fs26 Life Path \\par\r\n}\\pard {\\plain \\fs22 text \\par\r\n}" +
                                 footer(3) + "}\r\n";
    EXPECT_EQ(rtf, expected);
    // Chart Calculator and Lucky Numbers set their tab at 3.5 in.
    EXPECT_NE(write(text, 12).find("\\pard \\tqr\\tx5040{\\plain \\fs22 Life Path\\tab 3"), std::string::npos);
}

TEST_F(RtfWriter, TheLogoBlockFillsTwelveLines) {
    std::snprintf(settings.coverText, sizeof settings.coverText, "One\r\nTwo\r\nTh\xE9" "e\r\n");
    const std::string rtf = write("6logo\n");
    EXPECT_NE(rtf.find("\\pard \\qc{\\plain One\\line\r\nTwo\\line\r\nTh\\'e9e\\line\r\n"
                       "\\line\\line\\line\\line\\line\\line\\line\\line\\line \\par\r\n}"),
              std::string::npos)
        << rtf;
}

TEST_F(RtfWriter, AFileThatCannotBeCreatedEndsTheProgram) {
    writeFile(pathIn("report.txt"), "x\n");
    try {
        writeRtfReport(device, pathIn("report.txt"), pathIn("no/folder/r.rtf"), 0);
        FAIL();
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Can't open .rtf file");
    }
}

TEST_F(RtfWriter, AnEntryWhoseHeadingWasNotFoundShowsNoPage) {
    // Target 0 means none, though the cover's first line (after its marker) starts at 1.
    indexEntryCount = 1;
    indexTable[0] = IndexEntry{7, 0, 0, 0};
    const std::string rtf = write("3Cover\nEntry\n");
    EXPECT_EQ(contentsEntryPage(7), 0);
    EXPECT_EQ(rtf.find("\\tab"), std::string::npos) << rtf;
}

TEST_F(RtfWriter, ReportFileNames) {
    ASSERT_TRUE(platform::makeDirectory(pathIn("Reports")));
    const std::string reports = pathIn("Reports");
    const PersonRecord mary = makePerson("Mary", "", "Smith", "Mary", "Smith", 1, 1, 1980);
    EXPECT_EQ(reportFileName(folder(), 0, mary, "rtf"), platform::joinPath(reports, "MSmit01P.rtf"));
    for (const char* name : {"MSmit01P.rtf", "MSmit02P.rtf", "MSmit03P.rtf"})
        writeFile(platform::joinPath(reports, name), "x");
    EXPECT_EQ(reportFileName(folder(), 0, mary, "rtf"), platform::joinPath(reports, "MSmit04P.rtf"));
    for (int n = 4; n <= 99; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "MSmit%02dP.rtf", n);
        writeFile(platform::joinPath(reports, name), "x");
    }
    EXPECT_EQ(reportFileName(folder(), 0, mary, "rtf"), platform::joinPath(reports, "MSmit99P.rtf"));
    const PersonRecord vanDyke = makePerson("Mary", "", "van Dyke", "Mary", "van Dyke", 1, 1, 1980);
    EXPECT_EQ(reportFileName(folder(), 0, vanDyke, "rtf"), platform::joinPath(reports, "MVanD01P.rtf"));
    EXPECT_EQ(reportFileName(folder(), 2, vanDyke, "rtf"), platform::joinPath(reports, "MVanD01R.rtf"));
    const PersonRecord books = makePerson("Tamsi Books", "", "", "", "", 0, 0, 0);
    EXPECT_EQ(reportFileName(folder(), 8, books, "rtf"), platform::joinPath(reports, "Tamsi01N.rtf"));
    EXPECT_EQ(reportFileName(folder(), 16, mary, "rtf"), platform::joinPath(reports, "Finder01F.rtf"));
    // Names never lead out of the Reports folder or into a name the system refuses.
    const PersonRecord dots = makePerson("A", "", "", ".", "./x", 1, 1, 1980);
    EXPECT_EQ(reportFileName(folder(), 13, dots, "rtf"), platform::joinPath(reports, "X01M.rtf"));
    const PersonRecord slashes = makePerson("a/b", "", "", "Mary", "O\\Ne/il", 1, 1, 1980);
    EXPECT_EQ(reportFileName(folder(), 0, slashes, "rtf"), platform::joinPath(reports, "MONeI01P.rtf"));
    EXPECT_EQ(reportFileName(folder(), 8, slashes, "rtf"), platform::joinPath(reports, "AB01N.rtf"));
    for (const std::string& name : platform::listFiles(reports, "*")) platform::removeFile(platform::joinPath(reports, name));
}

}  // namespace
