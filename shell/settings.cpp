#include "shell/settings.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstring>

Settings settings;
int dailyLuckyNumbers = 0;
int cyclesChosen = 0;

const char* const SETTINGS_FILE_NAME = "Vek.ini";

bool settingsFromBytes(const void* bytes, std::size_t size) {
    // Checked in a copy first so that nothing of a failed load reaches the record.
    Settings loaded;
    if (size < sizeof loaded) return false;
    std::memcpy(&loaded, bytes, sizeof loaded);
    if (loaded.magic != SETTINGS_MAGIC) return false;
    settings = loaded;
    return true;
}

bool loadSettings(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char bytes[sizeof(Settings)];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return settingsFromBytes(bytes, got);
}

bool saveSettings(const std::string& path) {
    settings.magic = SETTINGS_MAGIC;
    if (platform::writeFileReplacing(path, &settings, sizeof settings)) return true;
    const std::string message = "The settings could not be saved in " + path + ".";
    platform::messageBox(message.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
    return false;
}

namespace {

void copyField(char* field, std::size_t size, const std::string& text) {
    std::snprintf(field, size, "%s", text.c_str());
}

}  // namespace

void applySettingsDefaults(int reportType, const std::string& programFolder,
                           const TodayDate& date, const PersonRecord& person) {
    settings.magic = SETTINGS_MAGIC;

    ReportFont& font = settings.reportFont;
    std::memset(&font, 0, sizeof font);
    font.height = -15;
    font.weight = 400;
    font.charSet = 0;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 0x22;
    copyField(font.faceName, sizeof font.faceName, "Arial");

    for (int i = 0; i < 256; ++i) settings.charMap[i] = static_cast<std::uint8_t>(i);
    settings.languageIndex = 0;
    settings.viaWordProcessor = 1;
    settings.extraLinesPerPage = 0;
    settings.autoYW = 1;
    settings.lifePathMethod = 0;
    settings.alwaysSaveBirthData = 1;

    settings.firstAge = date.todayYear - person.birthYear;
    settings.lastAge = settings.firstAge + 2;
    settings.firstYear = date.todayYear;
    settings.lastYear = settings.firstYear + 2;
    settings.firstMonth = monthIndex(date.todayYear, date.todayMonth);
    settings.lastMonth = settings.firstMonth + 25;
    settings.firstDayMonth = settings.firstMonth;
    settings.lastDayMonth = settings.firstDayMonth + 7;

    // The spare bytes after the topic flags of each set are left as they are.
    std::memset(settings.topicFlags, 1, TOPIC_FLAG_COUNT);
    settings.topicFlags[TOPIC_ALWAYS_OFF] = 0;
    for (auto& set : settings.userTopicSets) std::memset(set, 0, TOPIC_FLAG_COUNT);

    copyField(settings.wordProcessorPath, sizeof settings.wordProcessorPath,
              platform::joinPath(programFolder, "WordPad.exe"));
    settings.wordProcessorMode = 0;
    copyField(settings.coverAuthor, sizeof settings.coverAuthor, "Ulvar Tamsi");
    copyField(settings.logoPath, sizeof settings.logoPath,
              platform::joinPath(programFolder, "Logo.bmp"));
    std::memset(settings.coverText, 0, sizeof settings.coverText);

    cyclesChosen = 0;
    switch (reportType) {
    case REPORT_LUCKY_NUMBERS:
        dailyLuckyNumbers = 1;
        settings.lastMonth += 13;
        break;
    case REPORT_DIAMOND:
        settings.lastAge = 0;
        break;
    case REPORT_NAME_ADVISOR:
        settings.topicFlags[TOPIC_INTRODUCTION] = 1;
        break;
    default:
        break;
    }
}

bool loadSettingsOrDefaults(const std::string& path, int reportType,
                            const std::string& programFolder) {
    if (loadSettings(path)) return true;
    applySettingsDefaults(reportType, programFolder, today, person1);
    return false;
}
