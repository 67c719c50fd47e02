// Any program file: payload records and trailers read without overrun, and
// every record lies inside the file.
#include "archive/language_list.h"
#include "archive/payload.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/payload-fuzz-" + std::to_string(getpid()) + ".exe";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    for (const PayloadRecord& record : readPayloadRecords(path)) {
        if (static_cast<std::size_t>(record.dataOffset) + record.size > size) __builtin_trap();
        LanguageEntry entry{};
        std::snprintf(entry.holdingPath, sizeof entry.holdingPath, "%s", path.c_str());
        entry.offset = record.dataOffset;
        entry.length = record.size;
        std::uint8_t trailer[TRAILER_SIZE];
        if (readTrailer(entry, trailer)) {
            if (trailerDescription(trailer).size() > TRAILER_TEXT_SIZE) __builtin_trap();
            if (std::memcmp(trailer, data + record.dataOffset + record.size - TRAILER_SIZE, TRAILER_SIZE))
                __builtin_trap();
        }
    }
    return 0;
}
