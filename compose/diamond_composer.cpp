// Diamond: a figure of 17 rows built from the letters of the birth name,
// with the root, action key, outcome and challenge of the chosen age.
#include "compose/composers.h"
#include "compose/diamond.h"
#include "compose/list_writer.h"
#include "engine/letters.h"
#include "shell/settings.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Row in the high four bits, column in the low four, for ages 0 to 81.
const unsigned char AGE_CELLS[] = {
    0x00,                                                 // 0
    0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80,       // 1-8
    0x90, 0x90, 0x90, 0x90, 0x90,                         // 9-13
    0x81, 0x81,                                           // 14, 15
    0xA0, 0x90, 0x91, 0x91, 0xA0, 0x82, 0x81, 0xB0,       // 16-23
    0x82, 0xA1, 0xC0, 0xC0, 0xC0, 0x92, 0xB1,             // 24-30
    0xD0, 0xD0, 0x83, 0xA2, 0xC1, 0xE0, 0xC1, 0x93,       // 31-38
    0xB2, 0xD1, 0xF0, 0x84, 0xA3, 0xC2, 0xC2, 0xE1,       // 39-46
    0xA3, 0xB3, 0xD2, 0xD2, 0x94, 0xA4, 0xC3, 0x95,       // 47-54
    0x95, 0x85, 0xB4, 0x85, 0x86, 0xB4, 0xA5, 0x95,       // 55-62
    0x96, 0x96, 0xA5,                                     // 63-65
    0x96, 0x96, 0x96, 0x96, 0x96, 0x96,                   // 66-71
    0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87, 0x87,  // 72-81
};
static_assert(sizeof AGE_CELLS == DIAMOND_AGES, "one cell for every age from 0 to 81");

}  // namespace

DiamondCell diamondCellOfAge(int age) {
    const int clamped = age < 0 ? 0 : age >= DIAMOND_AGES ? DIAMOND_AGES - 1 : age;
    return DiamondCell{AGE_CELLS[clamped] >> 4, AGE_CELLS[clamped] & 0x0F};
}

Diamond buildDiamond(const PersonRecord& p) {
    std::string letters;
    if (!p.birthFirst[0] && !p.birthMiddle[0] && !p.birthLast[0]) letters = "111111111";
    while (letters.size() < 9) letters = letters + p.birthFirst + p.birthMiddle + p.birthLast;
    Diamond d;
    std::memset(&d, 0, sizeof d);
    for (int j = 0; j < 9; ++j) d.cell[8][j] = mappedValue(static_cast<unsigned char>(letters[j]));
    for (int k = 7; k >= 0; --k)
        for (int j = 0; j <= k; ++j) d.cell[k][j] = std::abs(d.cell[k + 1][j] - d.cell[k + 1][j + 1]);
    for (int k = 9; k <= 16; ++k)
        for (int j = 0; j <= 16 - k; ++j)
            d.cell[k][j] = reduceNumber(reduceNumber(d.cell[k - 1][j], KEEP_MASTERS) +
                                            reduceNumber(d.cell[k - 1][j + 1], KEEP_MASTERS),
                                        KEEP_LIFE_PATH);
    return d;
}

int diamondRowLength(int row) { return (row < 16 - row ? row : 16 - row) + 1; }

void composeDiamond() {
    openListFile();
    const Diamond d = buildDiamond(person1);
    const int age = settings.firstAge;
    const DiamondCell at = diamondCellOfAge(age);
    const int root = d.cell[at.row][at.column];
    const int actionKey = d.cell[at.row][at.column + 1];
    const int outcome = d.cell[at.row + 1][at.column];
    const int challenge = d.cell[15 - at.row][at.column];
    const char* name = properName(person1.currentFirst);

    sectionMarks.coverStart = listOffset();
    writeCover("COVER.DMD");
    sectionMarks.contentsStart = listOffset();
    writePhrase(78);
    listPrintf("{INDEX}\n");
    listPrintf("=\n");
    sectionMarks.chartStart = sectionMarks.bodyStart = listOffset();
    listPrintf("{#1=%s}\n", name);
    writePhrase(81);
    listPrintf("{INTRO.DMD}\n");

    listPrintf("=\n");
    writePhrase(82, name, age);
    for (int k = 0; k < DIAMOND_ROWS; ++k) {
        std::string row;
        for (int j = 0; j < diamondRowLength(k); ++j) {
            const char* marker = "  ";
            if (k == at.row && j == at.column) marker = "r:";
            else if (k == at.row && j == at.column + 1) marker = "a:";
            else if (k == at.row + 1 && j == at.column) marker = "o:";
            else if (k == 15 - at.row && j == at.column) marker = "c:";
            char cell[32];
            std::snprintf(cell, sizeof cell, " %s%2d   ", marker, d.cell[k][j]);
            row += cell;
        }
        listPrintf("4%s\n", row.c_str());
    }
    listPrintf("\n\n");

    const struct { int heading; const char* intro; int line; const char* subject; int value; } topics[] = {
        {83, "CHLNG__.DMD", 84, "CHLNG", challenge},
        {85, "ROOT__.DMD", 86, "ROOT", root},
        {87, "ACTKY__.DMD", 88, "ACTKY", actionKey},
        {89, "OUTCM__.DMD", 90, "OUTCM", outcome},
    };
    for (const auto& topic : topics) {
        writePhrase(topic.heading);
        listPrintf("{%s}\n", topic.intro);
        writePhrase(topic.line, name, topic.value);
        listPrintf("{%s_%02d.DMD}\n", topic.subject, topic.value);
    }
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
