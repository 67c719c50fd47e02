#include "output/win/line_drawing.h"

#include "archive/list_expansion.h"
#include "output/bitmap_file.h"
#include "output/printed_pages.h"
#include "platform/platform.h"
#include "platform/win32/gdi_text_device.h"
#include "shell/settings.h"

#include <cstdint>
#include <cstdio>

namespace {

const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF ENTRY_BLUE = RGB(0, 0, 192);
const COLORREF SELECTED_RED = RGB(192, 0, 0);

// The bytes of a display line as shown: a final line feed or form feed is a blank.
std::string lineBytes(std::FILE* text, const LineRecord& line) {
    std::string bytes(line.length, '\0');
    if (std::fseek(text, static_cast<long>(line.offset), SEEK_SET) != 0) return "";
    bytes.resize(std::fread(&bytes[0], 1, bytes.size(), text));
    if (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\f')) bytes.back() = ' ';
    return bytes;
}

std::vector<std::uint8_t> readWholeFile(const char* path) {
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return bytes;
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && bytes.size() < (64u << 20))
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);
    return bytes;
}

// The cover's logo bitmap and cover text, centred in the text area.
void drawLogoBlock(HDC dc, int y, HFONT font) {
    const PageLayout& l = pageLayout;
    const int logoWidth = settings.logoPath[0] ? 2 * l.pixelsPerInchX : 0;
    const int textWidth = settings.coverText[0] ? 6 * l.pixelsPerInchX - logoWidth : 0;
    const int height = l.pixelsPerInchY * 5 / 2;
    const int left = l.text.left + (l.text.right - l.text.left - logoWidth - textWidth) / 2;
    if (logoWidth > 0) {
        const std::vector<std::uint8_t> file = readWholeFile(settings.logoPath);
        BitmapView picture;
        if (readBitmapFile(file.data(), file.size(), picture)) {
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchDIBits(dc, left, y, logoWidth, height, 0, 0, picture.width,
                          picture.height < 0 ? -picture.height : picture.height, picture.bits,
                          reinterpret_cast<const BITMAPINFO*>(picture.info), DIB_RGB_COLORS, SRCCOPY);
        }
    }
    if (textWidth > 0) {
        RECT box = {left + logoWidth + l.pixelsPerInchX / 4, y, left + logoWidth + textWidth, y + height};
        win::Selected selected(dc, font);
        SetTextColor(dc, BLACK);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, settings.coverText, -1, &box, DT_WORDBREAK | DT_NOPREFIX | (logoWidth ? 0 : DT_CENTER));
    }
}

void drawLine(HDC dc, std::FILE* text, const PlacedLine& placed, DrawMode mode, const StyleFonts& fonts,
              int selectedEntry) {
    const LineRecord& line = lineTable[static_cast<std::size_t>(placed.line)];
    const bool screen = mode == DrawMode::Screen;
    const int entry = entryAtOffset(line.offset);
    if (screen && entry != NO_ENTRY) indexTable[entry].drawnTop = placed.y;
    if (static_cast<int>(line.style) == LOGO_STYLE) {
        drawLogoBlock(dc, placed.y, fonts[LOGO_STYLE]);
    } else {
        std::string bytes = lineBytes(text, line);
        if (!screen) bytes += printedPageSuffix(line.offset);
        win::Selected font(dc, fonts[placed.style]);
        const bool selected = screen && entry != NO_ENTRY && entry == selectedEntry;
        SetTextColor(dc, selected ? WHITE : screen && entry != NO_ENTRY ? ENTRY_BLUE : BLACK);
        SetBkColor(dc, SELECTED_RED);
        SetBkMode(dc, selected ? OPAQUE : TRANSPARENT);
        int x = pageLayout.text.left;
        INT tabStop = pageLayout.tabStop;
        const int length = static_cast<int>(bytes.size());
        if (STYLE_TABLE[placed.style].centred) {
            const DWORD extent = GetTabbedTextExtentA(dc, bytes.data(), length, 1, &tabStop);
            x += (pageLayout.text.right - pageLayout.text.left - LOWORD(extent)) / 2;
        }
        TabbedTextOutA(dc, x, placed.y, bytes.data(), length, 1, &tabStop, x);
    }
    if (screen && entry != NO_ENTRY) indexTable[entry].drawnBottom = placed.y + pageLayout.lineHeights[placed.style];
}

}  // namespace

void StyleFonts::makeForLayout() {
    for (int style = 0; style < STYLE_COUNT; ++style) {
        const LOGFONTA lf = platform::logicalFont(pageLayout.fonts[style]);
        fonts_[static_cast<std::size_t>(style)].reset(CreateFontIndirectA(&lf));
    }
}

void StyleFonts::clear() {
    for (win::Font& font : fonts_) font.reset();
}

void drawPlacedLines(HDC dc, const std::string& textPath, const std::vector<PlacedLine>& placed, DrawMode mode,
                     const StyleFonts& fonts, int selectedEntry) {
    if (placed.empty() || mode == DrawMode::Skip) return;
    std::FILE* text = std::fopen(textPath.c_str(), "rb");
    if (!text) platform::fatalExit("Can't open ListFile");
    for (const PlacedLine& line : placed) drawLine(dc, text, line, mode, fonts, selectedEntry);
    std::fclose(text);
}
