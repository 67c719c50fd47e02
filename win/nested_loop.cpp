#include "win/nested_loop.h"

namespace win {

int runMessageLoop() {
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void runNestedLoop(HWND owner, HWND window) {
    if (owner) EnableWindow(owner, FALSE);
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    releaseOwner(owner);
}

}  // namespace win
