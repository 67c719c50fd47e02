// The chart's style options (in memory only, reset at each start) and what
// the hand-off record and the printer make of them.
#pragma once

#include <cstdint>

struct ChartOptions {
    int thickLines = 0;  // 1: 2-pixel outlines
    int boldFont = 1;    // 1: weight 700
    int color = 1;       // 0: black and white, one bit per pixel

    bool operator==(const ChartOptions& other) const {
        return thickLines == other.thickLines && boldFont == other.boldFont && color == other.color;
    }
    bool operator!=(const ChartOptions& other) const { return !(*this == other); }
};

// Before each drawing: a record that asks for black and white turns the
// color option off, whatever the user chose.
void applyHandOffColorRule(ChartOptions& options, std::int32_t chartFlags);

int outlineWidth(const ChartOptions& options);  // pixels
int fontWeight(const ChartOptions& options);

// The printer's settings for the chart: landscape, colour or monochrome.
struct ChartPrintSettings {
    short orientation;  // 2: landscape
    short color;        // 2: colour, 1: monochrome
};
ChartPrintSettings chartPrintSettings(const ChartOptions& options);
