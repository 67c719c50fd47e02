#include "archive/scramble.h"

namespace {

// The key: a multiplicative generator modulo a prime below 65536. Every
// product of the 16-bit state with the multiplier fits in 32 bits.
constexpr std::uint32_t SEED = 29821;
constexpr std::uint32_t MULTIPLIER = 40692;
constexpr std::uint32_t MODULUS = 65521;

constexpr std::uint16_t nextState(std::uint16_t state) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(state) * MULTIPLIER) % MODULUS);
}

struct Marker {
    std::uint8_t bytes[4];
};

constexpr Marker scrambledSzdd() {
    Marker marker{{'S', 'Z', 'D', 'D'}};
    std::uint16_t state = SEED;
    for (auto& byte : marker.bytes) {
        state = nextState(state);
        byte = static_cast<std::uint8_t>(byte ^ (state & 0xFF));
    }
    return marker;
}

constexpr Marker MARKER = scrambledSzdd();

}  // namespace

const std::uint8_t scrambleMarker[4] = {MARKER.bytes[0], MARKER.bytes[1], MARKER.bytes[2], MARKER.bytes[3]};

void unscrambleArchive(std::uint8_t* bytes, std::size_t size) {
    std::uint16_t state = SEED;
    for (std::size_t i = 0; i < size; ++i) {
        state = nextState(state);
        bytes[i] = static_cast<std::uint8_t>(bytes[i] ^ (state & 0xFF));
    }
}
