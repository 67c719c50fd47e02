#include "people/birth_import.h"

#include "people/text_file.h"
#include "people/user_log.h"
#include "platform/platform.h"

#include <cstring>
#include <vector>

namespace {

// Reads the way formatted input does: words and numbers after white space.
class FormattedReader {
public:
    explicit FormattedReader(std::string_view text) : text_(text) {}

    void skipWhiteSpace() {
        while (at_ < text_.size() && isSpace(text_[at_])) ++at_;
    }

    bool atEnd() const { return at_ >= text_.size(); }

    bool readWord(std::string_view& word) {
        skipWhiteSpace();
        const std::size_t start = at_;
        while (at_ < text_.size() && !isSpace(text_[at_])) ++at_;
        word = text_.substr(start, at_ - start);
        return at_ > start;
    }

    bool readInteger(std::int32_t& value) {
        skipWhiteSpace();
        std::size_t digitsAt = at_;
        if (digitsAt < text_.size() && (text_[digitsAt] == '+' || text_[digitsAt] == '-')) ++digitsAt;
        std::size_t end = digitsAt;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9') ++end;
        if (end == digitsAt) return false;
        value = leadingInteger(text_.substr(at_, end - at_));
        at_ = end;
        return true;
    }

    // The rest of the current line, without its ending; the line's first 79
    // characters are kept, the rest of a longer line is passed over so that
    // it can't spill into the next field.
    void readLine(char (&field)[NAME_SIZE]) {
        std::size_t end = text_.find('\n', at_);
        const std::size_t next = end == std::string_view::npos ? text_.size() : end + 1;
        if (end == std::string_view::npos) end = text_.size();
        std::string_view line = text_.substr(at_, end - at_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > NAME_SIZE - 1) line = line.substr(0, NAME_SIZE - 1);
        at_ = next;

        if (!line.empty()) {
            if (line.back() == '\'') line.remove_suffix(1);
            if (!line.empty() && line.front() == '\'') line.remove_prefix(1);
        }
        std::memcpy(field, line.data(), line.size());
        field[line.size()] = '\0';
    }

private:
    static bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

bool parseBirthDataFile(std::string_view content, PersonRecord& person) {
    FormattedReader in(content);
    std::string_view word;
    std::int32_t version = 0;
    if (!in.readWord(word) || !in.readInteger(version)) return false;
    if (word == "VEK-DATA" && version == 60) {
        std::int32_t ignored;
        for (int i = 0; i < 10; ++i)
            if (!in.readInteger(ignored)) return false;
        in.skipWhiteSpace();
    } else if (word != "VEK-DATA" || version != 50) {
        return false;
    } else {
        in.skipWhiteSpace();
        if (in.atEnd()) return false;
    }

    std::memset(&person, 0, sizeof person);
    in.readLine(person.birthFirst);
    in.readLine(person.birthMiddle);
    in.readLine(person.birthLast);
    in.readLine(person.currentFirst);
    in.readLine(person.currentLast);
    std::int32_t date[3];
    for (std::int32_t& part : date)
        if (!in.readInteger(part)) return false;
    person.birthMonth = date[0];
    person.birthDay = date[1];
    person.birthYear = date[2];
    return true;
}

bool readBirthDataFile(const std::string& path, PersonRecord& person) {
    std::string content;
    return readWholeFile(path, content) && parseBirthDataFile(content, person);
}

int importBirthData(const std::string& dataFolder) {
    const std::string folder = platform::joinPath(dataFolder, "Birthdat");
    std::vector<PersonRecord> people;
    for (const std::string& name : platform::listFiles(folder, "*.vek")) {
        if (name[0] == '_') continue;
        PersonRecord person;
        if (readBirthDataFile(platform::joinPath(folder, name), person)) people.push_back(person);
    }
    if (!people.empty())
        addPeopleToUserLog(platform::joinPath(dataFolder, USER_LOG_FILE_NAME), people);
    return static_cast<int>(people.size());
}
