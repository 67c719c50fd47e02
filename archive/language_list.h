// The report languages: the text archives of the data folder and those the
// program file carries, each with the trailer that says what it serves.
#pragma once

#include <cstdint>
#include <string>

enum { MAX_LANGUAGES = 20, TRAILER_SIZE = 256, TRAILER_TEXT_SIZE = 252 };

struct LanguageEntry {
    char archiveName[80];     // "Text_English.arc"
    char holdingPath[260];    // the archive file, or the program file that carries it
    std::uint32_t offset;     // of the archive's first byte in the holding file
    std::uint32_t length;     // of the archive, trailer included
};
typedef LanguageEntry ArchiveSource;

extern LanguageEntry languageList[MAX_LANGUAGES];
extern int languageCount;

extern const char* const MSG_LANGUAGE_NOT_AVAILABLE;

// Lists "Text_*.arc" of dataFolder, then the archives of programPath's
// payload that no file hides, at most 20 in all.
void buildLanguageList(const std::string& dataFolder, const std::string& programPath);

// Reads the last 256 bytes of the archive; false when they can't be read.
bool readTrailer(const LanguageEntry& entry, std::uint8_t trailer[TRAILER_SIZE]);
bool readTrailer(int row, std::uint8_t trailer[TRAILER_SIZE]);

// The trailer's description (cut at its terminator) and report-type mask.
std::string trailerDescription(const std::uint8_t trailer[TRAILER_SIZE]);
std::uint32_t trailerMask(const std::uint8_t trailer[TRAILER_SIZE]);

// Whether the language may make a report of this type; shows why not.
bool languageServes(const LanguageEntry& entry, int reportType);
bool languageServes(int row, int reportType);

// Reads length bytes of the archive from its position; fewer when the file is short.
bool readArchiveBytes(const LanguageEntry& entry, std::uint32_t position, std::uint32_t length,
                      std::uint8_t* into, std::uint32_t& got);
