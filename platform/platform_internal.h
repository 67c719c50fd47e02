// What each system's side of the platform layer provides to the common part.
#pragma once

#include "platform/platform.h"

namespace platform {

int systemMessageBox(const char* text, const char* caption, unsigned style);
[[noreturn]] void systemFatalExit(const char* text);
Date systemToday();
std::string systemDataFolder();

// A new folder in parent that did not exist before, for this user only;
// false when none can be made.
bool makeUniqueFolder(const std::string& parent, std::string& made);
// Removes what the temporaries list holds when the program is interrupted.
void removeTemporariesOnInterrupt();
// Plain removals that are safe in a signal handler.
void removeFileNow(const char* path);
void removeFolderNow(const char* path);
// Removes the registered temporary files and folders of owner (0: all).
void removeTemporaries(int owner);

// Wildcard match of a file name, letter case ignored.
bool matchesPattern(const char* pattern, const char* name);
bool lessIgnoringCase(const std::string& a, const std::string& b);

}  // namespace platform
