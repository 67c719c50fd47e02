// The birth-data dialogs of every report type, one procedure for all.
#pragma once

#include <windows.h>

// Opens the current report type's birth-data dialog; returns when it closes.
void runBirthDataDialog(HWND owner);
