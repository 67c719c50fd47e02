#include "archive/text_archive.h"
#include "archive_maker.h"
#include "compose/list_writer.h"
#include "compose/phrases.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(PhraseFormats, ConversionsMustFitTheArguments) {
    EXPECT_TRUE(formatFits("plain text", ""));
    EXPECT_TRUE(formatFits("100%% sure", ""));
    EXPECT_TRUE(formatFits("%s was born on %s %d, %d", "ssii"));
    EXPECT_TRUE(formatFits("%-12s|%02d|%5.2s|%c|%x", "sisii"));
    EXPECT_TRUE(formatFits("only the name: %s", "sii"));  // fewer conversions than arguments
    EXPECT_FALSE(formatFits("%s", "i"));                  // a text where a number is passed
    EXPECT_FALSE(formatFits("%d", "s"));
    EXPECT_FALSE(formatFits("%d %d", "i"));               // too many conversions
    EXPECT_FALSE(formatFits("%n", "i"));
    EXPECT_FALSE(formatFits("%*d", "ii"));
    EXPECT_FALSE(formatFits("%.*s", "is"));
    EXPECT_FALSE(formatFits("%ld", "i"));
    EXPECT_FALSE(formatFits("%1$s", "s"));
    EXPECT_FALSE(formatFits("%f", "i"));
    EXPECT_FALSE(formatFits("%p", "s"));
    EXPECT_FALSE(formatFits("50%", ""));                  // a lone percent sign at the end
}

TEST(PhraseFormats, TheTableHasOneSignatureForEachPhrase) {
    std::set<int> numbers;
    for (std::size_t i = 0; i < PHRASE_USE_COUNT; ++i) {
        const PhraseUse& use = PHRASE_USES[i];
        EXPECT_TRUE(numbers.insert(use.number).second) << use.number;
        EXPECT_EQ(std::string(use.signature).find_first_not_of("is"), std::string::npos) << use.number;
        EXPECT_LT(use.number, MAX_PHRASES);
    }
    EXPECT_STREQ(phraseSignature(117), "s");
    EXPECT_STREQ(phraseSignature(114), "sii");
    EXPECT_EQ(phraseSignature(361), nullptr);  // month names are texts, never formats
}

class PhraseLines : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const std::string text = "{QUOTES.Q}\r\n117 <Number %s\\n>\r\n119 <Day %s and %n\\n>\r\n"
                                 "121 <Sum 100%%\\n>\r\n123 <%d%d\\n>\r\n";
        ASSERT_EQ(openStoredArchive(storedArchive(text)), 1);
        currentReportFile = pathIn("list");
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
};

TEST_F(PhraseLines, AMismatchingPhraseIsWrittenAsText) {
    phraseSignatureMismatches = 0;
    openListFile();
    writePhrase(117, "16/7");
    writePhrase(119, 15);        // "%s" and "%n" for a number: shown as written
    writePhrase(121, "x");       // a "%%" of a phrase that fits stays one "%"
    writePhrase(123, "12/3");    // two numbers for one text
    writePhrase(125, 1);         // no such phrase: an empty line
    closeListFile();
    EXPECT_EQ(readFile(pathIn("list")), "Number 16/7 \nDay %s and %n \nSum 100% \n%d%d \n");
    EXPECT_EQ(phraseSignatureMismatches, 1);  // 125 takes a text, not a number
}

}  // namespace
