#include "test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

int recordBox(const char* text, const char* caption, unsigned style) {
    PlatformTest::boxes().push_back({text, caption, style});
    return PlatformTest::nextAnswer();
}

void throwFatal(const char* text) { throw FatalExitCalled(text); }

std::string makeScratchFolder() {
#ifdef _WIN32
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%stamsi-test-%lu-%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) return name;
    }
#else
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/tamsi-test-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) std::abort();
    return name.data();
#endif
}

void removeTree(const std::string& folder) {
    // The scratch folders hold plain files and one level of sub-folders.
    for (const char* sub : {"Birthdat", "Reports"}) {
        const std::string dir = platform::joinPath(folder, sub);
        for (const std::string& name : platform::listFiles(dir, "*"))
            platform::removeFile(platform::joinPath(dir, name));
        platform::removeDirectory(dir);
    }
    for (const std::string& name : platform::listFiles(folder, "*"))
        platform::removeFile(platform::joinPath(folder, name));
    platform::removeDirectory(folder);
}

}  // namespace

std::vector<RecordedBox>& PlatformTest::boxes() {
    static std::vector<RecordedBox> recorded;
    return recorded;
}

int& PlatformTest::nextAnswer() {
    static int answer = platform::ANSWER_OK;
    return answer;
}

void PlatformTest::SetUp() {
    boxes().clear();
    nextAnswer() = platform::ANSWER_OK;
    platform::setMessageBoxHook(recordBox);
    platform::setFatalExitHook(throwFatal);
    folder_ = makeScratchFolder();
    platform::setDataFolderOverride(folder_.c_str());
    setToday(12, 8, 2026);
}

void PlatformTest::TearDown() {
    platform::setMessageBoxHook(nullptr);
    platform::setFatalExitHook(nullptr);
    platform::setFixedToday(nullptr);
    platform::setDataFolderOverride(nullptr);
    removeTree(folder_);
}

void PlatformTest::setToday(int month, int day, int year) {
    const platform::Date date{month, day, year};
    platform::setFixedToday(&date);
}

std::string PlatformTest::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void PlatformTest::writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
