#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "archive_maker.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class Expansion : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        std::memset(substitutionValues, 0, sizeof substitutionValues);
        ASSERT_EQ(openStoredArchive(storedArchive(archiveText({
                      {"PAIR", "#1 then #2, #3 and #4.\r\n"},
                      {"HEAD", "$A heading inside a text\r\n"},
                      {"ODD", "#0 #5 #9 ## #\r\n"},
                  }))),
                  1);
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
    // Expands list with the body starting at bodyStart; the report text.
    std::string expand(const std::string& list, std::uint32_t bodyStart = 0) {
        writeFile(pathIn(LIST_FILE_NAME), list);
        sectionMarks = SectionMarks{0, 0, 0, bodyStart, static_cast<std::uint32_t>(list.size())};
        expandListFile(pathIn(LIST_FILE_NAME), pathIn(REPORT_TEXT_FILE_NAME));
        return readFile(pathIn(REPORT_TEXT_FILE_NAME));
    }
};

TEST_F(Expansion, SubjectsValuesAndTheSwap) {
    EXPECT_EQ(expand("{#1=Ann}\n{#2=Bo}\n{#3=X}\n{#4=Y} ignored\n{PAIR}\n{SWAPNAMES}\n{PAIR}\n{PAIR}\n"),
              "Ann then Bo, X and Y.\n\nBo then Ann, X and Y.\n\nAnn then Bo, X and Y.\n\n");
}

TEST_F(Expansion, AValueSetAfterASubjectCountsFromThereOn) {
    EXPECT_EQ(expand("{#1=Ann}\n{PAIR}\n{#1=Eve}\nHello #1 and #2\n{PAIR}\n"),
              "Ann then ,  and .\n\nHello Eve and \nEve then ,  and .\n\n");
}

TEST_F(Expansion, ValuesLastFromReportToReport) {
    expand("{#1=Ann}\n");
    EXPECT_EQ(expand("Still #1\n"), "Still Ann\n");
}

TEST_F(Expansion, OtherMarksAreLeftAlone) {
    EXPECT_EQ(expand("{#1=Ann}\n{ODD}\n"), "#0 #5 #9 ## #\n\n");
}

TEST_F(Expansion, MissingSubjectWritesNothingAndTheRestGoesOn) {
    EXPECT_EQ(expand("{NOSUCH}\nafter\n{NOCLOSE\n"), "after\n");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].text, "SUBJECT 'NOSUCH' NOT IN TEXT ARCHIVE");
    EXPECT_EQ(boxes()[1].text, "SUBJECT 'NOCLOSE' NOT IN TEXT ARCHIVE");
}

TEST_F(Expansion, ContentsAndChartAreGatheredFromTheBody) {
    const std::string cover = "Cover\n=\n";
    const std::string contents = "Contents\n{INDEX}\n=\n";
    const std::string chart = "Chart\n{CHART}\n=\n";
    const std::string body = "{#1=Ann}\n$Life Path of #1\n&Number 7\n{HEAD}\n$Expression\n&Number 3\n";
    const std::string list = cover + contents + chart + body;
    sectionMarks = SectionMarks{};
    writeFile(pathIn(LIST_FILE_NAME), list);
    sectionMarks.coverStart = 0;
    sectionMarks.contentsStart = static_cast<std::uint32_t>(cover.size());
    sectionMarks.chartStart = static_cast<std::uint32_t>(cover.size() + contents.size());
    sectionMarks.bodyStart = static_cast<std::uint32_t>(cover.size() + contents.size() + chart.size());
    expandListFile(pathIn(LIST_FILE_NAME), pathIn(REPORT_TEXT_FILE_NAME));
    const std::string text = readFile(pathIn(REPORT_TEXT_FILE_NAME));

    const std::string expectedContents = "Contents\nLife Path of #1\nExpression\n\n=\n";
    const std::string expectedChart = "Chart\nNumber 7\nNumber 3\n\n=\n";
    const std::string expectedBody =
        "$Life Path of Ann\n&Number 7\n$A heading inside a text\n\n$Expression\n&Number 3\n";
    EXPECT_EQ(text, cover + expectedContents + expectedChart + expectedBody);

    EXPECT_EQ(sectionMarks.coverStart, 0u);
    EXPECT_EQ(sectionMarks.contentsStart, cover.size());
    EXPECT_EQ(sectionMarks.chartStart, cover.size() + expectedContents.size());
    EXPECT_EQ(sectionMarks.bodyStart, cover.size() + expectedContents.size() + expectedChart.size());
    EXPECT_EQ(sectionMarks.listEnd, text.size());

    ASSERT_EQ(indexEntryCount, 4);
    EXPECT_EQ(chartFirstEntry, 2);
    EXPECT_EQ(indexTable[0].entryPosition, text.find("Life Path of #1"));
    EXPECT_EQ(indexTable[1].entryPosition, text.find("Expression\n\n="));
    EXPECT_EQ(indexTable[2].entryPosition, text.find("Number 7\nNumber 3"));
    // Headings pair by order, the one from a subject text included.
    EXPECT_EQ(indexTable[0].targetPosition, text.find("$Life Path of Ann"));
    EXPECT_EQ(indexTable[1].targetPosition, text.find("$A heading"));
    EXPECT_EQ(indexTable[2].targetPosition, text.find("&Number 7"));
    EXPECT_EQ(indexTable[3].targetPosition, text.find("&Number 3"));
}

TEST_F(Expansion, AChartWithoutContentsNumbersItsRowsFromZero) {
    const std::string list = "{CHART}\n&One\n&Two\n";
    const std::string text = expand(list, 8);
    EXPECT_EQ(text, "One\nTwo\n\n&One\n&Two\n");
    ASSERT_EQ(indexEntryCount, 2);
    EXPECT_EQ(chartFirstEntry, 0);
    EXPECT_EQ(indexTable[0].targetPosition, text.find("&One"));
    EXPECT_EQ(indexTable[1].targetPosition, text.find("&Two"));
}

TEST_F(Expansion, ContentsWithoutHeadingsIsOneEmptyLine) {
    EXPECT_EQ(expand("{INDEX}\nbody\n", 8), "\nbody\n");
    EXPECT_EQ(indexEntryCount, 0);
}

TEST_F(Expansion, TheContentsTableHoldsAtMost800Rows) {
    std::string body;
    for (int i = 0; i < 900; ++i) body += "$H" + std::to_string(i) + "\n";
    const std::string text = expand("{INDEX}\n" + body, 8);
    EXPECT_EQ(indexEntryCount, MAX_INDEX_ENTRIES);
    EXPECT_NE(text.find("H899\n"), std::string::npos);  // the text is complete
    EXPECT_EQ(indexTable[799].targetPosition, text.find("$H799"));
}

TEST_F(Expansion, ListBytesAreCopiedAsTheyAre) {
    // Line ends stay as written, and a last line without a line feed gets none.
    EXPECT_EQ(expand("{#1=Ann}\r\nHello #1\r\n{PAIR}\r\nBye"), "Hello Ann\r\nAnn then ,  and .\n\nBye");
    EXPECT_EQ(expand("a\n\nb\r\n\r\n"), "a\n\nb\r\n\r\n");
}

TEST_F(Expansion, CrLfListsKeepTheirSectionMarksAndHeadings) {
    const std::string contents = "Contents\r\n{INDEX}\r\n=\r\n";
    const std::string body = "$Life Path\r\ntext\r\n";
    const std::string list = contents + body;
    writeFile(pathIn(LIST_FILE_NAME), list);
    sectionMarks = SectionMarks{0, 0, 0, static_cast<std::uint32_t>(contents.size()),
                                static_cast<std::uint32_t>(list.size())};
    expandListFile(pathIn(LIST_FILE_NAME), pathIn(REPORT_TEXT_FILE_NAME));
    const std::string text = readFile(pathIn(REPORT_TEXT_FILE_NAME));
    EXPECT_EQ(text, "Contents\r\nLife Path\r\n\n=\r\n" + body);
    EXPECT_EQ(sectionMarks.bodyStart, text.find("$Life Path"));
    ASSERT_EQ(indexEntryCount, 1);
    EXPECT_EQ(indexTable[0].entryPosition, text.find("Life Path"));
    EXPECT_EQ(indexTable[0].targetPosition, text.find("$Life Path"));
}

TEST_F(Expansion, LongLinesAreCopiedWhole) {
    const std::string longLine(TEXT_BUFFER_SIZE + 500, 'x');
    EXPECT_EQ(expand(longLine + "\nend\n"), longLine + "\nend\n");
}

TEST_F(Expansion, TypedTextIsNeverTakenForAStyleMarker) {
    // A name that begins like a style marker ("4" is a cover style, "$" a
    // heading) stays text where it starts a contents line or a line of a
    // subject's text: a "_" (plain text, same font) goes before it.
    const std::string list = "{INDEX}\n{#1=4 Seasons}\n{#2=$ave}\n$4 Seasons\n$=x\n{PAIR}\n{SWAPNAMES}\n{PAIR}\n";
    const std::string text = expand(list, 8);
    EXPECT_EQ(text, "_4 Seasons\n_=x\n\n$4 Seasons\n$=x\n_4 Seasons then $ave,  and .\n\n"
                    "_$ave then 4 Seasons,  and .\n\n");
    ASSERT_EQ(indexEntryCount, 2);
    // An entry's position is that of its shown text, just after the guard.
    EXPECT_EQ(indexTable[0].entryPosition, 1u);
    EXPECT_EQ(indexTable[1].entryPosition, 12u);
    EXPECT_EQ(indexTable[0].targetPosition, text.find("$4 Seasons"));
    EXPECT_EQ(indexTable[1].targetPosition, text.find("$=x"));
    // Text lines of the list are the composer's own: their markers count.
    std::memset(substitutionValues, 0, sizeof substitutionValues);
    EXPECT_EQ(expand("{#1=4 Seasons}\n$#1\n#1 and #2\n", 0), "$4 Seasons\n_4 Seasons and \n");
}

TEST(Substitution, ValuesGrowAndShrinkTheTextWithinItsBuffer) {
    char text[32] = "a#1b#1#2";
    substituteValue(text, sizeof text, '1', "xyz");
    EXPECT_STREQ(text, "axyzbxyz#2");
    substituteValue(text, sizeof text, '2', "");
    EXPECT_STREQ(text, "axyzbxyz");
    char recursive[32] = "#1#1";
    substituteValue(recursive, sizeof recursive, '1', "#1");
    EXPECT_STREQ(recursive, "#1#1");  // an inserted value is never scanned again
    char tight[12] = "#1#1#1";
    substituteValue(tight, sizeof tight, '1', "abcd");
    EXPECT_STREQ(tight, "abcdabcd#1");  // what would not fit stays as written
}

TEST_F(Expansion, FilesThatCannotBeOpenedEndTheProgram) {
    sectionMarks = SectionMarks{};
    try {
        expandListFile(pathIn("missing"), pathIn(REPORT_TEXT_FILE_NAME));
        FAIL();
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Can't open ListFile");
    }
    writeFile(pathIn(LIST_FILE_NAME), "x\n");
    try {
        expandListFile(pathIn(LIST_FILE_NAME), pathIn("no/folder/out"));
        FAIL();
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Can't open OutFile");
    }
}

}  // namespace
