// The puzzle's players as Brindo.dat keeps them: a count, then one fixed
// record per player with the player's board, play clock and found solutions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/board.h"

enum { MAX_PLAYERS = 40, PLAYER_NAME_SIZE = 40 };

#pragma pack(push, 1)
struct SolutionEntry {
    std::uint32_t code;     // the solution as the player set it
    std::uint32_t elapsed;  // the player's play time in seconds when it was found
    std::uint16_t year;     // local time of the find
    std::uint8_t day;
    std::uint8_t month;
    std::uint8_t minute;
    std::uint8_t hour;
    std::uint8_t hundredths;
    std::uint8_t second;
    std::uint8_t flag;  // 1 = shown to the player by the game
};

struct PlayerRecord {
    char name[PLAYER_NAME_SIZE];  // zero-terminated
    std::uint32_t board;          // the current position code
    std::uint32_t elapsed;        // play time in seconds
    std::uint8_t foundCount;      // 0 to 12
    SolutionEntry found[UNIQUE_SOLUTIONS];
};
#pragma pack(pop)

static_assert(sizeof(SolutionEntry) == 17, "SolutionEntry is 17 bytes on disk");
static_assert(sizeof(PlayerRecord) == 253, "PlayerRecord is 253 bytes on disk");

// A player with the starting board, no play time and no solutions.
PlayerRecord newPlayer(const std::string& name);
std::string playerName(const PlayerRecord& player);

// What a data file held when it was read.
enum class PlayersFileState {
    Missing,  // no file: the one player "Guest"
    Good,     // exactly a count of 1 to 40 and that many records
    Damaged,  // anything else; what could be read is kept
};

struct PlayerTable {
    std::vector<PlayerRecord> players;  // 1 to 40, in list order
    PlayersFileState state = PlayersFileState::Missing;
};

// Reads a data file's bytes. A damaged file keeps every whole record it
// holds (at most 40), each made safe to use: its name terminated, its count
// of solutions at most 12, its codes within 24 bits. With none, "Guest".
PlayerTable playersFromBytes(const unsigned char* bytes, std::size_t size);
std::vector<unsigned char> playersToBytes(const std::vector<PlayerRecord>& players);

std::string playersFilePath();   // "Brindo.dat" in the data folder
std::string damagedFilePath();   // "Brindo.bad" beside it

PlayerTable loadPlayers(const std::string& path);
// Writes the table in one step. A damaged file that was read at the start
// is first set aside under badPath, so nothing it held is destroyed.
bool savePlayers(const std::string& path, const std::string& badPath, const PlayerTable& table);

// "%ld:%02ld:%02ld" of a play time in seconds.
std::string clockText(std::uint32_t seconds);

// The solutions log: "User: ..." and one line per entry, with the note on
// solutions the game showed.
std::string solutionsLog(const PlayerRecord& player);

// "Brindo - " and the player's name.
std::string windowTitle(const PlayerRecord& player);
