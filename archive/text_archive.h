// The text archive of the report language: stored bytes made plain, the
// subject table over them, and the numbered phrases of "QUOTES.Q".
#pragma once

#include "archive/language_list.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

enum {
    MAX_SUBJECTS = 4000,
    SUBJECT_NAME_SIZE = 16,       // 15 characters and the terminator
    MAX_SUBJECT_LENGTH = 9999,    // a text of 10000 bytes or more is refused
    MAX_PHRASES = 400,            // phrase numbers 0 to 399
    PHRASE_BLOCK_SIZE = 16000,
    TEXT_BUFFER_SIZE = 10000,
    // Room for the two line feeds and the terminator after a text of the
    // largest length.
    TEXT_BUFFER_SLACK = 3,
};

struct SubjectEntry {
    char name[SUBJECT_NAME_SIZE];
    std::uint32_t length;   // bytes after the name line's CR LF up to the next "{" or the end
    std::uint32_t text;     // position of the first text byte in the archive data
};

struct TextArchive {
    std::vector<std::uint8_t> data;  // plain text, user text appended
    std::size_t archiveTextEnd = 0;  // end of the archive's own text (a plain body's trailer follows)
    std::vector<SubjectEntry> subjectTable;
    bool isOpen = false;
};

extern TextArchive textArchive;
extern char textBuffer[TEXT_BUFFER_SIZE + TEXT_BUFFER_SLACK];
extern char phraseBlock[PHRASE_BLOCK_SIZE];
extern const char* quoteTable[MAX_PHRASES];
extern int quoteCount;

extern const char* const MSG_ARCHIVE_PROBLEM;  // "Text Archive problem."
extern const char* const QUOTES_SUBJECT;       // "QUOTES.Q"

// Opens the selected language's archive for the current report type;
// 1 when ready, 0 after a message.
int openTextArchive();
int openTextArchive(const ArchiveSource& source, int reportType, const std::string& dataFolder);
void closeTextArchive();

int findSubject(const char* name);   // the last subject of that name, or -1
int fetchSubject(const char* name);  // 1 with the text in textBuffer, 0 after a message
int loadQuoteTable(const char* name, char* block, const char** table);  // phrase count
// The phrase table of a raw "QUOTES.Q" text; 0 for a text the loader refuses.
int buildQuoteTable(const char* raw, std::size_t length, char* block, const char** table);

// Calls visit(offset, length) for each phrase line of a "QUOTES.Q" text, up
// to its line feed: CR and LF between lines and lines of blanks are passed
// over, and a Ctrl-Z ends the text. A visit that returns false ends the
// walk, and the walk then returns false.
template <typename Visit>
bool forEachPhraseLine(const char* text, std::size_t size, Visit visit) {
    if (const void* cut = std::memchr(text, 0x1A, size)) size = static_cast<std::size_t>(static_cast<const char*>(cut) - text);
    for (std::size_t at = 0; at < size;) {
        if (text[at] == '\r' || text[at] == '\n') {
            ++at;
            continue;
        }
        const void* lineFeed = std::memchr(text + at, '\n', size - at);
        const std::size_t length =
            lineFeed ? static_cast<std::size_t>(static_cast<const char*>(lineFeed) - (text + at)) : size - at;
        std::size_t blanks = 0;
        while (blanks < length && std::strchr(" \t\r", text[at + blanks]) && text[at + blanks]) ++blanks;
        if (blanks < length && !visit(at, length)) return false;
        at += length;
    }
    return true;
}

// How much of the length bytes of text from start are archive text: in a
// plain stored body the last text runs on into the trailer, from textEnd.
std::size_t ownTextLength(std::size_t start, std::size_t length, std::size_t textEnd);

// The steps of opening that need no file, for the packer's checks and tests.
// Turns stored bytes (any form) into plain archive text in place. A plain
// stored body keeps its trailer after the text; textEnd, when given, is
// told where the text ends (for a compressed body, at the end).
bool makeArchivePlain(std::vector<std::uint8_t>& bytes, std::size_t* textEnd = nullptr);
bool buildSubjectTable(const std::uint8_t* data, std::size_t size, std::vector<SubjectEntry>& table);
// Opens from stored bytes already in memory; with a user text path (the
// Personality Profiles reports), that file's subjects are added, or the
// file is made when there is none. 1 when ready, 0 after a message.
int openStoredArchive(std::vector<std::uint8_t> stored, const std::string& userTextPath = "");

std::string userTextPath(const std::string& dataFolder, const std::string& archiveName);
