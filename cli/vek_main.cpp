// vek: the reports and numbers of the suite, without a window.
#include "cli/archive_command.h"
#include "cli/chart_numbers_command.h"
#include "cli/numbers_command.h"
#include "cli/report_commands.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args, std::string& out, std::string& err);
    const char* summary;
};

const Command COMMANDS[] = {
    {"numbers", runNumbersCommand, "a person's chart as JSON"},
    {"list", runListCommand, "a report's list file"},
    {"expand", runExpandCommand, "a list file expanded into report text"},
    {"report", runReportCommand, "a whole report, as RTF or as laid-out text"},
    {"archive", runArchiveCommand, "make, unpack, list and check text archives"},
    {"chart-numbers", runChartNumbersCommand, "every number of the color chart as JSON"},
};

void printUsage(std::FILE* to) {
    std::fprintf(to, "usage: vek COMMAND [OPTIONS]\n\ncommands:\n");
    for (const Command& command : COMMANDS) std::fprintf(to, "  %-10s %s\n", command.name, command.summary);
}

// The arguments as UTF-8, whatever the system's code page.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argc;
    (void)argv;
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? size - 1 : 0, '\0');
        if (size > 1) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &arg[0], size, nullptr, nullptr);
        args.push_back(arg);
    }
    LocalFree(wide);
    return args;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Output bytes go out as they are, line ends included.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::vector<std::string> all = utf8Arguments(argc, argv);
    if (all.size() < 2 || all[1] == "--help" || all[1] == "-h") {
        printUsage(all.size() < 2 ? stderr : stdout);
        return all.size() < 2 ? 2 : 0;
    }
    for (const Command& command : COMMANDS) {
        if (all[1] != command.name) continue;
        std::vector<std::string> args(all.begin() + 2, all.end());
        std::string out, err;
        const int status = command.run(args, out, err);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fwrite(err.data(), 1, err.size(), stderr);
        return status;
    }
    std::fprintf(stderr, "vek: unknown command '%s'\n", all[1].c_str());
    printUsage(stderr);
    return 2;
}
