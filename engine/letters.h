// Letter values, vowels and consonants, the folds of every Windows-1252
// code, digit-sum reduction and the packed form in which numbers travel.
#pragma once

#include <cstdint>

// A keep set: bit (n - 8) set keeps the two-digit number n (10..39) during reduction.
enum : std::uint32_t {
    KEEP_NONE = 0,
    KEEP_MASTERS = 0x4008,        // 11, 22
    KEEP_ESSENCE = 0x4908,        // 11, 16, 19, 22
    KEEP_LIFE_PATH = 0x2004968,   // 11, 13, 14, 16, 19, 22, 33
};

// Kind masks for letterKind tests.
enum { KIND_NONE = 0, KIND_CONSONANT = 1, KIND_VOWEL = 2, KIND_LETTER = 3 };

// Base of the packed compound form: PACKED_BASE + 100 * sum + reduced value.
enum : std::int32_t { PACKED_BASE = 12340000 };

extern const std::uint8_t (&letterValue)[256];
extern const std::uint8_t (&letterKind)[256];
extern const char (&letterFold)[256];
extern const char (&displayFold)[256];

// Lookups through the character map of the settings (the raw tables above
// are for the places that want the code itself).
int mappedValue(unsigned char c);
int mappedKind(unsigned char c);
char mappedFold(unsigned char c);

int reduceNumber(int n, std::uint32_t keep);
int digitSumOnce(int n);
int packNumber(int n, std::uint32_t keep);
bool isPacked(int v);
int packedSum(int v);    // S of a packed number; a plain number is its own sum
const char* formatNumber(int v);

int nameTotal(const char* name, int kindMask);
void valueCounts(const char* text, int counts[10]);
int planeTotal(const char* text, const char* letterSet);
char transitLetter(const char* name, int age);

const char* properName(const char* name);
const char* fileNameStem(const char* name);

// The Y and W rule, applied to one name field while a person is read.
// With autoYW set, a Y next to a vowel is rewritten as "*". Otherwise the
// first Y/W character of a reading is reported to the reader, which decides.
enum class YwDecision { Accept, Edit };
using YwQuestion = YwDecision (*)(void* context);

struct YwReading {
    int warningCount = 0;         // Y/W characters met so far in this reading
    YwQuestion ask = nullptr;     // nullptr accepts the names as written
    void* context = nullptr;
};

bool isYwCharacter(char c);
// Applies the rule to name in place; false when the user chose Edit.
bool applyYwRule(char* name, bool autoYW, YwReading& reading);
