#include "people/birth_data_form.h"
#include "person_maker.h"
#include "shell/launchers.h"
#include "shell/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Stands in for the system: records every start and answers as told.
struct RecordingStarter : ProgramStarter {
    std::vector<std::string> commands;
    std::vector<std::string> searches;  // "document|folder"
    std::vector<std::string> opened;    // "program|document|folder"
    unsigned commandResult = 33;
    unsigned findResult = 42;
    unsigned openResult = 42;
    std::string associatedProgram = "C:\\Viewers\\Reader.exe";
    std::function<void()> whileStarting;

    unsigned runCommand(const std::string& commandLine) override {
        commands.push_back(commandLine);
        if (whileStarting) whileStarting();
        return commandResult;
    }
    unsigned findAssociatedProgram(const std::string& document, const std::string& folder,
                                   std::string& program) override {
        searches.push_back(document + "|" + folder);
        if (findResult > 32) program = associatedProgram;
        return findResult;
    }
    unsigned openWith(const std::string& program, const std::string& document, const std::string& folder) override {
        opened.push_back(program + "|" + document + "|" + folder);
        return openResult;
    }
};

class LaunchersTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        where.dataFolder = folder();
        where.programFolder = folder();
        settings.wordProcessorMode = 0;
        copyText(settings.wordProcessorPath, "C:\\Tools\\Writer.exe");
    }

    template <std::size_t N>
    static void copyText(char (&field)[N], const std::string& text) {
        std::snprintf(field, N, "%s", text.c_str());
    }

    // An existing document in the scratch folder.
    std::string document(const std::string& name) {
        const std::string path = pathIn(name);
        writeFile(path, "{\\rtf1 }");
        return path;
    }

    void expectOneError(const std::string& text) {
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, text);
        EXPECT_EQ(boxes()[0].caption, "Error");
        EXPECT_EQ(boxes()[0].style, platform::BOX_OK | platform::BOX_ICONSTOP);
    }

    ProgramFolders where;
    RecordingStarter starter;
};

// ---- the hand-off record ----

std::string bytesAt(const std::string& bytes, std::size_t offset, std::size_t count) {
    return bytes.substr(offset, count);
}

TEST_F(LaunchersTest, TheHandOffRecordHoldsThePersonAndTheChartSettingsAtTheirOffsets) {
    Settings chosen = {};
    chosen.lifePathMethod = 2;
    chosen.firstYear = 2030;
    chosen.firstAge = 7;
    for (int c = 0; c < 256; ++c) chosen.charMap[c] = static_cast<std::uint8_t>(c);
    chosen.charMap[0xE6] = 'A';
    const PersonRecord maria = makePerson("Maria", "Elena", "Torres", "Mary", "Lopez", 5, 15, 1949);

    const std::string path = pathIn("Intercom");
    ASSERT_TRUE(writeIntercom(path, makeIntercom(chosen, maria, 1)));
    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), 686u);
    EXPECT_EQ(bytesAt(bytes, 0, 2), std::string("\x21\x67", 2));              // 26401
    EXPECT_EQ(bytesAt(bytes, 2, 4), std::string("\x05\x01\x00\x00", 4));      // 261: in color
    EXPECT_EQ(bytesAt(bytes, 6, 4), std::string("\x02\x00\x00\x00", 4));
    EXPECT_EQ(bytesAt(bytes, 10, 4), std::string("\xEE\x07\x00\x00", 4));     // 2030
    EXPECT_EQ(bytesAt(bytes, 14, 4), std::string("\x07\x00\x00\x00", 4));
    EXPECT_EQ(bytes[18 + 'b'], 'b');
    EXPECT_EQ(bytes[18 + 0xE6], 'A');
    EXPECT_EQ(bytes[18 + 255], '\xFF');
    EXPECT_STREQ(bytes.c_str() + 274, "Maria");
    EXPECT_STREQ(bytes.c_str() + 354, "Elena");
    EXPECT_STREQ(bytes.c_str() + 434, "Torres");
    EXPECT_STREQ(bytes.c_str() + 514, "Mary");
    EXPECT_STREQ(bytes.c_str() + 594, "Lopez");
    EXPECT_EQ(bytesAt(bytes, 674, 4), std::string("\x05\x00\x00\x00", 4));
    EXPECT_EQ(bytesAt(bytes, 678, 4), std::string("\x0F\x00\x00\x00", 4));
    EXPECT_EQ(bytesAt(bytes, 682, 4), std::string("\x9D\x07\x00\x00", 4));    // 1949
    // The unused tail of a name field is zeros, not stack leftovers.
    EXPECT_EQ(bytesAt(bytes, 274 + 5, 75), std::string(75, '\0'));

    // Black and white; a longer file from before is cut to the record.
    writeFile(path, std::string(1000, 'x'));
    ASSERT_TRUE(writeIntercom(path, makeIntercom(chosen, maria, 0)));
    const std::string again = readFile(path);
    ASSERT_EQ(again.size(), 686u);
    EXPECT_EQ(bytesAt(again, 2, 4), std::string("\x01\x01\x00\x00", 4));     // 257
}

// ---- the chart hand-off ----

TEST_F(LaunchersTest, TheChartProgramFindsTheRecordWhileItStartsAndNothingIsLeftAfterwards) {
    person1 = makePerson("Maria", "Elena", "Torres", "Maria", "Torres", 5, 15, 1949);
    settings.lifePathMethod = 1;
    settings.firstYear = 2026;
    settings.firstAge = 3;
    chartInColor = 0;  // "Off"
    const std::string handOff = pathIn("Intercom");
    std::string seen;
    starter.whileStarting = [&] { seen = readFile(handOff); };

    handChartOver(starter, where);
    ASSERT_EQ(starter.commands, std::vector<std::string>{pathIn("Map.exe")});
    ASSERT_EQ(seen.size(), 686u);
    EXPECT_EQ(bytesAt(seen, 2, 4), std::string("\x01\x01\x00\x00", 4));
    EXPECT_EQ(bytesAt(seen, 6, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytesAt(seen, 10, 4), std::string("\xEA\x07\x00\x00", 4));
    EXPECT_EQ(bytesAt(seen, 14, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_STREQ(seen.c_str() + 434, "Torres");
    EXPECT_FALSE(platform::fileExists(handOff));
    EXPECT_TRUE(boxes().empty());
    chartInColor = 1;
}

TEST_F(LaunchersTest, AMissingChartProgramIsNamedWithTheStartErrorAndTheFileIsDeletedAllTheSame) {
    person1 = makePerson("Maria", "", "Torres", "Maria", "Torres", 5, 15, 1949);
    starter.commandResult = 2;
    handChartOver(starter, where);
    expectOneError("Can't find " + pathIn("Map.exe") + " (WinExec error 2)");
    EXPECT_FALSE(platform::fileExists(pathIn("Intercom")));
}

TEST_F(LaunchersTest, AHandOffThatCantBeWrittenIsSaidAndTheChartProgramIsNotStartedForNothing) {
    where.dataFolder = pathIn("missing-folder");
    handChartOver(starter, where);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "The person can't be handed to the color chart program: " + where.dataFolder +
                                   PATH_SEPARATOR "Intercom can't be written.");
    EXPECT_TRUE(starter.commands.empty());
}

// ---- starting programs ----

TEST(StartErrors, TheSystemsErrorBecomesTheNumberTheSimpleStartCallGives) {
    EXPECT_EQ(startErrorFromSystemError(2), 2u);    // file not found
    EXPECT_EQ(startErrorFromSystemError(3), 3u);    // path not found
    EXPECT_EQ(startErrorFromSystemError(5), 5u);    // access denied
    EXPECT_EQ(startErrorFromSystemError(0), 0u);    // out of memory
    EXPECT_EQ(startErrorFromSystemError(193), 11u);  // not a valid program: never a start result
    EXPECT_EQ(startFailureMessage("C:\\Tamsi\\Map.exe", 2), "Can't find C:\\Tamsi\\Map.exe (WinExec error 2)");
}

TEST_F(LaunchersTest, ThePuzzleStartsFromTheProgramFolder) {
    where.programFolder = "D:\\Games";
    startPuzzle(starter, where);
    EXPECT_EQ(starter.commands, std::vector<std::string>{platform::joinPath("D:\\Games", "Brindo.exe")});
    EXPECT_TRUE(boxes().empty());

    starter.commandResult = 3;
    startPuzzle(starter, where);
    expectOneError("Can't find " + platform::joinPath("D:\\Games", "Brindo.exe") + " (WinExec error 3)");
}

// ---- the document opener ----

TEST(DocumentKinds, PdfAnywhereInThePathThenRtf) {
    EXPECT_EQ(documentKind("C:\\Course\\Book.pdf"), DocumentKind::Pdf);
    EXPECT_EQ(documentKind("D:\\LYCEUM\\BOOK.PDF"), DocumentKind::Pdf);
    EXPECT_EQ(documentKind("C:\\x.pdf.d\\notes.txt"), DocumentKind::Pdf);
    EXPECT_EQ(documentKind("C:\\x.pdf.d\\report.rtf"), DocumentKind::Pdf);
    EXPECT_EQ(documentKind("C:\\Tamsi\\Reports\\MTorr01P.rtf"), DocumentKind::Rtf);
    EXPECT_EQ(documentKind("C:\\Tamsi\\Reports\\MTORR01P.RTF"), DocumentKind::Rtf);
    EXPECT_EQ(documentKind("C:\\pdf\\rtf\\notes.txt"), DocumentKind::Other);  // no dot, no kind
    EXPECT_EQ(documentKind("C:\\Course\\Book.doc"), DocumentKind::Other);
    EXPECT_EQ(documentKind(""), DocumentKind::Other);
}

TEST_F(LaunchersTest, AMissingDocumentOpensNothingAndSaysNothing) {
    settings.wordProcessorMode = 1;
    EXPECT_FALSE(openDocument(starter, pathIn("gone.rtf"), where));
    EXPECT_FALSE(openDocument(starter, pathIn("gone.pdf"), where));
    EXPECT_TRUE(starter.commands.empty());
    EXPECT_TRUE(starter.searches.empty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(LaunchersTest, APdfOpensWithItsAssociatedProgramFromTheDataFolder) {
    const std::string book = document("book.pdf");
    settings.wordProcessorMode = 1;  // the word processor has no say over PDF documents
    EXPECT_TRUE(openDocument(starter, book, where));
    EXPECT_EQ(starter.searches, std::vector<std::string>{book + "|" + folder()});
    EXPECT_EQ(starter.opened, std::vector<std::string>{"C:\\Viewers\\Reader.exe|" + book + "|" + folder()});
    EXPECT_TRUE(starter.commands.empty());
    EXPECT_TRUE(boxes().empty());
}

TEST_F(LaunchersTest, APdfWithoutAReaderSaysSo) {
    const std::string book = document("book.pdf");
    starter.findResult = 31;  // nothing associated
    EXPECT_FALSE(openDocument(starter, book, where));
    EXPECT_TRUE(starter.opened.empty());
    expectOneError(MSG_PDF_READER_NEEDED);

    boxes().clear();
    starter.findResult = 42;
    starter.openResult = 5;  // found, but it wouldn't start
    EXPECT_FALSE(openDocument(starter, book, where));
    expectOneError(MSG_PDF_READER_NEEDED);
}

TEST_F(LaunchersTest, AnRtfInAFolderNamedLikeAPdfCountsAsAPdf) {
    ASSERT_TRUE(platform::makeDirectory(pathIn("x.pdf.d")));
    const std::string report = document(std::string("x.pdf.d") + PATH_SEPARATOR "report.rtf");
    settings.wordProcessorMode = 1;
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.searches.size(), 1u);
    EXPECT_TRUE(starter.commands.empty());
    platform::removeFile(report);
    platform::removeDirectory(pathIn("x.pdf.d"));
}

TEST_F(LaunchersTest, RtfModeZeroUsesTheAssociatedProgramAndNothingElse) {
    const std::string report = document("MTorr01P.rtf");
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.opened, std::vector<std::string>{"C:\\Viewers\\Reader.exe|" + report + "|" + folder()});

    // Nothing associated: the supplied WordPad.exe beside the program is not tried.
    writeFile(pathIn("WordPad.exe"), "MZ");
    starter = RecordingStarter();
    starter.findResult = 31;
    EXPECT_FALSE(openDocument(starter, report, where));
    EXPECT_TRUE(starter.commands.empty());
    EXPECT_TRUE(starter.opened.empty());
    expectOneError(MSG_WORDPAD_NEEDED);
}

TEST_F(LaunchersTest, RtfModeOneRunsTheChosenWordProcessorWithTheDocument) {
    const std::string report = document("MTorr01P.rtf");
    settings.wordProcessorMode = 1;
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.commands, std::vector<std::string>{"C:\\Tools\\Writer.exe " + report});
    EXPECT_TRUE(starter.searches.empty());
    EXPECT_TRUE(boxes().empty());

    // It can't be started: no association and no supplied WordPad instead.
    starter = RecordingStarter();
    starter.commandResult = 2;
    EXPECT_FALSE(openDocument(starter, report, where));
    EXPECT_EQ(starter.commands.size(), 1u);
    EXPECT_TRUE(starter.searches.empty());
    expectOneError(MSG_WORDPAD_NEEDED);
}

TEST_F(LaunchersTest, AWordProcessorPathWithoutItsTerminatorIsReadToTheFieldsEndOnly) {
    const std::string report = document("MTorr01P.rtf");
    settings.wordProcessorMode = 1;
    std::memset(settings.wordProcessorPath, 'W', sizeof settings.wordProcessorPath);  // a damaged Vek.ini
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.commands, std::vector<std::string>{std::string(260, 'W') + " " + report});
}

TEST_F(LaunchersTest, RtfModeTwoRunsTheSuppliedWordPadWithTwoBlanksBeforeTheDocument) {
    const std::string report = document("MTorr01P.rtf");
    settings.wordProcessorMode = 2;
    where.programFolder = "C:\\Tamsi";
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.commands,
              std::vector<std::string>{platform::joinPath("C:\\Tamsi", "WordPad.exe") + "  " + report});

    starter = RecordingStarter();
    starter.commandResult = 2;
    EXPECT_FALSE(openDocument(starter, report, where));
    EXPECT_TRUE(starter.searches.empty());
    expectOneError(MSG_WORDPAD_NEEDED);
}

TEST_F(LaunchersTest, AnUnknownWordProcessorModeOpensNothingAndSaysSo) {
    const std::string report = document("MTorr01P.rtf");
    settings.wordProcessorMode = 3;
    EXPECT_FALSE(openDocument(starter, report, where));
    EXPECT_TRUE(starter.commands.empty());
    EXPECT_TRUE(starter.searches.empty());
    expectOneError(MSG_WORDPAD_NEEDED);
}

TEST_F(LaunchersTest, ADocumentPathWithBlanksReachesTheProgramAsOneWord) {
    ASSERT_TRUE(platform::makeDirectory(pathIn("Reports")));
    const std::string report = document(std::string("Reports") + PATH_SEPARATOR "My report.rtf");
    settings.wordProcessorMode = 1;
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.commands, std::vector<std::string>{"C:\\Tools\\Writer.exe \"" + report + "\""});
    settings.wordProcessorMode = 0;
    EXPECT_TRUE(openDocument(starter, report, where));
    EXPECT_EQ(starter.opened, std::vector<std::string>{"C:\\Viewers\\Reader.exe|\"" + report + "\"|" + folder()});
}

TEST_F(LaunchersTest, OtherDocumentsAreNotOpened) {
    settings.wordProcessorMode = 1;
    EXPECT_FALSE(openDocument(starter, document("notes.txt"), where));
    EXPECT_TRUE(starter.commands.empty());
    EXPECT_TRUE(starter.searches.empty());
    EXPECT_TRUE(boxes().empty());
}

// ---- the course ----

TEST_F(LaunchersTest, TheCoursePointerIsTheFirstLineWithoutItsLineEnd) {
    const std::string pointer = pathIn("Lyceum.ini");
    std::string path = "unchanged";
    EXPECT_FALSE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, "unchanged");

    writeFile(pointer, "D:\\Lyceum\\Course.pdf\r\nD:\\Other.pdf\r\n");
    ASSERT_TRUE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, "D:\\Lyceum\\Course.pdf");
    writeFile(pointer, "D:\\Lyceum\\Course.pdf\n");
    ASSERT_TRUE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, "D:\\Lyceum\\Course.pdf");
    writeFile(pointer, "D:\\Course.pdf");  // no line end at all
    ASSERT_TRUE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, "D:\\Course.pdf");
    writeFile(pointer, "");
    ASSERT_TRUE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, "");
    // A line longer than a path buffer keeps its first 259 characters.
    writeFile(pointer, std::string(300, 'a') + "\n");
    ASSERT_TRUE(readCoursePointer(pointer, path));
    EXPECT_EQ(path, std::string(259, 'a'));
}

TEST_F(LaunchersTest, WithoutLyceumIniTheCourseIsNotIncluded) {
    startCourse(starter, where);
    expectOneError(MSG_COURSE_NOT_INCLUDED);
    EXPECT_TRUE(starter.commands.empty());
}

TEST_F(LaunchersTest, ACourseDocumentThatCantBeReadAsksForTheDisc) {
    writeFile(pathIn("Lyceum.ini"), "E:\\Lyceum\\Course.pdf\r\n");
    startCourse(starter, where);
    expectOneError("Please insert your Lyceum CD and try again.");
    EXPECT_TRUE(starter.searches.empty());
}

TEST_F(LaunchersTest, TheCourseDocumentOpensThroughTheDocumentOpener) {
    const std::string book = document("Course.pdf");
    writeFile(pathIn("Lyceum.ini"), book + "\r\n");
    startCourse(starter, where);
    EXPECT_EQ(starter.opened, std::vector<std::string>{"C:\\Viewers\\Reader.exe|" + book + "|" + folder()});
    EXPECT_TRUE(boxes().empty());

    const std::string lesson = document("Course.rtf");
    writeFile(pathIn("Lyceum.ini"), lesson + "\n");
    settings.wordProcessorMode = 1;
    startCourse(starter, where);
    EXPECT_EQ(starter.commands, std::vector<std::string>{"C:\\Tools\\Writer.exe " + lesson});
}

TEST_F(LaunchersTest, ACourseDocumentOfAnotherKindIsNamedInsteadOfIgnored) {
    const std::string notes = document("Course.doc");
    writeFile(pathIn("Lyceum.ini"), notes + "\n");
    startCourse(starter, where);
    expectOneError("The course document " + notes + " can't be opened: only PDF and RTF documents can.");
    EXPECT_TRUE(starter.searches.empty());
    EXPECT_TRUE(starter.commands.empty());
}

}  // namespace
