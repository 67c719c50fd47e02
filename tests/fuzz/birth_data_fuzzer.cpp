// Any file in the Birthdat folder: read without overrun, names terminated.
#include "people/birth_import.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PersonRecord person;
    if (parseBirthDataFile(std::string_view(reinterpret_cast<const char*>(data), size), person)) {
        for (const char* name : {person.birthFirst, person.birthMiddle, person.birthLast,
                                 person.currentFirst, person.currentLast})
            if (std::memchr(name, '\0', NAME_SIZE) == nullptr) std::abort();
    }
    return 0;
}
