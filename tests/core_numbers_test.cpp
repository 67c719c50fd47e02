#include "engine/core_numbers.h"
#include "engine/letters.h"
#include "person_maker.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CoreNumbers : public ::testing::Test {
protected:
    void SetUp() override { resetEngineSettings(); }
    PersonRecord maria = makePerson("Maria", "Elena", "Torres", "Maria", "Torres", 5, 15, 1949);
};

std::string shown(int v) { return formatNumber(v); }
std::vector<int> listOf(const DigitList& list) { return {list.values, list.values + list.count}; }

TEST_F(CoreNumbers, MariaElenaTorres) {
    ReportNumbers numbers;
    fillReportNumbers(maria, numbers);
    EXPECT_STREQ(numbers.fullBirthName, "Maria Elena Torres");

    const int lifePathA = lifePath(maria, LIFE_PATH_A);
    EXPECT_EQ(shown(lifePathA), "16/7");
    EXPECT_EQ(lifePathA % 100, 16);
    EXPECT_EQ(shown(lifePath(maria, LIFE_PATH_B)), "25/7");
    EXPECT_EQ(lifePath(maria, LIFE_PATH_B) % 100, 25);
    EXPECT_EQ(shown(lifePath(maria, LIFE_PATH_C)), "34/7");
    EXPECT_EQ(lifePath(maria, 3), 0);

    EXPECT_EQ(birthdayNumber(maria), 15);
    EXPECT_EQ(shown(expression(maria)), "12/3");
    EXPECT_EQ(shown(minorExpression(maria)), "11/2");
    EXPECT_EQ(minorExpression(maria) % 100, 11);
    EXPECT_EQ(shown(heartsDesire(maria)), "33/6");
    EXPECT_EQ(heartsDesire(maria) % 100, 6);
    EXPECT_EQ(shown(minorHeartsDesire(maria)), "22/4");
    EXPECT_EQ(minorHeartsDesire(maria) % 100, 22);
    EXPECT_EQ(shown(personality(maria)), "15/6");
    EXPECT_EQ(shown(maturity(maria)), "10/1");
    EXPECT_EQ(lifePathExpressionBridge(maria), 4);
    EXPECT_EQ(heartsDesirePersonalityBridge(maria), 0);

    EXPECT_EQ(std::vector<int>(numbers.valueCounts + 1, numbers.valueCounts + 10),
              (std::vector<int>{4, 1, 1, 1, 4, 1, 0, 0, 4}));
    EXPECT_EQ(numbers.birthDateNumber, 7);
    EXPECT_EQ(listOf(karmicLessons(numbers)), (std::vector<int>{7, 8}));
    EXPECT_EQ(subconsciousSelf(numbers), 7);
    EXPECT_EQ(listOf(hiddenPassion(numbers)), (std::vector<int>{1, 5, 9}));

    EXPECT_EQ(shown(physicalPlane(numbers)), "10/1");
    EXPECT_EQ(shown(mentalPlane(numbers)), "11/2");
    EXPECT_EQ(shown(emotionalPlane(numbers)), "27/9");
    EXPECT_EQ(intuitivePlane(numbers), 0);
    EXPECT_EQ(balanceNumber(maria), 2);
    EXPECT_EQ(shown(rationalThought(maria)), "39/3");
    EXPECT_EQ(cornerstone(maria), 'M');
}

TEST_F(CoreNumbers, LifePathKeepsKarmicDebtAndThirtyThree) {
    PersonRecord p = maria;
    p.birthMonth = 4;  // 4 + 6 + 5 = 15 -> 6
    EXPECT_EQ(lifePath(p, LIFE_PATH_A) % 100, 6);
    p.birthMonth = 11;  // 11 + 6 + 5 = 22, kept
    EXPECT_EQ(lifePath(p, LIFE_PATH_A) % 100, 22);
    p.birthMonth = 8;   // 8 + 6 + 5 = 19, kept
    EXPECT_EQ(lifePath(p, LIFE_PATH_A) % 100, 19);
    p = makePerson("A", "", "", "A", "", 11, 11, 1811);  // 11 + 11 + 11 = 33
    EXPECT_EQ(shown(lifePath(p, LIFE_PATH_A)), "33/6");
    EXPECT_EQ(lifePath(p, LIFE_PATH_A) % 100, 33);
}

TEST_F(CoreNumbers, MissingMiddleName) {
    PersonRecord p = makePerson("Maria", "", "Torres", "Maria", "Torres", 5, 15, 1949);
    ReportNumbers numbers;
    fillReportNumbers(p, numbers);
    EXPECT_STREQ(numbers.fullBirthName, "Maria  Torres");
    EXPECT_EQ(shown(expression(p)), "11/2");  // 6 + 5
    EXPECT_EQ(heartsDesire(p) % 100, 22);     // 11 + 11
    EXPECT_EQ(balanceNumber(p), 6);           // M 4 + nothing + T 2
}

TEST_F(CoreNumbers, NamesWithoutLettersLeaveTopicsOut) {
    PersonRecord p = makePerson("'", "", "", "'", "", 5, 15, 1949);
    ReportNumbers numbers;
    fillReportNumbers(p, numbers);
    EXPECT_EQ(expression(p), 0);
    EXPECT_EQ(heartsDesire(p), 0);
    EXPECT_EQ(personality(p), 0);
    EXPECT_EQ(cornerstone(p), ' ');
    EXPECT_EQ(subconsciousSelf(numbers), 0);  // all nine values missing
    EXPECT_EQ(listOf(karmicLessons(numbers)).size(), 9u);
    EXPECT_EQ(listOf(hiddenPassion(numbers)).size(), 9u);  // every count ties at 0
}

TEST_F(CoreNumbers, PersonalityIsNeverAMasterNumber) {
    // Consonant totals: "Bk" 2 + 2 = 4 ... build a sum of 11 from kept names.
    PersonRecord p = makePerson("Tr", "Bs", "", "X", "", 1, 1, 2000);  // 11 and 3 -> 14 -> 5
    EXPECT_EQ(nameTotal("Tr", KIND_CONSONANT), 11);
    EXPECT_EQ(personality(p) % 100, 5);
    p = makePerson("Tr", "", "", "X", "", 1, 1, 2000);  // a sum of 11 alone
    EXPECT_EQ(personality(p) % 100, 2);
    EXPECT_EQ(shown(personality(p)), "11/2");
}

TEST_F(CoreNumbers, SubconsciousSelfWithSixAndSevenMissing) {
    ReportNumbers numbers{};
    numbers.missingCount = 6;
    EXPECT_EQ(subconsciousSelf(numbers), 3);
    numbers.missingCount = 7;
    EXPECT_EQ(subconsciousSelf(numbers), 0);
}

TEST_F(CoreNumbers, RationalThoughtCountsEveryCharacterOfTheFirstName) {
    PersonRecord p = makePerson("Jo3*", "", "", "Jo", "", 1, 2, 2000);
    // J 1 + o 6 + 3 + * 7 = 17, plus the day 2.
    EXPECT_EQ(shown(rationalThought(p)), "19/1");
    EXPECT_EQ(cornerstone(p), 'J');
    PersonRecord apostrophe = makePerson("'Ana", "", "", "Ana", "", 1, 2, 2000);
    EXPECT_EQ(cornerstone(apostrophe), ' ');
}

}  // namespace
