// Chart Calculator: the numbers as lines of text, and the progressive chart
// of transits, Essence, Personal Year and Months age by age.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "engine/core_numbers.h"
#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/settings.h"

#include <cstdio>
#include <string>

namespace {

ReportNumbers numbers;

void packedLine(int flag, int value, int phrase) {
    if (topicOn(flag) && value != 0) writePhrase(phrase, formatNumber(value));
}

// A phrase followed by the listed values, the whole line used as a format
// (so a "%%" in the phrase shows as "%").
void digitListLine(int phrase, const DigitList& list) {
    std::string line = phraseFormat(phrase);
    for (int i = 0; i < list.count; ++i) {
        char digit[8];
        std::snprintf(digit, sizeof digit, "%d ", list.values[i]);
        line += digit;
    }
    line += '\n';
    phrase_detail::noteSignature(phrase, "");
    // The phrase was taken as a format without arguments, any "%" in it made safe.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
    listPrintf(line.c_str());
#pragma GCC diagnostic pop
}

void progressiveChart() {
    const PersonRecord& p = person1;
    listPrintf("{PRGRSSVE.CLC}");  // phrase 36 starts the next line itself
    for (int age = settings.firstAge; age <= settings.lastAge; ++age) {
        const Transits t = transits(p, age);
        const int year = p.birthYear + age;
        writePhrase(36, age);
        writePhrase(37, t.physical);
        writePhrase(38, t.mental);
        writePhrase(39, t.spiritual);
        writePhrase(40, formatNumber(essence(t)));
        writePhrase(41, year);
        writePhrase(42, personalYear(p, year));
        writePhrase(43);
        for (int month = 1; month <= 12; ++month)
            listPrintf("_%s\t%d\n", monthName(month), personalMonth(p, year, month));
    }
}

void topics() {
    const PersonRecord& p = person1;
    if (topicOn(TOPIC_INTRO)) {
        writePhrase(0, properName(p.currentFirst), properName(p.currentLast));
        listPrintf("{INTRO.CLC}\n\n");
        writePhrase(1, properName(p.currentFirst), properName(p.currentLast));
        writePhrase(2, static_cast<int>(p.birthMonth), static_cast<int>(p.birthDay), static_cast<int>(p.birthYear));
        writePhrase(3, properName(p.birthFirst), properName(p.birthMiddle), properName(p.birthLast));
    }
    if (topicOn(TOPIC_LIFE_PATH)) writePhrase(4, formatNumber(lifePath(p, settings.lifePathMethod)));
    if (topicOn(TOPIC_BIRTHDAY)) writePhrase(5, birthdayNumber(p));
    packedLine(TOPIC_EXPRESSION, expression(p), 6);
    packedLine(TOPIC_MINOR_EXPRESSION, minorExpression(p), 7);
    packedLine(TOPIC_HEARTS_DESIRE, heartsDesire(p), 8);
    packedLine(TOPIC_MINOR_HEARTS_DESIRE, minorHeartsDesire(p), 9);
    packedLine(TOPIC_PERSONALITY, personality(p), 10);
    packedLine(TOPIC_MATURITY, maturity(p), 11);
    if (topicOn(TOPIC_LE_BRIDGE)) writePhrase(12, lifePathExpressionBridge(p));
    if (topicOn(TOPIC_HP_BRIDGE)) writePhrase(13, heartsDesirePersonalityBridge(p));
    const DigitList lessons = karmicLessons(numbers);
    if (topicOn(TOPIC_KARMIC_LESSONS) && lessons.count > 0) digitListLine(14, lessons);
    if (topicOn(TOPIC_HIDDEN_PASSION)) digitListLine(15, hiddenPassion(numbers));
    if (topicOn(TOPIC_PHYSICAL_PLANE)) {
        writePhrase(16);
        if (physicalPlane(numbers) % 100 != 0) writePhrase(17, formatNumber(physicalPlane(numbers)));
    }
    if (topicOn(TOPIC_MENTAL_PLANE) && mentalPlane(numbers) % 100 != 0)
        writePhrase(18, formatNumber(mentalPlane(numbers)));
    if (topicOn(TOPIC_EMOTIONAL_PLANE) && emotionalPlane(numbers) % 100 != 0)
        writePhrase(19, formatNumber(emotionalPlane(numbers)));
    if (topicOn(TOPIC_INTUITIVE_PLANE) && intuitivePlane(numbers) % 100 != 0)
        writePhrase(20, formatNumber(intuitivePlane(numbers)));
    if (topicOn(TOPIC_BALANCE) && balanceNumber(p) != 0) writePhrase(21, balanceNumber(p));
    packedLine(TOPIC_RATIONAL_THOUGHT, rationalThought(p), 22);
    if (topicOn(TOPIC_CORNERSTONE) && cornerstone(p) != ' ') writePhrase(23, cornerstone(p));
    if (topicOn(TOPIC_SUBCONSCIOUS_SELF) && subconsciousSelf(numbers) != 0)
        writePhrase(24, subconsciousSelf(numbers));
    if (topicOn(TOPIC_CHALLENGES)) {
        const Challenges c = challenges(p);
        for (int k = 0; k < 4; ++k) writePhrase(25 + k, c.number[k]);
    }
    if (topicOn(TOPIC_PINNACLES)) {
        const Pinnacles pin = pinnacles(p);
        const int e = pinnacleEnd(p);
        writePhrase(29, e, pin.number[0]);
        writePhrase(30, e + 1, e + 9, pin.number[1]);
        writePhrase(31, e + 10, e + 18, pin.number[2]);
        writePhrase(32, e + 19, e + 27, pin.number[3]);
    }
    if (topicOn(TOPIC_CYCLES)) {
        const LifeCycles cyc = lifeCycles(p);
        const int f = cycleEnd(p);
        writePhrase(33, f, cyc.number[0]);
        writePhrase(34, f + 1, f + 27, cyc.number[1]);
        writePhrase(35, f + 28, cyc.number[2]);
    }
    if (topicOn(TOPIC_PROGRESSIVE_CHART)) progressiveChart();
}

}  // namespace

void composeChartCalculator() {
    readToday();
    openListFile();
    fillReportNumbers(person1, numbers);
    sectionMarks.coverStart = listOffset();
    if (topicOn(TOPIC_COVER)) writeCover("COVER.CLC");
    sectionMarks.contentsStart = sectionMarks.chartStart = sectionMarks.bodyStart = listOffset();
    listPrintf("{#1=%s}\n", properName(person1.currentFirst));
    topics();
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
