// The option dialogs: topics, time ranges, preferences, the word processor
// and the cover page. Each returns true for OK. The cancellable ones work on
// the settings in memory and put back the copy they took on Cancel; the OK of
// the topics, time-range and preferences dialogs saves Vek.ini.
#pragma once

#include <windows.h>

// The current report type's topics dialog.
bool runTopicsDialog(HWND owner);
// "RangesDlg" ("RangesDummy" for the Short Profiles).
bool runRangesDialog(HWND owner);
// "RangesLDlg", the Lucky Numbers' years, months and days.
bool runLuckyRangesDialog(HWND owner);
bool runPreferencesDialog(HWND owner);

// Whether any cycle topic (Transits, Essence, Personal Years, Months, Days) is on.
bool cycleTopicOn();
