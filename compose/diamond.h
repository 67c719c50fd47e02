// The diamond figure of a birth name, and the cell each age reads.
#pragma once

#include "people/person.h"

enum { DIAMOND_ROWS = 17, DIAMOND_AGES = 82 };

struct Diamond {
    int cell[DIAMOND_ROWS][9];  // row k holds diamondRowLength(k) cells
};

struct DiamondCell {
    int row;
    int column;
};

Diamond buildDiamond(const PersonRecord& p);
int diamondRowLength(int row);
DiamondCell diamondCellOfAge(int age);  // ages outside 0 to 81 are held at the ends
