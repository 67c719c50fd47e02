// The one record of the user's choices, kept whole as Vek.ini.
#pragma once

#include "people/person.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum : std::uint16_t { SETTINGS_MAGIC = 22305 };
enum { TOPIC_FLAG_COUNT = 36, TOPIC_SET_SIZE = 44, USER_TOPIC_SETS = 4, PATH_SIZE = 260 };

#pragma pack(push, 1)
// Same layout as the system's logical-font record, so the window layer can
// hand it to the font functions as it is.
struct ReportFont {
    std::int32_t height;
    std::int32_t width;
    std::int32_t escapement;
    std::int32_t orientation;
    std::int32_t weight;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeOut;
    std::uint8_t charSet;
    std::uint8_t outPrecision;
    std::uint8_t clipPrecision;
    std::uint8_t quality;
    std::uint8_t pitchAndFamily;
    char faceName[32];
};

struct Settings {
    std::uint16_t magic;
    ReportFont reportFont;
    std::uint8_t charMap[256];
    std::int32_t languageIndex;
    std::int32_t viaWordProcessor;
    std::int32_t extraLinesPerPage;
    std::int32_t autoYW;
    std::int32_t lifePathMethod;
    std::int32_t alwaysSaveBirthData;
    std::int32_t firstAge;
    std::int32_t lastAge;
    std::int32_t firstYear;
    std::int32_t lastYear;
    std::int32_t firstMonth;
    std::int32_t lastMonth;
    std::int32_t firstDayMonth;
    std::int32_t lastDayMonth;
    std::uint8_t topicFlags[TOPIC_SET_SIZE];
    std::uint8_t userTopicSets[USER_TOPIC_SETS][TOPIC_SET_SIZE];
    char wordProcessorPath[PATH_SIZE];
    std::int32_t wordProcessorMode;
    char coverAuthor[80];
    char logoPath[PATH_SIZE];
    char coverText[1000];
};
#pragma pack(pop)

static_assert(sizeof(ReportFont) == 60, "a logical-font record is 60 bytes");
static_assert(sizeof(Settings) == 2198, "Vek.ini holds the record whole");
static_assert(offsetof(Settings, reportFont) == 2, "");
static_assert(offsetof(Settings, charMap) == 62, "");
static_assert(offsetof(Settings, languageIndex) == 318, "");
static_assert(offsetof(Settings, autoYW) == 330, "");
static_assert(offsetof(Settings, firstAge) == 342, "");
static_assert(offsetof(Settings, lastDayMonth) == 370, "");
static_assert(offsetof(Settings, topicFlags) == 374, "");
static_assert(offsetof(Settings, userTopicSets) == 418, "");
static_assert(offsetof(Settings, wordProcessorPath) == 594, "");
static_assert(offsetof(Settings, wordProcessorMode) == 854, "");
static_assert(offsetof(Settings, coverAuthor) == 858, "");
static_assert(offsetof(Settings, logoPath) == 938, "");
static_assert(offsetof(Settings, coverText) == 1198, "");

// Report types whose defaults differ from the others.
enum { REPORT_LUCKY_NUMBERS = 6, REPORT_NAME_ADVISOR = 8, REPORT_DIAMOND = 10 };
enum { TOPIC_INTRODUCTION = 3, TOPIC_ALWAYS_OFF = 34 };

extern Settings settings;
extern int dailyLuckyNumbers;  // not saved
extern int cyclesChosen;       // not saved

extern const char* const SETTINGS_FILE_NAME;  // "Vek.ini"

// Reads the record from path. Succeeds only for a file of at least the
// record's size with the right magic; on failure the record is untouched
// and the caller applies the defaults.
bool loadSettings(const std::string& path);
bool settingsFromBytes(const void* bytes, std::size_t size);  // the first 2198 bytes count

// Writes the record whole with the magic set; false, after telling the user
// ("Error" box), when not all was written.
bool saveSettings(const std::string& path);

// The defaults for the given report type; the paths are made in programFolder.
void applySettingsDefaults(int reportType, const std::string& programFolder,
                           const TodayDate& date, const PersonRecord& person);

// Loads path, or applies the defaults when that fails. True when loaded.
bool loadSettingsOrDefaults(const std::string& path, int reportType,
                            const std::string& programFolder);

inline int monthIndex(int year, int month) { return year * 12 + month - 1; }
