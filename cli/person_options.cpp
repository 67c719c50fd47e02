#include "cli/person_options.h"

#include "cli/cp1252.h"
#include "people/name_reading.h"
#include "platform/platform.h"
#include "shell/settings.h"

#include <cstring>

const std::vector<std::string> PERSON_OPTIONS = {
    "birth-first", "birth-middle", "birth-last", "current-first", "current-last",
    "born",        "method",       "auto-yw",    "today",
};

const std::vector<std::string> SECOND_PERSON_OPTIONS = {
    "second-birth-first",   "second-birth-middle", "second-birth-last",
    "second-current-first", "second-current-last", "second-born",
};

bool readTodayOption(const Options& options, TodayDate& date, std::string& error) {
    if (!options.has("today")) {
        const platform::Date now = platform::today();
        date = TodayDate{now.month, now.day, now.year};
        readToday();
        return true;
    }
    unsigned m, d, y;
    if (!parseSlashDate(options.get("today"), m, d, y) || y < 1 || y > 99999 || m < 1 || m > 12 ||
        d < 1 || d > static_cast<unsigned>(daysInMonth(static_cast<int>(m), static_cast<int>(y)))) {
        error = "--today must be a date M/D/YYYY";
        return false;
    }
    date = TodayDate{static_cast<int>(m), static_cast<int>(d), static_cast<int>(y)};
    // Everything that asks for today's date from here on gets this one.
    const platform::Date fixed{date.todayMonth, date.todayDay, date.todayYear};
    platform::setFixedToday(&fixed);
    readToday();
    return true;
}

bool readSettingOptions(const Options& options, std::string& error) {
    if (options.has("method")) {
        const std::string method = options.get("method");
        if (method.size() != 1 || method[0] < 'A' || method[0] > 'C') {
            error = "--method must be A, B or C";
            return false;
        }
        settings.lifePathMethod = method[0] - 'A';
    }
    if (options.has("auto-yw")) {
        const std::string autoYW = options.get("auto-yw");
        if (autoYW != "0" && autoYW != "1") {
            error = "--auto-yw must be 1 or 0";
            return false;
        }
        settings.autoYW = autoYW[0] - '0';
    }
    return true;
}

bool readPersonFields(const Options& options, const std::string& prefix, const TodayDate& date,
                      PersonRecord& person, std::string& error, bool required) {
    std::memset(&person, 0, sizeof person);
    struct NameOption {
        const char* option;
        char (*field)[NAME_SIZE];
        bool required;
    };
    const NameOption names[] = {
        {"birth-first", &person.birthFirst, true},     {"birth-middle", &person.birthMiddle, false},
        {"birth-last", &person.birthLast, false},      {"current-first", &person.currentFirst, true},
        {"current-last", &person.currentLast, false},
    };
    YwReading reading;  // with the rule off, the names are accepted as typed
    for (const NameOption& name : names) {
        const std::string option = prefix + name.option;
        std::string typed;
        if (!utf8ToCp1252(options.get(option), typed)) {
            error = "--" + option + " holds a character that Windows-1252 lacks";
            return false;
        }
        const NameReadResult result =
            readNameField(typed.c_str(), *name.field, required && name.required, settings.autoYW != 0, reading);
        if (result != NameReadResult::Ok) {
            error = std::string(nameReadMessage(result)) + " (--" + option + ")";
            return false;
        }
    }

    unsigned m = 0, d = 0, y = 0;
    const std::string born = prefix + "born";
    if (!required && !options.has(born)) return true;
    if (options.has(born) && !parseSlashDate(options.get(born), m, d, y)) m = d = y = 0;
    const DateCheck check = checkBirthDate(m, d, y, date, person);
    if (check.message) {
        error = std::string(check.message) + " (--" + born + ")";
        return false;
    }
    return true;
}

bool readPersonOptions(const Options& options, PersonRecord& person, TodayDate& date,
                       std::string& error) {
    if (!readTodayOption(options, date, error)) return false;
    std::memset(&person, 0, sizeof person);
    applySettingsDefaults(0, ".", date, person);
    return readSettingOptions(options, error) && readPersonFields(options, "", date, person, error);
}
