#include "cli/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, ConvertsLatinLettersAndTheHighControls) {
    std::string out;
    ASSERT_TRUE(utf8ToCp1252("Jos\xC3\xA9 M\xC3\xBCller", out));
    EXPECT_EQ(out, "Jos\xE9 M\xFCller");
    ASSERT_TRUE(utf8ToCp1252("\xE2\x82\xAC \xE2\x80\x9C" "a" "\xE2\x80\x9D \xC5\xA0", out));  // € “a” Š
    EXPECT_EQ(out, "\x80 \x93" "a" "\x94 \x8A");
    ASSERT_TRUE(utf8ToCp1252("", out));
    EXPECT_EQ(out, "");
}

TEST(Cp1252, RefusesWhatItCannotHold) {
    std::string out;
    EXPECT_FALSE(utf8ToCp1252("\xE4\xB8\xAD", out));      // a CJK character
    EXPECT_FALSE(utf8ToCp1252("\xC2\x81", out));          // U+0081 has no code
    EXPECT_FALSE(utf8ToCp1252("\xE9", out));              // Latin-1, not UTF-8
    EXPECT_FALSE(utf8ToCp1252("\xC3", out));              // cut short
    EXPECT_FALSE(utf8ToCp1252("\xC0\xAF", out));          // overlong
    EXPECT_FALSE(utf8ToCp1252("\xED\xA0\x80", out));      // surrogate
    EXPECT_FALSE(utf8ToCp1252("\xF0\x9F\x98\x80", out));  // emoji
}

TEST(Cp1252, RoundTripOfEveryCode) {
    for (int code = 1; code < 256; ++code) {
        const std::string one(1, static_cast<char>(code));
        const std::string utf8 = cp1252ToUtf8(one);
        std::string back;
        const bool undefined = code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
        if (undefined) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD") << code;
        } else {
            ASSERT_TRUE(utf8ToCp1252(utf8, back)) << code;
            EXPECT_EQ(back, one) << code;
        }
    }
}

}  // namespace
