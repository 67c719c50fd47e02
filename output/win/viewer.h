// The report viewer: a maximised window over the laid-out report text, with
// its own message loop; returns when the reader closes it.
#pragma once

#include <windows.h>

#include <string>

// Shows the report text at textPath, of the current report type, with the
// given title. owner (the birth-data dialog) is disabled meanwhile.
void openViewer(HWND owner, const std::string& title, const std::string& textPath);
