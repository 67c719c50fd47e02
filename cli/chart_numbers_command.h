#pragma once

#include <string>
#include <vector>

// "vek chart-numbers": every number of the color chart as one JSON object.
// Returns the exit status.
int runChartNumbersCommand(const std::vector<std::string>& args, std::string& out, std::string& err);
