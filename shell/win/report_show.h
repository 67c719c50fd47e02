// "Generate Report" after the checks: make the report, then show it in the
// viewer or save it as an RTF document.
#pragma once

#include <windows.h>

// dialog is the birth-data dialog, which stays open and owns every message.
void generateReport(HWND dialog);
