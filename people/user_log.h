// The user log, Users.vek: one line per person for whom a report was made,
// kept sorted and without duplicates.
#pragma once

#include "people/person.h"

#include <string>
#include <string_view>
#include <vector>

extern const char* const USER_LOG_FILE_NAME;  // "Users.vek"
extern const char* const MSG_BAD_USER_LOG;    // "Bad format in User Log."

// Parses one line ("first,last,birth first,middle,last,month,day,year").
// False when a field is missing. Names longer than 79 characters are cut.
bool parseUserLogLine(std::string_view line, PersonRecord& person);

// The line that stores person, CR LF included. Commas and line breaks in a
// name would shift the fields of the line, so they are written as ";" and " ".
std::string formatUserLogLine(const PersonRecord& person);

// Compares as the sort does: names through their letter folds, then the date.
int compareUserLogEntries(const PersonRecord& a, const PersonRecord& b);

// Exchange sort that drops later duplicates, so the entry that was first
// in the array stays.
void sortUserLog(std::vector<PersonRecord>& entries);

// Reads every entry of the file (empty lines skipped); a missing file is an
// empty log. A line without all its fields ends the program. False (and no
// entries) when the file is there but can't be read: locked, not ours.
bool readUserLog(const std::string& path, std::vector<PersonRecord>& entries);
// The same, with an unreadable file read as empty (for showing the log).
std::vector<PersonRecord> loadUserLog(const std::string& path);
std::vector<PersonRecord> parseUserLog(std::string_view content);
int countUserLogEntries(const std::string& path);

// Rewrites the whole file; a file that can't be written keeps its old
// content, and the user is told ("Error" box) that the change was not saved.
bool storeUserLog(const std::string& path, const std::vector<PersonRecord>& entries);

// Appends people to the log, sorts, drops duplicates and stores it. A log
// that can't be read is left as it is and the user is told; false then, and
// when the log could not be written.
bool addPeopleToUserLog(const std::string& path, const std::vector<PersonRecord>& people);

// Adds one person; with confirm, tells the user it was saved (only when it was).
void addPersonToUserLog(const std::string& path, const PersonRecord& person, bool confirm);

// Removes entry index and stores the log.
void deleteUserLogEntry(const std::string& path, std::vector<PersonRecord>& entries, int index);

std::string userLogPath();  // in the data folder
