// The report types: what each is called, which dialogs it uses, which
// composer writes its list file and which topics it offers.
#pragma once

#include <cstdint>

enum { REPORT_TYPE_COUNT = 17, TOPIC_COUNT = 36 };

enum ReportTypeIndex {
    TYPE_PROFILES = 0,
    TYPE_COMPATIBILITY = 2,
    TYPE_COLOR_CHART = 4,
    TYPE_LUCKY = 6,
    TYPE_NAME = 8,
    TYPE_DIAMOND = 10,
    TYPE_CHART_CALCULATOR = 12,
    TYPE_SHORT_PROFILES = 13,
    TYPE_PUZZLE = 14,
    TYPE_COURSE = 15,
    TYPE_EVERYDAY = 16,
};

// Topic flags, as the composers read them.
enum TopicFlag {
    TOPIC_COVER = 0, TOPIC_CONTENTS = 1, TOPIC_CHART_SUMMARY = 2, TOPIC_INTRO = 3,
    TOPIC_LIFE_PATH = 4, TOPIC_BIRTHDAY = 5, TOPIC_EXPRESSION = 6, TOPIC_MINOR_EXPRESSION = 7,
    TOPIC_HEARTS_DESIRE = 8, TOPIC_MINOR_HEARTS_DESIRE = 9, TOPIC_PERSONALITY = 10, TOPIC_MATURITY = 11,
    TOPIC_LE_BRIDGE = 12, TOPIC_HP_BRIDGE = 13, TOPIC_KARMIC_LESSONS = 14, TOPIC_HIDDEN_PASSION = 15,
    TOPIC_PHYSICAL_PLANE = 16, TOPIC_MENTAL_PLANE = 17, TOPIC_EMOTIONAL_PLANE = 18, TOPIC_INTUITIVE_PLANE = 19,
    TOPIC_BALANCE = 20, TOPIC_RATIONAL_THOUGHT = 21, TOPIC_CORNERSTONE = 22, TOPIC_SUBCONSCIOUS_SELF = 23,
    TOPIC_CHALLENGES = 24, TOPIC_PINNACLES = 25, TOPIC_CYCLES = 26, TOPIC_PHYSICAL_TRANSIT = 27,
    TOPIC_PROGRESSIVE_CHART = 27, TOPIC_MENTAL_TRANSIT = 28, TOPIC_SPIRITUAL_TRANSIT = 29, TOPIC_ESSENCE = 30,
    TOPIC_PERSONAL_YEARS = 31, TOPIC_PERSONAL_MONTHS = 32, TOPIC_PERSONAL_DAYS = 33,
};

typedef void (*Composer)();

struct TopicMask {
    std::uint8_t bits[TOPIC_COUNT];  // 1: the report offers topic i
};

struct ReportTypeEntry {
    const char* title;
    const char* dataDialog;     // nullptr: none
    const char* topicsDialog;   // nullptr: none
    Composer composer;          // nullptr: the report makes no list file
    char fileCode;
    TopicMask topicMask;
};

extern const ReportTypeEntry reportTypes[REPORT_TYPE_COUNT];

bool topicOn(int flag);  // the setting's topic flag
