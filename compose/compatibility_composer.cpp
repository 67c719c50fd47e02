// Relationship Compatibility: two people compared on four core numbers and
// on their Personal Years and Months, each pair of roots with its own text.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "engine/core_numbers.h"
#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/settings.h"

#include <string>

namespace {

// The label of the topic that first produced each pair of roots (10a + b).
std::string pairTable[100];

const char* firstName(const PersonRecord& p) { return properName(p.currentFirst); }

void writeRelation(const char* label, int key) {
    listPrintf("{#3=%s}\n", label);
    listPrintf("{#4=%s}\n", pairTable[key].c_str());
}

void compare(int labelPhrase, const char* prefix, const char* code, int x1, int x2) {
    const char* label = phraseText(labelPhrase);
    const int r1 = x1 % 100, r2 = x2 % 100;
    const int a = reduceNumber(r1, KEEP_NONE), b = reduceNumber(r2, KEEP_NONE);
    if (a != b) {
        writePhrase(53, firstName(person1), label, formatNumber(x1));
        listPrintf("{%s%02d}\n", prefix, r1);
        writePhrase(54, firstName(person2), label, formatNumber(x2));
        listPrintf("{SWAPNAMES}\n{%s%02d}\n", prefix, r2);
        writePhrase(55, label, a, b);
        listPrintf("{COMP_%s.CPT}\n", code);
        if (!pairTable[10 * a + b].empty()) {
            writeRelation(label, 10 * a + b);
            listPrintf("{RELRPT1.CPT}\n");
        } else if (!pairTable[10 * b + a].empty()) {
            writeRelation(label, 10 * b + a);
            listPrintf("{RELRPT2.CPT}\n");
        } else if (b > a) {
            listPrintf("{COMP_%d.CPT}\n", 10 * a + b);
        } else {
            listPrintf("{SWAPNAMES}\n{COMP_%d.CPT}\n", 10 * b + a);
        }
    } else {
        writePhrase(56, firstName(person1), firstName(person2), label, formatNumber(x1));
        listPrintf("{SAMENUM.CPT}\n");
        listPrintf("{%s%02d}\n", prefix, r1);
        writePhrase(57, label, a);
        listPrintf("{COMP_%s.CPT}\n", code);
        if (!pairTable[11 * a].empty()) {
            writeRelation(label, 11 * a);
            listPrintf("{RELRPT1.CPT}\n");
        } else {
            listPrintf("{COMP_%d.CPT}\n", 11 * a);
        }
    }
    // The first topic to meet a pair keeps it, so later ones refer back to it.
    if (pairTable[10 * a + b].empty()) pairTable[10 * a + b] = label;
}

void numberTopic(int flag, int (*number)(const PersonRecord&), int heading, const char* intro, int label,
                 const char* prefix, const char* code) {
    if (!topicOn(flag)) return;
    const int x1 = number(person1), x2 = number(person2);
    if (x1 == 0 || x2 == 0) return;
    writePhrase(heading);
    listPrintf("{%s}\n", intro);
    compare(label, prefix, code, x1, x2);
}

int lifePathOf(const PersonRecord& p) { return lifePath(p, settings.lifePathMethod); }

// The two always share their Personal Year when month + day reduce alike.
bool shareTheirYears() {
    return reduceNumber(person1.birthMonth + person1.birthDay, KEEP_NONE) ==
           reduceNumber(person2.birthMonth + person2.birthDay, KEEP_NONE);
}

void personalYearsTopic() {
    if (!topicOn(TOPIC_PERSONAL_YEARS)) return;
    writePhrase(66);
    listPrintf("{PRSNYR__}\n");
    if (shareTheirYears()) listPrintf("{SAMEYEAR.CPT}\n");
    const YearRange range = personalYearRange(settings.firstYear, settings.lastYear, today.todayMonth);
    for (int year = range.first; year <= range.last; ++year) {
        const int p1 = personalYear(person1, year), p2 = personalYear(person2, year);
        const bool first = year == range.first;
        if (p1 != p2) {
            writePhrase(67, firstName(person1), year, p1);
            listPrintf("{PRSNYR%02d}\n", p1);
            writePhrase(68, firstName(person2), year, p2);
            listPrintf("{SWAPNAMES}\n{PRSNYR%02d}\n", p2);
            writePhrase(69, year, p1, p2);
            if (first) listPrintf("{CYCC_PY.CPT}\n");
            if (p2 > p1)
                listPrintf("{CYCC_%02d.CPT}\n", 10 * p1 + p2);
            else
                listPrintf("{SWAPNAMES}\n{CYCC_%02d.CPT}\n", 10 * p2 + p1);
        } else {
            writePhrase(70, firstName(person1), firstName(person2), year, p1);
            listPrintf("{PRSNYR%02d}\n", p1);
            writePhrase(71, year, p1);
            if (first) listPrintf("{CYCC_PY.CPT}\n");
            listPrintf("{CYCC_%02d.CPT}\n", 11 * p1);
        }
    }
}

void personalMonthsTopic() {
    if (!topicOn(TOPIC_PERSONAL_MONTHS)) return;
    writePhrase(72);
    if (shareTheirYears()) listPrintf("{SAMEMNTH.CPT}\n");
    for (int index = settings.firstMonth; index <= settings.lastMonth; ++index) {
        const int year = index / 12, month = index % 12 + 1;
        const char* name = monthName(month);
        const int q1 = personalMonth(person1, year, month), q2 = personalMonth(person2, year, month);
        const int k1 = personalMonthKey(person1, year, month), k2 = personalMonthKey(person2, year, month);
        const bool first = index == settings.firstMonth;
        if (q1 != q2) {
            writePhrase(73, firstName(person1), name, year, q1);
            listPrintf("{PRSNM%03d}\n", k1);
            writePhrase(74, firstName(person2), name, year, q2);
            listPrintf("{SWAPNAMES}\n{PRSNM%03d}\n", k2);
            writePhrase(75, name, year, q1, q2);
            if (first) listPrintf("{CYCC_PM.CPT}\n");
            if (month == 9)
                listPrintf("{SEPTMBR.CPT}\n");
            else if (q1 < q2)
                listPrintf("{CYCC_%02d.CPT}\n", 10 * q1 + q2);
            else
                listPrintf("{SWAPNAMES}\n{CYCC_%02d.CPT}\n", 10 * q2 + q1);
        } else {
            writePhrase(76, firstName(person1), firstName(person2), name, year, q1);
            listPrintf("{PRSNM%03d}\n", k1);
            writePhrase(77, name, year, q1);
            if (first) listPrintf("{CYCC_PM.CPT}\n");
            if (month == 9)
                listPrintf("{SEPTMBR.CPT}\n");
            else
                listPrintf("{CYCC_%02d.CPT}\n", 11 * q1);
        }
    }
}

void writePersonSummary(const PersonRecord& p, int names, int current, int born) {
    writePhrase(names, properName(p.birthFirst), properName(p.birthMiddle), properName(p.birthLast));
    writePhrase(current, properName(p.currentFirst), properName(p.currentLast));
    writePhrase(born, monthName(p.birthMonth), static_cast<int>(p.birthDay), static_cast<int>(p.birthYear));
}

}  // namespace

void composeCompatibility() {
    readToday();
    openListFile();
    sectionMarks.coverStart = listOffset();
    if (topicOn(TOPIC_COVER)) writeCover("COVER.CPT");
    sectionMarks.contentsStart = listOffset();
    if (topicOn(TOPIC_CONTENTS)) {
        writePhrase(44);
        listPrintf("{INDEX}\n");
        listPrintf("=\n");
    }
    sectionMarks.chartStart = listOffset();
    if (topicOn(TOPIC_CHART_SUMMARY)) {
        writePhrase(45);
        writePersonSummary(person1, 46, 47, 48);
        listPrintf("\n");
        writePersonSummary(person2, 49, 50, 51);
        listPrintf("{CHART}\n");
        listPrintf("=\n");
    }
    sectionMarks.bodyStart = listOffset();
    listPrintf("{#1=%s}\n", firstName(person1));
    listPrintf("{#2=%s}\n", firstName(person2));
    for (std::string& label : pairTable) label.clear();
    if (topicOn(TOPIC_INTRO)) {
        writePhrase(52);
        listPrintf("{INTRO.CPT}\n");
    }
    numberTopic(TOPIC_LIFE_PATH, lifePathOf, 58, "LIFPTH__", 59, "LIFPTH", "LP");
    numberTopic(TOPIC_EXPRESSION, expression, 60, "EXPRSN__", 61, "EXPRSN", "EX");
    numberTopic(TOPIC_HEARTS_DESIRE, heartsDesire, 62, "HRTDSR__", 63, "HRTDSR", "HD");
    numberTopic(TOPIC_PERSONALITY, personality, 64, "PERSON__", 65, "PERSON", "PR");
    personalYearsTopic();
    personalMonthsTopic();
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
