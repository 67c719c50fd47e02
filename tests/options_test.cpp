#include "shell/char_map.h"
#include "shell/option_checks.h"
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(YearRange, YearsOrderAndTheBirthYear) {
    std::int32_t first = 0, last = 0;
    RangeCheck check = checkYearRange(999, 2030, 184, 190, 1949, first, last);
    EXPECT_STREQ(check.message, "Error in year");
    EXPECT_EQ(check.field, 184);
    check = checkYearRange(2026, 12, 184, 190, 1949, first, last);
    EXPECT_STREQ(check.message, "Error in year");
    EXPECT_EQ(check.field, 190);
    // Both years are stored even when their order is wrong.
    check = checkYearRange(2030, 2026, 184, 190, 1949, first, last);
    EXPECT_STREQ(check.message, "Error in range");
    EXPECT_EQ(check.field, 184);
    EXPECT_EQ(first, 2030);
    EXPECT_EQ(last, 2026);
    check = checkYearRange(1948, 2026, 184, 190, 1949, first, last);  // before the birth year
    EXPECT_STREQ(check.message, "Error in range");
    check = checkYearRange(1949, 1949, 184, 190, 1949, first, last);
    EXPECT_EQ(check.message, nullptr);
}

TEST(MonthRange, IndexesAcrossTheTurnOfTheYear) {
    const MonthRangeFields fields{185, 186, 191, 192};
    std::int32_t first = 0, last = 0;
    RangeCheck check = checkMonthRange(12, 2005, 1, 2006, fields, 1949, 5, first, last);
    EXPECT_EQ(check.message, nullptr);
    EXPECT_EQ(first, 24071);
    EXPECT_EQ(last, 24072);
    EXPECT_EQ(monthOfIndex(first), 12);
    EXPECT_EQ(yearOfIndex(first), 2005);
    check = checkMonthRange(13, 2005, 1, 2006, fields, 1949, 5, first, last);
    EXPECT_STREQ(check.message, "Error in month (must be 1 to 12)");
    EXPECT_EQ(check.field, 185);
    check = checkMonthRange(1, 2005, 0, 2006, fields, 1949, 5, first, last);
    EXPECT_EQ(check.field, 191);
    check = checkMonthRange(2, 2006, 1, 2006, fields, 1949, 5, first, last);
    EXPECT_STREQ(check.message, "Error in range");
    EXPECT_EQ(check.field, 185);
    check = checkMonthRange(4, 1949, 1, 2006, fields, 1949, 5, first, last);  // before the month of birth
    EXPECT_STREQ(check.message, "Error in range");
    check = checkMonthRange(5, 1949, 1, 0, fields, 1949, 5, first, last);  // the years come first
    EXPECT_STREQ(check.message, "Error in year");
    EXPECT_EQ(check.field, 192);
}

TEST(AgeRange, FirstAgeAndOrder) {
    EXPECT_STREQ(checkAgeRange(0, 5, 189).message, "Error in first age");
    EXPECT_STREQ(checkAgeRange(6, 5, 189).message, "Error in range of ages");
    EXPECT_EQ(checkAgeRange(6, 5, 189).field, 189);
    EXPECT_EQ(checkAgeRange(5, 5, 189).message, nullptr);
}

TEST(TopicBoxes, MasksPresetsAndUserSets) {
    std::uint8_t flags[TOPIC_SET_SIZE];
    std::memset(flags, 1, sizeof flags);
    const TopicMask& compatibility = reportTypes[TYPE_COMPATIBILITY].topicMask;
    TopicBoxes boxes = boxesFromFlags(flags, compatibility);
    flagsFromBoxes(boxes, compatibility, flags);
    // OK in the compatibility dialog turns off what it doesn't offer.
    EXPECT_EQ(flags[TOPIC_BIRTHDAY], 0);
    EXPECT_EQ(flags[TOPIC_MINOR_EXPRESSION], 0);
    for (int cycle = TOPIC_PHYSICAL_TRANSIT; cycle <= TOPIC_ESSENCE; ++cycle) EXPECT_EQ(flags[cycle], 0) << cycle;
    EXPECT_EQ(flags[TOPIC_PERSONAL_DAYS], 0);
    EXPECT_EQ(flags[TOPIC_PERSONAL_YEARS], 1);
    EXPECT_EQ(flags[TOPIC_PERSONAL_MONTHS], 1);
    EXPECT_EQ(flags[TOPIC_ALWAYS_OFF], 0);
    EXPECT_EQ(flags[35], 0);

    const TopicMask& profile = reportTypes[TYPE_PROFILES].topicMask;
    applyTopicPreset(boxes, 0, profile);  // A: Short Profile
    const int shortProfile[] = {0, 1, 2, 3, 4, 5, 6, 8, 10, 11, 14, 15, 20};
    int on = 0;
    for (bool b : boxes.on) on += b;
    EXPECT_EQ(on, 13);
    for (int flag : shortProfile) EXPECT_TRUE(boxes.on[flag]) << flag;
    applyTopicPreset(boxes, 3, profile);  // D: Day by Day Forecast
    for (int i = 0; i < TOPIC_COUNT; ++i) EXPECT_EQ(boxes.on[i], i == TOPIC_PERSONAL_DAYS) << i;
    // Presets through the short profiles' smaller mask.
    applyTopicPreset(boxes, 1, reportTypes[TYPE_SHORT_PROFILES].topicMask);
    EXPECT_TRUE(boxes.on[TOPIC_HEARTS_DESIRE]);
    EXPECT_FALSE(boxes.on[TOPIC_BIRTHDAY]);
    // A user set stores the boxes as they are and is recalled through the mask.
    std::uint8_t set[TOPIC_SET_SIZE] = {};
    allTopicsOn(boxes, profile);
    storeUserTopics(boxes, set);
    EXPECT_EQ(set[TOPIC_PERSONAL_DAYS], 1);
    EXPECT_EQ(set[TOPIC_ALWAYS_OFF], 0);
    recallUserTopics(boxes, set, reportTypes[TYPE_CHART_CALCULATOR].topicMask);
    EXPECT_FALSE(boxes.on[TOPIC_CONTENTS]);
    EXPECT_TRUE(boxes.on[TOPIC_PROGRESSIVE_CHART]);
    allTopicsOff(boxes);
    flagsFromBoxes(boxes, profile, flags);
    EXPECT_EQ(flags[TOPIC_COVER], 1);  // the cover stays
}

TEST(CharMapGeometry, KeysTargetsAndMisses) {
    EXPECT_EQ(keyAt(10, 38), 32);   // the blank: no key
    EXPECT_EQ(keyAt(25, 55), 32);
    EXPECT_EQ(keyAt(26, 38), 33);
    EXPECT_EQ(keyAt(16 * 6 + 10, 18 * 7 + 20), 0xE6);
    EXPECT_EQ(keyAt(16 * 31 + 25, 18 * 7 + 37), 255);
    EXPECT_EQ(keyAt(16 * 32 + 10, 60), -1);  // right of the grid
    EXPECT_EQ(keyAt(100, 37), -1);           // above the first row
    EXPECT_EQ(keyAt(100, 164), -1);          // below the last
    EXPECT_EQ(targetAt(26, 206), 1);
    EXPECT_EQ(TARGET_ROW[targetAt(26, 206)], 'A');
    EXPECT_EQ(TARGET_ROW[targetAt(16 * 31 + 10, 223)], '&');
    EXPECT_EQ(targetAt(25, 210), -1);  // the blank at position 0 isn't offered
    EXPECT_EQ(targetAt(100, 224), -1);
    const CellBox cell = keyCell(0xE6);
    EXPECT_EQ(cell.left, 106);
    EXPECT_EQ(cell.top, 146);
    EXPECT_EQ(cell.right, 122);
    EXPECT_EQ(cell.bottom, 164);
    EXPECT_EQ(keyTextX(0xE6), 110);
    EXPECT_EQ(keyTextY(0xE6), 148);
}

TEST(CharMapList, AddConflictAndTheMap) {
    std::vector<std::string> lines;
    int found = -1;
    EXPECT_EQ(addMapping(lines, '\xE6', NO_TARGET, found), AddResult::NothingSelected);
    EXPECT_EQ(addMapping(lines, '\xE6', 'A', found), AddResult::Added);
    EXPECT_EQ(lines[0], "  treat '\xE6' as 'A'");
    EXPECT_EQ(lineKey(lines[0]), '\xE6');
    EXPECT_EQ(lineTarget(lines[0]), 'A');
    EXPECT_EQ(addMapping(lines, '\xE6', 'A', found), AddResult::AlreadyThere);
    EXPECT_EQ(addMapping(lines, '\xF1', 'N', found), AddResult::Added);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(addMapping(lines, '\xE6', 'E', found), AddResult::Conflict);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(lines.size(), 2u);

    std::uint8_t map[256];
    mapFromLines(lines, map);
    EXPECT_EQ(map[0xE6], 'A');
    EXPECT_EQ(map[0xF1], 'N');
    EXPECT_EQ(map['B'], 'B');
    EXPECT_EQ(mappingLines(map), lines);
    mapFromLines({}, map);  // Remove ALL, then Done: the identity
    for (int i = 0; i < 256; ++i) ASSERT_EQ(map[i], i);
    EXPECT_TRUE(mappingLines(map).empty());
    EXPECT_EQ(mappingSentenceEnd(0xE6, 'A'), "' key (ascii code 230) to be treated like the letter 'A'");
}

}  // namespace
