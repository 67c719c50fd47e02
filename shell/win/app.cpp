#include "shell/win/app.h"

#include "output/data_in_use.h"
#include "output/page_layout.h"
#include "platform/platform.h"
#include "shell/report_state.h"
#include "shell/startup.h"
#include "win/dialog_kit.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

namespace app {

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr;
HCURSOR arrowCursor = nullptr;
HCURSOR fingerCursor = nullptr;

namespace {
char title[80] = "Tamsi Numerology Master";
bool helpOpened = false;
}  // namespace

const char* mainTitle() { return title; }

void setMainTitle(const std::string& text) {
    std::snprintf(title, sizeof title, "%s", text.c_str());
    if (mainWindow) SetWindowTextA(mainWindow, title);
}

void showHelp(HWND owner, unsigned context) {
    if (!platform::fileExists(folders.helpFile)) {
        const std::string text = "The help file " + folders.helpFile + " is missing.";
        MessageBoxA(owner, text.c_str(), "Help", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (WinHelpA(owner, folders.helpFile.c_str(), HELP_CONTEXT, context)) helpOpened = true;
}

void closeHelp() {
    if (helpOpened) WinHelpA(mainWindow, folders.helpFile.c_str(), HELP_QUIT, 0);
    helpOpened = false;
}

void showAbout(HWND owner) {
    win::inform(owner, "Tamsi Numerology Master\nVersion: 8.0\nRelease date: 10/15/2004", "About this Program");
}

void showDataInUse(HWND owner) { win::inform(owner, dataInUseText(reportType).c_str(), "Verify"); }

bool chooseFont() {
    ReportFont shown = activeFont;
    shown.italic = shown.underline = 0;
    shown.weight = 400;
    LOGFONTA font;
    static_assert(sizeof font == sizeof shown, "the report font is a logical-font record");
    std::memcpy(&font, &shown, sizeof font);
    CHOOSEFONTA choice = {};
    choice.lStructSize = sizeof choice;
    choice.lpLogFont = &font;
    choice.Flags = CF_SCREENFONTS | CF_TTONLY | CF_INITTOLOGFONTSTRUCT;
    const bool chosen = ChooseFontA(&choice) != FALSE;
    ReportFont picked;
    std::memcpy(&picked, &font, sizeof picked);
    activeFont = chooseReportFont(activeFont, chosen ? &picked : nullptr);
    return chosen;
}

}  // namespace app
