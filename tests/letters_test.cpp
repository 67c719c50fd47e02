#include "engine/letters.h"
#include "person_maker.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class Letters : public ::testing::Test {
protected:
    void SetUp() override { resetEngineSettings(); }
};

TEST_F(Letters, AlphabetCyclesOneToNineWithVowelsAndConsonants) {
    const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int i = 0; i < 26; ++i) {
        const unsigned char capital = static_cast<unsigned char>(alphabet[i]);
        const unsigned char small = static_cast<unsigned char>(capital + 0x20);
        EXPECT_EQ(letterValue[capital], i % 9 + 1) << alphabet[i];
        EXPECT_EQ(letterValue[small], letterValue[capital]);
        EXPECT_EQ(letterKind[small], letterKind[capital]);
        EXPECT_EQ(letterFold[small], static_cast<char>(capital));
        EXPECT_EQ(displayFold[small], static_cast<char>(small));
        const bool vowel = std::string("AEIOUY").find(alphabet[i]) != std::string::npos;
        EXPECT_EQ(letterKind[capital], vowel ? KIND_VOWEL : KIND_CONSONANT) << alphabet[i];
    }
}

TEST_F(Letters, MarkersDigitsAndSymbols) {
    EXPECT_EQ(letterValue['*'], 7);
    EXPECT_EQ(letterKind['*'], KIND_CONSONANT);
    EXPECT_EQ(letterFold['*'], 'Y');
    EXPECT_EQ(displayFold['*'], 'y');
    EXPECT_EQ(letterValue['#'], 5);
    EXPECT_EQ(letterKind['#'], KIND_VOWEL);
    EXPECT_EQ(letterFold['#'], 'W');
    EXPECT_EQ(displayFold['#'], 'w');
    EXPECT_EQ(letterValue['$'], 2);
    EXPECT_EQ(letterValue['%'], 4);
    EXPECT_EQ(letterValue['&'], 8);
    for (char c : {'$', '%', '&'}) {
        EXPECT_EQ(letterKind[static_cast<unsigned char>(c)], KIND_VOWEL);
        EXPECT_EQ(letterFold[static_cast<unsigned char>(c)], c);
    }
    for (char d = '0'; d <= '9'; ++d) {
        EXPECT_EQ(letterValue[static_cast<unsigned char>(d)], d - '0');
        EXPECT_EQ(letterKind[static_cast<unsigned char>(d)], KIND_CONSONANT);
        EXPECT_EQ(letterFold[static_cast<unsigned char>(d)], d);
    }
}

TEST_F(Letters, PunctuationFolds) {
    for (char c : {'!', '\'', '(', ')', '+', ',', '-', '.', '/', ':', ';', '<', '=', '>', '?', '{', '|',
                   '}', '~'}) {
        EXPECT_EQ(letterFold[static_cast<unsigned char>(c)], c) << c;
        EXPECT_EQ(displayFold[static_cast<unsigned char>(c)], c) << c;
        EXPECT_EQ(letterValue[static_cast<unsigned char>(c)], 0) << c;
    }
    for (char c : {'"', '@', '[', '\\', ']', '^', '_', '`', ' '}) {
        EXPECT_EQ(letterFold[static_cast<unsigned char>(c)], ' ') << c;
        EXPECT_EQ(displayFold[static_cast<unsigned char>(c)], ' ') << c;
    }
    EXPECT_EQ(letterFold[0x7F], ' ');
    EXPECT_EQ(letterFold['\t'], ' ');
}

TEST_F(Letters, AccentedLettersCountAsTheirBase) {
    struct Row { unsigned char capital; int count; char base; int value; int kind; };
    const Row rows[] = {{0xC0, 5, 'A', 1, KIND_VOWEL}, {0xC7, 1, 'C', 3, KIND_CONSONANT},
                        {0xC8, 4, 'E', 5, KIND_VOWEL}, {0xCC, 4, 'I', 9, KIND_VOWEL},
                        {0xD1, 1, 'N', 5, KIND_CONSONANT}, {0xD2, 4, 'O', 6, KIND_VOWEL},
                        {0xD9, 4, 'U', 3, KIND_VOWEL}};
    for (const Row& row : rows) {
        for (int i = 0; i < row.count; ++i) {
            for (int small = 0; small <= 1; ++small) {
                const unsigned char c = static_cast<unsigned char>(row.capital + i + 0x20 * small);
                EXPECT_EQ(letterValue[c], row.value) << int(c);
                EXPECT_EQ(letterKind[c], row.kind) << int(c);
                EXPECT_EQ(letterFold[c], row.base) << int(c);
                EXPECT_EQ(displayFold[c], small ? row.base + 0x20 : row.base) << int(c);
            }
        }
    }
    // Å Æ Ð Ö Ø Ý Þ ß and their small forms are not letters.
    for (unsigned char c : {0xC5, 0xC6, 0xD0, 0xD6, 0xD8, 0xDD, 0xDE, 0xDF, 0xE5, 0xE6, 0xF0, 0xF6,
                            0xF8, 0xFD, 0xFE, 0xFF, 0x80, 0x8A, 0x9F, 0xA0, 0xBF}) {
        EXPECT_EQ(letterValue[c], 0) << int(c);
        EXPECT_EQ(letterKind[c], KIND_NONE) << int(c);
        EXPECT_EQ(letterFold[c], ' ') << int(c);
        EXPECT_EQ(displayFold[c], ' ') << int(c);
    }
}

TEST_F(Letters, ReductionKeepsTheNumbersOfItsSet) {
    EXPECT_EQ(reduceNumber(22, KEEP_MASTERS), 22);
    EXPECT_EQ(reduceNumber(22, KEEP_NONE), 4);
    EXPECT_EQ(reduceNumber(13, KEEP_LIFE_PATH), 13);
    EXPECT_EQ(reduceNumber(33, KEEP_MASTERS), 6);
    EXPECT_EQ(reduceNumber(33, KEEP_LIFE_PATH), 33);
    EXPECT_EQ(reduceNumber(16, KEEP_ESSENCE), 16);
    EXPECT_EQ(reduceNumber(13, KEEP_ESSENCE), 4);
    EXPECT_EQ(reduceNumber(29, KEEP_MASTERS), 11);
    EXPECT_EQ(reduceNumber(38, KEEP_MASTERS), 11);
    EXPECT_EQ(reduceNumber(49, KEEP_MASTERS), 4);  // 49 -> 13 -> 4
    EXPECT_EQ(reduceNumber(1949, KEEP_MASTERS), 5);
    for (std::uint32_t keep : {KEEP_NONE, KEEP_MASTERS, KEEP_ESSENCE, KEEP_LIFE_PATH}) {
        EXPECT_EQ(reduceNumber(0, keep), 0);
        EXPECT_EQ(reduceNumber(-7, keep), -7);
        EXPECT_EQ(reduceNumber(9, keep), 9);
    }
    EXPECT_EQ(digitSumOnce(1969), 25);
    EXPECT_EQ(digitSumOnce(0), 0);
    EXPECT_EQ(digitSumOnce(-5), 0);
}

TEST_F(Letters, PackedNumbersAndTheirText) {
    EXPECT_EQ(packNumber(29, KEEP_MASTERS), 12342911);
    EXPECT_STREQ(formatNumber(12342911), "29/2");
    EXPECT_EQ(packNumber(7, KEEP_MASTERS), 12340707);
    EXPECT_STREQ(formatNumber(12340707), "7");
    EXPECT_EQ(packNumber(0, KEEP_MASTERS), 0);
    EXPECT_STREQ(formatNumber(0), "0");
    EXPECT_STREQ(formatNumber(packNumber(22, KEEP_MASTERS)), "22/4");
    EXPECT_STREQ(formatNumber(packNumber(16, KEEP_LIFE_PATH)), "16/7");
    EXPECT_STREQ(formatNumber(12339999), "12339999");  // the largest plain number
    EXPECT_STREQ(formatNumber(42), "42");
    // A Rational Thought sum of three digits shows whole.
    EXPECT_STREQ(formatNumber(packNumber(123, KEEP_MASTERS)), "123/6");
    EXPECT_EQ(packNumber(123, KEEP_MASTERS) % 100, 6);
    // Negatives count as packed and must not break the text.
    EXPECT_STREQ(formatNumber(-5), "0");
}

TEST_F(Letters, NameTotalsByKind) {
    EXPECT_EQ(nameTotal("", KIND_LETTER), 0);
    EXPECT_EQ(nameTotal("'-. ", KIND_LETTER), 0);
    EXPECT_EQ(nameTotal("MARIA", KIND_LETTER), nameTotal("maria", KIND_LETTER));
    EXPECT_EQ(nameTotal("Maria", KIND_LETTER), 6);
    EXPECT_EQ(nameTotal("Maria", KIND_VOWEL), 11);  // kept
    EXPECT_EQ(nameTotal("\xC9", KIND_VOWEL), 5);      // É
    EXPECT_EQ(nameTotal("\xD6", KIND_LETTER), 0);     // Ö
    settings.charMap[0xD6] = 'O';
    EXPECT_EQ(nameTotal("\xD6", KIND_VOWEL), 6);
}

TEST_F(Letters, HarveyAfterTheYRuleHasVowelsAandE) {
    char name[NAME_SIZE] = "Harvey";
    YwReading reading;
    ASSERT_TRUE(applyYwRule(name, true, reading));
    EXPECT_STREQ(name, "Harve*");
    EXPECT_EQ(nameTotal(name, KIND_VOWEL), 6);
    EXPECT_EQ(mappedValue('*'), 7);
    EXPECT_EQ(mappedKind('*'), KIND_CONSONANT);
}

TEST_F(Letters, AutomaticYRule) {
    struct Case { const char* typed; const char* stored; };
    const Case cases[] = {{"Yolanda", "*olanda"}, {"Maya", "Ma*a"}, {"Harvey", "Harve*"},
                          {"Lynn", "Lynn"},       {"Mary", "Mary"}, {"Yvonne", "Yvonne"},
                          {"Kaye", "Ka*e"},       {"Yy", "*y"},     {"Wendy#", "Wend*#"},
                          {"y\xE9", "*\xE9"},     {"Ay$", "A*$"}};
    for (const Case& c : cases) {
        char name[NAME_SIZE];
        copyName(name, c.typed);
        YwReading reading;
        ASSERT_TRUE(applyYwRule(name, true, reading));
        EXPECT_STREQ(name, c.stored) << c.typed;
        EXPECT_EQ(reading.warningCount, 0);
    }
}

int askCount = 0;
YwDecision countAndAccept(void*) {
    ++askCount;
    return YwDecision::Accept;
}
YwDecision chooseEdit(void*) {
    ++askCount;
    return YwDecision::Edit;
}

TEST_F(Letters, UserDecidesYAndWOncePerReading) {
    askCount = 0;
    YwReading reading;
    reading.ask = countAndAccept;
    char first[NAME_SIZE] = "Yolanda";
    char last[NAME_SIZE] = "Wyatt";
    EXPECT_TRUE(applyYwRule(first, false, reading));
    EXPECT_TRUE(applyYwRule(last, false, reading));
    EXPECT_EQ(askCount, 1);
    EXPECT_EQ(reading.warningCount, 3);
    EXPECT_STREQ(first, "Yolanda");
    EXPECT_STREQ(last, "Wyatt");

    askCount = 0;
    YwReading edit;
    edit.ask = chooseEdit;
    char three[NAME_SIZE] = "Yyy";
    EXPECT_FALSE(applyYwRule(three, false, edit));
    EXPECT_EQ(askCount, 1);
    EXPECT_STREQ(three, "Yyy");
}

TEST_F(Letters, TransitLettersOfJames) {
    const char expected[] = {'J', 'A', 'M', 'M', 'M', 'M', 'E', 'E', 'E', 'E', 'E', 'S', 'J'};
    for (int age = 0; age < 13; ++age) EXPECT_EQ(transitLetter("James", age), expected[age]) << age;
    EXPECT_EQ(transitLetter("James", 61), 'A');
    EXPECT_EQ(transitLetter("", 5), ' ');
    EXPECT_EQ(transitLetter("'- ", 0), ' ');
    EXPECT_EQ(transitLetter("O'Hara", 6), 'H');  // the apostrophe is passed over
}

TEST_F(Letters, PlaneTotalsCountFoldedLetters) {
    // Markers fold to Y and W, so "*" and "#" in a set never match.
    EXPECT_EQ(planeTotal("Ya*", "Y*"), packNumber(reduceNumber(2 * 7, KEEP_NONE), KEEP_MASTERS));
    EXPECT_EQ(planeTotal("$$%&", "DEMW#$%&"), packNumber(4 + 4 + 8, KEEP_MASTERS));
    EXPECT_EQ(planeTotal("Maria Elena Torres", "CFKQUVY*"), 0);
}

TEST_F(Letters, ProperNamesForReports) {
    EXPECT_STREQ(properName("mary ann o'neil"), "Mary Ann O'neil");
    EXPECT_STREQ(properName("j\xF6rg"), "J Rg");  // ö has no display form
    EXPECT_STREQ(properName("ka*e"), "Kaye");
    EXPECT_STREQ(properName("\xE9mile"), "Emile");
    EXPECT_STREQ(properName(""), "");
}

TEST_F(Letters, FileNameStems) {
    EXPECT_STREQ(fileNameStem("Mary Ann"), "MaryAnn");
    EXPECT_STREQ(fileNameStem("Bartholomew Smith"), "Bartholo");
    EXPECT_STREQ(fileNameStem("ka*e"), "Kaye");
    EXPECT_STREQ(fileNameStem("\xE9lo\xEFse"), "Eloise");
    EXPECT_STREQ(fileNameStem("o\"neil"), "ONeil");
    EXPECT_STREQ(fileNameStem("St. John"), "St.John");
}

TEST_F(Letters, FileNameStemsAreSafeFileNamesOnEverySystem) {
    // No separators, no drive colon, none of the characters a file name
    // refuses; each counts as a gap, like a blank.
    EXPECT_STREQ(fileNameStem("./x"), "X");
    EXPECT_STREQ(fileNameStem("a/b\\c:d"), "ABCD");
    EXPECT_STREQ(fileNameStem("o/neil"), "ONeil");
    EXPECT_STREQ(fileNameStem("Wh?a<t>|"), "WhAT");
    // No leading dots, so no hidden file and no way up a folder.
    EXPECT_STREQ(fileNameStem(".."), "");
    EXPECT_STREQ(fileNameStem("...Ann"), "Ann");
    EXPECT_STREQ(fileNameStem(". . .x"), "X");
    // A stem that is a device name gets a mark that makes it an ordinary name.
    EXPECT_STREQ(fileNameStem("con"), "Con_");
    EXPECT_STREQ(fileNameStem("Lpt1"), "Lpt1_");
    EXPECT_STREQ(fileNameStem("nul"), "Nul_");
    EXPECT_STREQ(fileNameStem("Conrad"), "Conrad");
    for (int c = 1; c < 256; ++c) {
        const char name[] = {'A', static_cast<char>(c), 'b', '\0'};
        for (const char* s = fileNameStem(name); *s; ++s)
            EXPECT_TRUE(std::strchr("/\\:*?\"<>|", *s) == nullptr && static_cast<unsigned char>(*s) >= 0x20)
                << "code " << c;
    }
}

TEST_F(Letters, TenNamesStayValidAtOnce) {
    const char* names[10];
    const char* inputs[10] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (int i = 0; i < 10; ++i) names[i] = i % 2 ? properName(inputs[i]) : fileNameStem(inputs[i]);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(names[i][0], inputs[i][0] - 0x20);
}

TEST_F(Letters, CharacterMapRedirectsValuesKindsAndFolds) {
    settings.charMap[static_cast<unsigned char>('~')] = 'E';
    EXPECT_EQ(mappedValue('~'), 5);
    EXPECT_EQ(mappedKind('~'), KIND_VOWEL);
    EXPECT_EQ(mappedFold('~'), 'E');
    // The file name stem reads the raw code.
    EXPECT_STREQ(fileNameStem("A~"), "A~");
}

}  // namespace
