#include "puzzle/players.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/platform.h"

namespace {

const std::size_t COUNT_SIZE = 2;

// A record read from a file the game didn't write may hold anything.
bool makeSafe(PlayerRecord& player) {
    bool changed = false;
    if (std::memchr(player.name, '\0', sizeof player.name) == nullptr) {
        player.name[sizeof player.name - 1] = '\0';
        changed = true;
    }
    if (player.foundCount > UNIQUE_SOLUTIONS) {
        player.foundCount = UNIQUE_SOLUTIONS;
        changed = true;
    }
    if (player.board > 0xFFFFFFu) {
        player.board &= 0xFFFFFFu;
        changed = true;
    }
    for (int k = 0; k < player.foundCount; ++k) {
        if (player.found[k].code > 0xFFFFFFu) {
            player.found[k].code &= 0xFFFFFFu;
            changed = true;
        }
    }
    return !changed;
}

}  // namespace

PlayerRecord newPlayer(const std::string& name) {
    PlayerRecord player;
    std::memset(&player, 0, sizeof player);
    std::snprintf(player.name, sizeof player.name, "%s", name.c_str());
    player.board = STARTING_POSITION;
    return player;
}

std::string playerName(const PlayerRecord& player) {
    return std::string(player.name, strnlen(player.name, sizeof player.name));
}

PlayerTable playersFromBytes(const unsigned char* bytes, std::size_t size) {
    PlayerTable table;
    table.state = PlayersFileState::Damaged;
    if (size >= COUNT_SIZE) {
        const std::size_t count = bytes[0] | static_cast<std::size_t>(bytes[1]) << 8;
        const std::size_t whole = (size - COUNT_SIZE) / sizeof(PlayerRecord);
        const bool countFits = count >= 1 && count <= MAX_PLAYERS;
        bool good = countFits && size == COUNT_SIZE + count * sizeof(PlayerRecord);
        // A count that can't be right says nothing: then every whole record is kept.
        const std::size_t readable = std::min<std::size_t>(whole, countFits ? count : std::size_t{MAX_PLAYERS});
        for (std::size_t i = 0; i < readable; ++i) {
            PlayerRecord player;
            std::memcpy(&player, bytes + COUNT_SIZE + i * sizeof player, sizeof player);
            if (!makeSafe(player)) good = false;
            table.players.push_back(player);
        }
        if (good) table.state = PlayersFileState::Good;
    }
    if (table.players.empty()) table.players.push_back(newPlayer("Guest"));
    return table;
}

std::vector<unsigned char> playersToBytes(const std::vector<PlayerRecord>& players) {
    std::vector<unsigned char> bytes(COUNT_SIZE + players.size() * sizeof(PlayerRecord));
    bytes[0] = static_cast<unsigned char>(players.size() & 0xFF);
    bytes[1] = static_cast<unsigned char>(players.size() >> 8);
    if (!players.empty()) std::memcpy(bytes.data() + COUNT_SIZE, players.data(), players.size() * sizeof(PlayerRecord));
    return bytes;
}

std::string playersFilePath() { return platform::joinPath(platform::dataFolder(), "Brindo.dat"); }

std::string damagedFilePath() { return platform::joinPath(platform::dataFolder(), "Brindo.bad"); }

PlayerTable loadPlayers(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        PlayerTable table;
        table.players.push_back(newPlayer("Guest"));
        return table;
    }
    // A real file is 10 KB at most; read a little past that to see whether it is longer.
    std::vector<unsigned char> bytes;
    const std::size_t limit = COUNT_SIZE + (MAX_PLAYERS + 1) * sizeof(PlayerRecord);
    bytes.resize(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return playersFromBytes(bytes.data(), bytes.size());
}

bool savePlayers(const std::string& path, const std::string& badPath, const PlayerTable& table) {
    if (table.state == PlayersFileState::Damaged && platform::fileExists(path) && !platform::renameFile(path, badPath))
        return false;  // keep the unreadable file rather than write over it
    const std::vector<unsigned char> bytes = playersToBytes(table.players);
    return platform::writeFileReplacing(path, bytes.data(), bytes.size());
}

std::string clockText(std::uint32_t seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", static_cast<long>(seconds / 3600),
                  static_cast<long>(seconds / 60 % 60), static_cast<long>(seconds % 60));
    return text;
}

std::string solutionsLog(const PlayerRecord& player) {
    std::string text = "User: " + playerName(player) + ".\n\n";
    if (player.foundCount == 0) return text + "(No solutions have been found yet.)";
    int shown = 0;
    for (int k = 0; k < player.foundCount && k < UNIQUE_SOLUTIONS; ++k) {
        const SolutionEntry& entry = player.found[k];
        const std::uint32_t elapsed = entry.elapsed;
        if (entry.flag) ++shown;
        char line[160];
        std::snprintf(line, sizeof line, "#%d: %c found %02d/%02d/%02d at %d:%02d:%02d, after %ld:%02ld:%02ld.\n", k + 1,
                      entry.flag ? '*' : ' ', entry.month, entry.day, static_cast<int>(entry.year), entry.hour,
                      entry.minute, entry.second, static_cast<long>(elapsed / 3600),
                      static_cast<long>(elapsed / 60 % 60), static_cast<long>(elapsed % 60));
        text += line;
    }
    if (shown == 1) {
        text += "\n*(The solution marked with a * was shown to you by me.)";
    } else if (shown > 1) {
        char note[96];
        std::snprintf(note, sizeof note, "\n*(The %d solutions marked with a * were shown to you by me.)", shown);
        text += note;
    }
    return text;
}

std::string windowTitle(const PlayerRecord& player) { return "Brindo - " + playerName(player); }
