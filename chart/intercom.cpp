#include "chart/intercom.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace {

std::string fieldText(const char (&field)[NAME_SIZE]) {
    std::size_t length = 0;
    while (length < NAME_SIZE && field[length]) ++length;
    return std::string(field, length);
}

void copyField(char (&field)[NAME_SIZE], const std::string& text) {
    std::memset(field, 0, NAME_SIZE);
    std::memcpy(field, text.data(), text.size() < NAME_SIZE - 1 ? text.size() : NAME_SIZE - 1);
}

}  // namespace

bool parseIntercom(const void* bytes, std::size_t size, ChartInput& input) {
    if (size < sizeof(IntercomRecord)) return false;
    IntercomRecord record;
    std::memcpy(&record, bytes, sizeof record);
    if (record.magic != INTERCOM_MAGIC) return false;
    input.chartFlags = record.chartFlags;
    input.lifePathMethod = record.lifePathMethod;
    input.firstYear = record.firstYear;
    input.firstAge = record.firstAge;
    std::memcpy(input.charMap, record.charMap, sizeof input.charMap);
    input.birthFirst = fieldText(record.person.birthFirst);
    input.birthMiddle = fieldText(record.person.birthMiddle);
    input.birthLast = fieldText(record.person.birthLast);
    input.currentFirst = fieldText(record.person.currentFirst);
    input.currentLast = fieldText(record.person.currentLast);
    input.birthMonth = record.person.birthMonth;
    input.birthDay = record.person.birthDay;
    input.birthYear = record.person.birthYear;
    return true;
}

IntercomRecord makeIntercomRecord(const ChartInput& input) {
    IntercomRecord record;
    std::memset(&record, 0, sizeof record);
    record.magic = INTERCOM_MAGIC;
    record.chartFlags = input.chartFlags;
    record.lifePathMethod = input.lifePathMethod;
    record.firstYear = input.firstYear;
    record.firstAge = input.firstAge;
    std::memcpy(record.charMap, input.charMap, sizeof record.charMap);
    copyField(record.person.birthFirst, input.birthFirst);
    copyField(record.person.birthMiddle, input.birthMiddle);
    copyField(record.person.birthLast, input.birthLast);
    copyField(record.person.currentFirst, input.currentFirst);
    copyField(record.person.currentLast, input.currentLast);
    record.person.birthMonth = input.birthMonth;
    record.person.birthDay = input.birthDay;
    record.person.birthYear = input.birthYear;
    return record;
}

bool readIntercom(const std::string& path, ChartInput& input) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    unsigned char bytes[sizeof(IntercomRecord)];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    return parseIntercom(bytes, got, input);
}

std::string intercomPath() { return platform::joinPath(platform::dataFolder(), "Intercom"); }

bool forcesBlackAndWhite(std::int32_t chartFlags) { return (chartFlags & 0x100) && !(chartFlags & 0x4); }

void identityCharMap(std::uint8_t (&charMap)[256]) {
    for (int c = 0; c < 256; ++c) charMap[c] = static_cast<std::uint8_t>(c);
}

ChartInput exampleChartInput() {
    ChartInput input;
    identityCharMap(input.charMap);
    input.firstYear = 2026;
    input.birthFirst = "Maria";
    input.birthMiddle = "Elena";
    input.birthLast = "Torres";
    input.currentFirst = "Maria";
    input.currentLast = "Torres";
    input.birthMonth = 5;
    input.birthDay = 15;
    input.birthYear = 1949;
    return input;
}
