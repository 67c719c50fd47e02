#include "people/name_reading.h"
#include "person_maker.h"

#include <gtest/gtest.h>

namespace {

class NameReading : public ::testing::Test {
protected:
    void SetUp() override { resetEngineSettings(); }
    TodayDate today8Dec2026{12, 8, 2026};
};

NameReadResult read(const char* typed, char (&field)[NAME_SIZE], bool required = false,
                    bool autoYW = true) {
    YwReading reading;
    return readNameField(typed, field, required, autoYW, reading);
}

TEST_F(NameReading, LeadingBlanksGoAndTheYRuleApplies) {
    char field[NAME_SIZE];
    EXPECT_EQ(read("   Yolanda", field), NameReadResult::Ok);
    EXPECT_STREQ(field, "*olanda");
    EXPECT_EQ(read("Kaye ", field), NameReadResult::Ok);
    EXPECT_STREQ(field, "Ka*e ");
    EXPECT_EQ(read("Yolanda", field, false, false), NameReadResult::Ok);
    EXPECT_STREQ(field, "Yolanda");
}

TEST_F(NameReading, AtMostSeventyNineCharactersAreTaken) {
    std::string typed(100, 'b');
    char field[NAME_SIZE];
    EXPECT_EQ(read(typed.c_str(), field), NameReadResult::Ok);
    EXPECT_EQ(std::string(field), std::string(79, 'b'));
    // The cut comes before the blanks are removed, as in the dialog's field.
    std::string padded = std::string(70, ' ') + std::string(20, 'c');
    EXPECT_EQ(read(padded.c_str(), field), NameReadResult::Ok);
    EXPECT_EQ(std::string(field), std::string(9, 'c'));
}

TEST_F(NameReading, RequiredFieldsAndCommas) {
    char field[NAME_SIZE];
    EXPECT_EQ(read("   ", field, true), NameReadResult::Required);
    EXPECT_STREQ(nameReadMessage(NameReadResult::Required), "Required field: don't leave it empty.");
    EXPECT_EQ(read("", field, false), NameReadResult::Ok);
    EXPECT_EQ(read("Smith, Jr", field), NameReadResult::Comma);
    EXPECT_NE(nameReadMessage(NameReadResult::Comma), nullptr);
}

TEST_F(NameReading, BirthDateChecksInTheDialogsOrder) {
    PersonRecord p{};
    auto check = [&](unsigned m, unsigned d, unsigned y) { return checkBirthDate(m, d, y, today8Dec2026, p); };
    EXPECT_STREQ(check(2, 29, 1900).message, "Error in day");
    EXPECT_EQ(check(2, 29, 1900).field, DateField::Day);
    EXPECT_EQ(check(2, 29, 2000).message, nullptr);
    EXPECT_EQ(p.birthMonth, 2);
    EXPECT_EQ(p.birthDay, 29);
    EXPECT_EQ(p.birthYear, 2000);
    EXPECT_STREQ(check(1, 1, 999).message, "Error in year");
    EXPECT_EQ(check(1, 1, 999).field, DateField::Year);
    EXPECT_STREQ(check(0, 1, 1990).message, "Error in month (must be 1 to 12)");
    EXPECT_STREQ(check(13, 1, 1990).message, "Error in month (must be 1 to 12)");
    EXPECT_STREQ(check(0, 0, 999).message, "Error in year");  // year first
    EXPECT_STREQ(check(4, 31, 1990).message, "Error in day");
    EXPECT_STREQ(check(4, 0, 1990).message, "Error in day");
    EXPECT_EQ(check(12, 8, 2026).message, nullptr);  // today
    EXPECT_STREQ(check(12, 9, 2026).message, "Error in birth date (future date given)");
    EXPECT_EQ(check(12, 9, 2026).field, DateField::Year);
    EXPECT_STREQ(check(1, 1, 2027).message, "Error in birth date (future date given)");
    EXPECT_STREQ(check(1, 1, 4000000000u).message, "Error in birth date (future date given)");
}

TEST_F(NameReading, AFailedDateCheckStoresNothing) {
    PersonRecord p = makePerson("A", "", "", "A", "", 5, 15, 1949);
    EXPECT_NE(checkBirthDate(2, 30, 2001, today8Dec2026, p).message, nullptr);
    EXPECT_EQ(p.birthMonth, 5);
    EXPECT_EQ(p.birthDay, 15);
    EXPECT_EQ(p.birthYear, 1949);
}

TEST_F(NameReading, DialogNumbers) {
    EXPECT_EQ(dialogNumber("1949"), 1949u);
    EXPECT_EQ(dialogNumber("  12"), 12u);
    EXPECT_EQ(dialogNumber(""), 0u);
    EXPECT_EQ(dialogNumber("x"), 0u);
    EXPECT_EQ(dialogNumber("12x"), 0u);
    EXPECT_EQ(dialogNumber("-3"), 0u);
    EXPECT_EQ(dialogNumber("99999999999"), 0u);
}

}  // namespace
