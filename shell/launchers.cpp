#include "shell/launchers.h"

#include "people/birth_data_form.h"
#include "platform/platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

const char* const INTERCOM_FILE_NAME = "Intercom";
const char* const COURSE_POINTER_FILE_NAME = "Lyceum.ini";

const char* const MSG_WORDPAD_NEEDED = "WordPad is needed to open this file.";
const char* const MSG_PDF_READER_NEEDED =
    "A PDF reader is needed to open this file. Install a program that opens PDF documents and try again.";
const char* const MSG_COURSE_NOT_INCLUDED =
    "The numerology e-book and audio course are not included in this installation.";
const char* const MSG_INSERT_COURSE_CD = "Please insert your Lyceum CD and try again.";

namespace {

enum { COURSE_PATH_LENGTH = 259 };  // a 260-character path buffer
// Start results below 32 are error numbers.
enum : unsigned { START_ERROR_LIMIT = 32, ERROR_BAD_FORMAT_NUMBER = 11 };

void showError(const std::string& text) {
    platform::messageBox(text.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONSTOP);
}

// File names on Windows ignore letter case, and a course disc names its
// files in capitals: "BOOK.PDF" is as much a PDF document as "book.pdf".
bool containsIgnoringCase(const std::string& text, const char* part) {
    const std::size_t length = std::strlen(part);
    for (std::size_t start = 0; start + length <= text.size(); ++start) {
        std::size_t i = 0;
        while (i < length && std::tolower(static_cast<unsigned char>(text[start + i])) == part[i]) ++i;
        if (i == length) return true;
    }
    return false;
}

// A document path as one word of a command line, so that a folder name
// with blanks reaches the program whole.
std::string asArgument(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

// The program associated with the document, opened through the shell.
bool openWithAssociatedProgram(ProgramStarter& starter, const std::string& document, const std::string& folder) {
    std::string program;
    if (starter.findAssociatedProgram(document, folder, program) <= START_ERROR_LIMIT) return false;
    return starter.openWith(program, asArgument(document), folder) > START_ERROR_LIMIT;
}

// A text field of the settings, which a damaged Vek.ini may leave without
// its terminator.
std::string fieldText(const char* field, std::size_t size) {
    return std::string(field, std::find(field, field + size, '\0'));
}

// The word processor the settings choose for RTF documents; no other is
// tried when that one fails.
bool openWithWordProcessor(ProgramStarter& starter, const std::string& document, const ProgramFolders& where) {
    switch (settings.wordProcessorMode) {
    case 0: return openWithAssociatedProgram(starter, document, where.dataFolder);
    case 1: {
        const std::string wordProcessor = fieldText(settings.wordProcessorPath, sizeof settings.wordProcessorPath);
        return starter.runCommand(wordProcessor + " " + asArgument(document)) > START_ERROR_LIMIT;
    }
    case 2:
        return starter.runCommand(platform::joinPath(where.programFolder, "WordPad.exe") + "  " +
                                  asArgument(document)) > START_ERROR_LIMIT;
    default: return false;  // a mode this program doesn't know opens nothing, and says so
    }
}

bool canReadFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

IntercomRecord makeIntercom(const Settings& chosen, const PersonRecord& person, int inColor) {
    IntercomRecord record = {};
    record.magic = INTERCOM_MAGIC;
    record.chartFlags = inColor == 1 ? CHART_FLAGS_COLOR : CHART_FLAGS_BLACK_AND_WHITE;
    record.lifePathMethod = chosen.lifePathMethod;
    record.firstYear = chosen.firstYear;
    record.firstAge = chosen.firstAge;
    std::memcpy(record.charMap, chosen.charMap, sizeof record.charMap);
    record.person = person;
    return record;
}

bool writeIntercom(const std::string& path, const IntercomRecord& record) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) file = std::fopen(path.c_str(), "r+b");
    if (!file) return false;
    const bool written = std::fwrite(&record, 1, sizeof record, file) == sizeof record;
    return std::fclose(file) == 0 && written;
}

DocumentKind documentKind(const std::string& path) {
    if (containsIgnoringCase(path, ".pdf")) return DocumentKind::Pdf;
    if (containsIgnoringCase(path, ".rtf")) return DocumentKind::Rtf;
    return DocumentKind::Other;
}

std::string startFailureMessage(const std::string& path, unsigned error) {
    return "Can't find " + path + " (WinExec error " + std::to_string(error) + ")";
}

unsigned startErrorFromSystemError(unsigned long lastError) {
    return lastError < START_ERROR_LIMIT ? static_cast<unsigned>(lastError) : ERROR_BAD_FORMAT_NUMBER;
}

bool startProgram(ProgramStarter& starter, const std::string& path) {
    const unsigned result = starter.runCommand(path);
    if (result >= START_ERROR_LIMIT) return true;
    showError(startFailureMessage(path, result));
    return false;
}

bool openDocument(ProgramStarter& starter, const std::string& document, const ProgramFolders& where) {
    if (!platform::fileExists(document)) return false;
    switch (documentKind(document)) {
    case DocumentKind::Pdf:
        if (openWithAssociatedProgram(starter, document, where.dataFolder)) return true;
        showError(MSG_PDF_READER_NEEDED);
        return false;
    case DocumentKind::Rtf:
        if (openWithWordProcessor(starter, document, where)) return true;
        showError(MSG_WORDPAD_NEEDED);
        return false;
    case DocumentKind::Other: break;
    }
    return false;
}

bool readCoursePointer(const std::string& path, std::string& document) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    document.clear();
    int c;
    while (document.size() < COURSE_PATH_LENGTH && (c = std::fgetc(file)) != EOF && c != '\n')
        document += static_cast<char>(c);
    std::fclose(file);
    // Written on Windows, the line ends in CR LF.
    if (!document.empty() && document.back() == '\r') document.pop_back();
    return true;
}

void startPuzzle(ProgramStarter& starter, const ProgramFolders& where) {
    startProgram(starter, platform::joinPath(where.programFolder, "Brindo.exe"));
}

void startCourse(ProgramStarter& starter, const ProgramFolders& where) {
    std::string document;
    if (!readCoursePointer(platform::joinPath(where.dataFolder, COURSE_POINTER_FILE_NAME), document)) {
        showError(MSG_COURSE_NOT_INCLUDED);
        return;
    }
    if (!canReadFile(document)) {
        showError(MSG_INSERT_COURSE_CD);
        return;
    }
    if (documentKind(document) == DocumentKind::Other) {
        showError("The course document " + document + " can't be opened: only PDF and RTF documents can.");
        return;
    }
    openDocument(starter, document, where);
}

void handChartOver(ProgramStarter& starter, const ProgramFolders& where) {
    const std::string handOff = platform::joinPath(where.dataFolder, INTERCOM_FILE_NAME);
    // Without its file the chart program would end at once without a word:
    // say why here instead of starting it for nothing.
    if (!writeIntercom(handOff, makeIntercom(settings, person1, chartInColor))) {
        showError("The person can't be handed to the color chart program: " + handOff + " can't be written.");
        platform::removeFile(handOff);
        return;
    }
    startProgram(starter, platform::joinPath(where.programFolder, "Map.exe"));
    platform::removeFile(handOff);
}
