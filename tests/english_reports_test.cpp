// Whole reports made with the English archive of this build, read for
// repetition: a subject can be named more than once in a report (a pair
// text once per year and month, a month's text again before its day lines),
// and the same stock sentence can turn up in many subjects. Measured as the
// share of words in sentences that already appeared earlier in the report.
#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "cli/report_commands.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Person {
    const char* label;
    std::vector<std::string> options;
};

// Three readers of different ages; the first is the README's example.
const Person PEOPLE[] = {
    {"Maria Elena Torres, born 1949",
     {"--birth-first", "Maria", "--birth-middle", "Elena", "--birth-last", "Torres", "--current-first", "Maria",
      "--current-last", "Torres", "--born", "5/15/1949"}},
    {"Daniel James Okafor, born 1978",
     {"--birth-first", "Daniel", "--birth-middle", "James", "--birth-last", "Okafor", "--current-first", "Dan",
      "--current-last", "Okafor", "--born", "11/3/1978"}},
    {"Lena Sofia Marsh, born 2004",
     {"--birth-first", "Lena", "--birth-middle", "Sofia", "--birth-last", "Marsh", "--current-first", "Lena",
      "--current-last", "Marsh", "--born", "8/22/2004"}},
};

// Each reader's partner in the compatibility report.
const std::vector<std::string> PARTNERS[] = {
    {"--second-birth-first", "Walter", "--second-birth-last", "Brandt", "--second-current-first", "Walter",
     "--second-current-last", "Brandt", "--second-born", "9/2/1946"},
    {"--second-birth-first", "Aiko", "--second-birth-last", "Mori", "--second-current-first", "Aiko",
     "--second-current-last", "Okafor", "--second-born", "2/29/1980"},
    {"--second-birth-first", "Noah", "--second-birth-last", "Quint", "--second-current-first", "Noah",
     "--second-current-last", "Quint", "--second-born", "12/30/2003"},
};

// Two years of Personal Years and Months, a year of day-by-day forecasts
// inside them, and three ages of Transits and Essence.
const std::vector<std::string> RANGES = {"--years",      "2027-2028",         "--months", "1/2027-12/2028",
                                         "--day-months", "1/2027-12/2027",    "--ages",   "40-42",
                                         "--today",      "12/8/2026",         "--topics", "all"};

struct Repetition {
    std::size_t words = 0;
    std::size_t repeatedWords = 0;
    std::map<std::string, std::size_t> repeated;  // sentence -> its repeated occurrences
    double share() const { return words ? static_cast<double>(repeatedWords) / static_cast<double>(words) : 0.0; }
};

std::size_t wordCount(const std::string& sentence) {
    std::size_t count = 0;
    bool inWord = false;
    for (char c : sentence) {
        const bool wordChar = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (wordChar && !inWord) ++count;
        inWord = wordChar;
    }
    return count;
}

// A line's sentences, each with its spacing collapsed. A day line's label
// ("Day 12: ") is not part of its first sentence.
std::vector<std::string> sentencesOf(std::string line) {
    if (line.compare(0, 4, "Day ") == 0) {
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos && colon < 8) line.erase(0, colon + 2);
    }
    std::vector<std::string> sentences;
    std::string current;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' && (current.empty() || current.back() == ' ')) continue;
        current += c;
        const bool end = (c == '.' || c == '?' || c == '!') && (i + 1 == line.size() || line[i + 1] == ' ');
        if (end || i + 1 == line.size()) {
            while (!current.empty() && current.back() == ' ') current.pop_back();
            if (wordCount(current) > 0) sentences.push_back(current);
            current.clear();
        }
    }
    return sentences;
}

// The prose of a report's body: lines that carry no style code (headings,
// number lines and the composer's other phrase lines do).
Repetition measure(const std::string& report, std::size_t bodyStart) {
    Repetition result;
    std::set<std::string> seen;
    std::size_t at = std::min(bodyStart, report.size());
    while (at < report.size()) {
        std::size_t end = report.find('\n', at);
        if (end == std::string::npos) end = report.size();
        std::string line = report.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || std::string("$&%_=0123456").find(line[0]) != std::string::npos) continue;
        for (const std::string& sentence : sentencesOf(line)) {
            const std::size_t words = wordCount(sentence);
            result.words += words;
            if (!seen.insert(sentence).second) {
                result.repeatedWords += words;
                ++result.repeated[sentence];
            }
        }
    }
    return result;
}

class EnglishReports : public PlatformTest {
protected:
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }

    // The report's text and where its body starts.
    std::string report(const std::string& type, std::vector<std::string> args, std::size_t& bodyStart) {
        std::string out, err;
        args.insert(args.begin(), {"--type", type});
        args.insert(args.end(), RANGES.begin(), RANGES.end());
        args.insert(args.end(), {"--archive", TAMSI_ENGLISH_ARCHIVE, "-o", pathIn("report.lst")});
        EXPECT_EQ(runListCommand(args, out, err), 0) << err;
        EXPECT_EQ(runExpandCommand({"--archive", TAMSI_ENGLISH_ARCHIVE, pathIn("report.lst"), "-o",
                                    pathIn("report.txt")},
                                   out, err),
                  0)
            << err;
        bodyStart = sectionMarks.bodyStart;
        return readFile(pathIn("report.txt"));
    }

    // The subjects (with "#1" and "#2" filled in) a repeated sentence comes from.
    static std::string sources(const std::string& sentence, const std::string& first, const std::string& second) {
        std::string names;
        const std::string probe = sentence.substr(0, std::min<std::size_t>(sentence.size(), 50));
        // The expansion closed the archive; open it again to search it.
        const std::string stored = readFile(TAMSI_ENGLISH_ARCHIVE);
        if (openStoredArchive(std::vector<std::uint8_t>(stored.begin(), stored.end())) != 1) return "?";
        auto filled = [](std::string text, const std::string& one, const std::string& two) {
            for (std::size_t at = text.find("#1"); at != std::string::npos; at = text.find("#1", at))
                text.replace(at, 2, one);
            for (std::size_t at = text.find("#2"); at != std::string::npos; at = text.find("#2", at))
                text.replace(at, 2, two);
            return text;
        };
        for (const SubjectEntry& row : textArchive.subjectTable) {
            const std::string text(reinterpret_cast<const char*>(textArchive.data.data()) + row.text, row.length);
            // "{SWAPNAMES}" lets a subject speak of the second person.
            if (filled(text, first, second).find(probe) != std::string::npos ||
                filled(text, second, first).find(probe) != std::string::npos)
                names += std::string(names.empty() ? "" : " ") + row.name;
        }
        closeTextArchive();
        return names;
    }

    // The share, with the repeated sentences that weigh most for the message.
    void expectAtMost(double limit, const std::string& type, const std::string& who, const std::string& report,
                      std::size_t bodyStart, const std::string& first, const std::string& second) {
        const Repetition repetition = measure(report, bodyStart);
        ASSERT_GT(repetition.words, 500u) << type << " for " << who << " has almost no prose";
        if (repetition.share() <= limit) return;
        std::vector<std::pair<std::size_t, std::string>> heaviest;
        for (const auto& [sentence, times] : repetition.repeated)
            heaviest.push_back({times * wordCount(sentence), sentence});
        std::sort(heaviest.rbegin(), heaviest.rend());
        std::string list;
        for (std::size_t i = 0; i < heaviest.size() && i < 15; ++i)
            list += "\n  " + std::to_string(heaviest[i].first) + " words: \"" + heaviest[i].second.substr(0, 90) +
                    "\" [" + sources(heaviest[i].second, first, second) + "]";
        char share[160];
        std::snprintf(share, sizeof share, "%.1f %%) are in sentences said earlier in the report; at most %.0f %%",
                      repetition.share() * 100, limit * 100);
        ADD_FAILURE() << type << " for " << who << ": " << repetition.repeatedWords << " of " << repetition.words
                      << " words (" << share << " may be. Heaviest repeats:" << list;
    }
};

TEST(RepetitionMeasure, CountsTheWordsOfSentencesSaidBefore) {
    const std::string report = "=\nOne two three. Four five.\n$Heading. Heading.\nOne two three. Six.\nDay 3: Four five.\n";
    const Repetition repetition = measure(report, 2);
    EXPECT_EQ(repetition.words, 11u);  // style-coded lines are not prose
    EXPECT_EQ(repetition.repeatedWords, 5u);
    EXPECT_EQ(repetition.repeated.at("One two three."), 1u);
    EXPECT_EQ(repetition.repeated.at("Four five."), 1u) << "a day line's label is not part of its sentence";
}

TEST_F(EnglishReports, ProfilesRepeatLittle) {
    for (const Person& person : PEOPLE) {
        const std::string first = person.options[person.options.size() - 5];  // --current-first
        for (const char* type : {"profile", "short"}) {
            std::size_t bodyStart = 0;
            const std::string text = report(type, person.options, bodyStart);
            expectAtMost(0.05, type, person.label, text, bodyStart, first, "");
        }
    }
}

TEST_F(EnglishReports, CompatibilityRepeatsLittle) {
    for (std::size_t i = 0; i < std::size(PEOPLE); ++i) {
        std::vector<std::string> args = PEOPLE[i].options;
        args.insert(args.end(), PARTNERS[i].begin(), PARTNERS[i].end());
        std::size_t bodyStart = 0;
        const std::string text = report("compatibility", args, bodyStart);
        expectAtMost(0.10, "compatibility", PEOPLE[i].label, text, bodyStart, PEOPLE[i].options[7],
                     PARTNERS[i][5]);
    }
}

}  // namespace
