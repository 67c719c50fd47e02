// The platform layer on Windows.
#include "platform/platform.h"
#include "platform/platform_internal.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace platform {

namespace {
HWND messageOwner = nullptr;
}

std::string systemDataFolder() {
    char windowsFolder[MAX_PATH] = "C:";
    GetWindowsDirectoryA(windowsFolder, MAX_PATH);
    char folder[MAX_PATH];
    std::snprintf(folder, sizeof folder, "%.2s\\Tamsi", windowsFolder);
    return folder;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(joinPath(folder, pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        // The system also matches the short 8.3 names; keep only real matches.
        if (matchesPattern(pattern.c_str(), found.cFileName)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

bool fileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool directoryExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool makeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) || directoryExists(path);
}

bool removeFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool removeDirectory(const std::string& path) { return RemoveDirectoryA(path.c_str()) != 0; }

namespace {

bool writeAll(HANDLE file, const void* bytes, std::size_t size) {
    DWORD written = 0;
    return WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

// Writes over the file itself, for a folder that takes no new file. The old
// content is kept in memory until the new one is complete, and put back
// when writing fails.
bool writeInPlace(const std::string& path, const void* bytes, std::size_t size) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string old;
    char chunk[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != 0) && got > 0) old.append(chunk, got);
    ok = ok && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && writeAll(file, bytes, size) &&
         SetEndOfFile(file) && FlushFileBuffers(file);
    if (!ok && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && writeAll(file, old.data(), old.size()))
        SetEndOfFile(file);
    if (!CloseHandle(file)) ok = false;
    return ok;
}

}  // namespace

bool writeFileReplacing(const std::string& path, const void* bytes, std::size_t size) {
    const DWORD oldAttributes = GetFileAttributesA(path.c_str());
    const bool hadOld = oldAttributes != INVALID_FILE_ATTRIBUTES && !(oldAttributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::string fresh = path + ".new";
    HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        bool ok = writeAll(file, bytes, size) && FlushFileBuffers(file);
        if (!CloseHandle(file)) ok = false;
        if (ok && MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            // The new file takes the old one's attributes (hidden, system, ...).
            if (hadOld) SetFileAttributesA(path.c_str(), oldAttributes);
            return true;
        }
        DeleteFileA(fresh.c_str());
    }
    return hadOld && writeInPlace(path, bytes, size);
}

std::string tempFolder() {
    char folder[MAX_PATH] = ".";
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length > 1 && length < MAX_PATH && (folder[length - 1] == '\\' || folder[length - 1] == '/'))
        folder[length - 1] = '\0';
    return folder;
}

bool makeUniqueFolder(const std::string& parent, std::string& made) {
    // The system's temporary folder is the user's own; a name that is taken
    // is never reused, so nothing planted there can be taken for ours.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        LARGE_INTEGER ticks;
        QueryPerformanceCounter(&ticks);
        char name[64];
        std::snprintf(name, sizeof name, "vek-%lx-%lx-%x", GetCurrentProcessId(),
                      static_cast<unsigned long>(ticks.LowPart), ++counter);
        const std::string path = joinPath(parent, name);
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            made = path;
            return true;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

void removeFileNow(const char* path) { DeleteFileA(path); }
void removeFolderNow(const char* path) { RemoveDirectoryA(path); }

namespace {
BOOL WINAPI removeTemporariesAndStop(DWORD) {
    removeTemporaries(0);
    return FALSE;  // the system's own handling ends the program
}
}  // namespace

void removeTemporariesOnInterrupt() { SetConsoleCtrlHandler(removeTemporariesAndStop, TRUE); }

int systemMessageBox(const char* text, const char* caption, unsigned style) {
    return MessageBoxA(messageOwner, text, caption, style);
}

void setMessageOwner(void* ownerWindow) { messageOwner = static_cast<HWND>(ownerWindow); }

void systemFatalExit(const char* text) {
    FatalAppExitA(0, text);
    ExitProcess(4);
}

Date systemToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return Date{now.wMonth, now.wDay, now.wYear};
}

Moment now() {
    SYSTEMTIME local;
    GetLocalTime(&local);
    return Moment{local.wYear, local.wMonth, local.wDay, local.wHour,
                  local.wMinute, local.wSecond, local.wMilliseconds / 10};
}

bool renameFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace platform
