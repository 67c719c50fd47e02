// Every composer's list file for the cases of tests/golden/cases.txt,
// compared byte for byte with the golden files beside it.
#include "archive/text_archive.h"
#include "cli/archive_command.h"
#include "cli/report_commands.h"
#include "compose/phrases.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string SOURCE = TAMSI_SOURCE_DIR;

struct GoldenCase {
    std::string name;
    std::vector<std::string> args;
};

// Words split at blanks; double quotes hold blanks.
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::string word;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) result.push_back(word);
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any) result.push_back(word);
    return result;
}

std::vector<GoldenCase> readCases() {
    std::vector<GoldenCase> cases;
    std::ifstream in(SOURCE + "/tests/golden/cases.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> w = words(line);
        cases.push_back({w[0], std::vector<std::string>(w.begin() + 1, w.end())});
    }
    return cases;
}

class GoldenLists : public PlatformTest {
protected:
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
};

TEST_F(GoldenLists, EveryComposerWritesItsGoldenListFile) {
    std::string out, err;
    const std::string archive = pathIn("marked.arc");
    ASSERT_EQ(runArchiveCommand({"pack", SOURCE + "/tests/data/marked_archive", archive}, out, err), 0) << err;
    const std::vector<GoldenCase> cases = readCases();
    ASSERT_GE(cases.size(), 15u);
    phraseSignatureMismatches = 0;
    for (const GoldenCase& c : cases) {
        std::vector<std::string> args = c.args;
        const std::string list = pathIn(c.name + ".lst");
        args.insert(args.end(), {"--archive", archive, "-o", list});
        out.clear();
        err.clear();
        const int status = runListCommand(args, out, err);
        EXPECT_TRUE(status == 0 || status == 3) << c.name << ": " << err;
        EXPECT_EQ(readFile(list), readFile(SOURCE + "/tests/golden/" + c.name + ".lst")) << c.name;
        EXPECT_EQ(readFile(list + ".marks"), readFile(SOURCE + "/tests/golden/" + c.name + ".lst.marks")) << c.name;
    }
    EXPECT_EQ(phraseSignatureMismatches, 0) << "a composer passes other arguments than the phrase table says";
}

}  // namespace
