#pragma once

#include <string>
#include <vector>

// "vek archive pack|unpack|list|check": makes and reads text archives.
int runArchiveCommand(const std::vector<std::string>& args, std::string& out, std::string& err);
