#include "archive/language_list.h"

#include "archive/payload.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

LanguageEntry languageList[MAX_LANGUAGES];
int languageCount = 0;

const char* const MSG_LANGUAGE_NOT_AVAILABLE =
    " language is not currently avalable for this type of report. Please switch to English.";

namespace {

void copyText(char* field, std::size_t size, const std::string& text) {
    std::snprintf(field, size, "%s", text.c_str());
}

bool hasRow(const std::string& archiveName) {
    for (int i = 0; i < languageCount; ++i)
        if (archiveName == languageList[i].archiveName) return true;
    return false;
}

long long fileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return -1;
    long long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    std::fclose(file);
    return size;
}

// Keywords a description must hold to serve a report type when its mask is 0.
bool descriptionServes(const std::string& description, int reportType) {
    if (description.find("all") != std::string::npos) return true;
    auto holds = [&](const char* word) { return description.find(word) != std::string::npos; };
    // The odd rows of the report-type table repeat the row before them.
    const int row = (reportType >= 1 && reportType <= 11 && reportType % 2) ? reportType - 1 : reportType;
    switch (row) {
    case 0: return holds("Profiles");
    case 2: return holds("Relationship");
    case 6: return holds("Lucky");
    case 8: return holds("Name");
    case 10: return holds("Diamond");
    case 12: return holds("Calc");
    case 13: return holds("Profiles") || holds("Mini");
    case 16: return holds("Find");
    default: return false;
    }
}

}  // namespace

void buildLanguageList(const std::string& dataFolder, const std::string& programPath) {
    languageCount = 0;
    for (const std::string& name : platform::listFiles(dataFolder, "Text_*.arc")) {
        if (languageCount == MAX_LANGUAGES) break;
        const std::string path = platform::joinPath(dataFolder, name);
        const long long size = fileSize(path);
        if (size < 0 || size > 0xFFFFFFFFLL) continue;
        LanguageEntry& row = languageList[languageCount];
        copyText(row.archiveName, sizeof row.archiveName, name);
        copyText(row.holdingPath, sizeof row.holdingPath, path);
        row.offset = 0;
        row.length = static_cast<std::uint32_t>(size);
        ++languageCount;
    }
    for (const PayloadRecord& record : readPayloadRecords(programPath)) {
        if (record.name.find(".arc") == std::string::npos || hasRow(record.name)) continue;
        if (languageCount == MAX_LANGUAGES) break;
        LanguageEntry& row = languageList[languageCount++];
        copyText(row.archiveName, sizeof row.archiveName, record.name);
        copyText(row.holdingPath, sizeof row.holdingPath, programPath);
        row.offset = record.dataOffset;
        row.length = record.size;
    }
}

bool readArchiveBytes(const LanguageEntry& entry, std::uint32_t position, std::uint32_t length,
                      std::uint8_t* into, std::uint32_t& got) {
    got = 0;
    std::FILE* file = std::fopen(entry.holdingPath, "rb");
    if (!file) return false;
    const long long at = static_cast<long long>(entry.offset) + position;
    bool ok = at <= 0x7FFFFFFFLL && std::fseek(file, static_cast<long>(at), SEEK_SET) == 0;
    if (ok) got = static_cast<std::uint32_t>(std::fread(into, 1, length, file));
    std::fclose(file);
    return ok && got == length;
}

bool readTrailer(const LanguageEntry& entry, std::uint8_t trailer[TRAILER_SIZE]) {
    std::uint32_t got;
    return entry.length >= TRAILER_SIZE &&
           readArchiveBytes(entry, entry.length - TRAILER_SIZE, TRAILER_SIZE, trailer, got);
}

bool readTrailer(int row, std::uint8_t trailer[TRAILER_SIZE]) {
    return row >= 0 && row < languageCount && readTrailer(languageList[row], trailer);
}

std::string trailerDescription(const std::uint8_t trailer[TRAILER_SIZE]) {
    const char* text = reinterpret_cast<const char*>(trailer);
    return std::string(text, strnlen(text, TRAILER_TEXT_SIZE));
}

std::uint32_t trailerMask(const std::uint8_t trailer[TRAILER_SIZE]) {
    const std::uint8_t* m = trailer + TRAILER_TEXT_SIZE;
    return static_cast<std::uint32_t>(m[0]) | static_cast<std::uint32_t>(m[1]) << 8 |
           static_cast<std::uint32_t>(m[2]) << 16 | static_cast<std::uint32_t>(m[3]) << 24;
}

bool languageServes(const LanguageEntry& entry, int reportType) {
    std::uint8_t trailer[TRAILER_SIZE];
    if (!readTrailer(entry, trailer)) return false;
    const std::uint32_t mask = trailerMask(trailer);
    const std::string description = trailerDescription(trailer);
    if (mask != 0 ? (mask >> (static_cast<unsigned>(reportType) % 32)) & 1u
                  : descriptionServes(description, reportType))
        return true;
    const std::string message = description.substr(0, description.find(' ')) + MSG_LANGUAGE_NOT_AVAILABLE;
    platform::messageBox(message.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
    return false;
}

bool languageServes(int row, int reportType) {
    return row >= 0 && row < languageCount && languageServes(languageList[row], reportType);
}
