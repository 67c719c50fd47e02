// Any Vek.ini content: either loaded whole with its magic or not at all.
#include "shell/settings.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::memset(&settings, 0x5A, sizeof settings);
    const bool loaded = settingsFromBytes(data, size);
    if (loaded != (size >= sizeof settings && data[0] == 0x21 && data[1] == 0x57)) std::abort();
    if (loaded && std::memcmp(&settings, data, sizeof settings) != 0) std::abort();
    if (!loaded) {
        for (std::size_t i = 0; i < sizeof settings; ++i)
            if (reinterpret_cast<const std::uint8_t*>(&settings)[i] != 0x5A) std::abort();
    }
    return 0;
}
