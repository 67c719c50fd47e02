// "Language Selection": the report languages of the data folder and the
// program file, by their trailers' descriptions.
#pragma once

#include <windows.h>

// True when a language was chosen (languageIndex holds it).
bool runLanguageDialog(HWND owner);
