#include "engine/cycles.h"
#include "engine/core_numbers.h"
#include "engine/letters.h"
#include "person_maker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Cycles : public ::testing::Test {
protected:
    void SetUp() override { resetEngineSettings(); }
};

TEST_F(Cycles, BornEighteenJune1942) {
    const PersonRecord p = makePerson("A", "", "", "A", "", 6, 18, 1942);
    const Challenges c = challenges(p);
    EXPECT_EQ(std::vector<int>(c.number, c.number + 4), (std::vector<int>{3, 2, 1, 1}));
    EXPECT_EQ(pinnacleEnd(p), 32);
    EXPECT_EQ(cycleEnd(p), 32);
    const Pinnacles pin = pinnacles(p);
    EXPECT_EQ(std::vector<int>(pin.number, pin.number + 4), (std::vector<int>{6, 7, 4, 4}));
    const LifeCycles cyc = lifeCycles(p);
    EXPECT_EQ(std::vector<int>(cyc.number, cyc.number + 3), (std::vector<int>{6, 9, 7}));
    EXPECT_EQ(personalYear(p, 2003), 2);
    EXPECT_EQ(personalYear(p, 2004), 3);
    EXPECT_EQ(personalMonth(p, 2003, 2), 4);
    EXPECT_EQ(personalMonthKey(p, 2003, 2), 202);
}

TEST_F(Cycles, EndsOfTheFirstPinnacleAndCycleByBirthDateNumber) {
    struct Case { int month; int day; int year; int b; int pinnacleEnd; int cycleEnd; };
    const Case cases[] = {{1, 7, 2000, 1, 35, 26}, {1, 1, 1998, 2, 34, 25}, {1, 9, 2000, 3, 33, 33},
                          {1, 1, 2000, 4, 32, 32}, {1, 2, 2000, 5, 31, 31}, {1, 3, 2000, 6, 30, 30},
                          {1, 4, 2000, 7, 29, 29}, {1, 5, 2000, 8, 28, 28}, {1, 6, 2000, 9, 27, 27}};
    for (const Case& c : cases) {
        const PersonRecord p = makePerson("A", "", "", "A", "", c.month, c.day, c.year);
        ASSERT_EQ(birthDateNumber(p), c.b);
        EXPECT_EQ(pinnacleEnd(p), c.pinnacleEnd) << c.b;
        EXPECT_EQ(cycleEnd(p), c.cycleEnd) << c.b;
    }
    const PersonRecord eleven = makePerson("A", "", "", "A", "", 1, 8, 2000);  // 2009 -> 11
    EXPECT_EQ(pinnacleEnd(eleven), 34);
    EXPECT_EQ(cycleEnd(eleven), 25);
}

TEST_F(Cycles, TransitsAndEssenceOfAnnaRoseLee) {
    const PersonRecord p = makePerson("Anna", "Rose", "Lee", "Anna", "Lee", 1, 1, 2000);
    struct Row { int age; const char* letters; const char* essence; int subject; };
    const Row rows[] = {{0, "ARL", "13/4", 4},  {1, "NRL", "17/8", 8},  {2, "NRL", "17/8", 8},
                        {3, "NRE", "19/1", 19}, {8, "NRE", "19/1", 19}, {9, "NOE", "16/7", 16},
                        {10, "NOE", "16/7", 16}, {11, "AOE", "12/3", 3}};
    for (const Row& row : rows) {
        const Transits t = transits(p, row.age);
        EXPECT_EQ(std::string({t.physical, t.mental, t.spiritual}), row.letters) << row.age;
        const int e = essence(t);
        EXPECT_EQ(std::string(formatNumber(e)), row.essence) << row.age;
        EXPECT_EQ(e % 100, row.subject) << row.age;
    }
}

TEST_F(Cycles, EmptyMiddleNameHasNoMentalTransit) {
    const PersonRecord p = makePerson("Anna", "", "Lee", "Anna", "Lee", 1, 1, 2000);
    const Transits t = transits(p, 0);
    EXPECT_EQ(t.mental, ' ');
    EXPECT_EQ(essence(t), packNumber(1 + 3, KEEP_ESSENCE));
}

TEST_F(Cycles, OneYearRangeGrowsInTheSecondHalfOfTheYear) {
    EXPECT_EQ(personalYearRange(2026, 2026, 6).last, 2026);
    EXPECT_EQ(personalYearRange(2026, 2026, 7).last, 2027);
    EXPECT_EQ(personalYearRange(2026, 2026, 12).last, 2027);
    EXPECT_EQ(personalYearRange(2026, 2028, 12).last, 2028);
    EXPECT_EQ(personalYearRange(2026, 2028, 12).first, 2026);
}

TEST_F(Cycles, LeapDayText) {
    EXPECT_TRUE(getsLeapDayText(2000, 2));
    EXPECT_FALSE(getsLeapDayText(1900, 2));
    EXPECT_FALSE(getsLeapDayText(2100, 2));
    EXPECT_TRUE(getsLeapDayText(2024, 2));
    EXPECT_FALSE(getsLeapDayText(2024, 3));
    EXPECT_FALSE(getsLeapDayText(2023, 2));
}

TEST_F(Cycles, PersonalMonthKeysStayThreeDigits) {
    const PersonRecord p = makePerson("A", "", "", "A", "", 6, 18, 1942);
    for (int year = 1990; year < 2040; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int key = personalMonthKey(p, year, month);
            EXPECT_EQ(key % 100, month);
            EXPECT_GE(key / 100, 1);
            EXPECT_LE(key / 100, 9);
        }
    }
}

}  // namespace
