#include "archive/szdd.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const std::uint8_t SZDD_MAGIC[10] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0x00};

enum {
    MIN_MATCH = 3,
    MAX_MATCH = 18,
    // A source further back than this would be overwritten while it is copied.
    MAX_DISTANCE = SZDD_RING_SIZE - MAX_MATCH,
    HASH_BITS = 15,
    MAX_CHAIN = 512,
};

std::uint32_t readLittle32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

std::size_t largestSzddExpansion(std::size_t storedSize) {
    if (storedSize <= SZDD_HEADER_SIZE) return 0;
    // Best case: each control byte followed by eight two-byte matches of 18 bytes.
    const std::size_t stream = storedSize - SZDD_HEADER_SIZE;
    const std::size_t groups = stream / 17, rest = stream % 17;
    // A last, partial group: its payload bytes as matches, an odd one as a literal.
    const std::size_t payload = rest > 0 ? rest - 1 : 0;
    return (groups * 8 + payload / 2) * MAX_MATCH + payload % 2;
}

bool expandSzdd(const std::uint8_t* stored, std::size_t size, std::vector<std::uint8_t>& out) {
    out.clear();
    if (size < SZDD_HEADER_SIZE || std::memcmp(stored, SZDD_MAGIC, sizeof SZDD_MAGIC) != 0) return false;
    const std::uint32_t declared = readLittle32(stored + 10);
    if (declared > largestSzddExpansion(size)) return false;
    out.resize(declared);

    // The ring of the format is the output itself: a match reads what was
    // written distance bytes before, or a blank before the first byte.
    std::uint8_t* const plain = out.data();
    std::size_t in = SZDD_HEADER_SIZE;
    std::size_t produced = 0;
    while (produced < declared) {
        if (in >= size) return false;
        const unsigned control = stored[in++];
        for (int bit = 0; bit < 8 && produced < declared; ++bit) {
            if (control & (1u << bit)) {
                if (in >= size) return false;
                plain[produced++] = stored[in++];
                continue;
            }
            if (in + 2 > size) return false;
            const unsigned b0 = stored[in], b1 = stored[in + 1];
            in += 2;
            const unsigned source = b0 | (b1 >> 4) << 8;
            const std::size_t count = std::min<std::size_t>((b1 & 0x0F) + MIN_MATCH, declared - produced);
            const unsigned writeAt = static_cast<unsigned>((SZDD_RING_START + produced) % SZDD_RING_SIZE);
            std::size_t distance = (writeAt - source) % SZDD_RING_SIZE;
            if (distance == 0) distance = SZDD_RING_SIZE;
            if (distance >= count && distance <= produced) {
                std::memcpy(plain + produced, plain + produced - distance, count);
                produced += count;
            } else {
                for (std::size_t k = 0; k < count; ++k, ++produced)
                    plain[produced] = distance > produced ? ' ' : plain[produced - distance];
            }
        }
    }
    return true;
}

namespace {

struct Match {
    std::uint16_t length;    // 0 when there is none of at least MIN_MATCH
    std::uint16_t distance;
};

// Longest match at every position, through hash chains over three-byte prefixes.
std::vector<Match> findLongestMatches(const std::uint8_t* plain, std::size_t size) {
    std::vector<Match> matches(size, Match{0, 0});
    if (size < MIN_MATCH) return matches;
    // The chain heads are kept from call to call and filled with -1 (all
    // bits set) in one sweep: made and filled anew each time, the table
    // cost more than the search itself for a short text.
    thread_local const std::unique_ptr<std::int32_t[]> head(new std::int32_t[1u << HASH_BITS]);
    const std::unique_ptr<std::int32_t[]> previous(new std::int32_t[size]);
    std::memset(head.get(), 0xFF, sizeof(std::int32_t) << HASH_BITS);
    std::memset(previous.get(), 0xFF, sizeof(std::int32_t) * size);
    auto hashAt = [&](std::size_t i) {
        const std::uint32_t v = plain[i] | plain[i + 1] << 8 | plain[i + 2] << 16;
        return (v * 2654435761u) >> (32 - HASH_BITS);
    };
    for (std::size_t i = 0; i + MIN_MATCH <= size; ++i) {
        const std::uint32_t h = hashAt(i);
        const std::size_t limit = std::min<std::size_t>(MAX_MATCH, size - i);
        std::size_t bestLength = 0, bestDistance = 0;
        int chain = 0;
        for (std::int32_t candidate = head[h]; candidate >= 0 && chain < MAX_CHAIN;
             candidate = previous[candidate], ++chain) {
            const std::size_t distance = i - static_cast<std::size_t>(candidate);
            if (distance > MAX_DISTANCE) break;
            const std::uint8_t* a = plain + candidate;
            const std::uint8_t* b = plain + i;
            if (a[bestLength] != b[bestLength]) continue;  // can't beat the best so far
            std::size_t length = 0;
            while (length < limit && a[length] == b[length]) ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
                if (length == limit) break;
            }
        }
        if (bestLength >= MIN_MATCH)
            matches[i] = Match{static_cast<std::uint16_t>(bestLength), static_cast<std::uint16_t>(bestDistance)};
        previous[i] = head[h];
        head[h] = static_cast<std::int32_t>(i);
    }
    return matches;
}

}  // namespace

std::vector<std::uint8_t> compressSzdd(const std::uint8_t* plain, std::size_t size) {
    const std::vector<Match> longest = findLongestMatches(plain, size);

    // Cheapest parse from the end: a literal costs 9 bits, a match 17, and a
    // match of length L may be used at any length from MIN_MATCH to L.
    std::vector<std::uint32_t> cost(size + 1, 0);
    std::vector<std::uint8_t> step(size, 1);  // 1 = literal, else the match length used
    for (std::size_t i = size; i-- > 0;) {
        cost[i] = cost[i + 1] + 9;
        step[i] = 1;
        for (std::size_t length = MIN_MATCH; length <= longest[i].length; ++length) {
            const std::uint32_t viaMatch = cost[i + length] + 17;
            if (viaMatch < cost[i]) {
                cost[i] = viaMatch;
                step[i] = static_cast<std::uint8_t>(length);
            }
        }
    }

    std::vector<std::uint8_t> out(SZDD_MAGIC, SZDD_MAGIC + sizeof SZDD_MAGIC);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(size >> shift));
    out.reserve(out.size() + size / 2 + 16);

    std::size_t controlAt = 0;
    int bit = 8;
    for (std::size_t i = 0; i < size;) {
        if (bit == 8) {
            controlAt = out.size();
            out.push_back(0);
            bit = 0;
        }
        if (step[i] == 1) {
            out[controlAt] |= static_cast<std::uint8_t>(1u << bit);
            out.push_back(plain[i]);
            ++i;
        } else {
            // The ring position of the source: the decoder writes byte i at 4080 + i.
            const unsigned source =
                static_cast<unsigned>((SZDD_RING_START + i - longest[i].distance) % SZDD_RING_SIZE);
            const unsigned length = step[i];
            out.push_back(static_cast<std::uint8_t>(source & 0xFF));
            out.push_back(static_cast<std::uint8_t>((source >> 8) << 4 | (length - MIN_MATCH)));
            i += length;
        }
        ++bit;
    }
    return out;
}
