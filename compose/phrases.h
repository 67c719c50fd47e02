// The numbered phrases of "QUOTES.Q" as the composers use them. Each phrase
// that is used as a format has one argument signature, kept in the table of
// phrases.cpp: "i" an int (also a character), "s" a text. A phrase whose
// conversions don't fit its signature is shown as plain text, so that no
// archive can make a format read what was not passed.
#pragma once

#include <cstddef>
#include <string>

struct PhraseUse {
    int number;
    const char* signature;
};

// Every phrase a composer formats, with the arguments it passes.
extern const PhraseUse PHRASE_USES[];
extern const std::size_t PHRASE_USE_COUNT;

// The signature of phrase n, or nullptr when no composer formats it.
const char* phraseSignature(int n);

// Whether format's conversions can take arguments of this signature: no
// more conversions than arguments, each of a fitting kind, no "%n", no
// "*" widths, no length modifiers, no positional arguments.
bool formatFits(const char* format, const char* signature);

// The text of phrase n ("" when the archive has none).
const char* phraseText(int n);

// Phrase n ready to be used as a format with its signature's arguments:
// the phrase itself when it fits, else the phrase with every "%" doubled.
std::string phraseFormat(int n);

// How many times a composer passed arguments that differ from the table
// (a fault of ours, counted so the tests can find it).
extern int phraseSignatureMismatches;
