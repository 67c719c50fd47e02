// The puzzle's board: one piece in each of eight rows, moved until no two
// share a column or a diagonal. Positions travel as 24-bit codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum { BOARD_SIZE = 8, SYMMETRIES = 8, UNIQUE_SOLUTIONS = 12 };

typedef std::uint32_t PositionCode;  // 3 bits per row, row 0 in the top bits

const PositionCode STARTING_POSITION = 342391;  // every piece on the main diagonal

struct Board {
    int q[BOARD_SIZE];  // the column of each row's piece
};

Board unpack(PositionCode code);
PositionCode pack(const Board& board);

bool isSolution(const Board& board);

// The board turned or mirrored by symmetry b (0 to 7).
PositionCode transform(PositionCode code, int b);

// Conflict flags of each row's piece: 4 its column is shared, 1 a falling
// diagonal, 2 a rising diagonal.
void conflictFlags(const Board& board, std::uint8_t flags[BOARD_SIZE]);

// Whether code is a solution the found list doesn't already hold in any of
// its eight symmetries; message says which it repeats, or that it is new.
bool checkNew(PositionCode code, const std::vector<PositionCode>& found, std::string& message);

// Code with row's piece moved to column.
PositionCode place(PositionCode code, int row, int column);

// Board geometry: the board's rectangle and its 30-pixel squares.
enum { BOARD_LEFT = 30, BOARD_TOP = 60, SQUARE = 30, BOARD_RIGHT = 270, BOARD_BOTTOM = 300 };

bool insideBoard(int x, int y);
int squareLeftAt(int x);  // the left edge of the square under x
int squareTopAt(int y);
// Where a square slid to left edge `left` comes to rest: back to its square
// when less than 15 pixels past a boundary, else on to the next.
int snappedLeft(int left);
