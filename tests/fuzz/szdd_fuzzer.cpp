// Any SZDD stream: expanded without overrun, never beyond what its size allows.
#include "archive/szdd.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out;
    if (expandSzdd(data, size, out) && out.size() > largestSzddExpansion(size)) __builtin_trap();
    // What we compress must come back unchanged.
    const std::vector<std::uint8_t> packed = compressSzdd(data, size);
    if (!expandSzdd(packed.data(), packed.size(), out) || out.size() != size ||
        (size > 0 && std::memcmp(out.data(), data, size) != 0))
        __builtin_trap();
    return 0;
}
