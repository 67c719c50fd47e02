// Resource identifiers of the puzzle game, shared by brindo.rc and the code.
#pragma once

// Menu commands
#define IDM_BACK_TO_MAIN 101
#define IDM_SOLVE 102
#define IDM_RESET 103
#define IDM_SHOW_INDICATORS 104
#define IDM_HIDE_INDICATORS 105
#define IDM_SOLUTIONS 106
#define IDM_PLAYER 107
#define IDM_HOW_TO_PLAY 108
#define IDM_ABOUT 109

// Log-in dialog
#define IDC_NAME 201
#define IDC_PLAYERS 202
#define IDC_DELETE_NAME 203

// Sample dialog
#define IDC_SAMPLE_TEXT 301

// The message line under the board
#define IDC_MESSAGE 401
