// The message loops: a program's own, and that of a window with a loop of
// its own inside a modal step (the report viewer), whose owner is disabled
// while it runs.
#pragma once

#include <windows.h>

namespace win {

// A program's own message loop, until WM_QUIT; its exit code.
int runMessageLoop();

// Disables owner and dispatches the messages of every window of the thread
// until window is destroyed. A WM_QUIT met on the way is posted again for
// the outer loop, and the loop ends. The owner is enabled again at the end.
void runNestedLoop(HWND owner, HWND window);

// Called by the window before it is destroyed, so that the system gives
// the activation back to the owner rather than to another program.
inline void releaseOwner(HWND owner) {
    if (owner) EnableWindow(owner, TRUE);
}

}  // namespace win
