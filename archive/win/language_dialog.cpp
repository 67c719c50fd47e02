#include "archive/win/language_dialog.h"

#include "archive/language_list.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "shell/win/resource.h"
#include "win/dialog_kit.h"

namespace {

void onInit(HWND dialog) {
    buildLanguageList(folders.dataFolder, folders.programPath);
    for (int row = 0; row < languageCount; ++row) {
        std::uint8_t trailer[TRAILER_SIZE];
        win::addListLine(dialog, IDC_LANGUAGE_LIST, readTrailer(row, trailer) ? trailerDescription(trailer) : "");
    }
    const int index = settings.languageIndex;
    if (languageCount > 0) win::selectListLine(dialog, IDC_LANGUAGE_LIST, index >= 0 && index < languageCount ? index : 0);
}

void onOk(HWND dialog) {
    const int row = win::listSelection(dialog, IDC_LANGUAGE_LIST);
    if (row < 0) {
        EndDialog(dialog, 0);
        return;
    }
    settings.languageIndex = row;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK languageProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        onInit(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: onOk(dialog); return TRUE;
        case IDC_LANGUAGE_LIST:
            if (HIWORD(wParam) == LBN_DBLCLK) onOk(dialog);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        case IDC_HELP_LANGUAGE: app::showHelp(app::mainWindow, IDC_HELP_LANGUAGE); return TRUE;
        }
        break;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool runLanguageDialog(HWND owner) {
    return DialogBoxParamA(app::instance, "EditLanguageDlg", owner, languageProc, 0) == 1;
}
