// A session of the puzzle: the player table, who is playing, and the working
// copy of that player's record in which all play happens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "puzzle/players.h"

struct Game {
    PlayerTable table;
    int current = 0;     // index of the current player in table.players
    PlayerRecord work{}; // the current player's record while playing
    std::string message; // the line under the board
    bool indicators = true;
};

// Starts with the table's first player.
void startGame(Game& game, PlayerTable table);

// The working copy goes back into the table (before the log-in and before saving)...
void storeWorkingCopy(Game& game);
// ...and comes from it for the current player, with the message cleared.
void loadWorkingCopy(Game& game);

std::vector<PositionCode> foundCodes(const PlayerRecord& player);

// Appends code to the found list when checkNew says it is new; the twelfth
// entry brings the "HOORAY!" box. True when it was recorded.
bool recordSolution(Game& game, PositionCode code, std::uint8_t flag, const platform::Moment& when);

// Moves row's piece to column, clears the message and records the board
// when it is a solution. True when the board is a solution.
bool placePiece(Game& game, int row, int column, const platform::Moment& when);

// Back to the starting board with no solutions and no play time.
void resetPlayer(Game& game);

// One second of play.
void tickClock(Game& game);

// ---- the log-in dialog's rules ----

extern const char* const LIST_FULL;     // a new name when 40 players exist
extern const char* const CHOOSE_OR_NEW; // nothing typed, nothing selected
extern const char* const SELECT_FIRST;  // "Delete Name" with nothing selected

struct LoginChoice {
    int chosen = -1;              // the player chosen, or -1 when the dialog stays
    const char* problem = nullptr; // the message to show when it stays
};

// "OK": a typed name (blanks at its ends ignored) chooses the player of
// that name, letter case ignored, or a new player appended to the table;
// with nothing typed, the selected line (-1 for none) is chosen.
LoginChoice chooseLogin(PlayerTable& table, const std::string& typed, int selected);

enum class DeleteCheck { Nothing, NeedSelection, AskToConfirm };
DeleteCheck checkDelete(const PlayerTable& table, int selected);

// Removes a player; the later ones move up. The current player stays the
// same person when someone else is removed; when the current player is
// removed, the one that took its place (or the new last one) is current.
void removePlayer(Game& game, int index);

bool sameName(const std::string& a, const std::string& b);
