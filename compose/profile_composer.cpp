// Personality Profiles (full) and Short Profiles: one block per topic, each
// a heading, the topic's introduction, the number line and the number's text.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "engine/core_numbers.h"
#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/report_state.h"
#include "shell/settings.h"

#include <cstring>

namespace {

ReportNumbers numbers;

// Remembers where each number (or letter) was first described in a topic.
class DescribedTable {
public:
    DescribedTable() {
        std::memset(known_, 0, sizeof known_);
        std::memset(where_, 0, sizeof where_);
    }
    bool known(int key) const { return known_[key & 0xFF]; }
    int where(int key) const { return where_[key & 0xFF]; }  // the ordinal or the age
    void remember(int key, int at) {
        known_[key & 0xFF] = true;
        where_[key & 0xFF] = at;
    }

private:
    bool known_[256];
    int where_[256];
};

const char* ordinal(int k) { return phraseText(350 + k); }

// A topic of one number: heading, introduction, number line, number subject.
void packedTopic(int flag, int value, int heading, const char* prefix, int numberLine) {
    if (!topicOn(flag) || value == 0) return;
    writePhrase(heading);
    listPrintf("{%s__}\n", prefix);
    writePhrase(numberLine, formatNumber(value));
    listPrintf("{%s%02d}\n", prefix, value % 100);
}

void plainTopic(int flag, int value, int heading, const char* prefix, int numberLine) {
    if (!topicOn(flag)) return;
    writePhrase(heading);
    listPrintf("{%s__}\n", prefix);
    writePhrase(numberLine, value);
    listPrintf("{%s%02d}\n", prefix, value);
}

void karmicLessonsTopic() {
    if (!topicOn(TOPIC_KARMIC_LESSONS)) return;
    writePhrase(136);
    listPrintf("{KRMLSN__}\n");
    const DigitList lessons = karmicLessons(numbers);
    if (lessons.count == 0) writePhrase(138);
    for (int i = 0; i < lessons.count; ++i) {
        writePhrase(137, lessons.values[i]);
        listPrintf("{KRMLSN%02d}\n", lessons.values[i]);
    }
}

void hiddenPassionTopic() {
    if (!topicOn(TOPIC_HIDDEN_PASSION)) return;
    writePhrase(139);
    listPrintf("{HDNPSN__}\n");
    const DigitList passions = hiddenPassion(numbers);
    for (int i = 0; i < passions.count; ++i) {
        writePhrase(140, passions.values[i]);
        listPrintf("{HDNPSN%02d}\n", passions.values[i]);
    }
}

void planeTopics() {
    struct Plane { int flag; int value; int heading; int numberLine; const char* subject; };
    const Plane planes[] = {
        {TOPIC_PHYSICAL_PLANE, physicalPlane(numbers), 142, 143, "POEXPH"},
        {TOPIC_MENTAL_PLANE, mentalPlane(numbers), 144, 145, "POEXMT"},
        {TOPIC_EMOTIONAL_PLANE, emotionalPlane(numbers), 146, 147, "POEXEM"},
        {TOPIC_INTUITIVE_PLANE, intuitivePlane(numbers), 148, 149, "POEXIT"},
    };
    for (const Plane& plane : planes) {
        if (!topicOn(plane.flag)) continue;
        if (plane.flag == TOPIC_PHYSICAL_PLANE) {
            writePhrase(141);  // the introduction to all four planes
            listPrintf("{POEXPR__}\n");
        }
        if (plane.value % 100 == 0) continue;
        writePhrase(plane.heading);
        writePhrase(plane.numberLine, formatNumber(plane.value));
        listPrintf("{%s%02d}\n", plane.subject, plane.value % 100);
    }
}

void cornerstoneTopic() {
    const char letter = cornerstone(person1);
    if (!topicOn(TOPIC_CORNERSTONE) || letter == ' ') return;
    writePhrase(154);
    listPrintf("{CNRSTON_}\n");
    writePhrase(155, letter);
    listPrintf("{CNRSTON%c}\n", letter);
}

// A period's number: its text the first time, else a note that refers back
// to the earlier period of the same number.
void describeOrReferBack(DescribedTable& described, int value, int period, int samePhrase, const char* subject) {
    if (described.known(value)) {
        writePhrase(samePhrase, ordinal(described.where(value)));
    } else {
        described.remember(value, period);
        listPrintf("{%s%02d}\n", subject, value);
    }
}

void challengesTopic() {
    if (!topicOn(TOPIC_CHALLENGES)) return;
    static const char* const INTRODUCTIONS[] = {"FST", "SND", "TRD", "FTH"};
    const Challenges c = challenges(person1);
    DescribedTable described;
    writePhrase(158);
    for (int k = 1; k <= 4; ++k) {
        const int value = c.number[k - 1];
        listPrintf("{CHG%s__}\n", INTRODUCTIONS[k - 1]);
        writePhrase(159, ordinal(k), value);
        describeOrReferBack(described, value, k, 160, "CHGTXT");
    }
}

void pinnaclesTopic() {
    if (!topicOn(TOPIC_PINNACLES)) return;
    const Pinnacles p = pinnacles(person1);
    const int e = pinnacleEnd(person1);
    DescribedTable described;
    writePhrase(161);
    listPrintf("{PINCLS__}\n");
    for (int k = 1; k <= 4; ++k) {
        const int value = p.number[k - 1];
        if (k == 1) writePhrase(162, ordinal(1), e, value);
        if (k == 2) writePhrase(163, ordinal(2), e + 1, e + 9, value);
        if (k == 3) writePhrase(163, ordinal(3), e + 10, e + 18, value);
        if (k == 4) writePhrase(164, ordinal(4), e + 19, value);
        describeOrReferBack(described, value, k, 165, "PINCLS");
    }
}

void cyclesTopic() {
    if (!topicOn(TOPIC_CYCLES)) return;
    const LifeCycles cycles = lifeCycles(person1);
    const int f = cycleEnd(person1);
    DescribedTable described;
    writePhrase(166);
    listPrintf("{CYCLES__}\n");
    for (int k = 1; k <= 3; ++k) {
        const int value = cycles.number[k - 1];
        if (k == 1) writePhrase(167, ordinal(1), f, value);
        if (k == 2) writePhrase(168, ordinal(2), f + 1, f + 27, value);
        if (k == 3) writePhrase(169, ordinal(3), f + 28, value);
        describeOrReferBack(described, value, k, 170, "CYCLES");
    }
}

void transitTopic(int flag, const char* name, int heading, int ageLine, int sameLine, const char* subject) {
    if (!topicOn(flag)) return;
    if (flag == TOPIC_PHYSICAL_TRANSIT) {
        writePhrase(171);  // the introduction to all transits
        listPrintf("{TRNPHYS_}\n");
    }
    if (transitLetter(name, 0) == ' ') return;
    writePhrase(heading);
    DescribedTable described;
    for (int age = settings.firstAge; age <= settings.lastAge; ++age) {
        const char letter = transitLetter(name, age);
        writePhrase(ageLine, age, letter);
        if (described.known(static_cast<unsigned char>(letter))) {
            writePhrase(sameLine, age, described.where(static_cast<unsigned char>(letter)));
        } else {
            described.remember(static_cast<unsigned char>(letter), age);
            listPrintf("{%s%c}\n", subject, letter);
        }
    }
}

void essenceTopic() {
    if (!topicOn(TOPIC_ESSENCE)) return;
    if (transitLetter(person1.birthFirst, 0) == ' ' && transitLetter(person1.birthMiddle, 0) == ' ' &&
        transitLetter(person1.birthLast, 0) == ' ')
        return;
    writePhrase(181);
    listPrintf("{ESSENC__}\n");
    DescribedTable described;
    for (int age = settings.firstAge; age <= settings.lastAge; ++age) {
        const int value = essence(transits(person1, age));
        writePhrase(182, age, formatNumber(value));
        if (described.known(value % 100)) {
            writePhrase(183, age, described.where(value % 100));
        } else {
            described.remember(value % 100, age);
            listPrintf("{ESSENC%02d}\n", value % 100);
        }
    }
}

void personalYearsTopic() {
    if (!topicOn(TOPIC_PERSONAL_YEARS)) return;
    writePhrase(184);
    listPrintf("{PRSNYR__}\n");
    const YearRange range = personalYearRange(settings.firstYear, settings.lastYear, today.todayMonth);
    for (int year = range.first; year <= range.last; ++year) {
        const int py = personalYear(person1, year);
        writePhrase(185, year, py);
        listPrintf("{PRSNYR%02d}\n", py);
    }
}

void personalMonthsTopic() {
    if (!topicOn(TOPIC_PERSONAL_MONTHS)) return;
    writePhrase(186);
    for (int index = settings.firstMonth; index <= settings.lastMonth; ++index) {
        const int year = index / 12, month = index % 12 + 1;
        writePhrase(187, monthName(month), year, personalMonth(person1, year, month));
        listPrintf("{PRSNM%03d}\n", personalMonthKey(person1, year, month));
    }
}

void personalDaysTopic() {
    if (!topicOn(TOPIC_PERSONAL_DAYS)) return;
    writePhrase(188);
    for (int index = settings.firstDayMonth; index <= settings.lastDayMonth; ++index) {
        const int year = index / 12, month = index % 12 + 1;
        const int key = personalMonthKey(person1, year, month);
        writePhrase(189, monthName(month), year);
        listPrintf("{PRSNM%03d}\n", key);
        listPrintf("{PRSND%03d}\n", key);
        if (getsLeapDayText(year, month)) listPrintf("{LEAPDAY%1d}\n", personalYear(person1, year));
    }
}

void fullTopics() {
    const PersonRecord& p = person1;
    packedTopic(TOPIC_LIFE_PATH, lifePath(p, settings.lifePathMethod), 116, "LIFPTH", 117);
    plainTopic(TOPIC_BIRTHDAY, birthdayNumber(p), 118, "BTHDAY", 119);
    packedTopic(TOPIC_EXPRESSION, expression(p), 120, "EXPRSN", 121);
    packedTopic(TOPIC_MINOR_EXPRESSION, minorExpression(p), 122, "EXPMNR", 123);
    packedTopic(TOPIC_HEARTS_DESIRE, heartsDesire(p), 124, "HRTDSR", 125);
    packedTopic(TOPIC_MINOR_HEARTS_DESIRE, minorHeartsDesire(p), 126, "HRTMNR", 127);
    packedTopic(TOPIC_PERSONALITY, personality(p), 128, "PERSON", 129);
    packedTopic(TOPIC_MATURITY, maturity(p), 130, "MTRITY", 131);
    plainTopic(TOPIC_LE_BRIDGE, lifePathExpressionBridge(p), 132, "LEBRDG", 133);
    plainTopic(TOPIC_HP_BRIDGE, heartsDesirePersonalityBridge(p), 134, "HPBRDG", 135);
    karmicLessonsTopic();
    hiddenPassionTopic();
    planeTopics();
    if (balanceNumber(p) != 0) plainTopic(TOPIC_BALANCE, balanceNumber(p), 150, "BALNUM", 151);
    packedTopic(TOPIC_RATIONAL_THOUGHT, rationalThought(p), 152, "RATION", 153);
    cornerstoneTopic();
    if (subconsciousSelf(numbers) != 0)
        plainTopic(TOPIC_SUBCONSCIOUS_SELF, subconsciousSelf(numbers), 156, "SUBCNS", 157);
    challengesTopic();
    pinnaclesTopic();
    cyclesTopic();
    transitTopic(TOPIC_PHYSICAL_TRANSIT, p.birthFirst, 172, 173, 174, "TRNPHYS");
    transitTopic(TOPIC_MENTAL_TRANSIT, p.birthMiddle, 175, 176, 177, "TRNMNTL");
    transitTopic(TOPIC_SPIRITUAL_TRANSIT, p.birthLast, 178, 179, 180, "TRNSPRT");
    essenceTopic();
    personalYearsTopic();
    personalMonthsTopic();
    personalDaysTopic();
}

}  // namespace

void composeProfile() {
    readToday();
    openListFile();
    fillReportNumbers(person1, numbers);
    const PersonRecord& p = person1;

    sectionMarks.coverStart = listOffset();
    if (topicOn(TOPIC_COVER)) writeCover("COVER.STD");
    sectionMarks.contentsStart = listOffset();
    if (topicOn(TOPIC_CONTENTS)) {
        writePhrase(110);
        listPrintf("{INDEX}\n");
        listPrintf("=\n");
    }
    sectionMarks.chartStart = listOffset();
    if (topicOn(TOPIC_CHART_SUMMARY)) {
        writePhrase(111);
        writePhrase(112, properName(p.birthFirst), properName(p.birthMiddle), properName(p.birthLast));
        writePhrase(113, properName(p.currentFirst), properName(p.currentLast));
        writePhrase(114, monthName(p.birthMonth), static_cast<int>(p.birthDay), static_cast<int>(p.birthYear));
        listPrintf("{CHART}\n");
        listPrintf("=\n");
    }
    sectionMarks.bodyStart = listOffset();
    listPrintf("{#1=%s}\n", properName(p.currentFirst));
    if (topicOn(TOPIC_INTRO)) {
        writePhrase(115);
        listPrintf("{INTRO.STD}\n");
    }
    if (reportType == TYPE_SHORT_PROFILES) {
        packedTopic(TOPIC_LIFE_PATH, lifePath(p, settings.lifePathMethod), 116, "LIFPTH", 117);
        packedTopic(TOPIC_EXPRESSION, expression(p), 120, "EXPRSN", 121);
        packedTopic(TOPIC_HEARTS_DESIRE, heartsDesire(p), 124, "HRTDSR", 125);
    } else {
        fullTopics();
    }
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
