#include "shell/win/char_map_dialog.h"

#include "output/page_layout.h"
#include "shell/char_map.h"
#include "shell/settings.h"
#include "shell/win/app.h"
#include "shell/win/resource.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"

#include <string>
#include <vector>

namespace {

struct CharMapDialog {
    HWND dialog = nullptr;
    std::vector<std::string> lines;
    int key = NO_KEY;     // a code of the grid, or none
    int target = 0;       // a position of the target row, or 0 for none
    win::Font bold;       // the grid's characters
};

win::Font boldReportFont() {
    LOGFONTA font = {};
    font.lfHeight = -13;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = activeFont.charSet;
    font.lfOutPrecision = activeFont.outPrecision;
    font.lfClipPrecision = activeFont.clipPrecision;
    font.lfQuality = activeFont.quality;
    font.lfPitchAndFamily = activeFont.pitchAndFamily;
    lstrcpynA(font.lfFaceName, activeFont.faceName, LF_FACESIZE);
    return win::Font(CreateFontIndirectA(&font));
}

void line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void text(HDC dc, int x, int y, const std::string& s) { TextOutA(dc, x, y, s.c_str(), static_cast<int>(s.size())); }

void invert(HDC dc, const CellBox& cell) {
    const RECT box = {cell.left, cell.top, cell.right, cell.bottom};
    InvertRect(dc, &box);
}

void onPaint(CharMapDialog& state) {
    win::PaintDc dc(state.dialog);
    SetBkMode(dc, TRANSPARENT);
    for (int r = 1; r <= 8; ++r) line(dc, 10, 18 * r + 20, 522, 18 * r + 20);
    for (int c = 0; c <= 32; ++c) line(dc, 16 * c + 10, 38, 16 * c + 10, 164);
    {
        win::Selected font(dc, state.bold);
        for (int code = 32; code < 256; ++code) text(dc, keyTextX(code), keyTextY(code), std::string(1, static_cast<char>(code)));
    }
    win::Selected system(dc, GetStockObject(SYSTEM_FONT));
    line(dc, 26, TARGET_TOP, 522, TARGET_TOP);
    line(dc, 26, TARGET_BOTTOM, 522, TARGET_BOTTOM);
    for (int c = 1; c <= 32; ++c) line(dc, 16 * c + 10, TARGET_TOP, 16 * c + 10, TARGET_BOTTOM);
    for (int p = 1; p < TARGET_COUNT; ++p) text(dc, targetTextX(p), TARGET_TEXT_Y, std::string(1, TARGET_ROW[p]));
    if (state.key != NO_KEY) invert(dc, keyCell(state.key));
    if (state.target != 0) invert(dc, targetCell(state.target));
    if (state.key == NO_KEY || state.target == 0) return;
    // The sentence runs on from one piece to the next.
    const UINT alignment = SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, SENTENCE_X, SENTENCE_Y, nullptr);
    text(dc, 0, 0, "This entry will cause the '");
    {
        win::Selected font(dc, state.bold);
        text(dc, 0, 0, std::string(1, static_cast<char>(state.key)));
    }
    text(dc, 0, 0, mappingSentenceEnd(state.key, TARGET_ROW[state.target]));
    SetTextAlign(dc, alignment);
}

void repaint(const CharMapDialog& state) { InvalidateRect(state.dialog, nullptr, TRUE); }

void clearSelections(CharMapDialog& state) {
    state.key = NO_KEY;
    state.target = 0;
}

void onClick(CharMapDialog& state, int x, int y) {
    const int key = keyAt(x, y);
    if (key >= 0) {
        state.key = key;
    } else {
        const int target = targetAt(x, y);
        if (target < 0) return;
        state.target = target;
    }
    repaint(state);
}

void onAdd(CharMapDialog& state) {
    if (state.key == NO_KEY || state.target == 0) return;
    int found = -1;
    switch (addMapping(state.lines, static_cast<char>(state.key), TARGET_ROW[state.target], found)) {
    case AddResult::Added:
        win::addListLine(state.dialog, IDC_MAPPING_LIST, state.lines.back());
        win::selectListLine(state.dialog, IDC_MAPPING_LIST, found);
        clearSelections(state);
        repaint(state);
        break;
    case AddResult::Conflict:
        MessageBoxA(state.dialog, MSG_MAPPING_CONFLICT, "Conflict", MB_OK | MB_ICONSTOP);
        win::selectListLine(state.dialog, IDC_MAPPING_LIST, found);
        break;
    default:
        break;
    }
}

void onRemove(CharMapDialog& state) {
    const int selected = win::listSelection(state.dialog, IDC_MAPPING_LIST);
    if (selected >= 0 && selected < static_cast<int>(state.lines.size())) {
        state.lines.erase(state.lines.begin() + selected);
        win::deleteListLine(state.dialog, IDC_MAPPING_LIST, selected);
    }
    win::selectListLine(state.dialog, IDC_MAPPING_LIST, static_cast<int>(state.lines.size()) - 1);
    clearSelections(state);
    repaint(state);
}

void onInit(CharMapDialog& state) {
    state.bold = boldReportFont();
    state.lines = mappingLines(settings.charMap);
    for (std::size_t i = 0; i < state.lines.size(); ++i) {
        win::addListLine(state.dialog, IDC_MAPPING_LIST, state.lines[i]);
        win::selectListLine(state.dialog, IDC_MAPPING_LIST, static_cast<int>(i));
    }
    clearSelections(state);
}

void onCommand(CharMapDialog& state, int command) {
    HWND dialog = state.dialog;
    switch (command) {
    case IDC_ADD_MAPPING: onAdd(state); break;
    case IDC_REMOVE_MAPPING: onRemove(state); break;
    case IDC_REMOVE_ALL_MAPPINGS:
        state.lines.clear();
        win::clearList(dialog, IDC_MAPPING_LIST);
        break;
    case IDOK:
        mapFromLines(state.lines, settings.charMap);
        EndDialog(dialog, 1);
        break;
    case IDCANCEL: EndDialog(dialog, 1); break;
    case IDC_HELP_CHAR_MAP: app::showHelp(dialog, IDC_HELP_CHAR_MAP); break;
    default: break;
    }
}

INT_PTR CALLBACK charMapProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        win::keepDialogState(dialog, lParam);
        CharMapDialog& state = *reinterpret_cast<CharMapDialog*>(lParam);
        state.dialog = dialog;
        onInit(state);
        return TRUE;
    }
    CharMapDialog* state = win::dialogState<CharMapDialog>(dialog);
    if (!state || !state->dialog) return FALSE;
    switch (message) {
    case WM_PAINT:
        onPaint(*state);
        return TRUE;
    case WM_LBUTTONDOWN:
        onClick(*state, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) onCommand(*state, LOWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool runCharMapDialog(HWND owner) {
    CharMapDialog state;
    return win::runDialog(app::instance, "EditFmapDlg", owner, charMapProc, state) == 1;
}
