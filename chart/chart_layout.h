// The chart picture as data: every shape and label of the 912 x 684 chart
// in drawing order, grouped by element, and the 67 hit-test regions with
// their legend texts. The window only paints what this computes.
#pragma once

#include "chart/chart_numbers.h"

#include <string>
#include <vector>

enum { CHART_WIDTH = 912, CHART_HEIGHT = 684, CHART_REGIONS = 67, CHART_ELEMENTS = 23 };
enum { PALETTE_SIZE = 11, PALETTE_BLACK = 0 };

// The chart palette as red, green, blue: entry 0 black, 1 to 10 the fills
// of the digit roots 0 to 9.
struct PaletteColor {
    unsigned char red, green, blue;
};
extern const PaletteColor CHART_PALETTE[PALETTE_SIZE];

// The palette entry that fills a shape showing n: its digit root plus one.
int fillFor(int n);

struct ChartPoint {
    int x;
    int y;
    bool operator==(const ChartPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const ChartPoint& other) const { return !(*this == other); }
};

enum class ChartFont { Normal, Small, Big };

enum class ShapeKind {
    Polygon,    // points: the corners
    Ellipse,    // points: the two corners of its box
    Rectangle,  // points: the two corners
    Pie,        // points: the box's two corners, then the radial where the slice starts and the one
                // where it ends, counterclockwise on screen from the first to the second
    Line,       // points: its two ends
    Text,       // points: the text's top-left corner
};

struct Shape {
    ShapeKind kind;
    int fill = 0;  // palette entry of a filled shape
    std::vector<ChartPoint> points;
    std::string text;  // Windows-1252
    ChartFont font = ChartFont::Normal;
};

struct ChartElement {
    std::vector<Shape> shapes;
};

// One piece of a region: a rectangle (left, top inclusive, right, bottom
// exclusive), a polygon or the ellipse inside a box; a hole is taken out of
// what the other pieces cover.
struct RegionPart {
    enum Kind { Rectangle, Polygon, Ellipse } kind;
    std::vector<ChartPoint> points;
    bool hole = false;
    bool contains(ChartPoint p) const;
};

struct ChartRegion {
    std::vector<RegionPart> parts;
    bool contains(ChartPoint p) const;
};

struct ChartPicture {
    std::vector<ChartElement> elements;  // 23, in drawing order
    std::vector<ChartRegion> regions;    // 67, in region order
};

ChartPicture layoutChart(const ChartNumbers& numbers);

// The first region containing the chart point, or -1.
int hitTest(const std::vector<ChartRegion>& regions, ChartPoint p);

// A region's legend text ("Region %d" for a number without one).
std::string legendText(int region);

// The two lines of the caption under the chart, from its top-left corner.
extern const char* const CHART_CAPTION[2];
enum { CAPTION_LEFT = 84, CAPTION_TOP = 658 };

// ---- the life band's wave ----
int waveOffset(int x);                        // W(x)
int bandLabelY(int x, int y);                 // the label height of a run's first cell
std::vector<ChartPoint> bandRun(int x, int y, int cells);

// ---- the year wheels ----
// The point at an angle (degrees; 0 points left, growing clockwise) and radius.
ChartPoint wheelPoint(ChartPoint centre, double degrees, int radius);
struct Sector {
    int start;
    int end;
};
// The Essence ring's two sectors for a birthday, their angles held as drawn.
void essenceSectors(int birthMonth, int birthDay, Sector& beforeBirthday, Sector& afterBirthday);
