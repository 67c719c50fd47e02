#include "picture_output.h"

#include "chart/bitmap_file.h"
#include "platform/platform.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"
#include "win/printer.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A picture's rows as the system reads them out: the info header with room
// for a 256-entry colour table, and the image bottom-up.
struct PictureRows {
    struct {
        BitmapInfoHeader header;
        RGBQUAD table[256];
    } info = {};
    std::vector<std::uint8_t> image;
    const BITMAPINFO* bitmapInfo() const { return reinterpret_cast<const BITMAPINFO*>(&info); }
};

bool readRows(HBITMAP picture, HPALETTE palette, PictureRows& rows) {
    BITMAP shape = {};
    if (!GetObjectA(picture, sizeof shape, &shape)) return false;
    const int bits = shape.bmBitsPixel * shape.bmPlanes;
    rows.info.header = bitmapInfoFor(shape.bmWidth, shape.bmHeight, bits);
    rows.image.assign(bitmapImageSize(bits, shape.bmWidth, shape.bmHeight), 0);
    win::MemoryDc dc(nullptr);
    win::SelectedPalette selected(dc, palette);
    return GetDIBits(dc, picture, 0, static_cast<UINT>(shape.bmHeight), rows.image.data(),
                     reinterpret_cast<BITMAPINFO*>(&rows.info), DIB_RGB_COLORS) != 0;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

void savePicture(HWND owner, HBITMAP picture, HPALETTE palette, const char* currentFirst, const char* currentLast) {
    win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
    PictureRows rows;
    if (!picture || !readRows(picture, palette, rows)) return;
    const std::string dataFolder = platform::dataFolder();
    platform::makeDirectory(platform::joinPath(dataFolder, "Reports"));
    const std::string path = chartBitmapPath(dataFolder, currentFirst, currentLast);
    const std::vector<std::uint8_t> bytes =
        bitmapFileBytes(rows.info.header, reinterpret_cast<const std::uint8_t*>(rows.info.table), rows.image.data());
    char text[400];
    if (writeFile(path, bytes)) {
        std::snprintf(text, sizeof text, "Your Chart has been written to file: '%s'.", path.c_str());
        MessageBoxA(owner, text, "Bitmap File", MB_OK | MB_ICONINFORMATION);
    } else {
        std::snprintf(text, sizeof text, "Your Chart could not be written to file: '%s'.", path.c_str());
        MessageBoxA(owner, text, "Bitmap File", MB_OK | MB_ICONSTOP);
    }
}

void printPicture(HWND owner, HBITMAP picture, HPALETTE palette, const ChartOptions& options) {
    if (!picture) return;
    win::PrinterChoice printer;
    if (!printer.loadDefaults()) return;
    const ChartPrintSettings settings = chartPrintSettings(options);
    printer.setOrientationAndColor(settings.orientation, settings.color);
    if (!printer.choose(owner, 1, 65535)) return;

    win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
    HDC page = printer.dc();
    win::PrintDocument document(page);
    if (!document.start("Deredo: Chart")) return;
    if (StartPage(page) <= 0) {
        document.abort();
        return;
    }
    PictureRows rows;
    if (readRows(picture, palette, rows)) {
        SetStretchBltMode(page, COLORONCOLOR);
        StretchDIBits(page, 0, 0, GetDeviceCaps(page, HORZRES), GetDeviceCaps(page, VERTRES), 0, 0,
                      rows.info.header.width, rows.info.header.height, rows.image.data(), rows.bitmapInfo(),
                      DIB_RGB_COLORS, SRCCOPY);
    }
    EndPage(page);
}
