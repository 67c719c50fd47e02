// Printing the report from the viewer: the print dialog, and the pages of a
// report laid out for the chosen printer.
#pragma once

#include "win/gdi.h"

#include <windows.h>

#include <string>

// Shows the print dialog (portrait and color set, pages 1 to 65535, no
// "selection" choice) over owner. Returns the chosen printer's device
// context, or none when the reader cancels or there is no default printer.
win::OwnedDc getPrinterDC(HWND owner);

// Prints the report at textPath, which the caller has laid out for dc:
// the pages chosen in the last print dialog, each with the footer once
// the body has begun. Returns what went wrong for the reader, or "" when
// the document was printed (or the reader cancelled it).
std::string printReport(HDC dc, const std::string& textPath);
