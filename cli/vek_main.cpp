// vek: the reports and numbers of the suite, without a window.
#include "cli/numbers_command.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args, std::string& out, std::string& err);
    const char* summary;
};

const Command COMMANDS[] = {
    {"numbers", runNumbersCommand, "a person's chart as JSON"},
};

void printUsage(std::FILE* to) {
    std::fprintf(to, "usage: vek COMMAND [OPTIONS]\n\ncommands:\n");
    for (const Command& command : COMMANDS) std::fprintf(to, "  %-10s %s\n", command.name, command.summary);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Output bytes go out as they are, line ends included.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        printUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (const Command& command : COMMANDS) {
        if (std::strcmp(argv[1], command.name) != 0) continue;
        std::vector<std::string> args(argv + 2, argv + argc);
        std::string out, err;
        const int status = command.run(args, out, err);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fwrite(err.data(), 1, err.size(), stderr);
        return status;
    }
    std::fprintf(stderr, "vek: unknown command '%s'\n", argv[1]);
    printUsage(stderr);
    return 2;
}
