// Starting the companion programs, the course and the word processor, and
// the hand-off record the color chart program reads at its start.
#pragma once

#include "people/intercom_record.h"
#include "people/person.h"
#include "shell/settings.h"
#include "shell/startup.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern const char* const INTERCOM_FILE_NAME;  // "Intercom"
extern const char* const COURSE_POINTER_FILE_NAME;  // "Lyceum.ini"

extern const char* const MSG_WORDPAD_NEEDED;     // "WordPad is needed to open this file."
extern const char* const MSG_PDF_READER_NEEDED;
extern const char* const MSG_COURSE_NOT_INCLUDED;
extern const char* const MSG_INSERT_COURSE_CD;   // "Please insert your Lyceum CD and try again."

// The record for the person of the chart with the chart's settings;
// inColor is 1 for a chart in color, 0 for black and white.
IntercomRecord makeIntercom(const Settings& chosen, const PersonRecord& person, int inColor);

// Creates or truncates the file (opening it for writing when it can't be
// created) and writes the whole record. False unless all 686 bytes landed.
bool writeIntercom(const std::string& path, const IntercomRecord& record);

// What a path names: ".pdf" anywhere in it makes a PDF document (a folder
// "x.pdf.d" too), else ".rtf" an RTF document; letter case doesn't count.
enum class DocumentKind { Pdf, Rtf, Other };
DocumentKind documentKind(const std::string& path);

// "Can't find %s (WinExec error %d)".
std::string startFailureMessage(const std::string& path, unsigned error);

// The error number the system's simple start call gives for a start that
// failed with lastError: the error itself below 32, "bad format" (11)
// otherwise, so that a failure never reads as a start.
unsigned startErrorFromSystemError(unsigned long lastError);

// What a start asks of the system. The Windows build gives the real calls;
// the unit tests a recording stand-in.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Runs the command line, its window maximized, and returns once the
    // program waits for input, has ended, or a time limit passed. Above 31
    // when it started; otherwise the start error (2 file not found ...).
    virtual unsigned runCommand(const std::string& commandLine) = 0;
    // The program associated with the document, searched with folder as the
    // current folder. Above 32 when one was found (then in program).
    virtual unsigned findAssociatedProgram(const std::string& document, const std::string& folder,
                                           std::string& program) = 0;
    // Opens the document with program ("open", maximized, folder current).
    // Above 32 when it started.
    virtual unsigned openWith(const std::string& program, const std::string& document,
                              const std::string& folder) = 0;
};

// Starts the program at path; when it can't be started, the "Error" box
// names it and the error. True when it started.
bool startProgram(ProgramStarter& starter, const std::string& path);

// Opens an existing PDF document with its associated program, or an RTF
// document with the word processor the settings choose (only that one).
// True when a program was started for it; a missing file or another kind
// of document gives false without a word.
bool openDocument(ProgramStarter& starter, const std::string& document, const ProgramFolders& where);

// The first line of the course pointer file: at most 259 characters, the
// line end removed. False when the file can't be read.
bool readCoursePointer(const std::string& path, std::string& document);

// The puzzle game, Brindo.exe from the program folder.
void startPuzzle(ProgramStarter& starter, const ProgramFolders& where);

// The course document that Lyceum.ini in the data folder names.
void startCourse(ProgramStarter& starter, const ProgramFolders& where);

// The color chart report: person1 and the chart's settings handed to
// Map.exe through "Intercom", which is gone again once the chart program
// has read it (or the start failed).
void handChartOver(ProgramStarter& starter, const ProgramFolders& where);
