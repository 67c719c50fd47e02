// Resource identifiers of the color chart program, shared by map.rc and the code.
#pragma once

// Menu commands
#define IDM_CLOSE 101
#define IDM_PRINT 102
#define IDM_BMAP 103
#define IDM_CHART 104
#define IDM_LAYOUT 105
#define IDM_OPTIONS 106
#define IDM_ZOOM_IN 107
#define IDM_ZOOM_OUT 108
#define IDM_HELP_CONTENTS 109
#define IDM_ABOUT 110

// Options dialog
#define IDC_LINES_THIN 201
#define IDC_LINES_THICK 202
#define IDC_FONT_NORMAL 203
#define IDC_FONT_BOLD 204
#define IDC_COLOR_OFF 205
#define IDC_COLOR_ON 206
