#include "compose/list_writer.h"

#include "archive/text_archive.h"
#include "engine/letters.h"
#include "people/person.h"
#include "platform/platform.h"
#include "shell/settings.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

std::string currentReportFile;

namespace {

std::FILE* listFile = nullptr;
std::uint32_t written = 0;

void writeBytes(const char* bytes, std::size_t size) {
    std::fwrite(bytes, 1, size, listFile);
    written += static_cast<std::uint32_t>(size);
}

void writeText(const char* text) { writeBytes(text, std::strlen(text)); }

int digitRoot(int n) { return n < 1 ? 0 : (n - 1) % 9 + 1; }

// The parts of a name that are there, capitalised, one blank between them
// (a person without a middle name gets no double blank).
void joinNameParts(char* out, std::size_t size, std::initializer_list<const char*> parts) {
    std::string joined;
    for (const char* part : parts) {
        if (!part[0]) continue;
        if (!joined.empty()) joined += ' ';
        joined += properName(part);
    }
    std::snprintf(out, size, "%s", joined.c_str());
}

}  // namespace

void openListFile() {
    listFile = std::fopen(currentReportFile.c_str(), "wb");
    if (!listFile) platform::fatalExit("Can't open ListFile");
    written = 0;
}

void closeListFile() {
    if (listFile) std::fclose(listFile);
    listFile = nullptr;
}

std::uint32_t listOffset() { return written; }

void applyLifePathFallback(char* line, std::size_t capacity) {
    char* open = std::strstr(line, "{LIFPTH");
    if (!open) return;
    char* close = std::strchr(open, '}');
    if (!close) return;
    const std::string name(open + 1, close);
    const int method = settings.lifePathMethod;
    const std::string suffix = method >= 0 && method <= 2 ? std::string(".") + char('A' + method) : "";
    std::string root = name;
    if (root.size() >= 8) {
        root.replace(6, 2, "0" + std::to_string(digitRoot(std::atoi(name.c_str() + 6)) % 10));
    }
    const std::string candidates[] = {name, name + suffix, root + suffix, root};
    for (const std::string& candidate : candidates) {
        if (candidate.size() >= SUBJECT_NAME_SIZE || findSubject(candidate.c_str()) < 0) continue;
        const std::size_t tailLength = std::strlen(close);
        const std::size_t start = static_cast<std::size_t>(open + 1 - line);
        if (start + candidate.size() + tailLength + 1 > capacity) return;
        std::memmove(open + 1 + candidate.size(), close, tailLength + 1);
        std::memcpy(open + 1, candidate.data(), candidate.size());
        return;
    }
}

void listPrintf(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(textBuffer, TEXT_BUFFER_SIZE, format, args);
    va_end(args);
    applyLifePathFallback(textBuffer, TEXT_BUFFER_SIZE + TEXT_BUFFER_SLACK);
    writeText(textBuffer);
}

namespace phrase_detail {
void noteSignature(int n, const char* passed) {
    const char* table = phraseSignature(n);
    if (!table || std::strcmp(table, passed) != 0) ++phraseSignatureMismatches;
}
}  // namespace phrase_detail

const char* monthName(int month) { return month >= 1 && month <= 12 ? phraseText(360 + month) : ""; }

void writeCover(const char* subject) {
    fetchSubject(subject);
    const std::string text = textBuffer;
    char piece[3 * NAME_SIZE + 64];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '[') {
            writeBytes(&c, 1);
            continue;
        }
        if (++i >= text.size()) break;
        const char code = text[i];
        char argument = '\0';
        if (std::strchr("fNnsd", code)) {
            if (++i >= text.size()) break;
            argument = text[i];
        }
        const PersonRecord& person = argument == '0' ? person1 : person2;
        piece[0] = '\0';
        switch (code) {
        case 'a': std::snprintf(piece, sizeof piece, "%s", settings.coverAuthor); break;
        case 'c': std::snprintf(piece, sizeof piece, "%c", static_cast<char>(169)); break;
        case 'r': std::snprintf(piece, sizeof piece, "%c", static_cast<char>(174)); break;
        case 'p': std::snprintf(piece, sizeof piece, "=\n"); break;
        case 't': std::snprintf(piece, sizeof piece, "%d", static_cast<int>(settings.firstAge)); break;
        case 'f': piece[0] = argument, piece[1] = '\0'; break;
        case 'N':
            if (argument >= '0' && argument <= '7' && phraseList[argument - '0'][0])
                std::snprintf(piece, sizeof piece, "%s", properName(phraseList[argument - '0']));
            break;
        case 'n':
            joinNameParts(piece, sizeof piece, {person.birthFirst, person.birthMiddle, person.birthLast});
            break;
        case 's':
            joinNameParts(piece, sizeof piece, {person.currentFirst, person.currentLast});
            break;
        case 'd':
            if (person.birthYear != 0)
                std::snprintf(piece, sizeof piece, "%s %d, %d", monthName(person.birthMonth),
                              static_cast<int>(person.birthDay), static_cast<int>(person.birthYear));
            break;
        default: break;  // an unknown code writes nothing
        }
        writeText(piece);
        ++i;  // the closing bracket
    }
    writeText("=\n");
}
