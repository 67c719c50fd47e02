// The viewer window: painting the report's display lines on the light
// yellow page, scrolling, the contents entries and their headings, the View
// jumps and Back, the font, and the data in use.
#include "output/win/viewer.h"

#include "archive/list_expansion.h"
#include "output/page_layout.h"
#include "output/viewer_state.h"
#include "output/win/line_drawing.h"
#include "output/win/printing.h"
#include "platform/win32/gdi_text_device.h"
#include "shell/report_state.h"
#include "shell/win/app.h"
#include "shell/win/resource.h"
#include "compose/report_types.h"
#include "win/gdi.h"
#include "win/window_class.h"
#include "win/nested_loop.h"

#include <string>
#include <vector>

namespace {

const char CLASS_NAME[] = "TamsiViewer";
const COLORREF PAGE_YELLOW = RGB(255, 255, 160);

struct ViewerWindow {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string textPath;
    StyleFonts fonts;  // the style fonts of the window's layout
    win::Brush page = win::solidBrush(PAGE_YELLOW);
};

ViewerWindow* current = nullptr;

// ---- layout ----

void setScrollRange() {
    SetScrollRange(current->window, SB_VERT, 0, lineCount > 0 ? lineCount - 1 : 0, FALSE);
}

// Lays the report out for the client area as it is now; the top line keeps
// its number, the selection and Back are forgotten.
void layOut() {
    RECT client;
    GetClientRect(current->window, &client);
    {
        win::ClientDc dc(current->window);
        const auto device = platform::gdiTextDevice(dc);
        layoutReport(*device, LayoutKind::Screen, current->textPath, reportType,
                     Box{client.left, client.top, client.right, client.bottom});
    }
    current->fonts.makeForLayout();
    forgetJumps(viewer);
    if (viewer.topLine >= lineCount) viewer.topLine = lineCount > 0 ? lineCount - 1 : 0;
    setScrollRange();
}

void repaint(bool now) {
    InvalidateRect(current->window, nullptr, FALSE);
    if (now) UpdateWindow(current->window);
}

// ---- drawing ----

// The lines from the top line down.
void onPaint(HWND window) {
    win::BufferedPaint dc(window);
    FillRect(dc, &dc.client(), current->page);

    for (int row = 0; row < indexEntryCount; ++row) indexTable[row].drawnTop = indexTable[row].drawnBottom = 0;
    SetScrollPos(window, SB_VERT, viewer.topLine, TRUE);
    std::vector<PlacedLine> placed;
    placeLines(viewer.topLine, DrawMode::Screen, placed);
    drawPlacedLines(dc, current->textPath, placed, DrawMode::Screen, current->fonts, viewer.selectedEntry);
}

// ---- input ----

void moved(bool changed) {
    if (changed) repaint(false);
}

void onKey(WPARAM key) {
    switch (key) {
    case VK_RETURN:
        if (followSelectedEntry(viewer)) repaint(true);
        break;
    case VK_PRIOR: moved(moveTopLine(viewer, ViewerMove::PageUp)); break;
    case VK_NEXT: moved(moveTopLine(viewer, ViewerMove::PageDown)); break;
    case VK_HOME: moved(moveTopLine(viewer, ViewerMove::First)); break;
    case VK_END: moved(moveTopLine(viewer, ViewerMove::Last)); break;
    case VK_UP: moved(moveTopLine(viewer, ViewerMove::LineUp)); break;
    case VK_DOWN: moved(moveTopLine(viewer, ViewerMove::LineDown)); break;
    default: break;
    }
}

void onScroll(WPARAM request) {
    switch (LOWORD(request)) {
    case SB_LINEUP: moved(moveTopLine(viewer, ViewerMove::LineUp)); break;
    case SB_LINEDOWN: moved(moveTopLine(viewer, ViewerMove::LineDown)); break;
    case SB_PAGEUP: moved(moveTopLine(viewer, ViewerMove::PageUp)); break;
    case SB_PAGEDOWN: moved(moveTopLine(viewer, ViewerMove::PageDown)); break;
    case SB_TOP: moved(moveTopLine(viewer, ViewerMove::First)); break;
    case SB_BOTTOM: moved(moveTopLine(viewer, ViewerMove::Last)); break;
    case SB_THUMBPOSITION: {
        // The 16-bit position of the message can't hold a long report's
        // line numbers; the scroll bar's own is 32 bits.
        SCROLLINFO info = {sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(current->window, SB_VERT, &info);
        moved(setTopLine(viewer, info.nTrackPos));
        break;
    }
    default: break;  // the thumb being dragged: nothing scrolls until it is let go
    }
}

void onPress(int y) {
    pressAt(viewer, y);
    repaint(true);
}

void onMouseMove(int y) { SetCursor(entryDrawnAt(y) != NO_ENTRY ? app::fingerCursor : app::arrowCursor); }

void prepareMenu(HMENU menu) {
    const bool noChart = reportType == TYPE_NAME || reportType == TYPE_DIAMOND || reportType == TYPE_LUCKY ||
                         reportType == TYPE_CHART_CALCULATOR;
    const bool noIndex = reportType == TYPE_LUCKY || reportType == TYPE_CHART_CALCULATOR;
    EnableMenuItem(menu, IDM_CHART, MF_BYCOMMAND | (noChart ? MF_GRAYED : MF_ENABLED));
    EnableMenuItem(menu, IDM_INDEX, MF_BYCOMMAND | (noIndex ? MF_GRAYED : MF_ENABLED));
}

void close() {
    win::releaseOwner(current->owner);
    DestroyWindow(current->window);
}

void jump(int line) {
    jumpTo(viewer, line);
    repaint(false);
}

// The report laid out for the chosen printer and printed, then laid out for
// the window again: the same top line, with no selection and nothing for Back.
void onPrint() {
    std::string failure;
    {
        const win::OwnedDc printer = getPrinterDC(current->window);
        if (!printer) return;
        const auto device = platform::gdiTextDevice(printer);
        layoutReport(*device, LayoutKind::Printer, current->textPath, reportType);
        failure = printReport(printer, current->textPath);
    }
    layOut();
    repaint(true);
    // Told only now, so that the box's own loop paints the window's layout.
    if (!failure.empty()) MessageBoxA(current->window, failure.c_str(), "Error", MB_OK | MB_ICONINFORMATION);
}

void onCommand(int command) {
    HWND window = current->window;
    switch (command) {
    case IDM_EXIT: close(); break;
    case IDM_PRINT: onPrint(); break;
    case IDM_CHECK: app::showDataInUse(window); break;
    case IDM_COVER: jump(coverStartLine); break;
    case IDM_INDEX: jump(contentsStartLine); break;
    case IDM_CHART: jump(chartStartLine); break;
    case IDM_TEXT: jump(bodyStartLine); break;
    case IDM_BACK:
        if (goBack(viewer)) repaint(false);
        break;
    case IDM_FONT:
        app::chooseFont();
        layOut();
        repaint(true);
        break;
    case IDM_VIEWER_HELP: app::showHelp(app::mainWindow, IDM_VIEWER_HELP); break;
    case IDM_ABOUT: app::showAbout(window); break;
    default: break;
    }
}

LRESULT CALLBACK viewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        current->window = window;
        layOut();
        viewer.topLine = openingTopLine(reportType);
        return 0;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) {
            layOut();
            repaint(false);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole page itself
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_KEYDOWN:
        onKey(wParam);
        return 0;
    case WM_VSCROLL:
        onScroll(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        onPress(static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONDBLCLK:
        if (followSelectedEntry(viewer)) repaint(true);
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_INITMENUPOPUP:
        prepareMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_DESTROY:
        current->fonts.clear();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerViewerClass(HBRUSH background) {
    return win::registerWindowClass({CLASS_NAME, viewerProc, app::instance, "Icon1", background, "ViewerMenu"});
}

}  // namespace

void openViewer(HWND owner, const std::string& title, const std::string& textPath) {
    ViewerWindow state;
    state.owner = owner;
    state.textPath = textPath;
    current = &state;
    viewer = ViewerState{};
    // Each run declares the class anew, with this run's brush.
    UnregisterClassA(CLASS_NAME, app::instance);
    if (!registerViewerClass(state.page)) {
        current = nullptr;
        return;
    }
    HWND window = CreateWindowA(CLASS_NAME, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                                CW_USEDEFAULT, 640, 480, nullptr, nullptr, app::instance, nullptr);
    if (window) {
        ShowWindow(window, SW_SHOWMAXIMIZED);
        UpdateWindow(window);
        win::runNestedLoop(owner, window);
    }
    UnregisterClassA(CLASS_NAME, app::instance);
    current = nullptr;
}
