// Writes the drawing of the chart's lay-out key as ImageMagick draw
// commands: the outline of every chart element at the chart's own
// coordinates (taken from the chart layout itself, for a sample person),
// without the numbers, and the names of the rows, shapes, rings and grids.
// tools/make-layout-bmp.sh turns it into resources/layout.bmp.
//
//   layout_key > key.mvg
#include "chart/chart_layout.h"

#include <cstdio>
#include <string>

namespace {

void outline(const Shape& shape) {
    const auto& p = shape.points;
    switch (shape.kind) {
    case ShapeKind::Polygon:
        std::printf("polygon");
        for (const ChartPoint& point : p) std::printf(" %d,%d", point.x, point.y);
        std::printf("\n");
        break;
    case ShapeKind::Rectangle:
        std::printf("rectangle %d,%d %d,%d\n", p[0].x, p[0].y, p[1].x - 1, p[1].y - 1);
        break;
    case ShapeKind::Ellipse:
        std::printf("ellipse %g,%g %g,%g 0,360\n", (p[0].x + p[1].x) / 2.0, (p[0].y + p[1].y) / 2.0,
                    (p[1].x - p[0].x) / 2.0, (p[1].y - p[0].y) / 2.0);
        break;
    case ShapeKind::Pie: {
        // A slice: the centre, the radials and the arc between them.
        const int cx = (p[0].x + p[1].x) / 2, cy = (p[0].y + p[1].y) / 2;
        std::printf("line %d,%d %d,%d\nline %d,%d %d,%d\n", cx, cy, p[2].x, p[2].y, cx, cy, p[3].x, p[3].y);
        std::printf("ellipse %d,%d %d,%d 0,360\n", cx, cy, (p[1].x - p[0].x) / 2, (p[1].y - p[0].y) / 2);
        break;
    }
    case ShapeKind::Line:
    case ShapeKind::Text:
        break;
    }
}

enum Anchor { START, MIDDLE, END };

void label(int x, int y, const std::string& text, Anchor anchor = MIDDLE, int size = 11) {
    static const char* const ANCHORS[] = {"start", "middle", "end"};
    std::printf("push graphic-context\nfill black\nstroke none\ntext-undercolor white\nfont-size %d\ntext-anchor %s\n"
                "text %d,%d '",
                size, ANCHORS[anchor], x, y);
    for (char c : text) {
        if (c == '\'' || c == '\\') std::printf("\\");
        std::printf("%c", c);
    }
    std::printf("'\npop graphic-context\n");
}

// A name in a row of a name panel, on the row's white background.
void panelRows(int x, int y, int width, const char* who) {
    static const char* const ROWS[8] = {"sum of vowels", "vowels", "letters", "", "letter values",
                                        "sum of letters", "consonants", "sum of consonants"};
    for (int i = 0; i < 8; ++i) std::printf("rectangle %d,%d %d,%d\n", x, y + 20 * i, x + width - 1, y + 20 * i + 19);
    std::printf("push graphic-context\nstroke none\nfill white\nrectangle %d,%d %d,%d\npop graphic-context\n", x + 1,
                y + 41, x + width - 2, y + 58);
    for (int i = 0; i < 8; ++i)
        if (*ROWS[i]) label(x + 6, y + 20 * i + (i == 2 ? 34 : 14), std::string(who) + ": " + ROWS[i], START);
}

}  // namespace

int main() {
    ChartInput person = exampleChartInput();
    const ChartPicture picture = layoutChart(computeChartNumbers(person));

    std::printf("fill none\nstroke black\nstroke-width 1\nstroke-antialias 0\ntext-antialias 0\n");
    std::printf("font Liberation-Sans\n");
    // Every element but the name panels and the caption, in outline.
    for (std::size_t e = 2; e + 1 < picture.elements.size(); ++e)
        for (const Shape& shape : picture.elements[e].shapes) outline(shape);
    panelRows(64, 8, 280, "Birth name");
    panelRows(582, 8, 230, "Usual name");

    label(456, 208, "differences");
    label(456, 262, "ages 0 to 81");
    label(456, 300, "letters of the birth name");
    label(456, 350, "sums");
    label(456, 400, "The Diamond", MIDDLE, 12);

    static const char* const BAND_ROWS[11] = {"age", "transit (physical)", "transit (mental)", "transit (spiritual)",
                                              "Essence", "Essence (single digit)", "Cycles", "",
                                              "personal Year", "calendar year", "Pinnacles"};
    for (int r = 0; r < 11; ++r)
        if (*BAND_ROWS[r]) label(430, bandLabelY(430, 476 + 16 * r) + 4, BAND_ROWS[r], START, 10);
    label(430, bandLabelY(430, 476 + 16 * 7) + 4, "the life band: one cell for each year", START, 10);

    const struct {
        int x, y;
        const char* name;
    } figure[] = {{-44, -14, "P1"}, {44, -14, "P2"}, {0, -22, "P3"}, {0, -56, "P4"}, {-70, 4, "month"},
                  {0, 4, "day"},     {72, 4, "year"},  {-44, 22, "C1"}, {44, 22, "C2"}, {0, 30, "C3"},
                  {0, 64, "C4"}};
    for (const auto& part : figure) label(184 + part.x, 323 + part.y, part.name, MIDDLE, 10);
    label(184, 480 - 32, "Pinnacles (P), Challenges (C)", MIDDLE, 10);

    const int px = 631, py = 203;
    label(px + 12 + 36, py - 4, "creative", MIDDLE, 10);
    label(px + 84 + 36, py - 4, "vacillating", MIDDLE, 10);
    label(px + 156 + 36, py - 4, "grounded", MIDDLE, 10);
    label(px + 246, py - 4, "sums", MIDDLE, 10);
    static const char* const PLANE_ROWS[5] = {"p", "m", "e", "i", ""};
    for (int r = 0; r < 4; ++r) label(px + 3, py + 22 * r + 15, PLANE_ROWS[r], START, 10);
    label(px + 2, py + 123, "Planes: physical, mental, emotional, intuitive", START, 10);

    for (const auto& wheel : {ChartPoint{318, 404}, ChartPoint{584, 404}, ChartPoint{728, 390}}) {
        label(wheel.x, wheel.y + 4, "Year", MIDDLE, 10);
        label(wheel.x, wheel.y - 32, "Months", MIDDLE, 10);
        label(wheel.x, wheel.y + 58, "Essence", MIDDLE, 9);
    }

    label(114, 235, "Life Path", MIDDLE, 12);
    label(114, 400, "Rational", MIDDLE, 10);
    label(114, 412, "thought", MIDDLE, 10);
    label(391, 45, "Heart's", MIDDLE, 10);
    label(391, 56, "desire", MIDDLE, 10);
    label(456, 80, "Expression", MIDDLE, 10);
    label(533, 45, "Maturity", MIDDLE, 10);
    label(391, 140, "Personality", MIDDLE, 10);
    label(533, 136, "Balance", MIDDLE, 10);
    label(860, 36, "Minor", MIDDLE, 10);
    label(860, 47, "heart's desire", MIDDLE, 9);
    label(860, 106, "Minor", MIDDLE, 10);
    label(860, 117, "expression", MIDDLE, 9);
    label(860, 147, "Minor", MIDDLE, 10);
    label(860, 158, "personality", MIDDLE, 9);
    label(856, 365, "Subcon-", MIDDLE, 10);
    label(856, 376, "cious self", MIDDLE, 9);
    label(846, 418, "Keystone", END, 10);
    label(836, 448, "Cornerstone", END, 10);
    label(866, 462, "Capstone", START, 9);
    label(263, 274, "Karmic lessons", MIDDLE, 10);
    for (int v = 1; v <= 9; ++v) {
        const int i = v - 1;
        label(263 - 42 + 28 * (i % 3) + 14, 221 - 42 + 28 * (i / 3) + 19, std::to_string(v), MIDDLE, 10);
    }
    label(CAPTION_LEFT, CAPTION_TOP + 10, "Lay-out key", START, 12);
    return 0;
}
