// Resource identifiers of Vek.exe, shared by vek.rc and the code. The
// numbers are those the help file's topics and the test scripts know.
#pragma once

// ---- commands of the main window's and the viewer's menus ----
#define IDM_SELECT_REPORT 800   // posted by the home page with the report type
#define IDM_OPEN_LIST 801
#define IDM_SAVE_BIRTH_DATA 802
#define IDM_PRINT 803
#define IDM_PREFERENCES 804
#define IDM_CHECK 808
#define IDM_COVER 820
#define IDM_INDEX 821
#define IDM_CHART 822
#define IDM_TEXT 823
#define IDM_BACK 824
#define IDM_TOPICS 830
#define IDM_FONT 831
#define IDM_DIRECT 832
#define IDM_WORDPAD 833
#define IDM_REPORTS_FOLDER 835
#define IDM_ABOUT 841
#define IDM_EXIT 857
#define IDM_HELP_CONTENTS 1200
#define IDM_VIEWER_HELP 1207

// ---- the birth-data dialogs ----
#define IDC_CLEAR_NAMES 111
#define IDC_RECALL 112
#define IDC_RECALL_SECOND 113
#define IDC_SAVE 114
#define IDC_SAVE_SECOND 115
#define IDC_SET_CYCLES 116
#define IDC_INCLUDE_INTRO 118
#define IDC_FIRST_PERSON 120    // birth first, middle, last, current first, last, month, day, year
#define IDC_SECOND_PERSON 128
#define IDC_PHRASE_STEP 8       // the name report's fields: 120, 128, ... 176
#define IDC_ADDRESS 120
#define IDC_PHONE 121
#define IDC_NINE_DIGITS 122
#define IDC_CHART_YEAR 184
#define IDC_AGE 189
#define IDC_COLOR_OFF 707
#define IDC_COLOR_ON 708
#define IDC_CHARS 806
#define IDC_LANGUAGE 807
#define IDC_SELECT_TOPICS 830
#define IDC_SET_FONT 831
#define IDC_DIRECT 832
#define IDC_WORDPAD 833
#define IDC_QUESTION 1209
#define IDC_HELP_STD 1215
#define IDC_HELP_CPT 1216
#define IDC_HELP_MAP 1217
#define IDC_HELP_LUK 1218
#define IDC_HELP_NAM 1219
#define IDC_HELP_DMD 1220

// ---- the Y and W warning ----
#define IDC_YW_ACCEPT 301
#define IDC_YW_EDIT 302
#define IDC_YW_HELP 1226

// ---- the user list ----
#define IDC_USER_LIST 404
#define IDC_DELETE_ENTRY 405
