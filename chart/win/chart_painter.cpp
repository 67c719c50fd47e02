#include "chart_painter.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

// The chart's three Arial fonts, made for one drawing.
struct ChartFonts {
    explicit ChartFonts(int weight)
        : normal(make(-12, weight)), small(make(-8, weight)), big(make(-20, weight)) {}
    static win::Font make(int height, int weight) {
        return win::Font(CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial"));
    }
    HFONT of(ChartFont font) const { return font == ChartFont::Small ? small : font == ChartFont::Big ? big : normal; }
    win::Font normal, small, big;
};

std::vector<POINT> devicePoints(const std::vector<ChartPoint>& points) {
    std::vector<POINT> out;
    out.reserve(points.size());
    for (const ChartPoint& p : points) out.push_back({p.x, p.y});
    return out;
}

void paintShape(HDC dc, const Shape& shape, const ChartFonts& fonts, const ChartColors& colors, bool color) {
    const auto& p = shape.points;
    if (shape.kind == ShapeKind::Text) {
        win::Selected font(dc, fonts.of(shape.font));
        TextOutA(dc, p[0].x, p[0].y, shape.text.data(), static_cast<int>(shape.text.size()));
        return;
    }
    if (shape.kind == ShapeKind::Line) {
        MoveToEx(dc, p[0].x, p[0].y, nullptr);
        LineTo(dc, p[1].x, p[1].y);
        return;
    }
    // Without color no brush is chosen: the white one of the whole drawing fills.
    win::Selected brush(dc, color ? colors.brushes[shape.fill].get() : nullptr);
    switch (shape.kind) {
    case ShapeKind::Polygon: {
        const std::vector<POINT> points = devicePoints(p);
        Polygon(dc, points.data(), static_cast<int>(points.size()));
        break;
    }
    case ShapeKind::Rectangle:
        Rectangle(dc, p[0].x, p[0].y, p[1].x, p[1].y);
        break;
    case ShapeKind::Ellipse:
        Ellipse(dc, p[0].x, p[0].y, p[1].x, p[1].y);
        break;
    case ShapeKind::Pie:
        Pie(dc, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y);
        break;
    case ShapeKind::Line:
    case ShapeKind::Text:
        break;
    }
}

win::Bitmap newPicture(bool color) {
    if (!color) return win::Bitmap(CreateBitmap(CHART_WIDTH, CHART_HEIGHT, 1, 1, nullptr));
    win::ClientDc screen(nullptr);
    return win::Bitmap(CreateCompatibleBitmap(screen, CHART_WIDTH, CHART_HEIGHT));
}

}  // namespace

ChartColors::ChartColors() {
    // A palette record with room for all eleven entries after its header.
    const std::size_t entriesAt = offsetof(LOGPALETTE, palPalEntry);
    std::vector<unsigned char> record(entriesAt + PALETTE_SIZE * sizeof(PALETTEENTRY));
    LOGPALETTE header = {};
    header.palVersion = 0x300;
    header.palNumEntries = PALETTE_SIZE;
    std::memcpy(record.data(), &header, entriesAt);
    for (int i = 0; i < PALETTE_SIZE; ++i) {
        const PALETTEENTRY entry = {CHART_PALETTE[i].red, CHART_PALETTE[i].green, CHART_PALETTE[i].blue, 0};
        std::memcpy(record.data() + entriesAt + i * sizeof entry, &entry, sizeof entry);
    }
    palette.reset(CreatePalette(reinterpret_cast<const LOGPALETTE*>(record.data())));
    for (int i = 0; i < PALETTE_SIZE; ++i) brushes[i] = win::solidBrush(PALETTEINDEX(i));
}

win::Bitmap paintChart(const ChartPicture& picture, const ChartOptions& options, const ChartColors& colors,
                       ElementDrawn drawn, void* context) {
    const bool color = options.color != 0;
    win::Bitmap bitmap = newPicture(color);
    win::MemoryDc dc(nullptr);
    win::Selected selectedBitmap(dc, bitmap);
    PatBlt(dc, 0, 0, CHART_WIDTH, CHART_HEIGHT, WHITENESS);
    win::SelectedPalette palette(dc, color ? colors.palette.get() : nullptr);
    win::Selected white(dc, color ? GetStockObject(WHITE_BRUSH) : nullptr);
    win::Pen outline = win::solidPen(outlineWidth(options), color ? PALETTEINDEX(PALETTE_BLACK) : RGB(0, 0, 0));
    win::Selected pen(dc, outline);
    const ChartFonts fonts(fontWeight(options));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (const ChartElement& element : picture.elements) {
        for (const Shape& shape : element.shapes) paintShape(dc, shape, fonts, colors, color);
        if (drawn) drawn(dc, context);
    }
    return bitmap;
}
