// Name Advisor: each of up to eight names or phrases read as a first name
// alone, with its Expression, Heart's Desire, Personality and synthesis.
#include "compose/composers.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "engine/core_numbers.h"
#include "engine/letters.h"

#include <cstring>

namespace {

void nameBlock(const char* entry) {
    copyName(person1.birthFirst, entry);
    listPrintf("{#1=\"%s\"}\n", properName(entry));
    writePhrase(105, properName(entry));
    const struct { int value; int heading; const char* prefix; } parts[] = {
        {expression(person1), 106, "EXPRSN"},
        {heartsDesire(person1), 107, "HRTDSR"},
        {personality(person1), 108, "PERSON"},
    };
    for (const auto& part : parts) {
        if (part.value == 0) continue;
        writePhrase(part.heading);
        listPrintf("{%s__.NAM}\n", part.prefix);
        listPrintf("{%s%02d.NAM}\n", part.prefix, part.value % 100);
    }
    const int e = reduceNumber(nameTotal(entry, KIND_LETTER), KEEP_NONE);
    if (e == 0) return;
    const int h = reduceNumber(nameTotal(entry, KIND_VOWEL), KEEP_NONE);
    const int p = reduceNumber(nameTotal(entry, KIND_CONSONANT), KEEP_NONE);
    writePhrase(109);
    listPrintf("{SYNTH%03d.NAM}\n", 100 * e + 10 * h + p);
}

}  // namespace

void composeNames() {
    readToday();
    openListFile();
    sectionMarks.coverStart = listOffset();
    writeCover("COVER.NAM");
    sectionMarks.contentsStart = listOffset();
    writePhrase(103);
    listPrintf("{INDEX}\n");
    listPrintf("=\n");
    sectionMarks.chartStart = sectionMarks.bodyStart = listOffset();
    if (topicOn(TOPIC_INTRO)) {
        writePhrase(104);
        listPrintf("{INTRO.NAM}\n");
    }
    const PersonRecord saved = person1;
    std::memset(&person1, 0, sizeof person1);
    for (const char* entry : phraseList)
        if (entry[0]) nameBlock(entry);
    person1 = saved;
    sectionMarks.listEnd = listOffset();
    closeListFile();
}
