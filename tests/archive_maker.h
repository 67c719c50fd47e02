// Small archives for the tests, made with the packer's own functions.
#pragma once

#include "archive/archive_pack.h"

#include <string>
#include <utility>
#include <vector>

using SubjectList = std::vector<std::pair<std::string, std::string>>;

// "{NAME}\r\n" and text for each subject; a "QUOTES.Q" with two phrases
// comes first unless the list has its own.
inline std::string archiveText(const SubjectList& subjects, bool withQuotes = true) {
    std::string text;
    if (withQuotes) text += "{QUOTES.Q}\r\n1 <Heading>\r\n2 <Line\\none>\r\n";
    for (const auto& subject : subjects) text += "{" + subject.first + "}\r\n" + subject.second;
    return text;
}

inline std::vector<std::uint8_t> storedArchive(const std::string& text, ArchiveForm form = ArchiveForm::Scrambled,
                                               const std::string& description = "English   [for all report types]",
                                               std::uint32_t mask = 0x17FFF) {
    return makeStoredArchive(text, form, description, mask);
}
