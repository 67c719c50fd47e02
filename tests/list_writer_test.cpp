#include "archive/text_archive.h"
#include "archive_maker.h"
#include "compose/list_writer.h"
#include "person_maker.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class ListWriter : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        resetEngineSettings();
        applySettingsDefaults(0, "C:\\Tamsi", TodayDate{12, 8, 2026}, person1);
        currentReportFile = pathIn("list");
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
    void open(const SubjectList& subjects) {
        const std::string quotes = "{QUOTES.Q}\r\n365 <May>\r\n";
        ASSERT_EQ(openStoredArchive(storedArchive(quotes + archiveText(subjects, false))), 1);
    }
    std::string written(void (*write)()) {
        openListFile();
        write();
        closeListFile();
        return readFile(pathIn("list"));
    }
    std::string fallback(const char* line) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%s", line);
        applyLifePathFallback(buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(ListWriter, LifePathSubjectFallback) {
    open({{"LIFPTH07.A", "x"}, {"LIFPTH06", "x"}, {"LIFPTH11", "x"}, {"LIFPTH25.B", "x"}});
    EXPECT_EQ(fallback("{LIFPTH11}\n"), "{LIFPTH11}\n");          // the subject itself
    EXPECT_EQ(fallback("{LIFPTH16}\n"), "{LIFPTH07.A}\n");        // the root with the method letter
    EXPECT_EQ(fallback("{LIFPTH33} rest\n"), "{LIFPTH06} rest\n"); // the root alone
    EXPECT_EQ(fallback("{LIFPTH99}\n"), "{LIFPTH99}\n");          // nothing fits: unchanged
    EXPECT_EQ(fallback("{SWAPNAMES}\n{LIFPTH16}\n"), "{SWAPNAMES}\n{LIFPTH07.A}\n");
    settings.lifePathMethod = 1;
    EXPECT_EQ(fallback("{LIFPTH25}\n"), "{LIFPTH25.B}\n");        // the number with the method letter
    EXPECT_EQ(fallback("{LIFPTH16}\n"), "{LIFPTH16}\n");          // LIFPTH07.B and LIFPTH07 are missing
    EXPECT_EQ(fallback("{LIFPTH16"), "{LIFPTH16");                // no closing brace
}

TEST_F(ListWriter, CoverCodes) {
    open({{"COVER.STD", "[n0]\r\n[d0] [s0]\r\nby [a][c][r] at [t][fQ][N5][N1][z]!\r\n[p]end["}});
    person1 = makePerson("maria", "elena", "torres", "maria", "torres", 5, 15, 1949);
    std::memset(phraseList, 0, sizeof phraseList);
    std::strcpy(phraseList[1], "tamsi books");
    settings.firstAge = 77;
    EXPECT_EQ(written([] { writeCover("COVER.STD"); }),
              "Maria Elena Torres\nMay 15, 1949 Maria Torres\nby Ulvar Tamsi\xA9\xAE at 77QTamsi Books!\n=\nend=\n");
}

TEST_F(ListWriter, CoverOfTheSecondPersonAndWithoutABirthDate) {
    open({{"COVER.CPT", "[n1] [d1] [s1]"}});
    std::memset(&person2, 0, sizeof person2);
    std::strcpy(person2.birthFirst, "nora");
    std::strcpy(person2.currentFirst, "nora");
    // Missing name parts leave no blanks of their own.
    EXPECT_EQ(written([] { writeCover("COVER.CPT"); }), "Nora  Nora\n\n=\n");
    EXPECT_EQ(written([] { writeCover("COVER.NONE"); }), "=\n");  // a missing cover is an empty page
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "SUBJECT 'COVER.NONE' NOT IN TEXT ARCHIVE");
}

TEST_F(ListWriter, ALineIsCutToTheBuffer) {
    open({});
    const std::string longText(20000, 'x');
    openListFile();
    listPrintf("%s\n", longText.c_str());
    closeListFile();
    EXPECT_EQ(readFile(pathIn("list")), std::string(9999, 'x'));
}

TEST_F(ListWriter, AListFileThatCannotBeOpenedEndsTheProgram) {
    currentReportFile = pathIn("no/such/folder/list");
    try {
        openListFile();
        FAIL() << "expected the fatal exit";
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Can't open ListFile");
    }
}

}  // namespace
