#include "chart/bitmap_file.h"

#include "engine/letters.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

std::uint32_t bitmapRowSize(int bitsPerPixel, int width) {
    return static_cast<std::uint32_t>((bitsPerPixel * width + 31) / 32 * 4);
}

std::uint32_t bitmapImageSize(int bitsPerPixel, int width, int height) {
    return bitmapRowSize(bitsPerPixel, width) * static_cast<std::uint32_t>(height);
}

std::uint32_t colorTableSize(int bitsPerPixel) {
    return bitsPerPixel < 16 ? 4u << bitsPerPixel : 0;
}

std::uint32_t bitmapBitsOffset(int bitsPerPixel) { return 54 + colorTableSize(bitsPerPixel); }

BitmapInfoHeader bitmapInfoFor(int width, int height, int bitsPerPixel) {
    BitmapInfoHeader info;
    std::memset(&info, 0, sizeof info);
    info.size = sizeof info;
    info.width = width;
    info.height = height;
    info.planes = 1;
    info.bitCount = static_cast<std::uint16_t>(bitsPerPixel);
    return info;
}

BitmapFileHeader bitmapFileHeaderFor(const BitmapInfoHeader& info) {
    BitmapFileHeader file;
    file.type[0] = 'B';
    file.type[1] = 'M';
    file.bitsOffset = bitmapBitsOffset(info.bitCount);
    file.size = file.bitsOffset + bitmapImageSize(info.bitCount, info.width, info.height);
    file.reserved1 = file.reserved2 = 0;
    return file;
}

std::vector<std::uint8_t> bitmapFileBytes(const BitmapInfoHeader& info, const std::uint8_t* table,
                                          const std::uint8_t* image) {
    const BitmapFileHeader file = bitmapFileHeaderFor(info);
    std::vector<std::uint8_t> bytes(file.size);
    std::uint8_t* out = bytes.data();
    std::memcpy(out, &file, sizeof file);
    std::memcpy(out + sizeof file, &info, sizeof info);
    const std::uint32_t tableSize = colorTableSize(info.bitCount);
    if (tableSize) std::memcpy(out + sizeof file + sizeof info, table, tableSize);
    std::memcpy(out + file.bitsOffset, image, file.size - file.bitsOffset);
    return bytes;
}

std::string chartBitmapPath(const std::string& dataFolder, const std::string& currentFirst,
                            const std::string& currentLast) {
    const std::string reports = platform::joinPath(dataFolder, "Reports");
    // The compact forms are taken one at a time: the stems share rotating buffers.
    const std::string first = fileNameStem(currentFirst.c_str());
    const std::string last = fileNameStem(currentLast.c_str());
    std::string path;
    for (int n = 1; n <= 99; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "%.1s%.4s%02dC.bmp", first.c_str(), last.c_str(), n);
        path = platform::joinPath(reports, name);
        if (!platform::fileExists(path)) break;
    }
    return path;
}
