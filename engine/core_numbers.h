// The numbers of a chart that follow from the birth name, the current name
// and the birth date.
#pragma once

#include "people/person.h"

// Values that several topics of one report share, worked out once.
struct ReportNumbers {
    char fullBirthName[3 * NAME_SIZE];
    int birthDateNumber;
    int valueCounts[10];
    int missingCount;
};

// A short ascending list of values 1 to 9.
struct DigitList {
    int count = 0;
    int values[9] = {};
};

enum { LIFE_PATH_A = 0, LIFE_PATH_B = 1, LIFE_PATH_C = 2 };

void fillReportNumbers(const PersonRecord& p, ReportNumbers& numbers);

int lifePath(const PersonRecord& p, int method);  // packed; 0 for an unknown method
int birthdayNumber(const PersonRecord& p);        // plain
int expression(const PersonRecord& p);            // packed
int minorExpression(const PersonRecord& p);       // packed
int heartsDesire(const PersonRecord& p);          // packed
int minorHeartsDesire(const PersonRecord& p);     // packed
int personality(const PersonRecord& p);           // packed, never a master number
int maturity(const PersonRecord& p);              // packed
int lifePathExpressionBridge(const PersonRecord& p);       // plain 0..8
int heartsDesirePersonalityBridge(const PersonRecord& p);  // plain 0..8

DigitList karmicLessons(const ReportNumbers& numbers);
DigitList hiddenPassion(const ReportNumbers& numbers);
int subconsciousSelf(const ReportNumbers& numbers);  // 0 when not reported

int physicalPlane(const ReportNumbers& numbers);   // packed each
int mentalPlane(const ReportNumbers& numbers);
int emotionalPlane(const ReportNumbers& numbers);
int intuitivePlane(const ReportNumbers& numbers);

int balanceNumber(const PersonRecord& p);    // plain
int rationalThought(const PersonRecord& p);  // packed
char cornerstone(const PersonRecord& p);     // blank when not reported

// reduceNumber (month + day + year, KEEP_MASTERS): 1 to 9, 11 or 22.
int birthDateNumber(const PersonRecord& p);
