#pragma once

#include <string>
#include <vector>

// "vek numbers": a person's chart as one JSON object. Returns the exit status.
int runNumbersCommand(const std::vector<std::string>& args, std::string& out, std::string& err);
