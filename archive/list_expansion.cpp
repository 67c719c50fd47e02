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

namespace {

// The one substitution pass, over text of at most capacity - 1 bytes.
void substituteInto(std::string& text, std::size_t capacity, char digit, std::string_view value) {
    for (std::size_t i = 0; i + 1 < text.size();) {
        if (text[i] != '#' || text[i + 1] != digit) {
            ++i;
            continue;
        }
        const bool guarded = !value.empty() && isStyleMarker(value[0]) && (i == 0 || text[i - 1] == '\n');
        const std::size_t inserted = value.size() + (guarded ? 1 : 0);
        if (text.size() - 2 + inserted + 1 > capacity) {
            i += 2;  // no room: this one stays as written
            continue;
        }
        std::string piece;
        if (guarded) piece += PLAIN_TEXT_MARKER;
        piece.append(value.data(), value.size());
        text.replace(i, 2, piece);
        i += inserted;
    }
}

}  // namespace

void substituteValue(char* text, std::size_t capacity, char digit, const char* value) {
    std::string whole(text);
    substituteInto(whole, capacity, digit, value);
    std::memcpy(text, whole.c_str(), whole.size() + 1);
}

namespace {

// Calls visit with each line of text as the work buffer takes it: up to and
// with its line feed (a last line may have none), at most 9999 bytes at a time.
template <typename Visit>
void forEachListLine(std::string_view text, Visit visit) {
    const std::size_t most = TEXT_BUFFER_SIZE - 1;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t lineFeed = text.find('\n', at);
        std::size_t length = lineFeed == std::string_view::npos ? text.size() - at : lineFeed - at + 1;
        if (length > most) length = most;
        visit(text.substr(at, length));
        at += length;
    }
}

class Expansion {
public:
    Expansion(std::string_view list, std::uint32_t headingScanStart)
        : list_(list), scanStart_(headingScanStart) {}

    void run() {
        forEachListLine(list_, [&](std::string_view line) { expandLine(line); });
    }

    const std::string& text() const { return out_; }

private:
    // Values 1 to 4 into text, in this order (first and second swapped on request).
    static void substituteAll(std::string& text, bool swapNames) {
        const int first = swapNames ? 1 : 0;
        substituteInto(text, TEXT_BUFFER_SIZE, '1', substitutionValues[first]);
        substituteInto(text, TEXT_BUFFER_SIZE, '2', substitutionValues[1 - first]);
        substituteInto(text, TEXT_BUFFER_SIZE, '3', substitutionValues[2]);
        substituteInto(text, TEXT_BUFFER_SIZE, '4', substitutionValues[3]);
    }

    // line holds its line feed, when it has one.
    void expandLine(std::string_view line) {
        if (line[0] != '{') {
            // Copied byte for byte, line end included.
            std::string text(line);
            substituteAll(text, false);
            out_ += text;
            return;
        }
        std::string_view directive = line.substr(0, line.find('}'));  // without the "}"
        if (directive.size() == line.size()) {
            // No "}": the whole line up to its line end.
            if (!directive.empty() && directive.back() == '\n') directive.remove_suffix(1);
            if (!directive.empty() && directive.back() == '\r') directive.remove_suffix(1);
        }
        auto startsWith = [&](const char* prefix) { return directive.compare(0, std::strlen(prefix), prefix) == 0; };
        if (startsWith("{INDEX")) {
            gather('$', line.size());
            chartFirstEntry = indexEntryCount;
        } else if (startsWith("{CHART")) {
            gather('&', line.size());
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
            std::string text(textBuffer);
            substituteAll(text, swapNames_);
            out_ += text;
            swapNames_ = false;
        }
    }

    // Lists every body line of the list file that starts with marker, without
    // the marker. directiveLength: the bytes of the directive's own line.
    void gather(char marker, std::size_t directiveLength) {
        const std::uint32_t at = static_cast<std::uint32_t>(out_.size());
        if (scanStart_ < list_.size()) {
            forEachListLine(list_.substr(scanStart_), [&](std::string_view line) {
                if (line[0] != marker) return;
                const std::string_view entry = line.substr(1);
                // A heading's text may begin like a marker of its own.
                if (!entry.empty() && isStyleMarker(entry[0])) out_ += PLAIN_TEXT_MARKER;
                if (indexEntryCount < MAX_INDEX_ENTRIES) {
                    IndexEntry& row = indexTable[indexEntryCount++];
                    row.entryPosition = static_cast<std::uint32_t>(out_.size());
                    row.targetPosition = 0;
                }
                out_ += entry;
                if (entry.empty() || entry.back() != '\n') out_ += '\n';  // the list's last line
            });
        }
        out_ += '\n';
        const std::int64_t growth = static_cast<std::int64_t>(out_.size()) - at - static_cast<std::int64_t>(directiveLength);
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
