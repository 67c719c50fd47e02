#include "cli/numbers_command.h"
#include "example_person_args.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class NumbersCommand : public PlatformTest {
protected:
    int run(std::vector<std::string> args) {
        out.clear();
        err.clear();
        return runNumbersCommand(args, out, err);
    }
    std::string out, err;
};

TEST_F(NumbersCommand, PrintsTheChartOfMariaElenaTorres) {
    ASSERT_EQ(run(MARIA), 0) << err;
    const std::string expected =
        "{\n"
        "  \"names\": {\"birthFirst\": \"Maria\", \"birthMiddle\": \"Elena\", \"birthLast\": \"Torres\", "
        "\"currentFirst\": \"Maria\", \"currentLast\": \"Torres\"},\n"
        "  \"fullBirthName\": \"Maria Elena Torres\",\n"
        "  \"lifePath\": {\"text\": \"16/7\", \"value\": 16, \"sum\": 16},\n"
        "  \"birthday\": {\"text\": \"15\", \"value\": 15, \"sum\": 15},\n"
        "  \"expression\": {\"text\": \"12/3\", \"value\": 3, \"sum\": 12},\n"
        "  \"minorExpression\": {\"text\": \"11/2\", \"value\": 11, \"sum\": 11},\n"
        "  \"heartsDesire\": {\"text\": \"33/6\", \"value\": 6, \"sum\": 33},\n"
        "  \"minorHeartsDesire\": {\"text\": \"22/4\", \"value\": 22, \"sum\": 22},\n"
        "  \"personality\": {\"text\": \"15/6\", \"value\": 6, \"sum\": 15},\n"
        "  \"maturity\": {\"text\": \"10/1\", \"value\": 1, \"sum\": 10},\n"
        "  \"lifePathExpressionBridge\": 4,\n"
        "  \"heartsDesirePersonalityBridge\": 0,\n"
        "  \"birthDateNumber\": 7,\n"
        "  \"valueCounts\": [4, 1, 1, 1, 4, 1, 0, 0, 4],\n"
        "  \"karmicLessons\": [7, 8],\n"
        "  \"hiddenPassion\": [1, 5, 9],\n"
        "  \"subconsciousSelf\": 7,\n"
        "  \"planes\": {\"physical\": {\"text\": \"10/1\", \"value\": 1, \"sum\": 10}, "
        "\"mental\": {\"text\": \"11/2\", \"value\": 11, \"sum\": 11}, "
        "\"emotional\": {\"text\": \"27/9\", \"value\": 9, \"sum\": 27}, "
        "\"intuitive\": {\"text\": \"0\", \"value\": 0, \"sum\": 0}},\n"
        "  \"balance\": 2,\n"
        "  \"rationalThought\": {\"text\": \"39/3\", \"value\": 3, \"sum\": 39},\n"
        "  \"cornerstone\": \"M\",\n"
        "  \"challenges\": [1, 1, 0, 0],\n"
        "  \"pinnacles\": [11, 11, 22, 1],\n"
        "  \"pinnacleEnd\": 29,\n"
        "  \"cycles\": [5, 6, 5],\n"
        "  \"cycleEnd\": 29,\n"
        "  \"ages\": [{\"age\": 0, \"physical\": \"M\", \"mental\": \"E\", \"spiritual\": \"T\", "
        "\"essence\": {\"text\": \"11/2\", \"value\": 11, \"sum\": 11}}],\n"
        "  \"years\": [{\"year\": 2026, \"personalYear\": 3, "
        "\"personalMonths\": [4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6], "
        "\"personalMonthKeys\": [301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312], "
        "\"leapDay\": false}],\n"
        "  \"personalYearRange\": [2026, 2027]\n"
        "}\n";
    EXPECT_EQ(out, expected);
}

TEST_F(NumbersCommand, MethodsAgesAndYears) {
    ASSERT_EQ(run(with(MARIA, {"--method", "B", "--ages", "0-2", "--years", "2027-2028"})), 0) << err;
    EXPECT_NE(out.find("\"lifePath\": {\"text\": \"25/7\", \"value\": 25, \"sum\": 25}"), std::string::npos);
    EXPECT_NE(out.find("{\"age\": 2, \"physical\": \"M\", \"mental\": \"E\", \"spiritual\": \"O\""), std::string::npos);
    EXPECT_NE(out.find("{\"year\": 2028, \"personalYear\": 5,"), std::string::npos);
    EXPECT_NE(out.find("\"leapDay\": true"), std::string::npos);
    EXPECT_NE(out.find("\"personalYearRange\": [2027, 2028]\n"), std::string::npos);
    ASSERT_EQ(run(with(MARIA, {"--method", "C"})), 0);
    EXPECT_NE(out.find("\"text\": \"34/7\", \"value\": 34"), std::string::npos);
}

TEST_F(NumbersCommand, TheYRuleAndCharacterConversion) {
    std::vector<std::string> args = {"--birth-first", "  Yolanda", "--current-first", "Ren\xC3\xA9" "e",
                                     "--born", "1/2/1990", "--today", "6/1/2026"};
    ASSERT_EQ(run(args), 0) << err;
    EXPECT_NE(out.find("\"birthFirst\": \"*olanda\""), std::string::npos);
    EXPECT_NE(out.find("\"currentFirst\": \"Ren\xC3\xA9" "e\""), std::string::npos);
    EXPECT_NE(out.find("\"cornerstone\": \"Y\""), std::string::npos);
    EXPECT_NE(out.find("\"personalYearRange\": [2026]\n"), std::string::npos);
    ASSERT_EQ(run(with(args, {"--auto-yw", "0"})), 0) << err;
    EXPECT_NE(out.find("\"birthFirst\": \"Yolanda\""), std::string::npos);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(NumbersCommand, InputErrorsGiveTheDialogsMessagesAndStatusTwo) {
    struct Case { std::vector<std::string> args; const char* message; };
    const std::vector<std::string> names = {"--birth-first", "Ann", "--current-first", "Ann", "--today", "12/8/2026"};
    const Case cases[] = {
        {with(names, {"--born", "2/29/1900"}), "Error in day"},
        {with(names, {"--born", "1/1/999"}), "Error in year"},
        {with(names, {"--born", "/1/1990"}), "Error in month (must be 1 to 12)"},
        {with(names, {"--born", "12/9/2026"}), "Error in birth date (future date given)"},
        {with(names, {}), "Error in year"},
        {{"--birth-first", "Ann", "--current-first", " ", "--born", "1/1/1990"}, "Required field: don't leave it empty."},
        {with(names, {"--born", "1/1/1990", "--birth-last", "\xE4\xB8\xAD"}), "Windows-1252"},
        {with(names, {"--born", "1/1/1990", "--method", "D"}), "--method"},
        {with(names, {"--born", "1/1/1990", "--ages", "5-2"}), "--ages"},
        {with(names, {"--born", "1/1/1990", "--colour", "red"}), "unknown option --colour"},
        {with(names, {"--born", "1/1/1990", "--birth-first", "Bo"}), "given twice"},
        {with(names, {"--born", "1/1/1990", "--today", "13/1/2026"}), "given twice"},
        {{"--birth-first", "Ann", "--current-first", "Ann", "--born", "1/1/1990", "--today", "2/30/2026"}, "--today"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), 2) << c.message;
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
    EXPECT_EQ(run(with(names, {"--born", "2/29/2000"})), 0) << err;
    EXPECT_EQ(run(with(names, {"--born", "12/8/2026"})), 0) << err;
}

}  // namespace
