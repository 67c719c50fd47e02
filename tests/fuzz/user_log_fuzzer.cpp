// Any Users.vek content: parsed without overrun, and every entry that was
// read survives being written and read back.
#include "people/user_log.h"
#include "platform/platform.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {
void throwOnFatal(const char*) { throw std::runtime_error("fatal"); }

bool sameNames(const PersonRecord& a, const PersonRecord& b) {
    return !std::strcmp(a.birthFirst, b.birthFirst) && !std::strcmp(a.birthMiddle, b.birthMiddle) &&
           !std::strcmp(a.birthLast, b.birthLast) && !std::strcmp(a.currentFirst, b.currentFirst) &&
           !std::strcmp(a.currentLast, b.currentLast);
}

bool holdsLineBreak(const PersonRecord& p) {
    for (const char* name : {p.birthFirst, p.birthMiddle, p.birthLast, p.currentFirst, p.currentLast})
        if (std::strchr(name, '\r')) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::setFatalExitHook(throwOnFatal);
    std::vector<PersonRecord> entries;
    try {
        entries = parseUserLog(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const std::runtime_error&) {
        return 0;
    }
    sortUserLog(entries);
    for (const PersonRecord& entry : entries) {
        PersonRecord back{};
        if (!parseUserLogLine(formatUserLogLine(entry), back)) std::abort();
        if (!holdsLineBreak(entry) && (!sameNames(entry, back) || entry.birthYear != back.birthYear ||
                                       entry.birthMonth != back.birthMonth || entry.birthDay != back.birthDay))
            std::abort();
    }
    return 0;
}
