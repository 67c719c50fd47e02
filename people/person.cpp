#include "people/person.h"

#include "platform/platform.h"

#include <cstring>

PersonRecord person1;
PersonRecord person2;
PhraseList phraseList;
TodayDate today;

void clearPeople() {
    std::memset(&person1, 0, sizeof person1);
    std::memset(&person2, 0, sizeof person2);
    std::memset(phraseList, 0, sizeof phraseList);
}

void readToday() {
    platform::Date now = platform::today();
    today.todayMonth = now.month;
    today.todayDay = now.day;
    today.todayYear = now.year;
}

void copyName(char (&field)[NAME_SIZE], const char* text) {
    std::size_t length = std::strlen(text);
    if (length > NAME_SIZE - 1) length = NAME_SIZE - 1;
    std::memcpy(field, text, length);
    field[length] = '\0';
}
