// What the portable core may ask of the system it runs on. Each build has
// one implementation (posix/ or win32/); tests replace the interactive parts
// through the hooks at the end.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Calendar date as the programs keep it: month 1-12, day 1-31, four-digit year.
struct Date {
    int month = 0;
    int day = 0;
    int year = 0;
};

// Message box styles and answers, with the values the Windows API gives them.
enum : unsigned {
    BOX_OK = 0x0,
    BOX_OKCANCEL = 0x1,
    BOX_YESNO = 0x4,
    BOX_ICONSTOP = 0x10,
    BOX_ICONQUESTION = 0x20,
    BOX_ICONEXCLAMATION = 0x30,
    BOX_ICONINFORMATION = 0x40,
};
enum : int { ANSWER_OK = 1, ANSWER_CANCEL = 2, ANSWER_YES = 6, ANSWER_NO = 7 };

// The data folder all three programs share.
std::string dataFolder();

// "a\b" on Windows, "a/b" elsewhere.
std::string joinPath(const std::string& folder, const std::string& name);

// Names (not paths) of the ordinary files in folder whose name matches
// pattern ("*" and "?" wildcards, letter case ignored), sorted.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);

bool fileExists(const std::string& path);       // an ordinary file
bool directoryExists(const std::string& path);
bool makeDirectory(const std::string& path);    // true when it exists afterwards
bool removeFile(const std::string& path);
bool removeDirectory(const std::string& path);  // an empty one

// Replaces path with exactly these bytes in one step: the new content is
// written beside the old file and swapped in only when it is complete, so
// a failure at any point leaves the old file as it was. The file keeps its
// permissions and attributes. When the folder takes no new file but the
// file itself can be written, it is written in place, its old content kept
// in memory and put back if writing fails. False when nothing was written.
bool writeFileReplacing(const std::string& path, const void* bytes, std::size_t size);

// Shows a message box (the owner is the window set with setMessageOwner).
int messageBox(const char* text, const char* caption, unsigned style);
void setMessageOwner(void* ownerWindow);

// Ends the program at once after showing text.
[[noreturn]] void fatalExit(const char* text);

// A folder for temporary files of the command-line tool.
std::string tempFolder();

// A folder of one run's own for its temporary files: made new in
// tempFolder() (never one that was there before, so no one can have planted
// anything in it), open to this user only, and removed with the files
// named through it when the object goes, at a fatal exit, and when the
// program is interrupted.
class PrivateFolder {
public:
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool made() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    // The path of a file in the folder, to be removed with it.
    std::string file(const std::string& name);

private:
    int owner_ = 0;
    std::string path_;
};

// Today's local date.
Date today();

// The local date and time of day, to the hundredth of a second.
struct Moment {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, hundredths = 0;
};
Moment now();

// Gives the file at from the name to, replacing a file of that name.
bool renameFile(const std::string& from, const std::string& to);

// ---- replacements for tests ----
using MessageBoxHook = int (*)(const char* text, const char* caption, unsigned style);
using FatalExitHook = void (*)(const char* text);  // must not return (a test throws)

void setMessageBoxHook(MessageBoxHook hook);     // nullptr restores the system's
void setFatalExitHook(FatalExitHook hook);
void setFixedToday(const Date* date);            // nullptr restores the clock
void setDataFolderOverride(const char* folder);  // nullptr restores the default

}  // namespace platform
