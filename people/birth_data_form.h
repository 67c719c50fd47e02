// What the birth-data dialogs decide without a window: the Diamond's age,
// the Everyday Numbers fields, the titles, and the lines of the user list.
#pragma once

#include "people/person.h"

#include <string>

// Completed years of age on date for a person born on month/day/year.
int completedAge(const TodayDate& date, int month, int day, int year);

// The Everyday Numbers fields, checked in the dialog's order.
enum class EverydayField { None, Address, Phone, NineDigits };
struct EverydayCheck {
    const char* message;  // nullptr when the fields are good
    EverydayField field;
};
EverydayCheck checkEverydayFields(const char* phone, const char* nineDigits);

extern const char* const MSG_DIAMOND_AGE;  // "Error in age: must be between 1 and 81"
bool diamondAgeAllowed(unsigned age);

enum { WINDOW_TITLE_SIZE = 80 };
// "title - Name" (or "title - Name - Name" for two people), with the proper
// form of each name, cut to the 79 characters of the window title.
std::string reportWindowTitle(const char* reportTitle, const char* name);
std::string reportWindowTitle(const char* reportTitle, const char* name, const char* secondName);

// The three lines the user list paints for the selected entry.
struct UserListLines {
    std::string name;   // "first last"
    std::string born;   // "Born:  first middle last"
    std::string date;   // "Month day, year"
};
UserListLines userListLines(const PersonRecord& person, const char* monthName);
// The English name of a month 1 to 12 ("" otherwise), for before the
// archive's own month names were loaded.
const char* englishMonthName(int month);

// The dialog layer's globals, not saved: the year last typed into a birth
// year field (the time-range dialog's default ages start from it), and
// whether the color chart is drawn in color (1 at start).
extern int typedBirthYear;
extern int chartInColor;
