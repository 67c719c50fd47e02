// What a printed copy of a report must hold, for the end-to-end printing
// test: makes the report as "vek list" and "vek expand" do, lays it out for
// the default printer's device context (portrait, color) with the program's
// own layout code, and writes to standard output
//
//   pages N            the pages of the whole copy
//   footer P           each page that carries the footer
//   heading P TEXT     each contents entry's heading: its page and its text
//
//   printer_pages ARCHIVE [OPTIONS OF vek list ...]
#include "archive/list_expansion.h"
#include "cli/report_commands.h"
#include "compose/report_types.h"
#include "output/page_layout.h"
#include "output/printed_pages.h"
#include "output/rtf_writer.h"
#include "platform/win32/gdi_text_device.h"
#include "shell/report_state.h"

#include <windows.h>
#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The default printer as the program's print dialog starts with it.
HDC defaultPrinterDc() {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&dialog) || !dialog.hDevMode || !dialog.hDevNames) return nullptr;
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(dialog.hDevMode));
    auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog.hDevNames));
    mode->dmFields |= DM_ORIENTATION | DM_COLOR;
    mode->dmOrientation = DMORIENT_PORTRAIT;
    mode->dmColor = DMCOLOR_COLOR;
    const char* base = reinterpret_cast<const char*>(names);
    HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, base + names->wOutputOffset, mode);
    GlobalUnlock(dialog.hDevNames);
    GlobalUnlock(dialog.hDevMode);
    GlobalFree(dialog.hDevNames);
    GlobalFree(dialog.hDevMode);
    return dc;
}

bool run(const std::string& command, int status, const std::string& out, const std::string& err) {
    // Missing subjects (3) still make a report.
    if (status == 0 || status == 3) return true;
    std::fprintf(stderr, "printer_pages: %s failed (%d): %s%s", command.c_str(), status, out.c_str(), err.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: printer_pages ARCHIVE [OPTIONS OF vek list ...]\n");
        return 2;
    }
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string listPath = std::string(folder) + "printer_pages.list";
    const std::string textPath = std::string(folder) + "printer_pages.text";
    std::vector<std::string> listArgs(argv + 2, argv + argc);
    listArgs.insert(listArgs.end(), {"--archive", argv[1], "-o", listPath});
    std::string out, err;
    if (!run("vek list", runListCommand(listArgs, out, err), out, err)) return 1;
    out.clear(), err.clear();
    if (!run("vek expand", runExpandCommand({"--archive", argv[1], listPath, "-o", textPath}, out, err), out, err))
        return 1;

    HDC printer = defaultPrinterDc();
    if (!printer) {
        std::fprintf(stderr, "printer_pages: there is no default printer\n");
        return 1;
    }
    const auto device = platform::gdiTextDevice(printer);
    layoutReport(*device, LayoutKind::Printer, textPath, reportType);
    int pages = 0;
    std::string footers;
    walkPrintedPages(printedRange(false, 0, 0), [&](const PrintedPage& page) {
        pages = page.number;
        if (page.footer) footers += "footer " + std::to_string(page.number) + "\n";
        return true;
    });
    std::printf("pages %d\n%s", pages, footers.c_str());
    std::FILE* text = std::fopen(textPath.c_str(), "rb");
    for (int row = 0; text && row < indexEntryCount; ++row) {
        const int heading = lineAtOffset(indexTable[row].targetPosition + 1);
        if (heading < 0) continue;
        std::printf("heading %u %s\n", lineTable[static_cast<std::size_t>(heading)].page,
                    displayLineText(text, heading).c_str());
    }
    if (text) std::fclose(text);
    DeleteDC(printer);
    std::remove(listPath.c_str());
    std::remove((listPath + ".marks").c_str());
    std::remove(textPath.c_str());
    return 0;
}
