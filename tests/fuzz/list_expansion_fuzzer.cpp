// Any list file: expanded without overrun, with the contents rows, their
// targets and the section marks inside the report text, and text lines
// without directives or values copied byte for byte. The first eight input
// bytes place the four section marks.
#include "archive/archive_pack.h"
#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

int quietBox(const char*, const char*, unsigned) { return platform::ANSWER_OK; }

// A small archive whose texts hold values, headings and marker-like lines.
void openSampleArchive() {
    const std::string text =
        "{QUOTES.Q}\r\n1 <Heading>\r\n"
        "{PAIR}\r\n#1 then #2, #3 and #4.\r\n#1\r\n"
        "{HEAD}\r\n$A heading inside a text\r\n&A chart line\r\n"
        "{EMPTY}\r\n"
        "{-ORDER}\r\n4 lines\r\n=\r\n";
    if (openStoredArchive(makeStoredArchive(text, ArchiveForm::Szdd, "English", 0x17FFF)) != 1) __builtin_trap();
}

std::string readAll(const std::string& path) {
    std::string content;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) __builtin_trap();
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
    std::fclose(file);
    return content;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static std::unique_ptr<platform::PrivateFolder> work;
    static std::string listPath, textPath;
    if (!work) {
        platform::setMessageBoxHook(quietBox);
        // The list file and the report text are written for every input: in memory when we can.
        if (platform::directoryExists("/dev/shm")) setenv("TMPDIR", "/dev/shm", 1);
        openSampleArchive();
        work = std::make_unique<platform::PrivateFolder>();
        if (!work->made()) __builtin_trap();
        listPath = work->file(LIST_FILE_NAME);
        textPath = work->file(REPORT_TEXT_FILE_NAME);
    }
    if (size < 8) return 0;
    const std::size_t listSize = size - 8;
    std::uint32_t marks[4];
    for (int i = 0; i < 4; ++i) marks[i] = (data[2 * i] | data[2 * i + 1] << 8) % (listSize + 1);
    const char* list = reinterpret_cast<const char*>(data + 8);

    std::FILE* file = std::fopen(listPath.c_str(), "wb");
    if (!file) __builtin_trap();
    std::fwrite(list, 1, listSize, file);
    std::fclose(file);
    sectionMarks = SectionMarks{marks[0], marks[1], marks[2], marks[3], static_cast<std::uint32_t>(listSize)};
    std::memset(substitutionValues, 0, sizeof substitutionValues);
    expandListFile(listPath, textPath);
    const std::string text = readAll(textPath);

    if (indexEntryCount < 0 || indexEntryCount > MAX_INDEX_ENTRIES) __builtin_trap();
    if (chartFirstEntry < 0 || chartFirstEntry > indexEntryCount) __builtin_trap();
    for (int row = 0; row < indexEntryCount; ++row) {
        const IndexEntry& entry = indexTable[row];
        if (entry.entryPosition > text.size()) __builtin_trap();
        if (entry.targetPosition != 0) {
            if (entry.targetPosition >= text.size()) __builtin_trap();
            const char marker = row < chartFirstEntry ? '$' : '&';
            if (text[entry.targetPosition] != marker) __builtin_trap();
        }
    }
    if (sectionMarks.listEnd != text.size()) __builtin_trap();
    for (const char* value : substitutionValues)
        if (!std::memchr(value, '\0', SUBSTITUTION_SIZE)) __builtin_trap();
    // Lines that are neither directives nor carry values are copied as they are.
    const bool plainLines = !std::memchr(list, '{', listSize) && !std::memchr(list, '#', listSize);
    if (plainLines && text != std::string(list, listSize)) __builtin_trap();
    return 0;
}
