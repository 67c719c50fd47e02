// The SZDD compressed form: a 14-byte header and an LZSS stream over a
// 4096-byte ring of blanks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

enum { SZDD_HEADER_SIZE = 14, SZDD_RING_SIZE = 4096, SZDD_RING_START = 4080 };

// Expands stored (header included) into out. False for a header that is not
// exactly the one we read, a declared size that the stored bytes could not
// expand to, or a stream that ends before the declared size is reached.
bool expandSzdd(const std::uint8_t* stored, std::size_t size, std::vector<std::uint8_t>& out);

// The largest output a stream of this many bytes (header included) can give.
std::size_t largestSzddExpansion(std::size_t storedSize);

// Compresses plain into a complete SZDD stream, header included, choosing
// the cheapest sequence of literals and matches.
std::vector<std::uint8_t> compressSzdd(const std::uint8_t* plain, std::size_t size);
