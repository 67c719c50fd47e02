// A text device with fixed metrics: 96 pixels per inch, every character
// 10 units wide (a blank 5, a tab 0), a cell of the character height plus 3.
#pragma once

#include "platform/text_device.h"

#include <cstdlib>

class FixedTextDevice : public platform::TextDevice {
public:
    int pixelsPerInchX() const override { return 96; }
    int pixelsPerInchY() const override { return 96; }
    bool measureFont(const platform::FontRequest& font, platform::FontMeasure& measure) override {
        measure.cellHeight = std::abs(font.height) + 3;
        for (int& width : measure.widths) width = 10;
        measure.widths[static_cast<unsigned char>(' ')] = 5;
        measure.widths[static_cast<unsigned char>('\t')] = 0;
        return true;
    }
};
