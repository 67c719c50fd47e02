#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class Platform : public PlatformTest {};

TEST_F(Platform, ListsOrdinaryFilesByPatternIgnoringCase) {
    writeFile(pathIn("Text_English.arc"), "x");
    writeFile(pathIn("text_german.ARC"), "x");
    writeFile(pathIn("Text_.arcx"), "x");
    writeFile(pathIn("Other.arc"), "x");
    ASSERT_TRUE(platform::makeDirectory(pathIn("Text_Folder.arc")));
    const std::vector<std::string> names = platform::listFiles(folder(), "Text_*.arc");
    EXPECT_EQ(names, (std::vector<std::string>{"Text_English.arc", "text_german.ARC"}));
    EXPECT_TRUE(platform::listFiles(pathIn("nowhere"), "*").empty());
    EXPECT_TRUE(platform::removeDirectory(pathIn("Text_Folder.arc")));
}

TEST_F(Platform, FileTests) {
    writeFile(pathIn("a.txt"), "x");
    EXPECT_TRUE(platform::fileExists(pathIn("a.txt")));
    EXPECT_FALSE(platform::fileExists(folder()));
    EXPECT_TRUE(platform::directoryExists(folder()));
    EXPECT_FALSE(platform::directoryExists(pathIn("a.txt")));
    EXPECT_TRUE(platform::removeFile(pathIn("a.txt")));
    EXPECT_FALSE(platform::fileExists(pathIn("a.txt")));
}

TEST_F(Platform, ReplacingAFileSwapsInTheWholeContent) {
    const std::string path = pathIn("data.bin");
    writeFile(path, "old content that is longer");
    ASSERT_TRUE(platform::writeFileReplacing(path, "new", 3));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_FALSE(platform::fileExists(path + ".new"));
    EXPECT_FALSE(platform::writeFileReplacing(pathIn("missing/data.bin"), "x", 1));
}

TEST_F(Platform, PrivateFoldersAreNewAndGoWithTheirFiles) {
    std::string first, second;
    {
        platform::PrivateFolder one, two;
        ASSERT_TRUE(one.made());
        ASSERT_TRUE(two.made());
        EXPECT_NE(one.path(), two.path());
        first = one.file("vekTemp1");
        writeFile(first, "x");
        EXPECT_TRUE(platform::fileExists(first));
    }
    EXPECT_FALSE(platform::fileExists(first));
    EXPECT_FALSE(platform::directoryExists(first.substr(0, first.size() - 9)));
    // A fatal exit takes them along too.
    platform::PrivateFolder three;
    second = three.file("vekTemp2");
    writeFile(second, "y");
    EXPECT_THROW(platform::fatalExit("Can't open ListFile"), FatalExitCalled);
    EXPECT_FALSE(platform::fileExists(second));
    EXPECT_FALSE(platform::directoryExists(three.path()));
}

TEST_F(Platform, PathsJoinWithTheSystemsSeparator) {
    EXPECT_EQ(platform::joinPath("C:\\Tamsi", "Vek.ini"), "C:\\Tamsi" PATH_SEPARATOR "Vek.ini");
    EXPECT_EQ(platform::joinPath("", "Vek.ini"), "Vek.ini");
}

TEST_F(Platform, TestsReplaceTheInteractiveParts) {
    platform::Date date = platform::today();
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 8);
    EXPECT_EQ(date.year, 2026);
    nextAnswer() = platform::ANSWER_NO;
    EXPECT_EQ(platform::messageBox("Sure?", "Question", platform::BOX_YESNO), platform::ANSWER_NO);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].caption, "Question");
    EXPECT_THROW(platform::fatalExit("Insufficient memory"), FatalExitCalled);
    EXPECT_EQ(platform::dataFolder(), folder());
}

TEST(PlatformDefaults, DataFolderAndClock) {
    const platform::Date now = platform::today();
    EXPECT_GE(now.year, 2020);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
#ifdef _WIN32
    const std::string folder = platform::dataFolder();
    EXPECT_EQ(folder.substr(1), ":\\Tamsi");
#else
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    setenv("VEK_DATA_DIR", "/srv/tamsi", 1);
    EXPECT_EQ(platform::dataFolder(), "/srv/tamsi");
    unsetenv("VEK_DATA_DIR");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(platform::dataFolder(), "/home/someone/.local/share/tamsi");
    setenv("HOME", savedHome.c_str(), 1);
#endif
}

}  // namespace
