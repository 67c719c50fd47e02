#include "people/birth_import.h"
#include "people/user_log.h"
#include "person_maker.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

class BirthImport : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        resetEngineSettings();
        ASSERT_TRUE(platform::makeDirectory(pathIn("Birthdat")));
    }
    void writeBirthFile(const std::string& name, const std::string& content) {
        writeFile(platform::joinPath(pathIn("Birthdat"), name), content);
    }
};

const char* const VERSION_50 = "VEK-DATA 50\n\nMaria\nElena\nTorres\nMaria\nTorres\n5 15 1949\n";
const char* const VERSION_60 =
    "VEK-DATA 60\r\n1 2 3 4 5 6 7 8 9 10\r\n'Mary Ann'\r\n\r\n'O'Neil'\r\nMary\r\nO'Neil\r\n7 4 1960\r\n";

TEST_F(BirthImport, ReadsBothVersions) {
    PersonRecord p;
    ASSERT_TRUE(parseBirthDataFile(VERSION_50, p));
    EXPECT_STREQ(p.birthFirst, "Maria");
    EXPECT_STREQ(p.birthMiddle, "Elena");
    EXPECT_STREQ(p.currentLast, "Torres");
    EXPECT_EQ(p.birthMonth, 5);
    EXPECT_EQ(p.birthDay, 15);
    EXPECT_EQ(p.birthYear, 1949);

    ASSERT_TRUE(parseBirthDataFile(VERSION_60, p));
    EXPECT_STREQ(p.birthFirst, "Mary Ann");  // quotes removed
    EXPECT_STREQ(p.birthMiddle, "");
    EXPECT_STREQ(p.birthLast, "O'Neil");     // one quote each side only
    EXPECT_STREQ(p.currentFirst, "Mary");
    EXPECT_STREQ(p.currentLast, "O'Neil");
    EXPECT_EQ(p.birthYear, 1960);
}

TEST_F(BirthImport, RefusesOtherHeadersAndShortFiles) {
    PersonRecord p;
    EXPECT_FALSE(parseBirthDataFile("VEK-DATA 40\nA\nB\nC\nD\nE\n1 1 1990\n", p));
    EXPECT_FALSE(parseBirthDataFile("VEKDATA 50\nA\nB\nC\nD\nE\n1 1 1990\n", p));
    EXPECT_FALSE(parseBirthDataFile("VEK-DATA\n", p));
    EXPECT_FALSE(parseBirthDataFile("VEK-DATA 50\n   \n", p));
    EXPECT_FALSE(parseBirthDataFile("VEK-DATA 60\n1 2 3\nA\n", p));
    EXPECT_FALSE(parseBirthDataFile("VEK-DATA 50\nA\nB\nC\nD\nE\n1 1\n", p));
    EXPECT_FALSE(parseBirthDataFile("", p));
}

TEST_F(BirthImport, AnEmptyFirstNameLineIsLostToTheWhiteSpaceSkip) {
    // Every field moves up one line, so the date line is read as the current
    // last name and the file has no date left.
    PersonRecord p;
    const std::string shifted = "VEK-DATA 50\n\nElena\nTorres\nMaria\nTorres\n5 15 1949\n";
    EXPECT_FALSE(parseBirthDataFile(shifted, p));
    ASSERT_TRUE(parseBirthDataFile(shifted + "6 16 1950\n", p));
    EXPECT_STREQ(p.birthFirst, "Elena");
    EXPECT_STREQ(p.birthMiddle, "Torres");
    EXPECT_STREQ(p.birthLast, "Maria");
    EXPECT_STREQ(p.currentFirst, "Torres");
    EXPECT_STREQ(p.currentLast, "5 15 1949");
    EXPECT_EQ(p.birthYear, 1950);
}

TEST_F(BirthImport, LongLinesAreCutWithoutSpillingIntoTheNextField) {
    PersonRecord p;
    const std::string content = "VEK-DATA 50\n" + std::string(200, 'z') + "\nB\nC\nD\nE\n1 2 1990\n";
    ASSERT_TRUE(parseBirthDataFile(content, p));
    EXPECT_EQ(std::string(p.birthFirst), std::string(79, 'z'));
    EXPECT_STREQ(p.birthMiddle, "B");
    EXPECT_EQ(p.birthYear, 1990);
}

TEST_F(BirthImport, ImportsEveryFileButUnderscoreOnesIntoTheLog) {
    writeBirthFile("maria.vek", VERSION_50);
    writeBirthFile("MARY.VEK", VERSION_60);
    writeBirthFile("_old.vek", "VEK-DATA 50\nOld\n\nOne\nOld\nOne\n1 1 1900\n");
    writeBirthFile("broken.vek", "VEK-DATA 40\nA\nB\nC\nD\nE\n1 1 1990\n");
    writeBirthFile("again.vek", VERSION_50);  // the same person twice
    writeBirthFile("notes.txt", VERSION_50);
    EXPECT_EQ(importBirthData(folder()), 3);
    EXPECT_TRUE(boxes().empty());
    const std::vector<PersonRecord> entries = loadUserLog(userLogPath());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_STREQ(entries[0].currentLast, "O'Neil");
    EXPECT_STREQ(entries[1].currentLast, "Torres");
}

TEST_F(BirthImport, NoFolderImportsNothing) {
    PlatformTest::TearDown();
    PlatformTest::SetUp();
    EXPECT_EQ(importBirthData(folder()), 0);
    EXPECT_FALSE(platform::fileExists(userLogPath()));
}

}  // namespace
