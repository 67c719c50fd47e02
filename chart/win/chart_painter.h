// Paints the chart picture, shape by shape, into a bitmap of its own: the
// chart palette and its eleven brushes, the outline pen and the three fonts.
#pragma once

#include <windows.h>

#include "chart/chart_layout.h"
#include "chart/chart_options.h"
#include "win/gdi.h"

// The palette and the brush of each of its entries: made when the window
// is created, released with it.
struct ChartColors {
    ChartColors();
    win::Palette palette;
    win::Brush brushes[PALETTE_SIZE];
};

// Called after each element with the picture so far (the progressive
// display); may be empty.
using ElementDrawn = void (*)(HDC picture, void* context);

// A new 912 x 684 bitmap with the picture drawn in: at the screen's depth
// with the palette when options.color is set, one bit per pixel without.
win::Bitmap paintChart(const ChartPicture& picture, const ChartOptions& options, const ChartColors& colors,
                       ElementDrawn drawn = nullptr, void* context = nullptr);
