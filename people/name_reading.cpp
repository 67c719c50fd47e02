#include "people/name_reading.h"

#include "engine/cycles.h"

#include <cstring>

const char* const MSG_REQUIRED_FIELD = "Required field: don't leave it empty.";
const char* const MSG_COMMA_IN_NAME = "Names may not contain a comma.";

NameReadResult readNameField(const char* typed, char (&field)[NAME_SIZE], bool required,
                             bool autoYW, YwReading& reading) {
    char taken[NAME_SIZE];
    copyName(taken, typed);
    const char* start = taken;
    while (*start == ' ') ++start;
    std::memmove(field, start, std::strlen(start) + 1);

    if (!applyYwRule(field, autoYW, reading)) return NameReadResult::Edit;
    if (required && field[0] == '\0') return NameReadResult::Required;
    if (std::strchr(field, ',')) return NameReadResult::Comma;
    return NameReadResult::Ok;
}

const char* nameReadMessage(NameReadResult result) {
    switch (result) {
    case NameReadResult::Required: return MSG_REQUIRED_FIELD;
    case NameReadResult::Comma: return MSG_COMMA_IN_NAME;
    default: return nullptr;
    }
}

DateCheck checkBirthDate(unsigned month, unsigned day, unsigned year, const TodayDate& date,
                         PersonRecord& p) {
    if (year < 1000) return {"Error in year", DateField::Year};
    if (month < 1 || month > 12) return {"Error in month (must be 1 to 12)", DateField::Month};
    // Years beyond the signed range are in the future anyway; keep the
    // arithmetic in range before comparing.
    const int y = year > 99999u ? 99999 : static_cast<int>(year);
    const int m = static_cast<int>(month);
    if (day < 1 || day > static_cast<unsigned>(daysInMonth(m, y)))
        return {"Error in day", DateField::Day};
    const int d = static_cast<int>(day);
    const bool future = y > date.todayYear ||
                        (y == date.todayYear && m > date.todayMonth) ||
                        (y == date.todayYear && m == date.todayMonth && d > date.todayDay);
    if (future) return {"Error in birth date (future date given)", DateField::Year};
    p.birthMonth = m;
    p.birthDay = d;
    p.birthYear = y;
    return {nullptr, DateField::None};
}

unsigned dialogNumber(const char* text) {
    while (*text == ' ') ++text;
    if (*text < '0' || *text > '9') return 0;
    unsigned long long n = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        n = n * 10 + static_cast<unsigned>(*text - '0');
        if (n > 0xFFFFFFFFull) return 0;
    }
    while (*text == ' ') ++text;
    return *text ? 0 : static_cast<unsigned>(n);
}
