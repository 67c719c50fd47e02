// A piece slid along its row with the mouse: it follows the pointer one
// pixel at a time and comes to rest on the nearest square when let go.
#pragma once

#include <functional>

#include "puzzle/board.h"

struct SlidingPiece {
    bool active = false;
    int row = 0;
    int left = 0;  // the sliding square's left edge
    int top = 0;
    int lastX = 0; // the pointer's x as far as the square has followed it
};

// Called for every pixel the square moves: its left edge before and after.
using SlideStep = std::function<void(int fromLeft, int toLeft)>;

// A press at (x, y) inside the board: on the row's piece a slide begins
// (true); elsewhere the caller jumps the piece to *column (false).
bool pressAt(SlidingPiece& slide, const Board& board, int x, int y, int* row, int* column);

// The pointer moved to x with the button held: the square follows,
// never leaving the board.
void followPointer(SlidingPiece& slide, int x, const SlideStep& step);

// The slide ends: the square slides on to the nearest square, whose
// column is returned.
int endSlide(SlidingPiece& slide, const SlideStep& step);
