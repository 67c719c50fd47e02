// The README's example person as the command-line tool takes her, with
// today fixed, for the tests of the commands that print numbers.
#pragma once

#include <string>
#include <vector>

inline const std::vector<std::string> MARIA = {"--birth-first", "Maria", "--birth-middle", "Elena",
                                               "--birth-last", "Torres", "--current-first", "Maria",
                                               "--current-last", "Torres", "--born", "5/15/1949",
                                               "--today", "12/8/2026"};

// The arguments with more after them.
inline std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}
