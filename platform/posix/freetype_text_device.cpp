// Text measurement from the TrueType files, as the system's graphics device
// does it: the em height in pixels is the negative font height, advances are
// the hinted glyph advances rounded to whole pixels, and the cell height is
// the font's Windows ascent and descent scaled and rounded each. Liberation
// stands in for the faces it is metric-compatible with.
#include "platform/text_device.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <tuple>

namespace platform {

namespace {

// Unicode of the Windows-1252 codes 0x80 to 0x9F (0: none).
const unsigned short HIGH_CONTROLS[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::string fontFolder() {
    const char* given = std::getenv("VEK_FONT_DIR");
    return given && *given ? given : "/usr/share/fonts/truetype/liberation";
}

bool sameFace(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
    return *a == *b;
}

std::string fontFile(const FontRequest& font) {
    const char* family = "LiberationSans";
    if (sameFace(font.faceName, "Times New Roman") || sameFace(font.faceName, "Times")) family = "LiberationSerif";
    if (sameFace(font.faceName, "Courier New") || sameFace(font.faceName, "Courier")) family = "LiberationMono";
    const bool bold = font.weight >= 600;
    const char* variant = bold && font.italic ? "BoldItalic" : bold ? "Bold" : font.italic ? "Italic" : "Regular";
    return fontFolder() + "/" + family + "-" + variant + ".ttf";
}

class FreeTypeTextDevice : public TextDevice {
public:
    FreeTypeTextDevice() { ready_ = FT_Init_FreeType(&library_) == 0; }
    ~FreeTypeTextDevice() override {
        if (ready_) FT_Done_FreeType(library_);
    }

    int pixelsPerInchX() const override { return 96; }
    int pixelsPerInchY() const override { return 96; }

    bool measureFont(const FontRequest& font, FontMeasure& measure) override {
        const std::string file = fontFile(font);
        const int ppem = pixelsPerEm(font);
        const auto key = std::make_tuple(file, ppem);
        auto cached = cache_.find(key);
        if (cached != cache_.end()) {
            measure = cached->second;
            return true;
        }
        FT_Face face;
        if (!openFace(file, ppem, face)) return false;
        bool ok = cellHeightOf(face, ppem, measure.cellHeight);
        for (int code = 0; ok && code < 256; ++code) {
            const unsigned long unicode = code >= 0x80 && code < 0xA0 ? HIGH_CONTROLS[code - 0x80] : code;
            const FT_UInt glyph = FT_Get_Char_Index(face, unicode);
            measure.widths[code] = FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) != 0
                                       ? 0
                                       : static_cast<int>((face->glyph->advance.x + 32) >> 6);
        }
        FT_Done_Face(face);
        if (ok) cache_[key] = measure;
        else problem_ = "the font file " + file + " has no usable metrics";
        return ok;
    }

    // The height needs no glyph: the font's Windows ascent and descent.
    bool measureCellHeight(const FontRequest& font, int& cellHeight) override {
        const std::string file = fontFile(font);
        const int ppem = pixelsPerEm(font);
        const auto key = std::make_tuple(file, ppem);
        auto cached = cache_.find(key);
        if (cached != cache_.end()) {
            cellHeight = cached->second.cellHeight;
            return true;
        }
        FT_Face face;
        if (!openFace(file, ppem, face)) return false;
        const bool ok = cellHeightOf(face, ppem, cellHeight);
        FT_Done_Face(face);
        if (!ok) problem_ = "the font file " + file + " has no usable metrics";
        return ok;
    }

    std::string fontProblem() const override { return problem_; }

private:
    static int pixelsPerEm(const FontRequest& font) { return std::abs(font.height) > 0 ? std::abs(font.height) : 16; }

    bool openFace(const std::string& file, int ppem, FT_Face& face) {
        if (!ready_ || FT_New_Face(library_, file.c_str(), 0, &face) != 0) {
            problem_ = "the font file " + file + " can't be read: install the package fonts-liberation, "
                       "or name the folder that holds the Liberation fonts with VEK_FONT_DIR (now " +
                       fontFolder() + ")";
            return false;
        }
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem)) == 0) return true;
        FT_Done_Face(face);
        problem_ = "the font file " + file + " has no usable metrics";
        return false;
    }

    static bool cellHeightOf(FT_Face face, int ppem, int& cellHeight) {
        const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (!os2) return false;
        const double scale = static_cast<double>(ppem) / face->units_per_EM;
        cellHeight = static_cast<int>(std::lround(os2->usWinAscent * scale)) +
                     static_cast<int>(std::lround(os2->usWinDescent * scale));
        return true;
    }

    FT_Library library_ = nullptr;
    bool ready_ = false;
    std::map<std::tuple<std::string, int>, FontMeasure> cache_;
    std::string problem_;
};

}  // namespace

std::unique_ptr<TextDevice> screenTextDevice() { return std::make_unique<FreeTypeTextDevice>(); }

}  // namespace platform
