#include "output/data_in_use.h"

#include "compose/report_types.h"
#include "people/person.h"

#include <cstdio>

namespace {

std::string format(const char* pattern, const PersonRecord& p) {
    char text[6 * NAME_SIZE + 200];
    std::snprintf(text, sizeof text, pattern, p.birthFirst, p.birthMiddle, p.birthLast, p.currentFirst, p.currentLast,
                  static_cast<int>(p.birthMonth), static_cast<int>(p.birthDay), static_cast<int>(p.birthYear));
    return text;
}

const char* const PERSON_LINES =
    "     Birth name: %s %s %s\n     Current name: %s %s\n     Birth date: %d/%d/%d";

}  // namespace

std::string dataInUseText(int type) {
    const std::string heading = "The data currently in use:\n\n";
    if (type == TYPE_COMPATIBILITY || type == TYPE_COMPATIBILITY + 1)
        return heading + "First person ...\n" + format(PERSON_LINES, person1) + "\n\nSecond person ...\n" +
               format(PERSON_LINES, person2);
    if (type == TYPE_NAME || type == TYPE_NAME + 1) {
        std::string text = heading + "     Names or phrases:\n";
        for (int i = 0; i < PHRASE_COUNT; ++i)
            text += "         (" + std::to_string(i + 1) + ") " + phraseList[i] + "\n";
        return text;
    }
    return heading + format(PERSON_LINES, person1);
}
