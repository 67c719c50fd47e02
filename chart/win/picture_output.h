// The current picture leaves the program: as a bitmap file in the Reports
// folder, or on one landscape page of a printer.
#pragma once

#include <windows.h>

#include "chart/chart_options.h"

// Saves picture as the next numbered bitmap file of the person and tells
// the user where it went. palette: the chart palette when color is on.
void savePicture(HWND owner, HBITMAP picture, HPALETTE palette, const char* currentFirst, const char* currentLast);

// Prints picture stretched over the whole printable area of one landscape
// page, after the print dialog. Silent on cancel and on printer errors.
void printPicture(HWND owner, HBITMAP picture, HPALETTE palette, const ChartOptions& options);
