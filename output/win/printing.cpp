#include "output/win/printing.h"

#include "output/page_layout.h"
#include "output/printed_pages.h"
#include "output/win/line_drawing.h"

#include <commdlg.h>

#include <cstdio>

namespace {

// The dialog's record lives from the dialog to the printing: its page range
// is read there.
PRINTDLGA printDialog;

const char DOCUMENT_NAME[] = "VEK: Report";

// The dialog's device settings and names, given back once the device
// context is made.
void freeDeviceHandles() {
    if (printDialog.hDevMode) GlobalFree(printDialog.hDevMode);
    if (printDialog.hDevNames) GlobalFree(printDialog.hDevNames);
    printDialog.hDevMode = printDialog.hDevNames = nullptr;
}

void forcePortraitAndColor(HGLOBAL deviceMode) {
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(deviceMode));
    if (!mode) return;
    mode->dmFields |= DM_ORIENTATION | DM_COLOR;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    mode->dmColor = DMCOLOR_COLOR;
    GlobalUnlock(deviceMode);
}

// The rule and "Page n" under the text area, in Arial one eighth of an inch high.
void drawFooter(HDC dc, int page) {
    const PageLayout& l = pageLayout;
    win::Font font(CreateFontA(footerFontHeight(l.pixelsPerInchY), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                               ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                               VARIABLE_PITCH | FF_SWISS, "Arial"));
    win::Selected selected(dc, font);
    const int ruleY = footerRuleY(l);
    MoveToEx(dc, l.footer.left, ruleY, nullptr);
    LineTo(dc, l.footer.right, ruleY);
    const std::string text = footerText(page);
    RECT area = {l.footer.left, l.footer.top, l.footer.right, l.footer.bottom};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

std::string pageFailure(int page) {
    char text[160];
    std::snprintf(text, sizeof text, "The printer did not take page %d, so printing was stopped and the document "
                                     "cancelled.", page);
    return text;
}

}  // namespace

win::OwnedDc getPrinterDC(HWND owner) {
    freeDeviceHandles();
    ZeroMemory(&printDialog, sizeof printDialog);
    printDialog.lStructSize = sizeof printDialog;
    printDialog.hwndOwner = owner;
    printDialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&printDialog) || !printDialog.hDevMode) {
        freeDeviceHandles();
        return win::OwnedDc();
    }
    forcePortraitAndColor(printDialog.hDevMode);
    printDialog.nMinPage = 1;
    printDialog.nMaxPage = 65535;
    printDialog.nFromPage = 1;
    printDialog.nToPage = 65535;
    printDialog.Flags = PD_RETURNDC | PD_NOSELECTION;
    const bool chosen = PrintDlgA(&printDialog) != FALSE;
    freeDeviceHandles();
    return win::OwnedDc(chosen ? printDialog.hDC : nullptr);
}

std::string printReport(HDC dc, const std::string& textPath) {
    const PageRange range =
        printedRange((printDialog.Flags & PD_PAGENUMS) != 0, printDialog.nFromPage, printDialog.nToPage);
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = DOCUMENT_NAME;
    if (StartDocA(dc, &document) <= 0) {
        const bool cancelled = GetLastError() == ERROR_CANCELLED;
        EndDoc(dc);
        return cancelled ? "" : "The printer could not start the document; nothing was printed.";
    }
    StyleFonts fonts;
    fonts.makeForLayout();
    int failedPage = 0;
    {
        const win::CursorScope wait(LoadCursor(nullptr, IDC_WAIT));
        walkPrintedPages(range, [&](const PrintedPage& page) {
            if (StartPage(dc) <= 0) {
                failedPage = page.number;
                return false;
            }
            drawPlacedLines(dc, textPath, page.lines, DrawMode::Print, fonts, NO_ENTRY);
            if (page.footer) drawFooter(dc, page.number);
            if (EndPage(dc) <= 0) {
                failedPage = page.number;
                return false;
            }
            return true;
        });
    }
    if (failedPage) {
        AbortDoc(dc);
        return pageFailure(failedPage);
    }
    if (EndDoc(dc) <= 0) return "The printer could not finish the document.";
    return "";
}
