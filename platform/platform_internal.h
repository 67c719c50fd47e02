// What each system's side of the platform layer provides to the common part.
#pragma once

#include "platform/platform.h"

namespace platform {

int systemMessageBox(const char* text, const char* caption, unsigned style);
[[noreturn]] void systemFatalExit(const char* text);
Date systemToday();
std::string systemDataFolder();

// Wildcard match of a file name, letter case ignored.
bool matchesPattern(const char* pattern, const char* name);
bool lessIgnoringCase(const std::string& a, const std::string& b);

}  // namespace platform
