// The checks a birth-data dialog makes on what was typed, without the
// dialog: one name field, and a birth date.
#pragma once

#include "engine/cycles.h"
#include "engine/letters.h"
#include "people/person.h"

extern const char* const MSG_REQUIRED_FIELD;   // "Required field: don't leave it empty."
extern const char* const MSG_COMMA_IN_NAME;

enum class NameReadResult { Ok, Edit, Required, Comma };

// Reads typed text into a name field: at most 79 characters, leading blanks
// removed, the Y and W rule applied. A comma is refused, because the user
// log separates its fields with commas.
NameReadResult readNameField(const char* typed, char (&field)[NAME_SIZE], bool required,
                             bool autoYW, YwReading& reading);
const char* nameReadMessage(NameReadResult result);  // nullptr for Ok and Edit

enum class DateField { None, Month, Day, Year };

struct DateCheck {
    const char* message;  // nullptr when the date is good
    DateField field;      // where the dialog puts the focus
};

// Checks a birth date against today in the dialog's order; month, day and
// year are stored into p only when every check passes.
DateCheck checkBirthDate(unsigned month, unsigned day, unsigned year, const TodayDate& date,
                         PersonRecord& p);

// A dialog field read as an unsigned number: leading blanks skipped, digits
// only; anything else, or a number too large, reads as 0.
unsigned dialogNumber(const char* text);
