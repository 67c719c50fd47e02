// Any "QUOTES.Q" text: the phrase table is built inside its block.
#include "archive/text_archive.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {
int quietBox(const char*, const char*, unsigned) { return platform::ANSWER_OK; }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::setMessageBoxHook(quietBox);
    std::string text = "{QUOTES.Q}\r\n";
    text.append(reinterpret_cast<const char*>(data), size);
    // Stored plain, the trailer after the text as a stored archive has it.
    std::vector<std::uint8_t> stored(text.begin(), text.end());
    stored.resize(stored.size() + TRAILER_SIZE, 0);
    if (openStoredArchive(stored) == 1) {
        if (quoteCount < 1 || quoteCount > MAX_PHRASES) __builtin_trap();
        for (int i = 0; i < quoteCount; ++i) {
            const char* phrase = quoteTable[i];
            const bool inBlock = phrase >= phraseBlock && phrase < phraseBlock + PHRASE_BLOCK_SIZE;
            if (!inBlock && *phrase != '\0') __builtin_trap();
        }
        closeTextArchive();
    }
    return 0;
}
