// "User List": the user log's people in a list, the selected one painted
// below it, Recall, Delete.
#include "people/win/user_list_dialog.h"

#include "compose/list_writer.h"
#include "people/birth_data_form.h"
#include "people/user_log.h"
#include "platform/platform.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "shell/win/resource.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"

#include <vector>

namespace {

const char* const MSG_SELECT_ITEM = "Select an item in the list.";

struct UserList {
    std::vector<PersonRecord> entries;
    int current = -1;  // the selected entry, -1 when the list is empty
    HWND dialog = nullptr;
};

std::string listLine(const PersonRecord& p) { return std::string(p.currentLast) + ",  " + p.currentFirst; }

void repaint(HWND dialog) { InvalidateRect(dialog, nullptr, TRUE); }

void onInit(HWND dialog, UserList& list) {
    list.dialog = dialog;
    list.entries = loadUserLog(folders.userLog);
    sortUserLog(list.entries);
    for (const PersonRecord& entry : list.entries)
        if (!win::addListLine(dialog, IDC_USER_LIST, listLine(entry)))
            platform::fatalExit("Too many entries in User Log.");
    list.current = list.entries.empty() ? -1 : 0;
    if (list.current >= 0) win::selectListLine(dialog, IDC_USER_LIST, 0);
    repaint(dialog);
}

void onPaint(HWND dialog, const UserList& list) {
    win::PaintDc dc(dialog);
    win::Selected font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    auto draw = [&](int x, int y, const std::string& text) {
        TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
    };
    if (list.current < 0) {
        draw(160, 160, "(list is empty)");
        return;
    }
    const PersonRecord& p = list.entries[static_cast<std::size_t>(list.current)];
    const char* month = monthName(p.birthMonth);
    const UserListLines lines = userListLines(p, *month ? month : englishMonthName(p.birthMonth));
    draw(160, 160, lines.name);
    draw(118, 190, lines.born);
    draw(160, 210, lines.date);
}

void onSelectionChange(UserList& list) {
    const int line = win::listSelection(list.dialog, IDC_USER_LIST);
    if (line < 0) {
        win::refuse(list.dialog, IDC_USER_LIST, MSG_SELECT_ITEM);
        return;
    }
    list.current = line;
    repaint(list.dialog);
}

// The list box's selection is the current entry, however it was made.
void takeSelection(UserList& list) {
    const int line = win::listSelection(list.dialog, IDC_USER_LIST);
    if (line >= 0 && line < static_cast<int>(list.entries.size())) list.current = line;
}

void onRecall(UserList& list) {
    takeSelection(list);
    const bool chosen = list.current >= 0;
    if (chosen) person1 = list.entries[static_cast<std::size_t>(list.current)];
    EndDialog(list.dialog, chosen ? 1 : 0);
}

void onDelete(UserList& list) {
    takeSelection(list);
    if (list.entries.empty() || list.current < 0) return;
    win::deleteListLine(list.dialog, IDC_USER_LIST, list.current);
    {
        win::MessageOwnerScope owner(list.dialog);
        deleteUserLogEntry(folders.userLog, list.entries, list.current);
    }
    const int count = static_cast<int>(list.entries.size());
    if (list.current >= count) list.current = count - 1;
    if (list.current >= 0) win::selectListLine(list.dialog, IDC_USER_LIST, list.current);
    repaint(list.dialog);
}

INT_PTR CALLBACK userListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        win::keepDialogState(dialog, lParam);
        onInit(dialog, *reinterpret_cast<UserList*>(lParam));
        return TRUE;
    }
    UserList* list = win::dialogState<UserList>(dialog);
    if (!list || !list->dialog) return FALSE;
    switch (message) {
    case WM_PAINT:
        onPaint(dialog, *list);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_USER_LIST:
            if (HIWORD(wParam) == LBN_SELCHANGE) onSelectionChange(*list);
            if (HIWORD(wParam) == LBN_DBLCLK) onRecall(*list);
            return TRUE;
        case IDOK: onRecall(*list); return TRUE;
        case IDC_DELETE_ENTRY: onDelete(*list); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0); return TRUE;
        }
        break;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool runUserList(HWND owner) {
    UserList list;
    return win::runDialog(app::instance, "UsersDlg", owner, userListProc, list) == 1;
}
