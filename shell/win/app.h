// What the windows of Vek.exe share: the instance, the main window and its
// title, the cursors, and the small commands several windows offer (help,
// About, Check, the font choice).
#pragma once

#include <windows.h>

#include <string>

namespace app {

extern HINSTANCE instance;
extern HWND mainWindow;
extern HCURSOR arrowCursor;
extern HCURSOR fingerCursor;

// The title the birth-data dialogs give the main window; the viewer takes it.
const char* mainTitle();
void setMainTitle(const std::string& title);

// The help file at a context; a missing help file is said so.
void showHelp(HWND owner, unsigned context);
void closeHelp();

void showAbout(HWND owner);

// Check: the data the current report type uses, in the "Verify" box.
void showDataInUse(HWND owner);

// The font dialog; changes activeFont. True when a font was chosen.
bool chooseFont();

}  // namespace app
