// Text measurement on an output device: pixels per inch, the advance widths
// of the 256 codes in a font, the character cell height and text extents.
// The win32 build asks the system's graphics device; the native build reads
// the TrueType files themselves, at the same pixel sizes and with the same
// rounding; tests use a fixed table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The fields of the system's logical-font record that measuring needs.
struct FontRequest {
    int height = 0;        // negative: the character height in pixels
    int weight = 400;
    bool italic = false;
    bool underline = false;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    char faceName[32] = {};
};

struct FontMeasure {
    int cellHeight = 0;   // ascent plus descent, without external leading
    int widths[256] = {};
};

class TextDevice {
public:
    virtual ~TextDevice() = default;
    virtual int pixelsPerInchX() const = 0;
    virtual int pixelsPerInchY() const = 0;
    // False when the font can't be made.
    virtual bool measureFont(const FontRequest& font, FontMeasure& measure) = 0;
    // The character cell height alone, which is much cheaper than all the
    // widths; by default through measureFont.
    virtual bool measureCellHeight(const FontRequest& font, int& cellHeight);
    // Why the last measureFont failed, for the user ("" when it can't tell).
    virtual std::string fontProblem() const { return ""; }
    virtual int textExtent(const FontRequest& font, const char* text, std::size_t length);
};

// The whole screen, as the layout for the viewer and for RTF pages uses it.
std::unique_ptr<TextDevice> screenTextDevice();

}  // namespace platform
