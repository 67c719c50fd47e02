#include "shell/option_checks.h"

#include "shell/settings.h"

#include <initializer_list>

namespace {
const char* const ERROR_IN_YEAR = "Error in year";
const char* const ERROR_IN_MONTH = "Error in month (must be 1 to 12)";
const char* const ERROR_IN_RANGE = "Error in range";
const RangeCheck GOOD = {nullptr, 0};

std::int32_t held(unsigned value) { return value > 999999u ? 999999 : static_cast<std::int32_t>(value); }
}  // namespace

RangeCheck checkYearRange(unsigned firstYear, unsigned lastYear, int firstField, int lastField, int birthYear,
                          std::int32_t& storedFirst, std::int32_t& storedLast) {
    if (firstYear < 1000) return {ERROR_IN_YEAR, firstField};
    if (lastYear < 1000) return {ERROR_IN_YEAR, lastField};
    storedFirst = held(firstYear);
    storedLast = held(lastYear);
    if (storedLast < storedFirst || storedFirst < birthYear) return {ERROR_IN_RANGE, firstField};
    return GOOD;
}

RangeCheck checkMonthRange(unsigned firstMonth, unsigned firstYear, unsigned lastMonth, unsigned lastYear,
                           const MonthRangeFields& fields, int birthYear, int birthMonth, std::int32_t& storedFirst,
                           std::int32_t& storedLast) {
    std::int32_t first = 0, last = 0;
    const RangeCheck years = checkYearRange(firstYear, lastYear, fields.firstYear, fields.lastYear, birthYear, first, last);
    if (years.message) return years;
    if (firstMonth < 1 || firstMonth > 12) return {ERROR_IN_MONTH, fields.firstMonth};
    if (lastMonth < 1 || lastMonth > 12) return {ERROR_IN_MONTH, fields.lastMonth};
    storedFirst = monthIndex(first, static_cast<int>(firstMonth));
    storedLast = monthIndex(last, static_cast<int>(lastMonth));
    if (storedFirst > storedLast || storedFirst < monthIndex(birthYear, birthMonth))
        return {ERROR_IN_RANGE, fields.firstMonth};
    return GOOD;
}

RangeCheck checkAgeRange(int firstAge, int lastAge, int firstField) {
    if (firstAge < 1) return {"Error in first age", firstField};
    if (lastAge < firstAge) return {"Error in range of ages", firstField};
    return GOOD;
}

namespace {

TopicMask flagsOn(std::initializer_list<int> ranges) {
    TopicMask m{};
    for (auto it = ranges.begin(); it != ranges.end(); it += 2)
        for (int i = *it; i <= *(it + 1); ++i) m.bits[i] = 1;
    return m;
}

const TopicMask PRESETS[TOPIC_PRESET_COUNT] = {
    flagsOn({0, 6, 8, 8, 10, 11, 14, 15, 20, 20}),  // A: Short Profile
    flagsOn({0, 25}),                              // B: Full Profile
    flagsOn({0, 3, 25, 32}),                       // C: Forecast only
    flagsOn({33, 33}),                             // D: Day by Day Forecast
};

}  // namespace

TopicBoxes boxesFromFlags(const std::uint8_t* flags, const TopicMask& mask) {
    TopicBoxes boxes{};
    for (int i = 0; i < TOPIC_COUNT; ++i) boxes.on[i] = flags[i] && mask.bits[i];
    return boxes;
}

void allTopicsOn(TopicBoxes& boxes, const TopicMask& mask) {
    for (int i = 0; i < TOPIC_COUNT; ++i) boxes.on[i] = mask.bits[i] != 0;
}

void allTopicsOff(TopicBoxes& boxes) {
    for (bool& on : boxes.on) on = false;
}

void applyTopicPreset(TopicBoxes& boxes, int preset, const TopicMask& mask) {
    if (preset < 0 || preset >= TOPIC_PRESET_COUNT) return;
    boxes = boxesFromFlags(PRESETS[preset].bits, mask);
}

void recallUserTopics(TopicBoxes& boxes, const std::uint8_t* set, const TopicMask& mask) {
    boxes = boxesFromFlags(set, mask);
}

void storeUserTopics(const TopicBoxes& boxes, std::uint8_t* set) {
    for (int i = 0; i < TOPIC_COUNT; ++i) set[i] = boxes.on[i] ? 1 : 0;
}

void flagsFromBoxes(const TopicBoxes& boxes, const TopicMask& mask, std::uint8_t* flags) {
    for (int i = 0; i < TOPIC_COUNT; ++i) flags[i] = boxes.on[i] && mask.bits[i] ? 1 : 0;
    flags[TOPIC_COVER] = 1;
    flags[TOPIC_ALWAYS_OFF] = 0;
}
