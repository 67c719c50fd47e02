// The person a vek command is about, read from its options exactly as the
// birth-data dialog reads its fields.
#pragma once

#include "cli/options.h"
#include "people/person.h"

#include <string>
#include <vector>

extern const std::vector<std::string> PERSON_OPTIONS;

// Fills settings' method and Y rule, today and person from the options.
// False with the dialog's message (or an option error) in error.
bool readPersonOptions(const Options& options, PersonRecord& person, TodayDate& date,
                       std::string& error);
