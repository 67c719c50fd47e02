#include "chart/chart_layout.h"

#include "engine/letters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

const PaletteColor CHART_PALETTE[PALETTE_SIZE] = {
    {0, 0, 0},       {128, 128, 0},  {255, 0, 0},    {255, 128, 0},  {255, 255, 0},  {208, 240, 128},
    {96, 192, 232},  {96, 128, 224}, {240, 112, 224}, {240, 120, 152}, {0, 192, 0},
};

const char* const CHART_CAPTION[2] = {"ColorChromagraph 8.0", "(c) Ulvar Tamsi"};

int fillFor(int n) { return (n > 0 ? digitRoot(n) : 0) + 1; }

namespace {

const char* const LEGENDS[CHART_REGIONS] = {
    "Birth name: sum of vowels", "Birth name: vowels", "Birth name: letters", "Birth name: letters",
    "Birth name: letter values", "Birth name: sum of letters", "Birth name: consonants",
    "Birth name: sum of consonants", "Usual name: sum of vowels", "Usual name: vowels", "Usual name: letters",
    "Usual name: letters", "Usual name: letter values", "Usual name: sum of letters", "Usual name: consonants",
    "Usual name: sum of consonants", "The Diamond", "Your age", "Transit (physical)", "Transit (mental)",
    "Transit (spiritual)", "Essence", "Essence (single digit)", "Cycles", "Your personal Year", "Calendar year",
    "Pinnacles", "1st Pinnacle", "2nd Pinnacle", "3rd Pinnacle", "4th Pinnacle", "Birth month", "Birth date",
    "Birth year", "1st Challenge", "2nd Challenge", "3rd Challenge", "4th Challenge",
    "Planes of Expression (physical)", "Planes of Expression (mental)", "Planes of Expression (emotional)",
    "Planes of Expression (intuitive)", "Planes of Expression (totals)", "Personal year: Year",
    "Personal year: Months", "Personal year: Essence", "Personal year: Year", "Personal year: Months",
    "Personal year: Essence", "Personal year: Year", "Personal year: Months", "Personal year: Essence",
    "Life Path", "Rational thought", "Heart's desire", "Expression", "Maturity", "Personality", "Balance",
    "Minor heart's desire", "Minor expression", "Minor personality", "Subconcious self", "Keystone",
    "Cornerstone", "Capstone", "Karmic lessons",
};

enum Style {
    LETTER = 100,
    LETTER_AND_VALUE = 101,
    SPLIT = 102,
    NUMBER = 103,
    WIDE_NUMBER = 104,
    SUM_OVER_ROOT = 105,
    SUM_OVER_ROOT_FROM = 106,
    TWO_DIGITS = 107,
    SUM_AND_BIG_ROOT = 108,
    BIG = 109,
};

std::string format(const char* pattern, int a, int b = 0) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

int length(const std::string& text) { return static_cast<int>(text.size()); }

// Builds one element's shapes.
class ElementBuilder {
public:
    explicit ElementBuilder(ChartElement& element) : element_(element) {}

    void polygon(int fill, std::vector<ChartPoint> points) { add(ShapeKind::Polygon, fill, std::move(points)); }
    void polygonAt(ChartPoint at, int fill, const std::vector<ChartPoint>& relative) {
        std::vector<ChartPoint> points;
        for (ChartPoint p : relative) points.push_back({at.x + p.x, at.y + p.y});
        polygon(fill, std::move(points));
    }
    void rectangle(int fill, int left, int top, int right, int bottom) {
        add(ShapeKind::Rectangle, fill, {{left, top}, {right, bottom}});
    }
    void ellipse(int fill, int left, int top, int right, int bottom) {
        add(ShapeKind::Ellipse, fill, {{left, top}, {right, bottom}});
    }
    void circle(int fill, ChartPoint centre, int radius) {
        ellipse(fill, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
    }
    void pie(int fill, ChartPoint centre, int radius, int startDegrees, int endDegrees) {
        // The device draws counterclockwise from its first radial; the sector
        // runs clockwise from start to end, so its end radial comes first.
        add(ShapeKind::Pie, fill,
            {{centre.x - radius, centre.y - radius},
             {centre.x + radius, centre.y + radius},
             wheelPoint(centre, endDegrees, radius),
             wheelPoint(centre, startDegrees, radius)});
    }
    void line(int x1, int y1, int x2, int y2) { add(ShapeKind::Line, 0, {{x1, y1}, {x2, y2}}); }
    void text(int x, int y, const std::string& text, ChartFont font = ChartFont::Normal) {
        Shape shape{ShapeKind::Text, 0, {{x, y}}, text, font};
        element_.shapes.push_back(std::move(shape));
    }

    // A number label in one of the styles 102 to 109, anchored at (x, y).
    void label(int style, int x, int y, int n) {
        switch (style) {
        case SPLIT:
            if (n >= 10) {
                text(x + 3, y - 7, format("%d", digitRoot(n)));
                text(x - 9, y - 5, format("%2d", n), ChartFont::Small);
                line(x, y - 9, x, y + 9);
                return;
            }
            break;
        case SUM_OVER_ROOT:
            if (n >= 10) {
                const std::string shown = format("%d/%d", n, digitRoot(n));
                text(x - 3 * length(shown) + 1, y - 7, shown);
                return;
            }
            break;
        case SUM_OVER_ROOT_FROM:
            if (n >= 10) {
                text(x - 3, y - 7, format("%d/%d", n, digitRoot(n)));
                return;
            }
            break;
        case TWO_DIGITS: {
            const std::string shown = format("%02d", n % 100);
            text(x - 4 * length(shown) + 1, y - 7, shown);
            return;
        }
        case SUM_AND_BIG_ROOT:
            label(SUM_OVER_ROOT, x, y - 10, n);
            label(BIG, x, y + 6, digitRoot(n));
            return;
        case BIG: {
            const std::string shown = format("%d", n);
            text(x - 8 * length(shown) + 2, y - 8, shown, ChartFont::Big);
            return;
        }
        }
        const std::string shown = format("%d", n);
        text(x - 4 * length(shown) + 1, y - 7, shown);
    }

    // A character in style 100 or 101 ("*" shown as "y"); nothing for an empty entry.
    void letter(int style, int x, int y, char c) {
        if (style == LETTER_AND_VALUE) {
            if (c) text(x - 4, y - 12, std::string(1, shownLetter(c)));
            text(x - 3, y - 1, format("%d", letterValue[static_cast<unsigned char>(c)]));
            return;
        }
        if (c) text(x - 3, y - 7, std::string(1, shownLetter(c)));
    }

private:
    void add(ShapeKind kind, int fill, std::vector<ChartPoint> points) {
        Shape shape{kind, fill, std::move(points), std::string(), ChartFont::Normal};
        element_.shapes.push_back(std::move(shape));
    }

    ChartElement& element_;
};

int letterFill(char c) { return fillFor(letterValue[static_cast<unsigned char>(c)]); }

RegionPart rectanglePart(int left, int top, int right, int bottom) {
    return {RegionPart::Rectangle, {{left, top}, {right, bottom}}, false};
}
RegionPart ellipsePart(int left, int top, int right, int bottom, bool hole = false) {
    return {RegionPart::Ellipse, {{left, top}, {right, bottom}}, hole};
}
RegionPart circlePart(ChartPoint centre, int radius, bool hole = false) {
    return ellipsePart(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, hole);
}
RegionPart polygonPart(std::vector<ChartPoint> points) { return {RegionPart::Polygon, std::move(points), false}; }
RegionPart polygonPartAt(ChartPoint at, const std::vector<ChartPoint>& relative) {
    std::vector<ChartPoint> points;
    for (ChartPoint p : relative) points.push_back({at.x + p.x, at.y + p.y});
    return polygonPart(std::move(points));
}

class Layout {
public:
    Layout(const ChartNumbers& numbers, ChartPicture& picture) : n_(numbers), picture_(picture) {}

    ElementBuilder element() {
        picture_.elements.emplace_back();
        return ElementBuilder(picture_.elements.back());
    }
    void region(std::initializer_list<RegionPart> parts) { picture_.regions.push_back(ChartRegion{parts}); }
    void region(RegionPart part) { picture_.regions.push_back(ChartRegion{{std::move(part)}}); }

    void nameRows(const NameWord* words, int count, ChartPoint anchor, int width);
    void diamond(ChartPoint at);
    void lifeBand(ChartPoint at);
    void pinnacleFigure(ChartPoint at);
    void planes(ChartPoint at);
    void yearWheel(ChartPoint at, const ChartYear& year);
    void singleNumbers();
    void stones(ChartPoint at);
    void karmicGrid(ChartPoint at);
    void caption();

private:
    const ChartNumbers& n_;
    ChartPicture& picture_;
};

// ---- name rows ----

// The boxes of a name panel, cut at its right limit; a box that would start
// at or past the limit gives way to "..." once in its row.
class NamePanel {
public:
    NamePanel(ElementBuilder& draw, int anchorX, int top, int width, int unit)
        : draw_(draw), top_(top), limit_(anchorX + width), unit_(unit) {}

    // The box of row r (0 to 7, 20 pixels each) from x across width pixels.
    void box(int row, int x, int width, int fill, int style, int n) {
        const int top = top_ + 20 * row;
        if (x >= limit_) {
            moreInRow(row, top);
            return;
        }
        const int right = std::min(x + width + 1, limit_);
        draw_.rectangle(fill, x, top, right, top + 21);
        draw_.label(style, (x + right - 1) / 2, top + 10, n);
    }
    void letter(int x, char c) {
        if (x >= limit_) {
            moreInRow(3, top_ + 53);
            return;
        }
        draw_.letter(LETTER, x + 1, top_ + 60, c);
    }
    int unit() const { return unit_; }

private:
    void moreInRow(int row, int top) {
        if (ellipsis_[row]) return;
        ellipsis_[row] = true;
        draw_.text(limit_ + 3, top, "...");
    }

    ElementBuilder& draw_;
    int top_, limit_, unit_;
    bool ellipsis_[8] = {};
};

void Layout::nameRows(const NameWord* words, int count, ChartPoint anchor, int width) {
    int cells = length(words[0].letters);
    for (int i = 1; i < count; ++i) cells += length(words[i].letters) + 1;
    cells = std::max(cells, 1);
    const int unit = std::max(width / (2 * cells), 4);

    ElementBuilder draw = element();
    NamePanel panel(draw, anchor.x, anchor.y, width, unit);
    int x = anchor.x;
    for (int i = 0; i < count; ++i) {
        const NameWord& word = words[i];
        if (word.letters.empty()) continue;
        const int start = x;
        for (std::size_t k = 0; k < word.letters.size(); ++k, x += 2 * unit) {
            const int value = word.values[k];
            panel.letter(x, word.letters[k]);
            panel.box(4, x, 2 * unit, fillFor(value), NUMBER, value);
            if (word.kinds[k] & KIND_VOWEL) panel.box(1, x, 2 * unit, fillFor(value), NUMBER, value);
            if (word.kinds[k] & KIND_CONSONANT) panel.box(6, x, 2 * unit, fillFor(value), NUMBER, value);
        }
        const int wordWidth = 2 * unit * length(word.letters);
        panel.box(5, start, wordWidth, fillFor(word.sumAll), SUM_OVER_ROOT, reduceNumber(word.sumAll, KEEP_CHART));
        panel.box(7, start, wordWidth, fillFor(word.sumConsonants), SUM_OVER_ROOT,
                  reduceNumber(word.sumConsonants, KEEP_CHART));
        panel.box(0, start, wordWidth, fillFor(word.sumVowels), SUM_OVER_ROOT,
                  reduceNumber(word.sumVowels, KEEP_CHART));
        x = start + 2 * unit * (length(word.letters) + 1);
    }
    for (int i = 0; i < 8; ++i)
        region(rectanglePart(anchor.x, anchor.y + 20 * i, anchor.x + width, anchor.y + 20 * i + 20));
}

// ---- the Diamond ----

void rhombus(ElementBuilder& draw, ChartPoint centre, int fill) {
    draw.polygonAt(centre, fill, {{-15, 0}, {0, -15}, {15, 0}, {0, 15}});
}

void Layout::diamond(ChartPoint at) {
    ElementBuilder draw = element();
    for (int i = 0; i <= 9; ++i) draw.label(WIDE_NUMBER, at.x - 135 + 30 * i, at.y - 7, 9 * i);
    for (int i = 0; i < DIAMOND_BASE; ++i) {
        const ChartPoint centre{at.x - 120 + 30 * i, at.y + 15};
        rhombus(draw, centre, fillFor(n_.diamondBaseValues[i]));
        draw.letter(LETTER_AND_VALUE, centre.x, centre.y, n_.diamondBase[i]);
    }
    for (int r = DIAMOND_ROWS; r >= 1; --r)
        for (int i = 0; i < r; ++i) {
            const int value = n_.diamondSums[DIAMOND_ROWS - r][static_cast<std::size_t>(i)];
            const ChartPoint centre{at.x + 15 * (2 * i - r + 1), at.y + 15 * (10 - r)};
            rhombus(draw, centre, fillFor(value));
            draw.label(SPLIT, centre.x, centre.y, value);
        }
    for (int r = DIAMOND_ROWS; r >= 1; --r)
        for (int i = 0; i < r; ++i) {
            const int value = n_.diamondDifferences[DIAMOND_ROWS - r][static_cast<std::size_t>(i)];
            const ChartPoint centre{at.x + 15 * (2 * i - r + 1), at.y - 15 * (10 - r)};
            rhombus(draw, centre, fillFor(value));
            draw.label(NUMBER, centre.x, centre.y, value);
        }
    region(polygonPartAt(at, {{-135, -15}, {0, -150}, {135, -15}, {135, 15}, {0, 150}, {-135, 15}}));
}

// ---- the life band ----

int heldBetween(int v, int low, int high) { return std::max(low, std::min(v, high)); }

void Layout::lifeBand(ChartPoint at) {
    ElementBuilder draw = element();
    const int x0 = at.x;
    const int xs = x0 - (16 * n_.birthMonth) / 12;
    auto rowY = [&](int r) { return at.y + 16 * r; };
    auto cell = [&](int x, int r, int cells, int fill) {
        if (cells > 0) draw.polygon(fill, bandRun(x, rowY(r), cells));
    };
    for (int i = 0; i < 50; ++i) {
        const int x = x0 + 16 * i, age = n_.firstAge + i;
        cell(x, 0, 1, fillFor(age));
        draw.label(WIDE_NUMBER, x, bandLabelY(x, rowY(0)), age);
        const std::string* transits[3] = {&n_.physicalTransit, &n_.mentalTransit, &n_.spiritualTransit};
        for (int t = 0; t < 3; ++t) {
            const char c = transitAt(*transits[t], age);
            cell(x, 1 + t, 1, letterFill(c));
            draw.letter(LETTER, x, bandLabelY(x, rowY(1 + t)), c);
        }
        const int essence = essenceAt(n_, age);
        cell(x, 4, 1, fillFor(essence));
        draw.label(WIDE_NUMBER, x, bandLabelY(x, rowY(4)), essence);
        cell(x, 5, 1, fillFor(essence));
        draw.label(NUMBER, x, bandLabelY(x, rowY(5)), digitRoot(essence));
    }

    // Runs of years with one number each: a run of no cells draws nothing.
    auto runs = [&](int r, int x, const int* ends, const int* values, int count) {
        int from = 0;
        for (int k = 0; k < count; ++k) {
            const int cells = ends[k] - from;
            const int runX = x + 16 * from;
            if (cells > 0) {
                cell(runX, r, cells, fillFor(values[k]));
                draw.label(SUM_OVER_ROOT_FROM, runX, bandLabelY(runX, rowY(r)), values[k]);
            }
            from = std::max(from, ends[k]);
        }
    };
    const int c1 = n_.cycleLengths[0] - n_.firstAge;
    const int cycleEnds[3] = {heldBetween(c1, 0, 50), heldBetween(c1 + 27, 0, 50), 50};
    runs(6, x0, cycleEnds, n_.cycles, 3);

    for (int j = 0; j <= 50; ++j) {
        const int x = xs + 16 * j, year = n_.birthYear + n_.firstAge + j;
        const int personalYear = chartPersonalYear(n_, year);
        cell(x, 8, 1, fillFor(personalYear));
        draw.label(NUMBER, x, bandLabelY(x, rowY(8)), personalYear);
        cell(x, 9, 1, fillFor(year % 100));
        draw.label(TWO_DIGITS, x, bandLabelY(x, rowY(9)), year);
    }
    const int p1 = n_.pinnacleLengths[0] - n_.firstAge;
    const int pinnacleEnds[4] = {heldBetween(p1, 0, 51), heldBetween(p1 + 9, 0, 51), heldBetween(p1 + 18, 0, 51), 51};
    runs(10, xs, pinnacleEnds, n_.pinnacles, 4);

    for (int r : {0, 1, 2, 3, 4, 5, 6, 8, 9, 10}) region(polygonPart(bandRun(xs, rowY(r), 51)));
}

// ---- the Pinnacle and Challenge figure ----

void Layout::pinnacleFigure(ChartPoint at) {
    ElementBuilder draw = element();
    struct Piece {
        int value;
        std::vector<ChartPoint> polygon;
        ChartPoint label;
    };
    const Piece pieces[] = {
        {n_.pinnacles[0], {{-92, -10}, {-12, -10}, {-32, -32}}, {-40, -18}},
        {n_.pinnacles[1], {{92, -10}, {12, -10}, {32, -32}}, {40, -18}},
        {n_.pinnacles[2], {{-32, -32}, {32, -32}, {12, -10}, {0, -20}, {-12, -10}}, {0, -26}},
        {n_.pinnacles[3], {{-32, -32}, {0, -120}, {32, -32}}, {0, -60}},
        {n_.birthMonth, {{-92, -10}, {-12, -10}, {-24, 0}, {-12, 10}, {-92, 10}, {-120, 0}}, {-72, 0}},
        {n_.birthDate, {{-24, 0}, {0, -20}, {24, 0}, {0, 20}}, {0, 0}},
        {n_.birthYear, {{92, -10}, {12, -10}, {24, 0}, {12, 10}, {92, 10}, {120, 0}}, {72, 0}},
        {n_.challenges[0], {{-92, 10}, {-12, 10}, {-32, 32}}, {-40, 18}},
        {n_.challenges[1], {{92, 10}, {12, 10}, {32, 32}}, {40, 18}},
        {n_.challenges[2], {{-32, 32}, {32, 32}, {12, 10}, {0, 20}, {-12, 10}}, {0, 26}},
        {n_.challenges[3], {{-32, 32}, {0, 120}, {32, 32}}, {0, 60}},
    };
    for (const Piece& piece : pieces) {
        draw.polygonAt(at, fillFor(piece.value), piece.polygon);
        draw.label(SUM_OVER_ROOT, at.x + piece.label.x, at.y + piece.label.y, piece.value);
        region(polygonPartAt(at, piece.polygon));
    }
}

// ---- the Planes of Expression ----

void Layout::planes(ChartPoint at) {
    ElementBuilder draw = element();
    auto cell = [&](int row, int column, int style, int fill, int n, char c = 0) {
        const int left = at.x + 12 * column, top = at.y + 22 * row;
        const bool wide = style == WIDE_NUMBER;
        if (column > 0) draw.rectangle(fill, left, top, left + (wide ? 25 : 13), top + 23);
        const int x = left + (wide ? 12 : 6), y = top + 11;
        if (style == LETTER)
            draw.letter(LETTER, x, y, c);
        else
            draw.label(style, x, y, n);
    };
    static const char INITIALS[PLANE_COUNT] = {'p', 'm', 'e', 'i'};
    for (int r = 0; r < PLANE_COUNT; ++r) {
        const Plane& plane = n_.planes[r];
        for (int g = 0; g < GROUP_COUNT; ++g) {
            const std::string& letters = plane.groups[g].letters;
            for (std::size_t k = 0; k < letters.size() && k < 4; ++k)
                cell(r, 6 * g + 1 + static_cast<int>(k), LETTER, letterFill(letters[k]), 0, letters[k]);
            if (letters.size() > 4) draw.text(at.x + 72 * g + 60, at.y + 22 * r, "...");
        }
        cell(r, 0, LETTER, 0, 0, INITIALS[r]);
        for (int g = 0; g < GROUP_COUNT; ++g)
            cell(r, 6 * (g + 1), NUMBER, fillFor(plane.groupRoots[g]), plane.groupRoots[g]);
        cell(r, 19, NUMBER, fillFor(plane.countRoot), plane.countRoot);
        cell(r, 20, NUMBER, fillFor(plane.sumRoot), plane.sumRoot);
    }
    const PlaneTotals& totals = n_.planeTotals;
    for (int g = 0; g < GROUP_COUNT; ++g) {
        cell(4, 6 * g + 1, WIDE_NUMBER, fillFor(totals.columnCounts[g]), totals.columnCounts[g]);
        cell(4, 6 * g + 5, NUMBER, fillFor(totals.columnRoots[g]), totals.columnRoots[g]);
    }
    cell(4, 18, WIDE_NUMBER, fillFor(totals.count), totals.count);
    cell(4, 20, NUMBER, fillFor(totals.sumRoot), totals.sumRoot);
    for (int i = 0; i < 5; ++i)
        region(rectanglePart(at.x, at.y + 22 * i, at.x + 252, at.y + 22 * i + 22));
}

// ---- the year wheels ----

void Layout::yearWheel(ChartPoint at, const ChartYear& year) {
    ElementBuilder draw = element();
    Sector before, after;
    essenceSectors(n_.birthMonth, n_.birthDate, before, after);
    for (auto [sector, essence] : {std::pair{before, year.essenceBefore}, std::pair{after, year.essenceAfter}}) {
        draw.pie(fillFor(essence), at, 60, sector.start, sector.end);
        const ChartPoint p = wheelPoint(at, sector.start + 7, 54);
        draw.label(NUMBER, p.x, p.y, digitRoot(essence));
    }
    static const char MONTH_INITIALS[] = " jfmamjjasond";
    for (int k = 1; k <= 12; ++k) {
        const int month = year.personalMonths[k - 1];
        draw.pie(fillFor(month), at, 49, 30 * (k - 1), 30 * k);
        const ChartPoint number = wheelPoint(at, 30 * k - 15, 31);
        draw.label(NUMBER, number.x, number.y, month);
        const ChartPoint initial = wheelPoint(at, 30 * k - 15, 42);
        draw.letter(LETTER, initial.x, initial.y, MONTH_INITIALS[k]);
    }
    draw.circle(fillFor(year.personalYear), at, 24);
    draw.circle(fillFor(year.personalYear), at, 19);
    draw.label(NUMBER, at.x, at.y - 4, year.year);
    draw.label(NUMBER, at.x, at.y + 8, year.personalYear);
    region(circlePart(at, 24));
    region({circlePart(at, 49), circlePart(at, 24, true)});
    region({circlePart(at, 60), circlePart(at, 49, true)});
}

// ---- the single numbers ----

void Layout::singleNumbers() {
    {  // Life Path
        const ChartPoint at{114, 231};
        ElementBuilder draw = element();
        draw.circle(fillFor(n_.lifePath), at, 38);
        draw.circle(fillFor(n_.lifePath), at, 30);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.lifePath);
        region(circlePart(at, 38));
    }
    {  // Rational thought
        const ChartPoint at{114, 404};
        ElementBuilder draw = element();
        const std::vector<ChartPoint> hexagon = {ChartPoint{-30, 0}, ChartPoint{-15, -26}, ChartPoint{15, -26},
                              ChartPoint{30, 0},  ChartPoint{15, 26},   ChartPoint{-15, 26}};
        draw.polygonAt(at, fillFor(n_.rationalThought), hexagon);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.rationalThought);
        region(polygonPartAt(at, hexagon));
    }
    {  // Heart's desire
        const ChartPoint at{391, 41};
        ElementBuilder draw = element();
        draw.circle(fillFor(n_.heartsDesire), at, 30);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.heartsDesire);
        region(circlePart(at, 30));
    }
    {  // Expression
        const ChartPoint at{456, 61};
        ElementBuilder draw = element();
        const std::vector<ChartPoint> triangle = {ChartPoint{0, -32}, ChartPoint{28, 31}, ChartPoint{-28, 31}};
        draw.polygonAt(at, fillFor(n_.expression), triangle);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y + 10, n_.expression);
        region(polygonPartAt(at, triangle));
    }
    {  // Maturity
        const ChartPoint at{533, 41};
        ElementBuilder draw = element();
        const std::vector<ChartPoint> base = {ChartPoint{-23, 19}, ChartPoint{23, 19}, ChartPoint{30, 40}, ChartPoint{-30, 40}};
        draw.polygonAt(at, fillFor(n_.maturity), base);
        draw.circle(fillFor(n_.maturity), at, 30);
        draw.circle(fillFor(n_.maturity), at, 26);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.maturity);
        region({polygonPartAt(at, base), circlePart(at, 30)});
    }
    {  // Personality
        const ChartPoint at{391, 136};
        ElementBuilder draw = element();
        draw.rectangle(fillFor(n_.personality), at.x - 24, at.y - 24, at.x + 25, at.y + 25);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.personality);
        region(rectanglePart(at.x - 24, at.y - 24, at.x + 24, at.y + 24));
    }
    {  // Balance
        const ChartPoint at{533, 150};
        ElementBuilder draw = element();
        const std::vector<ChartPoint> triangle = {ChartPoint{0, 32}, ChartPoint{28, -31}, ChartPoint{-28, -31}};
        draw.polygonAt(at, fillFor(n_.balance), triangle);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y - 10, n_.balance);
        region(polygonPartAt(at, triangle));
    }
    {  // Minor heart's desire
        const ChartPoint at{860, 37};
        ElementBuilder draw = element();
        draw.circle(fillFor(n_.minorHeartsDesire), at, 26);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.minorHeartsDesire);
        region(circlePart(at, 26));
    }
    {  // Minor expression
        const ChartPoint at{860, 95};
        ElementBuilder draw = element();
        const std::vector<ChartPoint> triangle = {ChartPoint{0, -26}, ChartPoint{26, 26}, ChartPoint{-26, 26}};
        draw.polygonAt(at, fillFor(n_.minorExpression), triangle);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y + 7, n_.minorExpression);
        region(polygonPartAt(at, triangle));
    }
    {  // Minor personality
        const ChartPoint at{860, 148};
        ElementBuilder draw = element();
        draw.rectangle(fillFor(n_.minorPersonality), at.x - 20, at.y - 20, at.x + 21, at.y + 21);
        draw.label(SUM_AND_BIG_ROOT, at.x, at.y, n_.minorPersonality);
        region(rectanglePart(at.x - 20, at.y - 20, at.x + 20, at.y + 20));
    }
    {  // Subconcious self
        const ChartPoint at{856, 370};
        ElementBuilder draw = element();
        draw.ellipse(fillFor(n_.subconsciousSelf), at.x - 19, at.y - 38, at.x + 19, at.y);
        draw.rectangle(fillFor(n_.subconsciousSelf), at.x - 19, at.y - 19, at.x + 20, at.y + 20);
        draw.label(BIG, at.x, at.y, n_.subconsciousSelf);
        region({rectanglePart(at.x - 19, at.y - 19, at.x + 19, at.y + 19),
                ellipsePart(at.x - 19, at.y - 38, at.x + 19, at.y)});
    }
}

void Layout::stones(ChartPoint at) {
    ElementBuilder draw = element();
    struct Stone {
        int value;
        std::vector<ChartPoint> polygon;
        ChartPoint label;
    };
    const Stone stones[] = {
        {n_.keystone, {{-9, -7}, {0, -34}, {9, -7}, {0, 0}}, {0, -13}},
        {n_.cornerstone, {{-9, -7}, {0, 0}, {0, 21}, {-19, 21}}, {-8, 10}},
        {n_.capstone, {{9, -7}, {0, 0}, {0, 21}, {19, 21}}, {8, 10}},
    };
    for (const Stone& stone : stones) {
        draw.polygonAt(at, fillFor(stone.value), stone.polygon);
        draw.label(NUMBER, at.x + stone.label.x, at.y + stone.label.y, stone.value);
        region(polygonPartAt(at, stone.polygon));
    }
}

void Layout::karmicGrid(ChartPoint at) {
    ElementBuilder draw = element();
    for (int v = 1; v <= 9; ++v) {
        const int i = v - 1;
        const int left = at.x - 42 + 28 * (i % 3), top = at.y - 42 + 28 * (i / 3);
        draw.rectangle(fillFor(n_.karmicCounts[v]), left, top, left + 29, top + 29);
        draw.label(NUMBER, left + 12, top + 7, n_.karmicCounts[v]);
        draw.label(NUMBER, left + 20, top + 20, v);
    }
    region(rectanglePart(at.x - 42, at.y - 42, at.x + 42, at.y + 42));
}

// The caption stands under the life band: at the band's own height the
// wave's lowest row would run through it.
void Layout::caption() {
    ElementBuilder draw = element();
    draw.text(CAPTION_LEFT, CAPTION_TOP, CHART_CAPTION[0]);
    draw.text(CAPTION_LEFT, CAPTION_TOP + 12, CHART_CAPTION[1]);
}

// Even-odd test of the point against the polygon's edges.
bool insidePolygon(const std::vector<ChartPoint>& points, ChartPoint p) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const ChartPoint a = points[i], b = points[j];
        if ((a.y > p.y) != (b.y > p.y)) {
            const double crossX = a.x + static_cast<double>(p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < crossX) inside = !inside;
        }
    }
    return inside;
}

}  // namespace

bool RegionPart::contains(ChartPoint p) const {
    switch (kind) {
    case Rectangle:
        return p.x >= points[0].x && p.x < points[1].x && p.y >= points[0].y && p.y < points[1].y;
    case Polygon:
        return insidePolygon(points, p);
    case Ellipse: {
        const double a = (points[1].x - points[0].x) / 2.0, b = (points[1].y - points[0].y) / 2.0;
        if (a <= 0 || b <= 0) return false;
        const double dx = (p.x - (points[0].x + a)) / a, dy = (p.y - (points[0].y + b)) / b;
        return dx * dx + dy * dy <= 1.0;
    }
    }
    return false;
}

bool ChartRegion::contains(ChartPoint p) const {
    bool covered = false;
    for (const RegionPart& part : parts) {
        if (!part.contains(p)) continue;
        if (part.hole) return false;
        covered = true;
    }
    return covered;
}

int hitTest(const std::vector<ChartRegion>& regions, ChartPoint p) {
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (regions[i].contains(p)) return static_cast<int>(i);
    return -1;
}

std::string legendText(int region) {
    if (region >= 0 && region < CHART_REGIONS) return LEGENDS[region];
    return format("Region %d", region);
}

int waveOffset(int x) { return static_cast<int>(-15 * std::sin((x - 70) * 0.157 * 0.125)); }

int bandLabelY(int x, int y) { return static_cast<int>(y - 15 * std::sin((x - 70) * 0.019625)); }

std::vector<ChartPoint> bandRun(int x, int y, int cells) {
    std::vector<ChartPoint> points;
    for (int i = 0; i <= cells; ++i) {
        const int px = x - 8 + 16 * i;
        points.push_back({px, y - 8 + waveOffset(px)});
    }
    for (int i = cells; i >= 0; --i) {
        const int px = x - 8 + 16 * i;
        points.push_back({px, y + 8 + waveOffset(px)});
    }
    return points;
}

ChartPoint wheelPoint(ChartPoint centre, double degrees, int radius) {
    const double radians = degrees * (1 / 57.296);
    return {static_cast<int>(centre.x - radius * std::cos(radians)),
            static_cast<int>(centre.y - radius * std::sin(radians))};
}

void essenceSectors(int birthMonth, int birthDay, Sector& beforeBirthday, Sector& afterBirthday) {
    const int birthday = std::min(30 * birthMonth + birthDay - 30, 360);
    beforeBirthday = {0, heldBetween(birthday, 15, 345)};
    afterBirthday = {heldBetween(birthday, 15, 345), 360};
}

ChartPicture layoutChart(const ChartNumbers& numbers) {
    ChartPicture picture;
    picture.elements.reserve(CHART_ELEMENTS);
    picture.regions.reserve(CHART_REGIONS);
    Layout layout(numbers, picture);
    layout.nameRows(numbers.birthWords, 3, {64, 8}, 280);
    layout.nameRows(numbers.currentWords, 2, {582, 8}, 230);
    layout.diamond({456, 280});
    layout.lifeBand({73, 476});
    layout.pinnacleFigure({184, 323});
    layout.planes({631, 203});
    layout.yearWheel({318, 404}, numbers.years[0]);
    layout.yearWheel({584, 404}, numbers.years[1]);
    layout.yearWheel({728, 390}, numbers.years[2]);
    layout.singleNumbers();
    layout.stones({856, 430});
    layout.karmicGrid({263, 221});
    layout.caption();
    return picture;
}
