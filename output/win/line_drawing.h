// The drawing of laid-out report lines onto a device context, shared by the
// viewer's window and the printer's pages.
#pragma once

#include "output/page_layout.h"
#include "output/viewer_state.h"
#include "win/gdi.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

// The fonts of the thirteen styles, made for the device of the last layout.
class StyleFonts {
public:
    void makeForLayout();
    void clear();
    HFONT operator[](int style) const { return fonts_[static_cast<std::size_t>(style)]; }

private:
    std::array<win::Font, STYLE_COUNT> fonts_;
};

// Draws placed lines of the report text at textPath. On the screen contents
// entries are blue, the selected one white on dark red, and each entry's
// band is recorded for the mouse; on paper every line is black and an entry
// carries its heading's page. The program ends with "Can't open ListFile"
// when the text can't be read.
void drawPlacedLines(HDC dc, const std::string& textPath, const std::vector<PlacedLine>& placed, DrawMode mode,
                     const StyleFonts& fonts, int selectedEntry);
