// A stand-in for the programs Vek.exe starts (the color chart program, the
// word processor), for the end-to-end tests: it records how it was started
// and what it found, and otherwise only shows an empty window.
//
// Started as FOLDER\NAME.exe, it writes beside itself, while its main window
// is being created (where the chart program reads its hand-off file):
//   NAME.command    its command line, exactly as it got it
//   NAME.intercom   a copy of FOLDER\Intercom, when there is one
// It takes a second before it looks, as a slow machine would, so a starter
// that deletes the hand-off file too early is caught. Its window is titled
// "Recorder - NAME" and shown as the starter asked.
#include <windows.h>

#include <string>

namespace {

const char CLASS_NAME[] = "HandoffRecorder";
const DWORD SLOW_START_MS = 1000;

std::string folder, name;

void writeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void record() {
    Sleep(SLOW_START_MS);
    const std::string base = folder + "\\" + name;
    CopyFileA((folder + "\\Intercom").c_str(), (base + ".intercom").c_str(), FALSE);
    writeFile(base + ".command", GetCommandLineA());
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        record();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string path = module;
    const std::size_t slash = path.find_last_of("\\/");
    folder = path.substr(0, slash);
    name = path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = CLASS_NAME;
    if (!RegisterClassA(&windowClass)) return 1;
    const std::string title = "Recorder - " + name;
    HWND window = CreateWindowA(CLASS_NAME, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 320,
                                200, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showMode);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
