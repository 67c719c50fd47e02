#include "archive/payload.h"

#include <cstring>

const char* payloadMarker() {
    // Kept as "?:>>" and completed when asked for; the volatile read keeps the
    // compiler from folding the finished marker into the image.
    static volatile char stored[5] = {'?', ':', '>', '>', '\0'};
    static char marker[5];
    for (int i = 0; i < 5; ++i) marker[i] = stored[i];
    marker[0] = ':';
    return marker;
}

long long findPayloadMarker(std::FILE* file) {
    const char* marker = payloadMarker();
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long fileSize = std::ftell(file);
    if (fileSize < 0 || std::fseek(file, 0, SEEK_SET) != 0) return -1;
    const std::size_t MOST = 65536, KEEP = 3;
    // No bigger than the file: a small one needs no 64 KB buffer.
    const std::size_t chunk = fileSize < static_cast<long>(MOST) ? static_cast<std::size_t>(fileSize) + 1 : MOST;
    std::vector<char> storage(chunk + KEEP);
    char* buffer = storage.data();
    std::size_t kept = 0;
    long long consumed = 0;  // file position of buffer[kept]
    for (;;) {
        const std::size_t got = std::fread(buffer + kept, 1, chunk, file);
        if (got == 0) return -1;
        const std::size_t total = kept + got;
        for (std::size_t i = 0; i + 4 <= total; ++i) {
            if (buffer[i] == marker[0] && std::memcmp(buffer + i, marker, 4) == 0)
                return consumed - static_cast<long long>(kept) + static_cast<long long>(i) + 4;
        }
        consumed += static_cast<long long>(got);
        kept = total < KEEP ? total : KEEP;
        std::memmove(buffer, buffer + total - kept, kept);
    }
}

std::vector<PayloadRecord> readPayloadRecords(std::FILE* file) {
    std::vector<PayloadRecord> records;
    const long long afterMarker = findPayloadMarker(file);
    if (afterMarker < 0 || std::fseek(file, 0, SEEK_END) != 0) return records;
    const long long fileSize = std::ftell(file);
    long long at = afterMarker - 4;
    while (at + PAYLOAD_HEADER_SIZE <= fileSize && at + PAYLOAD_HEADER_SIZE <= 0xFFFFFFFFLL) {
        PayloadRecordHeader header;
        if (std::fseek(file, static_cast<long>(at), SEEK_SET) != 0 ||
            std::fread(&header, 1, sizeof header, file) != sizeof header)
            break;
        if (std::memcmp(header.marker + 1, ":>>", 3) != 0) break;
        const long long dataOffset = at + PAYLOAD_HEADER_SIZE;
        if (dataOffset + header.size > fileSize) break;
        const std::size_t nameLength = strnlen(header.name, PAYLOAD_NAME_SIZE);
        records.push_back({std::string(header.name, nameLength), static_cast<std::uint32_t>(dataOffset),
                           header.size});
        at = dataOffset + header.size;
    }
    return records;
}

std::vector<PayloadRecord> readPayloadRecords(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    std::vector<PayloadRecord> records = readPayloadRecords(file);
    std::fclose(file);
    return records;
}

PayloadRecordHeader makePayloadHeader(const std::string& name, std::uint32_t size) {
    PayloadRecordHeader header;
    std::memset(&header, 0, sizeof header);
    std::memcpy(header.marker, payloadMarker(), 4);
    std::memcpy(header.name, name.data(), name.size() < PAYLOAD_NAME_SIZE ? name.size() : PAYLOAD_NAME_SIZE - 1);
    header.size = size;
    return header;
}
