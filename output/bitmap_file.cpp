#include "output/bitmap_file.h"

namespace {

std::uint32_t u32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

enum { FILE_HEADER = 14, INFO_HEADER = 40, RGB = 0, BITFIELDS = 3, MAX_SIDE = 1 << 15 };

}  // namespace

bool readBitmapFile(const std::uint8_t* bytes, std::size_t size, BitmapView& view) {
    if (size < FILE_HEADER + INFO_HEADER || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const std::uint8_t* info = bytes + FILE_HEADER;
    const std::uint32_t infoSize = u32(info);
    const std::uint32_t bitsAt = u32(bytes + 10);
    if (infoSize < INFO_HEADER || infoSize > size - FILE_HEADER) return false;
    const std::int32_t width = static_cast<std::int32_t>(u32(info + 4));
    const std::int32_t height = static_cast<std::int32_t>(u32(info + 8));
    const unsigned planes = u16(info + 12), depth = u16(info + 14);
    const std::uint32_t compression = u32(info + 16);
    std::uint32_t colours = u32(info + 32);
    if (planes != 1 || width <= 0 || width > MAX_SIDE || height == 0 || height < -MAX_SIDE || height > MAX_SIDE)
        return false;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) return false;
    if (compression != RGB && !(compression == BITFIELDS && (depth == 16 || depth == 32))) return false;
    if (depth <= 8 && colours == 0) colours = 1u << depth;
    if (colours > 256) return false;
    const std::uint64_t tableEnd = FILE_HEADER + static_cast<std::uint64_t>(infoSize) +
                                   (compression == BITFIELDS && infoSize == INFO_HEADER ? 12 : 0) +
                                   4ull * (depth <= 8 ? colours : 0);
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * depth + 31) / 32) * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    if (tableEnd > size || bitsAt < tableEnd || bitsAt > size || rowBytes * rows > size - bitsAt) return false;
    view = BitmapView{info, bytes + bitsAt, width, height};
    return true;
}
