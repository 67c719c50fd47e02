// Import of the per-person files that older versions kept in the Birthdat
// folder ("VEK-DATA" format, versions 50 and 60) into the user log.
#pragma once

#include "people/person.h"

#include <string>
#include <string_view>

// Reads one file's content into person; false when it isn't a birth-data file.
bool parseBirthDataFile(std::string_view content, PersonRecord& person);
bool readBirthDataFile(const std::string& path, PersonRecord& person);

// Imports every "*.vek" file of dataFolder's Birthdat folder (names starting
// with "_" are skipped) into the user log, without a message. Returns how
// many files were read.
int importBirthData(const std::string& dataFolder);
