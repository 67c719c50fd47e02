#include "archive/text_archive.h"

#include "archive/scramble.h"
#include "archive/szdd.h"
#include "platform/platform.h"
#include "shell/report_state.h"
#include "shell/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

TextArchive textArchive;
char textBuffer[TEXT_BUFFER_SIZE + TEXT_BUFFER_SLACK];
char phraseBlock[PHRASE_BLOCK_SIZE];
const char* quoteTable[MAX_PHRASES];
int quoteCount = 0;

const char* const MSG_ARCHIVE_PROBLEM = "Text Archive problem.";
const char* const QUOTES_SUBJECT = "QUOTES.Q";

namespace {

const std::uint8_t CTRL_Z = 0x1A;

bool startsWith(const std::vector<std::uint8_t>& bytes, const void* prefix, std::size_t size) {
    return bytes.size() >= size && std::memcmp(bytes.data(), prefix, size) == 0;
}

void showArchiveProblem() {
    platform::messageBox(MSG_ARCHIVE_PROBLEM, "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
}

std::vector<std::uint8_t> readStoredArchive(const ArchiveSource& source) {
    // Never more than the holding file has, whatever the source claims.
    std::vector<std::uint8_t> stored(source.length);
    std::uint32_t got = 0;
    readArchiveBytes(source, 0, source.length, stored.data(), got);
    stored.resize(got);
    return stored;
}

bool readWhole(const std::string& path, std::vector<std::uint8_t>& into, bool& exists) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    exists = file != nullptr;
    if (!file) return false;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    bool ok = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        const std::size_t start = into.size();
        into.resize(start + static_cast<std::size_t>(size));
        ok = std::fread(into.data() + start, 1, static_cast<std::size_t>(size), file) ==
             static_cast<std::size_t>(size);
    }
    std::fclose(file);
    return ok;
}

bool namesUserSubject(const char* name) {
    return std::strstr(name, "__") || std::strstr(name, "INTRO.STD") || std::strstr(name, "COVER.STD");
}

void writeUserText(const std::string& path) {
    std::string content;
    for (const SubjectEntry& row : textArchive.subjectTable) {
        if (!namesUserSubject(row.name)) continue;
        content += '{';
        content += row.name;
        content += "}\r\n";
        content.append(reinterpret_cast<const char*>(textArchive.data.data()) + row.text, row.length);
    }
    platform::writeFileReplacing(path, content.data(), content.size());  // silent when it can't
}

}  // namespace

std::string userTextPath(const std::string& dataFolder, const std::string& archiveName) {
    std::string path = platform::joinPath(dataFolder, "User" + archiveName);
    const std::size_t nameStart = path.size() - archiveName.size();
    const std::size_t dot = path.find('.', nameStart);
    if (dot != std::string::npos) path.resize(dot);
    return path + ".txt";
}

bool makeArchivePlain(std::vector<std::uint8_t>& bytes, std::size_t* textEnd) {
    if (startsWith(bytes, scrambleMarker, 4)) unscrambleArchive(bytes.data(), bytes.size());
    if (startsWith(bytes, "SZDD", 4)) {
        std::vector<std::uint8_t> plain;
        if (!expandSzdd(bytes.data(), bytes.size(), plain)) return false;
        bytes.swap(plain);
        if (textEnd) *textEnd = bytes.size();  // the trailer fell away
    } else if (textEnd) {
        *textEnd = bytes.size() > TRAILER_SIZE ? bytes.size() - TRAILER_SIZE : 0;
    }
    return !bytes.empty() && bytes[0] == '{';
}

std::size_t ownTextLength(std::size_t start, std::size_t length, std::size_t textEnd) {
    return start < textEnd && start + length > textEnd ? textEnd - start : length;
}

bool buildSubjectTable(const std::uint8_t* data, std::size_t size, std::vector<SubjectEntry>& table) {
    table.clear();
    table.reserve(MAX_SUBJECTS);
    const std::uint8_t* end = data + size;
    const std::uint8_t* at = static_cast<const std::uint8_t*>(std::memchr(data, '{', size));
    while (at) {
        if (table.size() == MAX_SUBJECTS) return false;
        const std::uint8_t* nameStart = at + 1;
        const std::uint8_t* close =
            static_cast<const std::uint8_t*>(std::memchr(nameStart, '}', static_cast<std::size_t>(end - nameStart)));
        if (!close || close - nameStart > SUBJECT_NAME_SIZE - 1) return false;
        if (end - close < 3 || close[1] != '\r' || close[2] != '\n') return false;
        SubjectEntry row;
        std::memset(row.name, 0, sizeof row.name);
        std::memcpy(row.name, nameStart, static_cast<std::size_t>(close - nameStart));
        const std::uint8_t* text = close + 3;
        const std::uint8_t* next =
            static_cast<const std::uint8_t*>(std::memchr(text, '{', static_cast<std::size_t>(end - text)));
        const std::size_t length = static_cast<std::size_t>((next ? next : end) - text);
        if (length > MAX_SUBJECT_LENGTH) return false;
        row.length = static_cast<std::uint32_t>(length);
        row.text = static_cast<std::uint32_t>(text - data);
        table.push_back(row);
        at = next;
    }
    return true;
}

int openStoredArchive(std::vector<std::uint8_t> stored, const std::string& userText) {
    closeTextArchive();
    try {
        textArchive.data.swap(stored);
        bool ok = makeArchivePlain(textArchive.data, &textArchive.archiveTextEnd);
        bool userTextExists = false;
        if (ok && !userText.empty() && !readWhole(userText, textArchive.data, userTextExists) &&
            userTextExists)
            platform::fatalExit("Can't read file");
        ok = ok && buildSubjectTable(textArchive.data.data(), textArchive.data.size(), textArchive.subjectTable);
        if (ok && !userText.empty() && !userTextExists) writeUserText(userText);
        ok = ok && (quoteCount = loadQuoteTable(QUOTES_SUBJECT, phraseBlock, quoteTable)) > 0;
        if (!ok) {
            showArchiveProblem();
            closeTextArchive();
            return 0;
        }
    } catch (const std::bad_alloc&) {
        platform::fatalExit("Insufficient memory");
    }
    textArchive.isOpen = true;
    return 1;
}

int openTextArchive(const ArchiveSource& source, int type, const std::string& dataFolder) {
    closeTextArchive();
    if (!languageServes(source, type)) return 0;
    std::vector<std::uint8_t> stored;
    try {
        stored = readStoredArchive(source);
    } catch (const std::bad_alloc&) {
        platform::fatalExit("Insufficient memory");
    }
    const bool profiles = type == REPORT_PERSONALITY_PROFILES;
    return openStoredArchive(std::move(stored), profiles ? userTextPath(dataFolder, source.archiveName) : "");
}

int openTextArchive() {
    const int row = settings.languageIndex;
    if (row < 0 || row >= languageCount) return 0;
    return openTextArchive(languageList[row], reportType, platform::dataFolder());
}

void closeTextArchive() {
    std::vector<std::uint8_t>().swap(textArchive.data);
    std::vector<SubjectEntry>().swap(textArchive.subjectTable);
    textArchive.isOpen = false;
}

int findSubject(const char* name) {
    const std::vector<SubjectEntry>& table = textArchive.subjectTable;
    for (std::size_t i = table.size(); i-- > 0;)
        if (std::strcmp(table[i].name, name) == 0) return static_cast<int>(i);
    return -1;
}

int fetchSubject(const char* name) {
    const int index = findSubject(name);
    if (index < 0) {
        const std::string message = std::string("SUBJECT '") + name + "' NOT IN TEXT ARCHIVE";
        platform::messageBox(message.c_str(), "Error", platform::BOX_OK | platform::BOX_ICONINFORMATION);
        textBuffer[0] = '\0';
        return 0;
    }
    const SubjectEntry& row = textArchive.subjectTable[static_cast<std::size_t>(index)];
    const char* text = reinterpret_cast<const char*>(textArchive.data.data()) + row.text;
    const void* cut = std::memchr(text, CTRL_Z, row.length);
    const std::size_t length = cut ? static_cast<std::size_t>(static_cast<const char*>(cut) - text) : row.length;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < length; ++i)
        if (text[i] != '\r') textBuffer[kept++] = text[i];
    while (kept > 0 && (textBuffer[kept - 1] == '\n' || textBuffer[kept - 1] == ' ')) --kept;
    textBuffer[kept++] = '\n';
    textBuffer[kept++] = '\n';
    textBuffer[kept] = '\0';
    return 1;
}

int loadQuoteTable(const char* name, char* block, const char** table) {
    const int index = findSubject(name);
    if (index < 0) return buildQuoteTable("", 0, block, table);
    const SubjectEntry& row = textArchive.subjectTable[static_cast<std::size_t>(index)];
    return buildQuoteTable(reinterpret_cast<const char*>(textArchive.data.data()) + row.text,
                           ownTextLength(row.text, row.length, textArchive.archiveTextEnd), block, table);
}

int buildQuoteTable(const char* raw, std::size_t length, char* block, const char** table) {
    static const char EMPTY[] = "";
    for (int i = 0; i < MAX_PHRASES; ++i) table[i] = EMPTY;
    // The block holds the raw text and, after it, a terminator for the walk.
    if (length >= PHRASE_BLOCK_SIZE) return 0;
    std::memcpy(block, raw, length);
    block[length] = '\0';

    int count = 0;
    const bool read = forEachPhraseLine(block, length, [&](std::size_t at, std::size_t lineLength) {
        char* const line = block + at;
        char* const lineEnd = line + lineLength;
        char* open = static_cast<char*>(std::memchr(line, '<', lineLength));
        char* close = open ? static_cast<char*>(std::memchr(open, '>', static_cast<std::size_t>(lineEnd - open)))
                           : nullptr;
        if (!close) return false;  // a phrase line needs both brackets
        const long number = std::strtol(line, nullptr, 10);
        if (number < 0 || number >= MAX_PHRASES) return false;
        for (char* c = open + 1; c + 1 < close; ++c) {
            if (c[0] != '\\') continue;
            if (c[1] == 'n' || c[1] == 't') {
                c[1] = c[1] == 'n' ? '\n' : '\t';
                c[0] = ' ';
                ++c;
            }
        }
        *close = '\0';
        table[number] = open + 1;
        count = static_cast<int>(number) + 1;
        return true;
    });
    if (!read) return 0;
    return count;
}
