#include "engine/cycles.h"

#include "engine/core_numbers.h"
#include "engine/letters.h"

namespace {
int absDifference(int a, int b) { return a > b ? a - b : b - a; }
}

Challenges challenges(const PersonRecord& p) {
    const int cm = reduceNumber(p.birthMonth, KEEP_NONE);
    const int cd = reduceNumber(p.birthDay, KEEP_NONE);
    const int cy = reduceNumber(p.birthYear, KEEP_NONE);
    Challenges c;
    c.number[0] = absDifference(cm, cd);
    c.number[1] = absDifference(cd, cy);
    c.number[2] = absDifference(c.number[1], c.number[0]);
    c.number[3] = absDifference(cm, cy);
    return c;
}

Pinnacles pinnacles(const PersonRecord& p) {
    const int pm = reduceNumber(p.birthMonth, KEEP_MASTERS);
    const int pd = reduceNumber(p.birthDay, KEEP_MASTERS);
    const int py = reduceNumber(p.birthYear, KEEP_MASTERS);
    Pinnacles result;
    result.number[0] = reduceNumber(pm + pd, KEEP_MASTERS);
    result.number[1] = reduceNumber(pd + py, KEEP_MASTERS);
    result.number[2] = reduceNumber(result.number[0] + result.number[1], KEEP_MASTERS);
    result.number[3] = reduceNumber(pm + py, KEEP_MASTERS);
    return result;
}

int pinnacleEnd(const PersonRecord& p) {
    const int b = birthDateNumber(p);
    if (b == 22) return 32;
    if (b == 11) return 34;
    return 36 - b;
}

LifeCycles lifeCycles(const PersonRecord& p) {
    LifeCycles result;
    result.number[0] = reduceNumber(p.birthMonth, KEEP_MASTERS);
    result.number[1] = reduceNumber(p.birthDay, KEEP_MASTERS);
    result.number[2] = reduceNumber(p.birthYear, KEEP_MASTERS);
    return result;
}

int cycleEnd(const PersonRecord& p) {
    const int b = birthDateNumber(p);
    if (b == 22) return 32;
    if (b == 11) return 25;
    return b < 3 ? 27 - b : 36 - b;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int month, int year) {
    switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return isLeapYear(year) ? 29 : 28;
    default: return 31;
    }
}

int personalYear(const PersonRecord& p, int year) {
    return reduceNumber(p.birthMonth + p.birthDay + year, KEEP_NONE);
}

int personalMonth(const PersonRecord& p, int year, int month) {
    return reduceNumber(p.birthMonth + p.birthDay + year + month, KEEP_NONE);
}

int personalMonthKey(const PersonRecord& p, int year, int month) {
    return personalYear(p, year) * 100 + month;
}

bool getsLeapDayText(int year, int month) { return month == 2 && isLeapYear(year); }

YearRange personalYearRange(int firstYear, int lastYear, int todayMonth) {
    YearRange range{firstYear, lastYear};
    if (firstYear == lastYear && todayMonth >= 7) range.last = lastYear + 1;
    return range;
}

Transits transits(const PersonRecord& p, int age) {
    return Transits{transitLetter(p.birthFirst, age), transitLetter(p.birthMiddle, age),
                    transitLetter(p.birthLast, age)};
}

int essence(const Transits& t) {
    auto value = [](char letter) { return letterValue[static_cast<unsigned char>(letter)]; };
    return packNumber(value(t.physical) + value(t.mental) + value(t.spiritual), KEEP_ESSENCE);
}
