// The person record every report is about, and the globals through which
// the program reaches the people and phrases of the current report.
#pragma once

#include <cstdint>

enum { NAME_SIZE = 80 };  // 79 characters and the terminator

#pragma pack(push, 1)
struct PersonRecord {
    char birthFirst[NAME_SIZE];
    char birthMiddle[NAME_SIZE];
    char birthLast[NAME_SIZE];
    char currentFirst[NAME_SIZE];
    char currentLast[NAME_SIZE];
    std::int32_t birthMonth;
    std::int32_t birthDay;
    std::int32_t birthYear;
};
#pragma pack(pop)
static_assert(sizeof(PersonRecord) == 412, "PersonRecord is stored and handed over whole");

enum { PHRASE_COUNT = 8 };
typedef char PhraseList[PHRASE_COUNT][NAME_SIZE];

struct TodayDate {
    std::int32_t todayMonth;
    std::int32_t todayDay;
    std::int32_t todayYear;
};

extern PersonRecord person1;
extern PersonRecord person2;
extern PhraseList phraseList;
extern TodayDate today;

// Clears both people and the phrase list, as at start-up.
void clearPeople();

// Reads the system date into today.
void readToday();

// Copies text into a name field, cut to 79 characters.
void copyName(char (&field)[NAME_SIZE], const char* text);
