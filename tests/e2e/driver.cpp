// The end-to-end test driver: runs one of our Windows programs and works it
// as a user would, from a script, under the same Windows (or Wine).
//
//   e2e_driver SCRIPT
//
// A script is UTF-8 text, one command per line; blanks separate words, double quotes
// hold blanks and the escapes \n \t \" \\; "#" starts a comment line. Every
// "expect" and "wait" command polls until its condition holds or its time
// runs out (5 s unless a last word "within MS" says otherwise), so nothing
// depends on how fast the program answers. The first failure ends the run
// with exit status 1 and a message naming the script's line.
//
// Commands:
//   start PATH [ARGUMENT...]       start the program under test
//   window CLASS TITLE             wait for its top-level window ("*" matches any), work on it
//   dialog TITLE                   the same for a dialog or message box
//   gone CLASS TITLE               wait until no such window is left
//   absent CLASS TITLE MS          fail if such a window shows up within MS
//   other-window, other-dialog, other-gone, other-absent
//                                  the same for the windows of programs that the
//                                  program under test started, not its own
//   expect-title TEXT              the window's caption
//   set-text ID TEXT               a control's text
//   expect-text ID TEXT
//   expect-list ID [ITEM...]       a list box's lines, exactly
//   select ID LINE                 select a list box line (0 first, -1 none)
//   double-click ID                a double-click in a list box
//   click ID|TEXT                  a button, by its identifier or its text ("&" ignored)
//   check ID 0|1                   sets a check box or radio button as a click would leave it
//   expect-checked ID 0|1          whether a check box or radio button is checked
//   press-button ID                a button pressed as the mouse does it, so that a radio
//                                  button or check box changes too (a common dialog's choices)
//   command ID [PARAMETER]         a menu command by its identifier (the parameter as lParam)
//   expect-focus ID                the control that has the keyboard focus
//   expect-enabled 0|1             whether the window takes input
//   expect-control-enabled ID 0|1  whether one of its controls takes input
//   push ID                        a button pressed as by the mouse: radio buttons
//                                  and check boxes change their state
//   command ID [PARAMETER]         a menu command by its identifier (the parameter as lParam)
//   expect-focus ID                the control that has the keyboard focus
//   expect-enabled 0|1             whether the window takes input
//   expect-maximized 0|1           whether the window is maximized
//   open-menu LETTER               opens the menu bar's menu of that mnemonic
//   key CODE                       a key press (a virtual-key code) sent to the window
//   post MESSAGE WPARAM LPARAM     any message posted to the window (numbers)
//   expect-box-text TEXT           the text of a message box (its static text)
//   expect-box-like PATTERN        the same, "*" standing for any run of characters, "?" for one
//   press X Y / move X Y / release X Y / move-free X Y
//                                  the left mouse button at client coordinates
//                                  (move holds the button, move-free does not)
//   expect-pixel X Y RRGGBB        the colour on screen at client coordinates
//   sleep MS
//   screenshot NAME                asks the harness for a picture of the screen
//   wait-exit [CODE]               the program ends (with that exit status)
//   write-file PATH HEX...         a file of these bytes; "NNxHH" repeats a byte
//   append-file PATH HEX...        these bytes added at the file's end
//   expect-size PATH BYTES
//   expect-bytes PATH OFFSET HEX...
//   expect-u32 PATH OFFSET MIN [MAX]  a little-endian number in a range
//   expect-string PATH OFFSET TEXT    a zero-terminated string
//   expect-no-file PATH
//   wait-no-file PATH              the file is gone (polls, as expect does)
//   expect-same PATH1 PATH2        two files of the same bytes
//   expect-file PATH TEXT          a file of exactly these bytes (escapes as above)
//   copy-file FROM TO              a copy of a file, replacing TO
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const DWORD DEFAULT_WAIT_MS = 5000;
const DWORD POLL_MS = 25;

std::string scriptName;
int lineNumber = 0;
PROCESS_INFORMATION child = {};
bool childStarted = false;
HWND target = nullptr;

void requestFailureShot();

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "%s:%d: %s\n", scriptName.c_str(), lineNumber, why.c_str());
    std::fflush(stderr);
    requestFailureShot();
    if (childStarted) TerminateProcess(child.hProcess, 99);
    std::exit(1);
}

void note(const std::string& text) {
    std::printf("%s:%d: %s\n", scriptName.c_str(), lineNumber, text.c_str());
    std::fflush(stdout);
}

// ---- the script ----

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            while (i < line.size() && line[i] != '"') {
                char c = line[i++];
                if (c == '\\' && i < line.size()) {
                    const char escaped = line[i++];
                    c = escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped == 't' ? '\t' : escaped;
                }
                word += c;
            }
            if (i >= line.size()) fail("a quoted word has no closing quote");
            ++i;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

long number(const std::string& word) {
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 0);
    if (word.empty() || *end != '\0') fail("not a number: " + word);
    return value;
}

std::string shown(const std::string& text) {
    std::string out = "\"";
    for (char c : text) out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    return out + "\"";
}

// ---- waiting ----

template <typename Condition>
bool waitFor(DWORD limitMs, Condition condition) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= limitMs) return false;
        Sleep(POLL_MS);
    }
}

// ---- windows ----

// Texts travel between processes as UTF-16 and are compared in the
// programs' own code page.
std::string narrow(const wchar_t* text) {
    char out[8192] = "";
    WideCharToMultiByte(1252, 0, text, -1, out, sizeof out, nullptr, nullptr);
    return out;
}

// Script words are UTF-8; the programs' texts are Windows-1252.
std::string fromUtf8(const std::string& text) {
    wchar_t wide[8192] = L"";
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide, sizeof wide / sizeof wide[0]);
    return narrow(wide);
}

std::wstring widen(const std::string& text) {
    wchar_t out[8192] = L"";
    MultiByteToWideChar(1252, 0, text.c_str(), -1, out, sizeof out / sizeof out[0]);
    return out;
}

std::string windowText(HWND window) {
    wchar_t text[4096] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, nullptr);
    return narrow(text);
}

std::string classOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool matches(const std::string& pattern, const std::string& text) { return pattern == "*" || pattern == text; }

struct WindowQuery {
    std::string className, title;
    bool otherProcess;  // a window of another program than the one under test
    HWND found = nullptr;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM parameter) {
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(parameter);
    if (!IsWindowVisible(window)) return TRUE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (query.otherProcess) {
        if (process == GetCurrentProcessId() || (childStarted && process == child.dwProcessId)) return TRUE;
    } else if (childStarted && process != child.dwProcessId) {
        return TRUE;
    }
    if (!matches(query.className, classOf(window)) || !matches(query.title, windowText(window))) return TRUE;
    query.found = window;
    return FALSE;
}

// Which programs' windows the window commands look at.
bool lookAtOtherPrograms = false;

HWND findWindow(const std::string& className, const std::string& title) {
    WindowQuery query{className, title, lookAtOtherPrograms};
    EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND needTarget() {
    if (!target || !IsWindow(target)) fail("no window to work on (use window or dialog first)");
    return target;
}

HWND control(const std::string& id) {
    HWND item = GetDlgItem(needTarget(), static_cast<int>(number(id)));
    if (!item) fail("the window has no control " + id);
    return item;
}

std::string withoutMnemonic(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

struct ChildQuery {
    std::string className, text;
    HWND found = nullptr;
};

BOOL CALLBACK considerChild(HWND window, LPARAM parameter) {
    ChildQuery& query = *reinterpret_cast<ChildQuery*>(parameter);
    if (_stricmp(classOf(window).c_str(), query.className.c_str()) != 0) return TRUE;
    const std::string text = windowText(window);
    if (query.text.empty() ? text.empty() : withoutMnemonic(text) != query.text) return TRUE;
    query.found = window;
    return FALSE;
}

HWND childWith(const std::string& className, const std::string& text) {
    ChildQuery query{className, text};
    EnumChildWindows(needTarget(), considerChild, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// A message box's text is its one static control that holds text.
BOOL CALLBACK collectStaticText(HWND window, LPARAM parameter) {
    if (_stricmp(classOf(window).c_str(), "Static") == 0) {
        const std::string text = windowText(window);
        if (!text.empty()) *reinterpret_cast<std::string*>(parameter) += text;
    }
    return TRUE;
}

std::string boxText() {
    std::string text;
    EnumChildWindows(needTarget(), collectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::vector<std::string> listLines(HWND list) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        if (length < 0 || length > 4000) break;
        std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&line[0]));
        lines.push_back(narrow(line.c_str()));
    }
    return lines;
}

void postMouse(UINT message, WPARAM keys, const std::string& x, const std::string& y) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(number(x)), static_cast<WORD>(number(y)));
    if (!PostMessageA(needTarget(), message, keys, at)) fail("the window took no mouse message");
}

COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, 1, 1, screen, x, y, SRCCOPY);
    const COLORREF colour = GetPixel(memory, 0, 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colour;
}

// ---- files ----

std::string readFile(const std::string& path, bool* exists = nullptr) {
    std::ifstream in(path, std::ios::binary);
    if (exists) *exists = static_cast<bool>(in);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string needFile(const std::string& path) {
    bool exists = false;
    std::string bytes = readFile(path, &exists);
    if (!exists) fail("no file " + path);
    return bytes;
}

// "0A", "FF" or "40x00" (forty zero bytes).
std::string hexBytes(const std::vector<std::string>& words, std::size_t first) {
    std::string bytes;
    for (std::size_t i = first; i < words.size(); ++i) {
        std::string word = words[i];
        long repeat = 1;
        const std::size_t times = word.find('x');
        if (times != std::string::npos && times > 0) {
            repeat = number(word.substr(0, times));
            word = word.substr(times + 1);
        }
        if (word.size() != 2) fail("not a byte in hexadecimal: " + words[i]);
        const char value = static_cast<char>(std::strtol(word.c_str(), nullptr, 16));
        bytes.append(static_cast<std::size_t>(repeat), value);
    }
    return bytes;
}

std::string hexOf(const std::string& bytes) {
    std::string out;
    char hex[4];
    for (unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02X ", c);
        out += hex;
    }
    return out;
}

// ---- screenshots ----

// The harness watches the folder in E2E_SHOTS: a NAME.request file asks it
// for a picture, and it deletes the request when the picture is taken.
void screenshot(const std::string& name) {
    const char* folder = std::getenv("E2E_SHOTS");
    if (!folder || !*folder) return;
    const std::string request = std::string(folder) + "\\" + name + ".request";
    std::ofstream(request.c_str()) << name << "\n";
    if (!waitFor(20000, [&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; }))
        fail("the harness took no screenshot " + name);
    note("screenshot " + name);
}

// The screen as it was when a check failed, without waiting long for it.
void requestFailureShot() {
    const char* folder = std::getenv("E2E_SHOTS");
    if (!folder || !*folder) return;
    const std::string request = std::string(folder) + "\\failure.request";
    std::ofstream(request.c_str()) << "failure\n";
    waitFor(5000, [&] { return GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

// "*" stands for any run of characters, "?" for any one.
bool globMatches(const char* pattern, const char* text) {
    if (*pattern == '\0') return *text == '\0';
    if (*pattern == '*') return globMatches(pattern + 1, text) || (*text && globMatches(pattern, text + 1));
    if (*text == '\0') return false;
    return (*pattern == '?' || *pattern == *text) && globMatches(pattern + 1, text + 1);
}

// ---- the commands ----

void need(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() < count) fail("too few words for " + words[0]);
}

void run(std::vector<std::string> words) {
    DWORD limit = DEFAULT_WAIT_MS;
    if (words.size() >= 3 && words[words.size() - 2] == "within") {
        limit = static_cast<DWORD>(number(words.back()));
        words.resize(words.size() - 2);
    }
    std::string command = words[0];
    const std::string otherPrefix = "other-";
    lookAtOtherPrograms = command.compare(0, otherPrefix.size(), otherPrefix) == 0;
    if (lookAtOtherPrograms) command.erase(0, otherPrefix.size());
    if (lookAtOtherPrograms && command != "window" && command != "dialog" && command != "gone" && command != "absent")
        fail("unknown command " + words[0]);

    if (command == "start") {
        need(words, 2);
        std::string commandLine = "\"" + words[1] + "\"";
        for (std::size_t i = 2; i < words.size(); ++i) commandLine += " \"" + words[i] + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(words[1].c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &child))
            fail("can't start " + words[1]);
        childStarted = true;
        WaitForInputIdle(child.hProcess, 10000);
    } else if (command == "window" || command == "dialog") {
        const bool dialog = command == "dialog";
        need(words, dialog ? 2 : 3);
        const std::string className = dialog ? "#32770" : words[1];
        const std::string title = dialog ? words[1] : words[2];
        HWND found = nullptr;
        if (!waitFor(limit, [&] { return (found = findWindow(className, title)) != nullptr; }))
            fail("no window " + shown(title) + " of class " + className);
        target = found;
    } else if (command == "gone") {
        need(words, 3);
        if (!waitFor(limit, [&] { return findWindow(words[1], words[2]) == nullptr; }))
            fail("the window " + shown(words[2]) + " is still there");
    } else if (command == "absent") {
        need(words, 4);
        if (waitFor(static_cast<DWORD>(number(words[3])), [&] { return findWindow(words[1], words[2]) != nullptr; }))
            fail("the window " + shown(words[2]) + " showed up");
    } else if (command == "expect-title") {
        need(words, 2);
        if (!waitFor(limit, [&] { return windowText(needTarget()) == words[1]; }))
            fail("the caption is " + shown(windowText(target)) + ", not " + shown(words[1]));
    } else if (command == "set-text") {
        need(words, 3);
        const std::wstring text = widen(words[2]);
        SendMessageW(control(words[1]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (command == "expect-text") {
        need(words, 3);
        HWND item = control(words[1]);
        if (!waitFor(limit, [&] { return windowText(item) == words[2]; }))
            fail("control " + words[1] + " shows " + shown(windowText(item)) + ", not " + shown(words[2]));
    } else if (command == "expect-list") {
        need(words, 2);
        HWND list = control(words[1]);
        const std::vector<std::string> wanted(words.begin() + 2, words.end());
        if (!waitFor(limit, [&] { return listLines(list) == wanted; })) {
            std::string lines;
            for (const std::string& line : listLines(list)) lines += " " + shown(line);
            fail("the list holds" + lines);
        }
    } else if (command == "select") {
        need(words, 3);
        SendMessageA(control(words[1]), LB_SETCURSEL, static_cast<WPARAM>(number(words[2])), 0);
    } else if (command == "double-click") {
        need(words, 2);
        HWND list = control(words[1]);
        PostMessageA(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    } else if (command == "click") {
        need(words, 2);
        HWND button = nullptr;
        waitFor(limit, [&] {
            char* end = nullptr;
            const long id = std::strtol(words[1].c_str(), &end, 0);
            button = *end == '\0' ? GetDlgItem(needTarget(), static_cast<int>(id)) : childWith("Button", words[1]);
            return button != nullptr;
        });
        if (!button) fail("no button " + shown(words[1]));
        PostMessageA(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    } else if (command == "check") {
        need(words, 3);
        SendMessageA(control(words[1]), BM_SETCHECK, number(words[2]) ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (command == "expect-checked") {
        need(words, 3);
        HWND button = control(words[1]);
        const bool wanted = number(words[2]) != 0;
        if (!waitFor(limit, [&] { return (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) == wanted; }))
            fail("control " + words[1] + (wanted ? " is not checked" : " is checked"));
    } else if (command == "press-button") {
        need(words, 2);
        HWND button = nullptr;
        waitFor(limit, [&] { return (button = GetDlgItem(needTarget(), static_cast<int>(number(words[1])))) != nullptr; });
        if (!button) fail("no button " + words[1]);
        if (!IsWindowEnabled(button)) fail("the button " + words[1] + " takes no input");
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, limit, &ignored))
            fail("the button " + words[1] + " did not answer");
    } else if (command == "push") {
        need(words, 2);
        PostMessageA(control(words[1]), BM_CLICK, 0, 0);
    } else if (command == "command") {
        need(words, 2);
        const LPARAM parameter = words.size() >= 3 ? static_cast<LPARAM>(number(words[2])) : 0;
        PostMessageA(needTarget(), WM_COMMAND, static_cast<WPARAM>(number(words[1])), parameter);
    } else if (command == "expect-focus") {
        need(words, 2);
        const int wanted = static_cast<int>(number(words[1]));
        int seen = 0;
        if (!waitFor(limit, [&] {
                GUITHREADINFO info = {};
                info.cbSize = sizeof info;
                const DWORD thread = GetWindowThreadProcessId(needTarget(), nullptr);
                seen = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
                return seen == wanted;
            }))
            fail("the focus is on control " + std::to_string(seen));
    } else if (command == "expect-enabled") {
        need(words, 2);
        const bool wanted = number(words[1]) != 0;
        if (!waitFor(limit, [&] { return (IsWindowEnabled(needTarget()) != FALSE) == wanted; }))
            fail(wanted ? "the window takes no input" : "the window takes input");
    } else if (command == "expect-control-enabled") {
        need(words, 3);
        HWND item = control(words[1]);
        const bool wanted = number(words[2]) != 0;
        if (!waitFor(limit, [&] { return (IsWindowEnabled(item) != FALSE) == wanted; }))
            fail("control " + words[1] + (wanted ? " takes no input" : " takes input"));
    } else if (command == "expect-maximized") {
        need(words, 2);
        const bool wanted = number(words[1]) != 0;
        if (!waitFor(limit, [&] { return (IsZoomed(needTarget()) != FALSE) == wanted; }))
            fail(wanted ? "the window is not maximized" : "the window is maximized");
    } else if (command == "open-menu") {
        need(words, 2);
        PostMessageA(needTarget(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(words[1][0]));
    } else if (command == "key") {
        need(words, 2);
        const WPARAM key = static_cast<WPARAM>(number(words[1]));
        PostMessageA(needTarget(), WM_KEYDOWN, key, 1);
        PostMessageA(needTarget(), WM_KEYUP, key, 0xC0000001);
    } else if (command == "post") {
        need(words, 4);
        if (!PostMessageA(needTarget(), static_cast<UINT>(number(words[1])), static_cast<WPARAM>(number(words[2])),
                          static_cast<LPARAM>(number(words[3]))))
            fail("the window took no message");
    } else if (command == "expect-box-text") {
        need(words, 2);
        if (!waitFor(limit, [&] { return boxText() == words[1]; }))
            fail("the box says " + shown(boxText()) + ", not " + shown(words[1]));
    } else if (command == "expect-box-like") {
        need(words, 2);
        if (!waitFor(limit, [&] { return globMatches(words[1].c_str(), boxText().c_str()); }))
            fail("the box says " + shown(boxText()) + ", unlike " + shown(words[1]));
    } else if (command == "press") {
        need(words, 3);
        postMouse(WM_LBUTTONDOWN, MK_LBUTTON, words[1], words[2]);
    } else if (command == "move") {
        need(words, 3);
        postMouse(WM_MOUSEMOVE, MK_LBUTTON, words[1], words[2]);
    } else if (command == "move-free") {
        need(words, 3);
        postMouse(WM_MOUSEMOVE, 0, words[1], words[2]);
    } else if (command == "release") {
        need(words, 3);
        postMouse(WM_LBUTTONUP, 0, words[1], words[2]);
    } else if (command == "expect-pixel") {
        need(words, 4);
        POINT at = {static_cast<LONG>(number(words[1])), static_cast<LONG>(number(words[2]))};
        ClientToScreen(needTarget(), &at);
        const unsigned long rgb = std::strtoul(words[3].c_str(), nullptr, 16);
        const COLORREF wanted = RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
        COLORREF seen = 0;
        if (!waitFor(limit, [&] { return (seen = screenPixel(at.x, at.y)) == wanted; })) {
            char text[96];
            std::snprintf(text, sizeof text, "the pixel at %s,%s is %02X%02X%02X", words[1].c_str(), words[2].c_str(),
                          GetRValue(seen), GetGValue(seen), GetBValue(seen));
            fail(text);
        }
    } else if (command == "sleep") {
        need(words, 2);
        Sleep(static_cast<DWORD>(number(words[1])));
    } else if (command == "screenshot") {
        need(words, 2);
        screenshot(words[1]);
    } else if (command == "wait-exit") {
        if (!childStarted) fail("no program was started");
        if (WaitForSingleObject(child.hProcess, limit) != WAIT_OBJECT_0) fail("the program is still running");
        DWORD code = 0;
        GetExitCodeProcess(child.hProcess, &code);
        if (words.size() >= 2 && code != static_cast<DWORD>(number(words[1])))
            fail("the program ended with status " + std::to_string(code));
        childStarted = false;
    } else if (command == "write-file" || command == "append-file") {
        need(words, 2);
        const std::ios::openmode mode = command == "write-file" ? std::ios::trunc : std::ios::app;
        std::ofstream out(words[1].c_str(), std::ios::binary | mode);
        out << hexBytes(words, 2);
        if (!out) fail("can't write " + words[1]);
    } else if (command == "expect-size") {
        need(words, 3);
        const std::size_t size = needFile(words[1]).size();
        if (size != static_cast<std::size_t>(number(words[2])))
            fail(words[1] + " holds " + std::to_string(size) + " bytes");
    } else if (command == "expect-bytes") {
        need(words, 4);
        const std::string bytes = needFile(words[1]), wanted = hexBytes(words, 3);
        const std::size_t offset = static_cast<std::size_t>(number(words[2]));
        const std::string seen = offset <= bytes.size() ? bytes.substr(offset, wanted.size()) : std::string();
        if (seen != wanted) fail(words[1] + " holds " + hexOf(seen) + "at " + words[2]);
    } else if (command == "expect-u32") {
        need(words, 4);
        const std::string bytes = needFile(words[1]);
        const std::size_t offset = static_cast<std::size_t>(number(words[2]));
        if (offset + 4 > bytes.size()) fail(words[1] + " is too short");
        unsigned long value = 0;
        for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
        const unsigned long low = static_cast<unsigned long>(number(words[3]));
        const unsigned long high = words.size() >= 5 ? static_cast<unsigned long>(number(words[4])) : low;
        if (value < low || value > high)
            fail(words[1] + " holds " + std::to_string(value) + " at " + words[2]);
    } else if (command == "expect-string") {
        need(words, 4);
        const std::string bytes = needFile(words[1]);
        const std::size_t offset = static_cast<std::size_t>(number(words[2]));
        const std::string seen = offset < bytes.size() ? std::string(bytes.c_str() + offset) : std::string();
        if (seen != words[3]) fail(words[1] + " holds " + shown(seen) + " at " + words[2]);
    } else if (command == "expect-no-file") {
        need(words, 2);
        if (GetFileAttributesA(words[1].c_str()) != INVALID_FILE_ATTRIBUTES) fail("there is a file " + words[1]);
    } else if (command == "wait-no-file") {
        need(words, 2);
        if (!waitFor(limit, [&] { return GetFileAttributesA(words[1].c_str()) == INVALID_FILE_ATTRIBUTES; }))
            fail("the file " + words[1] + " is still there");
    } else if (command == "expect-file") {
        need(words, 3);
        std::string bytes;
        if (!waitFor(limit, [&] { return (bytes = readFile(words[1])) == words[2]; }))
            fail(words[1] + " holds " + shown(bytes));
    } else if (command == "copy-file") {
        need(words, 3);
        if (!CopyFileA(words[1].c_str(), words[2].c_str(), FALSE)) fail("can't copy " + words[1] + " to " + words[2]);
    } else if (command == "expect-same") {
        need(words, 3);
        if (needFile(words[1]) != needFile(words[2])) fail(words[1] + " and " + words[2] + " differ");
    } else {
        fail("unknown command " + command);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: e2e_driver SCRIPT\n");
        return 2;
    }
    scriptName = argv[1];
    std::ifstream script(argv[1]);
    if (!script) {
        std::fprintf(stderr, "%s: can't be read\n", argv[1]);
        return 2;
    }
    std::string line;
    while (std::getline(script, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> words = splitWords(line);
        if (words.empty() || words[0][0] == '#') continue;
        for (std::string& word : words) word = fromUtf8(word);
        run(words);
    }
    if (childStarted) {
        note("the program is still running at the end of the script");
        TerminateProcess(child.hProcess, 99);
        return 1;
    }
    note("passed");
    return 0;
}
