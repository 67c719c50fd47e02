// What the unit tests put in place of the interactive platform: recorded
// message boxes, a fatal exit that throws, a fixed date, a scratch folder.
#pragma once

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#define PATH_SEPARATOR "\\"
#else
#define PATH_SEPARATOR "/"
#endif

struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned style;
};

struct FatalExitCalled : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Installs the replacements for the life of a test and removes them after.
class PlatformTest : public ::testing::Test {
public:
    static std::vector<RecordedBox>& boxes();
    static int& nextAnswer();  // what the next message box answers

protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh empty folder for this test, also set as the data folder.
    const std::string& folder() const { return folder_; }
    std::string pathIn(const std::string& name) const { return platform::joinPath(folder_, name); }

    void setToday(int month, int day, int year);

    static std::string readFile(const std::string& path);
    static void writeFile(const std::string& path, const std::string& bytes);

private:
    std::string folder_;
};
