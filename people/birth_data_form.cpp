#include "people/birth_data_form.h"

#include "engine/letters.h"

#include <algorithm>
#include <cstring>

const char* const MSG_DIAMOND_AGE = "Error in age: must be between 1 and 81";

int typedBirthYear = 0;
int chartInColor = 1;

int completedAge(const TodayDate& date, int month, int day, int year) {
    int age = date.todayYear - year;
    if (date.todayMonth < month || (date.todayMonth == month && date.todayDay < day)) --age;
    return age;
}

namespace {
bool allDigits(const char* text) { return std::strspn(text, "0123456789") == std::strlen(text); }
}  // namespace

EverydayCheck checkEverydayFields(const char* phone, const char* nineDigits) {
    if (!allDigits(phone)) return {"Must be all digits.", EverydayField::Phone};
    if (!allDigits(nineDigits)) return {"Must be all digits.", EverydayField::NineDigits};
    const std::size_t length = std::strlen(nineDigits);
    if (length == 0) return {nullptr, EverydayField::None};
    if (length != 9) return {"Must have 9 digits.", EverydayField::NineDigits};
    if (std::count(nineDigits, nineDigits + length, '0') > 3)
        return {"May have no more than 3 zeros.", EverydayField::NineDigits};
    return {nullptr, EverydayField::None};
}

bool diamondAgeAllowed(unsigned age) { return age >= 1 && age <= 81; }

namespace {
std::string cutToTitle(std::string title) {
    if (title.size() > WINDOW_TITLE_SIZE - 1) title.resize(WINDOW_TITLE_SIZE - 1);
    return title;
}
}  // namespace

std::string reportWindowTitle(const char* reportTitle, const char* name) {
    return cutToTitle(std::string(reportTitle) + " - " + properName(name));
}

std::string reportWindowTitle(const char* reportTitle, const char* name, const char* secondName) {
    return cutToTitle(std::string(reportTitle) + " - " + properName(name) + " - " + properName(secondName));
}

UserListLines userListLines(const PersonRecord& p, const char* monthName) {
    UserListLines lines;
    lines.name = std::string(p.currentFirst) + " " + p.currentLast;
    lines.born = std::string("Born:  ") + p.birthFirst + " " + p.birthMiddle + " " + p.birthLast;
    lines.date = std::string(monthName) + " " + std::to_string(p.birthDay) + ", " + std::to_string(p.birthYear);
    return lines;
}

const char* englishMonthName(int month) {
    static const char* const NAMES[] = {"January", "February", "March",     "April",   "May",      "June",
                                        "July",    "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? NAMES[month - 1] : "";
}
