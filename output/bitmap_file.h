// A Windows bitmap file checked before its picture is used: the cover's
// logo comes from a file the user names, so nothing in it is trusted.
#pragma once

#include <cstddef>
#include <cstdint>

struct BitmapView {
    const std::uint8_t* info;   // the information header (and colour table)
    const std::uint8_t* bits;   // the pixel rows
    int width;
    int height;                 // as stored: negative for top-down rows
};

// True when bytes hold a whole uncompressed (or bit-field) bitmap file of a
// known depth, its header, colour table and pixel rows all inside the bytes.
bool readBitmapFile(const std::uint8_t* bytes, std::size_t size, BitmapView& view);
