// Text measurement on a device context of the window layer's (a window's
// or a printer's), and the logical font that a font request stands for.
#pragma once

#include "platform/text_device.h"

#include <windows.h>

namespace platform {

LOGFONTA logicalFont(const FontRequest& font);

// Measures on dc, which stays the caller's.
std::unique_ptr<TextDevice> gdiTextDevice(HDC dc);

}  // namespace platform
