#include "cli/chart_numbers_command.h"
#include "example_person_args.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class ChartNumbersCommand : public PlatformTest {
protected:
    int run(std::vector<std::string> args) {
        out.clear();
        err.clear();
        return runChartNumbersCommand(args, out, err);
    }
    // The line of a top-level member, without its line end.
    std::string member(const std::string& key) const {
        std::istringstream lines(out);
        std::string line;
        while (std::getline(lines, line))
            if (line.rfind("  \"" + key + "\": ", 0) == 0) return line;
        return "";
    }
    std::string out, err;
};

TEST_F(ChartNumbersCommand, MembersInOrder) {
    ASSERT_EQ(run(MARIA), 0) << err;
    const std::vector<std::string> keys = {
        "lifePathDigit", "lifePath", "expression", "heartsDesire", "personality", "minorExpression",
        "minorHeartsDesire", "minorPersonality", "maturity", "rationalThought", "balance", "keystone",
        "cornerstone", "capstone", "karmicCounts", "subconsciousSelf", "birthMonth", "birthDate", "birthYear",
        "pinnacles", "pinnacleLengths", "challenges", "cycles", "cycleLengths", "transits", "essence", "diamond",
        "nameRows", "planes", "years"};
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "{");
    for (const std::string& key : keys) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.substr(0, key.size() + 6), "  \"" + key + "\": ") << line.substr(0, 40);
    }
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "}");
}

TEST_F(ChartNumbersCommand, TheNumbersOfMariaElenaTorres) {
    ASSERT_EQ(run(with(MARIA, {"--first-year", "2026"})), 0) << err;
    EXPECT_EQ(member("lifePathDigit"), "  \"lifePathDigit\": 7,");
    EXPECT_EQ(member("lifePath"), "  \"lifePath\": 16,");
    EXPECT_EQ(member("heartsDesire"), "  \"heartsDesire\": 33,");
    EXPECT_EQ(member("balance"), "  \"balance\": 11,");
    EXPECT_EQ(member("karmicCounts"), "  \"karmicCounts\": [4, 1, 1, 1, 4, 1, 0, 0, 4],");
    EXPECT_EQ(member("pinnacles"), "  \"pinnacles\": [11, 11, 22, 1],");
    EXPECT_EQ(member("pinnacleLengths"), "  \"pinnacleLengths\": [30, 9, 9, 999],");
    EXPECT_EQ(member("cycleLengths"), "  \"cycleLengths\": [30, 27, 999],");
    EXPECT_EQ(member("transits").rfind("  \"transits\": {\"physical\": [\"M\", \"M\", \"M\", \"M\", \"a\", \"r\"", 0), 0u);
    EXPECT_EQ(member("essence").rfind("  \"essence\": [11, 11, 15, 15, 12, ", 0), 0u);
    const std::string diamond = member("diamond");
    EXPECT_NE(diamond.find("\"base\": [\"M\", \"a\", \"r\", \"i\", \"a\", \"E\", \"l\", \"e\", \"n\"], "
                           "\"baseValues\": [4, 1, 9, 9, 1, 5, 3, 5, 5], \"sums\": [[5, 1, 9, 1, 6, 8, 8, 1], "),
              std::string::npos);
    EXPECT_NE(diamond.find("\"differences\": [[3, 8, 0, 8, 4, 2, 2, 0], "), std::string::npos);
    EXPECT_NE(member("nameRows").find("{\"letters\": [\"M\", \"a\", \"r\", \"i\", \"a\"], \"values\": [4, 1, 9, 9, 1], "
                                      "\"sums\": {\"all\": 24, \"vowels\": 11, \"consonants\": 13}}"),
              std::string::npos);
    EXPECT_NE(member("planes").find("\"totals\": {\"columnCounts\": [11, 3, 2], \"columnRoots\": "),
              std::string::npos);
    EXPECT_NE(member("planes").find("\"physical\": {\"groups\": [{\"count\": 3, \"sum\": 15}, {\"count\": 0, "
                                    "\"sum\": 0}, {\"count\": 1, \"sum\": 4}], \"groupRoots\": [6, 0, 4], "
                                    "\"countRoot\": 4, \"sumRoot\": 1}"),
              std::string::npos);
    EXPECT_EQ(member("years").rfind("  \"years\": [{\"year\": 2026, \"personalYear\": 3, \"personalMonths\": "
                                    "[4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6], \"essenceBefore\": ",
                                    0),
              0u);
}

TEST_F(ChartNumbersCommand, MethodsAndTheFirstYear) {
    ASSERT_EQ(run(with(MARIA, {"--method", "1"})), 0) << err;
    EXPECT_EQ(member("lifePath"), "  \"lifePath\": 25,");
    ASSERT_EQ(run(with(MARIA, {"--method", "2", "--first-year", "2000"})), 0) << err;
    EXPECT_EQ(member("lifePath"), "  \"lifePath\": 34,");
    EXPECT_EQ(member("years").substr(0, 25), "  \"years\": [{\"year\": 2000");
    ASSERT_EQ(run(MARIA), 0);  // the first year defaults to today's
    EXPECT_EQ(member("years").substr(0, 25), "  \"years\": [{\"year\": 2026");
}

TEST_F(ChartNumbersCommand, AYNextToAVowelShowsAsY) {
    ASSERT_EQ(run({"--birth-first", "Maya", "--current-first", "Maya", "--born", "1/2/1990", "--today",
                   "12/8/2026"}),
              0)
        << err;
    // Stored as "Ma*a": a consonant of 7, shown as y.
    EXPECT_NE(member("nameRows").find("{\"letters\": [\"M\", \"a\", \"y\", \"a\"], \"values\": [4, 1, 7, 1], "
                                      "\"sums\": {\"all\": 13, \"vowels\": 2, \"consonants\": 11}}"),
              std::string::npos);
}

TEST_F(ChartNumbersCommand, BadOptionsAreInputErrors) {
    EXPECT_EQ(run(with(MARIA, {"--method", "A"})), 2);
    EXPECT_NE(err.find("--method must be 0, 1 or 2"), std::string::npos);
    EXPECT_EQ(run(with(MARIA, {"--first-year", "20x6"})), 2);
    EXPECT_EQ(run(with(MARIA, {"--method"})), 2);
    EXPECT_EQ(run(with(MARIA, {"--ages", "0-3"})), 2);
    EXPECT_EQ(run({"--birth-first", "Maria", "--current-first", "Maria", "--born", "13/1/1949"}), 2);
    EXPECT_TRUE(out.empty());
}

}  // namespace
