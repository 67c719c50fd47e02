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

// ---- the topics dialogs ----
#define IDC_TOPIC_FIRST 202      // check box 201 + flag, 202 to 234
#define IDC_TOPIC_LAST 234
#define IDC_ALL_ON 268
#define IDC_ALL_OFF 269
#define IDC_PRESET_A 280         // A to D
#define IDC_USER_SET_E 284       // E to H
#define IDC_SET_E 294            // the Set buttons of E to H
#define IDC_HELP_TOPICS 1227
#define IDC_HELP_TOPICS_CPT 1228
#define IDC_HELP_TOPICS_CLC 1240

// ---- the time-range dialogs (and the year and month fields of the topics) ----
#define IDC_DAILY 119
#define IDC_FIRST_YEAR 184
#define IDC_FIRST_MONTH 185
#define IDC_FIRST_MONTH_YEAR 186
#define IDC_FIRST_DAY_MONTH 187
#define IDC_FIRST_DAY_MONTH_YEAR 188
#define IDC_FIRST_AGE 189
#define IDC_LAST_YEAR 190
#define IDC_LAST_MONTH 191
#define IDC_LAST_MONTH_YEAR 192
#define IDC_LAST_DAY_MONTH 193
#define IDC_LAST_DAY_MONTH_YEAR 194
#define IDC_LAST_AGE 195
#define IDC_HELP_RANGES 1229
#define IDC_HELP_LUCKY_RANGES 1232

// ---- the preferences, the word processor and the cover ----
#define IDC_VIEW_DIRECT 700
#define IDC_VIEW_WORDPAD 701
#define IDC_USER_DECIDES_YW 702
#define IDC_SOFTWARE_DECIDES_YW 703
#define IDC_METHOD_A 704
#define IDC_METHOD_B 705
#define IDC_METHOD_C 706
#define IDC_SELECT_FONT 709
#define IDC_ALWAYS_SAVE 710
#define IDC_RESTORE_DEFAULTS 711
#define IDC_EXTRA_LINES 712
#define IDC_COVER 805
#define IDC_WORD_PROCESSOR 809
#define IDC_HELP_PREFERENCES_YW 1214
#define IDC_HELP_PREFERENCES 1233
#define IDC_MODE_0 720
#define IDC_MODE_1 721
#define IDC_MODE_2 722
#define IDC_BROWSE 723
#define IDC_WORD_PROCESSOR_PATH 724
#define IDC_COVER_TEXT 406
#define IDC_COVER_AUTHOR 713
#define IDC_LOGO_PATH 714
#define IDC_HELP_COVER 1257

// ---- the character map ----
#define IDC_ADD_MAPPING 400
#define IDC_REMOVE_MAPPING 401
#define IDC_MAPPING_LIST 402
#define IDC_REMOVE_ALL_MAPPINGS 711
#define IDC_HELP_CHAR_MAP 1261

// ---- the language choice ----
#define IDC_LANGUAGE_LIST 403
#define IDC_HELP_LANGUAGE 1262
