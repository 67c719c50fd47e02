// The hand-off record through which the main program gives the color chart
// program its person and four settings: the file "Intercom" in the data
// folder, written whole by one program and read whole by the other.
#pragma once

#include "people/person.h"

#include <cstddef>
#include <cstdint>

enum : std::uint16_t { INTERCOM_MAGIC = 26401 };
enum : std::int32_t {
    CHART_FLAGS_COLOR = 261,            // a chart in color
    CHART_FLAGS_BLACK_AND_WHITE = 257,  // and in black and white
};

#pragma pack(push, 1)
struct IntercomRecord {
    std::uint16_t magic;
    std::int32_t chartFlags;
    std::int32_t lifePathMethod;
    std::int32_t firstYear;
    std::int32_t firstAge;
    std::uint8_t charMap[256];
    PersonRecord person;
};
#pragma pack(pop)

static_assert(sizeof(IntercomRecord) == 686, "the hand-off file holds the record whole");
static_assert(offsetof(IntercomRecord, chartFlags) == 2, "");
static_assert(offsetof(IntercomRecord, lifePathMethod) == 6, "");
static_assert(offsetof(IntercomRecord, firstYear) == 10, "");
static_assert(offsetof(IntercomRecord, firstAge) == 14, "");
static_assert(offsetof(IntercomRecord, charMap) == 18, "");
static_assert(offsetof(IntercomRecord, person) == 274, "");
