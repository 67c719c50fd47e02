// The text of the Check command: the people or phrases the current report
// type is made from.
#pragma once

#include <string>

std::string dataInUseText(int reportType);
