// Every number the chart shows, worked out by the chart program itself
// from the handed-over person by the chart's own rules.
#pragma once

#include "chart/intercom.h"

#include <cstdint>
#include <string>
#include <vector>

// Keeps 11, 13, 14, 16, 19 and 22 (not 33): the Diamond and the name rows.
enum : std::uint32_t { KEEP_CHART = 0x4968 };

enum { CHART_AGES = 200, DIAMOND_BASE = 9, DIAMOND_ROWS = 8, CHART_YEARS = 3 };
enum { PLANE_PHYSICAL, PLANE_MENTAL, PLANE_EMOTIONAL, PLANE_INTUITIVE, PLANE_COUNT };
enum { GROUP_CREATIVE, GROUP_VACILLATING, GROUP_GROUNDED, GROUP_COUNT };
enum { CYCLE_TO_THE_END = 999 };

// One word of a name row: its characters as stored, their raw values and
// kinds, and the raw sums of all letters, the vowels and the consonants.
struct NameWord {
    std::string letters;
    std::vector<int> values;
    std::vector<int> kinds;
    int sumAll = 0;
    int sumVowels = 0;
    int sumConsonants = 0;
};

// The characters of one Planes of Expression group, in name order.
struct PlaneGroup {
    std::string letters;
    int sum = 0;
    int count() const { return static_cast<int>(letters.size()); }
};

struct Plane {
    PlaneGroup groups[GROUP_COUNT];
    int groupRoots[GROUP_COUNT] = {};
    int countRoot = 0;
    int sumRoot = 0;
};

struct PlaneTotals {
    int columnCounts[GROUP_COUNT] = {};
    int columnRoots[GROUP_COUNT] = {};
    int count = 0;
    int sumRoot = 0;
};

// The numbers of one calendar year's wheel.
struct ChartYear {
    int year = 0;
    int personalYear = 0;
    int personalMonths[12] = {};
    int essenceBefore = 0;  // before the birthday: the Essence of the age reached in the year, less one
    int essenceAfter = 0;
};

struct ChartNumbers {
    int lifePathDigit = 0;  // L
    int lifePath = 0;
    int expression = 0;
    int heartsDesire = 0;
    int personality = 0;
    int minorExpression = 0;
    int minorHeartsDesire = 0;
    int minorPersonality = 0;
    int maturity = 0;
    int rationalThought = 0;
    int balance = 0;
    int keystone = 0;
    int cornerstone = 0;
    int capstone = 0;
    int karmicCounts[10] = {};  // 1 to 9 used
    int subconsciousSelf = 0;
    int birthMonth = 0, birthDate = 0, birthYear = 0;
    int pinnacles[4] = {};
    int pinnacleLengths[4] = {};
    int challenges[4] = {};
    int cycles[3] = {};
    int cycleLengths[3] = {};

    // The characters in force at ages 0 to 199 (0: an empty entry).
    std::string physicalTransit, mentalTransit, spiritualTransit;
    int essence[CHART_AGES] = {};

    char diamondBase[DIAMOND_BASE] = {};  // 0: an empty character
    int diamondBaseValues[DIAMOND_BASE] = {};
    std::vector<int> diamondSums[DIAMOND_ROWS];         // from the base outward: 8 cells down to 1
    std::vector<int> diamondDifferences[DIAMOND_ROWS];

    NameWord birthWords[3];
    NameWord currentWords[2];

    Plane planes[PLANE_COUNT];
    PlaneTotals planeTotals;

    // The handed-over settings the drawing needs, held where arithmetic on
    // them is safe.
    int firstAge = 0;
    int firstYear = 0;
    ChartYear years[CHART_YEARS];
};

// Recomputes every number from the kept copy; the character map of the
// record is in force during the computation only.
ChartNumbers computeChartNumbers(const ChartInput& input);

// The Essence of an age; 0 outside the 200 ages.
int essenceAt(const ChartNumbers& numbers, int age);
// A transit character of an age; 0 for an empty entry or an age outside.
char transitAt(const std::string& transit, int age);
// The Personal Year of a calendar year: D(month + day + year).
int chartPersonalYear(const ChartNumbers& numbers, int year);

// The digit root: reduceNumber with nothing kept (0 for 0).
int digitRoot(int n);
// The character as the chart shows it: "*" as "y".
char shownLetter(char c);
