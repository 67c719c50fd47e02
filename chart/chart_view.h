// The arithmetic of the chart window: fit and zoomed views, scrolling,
// the window-to-chart mapping of the hit test and the place of the legend
// box. No window calls; the window file applies the results.
#pragma once

#include "chart/chart_layout.h"

#include <string>

enum { LINE_STEP = 10, PAGE_STEP = 100 };
enum { HOVER_DELAY_MS = 500, LEGEND_TIME_MS = 5000 };

struct ChartView {
    bool zoomed = false;
    int ox = 0, oy = 0;      // the chart point at the client's top-left corner when zoomed
    int maxX = 0, maxY = 0;  // the largest offsets

    // The largest offsets for a client area of this size. A client area
    // larger than the chart has no room to scroll: the largest offset is 0.
    void setClient(int width, int height);
    // Sets the offsets, held to 0 and to the largest offsets; returns how
    // far they moved.
    ChartPoint moveTo(int x, int y);
    ChartPoint moveBy(int dx, int dy) { return moveTo(ox + dx, oy + dy); }
};

// The scroll-bar requests of the zoomed view, for one axis.
enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Thumb, Top, Bottom, Other };
// The offset a request asks for (not yet held to the limits).
int scrollTarget(ScrollRequest request, int offset, int largest, int thumb);

// The keys of the zoomed view; the change of the offsets they ask for.
enum class ViewKey { PageUp, PageDown, Home, End, Left, Right, Up, Down };
ChartPoint keyStep(ViewKey key);

// The system's multiply-then-divide: rounded to the nearest, halves away from zero.
int mulDiv(int number, int numerator, int denominator);

// The chart point under a window point in the view's current mode.
ChartPoint windowToChart(const ChartView& view, ChartPoint window, int clientWidth, int clientHeight);

struct BoxRect {
    int left, top, right, bottom;
};
// The legend box for a text of this extent: below the pointer, moved left
// and above the pointer so that it stays inside the client area.
BoxRect placeLegendBox(int textWidth, int textHeight, ChartPoint mouse, int clientWidth, int clientHeight);

// "ColorChromagraph - %s" with the current last name capitalised: "*" as
// "y", the first character and each one after a blank in capitals.
std::string chartWindowTitle(const std::string& currentLast);
