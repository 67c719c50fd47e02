#include "puzzle/game.h"

#include <cstring>

const char* const LIST_FULL = "The list is full; select an existing item in the list.";
const char* const CHOOSE_OR_NEW = "Select an item in the list, or enter a new name.";
const char* const SELECT_FIRST = "Select an item in the list, then click Delete.";

namespace {

// Windows-1252 letters fold to lower case: ASCII and the accented capitals.
unsigned char folded(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(static_cast<unsigned char>(a[i])) != folded(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

void startGame(Game& game, PlayerTable table) {
    game.table = std::move(table);
    game.current = 0;
    loadWorkingCopy(game);
}

void storeWorkingCopy(Game& game) { game.table.players[static_cast<std::size_t>(game.current)] = game.work; }

void loadWorkingCopy(Game& game) {
    game.work = game.table.players[static_cast<std::size_t>(game.current)];
    game.message.clear();
}

std::vector<PositionCode> foundCodes(const PlayerRecord& player) {
    std::vector<PositionCode> codes;
    for (int k = 0; k < player.foundCount && k < UNIQUE_SOLUTIONS; ++k) {
        const PositionCode code = player.found[k].code;  // a packed field can't bind to a reference
        codes.push_back(code);
    }
    return codes;
}

bool recordSolution(Game& game, PositionCode code, std::uint8_t flag, const platform::Moment& when) {
    if (!checkNew(code, foundCodes(game.work), game.message)) return false;
    // Twelve unique solutions exist, so a new one always has a free slot.
    if (game.work.foundCount >= UNIQUE_SOLUTIONS) return false;
    SolutionEntry& entry = game.work.found[game.work.foundCount++];
    entry.code = code;
    entry.elapsed = game.work.elapsed;
    entry.year = static_cast<std::uint16_t>(when.year);
    entry.day = static_cast<std::uint8_t>(when.day);
    entry.month = static_cast<std::uint8_t>(when.month);
    entry.minute = static_cast<std::uint8_t>(when.minute);
    entry.hour = static_cast<std::uint8_t>(when.hour);
    entry.hundredths = static_cast<std::uint8_t>(when.hundredths);
    entry.second = static_cast<std::uint8_t>(when.second);
    entry.flag = flag;
    if (game.work.foundCount == UNIQUE_SOLUTIONS)
        platform::messageBox("All of the twelve possible unique solutions have been found!", "HOORAY!",
                             platform::BOX_OK | platform::BOX_ICONINFORMATION);
    return true;
}

bool placePiece(Game& game, int row, int column, const platform::Moment& when) {
    game.work.board = place(game.work.board, row, column);
    game.message.clear();
    if (!isSolution(unpack(game.work.board))) return false;
    recordSolution(game, game.work.board, 0, when);
    return true;
}

void resetPlayer(Game& game) {
    game.work.foundCount = 0;
    game.message.clear();
    game.work.board = STARTING_POSITION;
    game.work.elapsed = 0;
}

void tickClock(Game& game) { ++game.work.elapsed; }

LoginChoice chooseLogin(PlayerTable& table, const std::string& typed, int selected) {
    LoginChoice choice;
    const std::string name = trimmed(typed).substr(0, PLAYER_NAME_SIZE - 1);
    const int count = static_cast<int>(table.players.size());
    if (!name.empty()) {
        if (count >= MAX_PLAYERS) {
            choice.problem = LIST_FULL;
            return choice;
        }
        for (int i = 0; i < count; ++i)
            if (sameName(playerName(table.players[static_cast<std::size_t>(i)]), name)) {
                choice.chosen = i;
                return choice;
            }
        table.players.push_back(newPlayer(name));
        choice.chosen = count;
        return choice;
    }
    if (selected >= 0 && selected < count) {
        choice.chosen = selected;
    } else {
        choice.problem = CHOOSE_OR_NEW;
    }
    return choice;
}

DeleteCheck checkDelete(const PlayerTable& table, int selected) {
    if (table.players.size() <= 1) return DeleteCheck::Nothing;
    if (selected < 0 || selected >= static_cast<int>(table.players.size())) return DeleteCheck::NeedSelection;
    return DeleteCheck::AskToConfirm;
}

void removePlayer(Game& game, int index) {
    std::vector<PlayerRecord>& players = game.table.players;
    if (players.size() <= 1 || index < 0 || index >= static_cast<int>(players.size())) return;
    players.erase(players.begin() + index);
    if (index < game.current) --game.current;
    if (game.current >= static_cast<int>(players.size())) game.current = static_cast<int>(players.size()) - 1;
}
