#include "puzzle/board.h"

#include <cstdio>

namespace {

int shiftOf(int row) { return 21 - 3 * row; }

const char* const REPEAT_PHRASES[SYMMETRIES] = {
    ".",
    ", rotated a quarter turn counter clockwise.",
    ", rotated a half turn.",
    ", rotated a quarter turn clockwise.",
    ", flipped horizontally.",
    ", flipped on the major diagonal.",
    ", flipped vertically.",
    ", flipped on the minor diagonal.",
};

}  // namespace

Board unpack(PositionCode code) {
    Board board;
    for (int r = 0; r < BOARD_SIZE; ++r) board.q[r] = static_cast<int>((code >> shiftOf(r)) & 7u);
    return board;
}

PositionCode pack(const Board& board) {
    PositionCode code = 0;
    for (int r = 0; r < BOARD_SIZE; ++r) code |= static_cast<PositionCode>(board.q[r] & 7) << shiftOf(r);
    return code;
}

bool isSolution(const Board& board) {
    for (int i = 0; i < BOARD_SIZE; ++i)
        for (int j = i + 1; j < BOARD_SIZE; ++j) {
            const int d = board.q[i] - board.q[j];
            if (d == 0 || d == i - j || d == j - i) return false;
        }
    return true;
}

PositionCode transform(PositionCode code, int b) {
    const Board from = unpack(code);
    Board to{};
    for (int r = 0; r < BOARD_SIZE; ++r) {
        const int c = from.q[r];
        int row = r, column = c;
        switch (b & 3) {
        case 1: row = c, column = 7 - r; break;
        case 2: row = 7 - r, column = 7 - c; break;
        case 3: row = 7 - c, column = r; break;
        default: break;
        }
        if (b & 4) column = 7 - column;
        to.q[row] = column;
    }
    return pack(to);
}

void conflictFlags(const Board& board, std::uint8_t flags[BOARD_SIZE]) {
    for (int r = 0; r < BOARD_SIZE; ++r) flags[r] = 0;
    for (int i = 0; i < BOARD_SIZE; ++i)
        for (int j = i + 1; j < BOARD_SIZE; ++j) {
            const int d = board.q[j] - board.q[i];
            auto mark = [&](std::uint8_t flag) {
                flags[i] |= flag;
                flags[j] |= flag;
            };
            if (d == 0) mark(4);
            if (d == j - i) mark(1);
            if (-d == j - i) mark(2);
        }
}

bool checkNew(PositionCode code, const std::vector<PositionCode>& found, std::string& message) {
    for (int b = 0; b < SYMMETRIES; ++b) {
        const PositionCode turned = transform(code, b);
        for (std::size_t k = 0; k < found.size(); ++k) {
            if (found[k] != turned) continue;
            char text[160];
            std::snprintf(text, sizeof text, "Though this is a solution, it doesn't count because it's the same as #%d%s",
                          static_cast<int>(k + 1), REPEAT_PHRASES[b]);
            message = text;
            return false;
        }
    }
    message = "This is a new and unique solution!";
    return true;
}

PositionCode place(PositionCode code, int row, int column) {
    const int shift = shiftOf(row);
    return (code & (0xFFFFFFu - (7u << shift))) | (static_cast<PositionCode>(column & 7) << shift);
}

bool insideBoard(int x, int y) { return x >= BOARD_LEFT && x < BOARD_RIGHT && y >= BOARD_TOP && y < BOARD_BOTTOM; }

int squareLeftAt(int x) { return x - (x - BOARD_LEFT) % SQUARE; }

int squareTopAt(int y) { return y - (y - BOARD_TOP) % SQUARE; }

int snappedLeft(int left) {
    const int p = (left - BOARD_LEFT) % SQUARE;
    const int rest = p < 15 ? left - p : left + (SQUARE - p);
    const int last = BOARD_RIGHT - SQUARE;
    return rest < BOARD_LEFT ? BOARD_LEFT : rest > last ? last : rest;
}
