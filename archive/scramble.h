// The scrambled form of a stored archive: a keystream XOR over every byte.
#pragma once

#include <cstddef>
#include <cstdint>

// The first four bytes of a scrambled archive: "SZDD" as it looks scrambled.
extern const std::uint8_t scrambleMarker[4];

// Scrambles or unscrambles (the pass is its own inverse).
void unscrambleArchive(std::uint8_t* bytes, std::size_t size);
