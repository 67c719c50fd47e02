// Brindo.exe: the board, the found list, the clock and the players' dialogs
// around the portable rules of puzzle/.
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "puzzle/drag.h"
#include "puzzle/game.h"
#include "resource.h"
#include "win/dialog_kit.h"
#include "win/gdi.h"
#include "win/window_class.h"
#include "win/nested_loop.h"

namespace {

const char CLASS_NAME[] = "Brindo";
const UINT_PTR CLOCK_TIMER = 1;

const COLORREF TEAL = RGB(0, 128, 128);
const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF LIGHT_GRAY = RGB(192, 192, 192);
const COLORREF RED = RGB(255, 0, 0);
const COLORREF DARK_RED = RGB(128, 0, 0);
const COLORREF BLUE = RGB(0, 0, 255);

// The window's areas in client coordinates.
const RECT BOARD_AREA = {BOARD_LEFT, BOARD_TOP, BOARD_RIGHT, BOARD_BOTTOM};
const RECT SOLUTIONS_AREA = {330, 46, 570, 380};
const RECT MESSAGE_AREA = {30, 310, 260, 380};
const RECT CLOCK_AREA = {158, 16, 270, 44};
const int SMALL_SQUARE = 8, SMALL_CELL = 80;

const POINT SAMPLE_CORNER = {60, 36};
const PositionCode SAMPLE_SOLUTION = 5557811;

// The brushes and pens of the whole run; the background brush is the
// window class's, so they live as long as the program.
struct DrawingTools {
    win::Brush background = win::solidBrush(TEAL);
    win::Brush white = win::solidBrush(WHITE);
    win::Brush lightGray = win::solidBrush(LIGHT_GRAY);
    win::Brush red = win::solidBrush(RED);
    win::Brush darkRed = win::solidBrush(DARK_RED);
    win::Pen indicator = win::solidPen(2, BLUE);
    win::Pen sliding = win::solidPen(1, RED);
    win::Pen eraseWhite = win::solidPen(1, WHITE);
    win::Pen eraseGray = win::solidPen(1, LIGHT_GRAY);
};

HINSTANCE instance;
HWND mainWindow;
HWND messageLine;
DrawingTools* tools = nullptr;
Game game;
SlidingPiece slide;
std::string dataFile, badFile, helpFile;
bool helpOpened = false;

int showBox(HWND owner, const std::string& text, const char* caption, UINT style) {
    return MessageBoxA(owner, text.c_str(), caption, style);
}

bool lightSquare(int row, int column) { return ((row ^ column) & 1) == 0; }

// ---- drawing ----

// A board of squares of the given size, its top-left corner at (left, top).
void drawBoardSquares(HDC dc, PositionCode code, int left, int top, int size) {
    const Board board = unpack(code);
    for (int r = 0; r < BOARD_SIZE; ++r)
        for (int c = 0; c < BOARD_SIZE; ++c) {
            const RECT square = {left + size * c, top + size * r, left + size * c + size, top + size * r + size};
            HBRUSH brush = board.q[r] == c ? tools->red : lightSquare(r, c) ? tools->white : tools->lightGray;
            FillRect(dc, &square, brush);
        }
}

void drawIndicators(HDC dc, const Board& board) {
    std::uint8_t flags[BOARD_SIZE];
    conflictFlags(board, flags);
    win::Selected pen(dc, tools->indicator);
    for (int r = 0; r < BOARD_SIZE; ++r) {
        const int x = BOARD_LEFT + SQUARE * board.q[r], y = BOARD_TOP + SQUARE * r;
        if (flags[r] & 4) {
            MoveToEx(dc, x + 15, y + 6, nullptr);
            LineTo(dc, x + 15, y + 24);
        }
        if (flags[r] & 1) {
            MoveToEx(dc, x + 6, y + 6, nullptr);
            LineTo(dc, x + 24, y + 24);
        }
        if (flags[r] & 2) {
            MoveToEx(dc, x + 24, y + 6, nullptr);
            LineTo(dc, x + 6, y + 24);
        }
    }
}

void drawBoard(HDC dc) {
    drawBoardSquares(dc, game.work.board, BOARD_LEFT, BOARD_TOP, SQUARE);
    if (game.indicators) drawIndicators(dc, unpack(game.work.board));
}

void drawFoundList(HDC dc) {
    for (int k = 0; k < game.work.foundCount && k < UNIQUE_SOLUTIONS; ++k) {
        const int left = SOLUTIONS_AREA.left + SMALL_CELL * (k % 3);
        const int top = SOLUTIONS_AREA.top + SMALL_CELL * (k / 3);
        char label[8];
        wsprintfA(label, "#%d", k + 1);
        TextOutA(dc, left + 20, top, label, lstrlenA(label));
        drawBoardSquares(dc, game.work.found[k].code, left, top + 14, SMALL_SQUARE);
    }
}

void drawClock(HDC dc) {
    FillRect(dc, &CLOCK_AREA, tools->darkRed);
    std::string text = clockText(game.work.elapsed);
    RECT box = CLOCK_AREA;
    DrawTextA(dc, text.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void drawText(HDC dc, int x, int y, const char* text) { TextOutA(dc, x, y, text, lstrlenA(text)); }

void onPaint(HWND window) {
    win::PaintDc dc(window);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, WHITE);
    drawBoard(dc);
    drawFoundList(dc);
    drawClock(dc);
    drawText(dc, 30, 22, "Game board --");
    drawText(dc, 330, 14, "Unique solutions found --");
    drawText(dc, 30, 380, "Brindo 7.0, a puzzle of the Tamsi suite by Ulvar Tamsi");
}

// The board and the clock paint over themselves; the found list and the
// message are erased first.
void repaintAreas(bool board, bool solutions, bool clock) {
    if (board) InvalidateRect(mainWindow, &BOARD_AREA, FALSE);
    if (solutions) InvalidateRect(mainWindow, &SOLUTIONS_AREA, TRUE);
    if (clock) InvalidateRect(mainWindow, &CLOCK_AREA, FALSE);
    UpdateWindow(mainWindow);
}

void showMessage() { SetWindowTextA(messageLine, game.message.c_str()); }

void repaintEverything() {
    showMessage();
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}

// One pixel of the sliding square: the column it leaves takes the colour of
// the square beneath, the column it enters turns red.
void drawSlideStep(int fromLeft, int toLeft) {
    win::ClientDc dc(mainWindow);
    const int leaving = toLeft > fromLeft ? fromLeft : fromLeft + SQUARE - 1;
    const int entering = toLeft > fromLeft ? toLeft + SQUARE - 1 : toLeft;
    const int column = (leaving - BOARD_LEFT) / SQUARE;
    {
        win::Selected erase(dc, lightSquare(slide.row, column) ? tools->eraseWhite : tools->eraseGray);
        MoveToEx(dc, leaving, slide.top, nullptr);
        LineTo(dc, leaving, slide.top + SQUARE);
    }
    win::Selected red(dc, tools->sliding);
    MoveToEx(dc, entering, slide.top, nullptr);
    LineTo(dc, entering, slide.top + SQUARE);
}

// ---- play ----

void placeAndShow(int row, int column) {
    placePiece(game, row, column, platform::now());
    showMessage();
    repaintAreas(true, true, true);
}

void finishSlide() {
    const int column = endSlide(slide, drawSlideStep);
    if (GetCapture() == mainWindow) ReleaseCapture();
    placeAndShow(slide.row, column);
}

void onPress(int x, int y) {
    if (slide.active || !insideBoard(x, y)) return;
    int row, column;
    if (pressAt(slide, unpack(game.work.board), x, y, &row, &column)) {
        SetCapture(mainWindow);
    } else {
        placeAndShow(row, column);
    }
}

void onMouseMove(int x, int y, WPARAM keys) {
    if (!slide.active) return;
    if (!(keys & MK_LBUTTON) || !insideBoard(x, y)) {
        finishSlide();
        return;
    }
    followPointer(slide, x, drawSlideStep);
}

void onClockTick() {
    if (GetForegroundWindow() != mainWindow) return;
    tickClock(game);
    repaintAreas(false, false, true);
}

// ---- the log-in dialog ----

int selectedLine(HWND dialog) { return win::listSelection(dialog, IDC_PLAYERS); }

void onLoginOk(HWND dialog) {
    const std::string typed = win::fieldText(dialog, IDC_NAME, PLAYER_NAME_SIZE);
    const LoginChoice choice = chooseLogin(game.table, typed.c_str(), selectedLine(dialog));
    if (choice.problem) {
        win::refuse(dialog, IDC_PLAYERS, choice.problem);
        return;
    }
    game.current = choice.chosen;
    EndDialog(dialog, IDOK);
}

void onDeleteName(HWND dialog) {
    const int line = selectedLine(dialog);
    switch (checkDelete(game.table, line)) {
    case DeleteCheck::Nothing:
        return;
    case DeleteCheck::NeedSelection:
        win::refuse(dialog, IDC_PLAYERS, SELECT_FIRST);
        return;
    case DeleteCheck::AskToConfirm:
        break;
    }
    if (!win::confirm(dialog, "Are you sure?")) return;
    removePlayer(game, line);
    win::deleteListLine(dialog, IDC_PLAYERS, line);
    const int count = static_cast<int>(game.table.players.size());
    win::selectListLine(dialog, IDC_PLAYERS, line < count ? line : count - 1);
}

INT_PTR CALLBACK loginDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        win::limitField(dialog, IDC_NAME, PLAYER_NAME_SIZE - 1);
        for (const PlayerRecord& player : game.table.players) win::addListLine(dialog, IDC_PLAYERS, playerName(player));
        win::selectListLine(dialog, IDC_PLAYERS, 0);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            onLoginOk(dialog);
            return TRUE;
        case IDC_PLAYERS:
            if (HIWORD(wParam) == LBN_DBLCLK) onLoginOk(dialog);
            return TRUE;
        case IDC_DELETE_NAME:
            onDeleteName(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void changePlayer() {
    storeWorkingCopy(game);
    DialogBoxParamA(instance, "UserDlg", mainWindow, loginDialog, 0);
    loadWorkingCopy(game);
    SetWindowTextA(mainWindow, windowTitle(game.work).c_str());
    repaintEverything();
}

// ---- the sample dialog ----

INT_PTR CALLBACK sampleDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_PAINT: {
        win::PaintDc dc(dialog);
        drawBoardSquares(dc, SAMPLE_SOLUTION, SAMPLE_CORNER.x, SAMPLE_CORNER.y, SMALL_SQUARE);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

// ---- the menu ----

void setIndicators(bool shown) {
    game.indicators = shown;
    HMENU menu = GetMenu(mainWindow);
    CheckMenuItem(menu, IDM_SHOW_INDICATORS, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, IDM_HIDE_INDICATORS, MF_BYCOMMAND | (shown ? MF_UNCHECKED : MF_CHECKED));
    repaintAreas(true, false, false);
}

void openHelp() {
    if (platform::fileExists(helpFile)) {
        helpOpened = WinHelpA(mainWindow, helpFile.c_str(), HELP_CONTENTS, 0) != FALSE;
    } else {
        showBox(mainWindow, "The help file " + helpFile + " is missing.", "Brindo", MB_OK | MB_ICONEXCLAMATION);
    }
    repaintEverything();
}

void onCommand(int command) {
    switch (command) {
    case IDM_BACK_TO_MAIN:
        DestroyWindow(mainWindow);
        break;
    case IDM_SOLVE:
        DialogBoxParamA(instance, "SampleDlg", mainWindow, sampleDialog, 0);
        break;
    case IDM_RESET:
        if (win::confirm(mainWindow, "Are you sure?")) {
            resetPlayer(game);
            repaintEverything();
        }
        break;
    case IDM_SHOW_INDICATORS:
        setIndicators(true);
        break;
    case IDM_HIDE_INDICATORS:
        setIndicators(false);
        break;
    case IDM_SOLUTIONS:
        showBox(mainWindow, solutionsLog(game.work), "Unique Solutions Found", MB_OK | MB_ICONINFORMATION);
        break;
    case IDM_PLAYER:
        changePlayer();
        break;
    case IDM_HOW_TO_PLAY:
        openHelp();
        break;
    case IDM_ABOUT:
        showBox(mainWindow,
                "Brindo, the eight-queens puzzle\nVersion 7.0, released December 2026\n\n"
                "Written by Ulvar Tamsi and the makers of the Tamsi numerology suite.",
                "Info", MB_OK | MB_ICONINFORMATION);
        break;
    }
}

// ---- the window ----

void saveGame() {
    storeWorkingCopy(game);
    if (savePlayers(dataFile, badFile, game.table)) game.table.state = PlayersFileState::Good;
}

void onCreate(HWND window) {
    mainWindow = window;
    platform::setMessageOwner(window);
    messageLine = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT, MESSAGE_AREA.left, MESSAGE_AREA.top,
                                MESSAGE_AREA.right - MESSAGE_AREA.left, MESSAGE_AREA.bottom - MESSAGE_AREA.top,
                                window, reinterpret_cast<HMENU>(IDC_MESSAGE), instance, nullptr);
    CheckMenuItem(GetMenu(window), IDM_SHOW_INDICATORS, MF_BYCOMMAND | MF_CHECKED);
    startGame(game, loadPlayers(dataFile));
    SetWindowTextA(window, windowTitle(game.work).c_str());
    SetTimer(window, CLOCK_TIMER, 1000, nullptr);
}

void onDestroy(HWND window) {
    KillTimer(window, CLOCK_TIMER);
    saveGame();
    if (helpOpened) WinHelpA(window, helpFile.c_str(), HELP_QUIT, 0);
    PostQuitMessage(0);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate(window);
        return 0;
    case WM_PAINT:
        onPaint(window);
        return 0;
    case WM_CTLCOLORSTATIC:  // the message line: white on the window's teal
        SetTextColor(reinterpret_cast<HDC>(wParam), WHITE);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(tools->background.get());
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a quick second press is a press too
        onPress(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), wParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:  // the mouse taken away mid-slide: the piece comes to rest
        if (slide.active) finishSlide();
        return 0;
    case WM_TIMER:
        if (wParam == CLOCK_TIMER) onClockTick();
        return 0;
    case WM_COMMAND:
        if (lParam == 0) onCommand(LOWORD(wParam));
        return 0;
    case WM_ENDSESSION:  // Windows is ending: keep the players' progress
        if (wParam) saveGame();
        return 0;
    case WM_DESTROY:
        onDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerWindowClass() {
    return win::registerWindowClass({CLASS_NAME, windowProc, instance, "Icon", tools->background, "Menu",
                                     CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_BYTEALIGNWINDOW});
}

}  // namespace

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int showMode) {
    instance = thisInstance;
    dataFile = playersFilePath();
    badFile = damagedFilePath();
    helpFile = platform::joinPath(platform::dataFolder(), "Brindo.hlp");
    DrawingTools drawingTools;
    tools = &drawingTools;
    if (!registerWindowClass()) return 1;
    HWND window = CreateWindowA(CLASS_NAME, CLASS_NAME, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 630, 472,
                                nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, showMode);
    UpdateWindow(window);
    PostMessageA(window, WM_COMMAND, IDM_PLAYER, 0);  // the log-in comes first

    return win::runMessageLoop();
}
