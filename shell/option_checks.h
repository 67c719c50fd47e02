// The rules of the option dialogs without their windows: the checks of the
// year, month and age ranges, and the topic check boxes with their masks,
// presets and user sets.
#pragma once

#include "compose/report_types.h"

#include <cstdint>

// A failed check: its message and the field that takes the focus.
struct RangeCheck {
    const char* message;  // nullptr when the range is good
    int field;
};

// First and last year from their fields; both are stored even when the
// order is wrong. The first may not lie before the birth year.
RangeCheck checkYearRange(unsigned firstYear, unsigned lastYear, int firstField, int lastField, int birthYear,
                          std::int32_t& storedFirst, std::int32_t& storedLast);

struct MonthRangeFields {
    int firstMonth, firstYear, lastMonth, lastYear;  // field identifiers
};
// A range of months as two month indexes; the first may not lie before
// the month of birth.
RangeCheck checkMonthRange(unsigned firstMonth, unsigned firstYear, unsigned lastMonth, unsigned lastYear,
                           const MonthRangeFields& fields, int birthYear, int birthMonth, std::int32_t& storedFirst,
                           std::int32_t& storedLast);

// The ages of the Transits and the Essence; both messages go to the first field.
RangeCheck checkAgeRange(int firstAge, int lastAge, int firstField);

// A month index shown as its month (1 to 12) and year.
inline int monthOfIndex(int index) { return index % 12 + 1; }
inline int yearOfIndex(int index) { return index / 12; }

// ---- topics ----

enum { TOPIC_BOX_BASE = 201, TOPIC_PRESET_COUNT = 4, TOPIC_ALL_OFF_AFTER_OK = 35 };

struct TopicBoxes {
    bool on[TOPIC_COUNT];  // check box 201 + i
};

// The boxes as a dialog opens: each flag as far as the report type offers it.
TopicBoxes boxesFromFlags(const std::uint8_t* flags, const TopicMask& mask);
void allTopicsOn(TopicBoxes& boxes, const TopicMask& mask);
void allTopicsOff(TopicBoxes& boxes);
// Presets A to D ("Short Profile", "Full Profile", "Forecast only", "Day by
// Day Forecast"), as far as the mask offers them.
void applyTopicPreset(TopicBoxes& boxes, int preset, const TopicMask& mask);
// The user sets E to H: recalled through the mask, stored as the boxes are.
void recallUserTopics(TopicBoxes& boxes, const std::uint8_t* set, const TopicMask& mask);
void storeUserTopics(const TopicBoxes& boxes, std::uint8_t* set);
// OK: the flags the type offers as checked, all others off; the cover on.
void flagsFromBoxes(const TopicBoxes& boxes, const TopicMask& mask, std::uint8_t* flags);
