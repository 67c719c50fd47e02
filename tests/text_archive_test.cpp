#include "archive/text_archive.h"
#include "archive_maker.h"
#include "shell/report_state.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class TextArchiveTest : public PlatformTest {
protected:
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
    // Opens text in the given stored form; true when it opened.
    bool open(const std::string& text, ArchiveForm form = ArchiveForm::Scrambled) {
        return openStoredArchive(storedArchive(text, form)) == 1;
    }
    bool problemShown() const {
        return !boxes().empty() && boxes().back().text == "Text Archive problem." &&
               boxes().back().caption == "Error" && boxes().back().style == platform::BOX_ICONINFORMATION;
    }
    std::string fetched(const char* name) {
        EXPECT_EQ(fetchSubject(name), 1) << name;
        return textBuffer;
    }
};

const SubjectList SAMPLE = {{"LIFPTH01", "You lead.\r\n"}, {"COVER.STD", "Cover [N]\r\n"}};

TEST_F(TextArchiveTest, EveryStoredFormOpens) {
    for (ArchiveForm form : {ArchiveForm::Plain, ArchiveForm::Szdd, ArchiveForm::Scrambled}) {
        ASSERT_TRUE(open(archiveText(SAMPLE), form));
        EXPECT_EQ(textArchive.subjectTable.size(), 3u);
        EXPECT_EQ(fetched("LIFPTH01"), "You lead.\n\n");
        EXPECT_EQ(quoteCount, 3);
        EXPECT_STREQ(quoteTable[1], "Heading");
        closeTextArchive();
    }
    EXPECT_TRUE(boxes().empty());
}

TEST_F(TextArchiveTest, TheLastPlainTextHidesTheTrailer) {
    ASSERT_TRUE(open(archiveText(SAMPLE), ArchiveForm::Plain));
    EXPECT_EQ(fetched("COVER.STD"), "Cover [N]\n\n");
}

TEST_F(TextArchiveTest, NoneOfTheThreeFormsIsAProblem) {
    std::vector<std::uint8_t> stored = storedArchive(archiveText(SAMPLE), ArchiveForm::Plain);
    stored[0] = 'X';
    EXPECT_EQ(openStoredArchive(stored), 0);
    EXPECT_TRUE(problemShown());
    EXPECT_TRUE(textArchive.data.empty());
    EXPECT_TRUE(textArchive.subjectTable.empty());
    EXPECT_EQ(openStoredArchive({}), 0);
    std::vector<std::uint8_t> tenth = storedArchive(archiveText(SAMPLE), ArchiveForm::Szdd);
    tenth[9] = 1;
    EXPECT_EQ(openStoredArchive(tenth), 0);
    closeTextArchive();
    closeTextArchive();  // safe at any time
}

TEST_F(TextArchiveTest, SubjectCountLimit) {
    SubjectList many;
    for (int i = 0; i < 3999; ++i) many.push_back({"S" + std::to_string(i), "x\r\n"});
    EXPECT_TRUE(open(archiveText(many)));  // 3999 and QUOTES.Q: exactly 4000
    EXPECT_EQ(textArchive.subjectTable.size(), 4000u);
    many.push_back({"ONE.MORE", "x\r\n"});
    EXPECT_FALSE(open(archiveText(many)));
    EXPECT_TRUE(problemShown());
}

TEST_F(TextArchiveTest, TextLengthLimit) {
    EXPECT_TRUE(open(archiveText({{"LONG", std::string(9999, 'a')}, {"NEXT", ""}})));
    EXPECT_EQ(textArchive.subjectTable[1].length, 9999u);
    // The largest text still leaves room for the two line feeds and the terminator.
    EXPECT_EQ(std::strlen(fetched("LONG").c_str()), 10001u);
    EXPECT_FALSE(open(archiveText({{"LONG", std::string(10000, 'a')}, {"NEXT", ""}})));
}

TEST_F(TextArchiveTest, MalformedSubjectLines) {
    EXPECT_TRUE(open(archiveText({{"FIFTEEN_CHARS_X", "x\r\n"}})));
    EXPECT_FALSE(open(archiveText({{"SIXTEEN_CHARS_XY", "x\r\n"}})));
    EXPECT_FALSE(open(archiveText({}) + "{NOCLOSE\r\nx\r\n"));
    EXPECT_FALSE(open(archiveText({}) + "{NAME} text\r\n"));
    EXPECT_FALSE(open(archiveText({}) + "{NAME}\n"));
    EXPECT_FALSE(open(archiveText({}) + "{NAME}"));
    EXPECT_TRUE(open(archiveText({}) + "{EMPTY}\r\n"));
}

TEST_F(TextArchiveTest, FetchingNormalisesTheText) {
    ASSERT_TRUE(open(archiveText({{"BLANKS", "Line one\r\nLine two   \r\n\r\n  \r\n\r\n"},
                                  {"CUT", "Before\x1A" "After\r\n"},
                                  {"EMPTY", ""},
                                  {"INNER", "a\r\rb\r\n"}})));
    EXPECT_EQ(fetched("BLANKS"), "Line one\nLine two\n\n");
    EXPECT_EQ(fetched("CUT"), "Before\n\n");
    EXPECT_EQ(fetched("EMPTY"), "\n\n");
    EXPECT_EQ(fetched("INNER"), "ab\n\n");
}

TEST_F(TextArchiveTest, LaterSubjectsReplaceEarlierOnes) {
    ASSERT_TRUE(open(archiveText({{"TWICE", "first\r\n"}, {"OTHER", "o\r\n"}, {"TWICE", "second\r\n"}})));
    EXPECT_EQ(findSubject("TWICE"), 3);
    EXPECT_EQ(fetched("TWICE"), "second\n\n");
    EXPECT_EQ(findSubject("twice"), -1);  // names are compared exactly
}

TEST_F(TextArchiveTest, MissingSubjectIsReportedAndLeavesTheBufferEmpty) {
    ASSERT_TRUE(open(archiveText(SAMPLE)));
    std::strcpy(textBuffer, "stale");
    EXPECT_EQ(fetchSubject("NOSUCH"), 0);
    EXPECT_STREQ(textBuffer, "");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "SUBJECT 'NOSUCH' NOT IN TEXT ARCHIVE");
    EXPECT_EQ(boxes()[0].caption, "Error");
    EXPECT_EQ(boxes()[0].style, platform::BOX_ICONINFORMATION);
}

TEST_F(TextArchiveTest, PhrasesWithLineBreaksAndTabsKeepTheirLength) {
    const std::string quotes = "{QUOTES.Q}\r\n  7 first <A\\nB\\tC>\r\n\r\n+9 <Z>\r\n361 <January>\r\n";
    ASSERT_TRUE(open(quotes));
    EXPECT_EQ(quoteCount, 362);
    EXPECT_STREQ(quoteTable[7], "A \nB \tC");
    EXPECT_STREQ(quoteTable[9], "Z");
    EXPECT_STREQ(quoteTable[361], "January");
    EXPECT_STREQ(quoteTable[8], "");  // numbers without a phrase read as empty
}

TEST_F(TextArchiveTest, PhrasesEndWithTheirSubjectsTextInEveryForm) {
    // "QUOTES.Q" last: in the plain form its text runs on into the Ctrl-Z and
    // the trailer, which are not phrase lines; nor are lines of blanks.
    const std::string text = "{A}\r\nx\r\n{QUOTES.Q}\r\n1 <One>\r\n   \r\n\r\n2 <Two>\r\n \t \r\n";
    for (ArchiveForm form : {ArchiveForm::Plain, ArchiveForm::Szdd, ArchiveForm::Scrambled}) {
        ASSERT_TRUE(open(text, form)) << static_cast<int>(form);
        EXPECT_EQ(quoteCount, 3);
        EXPECT_STREQ(quoteTable[2], "Two");
    }
    // A Ctrl-Z ends the phrases as it ends a fetched text.
    ASSERT_TRUE(open("{QUOTES.Q}\r\n1 <One>\r\n\x1Ano phrase\r\n{B}\r\ny\r\n", ArchiveForm::Szdd));
    EXPECT_EQ(quoteCount, 2);
    // A plain archive whose text is all phrases.
    ASSERT_TRUE(open("{QUOTES.Q}\r\n5 <Five>\r\n", ArchiveForm::Plain));
    EXPECT_EQ(quoteCount, 6);
}

TEST_F(TextArchiveTest, PhraseTableBounds) {
    EXPECT_TRUE(open("{QUOTES.Q}\r\n399 <last>\r\n"));
    EXPECT_EQ(quoteCount, 400);
    EXPECT_FALSE(open("{QUOTES.Q}\r\n400 <too far>\r\n"));
    EXPECT_FALSE(open("{QUOTES.Q}\r\n-1 <negative>\r\n"));
    EXPECT_FALSE(open("{QUOTES.Q}\r\n1 <no close\r\n"));
    EXPECT_FALSE(open("{QUOTES.Q}\r\n1 no brackets\r\n"));
    EXPECT_FALSE(open("{QUOTES.Q}\r\n\r\n"));  // no phrases at all
    EXPECT_FALSE(open("{OTHER}\r\nx\r\n"));      // no QUOTES.Q
    std::string big = "{QUOTES.Q}\r\n";
    for (int n = 0; big.size() < 16000; ++n) big += std::to_string(n % 400) + " <" + std::string(90, 'p') + ">\r\n";
    EXPECT_FALSE(open(big));
    EXPECT_TRUE(problemShown());
}

class UserText : public TextArchiveTest {
protected:
    void SetUp() override {
        TextArchiveTest::SetUp();
        const std::string text = archiveText({{"LIFPTH__", "Archive intro\r\n"},
                                              {"INTRO.STD", "Hello\r\n"},
                                              {"COVER.STD", "Cover\r\n"},
                                              {"LIFPTH01", "Archive one\r\n"}});
        const std::vector<std::uint8_t> stored = storedArchive(text);
        writeFile(pathIn("Text_English.arc"), std::string(stored.begin(), stored.end()));
        source = LanguageEntry{};
        std::strcpy(source.archiveName, "Text_English.arc");
        std::strcpy(source.holdingPath, pathIn("Text_English.arc").c_str());
        source.length = static_cast<std::uint32_t>(readFile(pathIn("Text_English.arc")).size());
        userPath = pathIn("UserText_English.txt");
    }
    LanguageEntry source;
    std::string userPath;
};

TEST_F(UserText, FirstProfileReportWritesTheUserTextFile) {
    EXPECT_EQ(userTextPath(folder(), "Text_English.arc"), userPath);
    ASSERT_EQ(openTextArchive(source, REPORT_PERSONALITY_PROFILES, folder()), 1);
    EXPECT_EQ(readFile(userPath), "{LIFPTH__}\r\nArchive intro\r\n{INTRO.STD}\r\nHello\r\n{COVER.STD}\r\nCover\r\n");
}

TEST_F(UserText, UserSubjectsReplaceAndExtendTheArchive) {
    writeFile(userPath, "{LIFPTH01}\r\nMy own one\r\n{MYOWN}\r\nNew\r\n");
    ASSERT_EQ(openTextArchive(source, REPORT_PERSONALITY_PROFILES, folder()), 1);
    EXPECT_EQ(fetched("LIFPTH01"), "My own one\n\n");
    EXPECT_EQ(fetched("MYOWN"), "New\n\n");
    EXPECT_EQ(readFile(userPath), "{LIFPTH01}\r\nMy own one\r\n{MYOWN}\r\nNew\r\n");  // not rewritten
}

TEST_F(UserText, OtherReportTypesNeitherReadNorCreateIt) {
    ASSERT_EQ(openTextArchive(source, REPORT_SHORT_PROFILES, folder()), 1);
    EXPECT_FALSE(platform::fileExists(userPath));
    writeFile(userPath, "{LIFPTH01}\r\nMine\r\n");
    ASSERT_EQ(openTextArchive(source, 12, folder()), 1);
    EXPECT_EQ(fetched("LIFPTH01"), "Archive one\n\n");
}

TEST_F(UserText, ABrokenUserTextFailsTheArchive) {
    writeFile(userPath, "{TOO_LONG_A_SUBJECT_NAME}\r\nx\r\n");
    EXPECT_EQ(openTextArchive(source, REPORT_PERSONALITY_PROFILES, folder()), 0);
    EXPECT_TRUE(problemShown());
}

}  // namespace
