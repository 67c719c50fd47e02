// "OptionsDlg": the chart's line, font and color options.
#pragma once

#include <windows.h>

#include "chart/chart_options.h"

// Shows the dialog over owner; OK writes the choices into options, Cancel
// and the close box leave them as they were.
void chooseChartOptions(HINSTANCE instance, HWND owner, ChartOptions& options);
