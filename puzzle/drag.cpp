#include "puzzle/drag.h"

namespace {

const int LAST_LEFT = BOARD_RIGHT - SQUARE;

void slideTo(SlidingPiece& slide, int target, const SlideStep& step) {
    while (slide.left != target) {
        const int from = slide.left;
        slide.left += target > from ? 1 : -1;
        if (step) step(from, slide.left);
    }
}

}  // namespace

bool pressAt(SlidingPiece& slide, const Board& board, int x, int y, int* row, int* column) {
    const int left = squareLeftAt(x), top = squareTopAt(y);
    *row = (top - BOARD_TOP) / SQUARE;
    *column = (left - BOARD_LEFT) / SQUARE;
    if (board.q[*row] != *column) return false;
    slide.active = true;
    slide.row = *row;
    slide.left = left;
    slide.top = top;
    slide.lastX = x;
    return true;
}

void followPointer(SlidingPiece& slide, int x, const SlideStep& step) {
    while (slide.lastX < x && slide.left < LAST_LEFT) {
        slideTo(slide, slide.left + 1, step);
        ++slide.lastX;
    }
    while (slide.lastX > x && slide.left > BOARD_LEFT) {
        slideTo(slide, slide.left - 1, step);
        --slide.lastX;
    }
}

int endSlide(SlidingPiece& slide, const SlideStep& step) {
    slideTo(slide, snappedLeft(slide.left), step);
    slide.active = false;
    return (slide.left - BOARD_LEFT) / SQUARE;
}
