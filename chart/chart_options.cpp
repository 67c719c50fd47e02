#include "chart/chart_options.h"

#include "chart/intercom.h"

void applyHandOffColorRule(ChartOptions& options, std::int32_t chartFlags) {
    if (forcesBlackAndWhite(chartFlags)) options.color = 0;
}

int outlineWidth(const ChartOptions& options) { return options.thickLines ? 2 : 1; }

int fontWeight(const ChartOptions& options) { return options.boldFont ? 700 : 400; }

ChartPrintSettings chartPrintSettings(const ChartOptions& options) {
    return {2, static_cast<short>(options.color ? 2 : 1)};
}
