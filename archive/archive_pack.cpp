#include "archive/archive_pack.h"

#include "archive/language_list.h"
#include "archive/scramble.h"
#include "archive/szdd.h"

#include <cstring>

std::vector<std::uint8_t> makeTrailer(const std::string& description, std::uint32_t mask) {
    std::vector<std::uint8_t> trailer(TRAILER_SIZE, 0);
    std::memcpy(trailer.data(), description.data(),
                description.size() < TRAILER_TEXT_SIZE ? description.size() : TRAILER_TEXT_SIZE - 1);
    for (int i = 0; i < 4; ++i) trailer[TRAILER_TEXT_SIZE + i] = static_cast<std::uint8_t>(mask >> (8 * i));
    return trailer;
}

std::vector<std::uint8_t> makeStoredArchive(const std::string& plainText, ArchiveForm form,
                                            const std::string& description, std::uint32_t mask) {
    const std::uint8_t* plain = reinterpret_cast<const std::uint8_t*>(plainText.data());
    std::vector<std::uint8_t> stored;
    if (form == ArchiveForm::Plain) {
        stored.assign(plain, plain + plainText.size());
        stored.push_back(0x1A);
    } else {
        stored = compressSzdd(plain, plainText.size());
        if (form == ArchiveForm::Scrambled) unscrambleArchive(stored.data(), stored.size());
    }
    const std::vector<std::uint8_t> trailer = makeTrailer(description, mask);
    stored.insert(stored.end(), trailer.begin(), trailer.end());
    return stored;
}
