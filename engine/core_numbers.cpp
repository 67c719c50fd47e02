#include "engine/core_numbers.h"

#include "engine/letters.h"

#include <cstdio>

namespace {

int sumOfNames(const char* const* names, int count, int kindMask) {
    int sum = 0;
    for (int i = 0; i < count; ++i) sum += nameTotal(names[i], kindMask);
    return sum;
}

int birthNamesSum(const PersonRecord& p, int kindMask) {
    const char* names[] = {p.birthFirst, p.birthMiddle, p.birthLast};
    return sumOfNames(names, 3, kindMask);
}

int currentNamesSum(const PersonRecord& p, int kindMask) {
    const char* names[] = {p.currentFirst, p.currentLast};
    return sumOfNames(names, 2, kindMask);
}

int absDifference(int a, int b) { return a > b ? a - b : b - a; }

int firstValue(const char* name) { return mappedValue(static_cast<unsigned char>(name[0])); }

}  // namespace

int birthDateNumber(const PersonRecord& p) {
    return reduceNumber(p.birthMonth + p.birthDay + p.birthYear, KEEP_MASTERS);
}

void fillReportNumbers(const PersonRecord& p, ReportNumbers& numbers) {
    std::snprintf(numbers.fullBirthName, sizeof numbers.fullBirthName, "%s %s %s", p.birthFirst,
                  p.birthMiddle, p.birthLast);
    numbers.birthDateNumber = birthDateNumber(p);
    valueCounts(numbers.fullBirthName, numbers.valueCounts);
    numbers.missingCount = 0;
    for (int v = 1; v <= 9; ++v)
        if (numbers.valueCounts[v] == 0) ++numbers.missingCount;
}

int lifePath(const PersonRecord& p, int method) {
    switch (method) {
    case LIFE_PATH_A:
        return packNumber(reduceNumber(p.birthMonth, KEEP_MASTERS) +
                              reduceNumber(p.birthDay, KEEP_MASTERS) +
                              reduceNumber(p.birthYear, KEEP_MASTERS),
                          KEEP_LIFE_PATH);
    case LIFE_PATH_B:
        return PACKED_BASE + 101 * digitSumOnce(p.birthMonth + p.birthDay + p.birthYear);
    case LIFE_PATH_C:
        return PACKED_BASE + 101 * (digitSumOnce(p.birthMonth) + digitSumOnce(p.birthDay) +
                                    digitSumOnce(p.birthYear));
    default:
        return 0;
    }
}

int birthdayNumber(const PersonRecord& p) { return p.birthDay; }

int expression(const PersonRecord& p) { return packNumber(birthNamesSum(p, KIND_LETTER), KEEP_MASTERS); }

int minorExpression(const PersonRecord& p) {
    return packNumber(currentNamesSum(p, KIND_LETTER), KEEP_MASTERS);
}

int heartsDesire(const PersonRecord& p) { return packNumber(birthNamesSum(p, KIND_VOWEL), KEEP_MASTERS); }

int minorHeartsDesire(const PersonRecord& p) {
    return packNumber(currentNamesSum(p, KIND_VOWEL), KEEP_MASTERS);
}

int personality(const PersonRecord& p) { return packNumber(birthNamesSum(p, KIND_CONSONANT), KEEP_NONE); }

namespace {
// The single digits of the date and of the Expression, as Maturity and the
// first Bridge use them.
int dateDigit(const PersonRecord& p) { return reduceNumber(birthDateNumber(p), KEEP_NONE); }
int expressionDigit(const PersonRecord& p) {
    return reduceNumber(reduceNumber(birthNamesSum(p, KIND_LETTER), KEEP_MASTERS), KEEP_NONE);
}
}  // namespace

int maturity(const PersonRecord& p) { return packNumber(dateDigit(p) + expressionDigit(p), KEEP_NONE); }

int lifePathExpressionBridge(const PersonRecord& p) {
    return absDifference(dateDigit(p), expressionDigit(p));
}

int heartsDesirePersonalityBridge(const PersonRecord& p) {
    const int h = reduceNumber(birthNamesSum(p, KIND_VOWEL), KEEP_MASTERS);
    const int q = reduceNumber(birthNamesSum(p, KIND_CONSONANT), KEEP_NONE);
    return absDifference(reduceNumber(h, KEEP_NONE), reduceNumber(q, KEEP_NONE));
}

DigitList karmicLessons(const ReportNumbers& numbers) {
    DigitList lessons;
    for (int v = 1; v <= 9; ++v)
        if (numbers.valueCounts[v] == 0) lessons.values[lessons.count++] = v;
    return lessons;
}

DigitList hiddenPassion(const ReportNumbers& numbers) {
    int largest = 0;
    for (int v = 1; v <= 9; ++v)
        if (numbers.valueCounts[v] > largest) largest = numbers.valueCounts[v];
    DigitList passions;
    for (int v = 1; v <= 9; ++v)
        if (numbers.valueCounts[v] == largest) passions.values[passions.count++] = v;
    return passions;
}

int subconsciousSelf(const ReportNumbers& numbers) {
    return numbers.missingCount > 6 ? 0 : 9 - numbers.missingCount;
}

int physicalPlane(const ReportNumbers& numbers) { return planeTotal(numbers.fullBirthName, "DEMW#$%&"); }
int mentalPlane(const ReportNumbers& numbers) { return planeTotal(numbers.fullBirthName, "AGHJLNP"); }
int emotionalPlane(const ReportNumbers& numbers) { return planeTotal(numbers.fullBirthName, "BIORSTXZ"); }
int intuitivePlane(const ReportNumbers& numbers) { return planeTotal(numbers.fullBirthName, "CFKQUVY*"); }

int balanceNumber(const PersonRecord& p) {
    return reduceNumber(firstValue(p.birthFirst) + firstValue(p.birthMiddle) + firstValue(p.birthLast),
                        KEEP_NONE);
}

int rationalThought(const PersonRecord& p) {
    int sum = p.birthDay;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(p.birthFirst); *c; ++c)
        sum += mappedValue(*c);
    return packNumber(sum, KEEP_MASTERS);
}

char cornerstone(const PersonRecord& p) {
    const char fold = mappedFold(static_cast<unsigned char>(p.birthFirst[0]));
    return letterValue[static_cast<unsigned char>(fold)] != 0 ? fold : ' ';
}
