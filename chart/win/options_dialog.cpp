#include "options_dialog.h"

#include "resource.h"
#include "win/dialog_kit.h"

namespace {

// Each option is a pair of radio buttons; the second one means 1.
struct OptionPair {
    int ChartOptions::*option;
    int first;
    int second;
};
const OptionPair PAIRS[] = {
    {&ChartOptions::thickLines, IDC_LINES_THIN, IDC_LINES_THICK},
    {&ChartOptions::boldFont, IDC_FONT_NORMAL, IDC_FONT_BOLD},
    {&ChartOptions::color, IDC_COLOR_OFF, IDC_COLOR_ON},
};

void load(HWND dialog, const ChartOptions& options) {
    for (const OptionPair& pair : PAIRS)
        CheckRadioButton(dialog, pair.first, pair.second, options.*pair.option ? pair.second : pair.first);
}

// A click on either button of a pair checks it and clears the other.
bool choose(HWND dialog, int button) {
    for (const OptionPair& pair : PAIRS)
        if (button == pair.first || button == pair.second) {
            CheckRadioButton(dialog, pair.first, pair.second, button);
            return true;
        }
    return false;
}

void store(HWND dialog, ChartOptions& options) {
    for (const OptionPair& pair : PAIRS) options.*pair.option = win::isChecked(dialog, pair.second) ? 1 : 0;
}

INT_PTR CALLBACK optionsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        win::keepDialogState(dialog, lParam);
        load(dialog, *win::dialogState<ChartOptions>(dialog));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            store(dialog, *win::dialogState<ChartOptions>(dialog));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return choose(dialog, LOWORD(wParam)) ? TRUE : FALSE;
    }
    return FALSE;
}

}  // namespace

void chooseChartOptions(HINSTANCE instance, HWND owner, ChartOptions& options) {
    ChartOptions draft = options;
    if (win::runDialog(instance, "OptionsDlg", owner, optionsDialog, draft) == IDOK) options = draft;
}
