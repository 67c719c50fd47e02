// Declaring a window class to the system, the same way for every window
// of the three programs.
#pragma once

#include <windows.h>

namespace win {

struct WindowClass {
    const char* name;
    WNDPROC procedure;
    HINSTANCE instance;
    const char* icon;        // an icon resource of the program
    HBRUSH background;
    const char* menu;        // nullptr: none
    UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
};

// True when the class is there afterwards (a second instance finds it
// registered already).
inline bool registerWindowClass(const WindowClass& wanted) {
    WNDCLASSA windowClass = {};
    windowClass.style = wanted.style;
    windowClass.lpfnWndProc = wanted.procedure;
    windowClass.hInstance = wanted.instance;
    windowClass.hIcon = LoadIconA(wanted.instance, wanted.icon);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = wanted.background;
    windowClass.lpszMenuName = wanted.menu;
    windowClass.lpszClassName = wanted.name;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace win
