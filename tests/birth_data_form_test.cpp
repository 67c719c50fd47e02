#include "people/birth_data_form.h"
#include "person_maker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(DiamondAge, CompletedYearsOnTodaysDate) {
    const TodayDate today{12, 8, 2026};
    EXPECT_EQ(completedAge(today, 12, 8, 1980), 46);   // birthday today
    EXPECT_EQ(completedAge(today, 12, 9, 1980), 45);   // a later day of this month
    EXPECT_EQ(completedAge(today, 11, 30, 1980), 46);  // an earlier month
    EXPECT_EQ(completedAge(today, 1, 1, 2026), 0);
    EXPECT_FALSE(diamondAgeAllowed(0));
    EXPECT_TRUE(diamondAgeAllowed(1));
    EXPECT_TRUE(diamondAgeAllowed(81));
    EXPECT_FALSE(diamondAgeAllowed(82));
    EXPECT_STREQ(MSG_DIAMOND_AGE, "Error in age: must be between 1 and 81");
}

void expectRefused(const char* phone, const char* nine, const char* message, EverydayField field) {
    const EverydayCheck check = checkEverydayFields(phone, nine);
    ASSERT_NE(check.message, nullptr) << phone << " / " << nine;
    EXPECT_STREQ(check.message, message);
    EXPECT_EQ(check.field, field);
}

TEST(EverydayFields, DigitsLengthAndZerosInTheirOrder) {
    expectRefused("555-1234", "", "Must be all digits.", EverydayField::Phone);
    expectRefused("5551234", "12345678x", "Must be all digits.", EverydayField::NineDigits);
    expectRefused("", "12345678", "Must have 9 digits.", EverydayField::NineDigits);
    expectRefused("", "1234567890", "Must have 9 digits.", EverydayField::NineDigits);
    // At most three zeros: the lowest nine-digit sum the reports know is 6.
    expectRefused("", "000012345", "May have no more than 3 zeros.", EverydayField::NineDigits);
    EXPECT_EQ(checkEverydayFields("", "000123456").message, nullptr);
    EXPECT_EQ(checkEverydayFields("", "").message, nullptr);
    EXPECT_EQ(checkEverydayFields("5551234", "123456789").message, nullptr);
}

TEST(WindowTitles, ProperNamesAndTheEightyCharacterBuffer) {
    EXPECT_EQ(reportWindowTitle("Short Profiles", "torres"), "Short Profiles - Torres");
    EXPECT_EQ(reportWindowTitle("Relationship Compatibility", "mc*ee", "o'hara"),
              "Relationship Compatibility - Mcyee - O'hara");
    const std::string longName(79, 'x');
    const std::string title = reportWindowTitle("Relationship Compatibility", longName.c_str(), longName.c_str());
    EXPECT_EQ(title.size(), 79u);
    EXPECT_EQ(title.compare(0, 31, "Relationship Compatibility - Xx"), 0);
}

TEST(UserListLines, TheSelectedEntryAsPainted) {
    const PersonRecord p = makePerson("Maria", "Elena", "Torres", "Maria", "Lopez", 5, 15, 1949);
    const UserListLines lines = userListLines(p, "May");
    EXPECT_EQ(lines.name, "Maria Lopez");
    EXPECT_EQ(lines.born, "Born:  Maria Elena Torres");
    EXPECT_EQ(lines.date, "May 15, 1949");
    EXPECT_STREQ(englishMonthName(1), "January");
    EXPECT_STREQ(englishMonthName(12), "December");
    EXPECT_STREQ(englishMonthName(0), "");
    EXPECT_STREQ(englishMonthName(13), "");
}

}  // namespace
