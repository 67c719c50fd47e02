#include "archive/archive_check.h"

#include "archive/text_archive.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

class LineIndex {
public:
    LineIndex(const std::uint8_t* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            if (data[i] == '\n') lineFeeds_.push_back(i);
    }
    std::size_t lineOf(std::size_t offset) const {
        return static_cast<std::size_t>(std::lower_bound(lineFeeds_.begin(), lineFeeds_.end(), offset) -
                                        lineFeeds_.begin()) + 1;
    }

private:
    std::vector<std::size_t> lineFeeds_;
};

struct Checker {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t textEnd;
    LineIndex lines;
    std::vector<ArchiveProblem> problems;

    void report(std::size_t offset, const std::string& subject, const std::string& message) {
        problems.push_back({lines.lineOf(offset), subject, message});
    }

    const std::uint8_t* find(const std::uint8_t* from, std::uint8_t byte) const {
        return static_cast<const std::uint8_t*>(std::memchr(from, byte, static_cast<std::size_t>(data + size - from)));
    }

    void checkPhrases(const std::uint8_t* text, std::size_t length) {
        const std::size_t base = static_cast<std::size_t>(text - data);
        if (length >= PHRASE_BLOCK_SIZE)
            report(base, QUOTES_SUBJECT,
                   "phrases take " + std::to_string(length) + " bytes, the phrase block holds " +
                       std::to_string(PHRASE_BLOCK_SIZE - 1));
        long last = -1;
        int entries = 0;
        // The loader's own walk over the phrase lines.
        forEachPhraseLine(reinterpret_cast<const char*>(text), length, [&](std::size_t at, std::size_t lineLength) {
            const std::string line(reinterpret_cast<const char*>(text) + at, lineLength);
            const std::size_t open = line.find('<');
            const std::size_t close = open == std::string::npos ? open : line.find('>', open);
            if (close == std::string::npos) {
                report(base + at, QUOTES_SUBJECT, "phrase line without '<' and '>'");
                return true;
            }
            const long number = std::strtol(line.c_str(), nullptr, 10);
            if (number < 0 || number >= MAX_PHRASES)
                report(base + at, QUOTES_SUBJECT, "phrase number " + std::to_string(number) + " outside 0 to 399");
            else if (number <= last)
                report(base + at, QUOTES_SUBJECT, "phrase number " + std::to_string(number) + " does not rise");
            else
                last = number;
            if (close + 2 > line.size() || line[close + 1] != '\r')
                report(base + at, QUOTES_SUBJECT, "'>' must end its line");
            ++entries;
            return true;
        });
        if (entries == 0) report(base, QUOTES_SUBJECT, "no phrases");
    }

    void run() {
        if (size == 0 || data[0] != '{') report(0, "", "the text must begin with '{'");
        const std::uint8_t* at = size ? find(data, '{') : nullptr;
        std::size_t count = 0;
        bool haveQuotes = false;
        std::string previous;  // the subject whose text is being read
        while (at) {
            const std::size_t offset = static_cast<std::size_t>(at - data);
            const std::uint8_t* lineFeed = find(at, '\n');
            const std::uint8_t* lineEnd = lineFeed ? lineFeed : data + size;
            const std::uint8_t* close = static_cast<const std::uint8_t*>(
                std::memchr(at, '}', static_cast<std::size_t>(lineEnd - at)));
            std::string name(reinterpret_cast<const char*>(at + 1),
                             static_cast<std::size_t>((close ? close : lineEnd) - at - 1));
            if (!name.empty() && name.back() == '\r') name.pop_back();
            if (++count == MAX_SUBJECTS + 1) report(offset, name, "more than 4000 subjects");
            if (!close) {
                report(offset, name, "a '{' outside a subject line, or a subject line without '}'");
                at = find(at + 1, '{');
                continue;
            }
            // A subject line starts its line; a "{" anywhere else would end
            // the text before it there.
            if (offset > 0 && data[offset - 1] != '\n') report(offset, previous, "'{' inside a text");
            if (name.empty()) report(offset, name, "empty subject name");
            if (name.size() > SUBJECT_NAME_SIZE - 1)
                report(offset, name, "subject name longer than 15 characters");
            const std::uint8_t* text = close + 1;
            if (data + size - text < 2 || text[0] != '\r' || text[1] != '\n')
                report(offset, name, "'}' must be followed by CR LF");
            else
                text += 2;
            const std::uint8_t* next = text < data + size ? find(text, '{') : nullptr;
            const std::size_t length = static_cast<std::size_t>((next ? next : data + size) - text);
            if (length > MAX_SUBJECT_LENGTH)
                report(offset, name, "text of " + std::to_string(length) + " bytes, at most 9999 fit");
            if (name == QUOTES_SUBJECT) {
                haveQuotes = true;
                checkPhrases(text, ownTextLength(static_cast<std::size_t>(text - data), length, textEnd));
            }
            previous = name;
            at = next;
        }
        if (!haveQuotes) report(0, "", "no subject \"QUOTES.Q\"");
    }
};

}  // namespace

std::vector<ArchiveProblem> checkArchiveText(const std::uint8_t* data, std::size_t size, std::size_t textEnd) {
    Checker checker{data, size, textEnd, LineIndex(data, size), {}};
    checker.run();
    return checker.problems;
}
