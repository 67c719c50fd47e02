// Lucky Numbers: sets of numbers for the whole life, each year, each month
// and, when asked for, each day.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "engine/core_numbers.h"
#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/settings.h"

#include <cstdio>
#include <cstdlib>

namespace {

enum { LUCKY_SLOTS = 20 };
int luckyList[LUCKY_SLOTS];

void clearLucky() {
    for (int& slot : luckyList) slot = 0;
}

// n into slot i1 when it has two digits, its digit sum into i2 when that
// has two, and the single digit into i0.
void addLucky(int n, int i0, int i1, int i2) {
    if (n > 9) luckyList[i1] = n;
    const int s = digitSumOnce(n);
    if (s > 9) luckyList[i2] = s;
    luckyList[i0] = digitSumOnce(s);
}

// One line: each distinct non-zero number once, the first `limit` plain,
// the others in parentheses after a separator.
void printLucky(int limit) {
    int shown = 0;
    for (int i = 0; i < LUCKY_SLOTS; ++i) {
        const int n = luckyList[i];
        if (n == 0) continue;
        bool repeated = false;
        for (int j = 0; j < i; ++j) repeated = repeated || luckyList[j] == n;
        if (repeated) continue;
        if (shown < limit) {
            listPrintf("%2d      ", n);
        } else {
            if (shown == limit) listPrintf("      ");
            listPrintf("(%2d)    ", n);
        }
        ++shown;
    }
    listPrintf("\n");
}

int single(int n) { return reduceNumber(n, KEEP_NONE); }

void lifeLongSet(const PersonRecord& p, int luckBase, const char* fullBirthName) {
    writePhrase(96, properName(p.currentFirst), properName(p.currentLast));
    clearLucky();
    addLucky(luckBase, 0, 1, 7);
    luckyList[2] = nameTotal(fullBirthName, KIND_VOWEL) + p.birthDay;
    const int cm = single(p.birthMonth), cd = single(p.birthDay), cy = single(p.birthYear);
    const int c1 = std::abs(cm - cd), c2 = std::abs(cd - cy);
    addLucky(c1 + c2 + std::abs(c1 - c2) + std::abs(cm - cy) + p.birthDay, 3, 4, 8);
    luckyList[5] = nameTotal(p.birthFirst, KIND_LETTER);
    const std::size_t length = std::char_traits<char>::length(p.birthFirst);
    luckyList[6] = length ? letterValue[static_cast<unsigned char>(p.birthFirst[length - 1])] : 0;
    printLucky(4);
}

}  // namespace

void composeLuckyNumbers() {
    readToday();
    openListFile();
    const PersonRecord& p = person1;
    ReportNumbers numbers;
    fillReportNumbers(p, numbers);
    const int luckBase = single(p.birthMonth) + single(p.birthDay) + single(p.birthYear);

    sectionMarks.coverStart = listOffset();
    writeCover("COVER.LUK");
    sectionMarks.contentsStart = sectionMarks.chartStart = sectionMarks.bodyStart = listOffset();

    writePhrase(91);
    listPrintf("{INTRO.LUK}\n");
    listPrintf("=\n");
    writePhrase(92);
    writePhrase(93, properName(p.currentFirst), properName(p.currentLast));
    writePhrase(94, monthName(p.birthMonth), static_cast<int>(p.birthDay), static_cast<int>(p.birthYear));
    writePhrase(95, properName(p.birthFirst), properName(p.birthMiddle), properName(p.birthLast));

    lifeLongSet(p, luckBase, numbers.fullBirthName);

    for (int year = settings.firstYear; year <= settings.lastYear; ++year) {
        const int py = personalYear(p, year);
        if (year == settings.firstYear)
            writePhrase(97, properName(p.currentFirst), year);
        else
            writePhrase(98, year);
        clearLucky();
        addLucky(luckBase + py, 0, 2, 4);
        addLucky(py + p.birthDay, 1, 3, 5);
        printLucky(3);
    }
    listPrintf("\n");

    for (int index = settings.firstMonth; index <= settings.lastMonth; ++index) {
        const int year = index / 12, month = index % 12 + 1;
        if (index == settings.firstMonth)
            writePhrase(99, properName(p.currentFirst), monthName(month), year);
        else
            writePhrase(100, monthName(month), year);
        clearLucky();
        addLucky(personalYear(p, year) + luckBase + personalMonth(p, year, month), 0, 1, 2);
        printLucky(2);
    }
    listPrintf("\n");

    if (dailyLuckyNumbers) {
        for (int index = settings.firstMonth; index <= settings.lastMonth; ++index) {
            const int year = index / 12, month = index % 12 + 1;
            const int py = personalYear(p, year), pm = personalMonth(p, year, month);
            const Transits t = transits(p, year - p.birthYear);
            const int e = letterValue[static_cast<unsigned char>(t.physical)] +
                          letterValue[static_cast<unsigned char>(t.mental)] +
                          letterValue[static_cast<unsigned char>(t.spiritual)];
            // Days by the calendar, so that February 2100 has no 29th.
            for (int day = 1; day <= daysInMonth(month, year); ++day) {
                const int pd = single(p.birthMonth + p.birthDay + year + month + day);
                if (day == 1) writePhrase(101, monthName(month), year);
                writePhrase(102, day);
                clearLucky();
                addLucky(luckBase + py + pm + pd, 0, 2, 4);
                addLucky(e + py + pm + pd, 1, 3, 5);
                printLucky(3);
            }
            listPrintf("\n");
        }
    }
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
