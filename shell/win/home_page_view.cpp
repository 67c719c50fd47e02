#include "shell/win/home_page_view.h"

#include "shell/home_page.h"
#include "shell/win/app.h"
#include "shell/win/resource.h"
#include "win/gdi.h"

namespace {
win::Bitmap picture;
}

void loadHomePage(HINSTANCE instance) { picture.reset(LoadBitmapA(instance, "HomePage")); }

void paintHomePage(HWND window) {
    win::BufferedPaint dc(window);
    FillRect(dc, &dc.client(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    {
        win::MemoryDc source(dc);
        win::Selected shown(source, picture);
        BitBlt(dc, 0, 0, HOME_PAGE_WIDTH, HOME_PAGE_HEIGHT, source, 0, 0, SRCCOPY);
    }
    SetBkMode(dc, TRANSPARENT);
    win::Font labelFont(CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, 0x12, "Arial"));
    win::Selected font(dc, labelFont);
    SetTextColor(dc, RGB(255, 255, 255));
    for (const HomeRegion& region : HOME_REGIONS)
        TextOutA(dc, region.left, labelTop(region), region.label, lstrlenA(region.label));
}

void homePageHover(int x, int y) {
    if (homeRegionAt(x, y)) SetCursor(app::fingerCursor);
}

void homePageClick(HWND window, int x, int y) {
    if (const HomeRegion* region = homeRegionAt(x, y))
        PostMessageA(window, WM_COMMAND, IDM_SELECT_REPORT, regionReportType(*region));
}
