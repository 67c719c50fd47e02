// Any program file: payload records and trailers read without overrun, and
// every record lies inside the file. The records are read from the bytes in
// memory; the file itself is written only when a record holds a trailer.
#include "archive/language_list.h"
#include "archive/payload.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::FILE* memory = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!memory) __builtin_trap();
    const std::vector<PayloadRecord> records = readPayloadRecords(memory);
    std::fclose(memory);

    static std::unique_ptr<platform::PrivateFolder> work;
    static std::string path;
    bool written = false;
    for (const PayloadRecord& record : records) {
        if (static_cast<std::size_t>(record.dataOffset) + record.size > size) __builtin_trap();
        if (record.size < TRAILER_SIZE) continue;
        if (!written) {
            if (!work) {
                work = std::make_unique<platform::PrivateFolder>();
                path = work->file("program.exe");
            }
            std::FILE* file = std::fopen(path.c_str(), "wb");
            if (!file) __builtin_trap();
            std::fwrite(data, 1, size, file);
            std::fclose(file);
            written = true;
        }
        LanguageEntry entry{};
        std::snprintf(entry.holdingPath, sizeof entry.holdingPath, "%s", path.c_str());
        entry.offset = record.dataOffset;
        entry.length = record.size;
        std::uint8_t trailer[TRAILER_SIZE];
        if (!readTrailer(entry, trailer)) __builtin_trap();
        if (trailerDescription(trailer).size() > TRAILER_TEXT_SIZE) __builtin_trap();
        if (std::memcmp(trailer, data + record.dataOffset + record.size - TRAILER_SIZE, TRAILER_SIZE))
            __builtin_trap();
    }
    return 0;
}
