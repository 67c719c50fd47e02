// The print dialog's settings and the printer device context it gives,
// released with their owner.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "win/gdi.h"

namespace win {

class PrinterChoice {
public:
    PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;
    ~PrinterChoice();

    // The default printer's settings, without showing anything; false when
    // there is no default printer.
    bool loadDefaults();
    // Sets the page orientation (DMORIENT_...) and colour (DMCOLOR_...) in
    // the settings and marks both as set.
    void setOrientationAndColor(short orientation, short color);
    // Shows the print dialog with these settings and asks for a device
    // context; false on cancel or failure. The selection choice is hidden.
    bool choose(HWND owner, WORD firstPage, WORD lastPage);
    HDC dc() const { return dc_; }

private:
    PRINTDLGA dialog_ = {};
    OwnedDc dc_;
};

// One document on a printer: started by start(), ended by its owner unless
// abort() gave it up.
class PrintDocument {
public:
    explicit PrintDocument(HDC printer) : printer_(printer) {}
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;
    ~PrintDocument() {
        if (started_) EndDoc(printer_);
    }
    bool start(const char* name) {
        DOCINFOA info = {};
        info.cbSize = sizeof info;
        info.lpszDocName = name;
        started_ = StartDocA(printer_, &info) > 0;
        return started_;
    }
    void abort() {
        if (started_) AbortDoc(printer_);
        started_ = false;
    }

private:
    HDC printer_;
    bool started_ = false;
};

}  // namespace win
