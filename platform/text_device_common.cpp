#include "platform/text_device.h"

namespace platform {

bool TextDevice::measureCellHeight(const FontRequest& font, int& cellHeight) {
    FontMeasure measure;
    if (!measureFont(font, measure)) return false;
    cellHeight = measure.cellHeight;
    return true;
}

int TextDevice::textExtent(const FontRequest& font, const char* text, std::size_t length) {
    FontMeasure measure;
    if (!measureFont(font, measure)) return 0;
    int extent = 0;
    for (std::size_t i = 0; i < length; ++i) extent += measure.widths[static_cast<unsigned char>(text[i])];
    return extent;
}

}  // namespace platform
