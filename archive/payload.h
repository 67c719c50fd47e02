// Payload records appended to a program file: the install payload of the
// distributed program, and the text archives the installed program carries.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum { PAYLOAD_HEADER_SIZE = 64, PAYLOAD_NAME_SIZE = 56 };

#pragma pack(push, 1)
struct PayloadRecordHeader {
    char marker[4];                  // "::>>"; later records are checked on bytes 1 to 3
    char name[PAYLOAD_NAME_SIZE];    // relative to the data folder, zero-padded
    std::uint32_t size;              // little-endian byte count of the data that follows
};
#pragma pack(pop)
static_assert(sizeof(PayloadRecordHeader) == PAYLOAD_HEADER_SIZE, "payload headers are 64 bytes");

// The four marker bytes, made at run time so that the program image itself
// never holds them.
const char* payloadMarker();

// Position just past the first marker in file, or -1 when there is none.
long long findPayloadMarker(std::FILE* file);

struct PayloadRecord {
    std::string name;            // as stored, cut at its terminator
    std::uint32_t dataOffset;    // position of the record's first data byte
    std::uint32_t size;
};

// Reads header after header from the first marker on; stops at a short read,
// at a header whose bytes 1 to 3 are not ":>>", or at data that runs past
// the end of the file. An empty list when there is no payload.
std::vector<PayloadRecord> readPayloadRecords(const std::string& path);
std::vector<PayloadRecord> readPayloadRecords(std::FILE* file);

// Fills a header for name and size (name cut to 55 characters).
PayloadRecordHeader makePayloadHeader(const std::string& name, std::uint32_t size);
