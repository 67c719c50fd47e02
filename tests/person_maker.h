#pragma once

#include "people/person.h"

#include <cstring>

inline PersonRecord makePerson(const char* birthFirst, const char* birthMiddle, const char* birthLast,
                               const char* currentFirst, const char* currentLast, int month, int day,
                               int year) {
    PersonRecord p;
    std::memset(&p, 0, sizeof p);
    copyName(p.birthFirst, birthFirst);
    copyName(p.birthMiddle, birthMiddle);
    copyName(p.birthLast, birthLast);
    copyName(p.currentFirst, currentFirst);
    copyName(p.currentLast, currentLast);
    p.birthMonth = month;
    p.birthDay = day;
    p.birthYear = year;
    return p;
}

// Identity character map and automatic Y rule, as after the defaults.
void resetEngineSettings();
