#include "engine/letters.h"

#include "shell/settings.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

struct LetterTables {
    std::uint8_t value[256];
    std::uint8_t kind[256];
    char fold[256];
    char display[256];
};

constexpr void setLetter(LetterTables& t, unsigned char code, int value, int kind, char fold,
                         char display) {
    t.value[code] = static_cast<std::uint8_t>(value);
    t.kind[code] = static_cast<std::uint8_t>(kind);
    t.fold[code] = fold;
    t.display[code] = display;
}

// The accented Windows-1252 capitals, each with its small form at code + 0x20.
constexpr void setAccented(LetterTables& t, unsigned char firstCapital, int count, char base) {
    const int value = (base - 'A') % 9 + 1;
    const int kind = (base == 'C' || base == 'N') ? KIND_CONSONANT : KIND_VOWEL;
    for (int i = 0; i < count; ++i) {
        setLetter(t, static_cast<unsigned char>(firstCapital + i), value, kind, base, base);
        setLetter(t, static_cast<unsigned char>(firstCapital + i + 0x20), value, kind, base,
                  static_cast<char>(base + 0x20));
    }
}

constexpr LetterTables buildTables() {
    LetterTables t{};
    for (int c = 0; c < 256; ++c) {
        t.fold[c] = ' ';
        t.display[c] = ' ';
    }
    // Printable ASCII folds to itself, except the characters that never
    // stand for anything in a name.
    for (int c = 0x21; c <= 0x7E; ++c) {
        t.fold[c] = static_cast<char>(c);
        t.display[c] = static_cast<char>(c);
    }
    for (char c : {'"', '@', '[', '\\', ']', '^', '_', '`'}) {
        t.fold[static_cast<unsigned char>(c)] = ' ';
        t.display[static_cast<unsigned char>(c)] = ' ';
    }
    for (char capital = 'A'; capital <= 'Z'; ++capital) {
        const int value = (capital - 'A') % 9 + 1;
        const bool vowel = capital == 'A' || capital == 'E' || capital == 'I' || capital == 'O' ||
                           capital == 'U' || capital == 'Y';
        const int kind = vowel ? KIND_VOWEL : KIND_CONSONANT;
        const char small = static_cast<char>(capital + 0x20);
        setLetter(t, static_cast<unsigned char>(capital), value, kind, capital, capital);
        setLetter(t, static_cast<unsigned char>(small), value, kind, capital, small);
    }
    for (char digit = '0'; digit <= '9'; ++digit)
        setLetter(t, static_cast<unsigned char>(digit), digit - '0', KIND_CONSONANT, digit, digit);

    // Markers: Y written as a consonant, W written as a vowel, and three vowel symbols.
    setLetter(t, '*', 7, KIND_CONSONANT, 'Y', 'y');
    setLetter(t, '#', 5, KIND_VOWEL, 'W', 'w');
    setLetter(t, '$', 2, KIND_VOWEL, '$', '$');
    setLetter(t, '%', 4, KIND_VOWEL, '%', '%');
    setLetter(t, '&', 8, KIND_VOWEL, '&', '&');

    setAccented(t, 0xC0, 5, 'A');  // À Á Â Ã Ä
    setAccented(t, 0xC7, 1, 'C');  // Ç
    setAccented(t, 0xC8, 4, 'E');  // È É Ê Ë
    setAccented(t, 0xCC, 4, 'I');  // Ì Í Î Ï
    setAccented(t, 0xD1, 1, 'N');  // Ñ
    setAccented(t, 0xD2, 4, 'O');  // Ò Ó Ô Õ
    setAccented(t, 0xD9, 4, 'U');  // Ù Ú Û Ü
    return t;
}

constexpr LetterTables tables = buildTables();

// Ten result buffers shared by properName and fileNameStem, so that up to
// ten names can be in use at once.
char nameBuffers[10][NAME_SIZE];
int nextNameBuffer = 0;

char* takeNameBuffer() {
    char* buffer = nameBuffers[nextNameBuffer];
    nextNameBuffer = (nextNameBuffer + 1) % 10;
    return buffer;
}

inline unsigned char mapped(unsigned char c) { return settings.charMap[c]; }

bool keeps(int n, std::uint32_t keep) {
    return n >= 10 && n <= 39 && (keep >> (n - 8)) & 1u;
}

}  // namespace

const std::uint8_t (&letterValue)[256] = tables.value;
const std::uint8_t (&letterKind)[256] = tables.kind;
const char (&letterFold)[256] = tables.fold;
const char (&displayFold)[256] = tables.display;

int mappedValue(unsigned char c) { return letterValue[mapped(c)]; }
int mappedKind(unsigned char c) { return letterKind[mapped(c)]; }
char mappedFold(unsigned char c) { return letterFold[mapped(c)]; }

int reduceNumber(int n, std::uint32_t keep) {
    while (n > 9 && !keeps(n, keep)) n = digitSumOnce(n);
    return n;
}

int digitSumOnce(int n) {
    int sum = 0;
    for (; n > 0; n /= 10) sum += n % 10;
    return sum;
}

int packNumber(int n, std::uint32_t keep) {
    const int reduced = reduceNumber(n, keep);
    if (n < 1) return reduced;
    return PACKED_BASE + 100 * n + reduced;
}

bool isPacked(int v) { return static_cast<std::uint32_t>(v) >= static_cast<std::uint32_t>(PACKED_BASE); }

int packedSum(int v) {
    if (!isPacked(v)) return v;
    // The sum is read whole, so a Rational Thought sum of 100 or more shows
    // as itself rather than by its last two digits.
    if (v >= PACKED_BASE) return (v - PACKED_BASE) / 100;
    return (v % 10000) / 100;
}

const char* formatNumber(int v) {
    static char text[24];
    if (!isPacked(v)) {
        std::snprintf(text, sizeof text, "%d", v);
        return text;
    }
    const int sum = packedSum(v);
    const int root = (sum - 1) % 9 + 1;
    if (root != sum)
        std::snprintf(text, sizeof text, "%d/%d", sum, root);
    else
        std::snprintf(text, sizeof text, "%d", root);
    return text;
}

int nameTotal(const char* name, int kindMask) {
    int total = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name); *c; ++c)
        if (mappedKind(*c) & kindMask) total += mappedValue(*c);
    return reduceNumber(total, KEEP_MASTERS);
}

void valueCounts(const char* text, int counts[10]) {
    for (int i = 0; i < 10; ++i) counts[i] = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
        ++counts[mappedValue(*c)];
}

int planeTotal(const char* text, const char* letterSet) {
    int foldCounts[256] = {};
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
        ++foldCounts[static_cast<unsigned char>(mappedFold(*c))];
    int total = 0;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(letterSet); *s; ++s)
        total += reduceNumber(foldCounts[*s] * letterValue[*s], KEEP_NONE);
    return packNumber(total, KEEP_MASTERS);
}

char transitLetter(const char* name, int age) {
    const unsigned char* start = reinterpret_cast<const unsigned char*>(name);
    int passTotal = 0;
    for (const unsigned char* c = start; *c; ++c) passTotal += mappedValue(*c);
    if (passTotal == 0) return ' ';
    // The name repeats every passTotal years.
    if (age >= passTotal) age %= passTotal;
    int total = 0;
    for (const unsigned char* c = start;; ++c) {
        total += mappedValue(*c);
        if (total > age) return mappedFold(*c);
    }
}

const char* properName(const char* name) {
    char* result = takeNameBuffer();
    std::size_t i = 0;
    for (; name[i] && i < NAME_SIZE - 1; ++i) {
        char c = displayFold[static_cast<unsigned char>(name[i])];
        if ((i == 0 || result[i - 1] == ' ') && c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
        result[i] = c;
    }
    result[i] = '\0';
    return result;
}

namespace {

// Characters that a file name may not hold on one system or another: path
// separators, the drive colon and the wildcards and redirections.
bool refusedInFileName(char c) { return std::strchr("/\\:*?\"<>|", c) != nullptr; }

// The names the system keeps for its devices, whatever extension follows.
bool isDeviceName(const char* stem) {
    static const char* const DEVICES[] = {
        "CON",  "PRN",  "AUX",  "NUL",  "CONIN$", "CONOUT$", "CLOCK$", "COM1", "COM2", "COM3", "COM4", "COM5",
        "COM6", "COM7", "COM8", "COM9", "LPT1",   "LPT2",    "LPT3",   "LPT4", "LPT5", "LPT6", "LPT7", "LPT8",
        "LPT9",
    };
    for (const char* device : DEVICES) {
        std::size_t i = 0;
        while (device[i] && std::toupper(static_cast<unsigned char>(stem[i])) == device[i]) ++i;
        if (!device[i] && !stem[i]) return true;
    }
    return false;
}

}  // namespace

const char* fileNameStem(const char* name) {
    enum { STEM_LENGTH = 8 };
    char* result = takeNameBuffer();
    std::size_t length = 0;
    bool afterDropped = true;  // the first kept character keeps its capital
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(name);
         *c && length < STEM_LENGTH; ++c) {
        const char fold = letterFold[*c];
        // A leading dot would hide the file or lead out of its folder.
        if (fold == ' ' || refusedInFileName(fold) || (fold == '.' && length == 0)) {
            afterDropped = true;
            continue;
        }
        result[length++] = afterDropped ? fold : static_cast<char>(fold | 0x20);
        afterDropped = false;
    }
    result[length] = '\0';
    if (isDeviceName(result)) std::strcat(result, "_");
    return result;
}

bool isYwCharacter(char c) {
    return c == 'y' || c == 'Y' || c == '*' || c == 'w' || c == 'W' || c == '#';
}

bool applyYwRule(char* name, bool autoYW, YwReading& reading) {
    if (!autoYW) {
        for (const char* c = name; *c; ++c) {
            if (!isYwCharacter(*c)) continue;
            if (reading.warningCount++ == 0 && reading.ask &&
                reading.ask(reading.context) == YwDecision::Edit)
                return false;
        }
        return true;
    }
    auto isVowel = [](char c) { return letterKind[static_cast<unsigned char>(c)] == KIND_VOWEL; };
    for (std::size_t i = 0; name[i]; ++i) {
        if (name[i] != 'y' && name[i] != 'Y') continue;
        if (isVowel(name[i + 1]) || (i > 0 && isVowel(name[i - 1]))) name[i] = '*';
    }
    return true;
}
