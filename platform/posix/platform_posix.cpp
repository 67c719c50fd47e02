// The platform layer on Linux: the command-line tool and the unit tests.
#include "platform/platform.h"
#include "platform/platform_internal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform {

std::string systemDataFolder() {
    const char* given = std::getenv("VEK_DATA_DIR");
    if (given && *given) return given;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/tamsi";
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = readdir(dir)) {
        if (!matchesPattern(pattern.c_str(), entry->d_name)) continue;
        if (fileExists(joinPath(folder, entry->d_name))) names.push_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

bool fileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || directoryExists(path);
}

bool removeFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool removeDirectory(const std::string& path) { return rmdir(path.c_str()) == 0; }

namespace {

bool writeAll(int fd, const char* at, std::size_t left) {
    while (left > 0) {
        const ssize_t written = write(fd, at, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool readAll(int fd, std::string& content) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        content.append(chunk, static_cast<std::size_t>(got));
    }
}

// Writes over the file itself, for a folder that takes no new file. The old
// content is kept in memory until the new one is complete, and put back
// when writing fails.
bool writeInPlace(const std::string& path, const char* bytes, std::size_t size) {
    const int fd = open(path.c_str(), O_RDWR);
    if (fd < 0) return false;
    std::string old;
    bool ok = readAll(fd, old) && lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes, size) &&
              ftruncate(fd, static_cast<off_t>(size)) == 0 && fsync(fd) == 0;
    if (!ok && lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, old.data(), old.size()))
        (void)ftruncate(fd, static_cast<off_t>(old.size()));
    if (close(fd) != 0) ok = false;
    return ok;
}

}  // namespace

bool writeFileReplacing(const std::string& path, const void* bytes, std::size_t size) {
    const char* content = static_cast<const char*>(bytes);
    struct stat old;
    const bool hadOld = stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const std::string fresh = path + ".new";
    const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd >= 0) {
        // The new file takes the old one's permissions.
        bool ok = (!hadOld || fchmod(fd, old.st_mode & 07777) == 0) && writeAll(fd, content, size) && fsync(fd) == 0;
        if (close(fd) != 0) ok = false;
        if (ok && rename(fresh.c_str(), path.c_str()) == 0) return true;
        unlink(fresh.c_str());
    }
    return hadOld && writeInPlace(path, content, size);
}

std::string tempFolder() {
    const char* given = std::getenv("TMPDIR");
    return given && *given ? given : "/tmp";
}

bool makeUniqueFolder(const std::string& parent, std::string& made) {
    std::string pattern = joinPath(parent, "vek-XXXXXX");
    if (!mkdtemp(&pattern[0])) return false;  // a new folder, mode 0700
    made = pattern;
    return true;
}

void removeFileNow(const char* path) { unlink(path); }
void removeFolderNow(const char* path) { rmdir(path); }

namespace {
extern "C" void removeTemporariesAndStop(int signalNumber) {
    removeTemporaries(0);
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}
}  // namespace

void removeTemporariesOnInterrupt() {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndStop;
        sigemptyset(&action.sa_mask);
        sigaction(signalNumber, &action, nullptr);
    }
}

int systemMessageBox(const char* text, const char* caption, unsigned style) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    if (style & BOX_YESNO) return ANSWER_YES;
    return ANSWER_OK;
}

void setMessageOwner(void*) {}

void systemFatalExit(const char* text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(nullptr);
    std::_Exit(4);  // apart from the tool's own statuses (3: missing subjects)
}

Date systemToday() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_mon + 1, local.tm_mday, local.tm_year + 1900};
}

Moment now() {
    timespec clock{};
    clock_gettime(CLOCK_REALTIME, &clock);
    std::tm local{};
    localtime_r(&clock.tv_sec, &local);
    return Moment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min,         local.tm_sec,    static_cast<int>(clock.tv_nsec / 10000000)};
}

bool renameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace platform
