// The text sources of an archive: a folder of UTF-8 files, each holding
// subjects ("{NAME}" on a line of its own, then its text), and "phrases.txt",
// whose numbered "<...>" lines become the subject "QUOTES.Q".
#pragma once

#include <string>
#include <vector>

extern const char* const PHRASES_FILE_NAME;  // "phrases.txt"

struct SourceLine {
    std::string file;   // name within the source folder
    std::size_t line;   // 1-based
};

struct ArchiveSources {
    std::string plainText;             // Windows-1252, CR LF line ends
    std::vector<SourceLine> origins;   // where each line of plainText came from
    std::vector<std::string> errors;   // "file:line: message"
};

// Reads every "*.txt" file of folder, phrases first, the others by name.
ArchiveSources readArchiveSources(const std::string& folder);

// Where line (1-based) of the plain text came from, "file:line" form.
std::string describeOrigin(const ArchiveSources& sources, std::size_t line);
