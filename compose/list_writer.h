// Writing a report's list file: text lines, subject lines and directives,
// the section marks, and the cover page.
#pragma once

#include "archive/list_expansion.h"
#include "compose/phrases.h"

#include <cstdint>
#include <string>

// The file the composer writes: the list file of the report being made.
extern std::string currentReportFile;

// Opens currentReportFile for writing (the program ends with "Can't open
// ListFile" when it can't) and closes it.
void openListFile();
void closeListFile();
std::uint32_t listOffset();  // bytes written so far

// Formats into textBuffer with printf semantics (cut to the buffer), applies
// the Life Path subject fallback to the first "{LIFPTH" in it, and writes it.
void listPrintf(const char* format, ...)
#ifdef __GNUC__
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Life Path subject fallback on line (capacity bytes): the first subject
// name starting "LIFPTH" becomes the first of itself, itself with the
// method letter, the root's subject with the letter, the root's subject,
// that the archive holds; the line is unchanged when none is there.
void applyLifePathFallback(char* line, std::size_t capacity);

namespace phrase_detail {
constexpr char kindOf(int) { return 'i'; }
constexpr char kindOf(char) { return 'i'; }
constexpr char kindOf(const char*) { return 's'; }
void noteSignature(int n, const char* passed);
}  // namespace phrase_detail

// Writes phrase n formatted with args (ints, characters or texts), as text
// when the phrase's conversions don't fit them.
template <typename... Args>
void writePhrase(int n, Args... args) {
    const char passed[] = {phrase_detail::kindOf(args)..., '\0'};
    phrase_detail::noteSignature(n, passed);
    // phraseFormat gives a format only when its conversions fit args exactly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
    listPrintf(phraseFormat(n).c_str(), args...);
#pragma GCC diagnostic pop
}

// Writes a cover page from the archive subject (codes in brackets filled in).
void writeCover(const char* subject);

// Text of the month's name phrase (360 + month); "" outside 1 to 12.
const char* monthName(int month);
