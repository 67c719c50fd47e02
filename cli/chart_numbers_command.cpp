#include "cli/chart_numbers_command.h"

#include "chart/chart_numbers.h"
#include "cli/cp1252.h"
#include "cli/json_writer.h"
#include "cli/person_options.h"
#include "shell/settings.h"

#include <cstring>

namespace {

const char* const USAGE =
    "usage: vek chart-numbers --birth-first S [--birth-middle S] [--birth-last S] --current-first S\n"
    "                         [--current-last S] --born M/D/YYYY [--method 0|1|2] [--first-year Y]\n"
    "                         [--auto-yw 1|0] [--today M/D/YYYY]\n";

enum { EXIT_INPUT_ERROR = 2, MAX_YEAR = 99999 };

// The chart's own options are taken out before the person options are read,
// since --method here is the hand-off's number, not the report's letter.
void splitArguments(const std::vector<std::string>& args, std::vector<std::string>& person,
                    std::vector<std::string>& chart) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--method" || args[i] == "--first-year") {
            chart.push_back(args[i]);
            if (i + 1 < args.size()) chart.push_back(args[++i]);
        } else {
            person.push_back(args[i]);
        }
    }
}

std::string letterText(char c) { return c ? cp1252ToUtf8(std::string(1, shownLetter(c))) : std::string(); }

void writeInts(JsonWriter& json, const int* values, std::size_t count) {
    json.beginArray();
    for (std::size_t i = 0; i < count; ++i) json.value(values[i]);
    json.endArray();
}

void writeLetters(JsonWriter& json, const char* letters, std::size_t count) {
    json.beginArray();
    for (std::size_t i = 0; i < count; ++i) json.value(letterText(letters[i]));
    json.endArray();
}

void writeRows(JsonWriter& json, const std::vector<int>* rows) {
    json.beginArray();
    for (int r = 0; r < DIAMOND_ROWS; ++r) writeInts(json, rows[r].data(), rows[r].size());
    json.endArray();
}

void writeWords(JsonWriter& json, const NameWord* words, int count) {
    json.beginArray();
    for (int i = 0; i < count; ++i) {
        const NameWord& word = words[i];
        json.beginObject();
        json.key("letters");
        writeLetters(json, word.letters.data(), word.letters.size());
        json.key("values");
        writeInts(json, word.values.data(), word.values.size());
        json.key("sums").beginObject();
        json.key("all").value(word.sumAll);
        json.key("vowels").value(word.sumVowels);
        json.key("consonants").value(word.sumConsonants);
        json.endObject();
        json.endObject();
    }
    json.endArray();
}

void writePlanes(JsonWriter& json, const ChartNumbers& n) {
    static const char* const NAMES[PLANE_COUNT] = {"physical", "mental", "emotional", "intuitive"};
    json.beginObject();
    for (int p = 0; p < PLANE_COUNT; ++p) {
        const Plane& plane = n.planes[p];
        json.key(NAMES[p]).beginObject();
        json.key("groups").beginArray();
        for (const PlaneGroup& group : plane.groups) {
            json.beginObject();
            json.key("count").value(group.count());
            json.key("sum").value(group.sum);
            json.endObject();
        }
        json.endArray();
        json.key("groupRoots");
        writeInts(json, plane.groupRoots, GROUP_COUNT);
        json.key("countRoot").value(plane.countRoot);
        json.key("sumRoot").value(plane.sumRoot);
        json.endObject();
    }
    json.key("totals").beginObject();
    json.key("columnCounts");
    writeInts(json, n.planeTotals.columnCounts, GROUP_COUNT);
    json.key("columnRoots");
    writeInts(json, n.planeTotals.columnRoots, GROUP_COUNT);
    json.key("count").value(n.planeTotals.count);
    json.key("sumRoot").value(n.planeTotals.sumRoot);
    json.endObject();
    json.endObject();
}

std::string chartNumbersJson(const ChartNumbers& n) {
    JsonWriter json;
    json.beginObject();
    const struct {
        const char* key;
        int value;
    } single[] = {
        {"lifePathDigit", n.lifePathDigit},
        {"lifePath", n.lifePath},
        {"expression", n.expression},
        {"heartsDesire", n.heartsDesire},
        {"personality", n.personality},
        {"minorExpression", n.minorExpression},
        {"minorHeartsDesire", n.minorHeartsDesire},
        {"minorPersonality", n.minorPersonality},
        {"maturity", n.maturity},
        {"rationalThought", n.rationalThought},
        {"balance", n.balance},
        {"keystone", n.keystone},
        {"cornerstone", n.cornerstone},
        {"capstone", n.capstone},
    };
    for (const auto& entry : single) json.key(entry.key).value(entry.value);
    json.key("karmicCounts");
    writeInts(json, n.karmicCounts + 1, 9);
    json.key("subconsciousSelf").value(n.subconsciousSelf);
    json.key("birthMonth").value(n.birthMonth);
    json.key("birthDate").value(n.birthDate);
    json.key("birthYear").value(n.birthYear);
    json.key("pinnacles");
    writeInts(json, n.pinnacles, 4);
    json.key("pinnacleLengths");
    writeInts(json, n.pinnacleLengths, 4);
    json.key("challenges");
    writeInts(json, n.challenges, 4);
    json.key("cycles");
    writeInts(json, n.cycles, 3);
    json.key("cycleLengths");
    writeInts(json, n.cycleLengths, 3);

    json.key("transits").beginObject();
    json.key("physical");
    writeLetters(json, n.physicalTransit.data(), n.physicalTransit.size());
    json.key("mental");
    writeLetters(json, n.mentalTransit.data(), n.mentalTransit.size());
    json.key("spiritual");
    writeLetters(json, n.spiritualTransit.data(), n.spiritualTransit.size());
    json.endObject();
    json.key("essence");
    writeInts(json, n.essence, CHART_AGES);

    json.key("diamond").beginObject();
    json.key("base");
    writeLetters(json, n.diamondBase, DIAMOND_BASE);
    json.key("baseValues");
    writeInts(json, n.diamondBaseValues, DIAMOND_BASE);
    json.key("sums");
    writeRows(json, n.diamondSums);
    json.key("differences");
    writeRows(json, n.diamondDifferences);
    json.endObject();

    json.key("nameRows").beginObject();
    json.key("birth");
    writeWords(json, n.birthWords, 3);
    json.key("current");
    writeWords(json, n.currentWords, 2);
    json.endObject();

    json.key("planes");
    writePlanes(json, n);

    json.key("years").beginArray();
    for (const ChartYear& year : n.years) {
        json.beginObject();
        json.key("year").value(year.year);
        json.key("personalYear").value(year.personalYear);
        json.key("personalMonths");
        writeInts(json, year.personalMonths, 12);
        json.key("essenceBefore").value(year.essenceBefore);
        json.key("essenceAfter").value(year.essenceAfter);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace

int runChartNumbersCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::vector<std::string> personArgs, chartArgs;
    splitArguments(args, personArgs, chartArgs);
    std::vector<std::string> known = PERSON_OPTIONS;
    Options personOptions, chartOptions;
    std::string error;
    if (!personOptions.parse(personArgs, known, error) ||
        !chartOptions.parse(chartArgs, {"method", "first-year"}, error)) {
        err = "vek chart-numbers: " + error + "\n" + USAGE;
        return EXIT_INPUT_ERROR;
    }
    PersonRecord person;
    TodayDate date;
    if (!readPersonOptions(personOptions, person, date, error)) {
        err = error + "\n";
        return EXIT_INPUT_ERROR;
    }

    ChartInput input;
    const std::string method = chartOptions.get("method", "0");
    if (method != "0" && method != "1" && method != "2") {
        err = "vek chart-numbers: --method must be 0, 1 or 2\n";
        return EXIT_INPUT_ERROR;
    }
    input.lifePathMethod = method[0] - '0';
    input.firstYear = date.todayYear;
    if (chartOptions.has("first-year")) {
        int first = 0, last = 0;
        if (!parseRange(chartOptions.get("first-year"), MAX_YEAR, first, last) || first != last) {
            err = "vek chart-numbers: --first-year must be a year from 0 to 99999\n";
            return EXIT_INPUT_ERROR;
        }
        input.firstYear = first;
    }
    std::memcpy(input.charMap, settings.charMap, sizeof input.charMap);
    input.birthFirst = person.birthFirst;
    input.birthMiddle = person.birthMiddle;
    input.birthLast = person.birthLast;
    input.currentFirst = person.currentFirst;
    input.currentLast = person.currentLast;
    input.birthMonth = person.birthMonth;
    input.birthDay = person.birthDay;
    input.birthYear = person.birthYear;
    out = chartNumbersJson(computeChartNumbers(input));
    return 0;
}
