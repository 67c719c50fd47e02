#include "chart/chart_view.h"

#include <algorithm>
#include <cstdint>

void ChartView::setClient(int width, int height) {
    maxX = std::max(CHART_WIDTH - width, 0);
    maxY = std::max(CHART_HEIGHT - height, 0);
}

ChartPoint ChartView::moveTo(int x, int y) {
    const ChartPoint before{ox, oy};
    ox = std::min(std::max(x, 0), maxX);
    oy = std::min(std::max(y, 0), maxY);
    return {ox - before.x, oy - before.y};
}

int scrollTarget(ScrollRequest request, int offset, int largest, int thumb) {
    switch (request) {
    case ScrollRequest::LineBack: return offset - LINE_STEP;
    case ScrollRequest::LineForward: return offset + LINE_STEP;
    case ScrollRequest::PageBack: return offset - PAGE_STEP;
    case ScrollRequest::PageForward: return offset + PAGE_STEP;
    case ScrollRequest::Thumb: return thumb;
    case ScrollRequest::Top: return 0;
    case ScrollRequest::Bottom: return largest;
    case ScrollRequest::Other: break;
    }
    return offset;
}

ChartPoint keyStep(ViewKey key) {
    switch (key) {
    case ViewKey::PageUp: return {0, -PAGE_STEP};
    case ViewKey::PageDown: return {0, PAGE_STEP};
    case ViewKey::Home: return {-PAGE_STEP, 0};
    case ViewKey::End: return {PAGE_STEP, 0};
    case ViewKey::Left: return {-LINE_STEP, 0};
    case ViewKey::Right: return {LINE_STEP, 0};
    case ViewKey::Up: return {0, -LINE_STEP};
    case ViewKey::Down: return {0, LINE_STEP};
    }
    return {0, 0};
}

int mulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t p = product < 0 ? -product : product;
    const std::int64_t d = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    const std::int64_t quotient = (2 * p + d) / (2 * d);
    return static_cast<int>(negative ? -quotient : quotient);
}

ChartPoint windowToChart(const ChartView& view, ChartPoint window, int clientWidth, int clientHeight) {
    if (view.zoomed) return {window.x + view.ox, window.y + view.oy};
    if (clientWidth <= 0 || clientHeight <= 0) return {-1, -1};
    return {mulDiv(window.x, CHART_WIDTH, clientWidth), mulDiv(window.y, CHART_HEIGHT, clientHeight)};
}

BoxRect placeLegendBox(int textWidth, int textHeight, ChartPoint mouse, int clientWidth, int clientHeight) {
    const int width = textWidth + 8, height = textHeight + 4;
    BoxRect box{mouse.x, mouse.y + 18, mouse.x + width, mouse.y + 18 + height};
    if (box.right > clientWidth) {
        const int excess = box.right - clientWidth;
        box.left -= excess;
        box.right -= excess;
    }
    if (box.bottom > clientHeight) {
        box.top -= height + 18;
        box.bottom -= height + 18;
    }
    return box;
}

std::string chartWindowTitle(const std::string& currentLast) {
    std::string name = currentLast;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char& c = name[i];
        if (c == '*') c = 'y';
        if ((i == 0 || name[i - 1] == ' ') && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return "ColorChromagraph - " + name;
}
