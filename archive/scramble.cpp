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

// The key stream repeats: the multiplier's order modulo the prime is 8190,
// so one period, made once, serves the whole archive.
constexpr std::size_t KEY_PERIOD = 8190;

constexpr std::uint16_t stateAfter(std::size_t steps) {
    std::uint16_t state = SEED;
    for (std::size_t i = 0; i < steps; ++i) state = nextState(state);
    return state;
}
static_assert(stateAfter(KEY_PERIOD) == SEED, "the key stream repeats after one period");

namespace {

struct KeyStream {
    std::uint8_t bytes[KEY_PERIOD];
};

constexpr KeyStream makeKeyStream() {
    KeyStream key{};
    std::uint16_t state = SEED;
    for (auto& byte : key.bytes) {
        state = nextState(state);
        byte = static_cast<std::uint8_t>(state & 0xFF);
    }
    return key;
}

constexpr KeyStream KEY_STREAM = makeKeyStream();

}  // namespace

void unscrambleArchive(std::uint8_t* bytes, std::size_t size) {
    for (std::size_t start = 0; start < size; start += KEY_PERIOD) {
        const std::size_t count = size - start < KEY_PERIOD ? size - start : KEY_PERIOD;
        for (std::size_t i = 0; i < count; ++i) bytes[start + i] ^= KEY_STREAM.bytes[i];
    }
}
