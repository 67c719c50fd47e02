#include "shell/win/launchers.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

namespace {

// As long as the system's own start call gives a program to come up.
const DWORD START_TIME_LIMIT_MS = 30000;
const DWORD WAIT_SLICE_MS = 100;
// What the simple start call returns for a program that started.
const unsigned STARTED = 33;

// Waits until the program takes input, has ended, or the time limit passed.
// Messages sent to our windows meanwhile (a broadcast from the starting
// program) are answered, so neither side waits for the other.
void waitUntilReady(HANDLE process) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD idle = WaitForInputIdle(process, WAIT_SLICE_MS);
        if (idle == 0 || idle == WAIT_FAILED) return;
        if (WaitForSingleObject(process, 0) == WAIT_OBJECT_0) return;
        if (GetTickCount() - start >= START_TIME_LIMIT_MS) return;
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

class WindowsStarter : public ProgramStarter {
public:
    unsigned runCommand(const std::string& commandLine) override {
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMAXIMIZED;
        PROCESS_INFORMATION started = {};
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return startErrorFromSystemError(GetLastError());
        waitUntilReady(started.hProcess);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        return STARTED;
    }

    unsigned findAssociatedProgram(const std::string& document, const std::string& folder,
                                   std::string& program) override {
        char found[MAX_PATH] = "";
        const auto result = reinterpret_cast<UINT_PTR>(FindExecutableA(document.c_str(), folder.c_str(), found));
        if (result > 32) program = found;
        return static_cast<unsigned>(result);
    }

    unsigned openWith(const std::string& program, const std::string& document, const std::string& folder) override {
        return static_cast<unsigned>(reinterpret_cast<UINT_PTR>(
            ShellExecuteA(nullptr, "open", program.c_str(), document.c_str(), folder.c_str(), SW_SHOWMAXIMIZED)));
    }
};

}  // namespace

ProgramStarter& systemStarter() {
    static WindowsStarter starter;
    return starter;
}
