#include "puzzle/board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

PositionCode codeOf(std::vector<int> columns) {
    Board board;
    for (int r = 0; r < BOARD_SIZE; ++r) board.q[r] = columns[r];
    return pack(board);
}

std::vector<PositionCode> allSolutions() {
    std::vector<PositionCode> solutions;
    for (PositionCode code = 0; code < (1u << 24); ++code)
        if (isSolution(unpack(code))) solutions.push_back(code);
    return solutions;
}

TEST(PuzzleBoard, CodesPackThreeBitsPerRowFromTheTop) {
    const Board start = unpack(STARTING_POSITION);
    for (int r = 0; r < BOARD_SIZE; ++r) EXPECT_EQ(start.q[r], r);
    EXPECT_EQ(pack(start), 342391u);
    EXPECT_FALSE(isSolution(start));
    const PositionCode sample = codeOf({2, 5, 1, 4, 7, 0, 6, 3});
    EXPECT_EQ(sample, 5557811u);
    EXPECT_TRUE(isSolution(unpack(sample)));
    EXPECT_EQ(place(STARTING_POSITION, 0, 2), codeOf({2, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(place(STARTING_POSITION, 7, 0), codeOf({0, 1, 2, 3, 4, 5, 6, 0}));
}

TEST(PuzzleBoard, NinetyTwoSolutionsInTwelveClasses) {
    const std::vector<PositionCode> solutions = allSolutions();
    EXPECT_EQ(solutions.size(), 92u);
    std::set<PositionCode> classes;
    for (PositionCode code : solutions) {
        PositionCode smallest = code;
        for (int b = 0; b < SYMMETRIES; ++b) {
            const PositionCode turned = transform(code, b);
            EXPECT_TRUE(isSolution(unpack(turned)));
            smallest = std::min(smallest, turned);
        }
        classes.insert(smallest);
    }
    EXPECT_EQ(classes.size(), 12u);
    // Recording every solution in turn keeps exactly one of each class.
    std::vector<PositionCode> found;
    std::string message;
    for (PositionCode code : solutions)
        if (checkNew(code, found, message)) found.push_back(code);
    EXPECT_EQ(found.size(), 12u);
}

TEST(PuzzleBoard, RepeatsNameTheEarlierSolutionAndTheTurn) {
    const std::vector<PositionCode> found = {codeOf({2, 5, 1, 4, 7, 0, 6, 3})};
    std::string message;
    const std::string prefix = "Though this is a solution, it doesn't count because it's the same as #1";
    const struct { std::vector<int> columns; const char* phrase; } repeats[] = {
        {{2, 5, 1, 4, 7, 0, 6, 3}, "."},
        {{5, 2, 6, 3, 0, 7, 1, 4}, ", flipped horizontally."},
        {{2, 5, 7, 0, 4, 6, 1, 3}, ", rotated a quarter turn clockwise."},
        {{4, 6, 1, 3, 7, 0, 2, 5}, ", rotated a quarter turn counter clockwise."},
        {{3, 6, 0, 7, 4, 1, 5, 2}, ", flipped vertically."},
        {{5, 2, 0, 7, 3, 1, 6, 4}, ", flipped on the major diagonal."},
    };
    for (const auto& repeat : repeats) {
        EXPECT_FALSE(checkNew(codeOf(repeat.columns), found, message));
        EXPECT_EQ(message, prefix + repeat.phrase);
    }
    EXPECT_TRUE(checkNew(codeOf({0, 4, 7, 5, 2, 6, 1, 3}), found, message));
    EXPECT_EQ(message, "This is a new and unique solution!");
}

TEST(PuzzleBoard, AHalfTurnSymmetricSolutionMatchesItselfFirst) {
    const PositionCode symmetric = codeOf({2, 4, 1, 7, 0, 6, 3, 5});
    ASSERT_EQ(transform(symmetric, 2), symmetric);
    std::string message;
    EXPECT_FALSE(checkNew(symmetric, {symmetric}, message));
    EXPECT_EQ(message, "Though this is a solution, it doesn't count because it's the same as #1.");
}

TEST(PuzzleBoard, ConflictFlags) {
    std::uint8_t flags[BOARD_SIZE];
    conflictFlags(unpack(STARTING_POSITION), flags);
    for (int r = 0; r < BOARD_SIZE; ++r) EXPECT_EQ(flags[r], 1) << r;  // all on one falling diagonal
    conflictFlags(unpack(codeOf({7, 6, 0, 0, 3, 5, 2, 4})), flags);
    EXPECT_EQ(flags[0] & 2, 2);  // 7 and 6 on a rising diagonal
    EXPECT_EQ(flags[2] & 4, 4);  // two pieces in column 0
    EXPECT_EQ(flags[3] & 4, 4);
    conflictFlags(unpack(5557811), flags);
    for (int r = 0; r < BOARD_SIZE; ++r) EXPECT_EQ(flags[r], 0);
}

TEST(PuzzleBoard, PressesAndReleasesSnapToSquares) {
    EXPECT_EQ(squareLeftAt(30), 30);
    EXPECT_EQ(squareLeftAt(89), 60);
    EXPECT_EQ(squareTopAt(61), 60);
    EXPECT_EQ(squareTopAt(299), 270);
    EXPECT_TRUE(insideBoard(30, 60));
    EXPECT_FALSE(insideBoard(270, 100));
    EXPECT_FALSE(insideBoard(100, 59));
    EXPECT_EQ(snappedLeft(60 + 16), 90);  // 16 pixels past a boundary: the next square
    EXPECT_EQ(snappedLeft(60 + 14), 60);  // 14: the same square
    EXPECT_EQ(snappedLeft(60 + 15), 90);
    EXPECT_EQ(snappedLeft(240), 240);
    EXPECT_EQ(snappedLeft(30), 30);
}

}  // namespace
