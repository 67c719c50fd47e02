// Times the painting of the whole chart into a memory bitmap, in color and
// in black and white, as Map.exe paints it (run by hand, under Wine or
// Windows):
//
//   paint_timing [DRAWINGS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "chart/chart_layout.h"
#include "chart_painter.h"

namespace {

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void timeDrawings(const char* name, const ChartPicture& picture, const ChartOptions& options,
                  const ChartColors& colors, int drawings) {
    paintChart(picture, options, colors);  // the fonts and caches warm
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < drawings; ++i) paintChart(picture, options, colors);
    QueryPerformanceCounter(&end);
    std::printf("%-16s %8.2f ms a drawing (%d drawings)\n", name, milliseconds(start, end) / drawings, drawings);
}

}  // namespace

int main(int argc, char** argv) {
    const int drawings = argc > 1 ? std::atoi(argv[1]) : 50;
    ChartInput input = exampleChartInput();

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    ChartPicture picture;
    for (int i = 0; i < drawings; ++i) picture = layoutChart(computeChartNumbers(input));
    QueryPerformanceCounter(&end);
    std::printf("%-16s %8.2f ms a drawing (%d drawings)\n", "numbers+layout", milliseconds(start, end) / drawings,
                drawings);

    const ChartColors colors;
    ChartOptions color;
    timeDrawings("paint in color", picture, color, colors, drawings);
    ChartOptions blackAndWhite;
    blackAndWhite.color = 0;
    timeDrawings("paint b/w", picture, blackAndWhite, colors, drawings);
    return 0;
}
