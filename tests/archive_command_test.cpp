#include "archive/archive_pack.h"
#include "archive/text_archive.h"
#include "cli/archive_command.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ArchiveCommand : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        sources = pathIn("Birthdat");  // any empty sub-folder of the scratch folder
        ASSERT_TRUE(platform::makeDirectory(sources));
    }
    void TearDown() override {
        for (const std::string& name : platform::listFiles(sources, "*"))
            platform::removeFile(platform::joinPath(sources, name));
        closeTextArchive();
        PlatformTest::TearDown();
    }
    void source(const std::string& name, const std::string& text) { writeFile(platform::joinPath(sources, name), text); }
    int run(std::vector<std::string> args) {
        out.clear();
        err.clear();
        return runArchiveCommand(args, out, err);
    }
    std::string sources, out, err;
};

TEST_F(ArchiveCommand, PacksSourcesIntoEveryForm) {
    source("phrases.txt", "1 <Heading>\n\n361 <January>\n");
    source("b.txt", "{LIFPTH01}\nYou lead.\n{CAFE}\nCaf\xC3\xA9 au lait\n");
    source("a.txt", "\n{COVER.STD}\r\nWelcome [N]\r\n");
    for (const char* form : {"plain", "szdd", "scrambled"}) {
        const std::string arc = pathIn(std::string("out-") + form + ".arc");
        ASSERT_EQ(run({"pack", sources, arc, "--form", form, "--description", "English   [for all report types]"}), 0)
            << err;
        ASSERT_EQ(run({"unpack", arc, pathIn("plain.txt")}), 0) << err;
        EXPECT_EQ(readFile(pathIn("plain.txt")),
                  "{QUOTES.Q}\r\n1 <Heading>\r\n361 <January>\r\n{COVER.STD}\r\nWelcome [N]\r\n"
                  "{LIFPTH01}\r\nYou lead.\r\n{CAFE}\r\nCaf\xE9 au lait\r\n" +
                      std::string(std::string(form) == "plain" ? "\x1A" : ""));
        ASSERT_EQ(run({"list", arc}), 0) << err;
        // In the plain form the Ctrl-Z and the trailer belong to the last text.
        const bool plain = std::string(form) == "plain";
        EXPECT_EQ(out, std::string("QUOTES.Q           28\nCOVER.STD          13\nLIFPTH01           11\n") +
                           (plain ? "CAFE              271\n" : "CAFE               14\n"));
        ASSERT_EQ(run({"check", arc}), 0) << err;
        EXPECT_EQ(out, arc + ": good; \"English   [for all report types]\", mask 17FFF\n");

        const std::string stored = readFile(arc);
        ASSERT_EQ(openStoredArchive(std::vector<std::uint8_t>(stored.begin(), stored.end())), 1);
        ASSERT_EQ(fetchSubject("CAFE"), 1);
        EXPECT_STREQ(textBuffer, "Caf\xE9 au lait\n\n");
        EXPECT_STREQ(quoteTable[361], "January");
    }
}

TEST_F(ArchiveCommand, ReportsEveryProblemWithFileLineAndSubject) {
    source("phrases.txt", "1 <Heading>\n400 <Too far>\n2 no brackets\n");
    source("a.txt", "stray text\n{GOOD}\nfine\n{THIS_NAME_IS_TOO_LONG}\nx\n{BAD} trailing\n{LONG}\n" +
                        std::string(10000, 'a') + "\n{WORD}\nna\xC3\xAFve \xE4\xB8\xAD\n");
    EXPECT_EQ(run({"pack", sources, pathIn("bad.arc")}), 1);
    EXPECT_FALSE(platform::fileExists(pathIn("bad.arc")));
    for (const char* expected : {"a.txt:1: text before the first subject",
                                 "a.txt:10: a character that Windows-1252 does not have",
                                 "phrases.txt:2: subject {QUOTES.Q}: phrase number 400 outside 0 to 399",
                                 "phrases.txt:3: subject {QUOTES.Q}: phrase line without '<' and '>'",
                                 "a.txt:4: subject {THIS_NAME_IS_TOO_LONG}: subject name longer than 15 characters",
                                 "a.txt:6: subject {BAD}: '}' must be followed by CR LF",
                                 "a.txt:7: subject {LONG}: text of 10002 bytes, at most 9999 fit"})
        EXPECT_NE(err.find(expected), std::string::npos) << expected << "\n" << err;
}

TEST_F(ArchiveCommand, CheckFindsWhatTheLoaderRefuses) {
    writeFile(pathIn("junk.arc"), std::string(300, 'j'));
    EXPECT_EQ(run({"check", pathIn("junk.arc")}), 1);
    EXPECT_NE(err.find("not an archive"), std::string::npos);
    writeFile(pathIn("noquotes.arc"), "{A}\r\nx\r\n" + std::string(256, '\0'));
    EXPECT_EQ(run({"check", pathIn("noquotes.arc")}), 1);
    EXPECT_NE(err.find("no subject \"QUOTES.Q\""), std::string::npos) << err;
    EXPECT_EQ(run({"list", pathIn("missing.arc")}), 1);
    EXPECT_EQ(run({"pack", sources}), 2);
    EXPECT_EQ(run({"pack", sources, pathIn("x.arc"), "--form", "zip"}), 2);
    EXPECT_EQ(run({"pack", sources, pathIn("x.arc"), "--mask", "xyz"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);
}

TEST_F(ArchiveCommand, PhrasesAreCheckedAgainstTheArgumentsTheirComposersPass) {
    source("phrases.txt", "117 <Number %s\\n>\n119 <Day %s\\n>\n187 <%s %d %d %d\\n>\n");
    EXPECT_EQ(run({"pack", sources, pathIn("p.arc")}), 1);
    EXPECT_EQ(err.find("phrase 117"), std::string::npos) << err;
    EXPECT_NE(err.find("phrase 119 has conversions that don't fit its arguments ( number )"), std::string::npos) << err;
    EXPECT_NE(err.find("phrase 187 has conversions that don't fit its arguments ( text number number )"),
              std::string::npos) << err;
}

TEST_F(ArchiveCommand, APlainArchiveEndingInItsPhrasesIsGood) {
    source("phrases.txt", "1 <x>\n");
    ASSERT_EQ(run({"pack", sources, pathIn("p.arc"), "--form", "plain"}), 0) << err;
    ASSERT_EQ(run({"check", pathIn("p.arc")}), 0) << err;
    const std::string stored = readFile(pathIn("p.arc"));
    EXPECT_EQ(openStoredArchive(std::vector<std::uint8_t>(stored.begin(), stored.end())), 1);
    EXPECT_STREQ(quoteTable[1], "x");
}

TEST_F(ArchiveCommand, UnpackGoesByTheStoredFormNotBySizes) {
    // A compressed archive whose expanded text is exactly as long as the
    // stored archive, trailer included: every byte of the text is text.
    std::string text;
    std::vector<std::uint8_t> stored;
    for (int k = 0; k < 20000; ++k) {
        text = "{QUOTES.Q}\r\n1 <x>\r\n{A}\r\n" + std::string(static_cast<std::size_t>(k), 'a') + "\r\n";
        stored = makeStoredArchive(text, ArchiveForm::Szdd, "English", 0x17FFF);
        if (stored.size() == text.size()) break;
    }
    ASSERT_EQ(stored.size(), text.size());
    writeFile(pathIn("even.arc"), std::string(stored.begin(), stored.end()));
    ASSERT_EQ(run({"unpack", pathIn("even.arc"), pathIn("even.txt")}), 0) << err;
    EXPECT_EQ(readFile(pathIn("even.txt")), text);
    // The plain form loses its trailer, and only that.
    stored = makeStoredArchive(text, ArchiveForm::Plain, "English", 0x17FFF);
    writeFile(pathIn("plain.arc"), std::string(stored.begin(), stored.end()));
    ASSERT_EQ(run({"unpack", pathIn("plain.arc"), pathIn("plain.txt")}), 0) << err;
    EXPECT_EQ(readFile(pathIn("plain.txt")), text + "\x1A");
}

TEST_F(ArchiveCommand, ABraceInsideATextIsRefusedWithItsLine) {
    source("phrases.txt", "1 <x>\n");
    source("a.txt", "{A}\nsome {} text\nmore {B}\n{C}\nfine\n");
    EXPECT_EQ(run({"pack", sources, pathIn("b.arc")}), 1);
    EXPECT_FALSE(platform::fileExists(pathIn("b.arc")));
    EXPECT_NE(err.find("a.txt:2: '{' may not appear inside a text"), std::string::npos) << err;
    EXPECT_NE(err.find("a.txt:3: '{' may not appear inside a text"), std::string::npos) << err;
    EXPECT_EQ(err.find("a.txt:4"), std::string::npos) << err;
    // An archive made some other way is refused by the check.
    const std::vector<std::uint8_t> stored =
        makeStoredArchive("{QUOTES.Q}\r\n1 <x>\r\n{A}\r\nsome {}\r\ntext\r\n", ArchiveForm::Scrambled, "English", 1);
    writeFile(pathIn("c.arc"), std::string(stored.begin(), stored.end()));
    EXPECT_EQ(run({"check", pathIn("c.arc")}), 1);
    EXPECT_NE(err.find(pathIn("c.arc") + ":4: subject {A}: '{' inside a text"), std::string::npos) << err;
}

TEST_F(ArchiveCommand, PlainFormKeepsTheTrailerOutOfTheText) {
    source("phrases.txt", "1 <x>\n");
    // The trailer's bytes are read as part of the last text in the plain form.
    EXPECT_EQ(run({"pack", sources, pathIn("p.arc"), "--form", "plain", "--description", "Has a { brace"}), 1);
    EXPECT_NE(err.find("(trailer)"), std::string::npos) << err;
}

}  // namespace
