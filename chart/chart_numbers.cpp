#include "chart/chart_numbers.h"

#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/settings.h"

#include <cstdlib>
#include <cstring>

namespace {

// Numbers from the hand-off file are held to this size before any
// arithmetic, so a damaged record can't overflow a sum.
const int FIELD_LIMIT = 1000000;

int heldField(std::int32_t v) { return v < -FIELD_LIMIT ? -FIELD_LIMIT : v > FIELD_LIMIT ? FIELD_LIMIT : v; }

// The record's character map is the one in force while its numbers are
// worked out; the engine's map comes back afterwards.
class CharMapScope {
public:
    explicit CharMapScope(const std::uint8_t (&charMap)[256]) {
        std::memcpy(saved_, settings.charMap, sizeof saved_);
        std::memcpy(settings.charMap, charMap, sizeof saved_);
    }
    CharMapScope(const CharMapScope&) = delete;
    CharMapScope& operator=(const CharMapScope&) = delete;
    ~CharMapScope() { std::memcpy(settings.charMap, saved_, sizeof saved_); }

private:
    std::uint8_t saved_[256];
};

int valueOf(char c) { return mappedValue(static_cast<unsigned char>(c)); }
int rawValue(char c) { return letterValue[static_cast<unsigned char>(c)]; }
int rawKind(char c) { return letterKind[static_cast<unsigned char>(c)]; }

// An empty transit entry counts 0, whatever the map does with code 0.
int entryValue(char c) { return c ? valueOf(c) : 0; }

int firstValue(const std::string& name) { return name.empty() ? 0 : valueOf(name.front()); }

// T(name, kinds): the name's total of the letters of those kinds, masters kept.
int total(const std::string& name, int kinds) { return nameTotal(name.c_str(), kinds); }

int lifePathByMethod(int method, int m, int d, int y) {
    switch (method) {
    case 0:
        return reduceNumber(m, KEEP_MASTERS) + reduceNumber(d, KEEP_MASTERS) + reduceNumber(y, KEEP_MASTERS);
    case 1:
        return digitSumOnce(m + d + y);
    case 2:
        return digitSumOnce(m) + digitSumOnce(d) + digitSumOnce(y);
    default:
        return 0;
    }
}

// Each character of the name repeated by its value, the name starting over
// until 200 ages are filled. A name without a valued character leaves
// every age empty.
std::string transitSequence(const std::string& name) {
    std::string sequence;
    int passTotal = 0;
    for (char c : name) passTotal += valueOf(c);
    if (passTotal == 0) return std::string(CHART_AGES, '\0');
    while (sequence.size() < CHART_AGES)
        for (char c : name)
            for (int i = valueOf(c); i > 0 && sequence.size() < CHART_AGES; --i) sequence += c;
    return sequence;
}

NameWord nameWord(const std::string& word) {
    NameWord w;
    w.letters = word;
    for (char c : word) {
        const int value = rawValue(c), kind = rawKind(c);
        w.values.push_back(value);
        w.kinds.push_back(kind);
        w.sumAll += value;
        if (kind & KIND_VOWEL) w.sumVowels += value;
        if (kind & KIND_CONSONANT) w.sumConsonants += value;
    }
    return w;
}

void fillDiamond(const std::string& joined, ChartNumbers& n) {
    for (int i = 0; i < DIAMOND_BASE; ++i) {
        n.diamondBase[i] = joined.empty() ? '\0' : joined[static_cast<std::size_t>(i) % joined.size()];
        n.diamondBaseValues[i] = rawValue(n.diamondBase[i]);
    }
    std::vector<int> sums(n.diamondBaseValues, n.diamondBaseValues + DIAMOND_BASE);
    std::vector<int> differences = sums;
    for (int row = 0; row < DIAMOND_ROWS; ++row) {
        std::vector<int> nextSums, nextDifferences;
        for (std::size_t i = 0; i + 1 < sums.size(); ++i) {
            nextSums.push_back(reduceNumber(
                reduceNumber(sums[i], KEEP_MASTERS) + reduceNumber(sums[i + 1], KEEP_MASTERS), KEEP_CHART));
            nextDifferences.push_back(std::abs(differences[i] - differences[i + 1]));
        }
        n.diamondSums[row] = sums = nextSums;
        n.diamondDifferences[row] = differences = nextDifferences;
    }
}

// The letter groups of the Planes of Expression, plane by plane.
const char* const PLANE_GROUPS[PLANE_COUNT][GROUP_COUNT] = {
    {"E", "W#$%&", "DM"},
    {"A", "HJNP", "GL"},
    {"IORZ", "BSTX", ""},
    {"K", "FQUY*", "CV"},
};

void fillPlanes(const std::string& joined, ChartNumbers& n) {
    for (char c : joined) {
        const char fold = letterFold[static_cast<unsigned char>(c)];
        bool placed = false;
        for (int p = 0; p < PLANE_COUNT && !placed; ++p)
            for (int g = 0; g < GROUP_COUNT && !placed; ++g)
                if (fold != '\0' && std::strchr(PLANE_GROUPS[p][g], fold)) {
                    n.planes[p].groups[g].letters += c;
                    n.planes[p].groups[g].sum += rawValue(c);
                    placed = true;
                }
    }
    int columnSums[GROUP_COUNT] = {}, totalSum = 0;
    for (Plane& plane : n.planes) {
        int count = 0, sum = 0;
        for (int g = 0; g < GROUP_COUNT; ++g) {
            const PlaneGroup& group = plane.groups[g];
            plane.groupRoots[g] = digitRoot(group.sum);
            count += group.count();
            sum += group.sum;
            n.planeTotals.columnCounts[g] += group.count();
            columnSums[g] += group.sum;
        }
        plane.countRoot = digitRoot(count);
        plane.sumRoot = digitRoot(sum);
        n.planeTotals.count += count;
        totalSum += sum;
    }
    for (int g = 0; g < GROUP_COUNT; ++g) n.planeTotals.columnRoots[g] = digitRoot(columnSums[g]);
    n.planeTotals.sumRoot = digitRoot(totalSum);
}

}  // namespace

int digitRoot(int n) { return reduceNumber(n, KEEP_NONE); }

char shownLetter(char c) { return c == '*' ? 'y' : c; }

int essenceAt(const ChartNumbers& numbers, int age) {
    return age >= 0 && age < CHART_AGES ? numbers.essence[age] : 0;
}

char transitAt(const std::string& transit, int age) {
    return age >= 0 && static_cast<std::size_t>(age) < transit.size() ? transit[static_cast<std::size_t>(age)] : '\0';
}

int chartPersonalYear(const ChartNumbers& numbers, int year) {
    return digitRoot(numbers.birthMonth + numbers.birthDate + heldField(year));
}

ChartNumbers computeChartNumbers(const ChartInput& input) {
    const CharMapScope charMap(input.charMap);
    ChartNumbers n;
    const int m = heldField(input.birthMonth), d = heldField(input.birthDay), y = heldField(input.birthYear);
    const std::string& bF = input.birthFirst;
    const std::string& bM = input.birthMiddle;
    const std::string& bL = input.birthLast;
    const std::string& cF = input.currentFirst;
    const std::string& cL = input.currentLast;

    n.birthMonth = m;
    n.birthDate = d;
    n.birthYear = y;
    n.firstAge = heldField(input.firstAge);
    n.firstYear = heldField(input.firstYear);

    n.lifePathDigit = digitRoot(m + d + y);
    n.lifePath = lifePathByMethod(input.lifePathMethod, m, d, y);
    n.expression = total(bF, KIND_LETTER) + total(bM, KIND_LETTER) + total(bL, KIND_LETTER);
    n.heartsDesire = total(bF, KIND_VOWEL) + total(bM, KIND_VOWEL) + total(bL, KIND_VOWEL);
    n.personality = total(bF, KIND_CONSONANT) + total(bM, KIND_CONSONANT) + total(bL, KIND_CONSONANT);
    n.minorExpression = total(cF, KIND_LETTER) + total(cL, KIND_LETTER);
    n.minorHeartsDesire = total(cF, KIND_VOWEL) + total(cL, KIND_VOWEL);
    n.minorPersonality = total(cF, KIND_CONSONANT) + total(cL, KIND_CONSONANT);
    n.maturity = n.lifePathDigit + digitRoot(n.expression);
    n.rationalThought = reduceNumber(total(bF, KIND_LETTER) + d, KEEP_MASTERS);
    n.balance = firstValue(bF) + firstValue(bM) + firstValue(bL);
    n.keystone = digitRoot(total(bF, KIND_LETTER));
    n.cornerstone = firstValue(bF);
    n.capstone = bF.empty() ? 0 : valueOf(bF.back());

    for (const std::string* name : {&bF, &bM, &bL})
        for (char c : *name) ++n.karmicCounts[valueOf(c)];
    n.karmicCounts[0] = 0;  // characters without a value take no part
    for (int v = 1; v <= 9; ++v)
        if (n.karmicCounts[v] != 0) ++n.subconsciousSelf;

    // The engine's Challenges, Pinnacles and Cycles follow the same rules;
    // only their periods are the chart's own.
    PersonRecord dates;
    std::memset(&dates, 0, sizeof dates);
    dates.birthMonth = m;
    dates.birthDay = d;
    dates.birthYear = y;
    const Pinnacles p = pinnacles(dates);
    const Challenges c = challenges(dates);
    const LifeCycles cycles = lifeCycles(dates);
    std::memcpy(n.pinnacles, p.number, sizeof n.pinnacles);
    std::memcpy(n.challenges, c.number, sizeof n.challenges);
    std::memcpy(n.cycles, cycles.number, sizeof n.cycles);
    const int L = n.lifePathDigit;
    n.cycleLengths[0] = L >= 3 ? 37 - L : 28 - L;
    n.cycleLengths[1] = 27;
    n.cycleLengths[2] = CYCLE_TO_THE_END;
    n.pinnacleLengths[0] = 37 - L;
    n.pinnacleLengths[1] = 9;
    n.pinnacleLengths[2] = 9;
    n.pinnacleLengths[3] = CYCLE_TO_THE_END;

    n.physicalTransit = transitSequence(bF);
    n.mentalTransit = transitSequence(bM);
    n.spiritualTransit = transitSequence(bL);
    for (int age = 0; age < CHART_AGES; ++age)
        n.essence[age] = entryValue(n.physicalTransit[age]) + entryValue(n.mentalTransit[age]) +
                         entryValue(n.spiritualTransit[age]);

    const std::string joined = bF + bM + bL;
    fillDiamond(joined, n);
    n.birthWords[0] = nameWord(bF);
    n.birthWords[1] = nameWord(bM);
    n.birthWords[2] = nameWord(bL);
    n.currentWords[0] = nameWord(cF);
    n.currentWords[1] = nameWord(cL);
    fillPlanes(joined, n);

    for (int i = 0; i < CHART_YEARS; ++i) {
        ChartYear& year = n.years[i];
        year.year = n.firstYear + i;
        year.personalYear = chartPersonalYear(n, year.year);
        for (int k = 1; k <= 12; ++k) year.personalMonths[k - 1] = digitRoot(m + d + year.year + k);
        const int age = year.year - y;
        year.essenceBefore = essenceAt(n, age - 1);
        year.essenceAfter = essenceAt(n, age);
    }
    return n;
}
