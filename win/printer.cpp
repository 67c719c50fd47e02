#include "win/printer.h"

namespace win {

PrinterChoice::PrinterChoice() { dialog_.lStructSize = sizeof dialog_; }

PrinterChoice::~PrinterChoice() {
    if (dialog_.hDevMode) GlobalFree(dialog_.hDevMode);
    if (dialog_.hDevNames) GlobalFree(dialog_.hDevNames);
}

bool PrinterChoice::loadDefaults() {
    dialog_.Flags = PD_RETURNDEFAULT;
    return PrintDlgA(&dialog_) != FALSE && dialog_.hDevMode;
}

void PrinterChoice::setOrientationAndColor(short orientation, short color) {
    DEVMODEA* mode = static_cast<DEVMODEA*>(GlobalLock(dialog_.hDevMode));
    if (!mode) return;
    mode->dmOrientation = orientation;
    mode->dmColor = color;
    mode->dmFields |= DM_ORIENTATION | DM_COLOR;
    GlobalUnlock(dialog_.hDevMode);
}

bool PrinterChoice::choose(HWND owner, WORD firstPage, WORD lastPage) {
    dialog_.hwndOwner = owner;
    dialog_.Flags = PD_RETURNDC | PD_NOSELECTION;
    dialog_.nMinPage = firstPage;
    dialog_.nMaxPage = lastPage;
    dialog_.nFromPage = firstPage;
    dialog_.nToPage = firstPage;
    dialog_.hDC = nullptr;
    if (!PrintDlgA(&dialog_) || !dialog_.hDC) return false;
    dc_ = OwnedDc(dialog_.hDC);
    return true;
}

}  // namespace win
