// Any Brindo.dat content: read without fault, at most 40 players, every
// record safe to show, and a good file written back byte for byte.
#include "puzzle/players.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PlayerTable table = playersFromBytes(data, size);
    if (table.players.empty() || table.players.size() > MAX_PLAYERS) std::abort();
    for (const PlayerRecord& player : table.players) {
        if (std::memchr(player.name, '\0', sizeof player.name) == nullptr) std::abort();
        if (player.foundCount > UNIQUE_SOLUTIONS) std::abort();
        if (solutionsLog(player).empty() || windowTitle(player).empty()) std::abort();
    }
    if (table.state == PlayersFileState::Good) {
        const std::vector<unsigned char> bytes = playersToBytes(table.players);
        if (bytes.size() != size || std::memcmp(bytes.data(), data, size) != 0) std::abort();
    }
    return 0;
}
