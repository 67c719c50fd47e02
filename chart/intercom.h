// The hand-off record through which the main program gives the chart
// program its person and four settings, and the chart program's own copy.
#pragma once

#include "people/intercom_record.h"

#include <cstddef>
#include <cstdint>
#include <string>

// What the chart program keeps of the record. The names are held whole (the
// main program accepts up to 79 characters), even a damaged field without
// its terminator stops at the end of its 80 bytes.
struct ChartInput {
    std::int32_t chartFlags = CHART_FLAGS_COLOR;
    std::int32_t lifePathMethod = 0;
    std::int32_t firstYear = 0;
    std::int32_t firstAge = 0;
    std::uint8_t charMap[256] = {};
    std::string birthFirst, birthMiddle, birthLast, currentFirst, currentLast;
    std::int32_t birthMonth = 0, birthDay = 0, birthYear = 0;
};

// The record's bytes into input; false (input untouched) for fewer than 686
// bytes or a wrong magic. Bytes past the record are ignored.
bool parseIntercom(const void* bytes, std::size_t size, ChartInput& input);

// The record the main program writes for this input (names cut to 79).
IntercomRecord makeIntercomRecord(const ChartInput& input);

// Reads the hand-off file at path; false for a missing, short or foreign file.
bool readIntercom(const std::string& path, ChartInput& input);

// "Intercom" in the data folder.
std::string intercomPath();

// The chart is black and white whatever the options say when the writer
// set bit 8 and left the color bit clear.
bool forcesBlackAndWhite(std::int32_t chartFlags);

// Maria Elena Torres, born 5/15/1949, in color with method A and the year
// wheels from 2026: the example person of the tools, timings and tests.
ChartInput exampleChartInput();

// A character map that maps every code onto itself.
void identityCharMap(std::uint8_t (&charMap)[256]);
