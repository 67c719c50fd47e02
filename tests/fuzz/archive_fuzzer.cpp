// Any stored archive bytes, in each form: the first input byte chooses
// whether the rest is taken as it is, as the stream of an SZDD file, or as
// that stream scrambled. No input may crash, hang, overrun or allocate
// without bound; a loaded archive answers lookups and fetches.
#include "archive/scramble.h"
#include "archive/text_archive.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
int quietBox(const char*, const char*, unsigned) { return platform::ANSWER_OK; }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::setMessageBoxHook(quietBox);
    if (size == 0) return 0;
    const int form = data[0] % 3;
    std::vector<std::uint8_t> stored;
    if (form > 0) {
        const std::uint8_t header[10] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0};
        stored.assign(header, header + 10);
    }
    stored.insert(stored.end(), data + 1, data + size);
    if (form == 2) unscrambleArchive(stored.data(), stored.size());
    if (openStoredArchive(stored) == 1) {
        for (const SubjectEntry& row : textArchive.subjectTable) {
            if (fetchSubject(row.name) != 1) __builtin_trap();
            // A text may hold NUL bytes, so only the upper bound is certain.
            if (std::strlen(textBuffer) > TEXT_BUFFER_SIZE + 1) __builtin_trap();
        }
        for (int i = 0; i < quoteCount; ++i)
            if (!quoteTable[i]) __builtin_trap();
        closeTextArchive();
    }
    return 0;
}
