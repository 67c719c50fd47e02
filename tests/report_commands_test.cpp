#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "cli/archive_command.h"
#include "cli/report_commands.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class ReportCommands : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        std::string out, err;
        ASSERT_EQ(runArchiveCommand({"pack", std::string(TAMSI_SOURCE_DIR) + "/tests/data/marked_archive", archive()},
                                    out, err),
                  0)
            << err;
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
    std::string archive() const { return pathIn("marked.arc"); }
    int list(std::vector<std::string> args) {
        args.insert(args.end(), {"--archive", archive(), "-o", pathIn("report.lst"), "--today", "12/8/2026"});
        out.clear();
        err.clear();
        return runListCommand(args, out, err);
    }
    int expand() {
        out.clear();
        err.clear();
        return runExpandCommand({"--archive", archive(), pathIn("report.lst"), "-o", pathIn("report.txt")}, out, err);
    }
    std::string out, err;
};

const std::vector<std::string> ANN = {"--birth-first", "Ann", "--birth-last", "Stone", "--current-first", "Ann",
                                      "--current-last", "Stone", "--born", "1/1/1990"};

TEST_F(ReportCommands, AProfileFromListToText) {
    std::vector<std::string> args = {"--type", "profile", "--topics", "3,4"};
    args.insert(args.end(), ANN.begin(), ANN.end());
    ASSERT_EQ(list(args), 0) << err;
    EXPECT_EQ(readFile(pathIn("report.lst")),
              "{#1=Ann}\n$[115] \n{INTRO.STD}\n$[116] \n{LIFPTH__}\n&[117] 3 \n{LIFPTH03}\n");
    EXPECT_EQ(out, "type=0 coverStart=0 contentsStart=0 chartStart=0 bodyStart=0 listEnd=69\n");
    ASSERT_EQ(expand(), 0) << err;
    EXPECT_EQ(readFile(pathIn("report.txt")),
              "$[115] \nIntroduction for Ann.\n\n$[116] \nThe Life Path of Ann.\n\n&[117] 3 \nLife Path 3 of Ann.\n\n");
}

TEST_F(ReportCommands, MissingSubjectsAreListedAndGiveStatusThree) {
    std::vector<std::string> args = {"--type", "profile", "--topics", "5"};
    args.insert(args.end(), ANN.begin(), ANN.end());
    ASSERT_EQ(list(args), 0) << err;
    EXPECT_EQ(expand(), 3);
    EXPECT_EQ(err, "SUBJECT 'BTHDAY__' NOT IN TEXT ARCHIVE\nSUBJECT 'BTHDAY01' NOT IN TEXT ARCHIVE\n");
    EXPECT_EQ(readFile(pathIn("report.txt")), "$[118] \n&[119] 1 \n");
}

TEST_F(ReportCommands, TheSwapOfNamesReachesTheText) {
    std::vector<std::string> args = {"--type", "compatibility", "--topics", "4", "--second-birth-first", "Nora",
                                     "--second-current-first", "Nora", "--second-born", "1/5/1990"};
    args.insert(args.end(), ANN.begin(), ANN.end());
    ASSERT_EQ(list(args), 0) << err;
    expand();
    const std::string text = readFile(pathIn("report.txt"));
    EXPECT_NE(text.find("Life Path 3 of Ann."), std::string::npos) << text;
    EXPECT_NE(text.find("Life Path 7 of Nora."), std::string::npos) << "the swap makes the text speak of the second";
    EXPECT_NE(text.find("Ann walks the 3, Nora the 7."), std::string::npos) << text;
}

TEST_F(ReportCommands, InputErrors) {
    EXPECT_EQ(list({"--type", "horoscope"}), 2);
    EXPECT_NE(err.find("--type is needed"), std::string::npos);
    EXPECT_EQ(list({"--type", "profile", "--born", "2/30/1990", "--birth-first", "A", "--current-first", "A"}), 2);
    EXPECT_EQ(err, "Error in day (--born)\n");
    EXPECT_EQ(list({"--type", "diamond", "--age", "82", "--birth-first", "A", "--current-first", "A", "--born",
                    "1/1/1990"}),
              2);
    EXPECT_EQ(err, "Error in age: must be between 1 and 81 (--age)\n");
    EXPECT_EQ(list({"--type", "everyday", "--phone", "555-1234"}), 2);
    EXPECT_EQ(err, "Must be all digits. (--phone)\n");
    EXPECT_EQ(list({"--type", "everyday", "--nine-digits", "000012345"}), 2);
    EXPECT_EQ(err, "May have no more than 3 zeros. (--nine-digits)\n");
    EXPECT_EQ(list({"--type", "everyday", "--nine-digits", "12345678"}), 2);
    EXPECT_EQ(err, "Must have 9 digits. (--nine-digits)\n");
    EXPECT_EQ(list({"--type", "name", "--phrase", "9", "x"}), 2);
    EXPECT_EQ(list({"--type", "profile", "--birth-first", "A", "--current-first", "A", "--born", "1/1/1990",
                    "--topics", "1,99"}),
              2);
    out.clear();
    EXPECT_EQ(runExpandCommand({"--archive", archive()}, out, err), 2);
}

TEST_F(ReportCommands, AWholeReportAsTextAndAsRtf) {
    std::vector<std::string> args = {"--type", "profile", "--topics", "0,1,3,4", "--archive", archive(),
                                     "--today", "12/8/2026", "--text", pathIn("report.txt"), "--rtf"};
    args.insert(args.end(), ANN.begin(), ANN.end());
    out.clear();
    err.clear();
    ASSERT_EQ(runReportCommand(args, out, err), 0) << err;
    // Without a path the document goes to the Reports folder under its numbered name.
    const std::string rtfPath = platform::joinPath(pathIn("Reports"), "ASton01P.rtf");
    EXPECT_EQ(out, rtfPath + "\n");
    EXPECT_EQ(readFile(rtfPath).substr(0, 12), "{\\rtf1\\ansi ");
    const std::string text = readFile(pathIn("report.txt"));
    EXPECT_EQ(text.substr(0, 21), "Profile of Ann Stone\n");  // no middle name, no double blank
    EXPECT_NE(text.find("\f\n"), std::string::npos);
    EXPECT_NE(text.find("\nThe Life Path of Ann.\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\xC2\xA9"), std::string::npos) << "the copyright sign comes out as UTF-8";
    // A second report gets the next number.
    ASSERT_EQ(runReportCommand(args, out, err), 0) << err;
    EXPECT_TRUE(platform::fileExists(platform::joinPath(pathIn("Reports"), "ASton02P.rtf")));
    for (const char* name : {"ASton01P.rtf", "ASton02P.rtf"}) platform::removeFile(platform::joinPath(pathIn("Reports"), name));
}

TEST_F(ReportCommands, TheNameReportTakesThePersonForItsFileName) {
    std::vector<std::string> args = {"--type", "name", "--phrase", "1", "Ann", "--archive", archive(),
                                     "--today", "12/8/2026", "--rtf"};
    // The test archive has no name texts: the report is made without them (status 3).
    out.clear();
    err.clear();
    ASSERT_EQ(runReportCommand(args, out, err), 3) << err;
    EXPECT_EQ(out, platform::joinPath(pathIn("Reports"), "01N.rtf") + "\n");  // no person given
    args.insert(args.end(), {"--birth-first", "Mary"});
    out.clear();
    ASSERT_EQ(runReportCommand(args, out, err), 3) << err;
    EXPECT_EQ(out, platform::joinPath(pathIn("Reports"), "Mary01N.rtf") + "\n");
    // The person is read as the dialogs read it, for the everyday report too.
    std::vector<std::string> everyday = {"--type", "everyday", "--address", "12 Oak Street", "--archive", archive(),
                                         "--today", "12/8/2026", "-o", pathIn("e.lst"), "--born", "2/30/1990"};
    err.clear();
    EXPECT_EQ(runListCommand(everyday, out, err), 2);
    EXPECT_EQ(err, "Error in day (--born)\n");
    for (const char* name : {"01N.rtf", "Mary01N.rtf"}) platform::removeFile(platform::joinPath(pathIn("Reports"), name));
}

#ifndef _WIN32
// (The win32 build measures with the system's own fonts.)
TEST_F(ReportCommands, MissingFontFilesAreRefusedNotLaidOutWithZeroWidths) {
    const char* before = std::getenv("VEK_FONT_DIR");
    const std::string saved = before ? before : "";
    setenv("VEK_FONT_DIR", folder().c_str(), 1);  // holds no font
    std::vector<std::string> args = {"--type", "profile", "--topics", "3,4", "--archive", archive(),
                                     "--today", "12/8/2026", "--text", pathIn("report.txt")};
    args.insert(args.end(), ANN.begin(), ANN.end());
    out.clear();
    err.clear();
    const int status = runReportCommand(args, out, err);
    if (before) setenv("VEK_FONT_DIR", saved.c_str(), 1);
    else unsetenv("VEK_FONT_DIR");
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find("the report font can't be measured"), std::string::npos) << err;
    EXPECT_NE(err.find(folder()), std::string::npos) << err;
    EXPECT_NE(err.find("fonts-liberation"), std::string::npos) << err;
    EXPECT_FALSE(platform::fileExists(pathIn("report.txt")));
}
#endif

TEST_F(ReportCommands, AnArchiveThatDoesNotServeTheReportIsRefused) {
    std::string out2, err2;
    ASSERT_EQ(runArchiveCommand({"pack", std::string(TAMSI_SOURCE_DIR) + "/tests/data/marked_archive",
                                 pathIn("spanish.arc"), "--description", "Spanish   [Profiles only]", "--mask", "2003"},
                                out2, err2),
              0);
    std::vector<std::string> args = {"--type", "lucky", "--archive", pathIn("spanish.arc"), "-o", pathIn("x.lst")};
    args.insert(args.end(), ANN.begin(), ANN.end());
    EXPECT_EQ(runListCommand(args, out, err), 1);
    EXPECT_EQ(err, "Spanish language is not currently avalable for this type of report. Please switch to English.\n");
}

}  // namespace
