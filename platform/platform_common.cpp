// The parts of the platform layer that are the same on every system: the
// test hooks and the wildcard match.
#include "platform/platform.h"
#include "platform/platform_internal.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {
MessageBoxHook messageBoxHook = nullptr;
FatalExitHook fatalExitHook = nullptr;
bool haveFixedToday = false;
Date fixedToday;
bool haveDataFolderOverride = false;
std::string dataFolderOverride;

// The temporary files and folders to remove at a fatal exit or an
// interruption: fixed slots, so that a signal handler can walk them.
enum { MAX_TEMPORARIES = 32, TEMPORARY_PATH_SIZE = 1024 };
struct Temporary {
    volatile int owner;  // 0: a free slot
    bool folder;
    char path[TEMPORARY_PATH_SIZE];
};
Temporary temporaries[MAX_TEMPORARIES];
int lastOwner = 0;

void registerTemporary(int owner, bool folder, const std::string& path) {
    if (path.size() >= TEMPORARY_PATH_SIZE) return;
    for (Temporary& slot : temporaries) {
        if (slot.owner) continue;
        slot.folder = folder;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.owner = owner;
        return;
    }
}
}  // namespace

void removeTemporaries(int owner) {
    // The files first, then the folders they were in.
    for (bool folders : {false, true})
        for (Temporary& slot : temporaries) {
            if (!slot.owner || slot.folder != folders || (owner && slot.owner != owner)) continue;
            if (folders)
                removeFolderNow(slot.path);
            else
                removeFileNow(slot.path);
            slot.owner = 0;
        }
}

PrivateFolder::PrivateFolder() {
    if (!makeUniqueFolder(tempFolder(), path_)) return;
    owner_ = ++lastOwner;
    if (owner_ == 1) removeTemporariesOnInterrupt();
    registerTemporary(owner_, true, path_);
}

PrivateFolder::~PrivateFolder() {
    if (owner_) removeTemporaries(owner_);
}

std::string PrivateFolder::file(const std::string& name) {
    const std::string path = joinPath(path_, name);
    if (owner_) registerTemporary(owner_, false, path);
    return path;
}

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
    removeTemporaries(0);
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
