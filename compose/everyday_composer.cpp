// Everyday Numbers: an address, a telephone number and a nine-digit number,
// each with the text for its number.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "engine/letters.h"
#include "people/person.h"

namespace {

// Letters by the table, digits by their own value; the character map is not used.
int rawValue(const char* text) {
    int sum = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) sum += letterValue[*c];
    return sum;
}

}  // namespace

void composeEverydayNumbers() {
    openListFile();
    sectionMarks.contentsStart = sectionMarks.chartStart = sectionMarks.bodyStart = 0;

    const int address = rawValue(phraseList[0]);
    if (address != 0) {
        writePhrase(191);
        writePhrase(192, reduceNumber(address, KEEP_NONE));
        listPrintf("{ADDR%02d.FND}\n", reduceNumber(address, KEEP_NONE));
    }
    const int phone = rawValue(phraseList[1]);
    if (phone != 0) {
        writePhrase(193);
        writePhrase(194, reduceNumber(phone, KEEP_NONE));
        listPrintf("{PHONE%02d.FND}\n", reduceNumber(phone, KEEP_NONE));
    }
    phraseList[2][9] = '\0';
    const int nine = rawValue(phraseList[2]);
    if (nine >= 6) {
        writePhrase(195);
        writePhrase(196, nine);
        listPrintf("{FIND%02d.FND}\n", nine);
    }
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
