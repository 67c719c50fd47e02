#include "compose/report_types.h"

#include "compose/composers.h"
#include "shell/settings.h"

#include <initializer_list>

namespace {

constexpr TopicMask range(int first, int last) {
    TopicMask m{};
    for (int i = first; i <= last; ++i) m.bits[i] = 1;
    return m;
}

constexpr TopicMask topics(std::initializer_list<int> list) {
    TopicMask m{};
    for (int i : list) m.bits[i] = 1;
    return m;
}

constexpr TopicMask NONE{};
constexpr TopicMask PROFILE_TOPICS = range(0, 33);
constexpr TopicMask COMPATIBILITY_TOPICS = topics({0, 1, 2, 3, 4, 6, 8, 10, 31, 32});
constexpr TopicMask NAME_TOPICS = topics({0, 1, 3, 6, 8, 10, 20});
constexpr TopicMask CALCULATOR_TOPICS = range(3, 27);
constexpr TopicMask SHORT_TOPICS = topics({0, 1, 2, 3, 4, 6, 8});

#define PROFILES_ROW \
    {"Personality Profiles", "EditUserStd", "TopicsDlgStd", composeProfile, 'P', PROFILE_TOPICS}
#define COMPATIBILITY_ROW \
    {"Relationship Compatibility", "EditUserCpt", "TopicsDlgCpt", composeCompatibility, 'R', COMPATIBILITY_TOPICS}
#define COLOR_CHART_ROW {"Color Chromagraph", "EditUserMap", "TopicsDlgStd", nullptr, 'C', PROFILE_TOPICS}
#define LUCKY_ROW {"Lucky Numbers", "EditUserLuk", "TopicsDlgStd", composeLuckyNumbers, 'L', NONE}
#define NAME_ROW {"Name Advisor", "EditUserNam", "TopicsDlgStd", composeNames, 'N', NAME_TOPICS}
#define DIAMOND_ROW {"Diamond", "EditUserDmd", "TopicsDlgStd", composeDiamond, 'D', NONE}

}  // namespace

// The odd rows 1 to 11 repeat the row before them.
const ReportTypeEntry reportTypes[REPORT_TYPE_COUNT] = {
    PROFILES_ROW,
    PROFILES_ROW,
    COMPATIBILITY_ROW,
    COMPATIBILITY_ROW,
    COLOR_CHART_ROW,
    COLOR_CHART_ROW,
    LUCKY_ROW,
    LUCKY_ROW,
    NAME_ROW,
    NAME_ROW,
    DIAMOND_ROW,
    DIAMOND_ROW,
    {"Chart Calculator", "EditUserStd", "TopicsDlgClc", composeChartCalculator, 'A', CALCULATOR_TOPICS},
    {"Short Profiles", "EditUserStd", "TopicsDlgMin", composeProfile, 'M', SHORT_TOPICS},
    {"Brindo", nullptr, nullptr, nullptr, ' ', NONE},
    {"Numerology Lyceum", nullptr, nullptr, nullptr, ' ', PROFILE_TOPICS},
    {"Everyday Numbers", "EditUserFnd", nullptr, composeEverydayNumbers, 'F', PROFILE_TOPICS},
};

bool topicOn(int flag) { return flag >= 0 && flag < TOPIC_COUNT && settings.topicFlags[flag] != 0; }
