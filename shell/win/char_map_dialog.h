// "Foreign Character mapping": the key grid, the target row and the list
// of mappings that becomes charMap on Done.
#pragma once

#include <windows.h>

bool runCharMapDialog(HWND owner);
