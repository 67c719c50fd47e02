#include "win/dialog_kit.h"

#include "platform/platform.h"

namespace win {

namespace {
HWND currentMessageOwner = nullptr;
}

std::string fieldText(HWND dialog, int field, int capacity) {
    std::vector<char> text(static_cast<std::size_t>(capacity > 1 ? capacity : 1), '\0');
    GetDlgItemTextA(dialog, field, text.data(), capacity);
    return text.data();
}

void setFieldText(HWND dialog, int field, const std::string& text) { SetDlgItemTextA(dialog, field, text.c_str()); }

unsigned fieldNumber(HWND dialog, int field) {
    BOOL ok = FALSE;
    const UINT value = GetDlgItemInt(dialog, field, &ok, FALSE);
    return ok ? value : 0;
}

void setFieldNumber(HWND dialog, int field, unsigned value) { SetDlgItemInt(dialog, field, value, FALSE); }

int fieldSignedNumber(HWND dialog, int field) {
    BOOL ok = FALSE;
    const INT value = static_cast<INT>(GetDlgItemInt(dialog, field, &ok, TRUE));
    return ok ? value : 0;
}

void setFieldSignedNumber(HWND dialog, int field, int value) { SetDlgItemInt(dialog, field, static_cast<UINT>(value), TRUE); }

void enableField(HWND dialog, int field, bool enabled) {
    if (HWND item = GetDlgItem(dialog, field)) EnableWindow(item, enabled);
}

void limitField(HWND dialog, int field, int characters) {
    SendDlgItemMessageA(dialog, field, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

bool isChecked(HWND dialog, int button) { return IsDlgButtonChecked(dialog, button) == BST_CHECKED; }

void setChecked(HWND dialog, int button, bool checked) {
    CheckDlgButton(dialog, button, checked ? BST_CHECKED : BST_UNCHECKED);
}

void focusField(HWND dialog, int field) {
    HWND item = GetDlgItem(dialog, field);
    if (!item) return;
    // The dialog manager's own way, so that the default button follows.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    if (SendMessageA(item, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(item, EM_SETSEL, 0, -1);
}

bool addListLine(HWND dialog, int list, const std::string& line) {
    const LRESULT added = SendDlgItemMessageA(dialog, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    return added != LB_ERR && added != LB_ERRSPACE;
}

void clearList(HWND dialog, int list) { SendDlgItemMessageA(dialog, list, LB_RESETCONTENT, 0, 0); }

int listSelection(HWND dialog, int list) {
    const LRESULT line = SendDlgItemMessageA(dialog, list, LB_GETCURSEL, 0, 0);
    return line == LB_ERR ? -1 : static_cast<int>(line);
}

void selectListLine(HWND dialog, int list, int line) {
    SendDlgItemMessageA(dialog, list, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

void deleteListLine(HWND dialog, int list, int line) {
    SendDlgItemMessageA(dialog, list, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
}

int refuse(HWND dialog, int field, const char* text) {
    MessageBoxA(dialog, text, "Error", MB_OK | MB_ICONSTOP);
    focusField(dialog, field);
    return 1;
}

bool confirm(HWND owner, const char* text, const char* caption) {
    return MessageBoxA(owner, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void inform(HWND owner, const char* text, const char* caption) {
    MessageBoxA(owner, text, caption, MB_OK | MB_ICONINFORMATION);
}

MessageOwnerScope::MessageOwnerScope(HWND owner) : previous_(currentMessageOwner) {
    currentMessageOwner = owner;
    platform::setMessageOwner(owner);
}

MessageOwnerScope::~MessageOwnerScope() {
    currentMessageOwner = previous_;
    platform::setMessageOwner(previous_);
}

}  // namespace win
