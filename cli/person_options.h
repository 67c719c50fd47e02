// The person a vek command is about, read from its options exactly as the
// birth-data dialog reads its fields.
#pragma once

#include "cli/options.h"
#include "people/person.h"

#include <string>
#include <vector>

extern const std::vector<std::string> PERSON_OPTIONS;         // the person and the shared ones
extern const std::vector<std::string> SECOND_PERSON_OPTIONS;  // "second-birth-first" ...

// --today (else the system date) into date and the global today.
bool readTodayOption(const Options& options, TodayDate& date, std::string& error);

// --method and --auto-yw, when given, into the settings.
bool readSettingOptions(const Options& options, std::string& error);

// The names and birth date under prefix ("" or "second-"), read and checked
// as the birth-data dialog does. False with the dialog's message in error.
// Unless required, the names may be empty and the date may be left out
// (the reports that don't need the person still keep it, as the program does).
bool readPersonFields(const Options& options, const std::string& prefix, const TodayDate& date,
                      PersonRecord& person, std::string& error, bool required = true);

// All of the above for one person, after the settings defaults.
bool readPersonOptions(const Options& options, PersonRecord& person, TodayDate& date,
                       std::string& error);
