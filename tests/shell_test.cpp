#include "archive/language_list.h"
#include "archive/text_archive.h"
#include "archive_maker.h"
#include "compose/report_types.h"
#include "fixed_text_device.h"
#include "people/user_log.h"
#include "person_maker.h"
#include "shell/home_page.h"
#include "shell/report_run.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(Startup, FoldersFromTheWindowsFolderAndTheProgramFile) {
    ProgramFolders f = resolveFolders("D:\\WINNT", "E:\\Downloads\\Vek.exe");
    EXPECT_EQ(f.dataFolder, "D:\\Tamsi");
    EXPECT_EQ(f.programFolder, "E:\\Downloads");
    EXPECT_EQ(f.settingsFile, "D:\\Tamsi\\Vek.ini");
    EXPECT_EQ(f.userLog, "D:\\Tamsi\\Users.vek");
    EXPECT_EQ(f.listFile, "D:\\Tamsi\\vekTemp1");
    EXPECT_EQ(f.reportTextFile, "D:\\Tamsi\\vekTemp2");
    // The help file stays beside the program file as it was started.
    useDataFolderAsProgramFolder(f);
    EXPECT_EQ(f.programFolder, "D:\\Tamsi");
    EXPECT_EQ(f.helpFile, "E:\\Downloads\\Vek.hlp");
    EXPECT_EQ(f.programPath, "E:\\Downloads\\Vek.exe");
    // A path cut at a drive's colon.
    EXPECT_EQ(resolveFolders("C:\\Windows", "A:Vek.exe").programFolder, "A");
}

TEST(Startup, TheModeFromTheFileNameAndTheCommandLine) {
    EXPECT_EQ(decideStartMode("C:\\Tamsi\\Vek.exe", ""), StartMode::Program);
    EXPECT_EQ(decideStartMode("A:\\MySetup.exe", ""), StartMode::Install);
    EXPECT_EQ(decideStartMode("A:\\SETUP.EXE", ""), StartMode::Install);
    EXPECT_EQ(decideStartMode("C:\\Tamsi\\Vek.exe", "-i"), StartMode::Install);
    EXPECT_EQ(decideStartMode("C:\\Tamsi\\Vek.exe", "-r"), StartMode::Remove);
    EXPECT_EQ(decideStartMode("C:\\Setup\\Vek.exe", ""), StartMode::Program);  // the folder doesn't count
}

TEST(HomePage, RegionsAndTheirReports) {
    EXPECT_EQ(homeRegionAt(310, 80), nullptr);  // between the first two labels
    const HomeRegion* first = homeRegionAt(300, 64);
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->label, "Short Profiles");
    EXPECT_EQ(regionReportType(*first), TYPE_SHORT_PROFILES);
    EXPECT_EQ(homeRegionAt(530, 70), nullptr);  // right and bottom edges are outside
    EXPECT_EQ(homeRegionAt(310, 78), nullptr);
    EXPECT_EQ(homeRegionAt(299, 70), nullptr);
    EXPECT_EQ(labelTop(*first), 61);
    const struct { int y; int type; } expected[] = {
        {70, 13}, {90, 12}, {135, 14}, {175, 0}, {200, 16}, {220, 2}, {240, 8}, {265, 6}, {285, 10}, {310, 4}, {330, 15},
    };
    for (const auto& e : expected) {
        const HomeRegion* region = homeRegionAt(400, e.y);
        ASSERT_NE(region, nullptr) << e.y;
        EXPECT_EQ(regionReportType(*region), e.type) << region->label;
        EXPECT_NE(reportTypes[e.type].title, nullptr);
    }
}

// The report run in a scratch data folder with a small English archive.
class ReportRun : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        setToday(12, 8, 2026);
        readToday();
        const std::vector<std::uint8_t> archive =
            storedArchive(archiveText({{"INTRO.STD", "Introduction for #1.\r\n"}, {"LIFPTH__", "The Life Path.\r\n"}}));
        writeFile(pathIn("Text_English.arc"), std::string(archive.begin(), archive.end()));
        buildLanguageList(folder(), "");
        where.dataFolder = folder();
        where.userLog = pathIn("Users.vek");
        where.listFile = pathIn("vekTemp1");
        where.reportTextFile = pathIn("vekTemp2");
        applySettingsDefaults(TYPE_SHORT_PROFILES, folder(), today, PersonRecord{});
        settings.languageIndex = 0;
        reportType = TYPE_SHORT_PROFILES;
        person1 = makePerson("Maria", "Elena", "Torres", "Maria", "Torres", 5, 15, 1949);
        chartHandOffs = 0;
    }
    void TearDown() override {
        closeTextArchive();
        reportType = TYPE_SHORT_PROFILES;
        PlatformTest::TearDown();
    }
    static void countHandOff() { ++chartHandOffs; }
    static int chartHandOffs;
    ProgramFolders where;
};
int ReportRun::chartHandOffs = 0;

TEST_F(ReportRun, MakesTheTextAndKeepsThePersonSilently) {
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    EXPECT_NE(readFile(where.reportTextFile).find("Introduction for Maria."), std::string::npos);
    EXPECT_FALSE(readFile(where.listFile).empty());
    EXPECT_FALSE(textArchive.isOpen);
    EXPECT_EQ(readFile(where.userLog), "Maria,Torres,Maria,Elena,Torres,5,15,1949\r\n");
    for (const RecordedBox& box : boxes()) EXPECT_EQ(box.caption, "Error") << box.text;  // no "saved" box
    // A second report overwrites the text; the log keeps one line.
    person1 = makePerson("Ann", "", "Lee", "Ann", "Lee", 1, 2, 1990);
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    EXPECT_EQ(readFile(where.reportTextFile).find("Maria"), std::string::npos);
    EXPECT_EQ(loadUserLog(where.userLog).size(), 2u);
}

TEST_F(ReportRun, WhoIsKeptInTheUserLog) {
    settings.alwaysSaveBirthData = 0;
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    EXPECT_FALSE(platform::fileExists(where.userLog));
    settings.alwaysSaveBirthData = 1;
    reportType = TYPE_NAME;  // the name report keeps nobody
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    EXPECT_FALSE(platform::fileExists(where.userLog));
}

TEST_F(ReportRun, TheColorChartHandsOverWithoutArchiveOrFiles) {
    reportType = TYPE_COLOR_CHART;
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    EXPECT_EQ(chartHandOffs, 1);
    EXPECT_FALSE(platform::fileExists(where.listFile));
    EXPECT_FALSE(platform::fileExists(where.reportTextFile));
    EXPECT_EQ(loadUserLog(where.userLog).size(), 1u);
}

TEST_F(ReportRun, NoLanguageSaysSoAndMakesNothing) {
    settings.languageIndex = 3;
    EXPECT_EQ(makeReport(where, countHandOff), 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].text.find("no longer installed"), std::string::npos);
    languageCount = 0;
    settings.languageIndex = 0;
    EXPECT_EQ(makeReport(where, countHandOff), 0);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_NE(boxes()[1].text.find("Text_*.arc"), std::string::npos);
    EXPECT_FALSE(platform::fileExists(where.userLog));
}

TEST_F(ReportRun, AFolderThatRefusesTheFilesIsReportedNotFatal) {
    // A folder in the way of the list file.
    ASSERT_TRUE(platform::makeDirectory(where.listFile));
    EXPECT_EQ(makeReport(where, countHandOff), 0);
    ASSERT_FALSE(boxes().empty());
    EXPECT_EQ(boxes().back().text, "Can't open ListFile");
    EXPECT_EQ(boxes().back().caption, "Error");
    EXPECT_FALSE(textArchive.isOpen);
    EXPECT_FALSE(platform::fileExists(where.userLog));
    platform::removeDirectory(where.listFile);
    ASSERT_TRUE(platform::makeDirectory(where.reportTextFile));
    EXPECT_EQ(makeReport(where, countHandOff), 0);
    EXPECT_EQ(boxes().back().text, "Can't open OutFile");
    platform::removeDirectory(where.reportTextFile);
}

TEST_F(ReportRun, RtfReportsAreNumberedAndARefusedFolderIsReported) {
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    FixedTextDevice screen;
    const std::string first = saveReportAsRtf(screen, where);
    EXPECT_EQ(first, platform::joinPath(platform::joinPath(folder(), "Reports"), "MTorr01M.rtf"));
    EXPECT_EQ(readFile(first).compare(0, 6, "{\\rtf1"), 0);
    const std::string second = saveReportAsRtf(screen, where);
    EXPECT_EQ(second, platform::joinPath(platform::joinPath(folder(), "Reports"), "MTorr02M.rtf"));
    // A file where the Reports folder should be.
    ReportRun::TearDown();
    ReportRun::SetUp();
    ASSERT_EQ(makeReport(where, countHandOff), 1);
    writeFile(pathIn("Reports"), "not a folder");
    EXPECT_EQ(saveReportAsRtf(screen, where), "");
    EXPECT_EQ(boxes().back().text, "Can't open .rtf file");
    EXPECT_EQ(boxes().back().caption, "Error");
}

}  // namespace
