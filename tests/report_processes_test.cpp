// vek report as separate programs: runs at the same time keep to their own
// files, and nothing of a run is left in the temporary folder.
#include "cli/archive_command.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct VekRun {
    std::vector<std::string> args;
    std::string dataFolder;
#ifdef _WIN32
    HANDLE process = nullptr;
#else
    pid_t process = -1;
#endif
};

#ifdef _WIN32
std::string vekProgram() {
    // The build names it by its Linux path; Wine shows the root as Z:.
    std::string path = std::string("Z:") + TAMSI_VEK;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

void start(VekRun& run, const std::string& tempFolder) {
    std::string line = "\"" + vekProgram() + "\" report";
    for (const std::string& arg : run.args) line += " \"" + arg + "\"";
    // The child takes this temporary folder; ours is put back at once.
    char ownTmp[MAX_PATH] = "", ownTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", ownTmp, MAX_PATH);
    GetEnvironmentVariableA("TEMP", ownTemp, MAX_PATH);
    SetEnvironmentVariableA("TMP", tempFolder.c_str());
    SetEnvironmentVariableA("TEMP", tempFolder.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> command(line.begin(), line.end());
    command.push_back('\0');
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    SetEnvironmentVariableA("TMP", ownTmp[0] ? ownTmp : nullptr);
    SetEnvironmentVariableA("TEMP", ownTemp[0] ? ownTemp : nullptr);
    ASSERT_TRUE(started);
    CloseHandle(info.hThread);
    run.process = info.hProcess;
}

int finish(VekRun& run) {
    WaitForSingleObject(run.process, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(run.process, &status);
    CloseHandle(run.process);
    return static_cast<int>(status);
}
#else
void start(VekRun& run, const std::string& tempFolder) {
    std::vector<std::string> argv = {TAMSI_VEK, "report"};
    argv.insert(argv.end(), run.args.begin(), run.args.end());
    run.process = fork();
    ASSERT_GE(run.process, 0);
    if (run.process == 0) {
        setenv("TMPDIR", tempFolder.c_str(), 1);
        setenv("VEK_DATA_DIR", run.dataFolder.c_str(), 1);
        std::vector<char*> pointers;
        for (std::string& arg : argv) pointers.push_back(&arg[0]);
        pointers.push_back(nullptr);
        // Quiet: the children's messages are not the test's.
        freopen("/dev/null", "w", stderr);
        execv(TAMSI_VEK, pointers.data());
        _exit(127);
    }
}

int finish(VekRun& run) {
    int status = 0;
    waitpid(run.process, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

class ReportProcesses : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        std::string out, err;
        ASSERT_EQ(runArchiveCommand({"pack", std::string(TAMSI_SOURCE_DIR) + "/tests/data/marked_archive",
                                     pathIn("marked.arc")},
                                    out, err),
                  0)
            << err;
        for (const char* name : {"tmp", "data1", "data2"}) ASSERT_TRUE(platform::makeDirectory(pathIn(name)));
    }
    void TearDown() override {
        for (const char* name : {"tmp", "data1", "data2"}) {
            for (const std::string& file : platform::listFiles(pathIn(name), "*"))
                platform::removeFile(platform::joinPath(pathIn(name), file));
            platform::removeDirectory(pathIn(name));
        }
        PlatformTest::TearDown();
    }
    VekRun report(const std::string& first, const std::string& last, const std::string& data, const std::string& text) {
        VekRun run;
        run.dataFolder = pathIn(data);
        run.args = {"--type", "profile", "--topics", "0,1,3,4", "--archive", pathIn("marked.arc"), "--today",
                    "12/8/2026", "--birth-first", first, "--birth-last", last, "--current-first", first,
                    "--current-last", last, "--born", "1/1/1990", "--text", pathIn(text)};
        return run;
    }
    // What a run left in the temporary folder.
    std::vector<std::string> leftOver() const {
        std::vector<std::string> names = platform::listFiles(pathIn("tmp"), "*");
#ifndef _WIN32
        // Folders too: listFiles gives only files.
        if (!platform::removeDirectory(pathIn("tmp"))) names.push_back("a folder");
        platform::makeDirectory(pathIn("tmp"));
#endif
        return names;
    }
};

TEST_F(ReportProcesses, TwoReportsAtOnceEachGetTheirOwnPerson) {
#ifdef _WIN32
    const int rounds = 3;  // every program start is slow under Wine
#else
    const int rounds = 10;
#endif
    for (int round = 0; round < rounds; ++round) {
        VekRun ann = report("Ann", "Stone", "data1", "ann.txt");
        VekRun bob = report("Bob", "Marsh", "data2", "bob.txt");
        start(ann, pathIn("tmp"));
        start(bob, pathIn("tmp"));
        ASSERT_EQ(finish(ann), 0) << "round " << round;
        ASSERT_EQ(finish(bob), 0) << "round " << round;
        const std::string annText = readFile(pathIn("ann.txt")), bobText = readFile(pathIn("bob.txt"));
        EXPECT_EQ(annText.compare(0, 21, "Profile of Ann Stone\n"), 0) << annText;
        EXPECT_EQ(bobText.compare(0, 21, "Profile of Bob Marsh\n"), 0) << bobText;
        EXPECT_EQ(annText.find("Bob"), std::string::npos) << "round " << round;
        EXPECT_EQ(bobText.find("Ann"), std::string::npos) << "round " << round;
        EXPECT_TRUE(leftOver().empty()) << "round " << round;
    }
}

#ifndef _WIN32
// (The win32 build's fatal exit shows the system's own box first.)
TEST_F(ReportProcesses, AFatalExitLeavesNothingBehind) {
    VekRun run = report("Ann", "Stone", "data1", "ann.txt");
    run.args.insert(run.args.end(), {"--rtf", pathIn("no-such-folder/r.rtf")});
    start(run, pathIn("tmp"));
    EXPECT_EQ(finish(run), 4);  // "Can't open .rtf file"
    EXPECT_TRUE(leftOver().empty());
}
#endif

}  // namespace
