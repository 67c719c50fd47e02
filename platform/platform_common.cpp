// The parts of the platform layer that are the same on every system: the
// test hooks and the wildcard match.
#include "platform/platform.h"
#include "platform/platform_internal.h"

#include <cctype>
#include <cstdlib>

namespace platform {

namespace {
MessageBoxHook messageBoxHook = nullptr;
FatalExitHook fatalExitHook = nullptr;
bool haveFixedToday = false;
Date fixedToday;
bool haveDataFolderOverride = false;
std::string dataFolderOverride;
}  // namespace

void setMessageBoxHook(MessageBoxHook hook) { messageBoxHook = hook; }
void setFatalExitHook(FatalExitHook hook) { fatalExitHook = hook; }

void setFixedToday(const Date* date) {
    haveFixedToday = date != nullptr;
    if (date) fixedToday = *date;
}

void setDataFolderOverride(const char* folder) {
    haveDataFolderOverride = folder != nullptr;
    dataFolderOverride = folder ? folder : "";
}

int messageBox(const char* text, const char* caption, unsigned style) {
    if (messageBoxHook) return messageBoxHook(text, caption, style);
    return systemMessageBox(text, caption, style);
}

void fatalExit(const char* text) {
    if (fatalExitHook) fatalExitHook(text);
    systemFatalExit(text);
}

Date today() { return haveFixedToday ? fixedToday : systemToday(); }

std::string dataFolder() {
    return haveDataFolderOverride ? dataFolderOverride : systemDataFolder();
}

bool matchesPattern(const char* pattern, const char* name) {
    // Iterative match with one backtrack point for the last "*" seen.
    const char* starPattern = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*pattern == '*') {
            starPattern = ++pattern;
            starName = name;
        } else if (*pattern == '?' ||
                   std::tolower(static_cast<unsigned char>(*pattern)) ==
                       std::tolower(static_cast<unsigned char>(*name))) {
            ++pattern;
            ++name;
        } else if (starPattern) {
            pattern = starPattern;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        int ca = std::tolower(static_cast<unsigned char>(a[i]));
        int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

}  // namespace platform
