#include "chart/chart_numbers.h"
#include "chart/intercom.h"
#include "person_maker.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

ChartInput mariaInput(int method = 0) {
    ChartInput input = exampleChartInput();
    input.lifePathMethod = method;
    return input;
}

std::string recordBytes(const IntercomRecord& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

std::vector<int> row(const std::vector<int>& values) { return values; }

// ---- the hand-off record ----

TEST(Intercom, FieldsLieWhereTheMainProgramWritesThem) {
    const std::string bytes = recordBytes(makeIntercomRecord(mariaInput()));
    ASSERT_EQ(bytes.size(), 686u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x21);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x67);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), 261 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 1);
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 2026 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[18 + 'A']), 'A');
    EXPECT_EQ(bytes.substr(274, 6), std::string("Maria\0", 6));
    EXPECT_EQ(bytes.substr(434, 7), std::string("Torres\0", 7));
    EXPECT_EQ(static_cast<unsigned char>(bytes[674]), 5);
    EXPECT_EQ(static_cast<unsigned char>(bytes[678]), 15);
    EXPECT_EQ(static_cast<unsigned char>(bytes[682]), 1949 & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[683]), 1949 >> 8);
}

TEST(Intercom, ARecordReadsBackWhole) {
    ChartInput sent = mariaInput(2);
    sent.chartFlags = CHART_FLAGS_BLACK_AND_WHITE;
    sent.firstAge = 12;
    sent.charMap[static_cast<unsigned char>('\xD6')] = 'O';
    const std::string bytes = recordBytes(makeIntercomRecord(sent));
    ChartInput got;
    ASSERT_TRUE(parseIntercom(bytes.data(), bytes.size(), got));
    EXPECT_EQ(got.chartFlags, 257);
    EXPECT_EQ(got.lifePathMethod, 2);
    EXPECT_EQ(got.firstYear, 2026);
    EXPECT_EQ(got.firstAge, 12);
    EXPECT_EQ(got.charMap[0xD6], 'O');
    EXPECT_EQ(got.charMap['B'], 'B');
    EXPECT_EQ(got.birthFirst, "Maria");
    EXPECT_EQ(got.birthMiddle, "Elena");
    EXPECT_EQ(got.birthLast, "Torres");
    EXPECT_EQ(got.currentFirst, "Maria");
    EXPECT_EQ(got.currentLast, "Torres");
    EXPECT_EQ(got.birthMonth, 5);
    EXPECT_EQ(got.birthDay, 15);
    EXPECT_EQ(got.birthYear, 1949);
}

TEST(Intercom, AShortOrForeignRecordIsRefused) {
    std::string bytes = recordBytes(makeIntercomRecord(mariaInput()));
    ChartInput got;
    got.birthFirst = "untouched";
    EXPECT_FALSE(parseIntercom(bytes.data(), 685, got));
    EXPECT_FALSE(parseIntercom(bytes.data(), 0, got));
    std::string foreign = bytes;
    foreign[1] = 0x68;
    EXPECT_FALSE(parseIntercom(foreign.data(), foreign.size(), got));
    foreign = bytes;
    foreign[0] = 0x67;
    foreign[1] = 0x21;  // the magic the wrong way round
    EXPECT_FALSE(parseIntercom(foreign.data(), foreign.size(), got));
    EXPECT_EQ(got.birthFirst, "untouched");
    bytes += "more";
    EXPECT_TRUE(parseIntercom(bytes.data(), bytes.size(), got));
}

TEST(Intercom, NamesOfFortyCharactersAndMoreAreHeldWhole) {
    ChartInput sent = mariaInput();
    sent.birthFirst = std::string(60, 'a');
    sent.currentLast = std::string(79, 'b');
    const std::string bytes = recordBytes(makeIntercomRecord(sent));
    ChartInput got;
    ASSERT_TRUE(parseIntercom(bytes.data(), bytes.size(), got));
    EXPECT_EQ(got.birthFirst, std::string(60, 'a'));
    EXPECT_EQ(got.currentLast, std::string(79, 'b'));
}

TEST(Intercom, ANameFieldWithoutItsTerminatorStopsAtItsEnd) {
    IntercomRecord record = makeIntercomRecord(mariaInput());
    std::memset(record.person.birthMiddle, 'x', NAME_SIZE);
    const std::string bytes = recordBytes(record);
    ChartInput got;
    ASSERT_TRUE(parseIntercom(bytes.data(), bytes.size(), got));
    EXPECT_EQ(got.birthMiddle, std::string(NAME_SIZE, 'x'));
    EXPECT_EQ(got.birthLast, "Torres");
    const ChartNumbers n = computeChartNumbers(got);  // and the numbers stay inside the name
    EXPECT_EQ(n.birthWords[1].letters.size(), static_cast<std::size_t>(NAME_SIZE));
}

TEST(Intercom, BitEightWithoutTheColorBitForcesBlackAndWhite) {
    EXPECT_TRUE(forcesBlackAndWhite(257));
    EXPECT_FALSE(forcesBlackAndWhite(261));
    EXPECT_TRUE(forcesBlackAndWhite(256));
    EXPECT_FALSE(forcesBlackAndWhite(1));  // without bit 8 the options decide
    EXPECT_FALSE(forcesBlackAndWhite(0));
}

class IntercomFile : public PlatformTest {};

TEST_F(IntercomFile, IsReadFromTheDataFolder) {
    EXPECT_EQ(intercomPath(), pathIn("Intercom"));
    ChartInput got;
    EXPECT_FALSE(readIntercom(intercomPath(), got));  // no file
    const std::string bytes = recordBytes(makeIntercomRecord(mariaInput()));
    writeFile(intercomPath(), bytes.substr(0, 685));
    EXPECT_FALSE(readIntercom(intercomPath(), got));
    writeFile(intercomPath(), bytes);
    ASSERT_TRUE(readIntercom(intercomPath(), got));
    EXPECT_EQ(got.currentLast, "Torres");
}

// ---- the numbers ----

TEST(ChartNumbers, MariaElenaTorresByMethodA) {
    const ChartNumbers n = computeChartNumbers(mariaInput(0));
    EXPECT_EQ(n.lifePath, 16);
    EXPECT_EQ(n.lifePathDigit, 7);
    EXPECT_EQ(n.expression, 12);
    EXPECT_EQ(n.heartsDesire, 33);
    EXPECT_EQ(n.personality, 15);
    EXPECT_EQ(n.minorExpression, 11);
    EXPECT_EQ(n.minorHeartsDesire, 22);
    EXPECT_EQ(n.minorPersonality, 7);
    EXPECT_EQ(n.maturity, 10);
    EXPECT_EQ(n.rationalThought, 3);
    EXPECT_EQ(n.balance, 11);
    EXPECT_EQ(n.keystone, 6);
    EXPECT_EQ(n.cornerstone, 4);
    EXPECT_EQ(n.capstone, 1);
    EXPECT_EQ(std::vector<int>(n.karmicCounts + 1, n.karmicCounts + 10),
              (std::vector<int>{4, 1, 1, 1, 4, 1, 0, 0, 4}));
    EXPECT_EQ(n.subconsciousSelf, 7);
    EXPECT_EQ(std::vector<int>(n.pinnacles, n.pinnacles + 4), (std::vector<int>{11, 11, 22, 1}));
    EXPECT_EQ(std::vector<int>(n.challenges, n.challenges + 4), (std::vector<int>{1, 1, 0, 0}));
    EXPECT_EQ(std::vector<int>(n.cycles, n.cycles + 3), (std::vector<int>{5, 6, 5}));
    EXPECT_EQ(std::vector<int>(n.cycleLengths, n.cycleLengths + 3), (std::vector<int>{30, 27, 999}));
    EXPECT_EQ(std::vector<int>(n.pinnacleLengths, n.pinnacleLengths + 4), (std::vector<int>{30, 9, 9, 999}));
    EXPECT_EQ(n.birthMonth, 5);
    EXPECT_EQ(n.birthDate, 15);
    EXPECT_EQ(n.birthYear, 1949);
}

TEST(ChartNumbers, LifePathByMethodsBAndCAndAnUnknownOne) {
    EXPECT_EQ(computeChartNumbers(mariaInput(1)).lifePath, 25);
    EXPECT_EQ(computeChartNumbers(mariaInput(2)).lifePath, 34);
    EXPECT_EQ(computeChartNumbers(mariaInput(3)).lifePath, 0);
    EXPECT_EQ(computeChartNumbers(mariaInput(-1)).lifePath, 0);
}

TEST(ChartNumbers, FirstPeriodsShortenForALifePathDigitOfOneOrTwo) {
    ChartInput input = mariaInput();
    input.birthMonth = 1;
    input.birthDay = 1;
    input.birthYear = 1998;  // 2000: L = 2
    ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.lifePathDigit, 2);
    EXPECT_EQ(n.cycleLengths[0], 26);
    EXPECT_EQ(n.pinnacleLengths[0], 35);
    input.birthYear = 1999;  // 2001: L = 3
    n = computeChartNumbers(input);
    EXPECT_EQ(n.cycleLengths[0], 34);
    EXPECT_EQ(n.pinnacleLengths[0], 34);
}

TEST(ChartNumbers, TransitsAndEssenceByAge) {
    const ChartNumbers n = computeChartNumbers(mariaInput());
    EXPECT_EQ(transitAt(n.physicalTransit, 0), 'M');
    EXPECT_EQ(transitAt(n.mentalTransit, 0), 'E');
    EXPECT_EQ(transitAt(n.spiritualTransit, 0), 'T');
    EXPECT_EQ(essenceAt(n, 0), 11);
    EXPECT_EQ(transitAt(n.physicalTransit, 4), 'a');
    EXPECT_EQ(transitAt(n.mentalTransit, 4), 'E');
    EXPECT_EQ(transitAt(n.spiritualTransit, 4), 'o');
    EXPECT_EQ(essenceAt(n, 4), 12);
    // Maria's values add up to 24: the name starts over at 24 and 48.
    EXPECT_EQ(transitAt(n.physicalTransit, 24), 'M');
    EXPECT_EQ(transitAt(n.physicalTransit, 23), 'a');
    EXPECT_EQ(n.physicalTransit.size(), 200u);
    EXPECT_EQ(transitAt(n.physicalTransit, 199), n.physicalTransit[199 % 24]);
    EXPECT_EQ(transitAt(n.physicalTransit, 200), '\0');
    EXPECT_EQ(essenceAt(n, -1), 0);
    EXPECT_EQ(essenceAt(n, 200), 0);
}

TEST(ChartNumbers, AnEmptyMiddleNameGivesAnEmptyMentalTransit) {
    ChartInput input = mariaInput();
    input.birthMiddle = "";
    const ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.mentalTransit, std::string(200, '\0'));
    EXPECT_EQ(n.balance, 4 + 2);
    EXPECT_EQ(essenceAt(n, 0), 4 + 2);
    EXPECT_EQ(n.expression, 6 + 5);
}

TEST(ChartNumbers, ANameWithoutValuedCharactersIsTreatedAsEmpty) {
    ChartInput input = mariaInput();
    input.birthLast = "'-'";
    const ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.spiritualTransit, std::string(200, '\0'));
    EXPECT_EQ(n.balance, 4 + 5);
}

TEST(ChartNumbers, TheDiamond) {
    const ChartNumbers n = computeChartNumbers(mariaInput());
    EXPECT_EQ(std::string(n.diamondBase, 9), "MariaElen");
    EXPECT_EQ(std::vector<int>(n.diamondBaseValues, n.diamondBaseValues + 9),
              (std::vector<int>{4, 1, 9, 9, 1, 5, 3, 5, 5}));
    EXPECT_EQ(n.diamondSums[0], row({5, 1, 9, 1, 6, 8, 8, 1}));
    EXPECT_EQ(n.diamondDifferences[0], row({3, 8, 0, 8, 4, 2, 2, 0}));
    for (int r = 0; r < DIAMOND_ROWS; ++r) {
        EXPECT_EQ(n.diamondSums[r].size(), static_cast<std::size_t>(8 - r));
        EXPECT_EQ(n.diamondDifferences[r].size(), static_cast<std::size_t>(8 - r));
    }
    // Second rows: 5+1=6, 1+9=10 -> 1, ...; 7 + 7 = 14 is kept, and so is 16.
    EXPECT_EQ(n.diamondSums[1], row({6, 1, 1, 7, 14, 16, 9}));
    EXPECT_EQ(n.diamondDifferences[1], row({5, 8, 8, 4, 2, 0, 2}));
}

TEST(ChartNumbers, AShortBirthNameRepeatsInTheDiamondBase) {
    ChartInput input = mariaInput();
    input.birthFirst = "Al";
    input.birthMiddle = "";
    input.birthLast = "";
    ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(std::string(n.diamondBase, 9), "AlAlAlAlA");
    input.birthFirst = "";
    n = computeChartNumbers(input);
    EXPECT_EQ(std::string(n.diamondBase, 9), std::string(9, '\0'));
    EXPECT_EQ(n.diamondSums[7], row({0}));
}

TEST(ChartNumbers, TheDiamondAndNameRowsTakeRawValuesThePlanesToo) {
    resetEngineSettings();
    ChartInput input = mariaInput();
    input.charMap['M'] = 'A';  // M counts as A (1) where the map applies
    const ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.cornerstone, 1);
    EXPECT_EQ(n.balance, 1 + 5 + 2);
    EXPECT_EQ(n.diamondBaseValues[0], 4);
    EXPECT_EQ(n.birthWords[0].values[0], 4);
    EXPECT_EQ(n.planes[PLANE_PHYSICAL].groups[GROUP_GROUNDED].count(), 1);
    EXPECT_EQ(transitAt(n.physicalTransit, 0), 'M');
    EXPECT_EQ(transitAt(n.physicalTransit, 1), 'a');  // M lasts one year as an A
    // The engine's own map is back as it was.
    EXPECT_EQ(settings.charMap['M'], 'M');
}

TEST(ChartNumbers, NameRowsKeepRawSums) {
    const ChartNumbers n = computeChartNumbers(mariaInput());
    const NameWord& maria = n.birthWords[0];
    EXPECT_EQ(maria.letters, "Maria");
    EXPECT_EQ(maria.values, (std::vector<int>{4, 1, 9, 9, 1}));
    EXPECT_EQ(maria.sumAll, 24);
    EXPECT_EQ(maria.sumVowels, 11);
    EXPECT_EQ(maria.sumConsonants, 13);
    EXPECT_EQ(n.birthWords[2].sumAll, 32);  // Torres: 2 6 9 9 5 1
    EXPECT_EQ(n.currentWords[1].letters, "Torres");
}

TEST(ChartNumbers, PlanesOfExpression) {
    const ChartNumbers n = computeChartNumbers(mariaInput());
    const Plane& physical = n.planes[PLANE_PHYSICAL];
    EXPECT_EQ(std::vector<int>(physical.groupRoots, physical.groupRoots + 3), (std::vector<int>{6, 0, 4}));
    EXPECT_EQ(physical.countRoot, 4);
    EXPECT_EQ(physical.sumRoot, 1);
    const Plane& emotional = n.planes[PLANE_EMOTIONAL];
    EXPECT_EQ(std::vector<int>(emotional.groupRoots, emotional.groupRoots + 3), (std::vector<int>{6, 3, 0}));
    EXPECT_EQ(emotional.countRoot, 7);
    EXPECT_EQ(emotional.sumRoot, 9);
    EXPECT_EQ(emotional.groups[GROUP_CREATIVE].letters, "riorr");
    const Plane& intuitive = n.planes[PLANE_INTUITIVE];
    EXPECT_EQ(std::vector<int>(intuitive.groupRoots, intuitive.groupRoots + 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(intuitive.countRoot, 0);
    EXPECT_EQ(intuitive.sumRoot, 0);
    const PlaneTotals& totals = n.planeTotals;
    EXPECT_EQ(std::vector<int>(totals.columnCounts, totals.columnCounts + 3), (std::vector<int>{11, 3, 2}));
    EXPECT_EQ(totals.count, 16);
    EXPECT_EQ(totals.sumRoot, 3);
}

TEST(ChartNumbers, MarkersAndSymbolsFindTheirPlanes) {
    ChartInput input = mariaInput();
    input.birthFirst = "Ma*a";   // * folds to Y: intuitive, vacillating
    input.birthMiddle = "Da#$";  // # folds to W, $ stays itself: both physical, vacillating
    input.birthLast = "";
    const ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.planes[PLANE_INTUITIVE].groups[GROUP_VACILLATING].letters, "*");
    EXPECT_EQ(n.planes[PLANE_INTUITIVE].groups[GROUP_VACILLATING].sum, 7);
    EXPECT_EQ(n.planes[PLANE_PHYSICAL].groups[GROUP_VACILLATING].letters, "#$");
    EXPECT_EQ(n.planes[PLANE_PHYSICAL].groups[GROUP_VACILLATING].sum, 5 + 2);
    EXPECT_EQ(shownLetter('*'), 'y');
}

TEST(ChartNumbers, PersonalYearsMonthsAndTheEssenceAroundTheBirthday) {
    const ChartNumbers n = computeChartNumbers(mariaInput());
    const ChartYear& year = n.years[0];
    EXPECT_EQ(year.year, 2026);
    EXPECT_EQ(year.personalYear, 3);  // 5 + 15 + 2026 = 2046
    EXPECT_EQ(year.personalMonths[0], 4);
    EXPECT_EQ(year.personalMonths[11], 6);
    EXPECT_EQ(year.essenceBefore, essenceAt(n, 76));
    EXPECT_EQ(year.essenceAfter, essenceAt(n, 77));
    EXPECT_EQ(n.years[2].year, 2028);
}

TEST(ChartNumbers, YearsOutsideTheTwoHundredAgesShowNoEssence) {
    ChartInput input = mariaInput();
    input.firstYear = 1949;  // the first wheel's before-birthday part lies before birth
    ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.years[0].essenceBefore, 0);
    EXPECT_EQ(n.years[0].essenceAfter, 11);
    input.firstYear = 1949 + 199;
    n = computeChartNumbers(input);
    EXPECT_EQ(n.years[0].essenceAfter, essenceAt(n, 199));
    EXPECT_EQ(n.years[1].essenceAfter, 0);
}

TEST(ChartNumbers, ADamagedRecordsHugeNumbersDoNotOverflow) {
    ChartInput input = mariaInput();
    input.birthYear = 2147483647;
    input.birthMonth = -2147483647 - 1;
    input.firstYear = 2147483647;
    input.firstAge = -2147483647 - 1;
    const ChartNumbers n = computeChartNumbers(input);  // the sanitizer build checks the arithmetic
    EXPECT_GE(n.birthYear, 0);
    EXPECT_LE(n.birthMonth, 0);
}

}  // namespace
