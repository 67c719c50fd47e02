// Vek.exe: the start-up, the main window with the home page, and the main
// menu's commands.
#include <windows.h>

#include "archive/language_list.h"
#include "compose/report_types.h"
#include "output/page_layout.h"
#include "people/person.h"
#include "people/user_log.h"
#include "people/win/birth_data_dialog.h"
#include "people/win/user_list_dialog.h"
#include "platform/platform.h"
#include "shell/report_state.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/win/app.h"
#include "shell/win/home_page_view.h"
#include "shell/win/option_dialogs.h"
#include "shell/win/launchers.h"
#include "shell/win/resource.h"
#include "win/window_class.h"
#include "win/nested_loop.h"

#include <cstdio>
#include <string>

namespace {

const char CLASS_NAME[] = "Tamsi";

void reloadSettings() { loadSettingsOrDefaults(folders.settingsFile, reportType, folders.programFolder); }

// ---- commands ----

void selectReport(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    switch (reportType) {
    case TYPE_COURSE: startCourse(systemStarter(), folders); break;
    case TYPE_PUZZLE: startPuzzle(systemStarter(), folders); break;
    default:
        if (reportType >= 0 && reportType < REPORT_TYPE_COUNT && reportTypes[reportType].dataDialog)
            runBirthDataDialog(window);
        break;
    }
}

void onOpenList(HWND window) {
    if (reportType == TYPE_PUZZLE) return;
    if (runUserList(window)) selectReport(window);
}

void onSaveBirthData(HWND window) {
    // An empty record would only put a blank line into the user log.
    if (person1.birthFirst[0] == '\0' && person1.currentFirst[0] == '\0') {
        MessageBoxA(window, "There is no birth data to save yet: enter a person in a report's dialog first.",
                    "Save Birth Data", MB_OK | MB_ICONINFORMATION);
        return;
    }
    addPersonToUserLog(folders.userLog, person1, true);
}

void onReportsFolder(HWND window) {
    const std::string reports = folders.dataFolder + "\\Reports";
    platform::makeDirectory(reports);
    char command[2 * MAX_PATH + 20];
    std::snprintf(command, sizeof command, "%s\\Explorer.exe %s", folders.windowsFolder.c_str(), reports.c_str());
    const UINT started = WinExec(command, SW_SHOW);
    if (started < 32) {
        char text[80];
        std::snprintf(text, sizeof text, "Can't find Exlorer: error %u.", started);
        MessageBoxA(window, text, "Reports: Error", MB_OK | MB_ICONSTOP);
    }
}

void onCommand(HWND window, int command, LPARAM parameter) {
    switch (command) {
    case IDM_SELECT_REPORT:
        reportType = static_cast<int>(parameter);
        selectReport(window);
        break;
    case IDM_OPEN_LIST: onOpenList(window); break;
    case IDM_SAVE_BIRTH_DATA: onSaveBirthData(window); break;
    case IDM_PREFERENCES:
        reloadSettings();
        runPreferencesDialog(window);
        break;
    case IDM_EXIT: DestroyWindow(window); break;
    case IDM_CHECK: app::showDataInUse(window); break;
    case IDM_TOPICS:
        if (reportType != TYPE_LUCKY && reportType != TYPE_PUZZLE && reportType != TYPE_COURSE)
            runTopicsDialog(window);
        break;
    case IDM_FONT: app::chooseFont(); break;
    case IDM_DIRECT: settings.viaWordProcessor = 0; break;
    case IDM_WORDPAD: settings.viaWordProcessor = 1; break;
    case IDM_REPORTS_FOLDER: onReportsFolder(window); break;
    case IDM_HELP_CONTENTS: app::showHelp(window, IDM_HELP_CONTENTS); break;
    case IDM_ABOUT: app::showAbout(window); break;
    default: break;
    }
}

void prepareMenu(HMENU menu) {
    const bool topics = reportType == TYPE_PROFILES || reportType == TYPE_COMPATIBILITY ||
                        reportType == TYPE_CHART_CALCULATOR || reportType == TYPE_SHORT_PROFILES;
    EnableMenuItem(menu, IDM_TOPICS, MF_BYCOMMAND | (topics ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, IDM_DIRECT, MF_BYCOMMAND | (settings.viaWordProcessor ? MF_UNCHECKED : MF_CHECKED));
    CheckMenuItem(menu, IDM_WORDPAD, MF_BYCOMMAND | (settings.viaWordProcessor ? MF_CHECKED : MF_UNCHECKED));
}

// ---- the window ----

void onCreate(HWND window) {
    app::mainWindow = window;
    platform::setMessageOwner(window);
    readToday();
    reloadSettings();
    clearPeople();
    activeFont = settings.reportFont;
    buildLanguageList(folders.dataFolder, folders.programPath);
    app::arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    app::fingerCursor = LoadCursorA(app::instance, "Finger");
    loadHomePage(app::instance);
    SetCursor(app::arrowCursor);
    InvalidateRect(window, nullptr, TRUE);
}

void onDestroy() {
    app::closeHelp();
    platform::setMessageOwner(nullptr);
    platform::removeFile(folders.listFile);
    platform::removeFile(folders.reportTextFile);
    app::mainWindow = nullptr;
    PostQuitMessage(0);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_MOVE:
    case WM_SIZE:
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the home page paints every pixel itself
    case WM_PAINT:
        paintHomePage(window);
        return 0;
    case WM_MOUSEMOVE:
        homePageHover(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        homePageClick(window, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_INITMENUPOPUP:
        prepareMenu(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_COMMAND:
        onCommand(window, LOWORD(wParam), lParam);
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerMainClass() {
    return win::registerWindowClass({CLASS_NAME, mainWindowProc, app::instance, "Icon1",
                                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), nullptr});
}

ProgramFolders foldersOfThisProgram() {
    char windowsFolder[MAX_PATH] = "C:\\Windows";
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    char module[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    return resolveFolders(windowsFolder, module);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showMode) {
    app::instance = instance;
    folders = foldersOfThisProgram();
    if (decideStartMode(folders.programPath, commandLine) != StartMode::Program) {
        MessageBoxA(nullptr,
                    "Installing and removing the program (Setup) is not part of this build of Tamsi Numerology "
                    "Master.",
                    "Tamsi Numerology Master", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    useDataFolderAsProgramFolder(folders);
    platform::makeDirectory(folders.dataFolder);

    HMENU menu = LoadMenuA(instance, "MainMenu");
    if (!registerMainClass()) return 1;
    HWND window = CreateWindowA(CLASS_NAME, app::mainTitle(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                548, 396, nullptr, menu, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showMode);
    UpdateWindow(window);

    return win::runMessageLoop();
}
