// Map.exe: the color chart program's window. It reads the person handed
// over by the main program, draws the chart, shows it fitted or zoomed,
// names the element under the resting mouse, and saves and prints it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "chart/chart_layout.h"
#include "chart/chart_options.h"
#include "chart/chart_view.h"
#include "chart/intercom.h"
#include "chart_painter.h"
#include "options_dialog.h"
#include "picture_output.h"
#include "platform/platform.h"
#include "resource.h"
#include "win/gdi.h"
#include "win/window_class.h"
#include "win/nested_loop.h"

namespace {

const char CLASS_NAME[] = "Chromagraph";
const UINT_PTR HOVER_TIMER = 1;
const UINT_PTR LEGEND_TIMER = 2;
const COLORREF LEGEND_YELLOW = RGB(255, 255, 224);

HINSTANCE instance;
HWND mainWindow;
ChartColors* colors = nullptr;
ChartInput input;
ChartOptions options;
ChartPicture picture;     // its regions answer the hit test, whatever is shown
win::Bitmap chartBitmap;  // the chart as last drawn
bool chartInColor = false;
win::Bitmap layoutBitmap;
bool showingLayout = false;
ChartView view;
POINT hoverPoint = {-1, -1};
bool dragging = false;
POINT dragPoint = {};
HCURSOR handCursor = nullptr;
std::string helpFile;
bool helpOpened = false;

SIZE clientSize() {
    RECT client;
    GetClientRect(mainWindow, &client);
    return {client.right, client.bottom};
}

// The picture on show and the palette it was drawn with.
HBITMAP currentPicture() { return showingLayout ? layoutBitmap.get() : chartBitmap.get(); }
HPALETTE currentPalette() { return !showingLayout && chartInColor ? colors->palette.get() : nullptr; }

// ---- painting ----

void fillOutside(HDC dc, int right, int bottom, SIZE client) {
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    if (right < client.cx) {
        const RECT strip = {right, 0, client.cx, client.cy};
        FillRect(dc, &strip, white);
    }
    if (bottom < client.cy) {
        const RECT strip = {0, bottom, right < client.cx ? right : client.cx, client.cy};
        FillRect(dc, &strip, white);
    }
}

void copyPicture(HDC dc, SIZE client) {
    HBITMAP shown = currentPicture();
    if (!shown) {
        fillOutside(dc, 0, 0, client);
        return;
    }
    win::MemoryDc memory(dc);
    win::Selected selected(memory, shown);
    const HPALETTE palette = currentPalette();
    win::SelectedPalette windowPalette(dc, palette);
    win::SelectedPalette memoryPalette(memory, palette);
    if (!view.zoomed) {
        SetStretchBltMode(dc, palette ? COLORONCOLOR : BLACKONWHITE);
        StretchBlt(dc, 0, 0, client.cx, client.cy, memory, 0, 0, CHART_WIDTH, CHART_HEIGHT, SRCCOPY);
        return;
    }
    const int width = std::min<int>(client.cx, CHART_WIDTH - view.ox);
    const int height = std::min<int>(client.cy, CHART_HEIGHT - view.oy);
    BitBlt(dc, 0, 0, width, height, memory, view.ox, view.oy, SRCCOPY);
    fillOutside(dc, width, height, client);
}

void onPaint(HWND window) {
    win::PaintDc dc(window);
    copyPicture(dc, clientSize());
}

// The progressive display: the picture so far, stretched over the window.
struct Progress {
    HDC window;
    SIZE client;
};

void showProgress(HDC pictureDc, void* context) {
    const Progress& progress = *static_cast<Progress*>(context);
    StretchBlt(progress.window, 0, 0, progress.client.cx, progress.client.cy, pictureDc, 0, 0, CHART_WIDTH,
               CHART_HEIGHT, SRCCOPY);
}

// ---- the hover legend ----

void stopHover() { KillTimer(mainWindow, HOVER_TIMER); }

void onHoverTimer() {
    KillTimer(mainWindow, HOVER_TIMER);
    const SIZE client = clientSize();
    const ChartPoint chart = windowToChart(view, {hoverPoint.x, hoverPoint.y}, client.cx, client.cy);
    const int region = hitTest(picture.regions, chart);
    if (region < 0) return;
    const std::string text = legendText(region);

    win::ClientDc dc(mainWindow);
    win::Font font(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                               CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial"));
    win::Selected selectedFont(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const BoxRect box = placeLegendBox(extent.cx, extent.cy, {hoverPoint.x, hoverPoint.y}, client.cx, client.cy);
    win::Brush yellow = win::solidBrush(LEGEND_YELLOW);
    win::Selected selectedBrush(dc, yellow);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, box.left + 4, box.top + 2, text.c_str(), static_cast<int>(text.size()));
    SetTimer(mainWindow, LEGEND_TIMER, LEGEND_TIME_MS, nullptr);
}

void onLegendTimer() {
    KillTimer(mainWindow, LEGEND_TIMER);
    InvalidateRect(mainWindow, nullptr, FALSE);
}

// ---- the zoomed view ----

void setScrollBars() {
    if (!view.zoomed) {
        ShowScrollBar(mainWindow, SB_BOTH, FALSE);
        return;
    }
    ShowScrollBar(mainWindow, SB_BOTH, TRUE);
    const SIZE client = clientSize();
    view.setClient(client.cx, client.cy);
    view.moveTo(view.ox, view.oy);
    SetScrollRange(mainWindow, SB_HORZ, 0, view.maxX, FALSE);
    SetScrollRange(mainWindow, SB_VERT, 0, view.maxY, FALSE);
    SetScrollPos(mainWindow, SB_HORZ, view.ox, TRUE);
    SetScrollPos(mainWindow, SB_VERT, view.oy, TRUE);
}

// Moves the view to (x, y), held to its limits, and shows the change.
void moveView(int x, int y) {
    if (!view.zoomed) return;
    const SIZE client = clientSize();
    view.setClient(client.cx, client.cy);
    const ChartPoint moved = view.moveTo(x, y);
    SetScrollPos(mainWindow, SB_HORZ, view.ox, TRUE);
    SetScrollPos(mainWindow, SB_VERT, view.oy, TRUE);
    ScrollWindow(mainWindow, -moved.x, -moved.y, nullptr, nullptr);
    InvalidateRect(mainWindow, nullptr, FALSE);
    UpdateWindow(mainWindow);
}

ScrollRequest scrollRequest(WORD code) {
    switch (code) {
    case SB_LINEUP: return ScrollRequest::LineBack;
    case SB_LINEDOWN: return ScrollRequest::LineForward;
    case SB_PAGEUP: return ScrollRequest::PageBack;
    case SB_PAGEDOWN: return ScrollRequest::PageForward;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return ScrollRequest::Thumb;
    case SB_TOP: return ScrollRequest::Top;
    case SB_BOTTOM: return ScrollRequest::Bottom;
    }
    return ScrollRequest::Other;
}

void onScroll(bool horizontal, WPARAM wParam) {
    if (!view.zoomed) return;
    const SIZE client = clientSize();
    view.setClient(client.cx, client.cy);
    const ScrollRequest request = scrollRequest(LOWORD(wParam));
    const int thumb = HIWORD(wParam);
    if (horizontal)
        moveView(scrollTarget(request, view.ox, view.maxX, thumb), view.oy);
    else
        moveView(view.ox, scrollTarget(request, view.oy, view.maxY, thumb));
}

void onKey(WPARAM key) {
    if (!view.zoomed) return;
    ViewKey viewKey;
    switch (key) {
    case VK_PRIOR: viewKey = ViewKey::PageUp; break;
    case VK_NEXT: viewKey = ViewKey::PageDown; break;
    case VK_HOME: viewKey = ViewKey::Home; break;
    case VK_END: viewKey = ViewKey::End; break;
    case VK_LEFT: viewKey = ViewKey::Left; break;
    case VK_RIGHT: viewKey = ViewKey::Right; break;
    case VK_UP: viewKey = ViewKey::Up; break;
    case VK_DOWN: viewKey = ViewKey::Down; break;
    default: return;
    }
    const ChartPoint step = keyStep(viewKey);
    moveView(view.ox + step.x, view.oy + step.y);
}

void onButtonDown(int x, int y) {
    if (!view.zoomed) return;
    dragging = true;
    dragPoint = {x, y};
    SetCursor(handCursor);
    SetCapture(mainWindow);
}

void onButtonUp() {
    if (!dragging) return;
    dragging = false;
    ReleaseCapture();
}

void dragTo(int x, int y) {
    SetCursor(handCursor);
    const int dx = x - dragPoint.x, dy = y - dragPoint.y;
    dragPoint = {dragPoint.x + dx, dragPoint.y + dy};
    moveView(view.ox - dx, view.oy - dy);
}

void onMouseMove(int x, int y) {
    if (dragging) dragTo(x, y);
    // The system repeats a move now and then without one; it must not keep
    // the legend from showing, or take it away.
    if (x == hoverPoint.x && y == hoverPoint.y) return;
    hoverPoint = {x, y};
    KillTimer(mainWindow, LEGEND_TIMER);
    InvalidateRect(mainWindow, nullptr, FALSE);
    SetTimer(mainWindow, HOVER_TIMER, HOVER_DELAY_MS, nullptr);
}

// ---- the commands ----

void redraw() {
    applyHandOffColorRule(options, input.chartFlags);
    picture = layoutChart(computeChartNumbers(input));
    {
        win::CursorScope wait(LoadCursorA(nullptr, IDC_WAIT));
        win::ClientDc dc(mainWindow);
        const HPALETTE palette = options.color ? colors->palette.get() : nullptr;
        win::SelectedPalette windowPalette(dc, palette);
        SetStretchBltMode(dc, palette ? COLORONCOLOR : BLACKONWHITE);
        Progress progress = {dc, clientSize()};
        chartBitmap = paintChart(picture, options, *colors, showProgress, &progress);
    }
    chartInColor = options.color != 0;
    showingLayout = false;
    setScrollBars();
    InvalidateRect(mainWindow, nullptr, FALSE);
}

void showLayout() {
    if (!layoutBitmap) layoutBitmap.reset(LoadBitmapA(instance, "LayoutBmp"));
    showingLayout = layoutBitmap.get() != nullptr;
    InvalidateRect(mainWindow, nullptr, FALSE);
}

void changeOptions() {
    const ChartOptions before = options;
    chooseChartOptions(instance, mainWindow, options);
    if (options != before)
        redraw();
    else
        InvalidateRect(mainWindow, nullptr, FALSE);
}

void zoom(bool in) {
    view.zoomed = in;
    setScrollBars();
    InvalidateRect(mainWindow, nullptr, FALSE);
}

void openHelp() {
    if (platform::fileExists(helpFile))
        helpOpened = WinHelpA(mainWindow, helpFile.c_str(), HELP_CONTENTS, 0) != FALSE;
    else
        MessageBoxA(mainWindow, ("The help file " + helpFile + " is missing.").c_str(), "ColorChromagraph",
                    MB_OK | MB_ICONEXCLAMATION);
}

void showAbout() {
    char title[200];
    GetWindowTextA(mainWindow, title, sizeof title);
    const std::string text = std::string(title) +
                             "\nVersion 8.0, released December 2026\n\n"
                             "Written by Ulvar Tamsi and the makers of the Tamsi numerology suite.";
    MessageBoxA(mainWindow, text.c_str(), "Info", MB_OK | MB_ICONINFORMATION);
}

void onCommand(int command) {
    stopHover();
    switch (command) {
    case IDM_CLOSE: DestroyWindow(mainWindow); break;
    case IDM_PRINT: printPicture(mainWindow, currentPicture(), currentPalette(), options); break;
    case IDM_BMAP:
        savePicture(mainWindow, currentPicture(), currentPalette(), input.currentFirst.c_str(),
                    input.currentLast.c_str());
        break;
    case IDM_CHART: redraw(); break;
    case IDM_LAYOUT: showLayout(); break;
    case IDM_OPTIONS: changeOptions(); break;
    case IDM_ZOOM_IN: zoom(true); break;
    case IDM_ZOOM_OUT: zoom(false); break;
    case IDM_HELP_CONTENTS: openHelp(); break;
    case IDM_ABOUT: showAbout(); break;
    }
}

// ---- the window ----

bool onCreate(HWND window) {
    mainWindow = window;
    platform::setMessageOwner(window);
    helpFile = platform::joinPath(platform::dataFolder(), "Map.hlp");
    handCursor = LoadCursorA(instance, "Hand");
    if (!readIntercom(intercomPath(), input)) return false;
    SetWindowTextA(window, chartWindowTitle(input.currentLast).c_str());
    ShowScrollBar(window, SB_BOTH, FALSE);
    PostMessageA(window, WM_COMMAND, IDM_CHART, 0);
    return true;
}

void onDestroy(HWND window) {
    KillTimer(window, HOVER_TIMER);
    KillTimer(window, LEGEND_TIMER);
    if (helpOpened) WinHelpA(window, helpFile.c_str(), HELP_QUIT, 0);
    chartBitmap.reset();
    layoutBitmap.reset();
    PostQuitMessage(0);
}

int xOf(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int yOf(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate(window) ? 0 : -1;  // no hand-off: the program ends without a word
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_ERASEBKGND:  // the picture and its white margins cover the whole window
        return 1;
    case WM_SIZE:
        if (view.zoomed) setScrollBars();
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        onScroll(message == WM_HSCROLL, wParam);
        return 0;
    case WM_KEYDOWN:
        onKey(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        onButtonDown(xOf(lParam), yOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        onButtonUp();
        return 0;
    case WM_CAPTURECHANGED:
        dragging = false;
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(xOf(lParam), yOf(lParam));
        return 0;
    case WM_SETCURSOR:
        if (dragging && LOWORD(lParam) == HTCLIENT) {
            SetCursor(handCursor);
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wParam == HOVER_TIMER) onHoverTimer();
        if (wParam == LEGEND_TIMER) onLegendTimer();
        return 0;
    case WM_COMMAND:
        if (lParam == 0) onCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerWindowClass() {
    return win::registerWindowClass({CLASS_NAME, windowProc, instance, "Icon1",
                                     static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), "DeredoMenu",
                                     CS_HREDRAW | CS_VREDRAW});
}

}  // namespace

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int showMode) {
    instance = thisInstance;
    ChartColors chartColors;
    colors = &chartColors;
    if (!registerWindowClass()) return 1;
    HWND window = CreateWindowA(CLASS_NAME, CLASS_NAME, WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, CW_USEDEFAULT,
                                CW_USEDEFAULT, 640, 480, nullptr, nullptr, instance, nullptr);
    if (!window) return 0;
    ShowWindow(window, showMode);
    UpdateWindow(window);

    return win::runMessageLoop();
}
