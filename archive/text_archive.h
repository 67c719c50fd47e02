// The text archive of the report language: stored bytes made plain, the
// subject table over them, and the numbered phrases of "QUOTES.Q".
#pragma once

#include "archive/language_list.h"

#include <cstddef>
#include <cstdint>
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

// The steps of opening that need no file, for the packer's checks and tests.
// Turns stored bytes (any form) into plain archive text in place.
bool makeArchivePlain(std::vector<std::uint8_t>& bytes);
bool buildSubjectTable(const std::uint8_t* data, std::size_t size, std::vector<SubjectEntry>& table);
// Opens from stored bytes already in memory; with a user text path (the
// Personality Profiles reports), that file's subjects are added, or the
// file is made when there is none. 1 when ready, 0 after a message.
int openStoredArchive(std::vector<std::uint8_t> stored, const std::string& userTextPath = "");

std::string userTextPath(const std::string& dataFolder, const std::string& archiveName);
