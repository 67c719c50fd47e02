#include "people/user_log.h"

#include "engine/letters.h"
#include "people/text_file.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

const char* const USER_LOG_FILE_NAME = "Users.vek";
const char* const MSG_BAD_USER_LOG = "Bad format in User Log.";

namespace {

void copyField(char (&field)[NAME_SIZE], std::string_view text) {
    const std::size_t length = text.size() < NAME_SIZE - 1 ? text.size() : NAME_SIZE - 1;
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

int compareNames(const char* a, const char* b) {
    for (std::size_t i = 0;; ++i) {
        const unsigned char ca = static_cast<unsigned char>(a[i]);
        const unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca == 0 || cb == 0) return ca - cb;
        const unsigned char fa = static_cast<unsigned char>(letterFold[ca]);
        const unsigned char fb = static_cast<unsigned char>(letterFold[cb]);
        if (fa != fb) return fa - fb;
    }
}

void appendName(std::string& line, const char* name) {
    for (const char* c = name; *c; ++c) {
        if (*c == ',')
            line += ';';
        else if (*c == '\n' || *c == '\r')
            line += ' ';
        else
            line += *c;
    }
}

}  // namespace

bool parseUserLogLine(std::string_view line, PersonRecord& person) {
    line = line.substr(0, line.find('\n'));
    std::string_view fields[8];
    std::size_t at = 0;
    for (auto& field : fields) {
        if (at >= line.size()) return false;
        const std::size_t comma = line.find(',', at);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        field = line.substr(at, end - at);
        at = comma == std::string_view::npos ? line.size() : comma + 1;
    }
    copyField(person.currentFirst, fields[0]);
    copyField(person.currentLast, fields[1]);
    copyField(person.birthFirst, fields[2]);
    copyField(person.birthMiddle, fields[3]);
    copyField(person.birthLast, fields[4]);
    person.birthMonth = leadingInteger(fields[5]);
    person.birthDay = leadingInteger(fields[6]);
    person.birthYear = leadingInteger(fields[7]);
    return true;
}

std::string formatUserLogLine(const PersonRecord& person) {
    std::string line;
    line.reserve(5 * NAME_SIZE + 40);
    const char* names[] = {person.currentFirst, person.currentLast, person.birthFirst,
                           person.birthMiddle, person.birthLast};
    for (const char* name : names) {
        appendName(line, name);
        line += ',';
    }
    char date[48];
    std::snprintf(date, sizeof date, "%d,%d,%d\r\n", static_cast<int>(person.birthMonth),
                  static_cast<int>(person.birthDay), static_cast<int>(person.birthYear));
    line += date;
    return line;
}

int compareUserLogEntries(const PersonRecord& a, const PersonRecord& b) {
    if (int d = compareNames(a.currentLast, b.currentLast)) return d;
    if (int d = compareNames(a.currentFirst, b.currentFirst)) return d;
    if (int d = compareNames(a.birthLast, b.birthLast)) return d;
    if (int d = compareNames(a.birthFirst, b.birthFirst)) return d;
    if (int d = compareNames(a.birthMiddle, b.birthMiddle)) return d;
    // Compared, not subtracted, so that no stored number can overflow.
    auto order = [](std::int32_t x, std::int32_t y) { return x < y ? -1 : x > y ? 1 : 0; };
    if (int d = order(a.birthYear, b.birthYear)) return d;
    if (int d = order(a.birthMonth, b.birthMonth)) return d;
    return order(a.birthDay, b.birthDay);
}

void sortUserLog(std::vector<PersonRecord>& entries) {
    // A dropped duplicate is marked rather than removed at once, and marks
    // sort after every entry so that no real entry can ever match one.
    const std::size_t n = entries.size();
    std::vector<char> dropped(n, 0);
    auto compare = [&](std::size_t i, std::size_t j) {
        if (dropped[i] || dropped[j]) return dropped[i] - dropped[j];
        return compareUserLogEntries(entries[i], entries[j]);
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            const int order = compare(i, j);
            if (order > 0) {
                std::swap(entries[i], entries[j]);
                std::swap(dropped[i], dropped[j]);
            } else if (order == 0 && !dropped[j]) {
                dropped[j] = 1;
            }
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (!dropped[i]) entries[kept++] = entries[i];
    entries.resize(kept);
}

bool readUserLog(const std::string& path, std::vector<PersonRecord>& entries) {
    entries.clear();
    std::string content;
    if (!readWholeFile(path, content)) return !platform::fileExists(path) && !platform::directoryExists(path);
    entries = parseUserLog(content);
    return true;
}

std::vector<PersonRecord> loadUserLog(const std::string& path) {
    std::vector<PersonRecord> entries;
    readUserLog(path, entries);
    return entries;
}

std::vector<PersonRecord> parseUserLog(std::string_view content) {
    std::vector<PersonRecord> entries;
    forEachLine(content, [&](std::string_view line) {
        // An empty line (an editor leaves one at the end) holds no one.
        if (line.empty()) return;
        PersonRecord person{};
        if (!parseUserLogLine(line, person)) platform::fatalExit(MSG_BAD_USER_LOG);
        entries.push_back(person);
    });
    return entries;
}

int countUserLogEntries(const std::string& path) {
    return static_cast<int>(loadUserLog(path).size());
}

bool storeUserLog(const std::string& path, const std::vector<PersonRecord>& entries) {
    std::string content;
    content.reserve(entries.size() * 64);
    for (const PersonRecord& person : entries) content += formatUserLogLine(person);
    if (platform::writeFileReplacing(path, content.data(), content.size())) return true;
    const std::string message = "The user log " + path + " could not be written; the change was not saved.";
    platform::messageBox(message.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
    return false;
}

bool addPeopleToUserLog(const std::string& path, const std::vector<PersonRecord>& people) {
    std::vector<PersonRecord> entries;
    if (!readUserLog(path, entries)) {
        // Locked or not ours to read: what it holds must not be replaced.
        const std::string message = "The user log " + path + " could not be read; nothing was saved.";
        platform::messageBox(message.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
        return false;
    }
    entries.insert(entries.end(), people.begin(), people.end());
    sortUserLog(entries);
    return storeUserLog(path, entries);
}

void addPersonToUserLog(const std::string& path, const PersonRecord& person, bool confirm) {
    if (!addPeopleToUserLog(path, {person}) || !confirm) return;
    char message[80];
    std::snprintf(message, sizeof message, "Info for '%s  %s' has been saved.",
                  properName(person.currentFirst), properName(person.currentLast));
    platform::messageBox(message, "User Entry Saved", platform::BOX_OK | platform::BOX_ICONINFORMATION);
}

void deleteUserLogEntry(const std::string& path, std::vector<PersonRecord>& entries, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
    entries.erase(entries.begin() + index);
    storeUserLog(path, entries);
}

std::string userLogPath() { return platform::joinPath(platform::dataFolder(), USER_LOG_FILE_NAME); }
