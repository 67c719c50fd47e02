// Saving the chart picture: the Windows bitmap file with its headers and
// colour table, and its numbered name in the Reports folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#pragma pack(push, 1)
// The system's bitmap info header, field for field.
struct BitmapInfoHeader {
    std::uint32_t size;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t clrUsed;
    std::uint32_t clrImportant;
};
struct BitmapFileHeader {
    char type[2];
    std::uint32_t size;
    std::uint16_t reserved1;
    std::uint16_t reserved2;
    std::uint32_t bitsOffset;
};
#pragma pack(pop)
static_assert(sizeof(BitmapInfoHeader) == 40, "");
static_assert(sizeof(BitmapFileHeader) == 14, "");

// Bytes of one row, padded to four; of the whole image; of the colour table.
std::uint32_t bitmapRowSize(int bitsPerPixel, int width);
std::uint32_t bitmapImageSize(int bitsPerPixel, int width, int height);
std::uint32_t colorTableSize(int bitsPerPixel);  // 4 x 2^B below 16 bits, else 0
std::uint32_t bitmapBitsOffset(int bitsPerPixel);

// The info header to read a picture's rows with: bottom-up, uncompressed.
BitmapInfoHeader bitmapInfoFor(int width, int height, int bitsPerPixel);
BitmapFileHeader bitmapFileHeaderFor(const BitmapInfoHeader& info);

// The file's bytes: file header, info header, colour table (below 16 bits
// per pixel; table must hold colorTableSize bytes), image.
std::vector<std::uint8_t> bitmapFileBytes(const BitmapInfoHeader& info, const std::uint8_t* table,
                                          const std::uint8_t* image);

// "%s\Reports\%c%.4s%02dC.bmp": the first number from 01 to 99 whose file
// doesn't exist, 99 when all do.
std::string chartBitmapPath(const std::string& dataFolder, const std::string& currentFirst,
                            const std::string& currentLast);
