// Text measurement through the graphics device interface.
#include "platform/win32/gdi_text_device.h"

#include <cstring>

namespace platform {

LOGFONTA logicalFont(const FontRequest& font) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfCharSet = font.charSet;
    lf.lfOutPrecision = font.outPrecision;
    lf.lfClipPrecision = font.clipPrecision;
    lf.lfQuality = font.quality;
    lf.lfPitchAndFamily = font.pitchAndFamily;
    std::memcpy(lf.lfFaceName, font.faceName, sizeof lf.lfFaceName - 1);
    return lf;
}

namespace {

class GdiTextDevice : public TextDevice {
public:
    GdiTextDevice() : dc_(GetDC(nullptr)), screen_(true) {}
    explicit GdiTextDevice(HDC dc) : dc_(dc), screen_(false) {}
    ~GdiTextDevice() override {
        if (screen_) ReleaseDC(nullptr, dc_);
    }

    int pixelsPerInchX() const override { return GetDeviceCaps(dc_, LOGPIXELSX); }
    int pixelsPerInchY() const override { return GetDeviceCaps(dc_, LOGPIXELSY); }

    bool measureFont(const FontRequest& font, FontMeasure& measure) override {
        const LOGFONTA lf = logicalFont(font);
        HFONT handle = CreateFontIndirectA(&lf);
        if (!handle) return false;
        HGDIOBJ old = SelectObject(dc_, handle);
        TEXTMETRICA metrics;
        INT widths[256];
        const bool ok = GetTextMetricsA(dc_, &metrics) && GetCharWidth32A(dc_, 0, 255, widths);
        if (ok) {
            measure.cellHeight = metrics.tmHeight;
            for (int i = 0; i < 256; ++i) measure.widths[i] = widths[i];
        }
        SelectObject(dc_, old);
        DeleteObject(handle);
        return ok;
    }

    bool measureCellHeight(const FontRequest& font, int& cellHeight) override {
        const LOGFONTA lf = logicalFont(font);
        HFONT handle = CreateFontIndirectA(&lf);
        if (!handle) return false;
        HGDIOBJ old = SelectObject(dc_, handle);
        TEXTMETRICA metrics;
        const bool ok = GetTextMetricsA(dc_, &metrics) != 0;
        if (ok) cellHeight = metrics.tmHeight;
        SelectObject(dc_, old);
        DeleteObject(handle);
        return ok;
    }

    int textExtent(const FontRequest& font, const char* text, std::size_t length) override {
        const LOGFONTA lf = logicalFont(font);
        HFONT handle = CreateFontIndirectA(&lf);
        if (!handle) return 0;
        HGDIOBJ old = SelectObject(dc_, handle);
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc_, text, static_cast<int>(length), &size);
        SelectObject(dc_, old);
        DeleteObject(handle);
        return size.cx;
    }

private:
    HDC dc_;
    bool screen_;  // the screen's context is ours to release
};

}  // namespace

std::unique_ptr<TextDevice> screenTextDevice() { return std::make_unique<GdiTextDevice>(); }

std::unique_ptr<TextDevice> gdiTextDevice(HDC dc) { return std::make_unique<GdiTextDevice>(dc); }

}  // namespace platform
