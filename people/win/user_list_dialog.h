// "User List": the people of the user log, to recall one into person1 or
// to delete entries.
#pragma once

#include <windows.h>

// True when an entry was recalled into person1.
bool runUserList(HWND owner);
