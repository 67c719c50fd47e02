// Stored archives made from plain archive text: plain, SZDD or scrambled
// SZDD, each followed by the 256-byte availability trailer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class ArchiveForm { Plain, Szdd, Scrambled };

// The trailer: description (at most 251 characters) and report-type mask.
std::vector<std::uint8_t> makeTrailer(const std::string& description, std::uint32_t mask);

// The plain form ends its last text with a Ctrl-Z so that the trailer,
// which the loader reads as part of that text, is never shown.
std::vector<std::uint8_t> makeStoredArchive(const std::string& plainText, ArchiveForm form,
                                            const std::string& description, std::uint32_t mask);
