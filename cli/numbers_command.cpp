#include "cli/numbers_command.h"

#include "cli/cp1252.h"
#include "cli/json_writer.h"
#include "cli/person_options.h"
#include "engine/core_numbers.h"
#include "engine/cycles.h"
#include "engine/letters.h"
#include "shell/settings.h"

namespace {

const char* const USAGE =
    "usage: vek numbers --birth-first S [--birth-middle S] [--birth-last S] --current-first S "
    "[--current-last S]\n"
    "                   --born M/D/YYYY [--method A|B|C] [--auto-yw 1|0]\n"
    "                   [--ages A1-A2] [--years Y1-Y2] [--today M/D/YYYY]\n";

enum { EXIT_INPUT_ERROR = 2, MAX_AGE = 999, MAX_YEAR = 99999, MAX_SPAN = 1000 };

void writePacked(JsonWriter& json, int v) {
    json.beginObject();
    json.key("text").value(formatNumber(v));
    json.key("value").value(v % 100);
    json.key("sum").value(packedSum(v));
    json.endObject();
}

void writeList(JsonWriter& json, const int* values, int count) {
    json.beginArray();
    for (int i = 0; i < count; ++i) json.value(values[i]);
    json.endArray();
}

void writeLetter(JsonWriter& json, char letter) {
    json.value(letter == ' ' ? std::string() : cp1252ToUtf8(std::string(1, letter)));
}

void writeNames(JsonWriter& json, const PersonRecord& p) {
    json.beginObject();
    json.key("birthFirst").value(cp1252ToUtf8(p.birthFirst));
    json.key("birthMiddle").value(cp1252ToUtf8(p.birthMiddle));
    json.key("birthLast").value(cp1252ToUtf8(p.birthLast));
    json.key("currentFirst").value(cp1252ToUtf8(p.currentFirst));
    json.key("currentLast").value(cp1252ToUtf8(p.currentLast));
    json.endObject();
}

void writeAges(JsonWriter& json, const PersonRecord& p, int firstAge, int lastAge) {
    json.beginArray();
    for (int age = firstAge; age <= lastAge; ++age) {
        const Transits t = transits(p, age);
        json.beginObject();
        json.key("age").value(age);
        json.key("physical");
        writeLetter(json, t.physical);
        json.key("mental");
        writeLetter(json, t.mental);
        json.key("spiritual");
        writeLetter(json, t.spiritual);
        json.key("essence");
        writePacked(json, essence(t));
        json.endObject();
    }
    json.endArray();
}

void writeYears(JsonWriter& json, const PersonRecord& p, int firstYear, int lastYear) {
    json.beginArray();
    for (int year = firstYear; year <= lastYear; ++year) {
        int months[12], keys[12];
        for (int m = 1; m <= 12; ++m) {
            months[m - 1] = personalMonth(p, year, m);
            keys[m - 1] = personalMonthKey(p, year, m);
        }
        json.beginObject();
        json.key("year").value(year);
        json.key("personalYear").value(personalYear(p, year));
        json.key("personalMonths");
        writeList(json, months, 12);
        json.key("personalMonthKeys");
        writeList(json, keys, 12);
        json.key("leapDay").value(getsLeapDayText(year, 2));
        json.endObject();
    }
    json.endArray();
}

std::string chartJson(const PersonRecord& p, int firstAge, int lastAge, int firstYear,
                      int lastYear, int todayMonth) {
    ReportNumbers numbers;
    fillReportNumbers(p, numbers);
    JsonWriter json;
    json.beginObject();
    json.key("names");
    writeNames(json, p);
    json.key("fullBirthName").value(cp1252ToUtf8(numbers.fullBirthName));

    const struct {
        const char* key;
        int value;
    } packed[] = {
        {"lifePath", lifePath(p, settings.lifePathMethod)},
        {"birthday", birthdayNumber(p)},
        {"expression", expression(p)},
        {"minorExpression", minorExpression(p)},
        {"heartsDesire", heartsDesire(p)},
        {"minorHeartsDesire", minorHeartsDesire(p)},
        {"personality", personality(p)},
        {"maturity", maturity(p)},
    };
    for (const auto& entry : packed) {
        json.key(entry.key);
        writePacked(json, entry.value);
    }
    json.key("lifePathExpressionBridge").value(lifePathExpressionBridge(p));
    json.key("heartsDesirePersonalityBridge").value(heartsDesirePersonalityBridge(p));
    json.key("birthDateNumber").value(numbers.birthDateNumber);
    json.key("valueCounts");
    writeList(json, numbers.valueCounts + 1, 9);
    const DigitList lessons = karmicLessons(numbers);
    json.key("karmicLessons");
    writeList(json, lessons.values, lessons.count);
    const DigitList passions = hiddenPassion(numbers);
    json.key("hiddenPassion");
    writeList(json, passions.values, passions.count);
    json.key("subconsciousSelf").value(subconsciousSelf(numbers));

    json.key("planes").beginObject();
    json.key("physical");
    writePacked(json, physicalPlane(numbers));
    json.key("mental");
    writePacked(json, mentalPlane(numbers));
    json.key("emotional");
    writePacked(json, emotionalPlane(numbers));
    json.key("intuitive");
    writePacked(json, intuitivePlane(numbers));
    json.endObject();

    json.key("balance").value(balanceNumber(p));
    json.key("rationalThought");
    writePacked(json, rationalThought(p));
    json.key("cornerstone");
    writeLetter(json, cornerstone(p));

    json.key("challenges");
    writeList(json, challenges(p).number, 4);
    json.key("pinnacles");
    writeList(json, pinnacles(p).number, 4);
    json.key("pinnacleEnd").value(pinnacleEnd(p));
    json.key("cycles");
    writeList(json, lifeCycles(p).number, 3);
    json.key("cycleEnd").value(cycleEnd(p));

    json.key("ages");
    writeAges(json, p, firstAge, lastAge);
    json.key("years");
    writeYears(json, p, firstYear, lastYear);

    const YearRange range = personalYearRange(firstYear, lastYear, todayMonth);
    json.key("personalYearRange").beginArray();
    for (int year = range.first; year <= range.last; ++year) json.value(year);
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace

int runNumbersCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::vector<std::string> known = PERSON_OPTIONS;
    known.push_back("ages");
    known.push_back("years");
    Options options;
    std::string error;
    if (!options.parse(args, known, error)) {
        err = "vek numbers: " + error + "\n" + USAGE;
        return EXIT_INPUT_ERROR;
    }
    PersonRecord person;
    TodayDate date;
    if (!readPersonOptions(options, person, date, error)) {
        err = error + "\n";
        return EXIT_INPUT_ERROR;
    }
    int firstAge = 0, lastAge = 0;
    if (options.has("ages") &&
        (!parseRange(options.get("ages"), MAX_AGE, firstAge, lastAge) || lastAge - firstAge > MAX_SPAN)) {
        err = "vek numbers: --ages must be A1-A2, ages from 0 to 999\n";
        return EXIT_INPUT_ERROR;
    }
    int firstYear = date.todayYear, lastYear = date.todayYear;
    if (options.has("years") &&
        (!parseRange(options.get("years"), MAX_YEAR, firstYear, lastYear) ||
         lastYear - firstYear > MAX_SPAN)) {
        err = "vek numbers: --years must be Y1-Y2, at most 1000 years apart\n";
        return EXIT_INPUT_ERROR;
    }
    out = chartJson(person, firstAge, lastAge, firstYear, lastYear, date.todayMonth);
    return 0;
}
