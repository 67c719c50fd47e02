// The plumbing every dialog of the three programs shares: fields, numbers,
// check boxes and lists; the "Error" box that belongs to the dialog and
// puts the focus on the field; confirmations; the dialog's own state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win {

// ---- fields ----
// A field's text, at most capacity - 1 characters.
std::string fieldText(HWND dialog, int field, int capacity = 80);
void setFieldText(HWND dialog, int field, const std::string& text);
// The field as an unsigned number: text that isn't one reads as 0.
unsigned fieldNumber(HWND dialog, int field);
void setFieldNumber(HWND dialog, int field, unsigned value);
// A signed number: 0 when the text isn't one.
int fieldSignedNumber(HWND dialog, int field);
void setFieldSignedNumber(HWND dialog, int field, int value);
void enableField(HWND dialog, int field, bool enabled);
void limitField(HWND dialog, int field, int characters);
bool isChecked(HWND dialog, int button);
void setChecked(HWND dialog, int button, bool checked);
void focusField(HWND dialog, int field);

// ---- list boxes ----
// False when the list box refuses the line (no room left).
bool addListLine(HWND dialog, int list, const std::string& line);
void clearList(HWND dialog, int list);
int listSelection(HWND dialog, int list);  // -1: none
void selectListLine(HWND dialog, int list, int line);
void deleteListLine(HWND dialog, int list, int line);

// ---- boxes ----
// The "Error" box with the stop icon, owned by the dialog; then the focus
// goes to the field. Returns 1, as the checks that call it do.
int refuse(HWND dialog, int field, const char* text);
// A yes/no question; true for yes.
bool confirm(HWND owner, const char* text, const char* caption = "Confirm");
void inform(HWND owner, const char* text, const char* caption);

// Boxes the core raises while a dialog works belong to that dialog for the
// scope's life; the previous owner comes back after it.
class MessageOwnerScope {
public:
    explicit MessageOwnerScope(HWND owner);
    MessageOwnerScope(const MessageOwnerScope&) = delete;
    MessageOwnerScope& operator=(const MessageOwnerScope&) = delete;
    ~MessageOwnerScope();

private:
    HWND previous_;
};

// ---- the dialog's state ----
// A dialog's state travels in its own memory: DialogBoxParam hands it over
// and WM_INITDIALOG keeps it.
template <typename State>
INT_PTR runDialog(HINSTANCE instance, const char* templateName, HWND owner, DLGPROC procedure, State& state) {
    return DialogBoxParamA(instance, templateName, owner, procedure, reinterpret_cast<LPARAM>(&state));
}

inline void keepDialogState(HWND dialog, LPARAM state) { SetWindowLongPtrA(dialog, DWLP_USER, state); }

template <typename State>
State* dialogState(HWND dialog) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace win
