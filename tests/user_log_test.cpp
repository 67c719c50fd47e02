#include "people/user_log.h"
#include "person_maker.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

class UserLog : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        resetEngineSettings();
        path = userLogPath();
    }
    std::string path;
};

PersonRecord maria() { return makePerson("Maria", "Elena", "Torres", "Maria", "Torres", 5, 15, 1949); }
PersonRecord james() { return makePerson("James", "", "Lee", "Jim", "Lee", 3, 2, 1970); }

TEST_F(UserLog, StoresOneCrLfLinePerPersonInTheGivenFieldOrder) {
    addPersonToUserLog(path, maria(), false);
    EXPECT_EQ(readFile(path), "Maria,Torres,Maria,Elena,Torres,5,15,1949\r\n");
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(platform::fileExists(path + ".new"));
}

TEST_F(UserLog, ConfirmationNamesThePersonInProperForm) {
    PersonRecord p = makePerson("ka*e", "", "", "ka*e", "o'neil", 1, 1, 1980);
    addPersonToUserLog(path, p, true);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Info for 'Kaye  O'neil' has been saved.");
    EXPECT_EQ(boxes()[0].caption, "User Entry Saved");
    EXPECT_EQ(boxes()[0].style, platform::BOX_ICONINFORMATION);
}

TEST_F(UserLog, LongConfirmationIsCutToTheMessageBuffer) {
    PersonRecord p = makePerson("A", "", "", std::string(79, 'a').c_str(), std::string(79, 'b').c_str(), 1, 1, 1980);
    addPersonToUserLog(path, p, true);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text.size(), 79u);
    EXPECT_EQ(boxes()[0].text.substr(0, 11), "Info for 'A");
}

TEST_F(UserLog, SavingTwiceLeavesOneLine) {
    addPersonToUserLog(path, maria(), false);
    addPersonToUserLog(path, maria(), false);
    EXPECT_EQ(loadUserLog(path).size(), 1u);
}

TEST_F(UserLog, SpellingVariantsOfOnePersonKeepTheEntryAlreadyThere) {
    addPersonToUserLog(path, makePerson("Yvonne", "", "Weiss", "Yvonne", "Weiss", 2, 3, 1960), false);
    addPersonToUserLog(path, james(), false);
    const PersonRecord variants[] = {
        makePerson("YVONNE", "", "WEISS", "YVONNE", "WEISS", 2, 3, 1960),
        makePerson("*vonne", "", "#eiss", "*vonne", "#eiss", 2, 3, 1960),
        makePerson("Yv\xF3nne", "", "W\xE9iss", "Yv\xF3nne", "W\xE9iss", 2, 3, 1960),
    };
    for (const PersonRecord& v : variants) addPersonToUserLog(path, v, false);
    const std::vector<PersonRecord> entries = loadUserLog(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_STREQ(entries[0].currentLast, "Lee");
    EXPECT_STREQ(entries[1].currentFirst, "Yvonne");
    EXPECT_STREQ(entries[1].currentLast, "Weiss");
    // A different birth date is another person.
    addPersonToUserLog(path, makePerson("Yvonne", "", "Weiss", "Yvonne", "Weiss", 2, 4, 1960), false);
    EXPECT_EQ(loadUserLog(path).size(), 3u);
}

TEST_F(UserLog, SortOrderFieldsAndPrefixes) {
    std::vector<PersonRecord> entries = {
        makePerson("Ann", "", "X", "Ann", "Smithson", 1, 1, 1990),
        makePerson("Ann", "", "X", "Ann", "Smith", 1, 1, 1991),
        makePerson("Ann", "", "X", "Ann", "Smith", 1, 1, 1990),
        makePerson("Bo", "", "X", "Bo", "Smith", 1, 1, 1900),
        makePerson("Ann", "", "X", "Ann", "Adams", 12, 31, 2000),
        makePerson("Ann", "", "X", "Ann", "Smith", 2, 1, 1990),
    };
    sortUserLog(entries);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_STREQ(entries[0].currentLast, "Adams");
    EXPECT_EQ(entries[1].birthMonth, 1);  // Smith Ann 1/1/1990
    EXPECT_EQ(entries[1].birthYear, 1990);
    EXPECT_EQ(entries[2].birthMonth, 2);  // Smith Ann 2/1/1990: year before month
    EXPECT_EQ(entries[3].birthYear, 1991);
    EXPECT_STREQ(entries[4].currentFirst, "Bo");
    EXPECT_STREQ(entries[5].currentLast, "Smithson");  // a prefix comes first
}

TEST_F(UserLog, DuplicatesAnywhereInTheArrayKeepTheFirst) {
    // Three rounds of the same ten people in falling order; the copies of the
    // later rounds differ only in letter case, which the comparison folds.
    std::vector<PersonRecord> entries;
    for (const char* middle : {"x", "X", "X"})
        for (int i = 9; i >= 0; --i) entries.push_back(makePerson("A", middle, "", "A", "Name", 1, 1, 1950 + i));
    sortUserLog(entries);
    ASSERT_EQ(entries.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(entries[i].birthYear, 1950 + i);
        EXPECT_STREQ(entries[i].birthMiddle, "x") << "the first copy stays";
    }
}

TEST_F(UserLog, PersonWithoutBirthLastNameIsKept) {
    addPersonToUserLog(path, makePerson("Ann", "", "", "Ann", "", 7, 7, 1977), false);
    EXPECT_EQ(readFile(path), "Ann,,Ann,,,7,7,1977\r\n");
    const std::vector<PersonRecord> entries = loadUserLog(path);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].birthFirst, "Ann");
    EXPECT_STREQ(entries[0].birthLast, "");
    EXPECT_EQ(entries[0].birthDay, 7);
}

TEST_F(UserLog, DeletingTheLastEntryLeavesAnEmptyFile) {
    addPersonToUserLog(path, maria(), false);
    addPersonToUserLog(path, james(), false);
    std::vector<PersonRecord> entries = loadUserLog(path);
    deleteUserLogEntry(path, entries, 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(loadUserLog(path)[0].currentLast, "Torres");
    deleteUserLogEntry(path, entries, 0);
    EXPECT_TRUE(platform::fileExists(path));
    EXPECT_EQ(readFile(path), "");
    deleteUserLogEntry(path, entries, 0);  // nothing left to delete
    EXPECT_TRUE(entries.empty());
}

TEST_F(UserLog, ReadingAcceptsBothLineEndsAndSkipsEmptyLines) {
    writeFile(path, "Jim,Lee,James,,Lee,3,2,1970\n\r\nMaria,Torres,Maria,Elena,Torres,5,15,1949\r\n\n");
    const std::vector<PersonRecord> entries = loadUserLog(path);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_STREQ(entries[0].currentFirst, "Jim");
    EXPECT_EQ(entries[0].birthYear, 1970);
    EXPECT_STREQ(entries[1].birthLast, "Torres");
    EXPECT_EQ(countUserLogEntries(path), 2);
    EXPECT_EQ(countUserLogEntries(pathIn("missing.vek")), 0);
}

TEST_F(UserLog, ALineWithoutAllFieldsEndsTheProgram) {
    writeFile(path, "Jim,Lee,James,,Lee,3,2\r\n");
    EXPECT_THROW(loadUserLog(path), FatalExitCalled);
    writeFile(path, "Jim,Lee,James,,Lee,3,2,\r\n");
    EXPECT_THROW(loadUserLog(path), FatalExitCalled);
    writeFile(path, " \r\n");
    EXPECT_THROW(loadUserLog(path), FatalExitCalled);
    try {
        loadUserLog(path);
    } catch (const FatalExitCalled& e) {
        EXPECT_STREQ(e.what(), "Bad format in User Log.");
    }
}

TEST_F(UserLog, ParsingNumbersAndExtraFields) {
    PersonRecord p{};
    ASSERT_TRUE(parseUserLogLine(",,,,, +3, -2x,1970,extra", p));
    EXPECT_EQ(p.birthMonth, 3);
    EXPECT_EQ(p.birthDay, -2);
    EXPECT_EQ(p.birthYear, 1970);
    ASSERT_TRUE(parseUserLogLine("a,b,c,d,e,99999999999,x,1\nrest", p));
    EXPECT_EQ(p.birthMonth, 2147483647);
    EXPECT_EQ(p.birthDay, 0);
    EXPECT_FALSE(parseUserLogLine("", p));
}

TEST_F(UserLog, LongFieldsAreCutNotOverrun) {
    const std::string longName(500, 'q');
    writeFile(path, longName + ",Lee," + longName + ",,Lee,3,2,1970\r\n");
    const std::vector<PersonRecord> entries = loadUserLog(path);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(std::string(entries[0].currentFirst), std::string(79, 'q'));
    EXPECT_STREQ(entries[0].currentLast, "Lee");
    EXPECT_EQ(entries[0].birthYear, 1970);
}

TEST_F(UserLog, CommasAndLineBreaksInNamesCannotShiftFields) {
    PersonRecord p = makePerson("Ann", "", "Smith, Jr", "Ann", "Smith\r\nX", 1, 1, 1990);
    addPersonToUserLog(path, p, false);
    EXPECT_EQ(readFile(path), "Ann,Smith  X,Ann,,Smith; Jr,1,1,1990\r\n");
    const std::vector<PersonRecord> entries = loadUserLog(path);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].birthLast, "Smith; Jr");
    EXPECT_EQ(entries[0].birthYear, 1990);
}

TEST_F(UserLog, AFolderThatRefusesNewFilesStillTakesTheChangeInPlace) {
    addPersonToUserLog(path, maria(), false);
    // The replacement is written beside the log; a folder in its place makes that fail.
    ASSERT_TRUE(platform::makeDirectory(path + ".new"));
    addPersonToUserLog(path, james(), false);
    EXPECT_EQ(readFile(path),
              "Jim,Lee,James,,Lee,3,2,1970\r\nMaria,Torres,Maria,Elena,Torres,5,15,1949\r\n");
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(platform::removeDirectory(path + ".new"));
}

bool hasBox(const std::string& text) {
    for (const RecordedBox& box : PlatformTest::boxes())
        if (box.text == text && box.caption == "Error") return true;
    return false;
}

TEST_F(UserLog, ALogThatCannotBeReadIsNeitherReplacedNorTakenForEmpty) {
    // Something that is there but can't be read as a file: a folder.
    ASSERT_TRUE(platform::makeDirectory(path));
    addPersonToUserLog(path, maria(), true);
    EXPECT_TRUE(hasBox("The user log " + path + " could not be read; nothing was saved."));
    ASSERT_EQ(boxes().size(), 1u) << "no confirmation";
    EXPECT_TRUE(platform::directoryExists(path));
    EXPECT_TRUE(platform::removeDirectory(path));
#ifdef _WIN32
    // A log that another program holds open without sharing.
    addPersonToUserLog(path, maria(), false);
    const std::string before = readFile(path);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    boxes().clear();
    addPersonToUserLog(path, james(), false);
    CloseHandle(held);
    EXPECT_TRUE(hasBox("The user log " + path + " could not be read; nothing was saved."));
    EXPECT_EQ(readFile(path), before);
#endif
}

TEST_F(UserLog, AFailedSaveIsReported) {
    const std::string nowhere = platform::joinPath(pathIn("missing"), USER_LOG_FILE_NAME);
    addPersonToUserLog(nowhere, maria(), true);
    EXPECT_TRUE(hasBox("The user log " + nowhere + " could not be written; the change was not saved."));
    ASSERT_EQ(boxes().size(), 1u) << "no confirmation";
}

TEST_F(UserLog, SavingKeepsTheLogsAttributes) {
    addPersonToUserLog(path, maria(), false);
#ifdef _WIN32
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    addPersonToUserLog(path, james(), false);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
#else
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    addPersonToUserLog(path, james(), false);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
#endif
    EXPECT_EQ(loadUserLog(path).size(), 2u);
}

}  // namespace
