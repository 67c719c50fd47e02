#include "person_maker.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// The record is packed: its fields are compared by value (unary plus), never
// bound to a reference at an odd address.
namespace {

class SettingsFile : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        std::memset(&settings, 0xAB, sizeof settings);
        dailyLuckyNumbers = 0;
        cyclesChosen = 1;
        path = pathIn(SETTINGS_FILE_NAME);
    }
    void defaults(int reportType) {
        applySettingsDefaults(reportType, "C:\\Tamsi", TodayDate{12, 8, 2026}, person);
    }
    std::string path;
    PersonRecord person = makePerson("Maria", "", "", "Maria", "", 5, 15, 1949);
};

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

TEST_F(SettingsFile, DefaultsForEveryField) {
    defaults(13);
    EXPECT_EQ(+settings.reportFont.height, -15);
    EXPECT_EQ(+settings.reportFont.width, 0);
    EXPECT_EQ(+settings.reportFont.weight, 400);
    EXPECT_EQ(+settings.reportFont.charSet, 0);
    EXPECT_EQ(+settings.reportFont.outPrecision, 3);
    EXPECT_EQ(+settings.reportFont.clipPrecision, 2);
    EXPECT_EQ(+settings.reportFont.quality, 1);
    EXPECT_EQ(+settings.reportFont.pitchAndFamily, 0x22);
    EXPECT_STREQ(settings.reportFont.faceName, "Arial");
    for (int i = 0; i < 256; ++i) EXPECT_EQ(+settings.charMap[i], i);
    EXPECT_EQ(+settings.languageIndex, 0);
    EXPECT_EQ(+settings.viaWordProcessor, 1);
    EXPECT_EQ(+settings.extraLinesPerPage, 0);
    EXPECT_EQ(+settings.autoYW, 1);
    EXPECT_EQ(+settings.lifePathMethod, 0);
    EXPECT_EQ(+settings.alwaysSaveBirthData, 1);
    EXPECT_EQ(+settings.firstAge, 2026 - 1949);
    EXPECT_EQ(+settings.lastAge, 2026 - 1949 + 2);
    EXPECT_EQ(+settings.firstYear, 2026);
    EXPECT_EQ(+settings.lastYear, 2028);
    EXPECT_EQ(+settings.firstMonth, 2026 * 12 + 11);
    EXPECT_EQ(+settings.lastMonth, 2026 * 12 + 11 + 25);
    EXPECT_EQ(+settings.firstDayMonth, 2026 * 12 + 11);
    EXPECT_EQ(+settings.lastDayMonth, 2026 * 12 + 11 + 7);
    for (int i = 0; i < 36; ++i) EXPECT_EQ(+settings.topicFlags[i], i == 34 ? 0 : 1) << i;
    for (int i = 36; i < 44; ++i) EXPECT_EQ(+settings.topicFlags[i], 0xAB) << "spare bytes stay";
    for (const auto& set : settings.userTopicSets) {
        for (int i = 0; i < 36; ++i) EXPECT_EQ(set[i], 0);
        EXPECT_EQ(set[36], 0xAB);
    }
    EXPECT_STREQ(settings.wordProcessorPath, "C:\\Tamsi" PATH_SEPARATOR "WordPad.exe");
    EXPECT_EQ(+settings.wordProcessorMode, 0);
    EXPECT_STREQ(settings.coverAuthor, "Ulvar Tamsi");
    EXPECT_STREQ(settings.logoPath, "C:\\Tamsi" PATH_SEPARATOR "Logo.bmp");
    EXPECT_EQ(std::string(settings.coverText, 1000), std::string(1000, '\0'));
    EXPECT_EQ(cyclesChosen, 0);
    EXPECT_EQ(dailyLuckyNumbers, 0);
}

TEST_F(SettingsFile, ReportTypeAdjustments) {
    defaults(6);
    EXPECT_EQ(dailyLuckyNumbers, 1);
    EXPECT_EQ(+settings.lastMonth, settings.firstMonth + 25 + 13);
    defaults(10);
    EXPECT_EQ(+settings.lastAge, 0);
    settings.topicFlags[3] = 0;
    defaults(8);
    EXPECT_EQ(+settings.topicFlags[3], 1);
    EXPECT_EQ(+settings.lastAge, settings.firstAge + 2);
}

TEST_F(SettingsFile, SavedBytesAtTheirOffsets) {
    defaults(13);
    settings.magic = 0;
    settings.autoYW = 0;
    settings.lifePathMethod = 2;
    settings.charMap[0xD6] = 'O';
    std::snprintf(settings.coverText, sizeof settings.coverText, "For you");
    ASSERT_TRUE(saveSettings(path));
    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 2198u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x21);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0x57);
    EXPECT_EQ(int32At(bytes, 2), -15);
    EXPECT_EQ(int32At(bytes, 2 + 16), 400);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2 + 27]), 0x22);
    EXPECT_EQ(bytes.substr(2 + 28, 6), std::string("Arial\0", 6));
    EXPECT_EQ(static_cast<unsigned char>(bytes[62 + 0xD6]), 'O');
    EXPECT_EQ(static_cast<unsigned char>(bytes[62 + 'A']), 'A');
    EXPECT_EQ(int32At(bytes, 322), 1);
    EXPECT_EQ(int32At(bytes, 330), 0);
    EXPECT_EQ(int32At(bytes, 334), 2);
    EXPECT_EQ(int32At(bytes, 338), 1);
    EXPECT_EQ(int32At(bytes, 350), 2026);
    EXPECT_EQ(int32At(bytes, 370), 2026 * 12 + 11 + 7);
    EXPECT_EQ(bytes[374], 1);
    EXPECT_EQ(bytes[374 + 34], 0);
    EXPECT_EQ(bytes[418], 0);
    EXPECT_EQ(bytes.substr(858, 12), std::string("Ulvar Tamsi\0", 12));
    EXPECT_EQ(bytes.substr(1198, 8), std::string("For you\0", 8));
}

TEST_F(SettingsFile, SavingFallsBackToWritingInPlaceAndReportsAFailure) {
    defaults(0);
    ASSERT_TRUE(saveSettings(path));
    settings.autoYW = 0;
    // The folder takes no new file, but Vek.ini itself can be written.
    ASSERT_TRUE(platform::makeDirectory(path + ".new"));
    EXPECT_TRUE(saveSettings(path));
    EXPECT_TRUE(platform::removeDirectory(path + ".new"));
    EXPECT_EQ(int32At(readFile(path), 330), 0);
    EXPECT_TRUE(boxes().empty());
    const std::string nowhere = platform::joinPath(pathIn("missing"), SETTINGS_FILE_NAME);
    EXPECT_FALSE(saveSettings(nowhere));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "The settings could not be saved in " + nowhere + ".");
    EXPECT_EQ(boxes()[0].caption, "Error");
}

TEST_F(SettingsFile, RoundTripAndLongerFiles) {
    defaults(13);
    settings.firstAge = 33;
    ASSERT_TRUE(saveSettings(path));
    writeFile(path, readFile(path) + "trailing bytes");
    std::memset(&settings, 0, sizeof settings);
    ASSERT_TRUE(loadSettings(path));
    EXPECT_EQ(+settings.firstAge, 33);
    EXPECT_STREQ(settings.coverAuthor, "Ulvar Tamsi");
}

TEST_F(SettingsFile, ForeignShortOrMissingFilesLeaveTheRecordForTheDefaults) {
    defaults(13);
    ASSERT_TRUE(saveSettings(path));
    std::string good = readFile(path);

    std::string foreign = good;
    foreign[0] = 0x22;
    writeFile(path, foreign);
    settings.firstAge = 5;
    EXPECT_FALSE(loadSettings(path));
    EXPECT_EQ(+settings.firstAge, 5);

    writeFile(path, good.substr(0, 2197));
    EXPECT_FALSE(loadSettings(path));
    EXPECT_EQ(+settings.firstAge, 5) << "nothing of a short file survives";

    EXPECT_FALSE(loadSettings(pathIn("absent.ini")));

    // The usual start: load, else defaults; the file is not written by this.
    writeFile(path, foreign);
    settings.languageIndex = 7;
    EXPECT_FALSE(loadSettingsOrDefaults(path, 13, "C:\\Tamsi"));
    EXPECT_EQ(+settings.languageIndex, 0);
    EXPECT_EQ(readFile(path), foreign);
}

}  // namespace
