// Numbers of the periods of a life: Challenges, Pinnacles, Cycles, the
// personal forecast keys of calendar periods, Transits and Essence.
#pragma once

#include "people/person.h"

struct Challenges { int number[4]; };  // plain 0..8
struct Pinnacles { int number[4]; };   // plain, 11 and 22 kept
struct LifeCycles { int number[3]; };  // plain, 11 and 22 kept

Challenges challenges(const PersonRecord& p);
Pinnacles pinnacles(const PersonRecord& p);
int pinnacleEnd(const PersonRecord& p);  // E: the last age of the First Pinnacle
LifeCycles lifeCycles(const PersonRecord& p);
int cycleEnd(const PersonRecord& p);     // F: the last age of the First Cycle

bool isLeapYear(int year);
int daysInMonth(int month, int year);  // by the Gregorian calendar
int personalYear(const PersonRecord& p, int year);
int personalMonth(const PersonRecord& p, int year, int month);
int personalMonthKey(const PersonRecord& p, int year, int month);  // 101..912
// Whether the day-by-day texts of this month get the extra 29 February text.
bool getsLeapDayText(int year, int month);

// The years a Personal Years topic reports: firstYear to lastYear, and the
// following year too when the range is one year and the year is half gone.
struct YearRange { int first; int last; };
YearRange personalYearRange(int firstYear, int lastYear, int todayMonth);

struct Transits {
    char physical;   // blank when the name has no letters
    char mental;
    char spiritual;
};
Transits transits(const PersonRecord& p, int age);
int essence(const Transits& t);  // packed, KEEP_ESSENCE
