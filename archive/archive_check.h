// Every limit the archive loader holds a plain archive text to, checked at
// once and all reported, for the packer and for "vek archive check".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ArchiveProblem {
    std::size_t line;       // 1-based line of the plain text
    std::string subject;    // the subject it belongs to, "" before the first
    std::string message;
};

// textEnd: where the archive's own text ends (a plain stored body's
// trailer follows it; makeArchivePlain tells).
std::vector<ArchiveProblem> checkArchiveText(const std::uint8_t* data, std::size_t size, std::size_t textEnd);
inline std::vector<ArchiveProblem> checkArchiveText(const std::uint8_t* data, std::size_t size) {
    return checkArchiveText(data, size, size);
}
