#include "archive/list_expansion.h"

#include "archive/text_archive.h"
#include "people/text_file.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string_view>

SectionMarks sectionMarks;
IndexEntry indexTable[MAX_INDEX_ENTRIES];
int indexEntryCount = 0;
int chartFirstEntry = 0;
char substitutionValues[4][SUBSTITUTION_SIZE];

const char* const LIST_FILE_NAME = "vekTemp1";
const char* const REPORT_TEXT_FILE_NAME = "vekTemp2";

void substituteValue(char* text, std::size_t capacity, char digit, const char* value) {
    const std::size_t valueLength = std::strlen(value);
    std::size_t length = std::strlen(text);
    for (std::size_t i = 0; i + 1 < length;) {
        if (text[i] != '#' || text[i + 1] != digit) {
            ++i;
            continue;
        }
        if (length - 2 + valueLength + 1 > capacity) {
            i += 2;  // no room: this one stays as written
            continue;
        }
        std::memmove(text + i + valueLength, text + i + 2, length - i - 2 + 1);
        std::memcpy(text + i, value, valueLength);
        length = length - 2 + valueLength;
        i += valueLength;
    }
}

namespace {

class Expansion {
public:
    Expansion(std::string_view list, std::uint32_t headingScanStart)
        : list_(list), scanStart_(headingScanStart) {}

    void run() {
        forEachLine(list_, [&](std::string_view line) { expandLine(line); });
    }

    const std::string& text() const { return out_; }

private:
    static std::string_view lineOf(std::string_view line) {
        return line.substr(0, line.size() < TEXT_BUFFER_SIZE - 1 ? line.size() : TEXT_BUFFER_SIZE - 1);
    }

    void expandLine(std::string_view whole) {
        const std::string_view line = lineOf(whole);
        if (line.empty() || line[0] != '{') {
            std::memcpy(textBuffer, line.data(), line.size());
            textBuffer[line.size()] = '\0';
            for (char digit = '1'; digit <= '4'; ++digit)
                substituteValue(textBuffer, TEXT_BUFFER_SIZE, digit, substitutionValues[digit - '1']);
            out_ += textBuffer;
            out_ += '\n';
            return;
        }
        const std::string_view directive = line.substr(0, line.find('}'));  // without the "}"
        auto startsWith = [&](const char* prefix) { return directive.compare(0, std::strlen(prefix), prefix) == 0; };
        if (startsWith("{INDEX")) {
            gather('$');
            chartFirstEntry = indexEntryCount;
        } else if (startsWith("{CHART")) {
            gather('&');
        } else if (directive.size() >= 4 && directive[1] == '#' && directive[2] >= '1' && directive[2] <= '4' &&
                   directive[3] == '=') {
            char* value = substitutionValues[directive[2] - '1'];
            const std::string_view text = directive.substr(4, SUBSTITUTION_SIZE - 1);
            std::memcpy(value, text.data(), text.size());
            value[text.size()] = '\0';
        } else if (startsWith("{SWAPN")) {
            swapNames_ = true;
        } else {
            const std::string name(directive.substr(1));
            fetchSubject(name.c_str());
            const int first = swapNames_ ? 1 : 0;
            substituteValue(textBuffer, TEXT_BUFFER_SIZE, '1', substitutionValues[first]);
            substituteValue(textBuffer, TEXT_BUFFER_SIZE, '2', substitutionValues[1 - first]);
            substituteValue(textBuffer, TEXT_BUFFER_SIZE, '3', substitutionValues[2]);
            substituteValue(textBuffer, TEXT_BUFFER_SIZE, '4', substitutionValues[3]);
            out_ += textBuffer;
            swapNames_ = false;
        }
    }

    // Lists every body line of the list file that starts with marker.
    void gather(char marker) {
        const std::uint32_t at = static_cast<std::uint32_t>(out_.size());
        if (scanStart_ < list_.size()) {
            forEachLine(list_.substr(scanStart_), [&](std::string_view line) {
                if (line.empty() || line[0] != marker) return;
                if (indexEntryCount < MAX_INDEX_ENTRIES) {
                    IndexEntry& row = indexTable[indexEntryCount++];
                    row.entryPosition = static_cast<std::uint32_t>(out_.size());
                    row.targetPosition = 0;
                }
                out_.append(line.data() + 1, lineOf(line).size() - 1);
                out_ += '\n';
            });
        }
        out_ += '\n';
        // The directive's line ("{INDEX}" or "{CHART}" and its line feed) is 8 bytes.
        const std::int64_t growth = static_cast<std::int64_t>(out_.size()) - at - 8;
        for (std::uint32_t* mark : {&sectionMarks.contentsStart, &sectionMarks.chartStart, &sectionMarks.bodyStart})
            if (*mark >= at) *mark = static_cast<std::uint32_t>(*mark + growth);
    }

    std::string_view list_;
    std::uint32_t scanStart_;
    std::string out_;
    bool swapNames_ = false;
};

// The k-th "$" line of the body is the heading of contents row k, the m-th
// "&" line that of chart row chartFirstEntry + m.
void collectTargets(const std::string& text) {
    int headings = 0, chartLines = 0;
    std::size_t at = sectionMarks.bodyStart;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (text[at] == '$' && headings < chartFirstEntry)
            indexTable[headings++].targetPosition = static_cast<std::uint32_t>(at);
        else if (text[at] == '&' && chartFirstEntry + chartLines < indexEntryCount)
            indexTable[chartFirstEntry + chartLines++].targetPosition = static_cast<std::uint32_t>(at);
        at = end + 1;
    }
}

}  // namespace

void expandListFile(const std::string& listPath, const std::string& textPath) {
    std::memset(indexTable, 0, sizeof indexTable);
    indexEntryCount = 0;
    chartFirstEntry = 0;

    std::string list;
    if (!readWholeFile(listPath, list)) platform::fatalExit("Can't open ListFile");
    std::FILE* out = std::fopen(textPath.c_str(), "wb");
    if (!out) platform::fatalExit("Can't open OutFile");

    Expansion expansion(list, sectionMarks.bodyStart);
    expansion.run();
    const std::string& text = expansion.text();
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !written) platform::fatalExit("Can't open OutFile");

    collectTargets(text);
    sectionMarks.listEnd = static_cast<std::uint32_t>(text.size());
}
