// The home page in the main window: the picture, the report names on it,
// the pointing hand over them and the clicks that start a report.
#pragma once

#include <windows.h>

void loadHomePage(HINSTANCE instance);
void paintHomePage(HWND window);
void homePageHover(int x, int y);
void homePageClick(HWND window, int x, int y);
