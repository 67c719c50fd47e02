#include "puzzle/drag.h"
#include "puzzle/game.h"
#include "puzzle/players.h"

#include "test_support.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

PositionCode codeOf(std::vector<int> columns) {
    Board board;
    for (int r = 0; r < BOARD_SIZE; ++r) board.q[r] = columns[r];
    return pack(board);
}

const platform::Moment JUNE_6_2004{2004, 6, 6, 14, 5, 9, 37};

std::string bytesOf(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::uint32_t u32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

Game gameOf(std::vector<std::string> names) {
    PlayerTable table;
    for (const std::string& name : names) table.players.push_back(newPlayer(name));
    Game game;
    startGame(game, table);
    return game;
}

void setRows(Game& game, std::vector<int> columns, const platform::Moment& when = JUNE_6_2004) {
    for (int r = 0; r < BOARD_SIZE; ++r) placePiece(game, r, columns[static_cast<std::size_t>(r)], when);
}

// ---- Brindo.dat ----

class PlayersFile : public PlatformTest {};

TEST_F(PlayersFile, MissingFileGivesTheGuestOnTheStartingBoard) {
    const PlayerTable table = loadPlayers(pathIn("Brindo.dat"));
    EXPECT_EQ(table.state, PlayersFileState::Missing);
    ASSERT_EQ(table.players.size(), 1u);
    EXPECT_EQ(playerName(table.players[0]), "Guest");
    EXPECT_EQ(+table.players[0].board, 342391u);
    EXPECT_EQ(+table.players[0].elapsed, 0u);
    EXPECT_EQ(+table.players[0].foundCount, 0);
    EXPECT_EQ(windowTitle(table.players[0]), "Brindo - Guest");
}

TEST_F(PlayersFile, RecordsLieLittleEndianAtTheirOffsets) {
    Game game = gameOf({"Guest", "Ada"});
    game.current = 1;
    loadWorkingCopy(game);
    game.work.elapsed = 75;
    setRows(game, {2, 5, 1, 4, 7, 0, 6, 3});
    storeWorkingCopy(game);
    const std::string bytes = bytesOf(playersToBytes(game.table.players));
    ASSERT_EQ(bytes.size(), 2u + 253u * 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\x02\x00", 2));
    const std::size_t ada = 2 + 253;
    EXPECT_EQ(std::string(bytes.c_str() + ada), "Ada");
    EXPECT_EQ(u32At(bytes, ada + 40), 5557811u);  // the board stays solved
    EXPECT_EQ(u32At(bytes, ada + 44), 75u);
    EXPECT_EQ(bytes[ada + 48], 1);
    const std::size_t entry = ada + 49;
    EXPECT_EQ(u32At(bytes, entry), 5557811u);
    EXPECT_EQ(u32At(bytes, entry + 4), 75u);
    EXPECT_EQ(bytes.substr(entry + 8, 9), std::string("\xD4\x07\x06\x06\x05\x0E\x25\x09\x00", 9));
    EXPECT_EQ(u32At(bytes, 2 + 40), 342391u);  // the guest untouched

    writeFile(pathIn("Brindo.dat"), bytes);
    const PlayerTable again = loadPlayers(pathIn("Brindo.dat"));
    EXPECT_EQ(again.state, PlayersFileState::Good);
    EXPECT_EQ(bytesOf(playersToBytes(again.players)), bytes);
}

TEST_F(PlayersFile, DamagedFilesKeepWhatCanBeReadAndAreSetAside) {
    const std::string two = bytesOf(playersToBytes({newPlayer("Ann"), newPlayer("Bo")}));
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"count 0", std::string("\x00\x00", 2) + two.substr(2), {"Ann", "Bo"}},
        {"count 41", std::string("\x29\x00", 2) + two.substr(2), {"Ann", "Bo"}},
        {"shorter than its count", two.substr(0, 2 + 253 + 100), {"Ann"}},
        {"longer than its count", two + "junk", {"Ann", "Bo"}},
        {"only a count", std::string("\x01\x00", 2), {"Guest"}},
        {"empty", std::string(), {"Guest"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(pathIn("Brindo.dat"), c.bytes);
        const PlayerTable table = loadPlayers(pathIn("Brindo.dat"));
        EXPECT_EQ(table.state, PlayersFileState::Damaged);
        std::vector<std::string> names;
        for (const PlayerRecord& player : table.players) names.push_back(playerName(player));
        EXPECT_EQ(names, c.names);

        ASSERT_TRUE(savePlayers(pathIn("Brindo.dat"), pathIn("Brindo.bad"), table));
        EXPECT_EQ(readFile(pathIn("Brindo.bad")), c.bytes);
        EXPECT_EQ(readFile(pathIn("Brindo.dat")), bytesOf(playersToBytes(table.players)));
        platform::removeFile(pathIn("Brindo.bad"));
    }
}

TEST_F(PlayersFile, RecordsFromElsewhereAreMadeSafe) {
    PlayerRecord odd = newPlayer("x");
    std::memset(odd.name, 'N', sizeof odd.name);  // no terminator
    odd.foundCount = 200;
    odd.board = 0xFF123456u;
    writeFile(pathIn("Brindo.dat"), bytesOf(playersToBytes({odd})));
    const PlayerTable table = loadPlayers(pathIn("Brindo.dat"));
    EXPECT_EQ(table.state, PlayersFileState::Damaged);
    EXPECT_EQ(playerName(table.players[0]), std::string(39, 'N'));
    EXPECT_EQ(+table.players[0].foundCount, 12);
    EXPECT_EQ(+table.players[0].board, 0x123456u);
}

TEST_F(PlayersFile, AGoodFileIsReplacedWithoutCopy) {
    const std::string one = bytesOf(playersToBytes({newPlayer("Ann")}));
    writeFile(pathIn("Brindo.dat"), one);
    PlayerTable table = loadPlayers(pathIn("Brindo.dat"));
    table.players.push_back(newPlayer("Bo"));
    ASSERT_TRUE(savePlayers(pathIn("Brindo.dat"), pathIn("Brindo.bad"), table));
    EXPECT_FALSE(platform::fileExists(pathIn("Brindo.bad")));
    EXPECT_EQ(readFile(pathIn("Brindo.dat")).size(), 2u + 2u * 253u);
}

// ---- the clock and the solutions log ----

TEST(PuzzleLog, ClockShowsHoursMinutesSeconds) {
    EXPECT_EQ(clockText(0), "0:00:00");
    EXPECT_EQ(clockText(75), "0:01:15");
    EXPECT_EQ(clockText(36000 + 59 * 60 + 59), "10:59:59");
    EXPECT_EQ(clockText(4294967295u), "1193046:28:15");
}

TEST(PuzzleLog, ListsEveryEntryWithTheStarNotes) {
    PlayerRecord player = newPlayer("Ada");
    EXPECT_EQ(solutionsLog(player), "User: Ada.\n\n(No solutions have been found yet.)");

    Game game = gameOf({"Ada"});
    game.work.elapsed = 75;
    setRows(game, {2, 5, 1, 4, 7, 0, 6, 3});
    EXPECT_EQ(solutionsLog(game.work), "User: Ada.\n\n#1:   found 06/06/2004 at 14:05:09, after 0:01:15.\n");

    game.work.elapsed = 3725;
    ASSERT_TRUE(recordSolution(game, codeOf({0, 4, 7, 5, 2, 6, 1, 3}), 1, platform::Moment{2026, 12, 8, 9, 0, 5, 0}));
    EXPECT_EQ(solutionsLog(game.work),
              "User: Ada.\n\n#1:   found 06/06/2004 at 14:05:09, after 0:01:15.\n"
              "#2: * found 12/08/2026 at 9:00:05, after 1:02:05.\n"
              "\n*(The solution marked with a * was shown to you by me.)");
    ASSERT_TRUE(recordSolution(game, codeOf({0, 5, 7, 2, 6, 3, 1, 4}), 1, JUNE_6_2004));
    const std::string log = solutionsLog(game.work);
    EXPECT_EQ(log.substr(log.rfind('\n')), "\n*(The 2 solutions marked with a * were shown to you by me.)");
}

// ---- playing ----

class PuzzlePlay : public PlatformTest {};

TEST_F(PuzzlePlay, TheSampleThenItsRepeats) {
    Game game = gameOf({"Guest"});
    setRows(game, {2, 5, 1, 4, 7, 0, 6, 3});
    EXPECT_EQ(game.message, "This is a new and unique solution!");
    ASSERT_EQ(+game.work.foundCount, 1);
    EXPECT_EQ(+game.work.found[0].code, 5557811u);
    EXPECT_EQ(+game.work.found[0].flag, 0);

    // Played move by move, a repeat is told and not recorded (every phrase
    // of the symmetries is checked with the board's own tests).
    const std::string repeat = "Though this is a solution, it doesn't count because it's the same as #1";
    placePiece(game, 0, 0, JUNE_6_2004);
    setRows(game, {2, 5, 1, 4, 7, 0, 6, 3});
    EXPECT_EQ(game.message, repeat + ".");
    setRows(game, {5, 2, 6, 3, 0, 7, 1, 4});
    EXPECT_EQ(game.message, repeat + ", flipped horizontally.");
    EXPECT_EQ(+game.work.foundCount, 1);
    // A move that leaves no solution clears the message.
    placePiece(game, 0, 0, JUNE_6_2004);
    EXPECT_EQ(game.message, "");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(PuzzlePlay, HoorayComesOnceAtTheTwelfth) {
    Game game = gameOf({"Guest"});
    int recorded = 0;
    for (PositionCode code = 0; code < (1u << 24); ++code) {
        if (!isSolution(unpack(code))) continue;
        if (recordSolution(game, code, 0, JUNE_6_2004)) ++recorded;
        EXPECT_EQ(boxes().size(), recorded == 12 ? 1u : 0u);
    }
    EXPECT_EQ(recorded, 12);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "All of the twelve possible unique solutions have been found!");
    EXPECT_EQ(boxes()[0].caption, "HOORAY!");
    EXPECT_EQ(boxes()[0].style, platform::BOX_OK | platform::BOX_ICONINFORMATION);
}

TEST_F(PuzzlePlay, ResetAndPlayerChangesKeepEachPlayersBoard) {
    Game game = gameOf({"Guest", "Ada"});
    setRows(game, {2, 5, 1, 4, 7, 0, 6, 3});
    tickClock(game);
    storeWorkingCopy(game);
    game.current = 1;
    loadWorkingCopy(game);
    EXPECT_EQ(+game.work.board, STARTING_POSITION);
    EXPECT_EQ(game.message, "");
    storeWorkingCopy(game);
    game.current = 0;
    loadWorkingCopy(game);
    EXPECT_EQ(+game.work.board, 5557811u);
    EXPECT_EQ(+game.work.elapsed, 1u);
    EXPECT_EQ(+game.work.foundCount, 1);
    resetPlayer(game);
    EXPECT_EQ(+game.work.board, STARTING_POSITION);
    EXPECT_EQ(+game.work.elapsed, 0u);
    EXPECT_EQ(+game.work.foundCount, 0);
    EXPECT_EQ(game.message, "");
}

// ---- the log-in dialog ----

TEST(PuzzleLogin, NamesAreFoundWithoutRegardToCase) {
    Game game = gameOf({"Guest", "Ada Lovell"});
    EXPECT_EQ(chooseLogin(game.table, "", 0).chosen, 0);
    EXPECT_EQ(chooseLogin(game.table, "  aDA LOVELL ", 0).chosen, 1);
    EXPECT_EQ(chooseLogin(game.table, "\xC9mile", 0).chosen, 2);  // new, appended
    EXPECT_EQ(chooseLogin(game.table, "\xE9MILE", 0).chosen, 2);
    ASSERT_EQ(game.table.players.size(), 3u);
    EXPECT_EQ(+game.table.players[2].board, STARTING_POSITION);
    const LoginChoice none = chooseLogin(game.table, " ", -1);
    EXPECT_EQ(none.chosen, -1);
    EXPECT_STREQ(none.problem, "Select an item in the list, or enter a new name.");
    EXPECT_EQ(chooseLogin(game.table, std::string(60, 'z'), 0).chosen, 3);
    EXPECT_EQ(playerName(game.table.players[3]), std::string(39, 'z'));
}

TEST(PuzzleLogin, AFullListRefusesEveryTypedName) {
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) names.push_back("P" + std::to_string(i));
    Game game = gameOf(names);
    for (const char* typed : {"Newcomer", "p3"}) {
        const LoginChoice refused = chooseLogin(game.table, typed, 3);
        EXPECT_EQ(refused.chosen, -1);
        EXPECT_STREQ(refused.problem, "The list is full; select an existing item in the list.");
    }
    EXPECT_EQ(chooseLogin(game.table, "", 39).chosen, 39);
    EXPECT_EQ(game.table.players.size(), 40u);
}

TEST(PuzzleLogin, DeletingMovesLaterPlayersUp) {
    Game single = gameOf({"Guest"});
    EXPECT_EQ(checkDelete(single.table, 0), DeleteCheck::Nothing);

    Game game = gameOf({"A", "B", "C", "D"});
    EXPECT_EQ(checkDelete(game.table, -1), DeleteCheck::NeedSelection);
    EXPECT_EQ(checkDelete(game.table, 1), DeleteCheck::AskToConfirm);
    game.current = 2;  // C
    removePlayer(game, 0);
    EXPECT_EQ(playerName(game.table.players[static_cast<std::size_t>(game.current)]), "C");
    removePlayer(game, 2);  // D, after the current player
    EXPECT_EQ(playerName(game.table.players[static_cast<std::size_t>(game.current)]), "C");
    removePlayer(game, game.current);  // the current player itself: the last one left in its place
    EXPECT_EQ(game.current, 0);
    ASSERT_EQ(game.table.players.size(), 1u);
    EXPECT_EQ(playerName(game.table.players[0]), "B");
    removePlayer(game, 0);  // never the last player
    EXPECT_EQ(game.table.players.size(), 1u);
}

// ---- presses and slides ----

TEST(PuzzleDrag, PressOnThePieceSlidesElsewhereJumps) {
    const Board start = unpack(STARTING_POSITION);
    SlidingPiece slide;
    int row = -1, column = -1;
    EXPECT_FALSE(pressAt(slide, start, 30 + 30 * 5 + 29, 60 + 30 * 2 + 3, &row, &column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 5);
    EXPECT_FALSE(slide.active);
    EXPECT_TRUE(pressAt(slide, start, 100, 125, &row, &column));  // row 2's piece is in column 2
    EXPECT_TRUE(slide.active);
    EXPECT_EQ(slide.left, 90);
    EXPECT_EQ(slide.top, 120);
    EXPECT_EQ(slide.lastX, 100);
}

TEST(PuzzleDrag, ReleaseSnapsToTheNearestSquarePixelByPixel) {
    const Board start = unpack(STARTING_POSITION);
    struct Case {
        int distance;
        int column;
    };
    for (const Case c : {Case{16, 3}, Case{14, 2}, Case{-16, 1}, Case{-14, 2}, Case{44, 3}, Case{46, 4}}) {
        SCOPED_TRACE(c.distance);
        SlidingPiece slide;
        int row, column;
        ASSERT_TRUE(pressAt(slide, start, 100, 125, &row, &column));
        std::vector<int> lefts;
        const SlideStep step = [&](int from, int to) {
            EXPECT_EQ(to - from, to > from ? 1 : -1);
            lefts.push_back(to);
        };
        followPointer(slide, 100 + c.distance, step);
        EXPECT_EQ(slide.left, 90 + c.distance);
        EXPECT_EQ(endSlide(slide, step), c.column);
        EXPECT_FALSE(slide.active);
        EXPECT_EQ(lefts.back(), 30 + 30 * c.column);
    }
}

TEST(PuzzleDrag, SlidesStopAtTheBoardsEdges) {
    const Board start = unpack(STARTING_POSITION);
    SlidingPiece slide;
    int row, column;
    ASSERT_TRUE(pressAt(slide, start, 240, 285, &row, &column));  // row 7, column 7
    followPointer(slide, 269, nullptr);
    EXPECT_EQ(slide.left, 240);
    followPointer(slide, 31, nullptr);
    EXPECT_EQ(slide.left, 240 - (240 - 31));
    EXPECT_EQ(endSlide(slide, nullptr), 0);
    ASSERT_TRUE(pressAt(slide, start, 31, 61, &row, &column));
    followPointer(slide, 0, nullptr);
    EXPECT_EQ(slide.left, 30);
}

}  // namespace
