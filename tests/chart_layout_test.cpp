#include "chart/bitmap_file.h"
#include "chart/chart_layout.h"
#include "chart/chart_options.h"
#include "chart/chart_view.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

ChartInput mariaInput() {
    ChartInput input = exampleChartInput();
    return input;
}

ChartPicture mariaPicture() { return layoutChart(computeChartNumbers(mariaInput())); }

enum Element { BIRTH_ROWS, CURRENT_ROWS, DIAMOND, LIFE_BAND, PINNACLES, PLANES, WHEEL_1, WHEEL_2, WHEEL_3,
               LIFE_PATH, RATIONAL_THOUGHT, HEARTS_DESIRE, EXPRESSION, MATURITY, PERSONALITY, BALANCE,
               MINOR_HEARTS_DESIRE, MINOR_EXPRESSION, MINOR_PERSONALITY, SUBCONSCIOUS_SELF, STONES, KARMIC, CAPTION };

std::vector<const Shape*> shapesOf(const ChartElement& element, ShapeKind kind) {
    std::vector<const Shape*> found;
    for (const Shape& shape : element.shapes)
        if (shape.kind == kind) found.push_back(&shape);
    return found;
}

const Shape* textAt(const ChartElement& element, const std::string& text, int x, int y) {
    for (const Shape& shape : element.shapes)
        if (shape.kind == ShapeKind::Text && shape.text == text && shape.points[0] == ChartPoint{x, y}) return &shape;
    return nullptr;
}

bool hasPolygon(const ChartElement& element, const std::vector<ChartPoint>& points) {
    for (const Shape& shape : element.shapes)
        if (shape.kind == ShapeKind::Polygon && shape.points == points) return true;
    return false;
}

// ---- the picture's parts ----

TEST(ChartLayout, TwentyThreeElementsAndSixtySevenRegions) {
    const ChartPicture picture = mariaPicture();
    EXPECT_EQ(picture.elements.size(), 23u);
    EXPECT_EQ(picture.regions.size(), 67u);
    EXPECT_TRUE(shapesOf(picture.elements[CAPTION], ShapeKind::Text).size() == 2);
    for (const ChartElement& element : picture.elements)
        for (const Shape& shape : element.shapes)
            for (ChartPoint p : shape.points) {
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x, CHART_WIDTH);
                EXPECT_GE(p.y, 0);
                EXPECT_LE(p.y, CHART_HEIGHT);
            }
}

TEST(ChartLayout, TheCaptionClearsTheLifeBandsLowestRow) {
    const ChartPicture picture = mariaPicture();
    const auto lines = shapesOf(picture.elements[CAPTION], ShapeKind::Text);
    ASSERT_EQ(lines.size(), 2u);
    // The pinnacle row's lowest edge under the caption's width (at most
    // 160 pixels of text), and the caption's last line inside the chart.
    int lowest = 0;
    for (int x = CAPTION_LEFT; x <= CAPTION_LEFT + 160; ++x) lowest = std::max(lowest, 476 + 160 + 8 + waveOffset(x));
    EXPECT_GT(lines[0]->points[0].y, lowest);
    EXPECT_LE(lines[1]->points[0].y + 12, CHART_HEIGHT);
}

TEST(ChartLayout, LegendTexts) {
    EXPECT_EQ(legendText(0), "Birth name: sum of vowels");
    EXPECT_EQ(legendText(7), "Birth name: sum of consonants");
    EXPECT_EQ(legendText(8), "Usual name: sum of vowels");
    EXPECT_EQ(legendText(15), "Usual name: sum of consonants");
    EXPECT_EQ(legendText(26), "Pinnacles");
    EXPECT_EQ(legendText(43), "Personal year: Year");
    EXPECT_EQ(legendText(49), "Personal year: Year");
    EXPECT_EQ(legendText(51), "Personal year: Essence");
    EXPECT_EQ(legendText(52), "Life Path");
    EXPECT_EQ(legendText(62), "Subconcious self");
    EXPECT_EQ(legendText(66), "Karmic lessons");
    EXPECT_EQ(legendText(67), "Region 67");
}

TEST(ChartLayout, FillsFollowTheDigitRoot) {
    EXPECT_EQ(fillFor(0), 1);   // olive
    EXPECT_EQ(fillFor(1), 2);   // red
    EXPECT_EQ(fillFor(16), 8);  // 7: violet
    EXPECT_EQ(fillFor(9), 10);  // green
    EXPECT_EQ(fillFor(-3), 1);
    const ChartPicture picture = mariaPicture();
    EXPECT_EQ(shapesOf(picture.elements[LIFE_PATH], ShapeKind::Ellipse)[0]->fill, 8);
    EXPECT_EQ(CHART_PALETTE[8].red, 240);
    EXPECT_EQ(CHART_PALETTE[10].green, 192);
}

TEST(ChartLayout, LabelStylesOfTheSingleNumbers) {
    const ChartPicture picture = mariaPicture();
    // Life Path 16 in style 108: "16/7" over a big 7.
    EXPECT_TRUE(textAt(picture.elements[LIFE_PATH], "16/7", 114 - 12 + 1, 231 - 10 - 7));
    const Shape* big = textAt(picture.elements[LIFE_PATH], "7", 114 - 8 + 2, 231 + 6 - 8);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->font, ChartFont::Big);
    // Rational thought 3: below ten, style 105 falls back to a plain number.
    EXPECT_TRUE(textAt(picture.elements[RATIONAL_THOUGHT], "3", 114 - 4 + 1, 404 - 10 - 7));
    // Subconcious self 7 in the big font alone.
    EXPECT_TRUE(textAt(picture.elements[SUBCONSCIOUS_SELF], "7", 856 - 8 + 2, 370 - 8));
    // Keystone 6 in style 103 at (x, y - 13).
    EXPECT_TRUE(textAt(picture.elements[STONES], "6", 856 - 3, 430 - 13 - 7));
    // The Karmic grid: count 4 of value 1, and the value itself.
    EXPECT_TRUE(textAt(picture.elements[KARMIC], "4", 263 - 42 + 12 - 3, 221 - 42));
    EXPECT_TRUE(textAt(picture.elements[KARMIC], "1", 263 - 42 + 20 - 3, 221 - 42 + 13));
}

TEST(ChartLayout, TheDiamondsLabels) {
    const ChartPicture picture = mariaPicture();
    const ChartElement& diamond = picture.elements[DIAMOND];
    EXPECT_TRUE(textAt(diamond, "0", 456 - 135 - 3, 280 - 14));
    EXPECT_TRUE(textAt(diamond, "81", 456 + 135 - 7, 280 - 14));
    // Base letter M (4) at (336, 295): the letter above its value.
    EXPECT_TRUE(textAt(diamond, "M", 336 - 4, 295 - 12));
    EXPECT_TRUE(textAt(diamond, "4", 336 - 3, 295 - 1));
    // The second sum row holds 14 (root 5): style 102 splits it with a line.
    // Row 7, cell 4: centre (456 + 15 * (8 - 7 + 1), 280 + 45).
    const int x = 456 + 15 * 2, y = 280 + 45;
    EXPECT_TRUE(textAt(diamond, "5", x + 3, y - 7));
    const Shape* small = textAt(diamond, "14", x - 9, y - 5);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->font, ChartFont::Small);
    EXPECT_EQ(std::count_if(diamond.shapes.begin(), diamond.shapes.end(),
                            [](const Shape& s) { return s.kind == ShapeKind::Polygon; }),
              9 + 36 + 36);
}

// ---- the hit test ----

TEST(ChartRegions, TheFirstRegionContainingThePointWins) {
    const ChartPicture picture = mariaPicture();
    EXPECT_EQ(hitTest(picture.regions, {114, 231}), 52);       // Life Path
    EXPECT_EQ(hitTest(picture.regions, {114 + 37, 231}), 52);
    EXPECT_EQ(hitTest(picture.regions, {114 + 39, 231}), -1);
    EXPECT_EQ(hitTest(picture.regions, {456, 280}), 16);       // the Diamond
    EXPECT_EQ(hitTest(picture.regions, {184, 323}), 32);       // birth date
    EXPECT_EQ(hitTest(picture.regions, {263, 221}), 66);       // Karmic lessons
    EXPECT_EQ(hitTest(picture.regions, {70, 10}), 0);          // the birth name's vowel sums
    EXPECT_EQ(hitTest(picture.regions, {600, 150}), 15);       // the usual name's consonant sums
    EXPECT_EQ(hitTest(picture.regions, {640, 300}), 42);       // the Planes' totals
    EXPECT_EQ(hitTest(picture.regions, {5, 5}), -1);
    EXPECT_EQ(hitTest(picture.regions, {150, 672}), -1);       // the caption
}

TEST(ChartRegions, MaturityAndSubconciousSelfAreOneRegionEach) {
    const ChartPicture picture = mariaPicture();
    EXPECT_EQ(hitTest(picture.regions, {533, 41}), 56);        // the circle
    EXPECT_EQ(hitTest(picture.regions, {533 - 28, 41 + 38}), 56);  // the base's corner, outside the circle
    EXPECT_EQ(hitTest(picture.regions, {856, 345}), 62);       // the dome
    EXPECT_EQ(hitTest(picture.regions, {856 - 18, 370 + 18}), 62);  // the square's corner
}

TEST(ChartRegions, TheYearWheelsDiscAndRings) {
    const ChartPicture picture = mariaPicture();
    EXPECT_EQ(hitTest(picture.regions, {318, 404}), 43);
    EXPECT_EQ(hitTest(picture.regions, {318 + 35, 404}), 44);
    EXPECT_EQ(hitTest(picture.regions, {318 + 55, 404}), 45);
    EXPECT_EQ(hitTest(picture.regions, {584, 404 - 30}), 47);
    EXPECT_EQ(hitTest(picture.regions, {728 - 58, 390}), 51);
}

TEST(ChartRegions, TheLifeBandRowsFollowTheWave) {
    const ChartPicture picture = mariaPicture();
    // At x = 150 the wave is at its highest (14 pixels up).
    EXPECT_EQ(waveOffset(70), 0);
    EXPECT_EQ(waveOffset(150), -14);
    EXPECT_EQ(hitTest(picture.regions, {150, 476 - 14}), 17);
    EXPECT_EQ(hitTest(picture.regions, {150, 476 - 14 + 16}), 18);
    EXPECT_EQ(hitTest(picture.regions, {150, 476 - 14 + 16 * 6}), 23);
    EXPECT_EQ(hitTest(picture.regions, {150, 476 - 14 + 16 * 7}), -1);  // row 7 is empty
    EXPECT_EQ(hitTest(picture.regions, {150, 476 - 14 + 16 * 10}), 26);
}

// ---- the elements' rules ----

TEST(ChartLayout, ALongBirthNameHasFourPixelUnitsAndDotsPastTheLimit) {
    ChartInput input = mariaInput();
    input.birthFirst = std::string(79, 'A');
    const ChartPicture picture = layoutChart(computeChartNumbers(input));
    const ChartElement& rows = picture.elements[BIRTH_ROWS];
    const auto boxes = shapesOf(rows, ShapeKind::Rectangle);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0]->points[0].x, 64);
    EXPECT_EQ(boxes[0]->points[1].x, 64 + 8 + 1);  // 8-pixel cells
    for (const Shape* box : boxes) {
        EXPECT_LT(box->points[0].x, 344);
        EXPECT_LE(box->points[1].x, 344);
    }
    EXPECT_TRUE(textAt(rows, "...", 347, 8 + 80));   // the letter values
    EXPECT_TRUE(textAt(rows, "...", 347, 8 + 20));   // the vowels
    for (const Shape* text : shapesOf(rows, ShapeKind::Text)) EXPECT_LT(text->points[0].x, 344 + 3 + 1);
}

TEST(ChartLayout, NameRowsOfMaria) {
    const ChartPicture picture = mariaPicture();
    const ChartElement& rows = picture.elements[BIRTH_ROWS];
    // 5 + 6 + 7 = 18 cells: units of 280 / 36 = 7 pixels.
    EXPECT_TRUE(textAt(rows, "M", 64 + 1 - 3, 8 + 60 - 7));
    const auto boxes = shapesOf(rows, ShapeKind::Rectangle);
    EXPECT_EQ(boxes[0]->points[0], (ChartPoint{64, 88}));
    EXPECT_EQ(boxes[0]->points[1], (ChartPoint{64 + 14 + 1, 88 + 21}));
    // Elena starts after Maria and one empty cell: 64 + 14 * 6.
    EXPECT_TRUE(textAt(rows, "E", 64 + 84 + 1 - 3, 8 + 60 - 7));
    // Maria's vowel sum 11 is shown 11/2 in the middle of its box across the word.
    EXPECT_TRUE(textAt(rows, "11/2", 64 + 35 - 12 + 1, 8 + 10 - 7));
    // Torres' letter sum 32 is shown reduced: 5.
    EXPECT_TRUE(textAt(rows, "5", 64 + 14 * 12 + 42 - 3, 8 + 110 - 7));
    EXPECT_TRUE(shapesOf(rows, ShapeKind::Text).size() > 0);
    for (const Shape* text : shapesOf(rows, ShapeKind::Text)) EXPECT_NE(text->text, "...");
}

TEST(ChartLayout, AnEmptyMiddleWordTakesOneCellAndIsNotDrawn) {
    ChartInput input = mariaInput();
    input.birthMiddle = "";
    const ChartPicture picture = layoutChart(computeChartNumbers(input));
    // 5 + 1 + 7 = 13 cells: units of 280 / 26 = 10; Torres follows Maria directly.
    EXPECT_TRUE(textAt(picture.elements[BIRTH_ROWS], "T", 64 + 20 * 6 + 1 - 3, 8 + 60 - 7));
}

TEST(ChartLayout, APlanesGroupOfFiveLettersShowsFourAndDots) {
    ChartInput input = mariaInput();
    input.birthFirst = "Eeeeee";
    input.birthMiddle = "";
    input.birthLast = "";
    const ChartNumbers n = computeChartNumbers(input);
    EXPECT_EQ(n.planes[PLANE_PHYSICAL].groups[GROUP_CREATIVE].count(), 6);
    const ChartPicture picture = layoutChart(n);
    const ChartElement& planes = picture.elements[PLANES];
    EXPECT_TRUE(textAt(planes, "...", 631 + 60, 203));
    int letters = 0;
    for (const Shape* text : shapesOf(planes, ShapeKind::Text))
        if ((text->text == "E" || text->text == "e") && text->points[0].y == 203 + 11 - 7) ++letters;
    EXPECT_EQ(letters, 4);
    // The totals row: 6 letters in the first column, root of 30 is 3.
    EXPECT_TRUE(textAt(planes, "6", 631 + 12 + 12 - 3, 203 + 88 + 11 - 7));
    EXPECT_TRUE(textAt(planes, "3", 631 + 60 + 6 - 3, 203 + 88 + 11 - 7));
}

TEST(ChartLayout, EssenceSectorsAroundTheBirthday) {
    Sector before, after;
    essenceSectors(5, 15, before, after);
    EXPECT_EQ(before.start, 0);
    EXPECT_EQ(before.end, 135);
    EXPECT_EQ(after.start, 135);
    EXPECT_EQ(after.end, 360);
    essenceSectors(1, 1, before, after);  // 1, held to 15
    EXPECT_EQ(before.end, 15);
    EXPECT_EQ(after.start, 15);
    essenceSectors(12, 31, before, after);  // 361, held to 360, then to 345
    EXPECT_EQ(before.end, 345);
    EXPECT_EQ(after.start, 345);
    EXPECT_EQ(after.end, 360);
}

TEST(ChartLayout, WheelPointsGoLeftThenUpClockwise) {
    EXPECT_EQ(wheelPoint({100, 100}, 0, 10), (ChartPoint{90, 100}));
    // 57.296 is a shade more than the degrees of a radian, so 90 degrees
    // falls a hair short of straight up, and truncation shows it.
    EXPECT_EQ(wheelPoint({100, 100}, 90, 10), (ChartPoint{99, 90}));
    EXPECT_EQ(wheelPoint({100, 100}, 180, 10), (ChartPoint{109, 99}));
    const ChartPicture picture = mariaPicture();
    // January's sector runs from 0 to 30 degrees: the device draws it
    // counterclockwise from 30 to 0.
    const auto pies = shapesOf(picture.elements[WHEEL_1], ShapeKind::Pie);
    ASSERT_EQ(pies.size(), 2u + 12u);
    EXPECT_EQ(pies[2]->points[2], wheelPoint({318, 404}, 30, 49));
    EXPECT_EQ(pies[2]->points[3], wheelPoint({318, 404}, 0, 49));
    // The centre shows the year and its Personal Year.
    EXPECT_TRUE(textAt(picture.elements[WHEEL_1], "2026", 318 - 15, 404 - 4 - 7));
    EXPECT_TRUE(textAt(picture.elements[WHEEL_1], "3", 318 - 3, 404 + 8 - 7));
}

TEST(ChartLayout, CycleRunsHeldToTheBand) {
    ChartInput input = mariaInput();
    input.firstAge = 1;  // first Cycle of 30 years: runs of 29, 21 and 0 cells
    const ChartPicture picture = layoutChart(computeChartNumbers(input));
    const ChartElement& band = picture.elements[LIFE_BAND];
    const int y = 476 + 16 * 6;
    EXPECT_TRUE(hasPolygon(band, bandRun(73, y, 29)));
    EXPECT_TRUE(hasPolygon(band, bandRun(73 + 16 * 29, y, 21)));
    for (const Shape* shape : shapesOf(band, ShapeKind::Polygon))
        EXPECT_NE(shape->points.front(), bandRun(73 + 16 * 50, y, 1).front());
    // Labels: the first Cycle's 5 and the second's 6, but no third.
    int cycleLabels = 0;
    for (const Shape* text : shapesOf(band, ShapeKind::Text))
        if (text->points[0].x == 73 - 3 || text->points[0].x == 73 + 16 * 29 - 3)
            if (std::abs(text->points[0].y - (y - 7)) <= 15) ++cycleLabels;
    EXPECT_EQ(cycleLabels, 2);
}

TEST(ChartLayout, PinnacleRunsStartBeforeTheBandByTheBirthMonth) {
    const ChartPicture picture = mariaPicture();
    const ChartElement& band = picture.elements[LIFE_BAND];
    const int xs = 73 - 16 * 5 / 12;  // 67
    EXPECT_TRUE(hasPolygon(band, bandRun(xs, 476 + 160, 30)));
    EXPECT_TRUE(hasPolygon(band, bandRun(xs + 16 * 30, 476 + 160, 9)));
    EXPECT_TRUE(hasPolygon(band, bandRun(xs + 16 * 48, 476 + 160, 3)));
    // The calendar years from 1949: "49" at the first cell.
    EXPECT_TRUE(textAt(band, "49", xs - 7, bandLabelY(xs, 476 + 144) - 7));
    EXPECT_EQ(bandRun(xs, 0, 51).size(), 2u * 52u);
}

// ---- the window's arithmetic ----

TEST(ChartView, FitModeScalesWithRounding) {
    ChartView view;
    EXPECT_EQ(windowToChart(view, {100, 50}, 456, 342), (ChartPoint{200, 100}));
    EXPECT_EQ(windowToChart(view, {1, 1}, 600, 400), (ChartPoint{2, 2}));  // 1.52 and 1.71
    EXPECT_EQ(windowToChart(view, {0, 0}, 0, 0), (ChartPoint{-1, -1}));
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
}

TEST(ChartView, ZoomedModeAddsTheOffsetsHeldToTheirLimits) {
    ChartView view;
    view.zoomed = true;
    view.setClient(600, 400);
    EXPECT_EQ(view.maxX, 312);
    EXPECT_EQ(view.maxY, 284);
    ChartPoint moved = view.moveBy(keyStep(ViewKey::PageDown).x, keyStep(ViewKey::PageDown).y);
    EXPECT_EQ(moved, (ChartPoint{0, 100}));
    moved = view.moveBy(keyStep(ViewKey::End).x, keyStep(ViewKey::End).y);
    EXPECT_EQ(moved, (ChartPoint{100, 0}));
    EXPECT_EQ(windowToChart(view, {10, 20}, 600, 400), (ChartPoint{110, 120}));
    for (int i = 0; i < 5; ++i) view.moveBy(0, PAGE_STEP);
    EXPECT_EQ(view.oy, 284);
    view.moveBy(-1000, 0);
    EXPECT_EQ(view.ox, 0);
    EXPECT_EQ(scrollTarget(ScrollRequest::Bottom, 5, 284, 0), 284);
    EXPECT_EQ(scrollTarget(ScrollRequest::Thumb, 5, 284, 77), 77);
    EXPECT_EQ(scrollTarget(ScrollRequest::LineBack, 5, 284, 0), -5);
    EXPECT_EQ(keyStep(ViewKey::Home).x, -100);
    EXPECT_EQ(keyStep(ViewKey::Up).y, -10);
}

TEST(ChartView, AClientAreaLargerThanTheChartHasNothingToScroll) {
    ChartView view;
    view.setClient(1000, 700);
    EXPECT_EQ(view.maxX, 0);
    EXPECT_EQ(view.maxY, 0);
    view.moveBy(50, 50);
    EXPECT_EQ(view.ox, 0);
    EXPECT_EQ(view.oy, 0);
}

TEST(ChartView, TheLegendBoxStaysInsideTheClientArea) {
    BoxRect box = placeLegendBox(50, 14, {100, 100}, 640, 480);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 118);
    EXPECT_EQ(box.right, 158);
    EXPECT_EQ(box.bottom, 136);
    // Near the bottom-right corner: above and to the left of the pointer.
    box = placeLegendBox(50, 14, {630, 470}, 640, 480);
    EXPECT_EQ(box.right, 640);
    EXPECT_EQ(box.left, 582);
    EXPECT_EQ(box.bottom, 470);
    EXPECT_EQ(box.top, 452);
}

// ---- the bitmap file ----

TEST(BitmapFile, SizesByDepth) {
    EXPECT_EQ(bitmapRowSize(1, 912), 116u);
    EXPECT_EQ(bitmapImageSize(1, 912, 684), 79344u);
    EXPECT_EQ(colorTableSize(1), 8u);
    EXPECT_EQ(bitmapBitsOffset(1), 62u);
    EXPECT_EQ(colorTableSize(8), 1024u);
    EXPECT_EQ(bitmapBitsOffset(8), 1078u);
    EXPECT_EQ(colorTableSize(4), 64u);
    EXPECT_EQ(bitmapBitsOffset(24), 54u);
    EXPECT_EQ(bitmapBitsOffset(32), 54u);
    EXPECT_EQ(bitmapRowSize(24, 912), 2736u);
    EXPECT_EQ(bitmapRowSize(24, 5), 16u);  // 15 bytes padded to 16
}

TEST(BitmapFile, HeadersTableAndImageInOrder) {
    const BitmapInfoHeader info = bitmapInfoFor(912, 684, 1);
    EXPECT_EQ(info.size, 40u);
    EXPECT_EQ(info.height, 684);  // positive: rows bottom-up
    EXPECT_EQ(info.planes, 1);
    EXPECT_EQ(info.compression, 0u);
    const std::uint8_t table[8] = {0, 0, 0, 0, 255, 255, 255, 0};
    std::vector<std::uint8_t> image(79344, 0xFF);
    image[0] = 0x7F;
    const std::vector<std::uint8_t> file = bitmapFileBytes(info, table, image.data());
    ASSERT_EQ(file.size(), 62u + 79344u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    std::uint32_t size, offset;
    std::memcpy(&size, &file[2], 4);
    std::memcpy(&offset, &file[10], 4);
    EXPECT_EQ(size, 62u + 79344u);
    EXPECT_EQ(offset, 62u);
    EXPECT_EQ(file[6], 0);
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[54 + 4], 255);
    EXPECT_EQ(file[62], 0x7F);
    EXPECT_EQ(file.back(), 0xFF);
}

class ChartBitmapName : public PlatformTest {};

TEST_F(ChartBitmapName, NumbersTheCompactNameInTheReportsFolder) {
    const std::string reports = pathIn("Reports");
    EXPECT_EQ(chartBitmapPath(folder(), "Maria", "Torres"), platform::joinPath(reports, "MTorr01C.bmp"));
    ASSERT_TRUE(platform::makeDirectory(reports));
    writeFile(platform::joinPath(reports, "MTorr01C.bmp"), "x");
    EXPECT_EQ(chartBitmapPath(folder(), "Maria", "Torres"), platform::joinPath(reports, "MTorr02C.bmp"));
    EXPECT_EQ(chartBitmapPath(folder(), "Maria", "de la Cruz"), platform::joinPath(reports, "MDeLa01C.bmp"));
}

TEST_F(ChartBitmapName, AllNinetyNineTakenReplacesTheLast) {
    const std::string reports = pathIn("Reports");
    ASSERT_TRUE(platform::makeDirectory(reports));
    for (int n = 1; n <= 99; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "JLee%02dC.bmp", n);
        writeFile(platform::joinPath(reports, name), "x");
    }
    EXPECT_EQ(chartBitmapPath(folder(), "Jo", "Lee"), platform::joinPath(reports, "JLee99C.bmp"));
}

}  // namespace

namespace {

TEST(ChartOptions, BlackAndWhiteFromTheHandOffWinsAtEveryDrawing) {
    ChartOptions options;
    EXPECT_EQ(options.color, 1);
    EXPECT_EQ(options.boldFont, 1);
    EXPECT_EQ(options.thickLines, 0);
    applyHandOffColorRule(options, 261);
    EXPECT_EQ(options.color, 1);
    options.color = 0;  // the user turns color off, and on again
    applyHandOffColorRule(options, 261);
    EXPECT_EQ(options.color, 0);
    options.color = 1;
    applyHandOffColorRule(options, 257);
    EXPECT_EQ(options.color, 0);
}

TEST(ChartOptions, ChangedAndChangedBackCountsAsUnchanged) {
    const ChartOptions before;
    ChartOptions after = before;
    after.boldFont = 0;
    EXPECT_NE(after, before);
    after.boldFont = 1;
    EXPECT_EQ(after, before);
    EXPECT_EQ(fontWeight(before), 700);
    after.boldFont = 0;
    EXPECT_EQ(fontWeight(after), 400);
    after.thickLines = 1;
    EXPECT_EQ(outlineWidth(after), 2);
}

TEST(ChartOptions, ThePrintJobIsLandscapeInTheChartsColors) {
    ChartOptions options;
    EXPECT_EQ(chartPrintSettings(options).orientation, 2);
    EXPECT_EQ(chartPrintSettings(options).color, 2);
    options.color = 0;
    EXPECT_EQ(chartPrintSettings(options).color, 1);
}

}  // namespace

namespace {

TEST(ChartView, TheTitleShowsTheCurrentLastNameCapitalised) {
    EXPECT_EQ(chartWindowTitle("Torres"), "ColorChromagraph - Torres");
    EXPECT_EQ(chartWindowTitle("de la cruz"), "ColorChromagraph - De La Cruz");
    EXPECT_EQ(chartWindowTitle("*oung"), "ColorChromagraph - Young");  // a Y written as a consonant
    EXPECT_EQ(chartWindowTitle("mcDONALD"), "ColorChromagraph - McDONALD");
    EXPECT_EQ(chartWindowTitle(""), "ColorChromagraph - ");
    EXPECT_EQ(chartWindowTitle(std::string(79, 'b')).size(), 19u + 79u);
}

}  // namespace
