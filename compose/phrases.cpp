#include "compose/phrases.h"

#include "archive/text_archive.h"

#include <cstring>

int phraseSignatureMismatches = 0;

// Phrase numbers and the arguments their composers pass, by report.
const PhraseUse PHRASE_USES[] = {
    // Chart calculator.
    {0, "ss"}, {1, "ss"}, {2, "iii"}, {3, "sss"}, {4, "s"}, {5, "i"}, {6, "s"}, {7, "s"}, {8, "s"},
    {9, "s"}, {10, "s"}, {11, "s"}, {12, "i"}, {13, "i"}, {14, ""}, {15, ""}, {16, ""}, {17, "s"},
    {18, "s"}, {19, "s"}, {20, "s"}, {21, "i"}, {22, "s"}, {23, "i"}, {24, "i"}, {25, "i"}, {26, "i"},
    {27, "i"}, {28, "i"}, {29, "ii"}, {30, "iii"}, {31, "iii"}, {32, "iii"}, {33, "ii"}, {34, "iii"},
    {35, "ii"}, {36, "i"}, {37, "i"}, {38, "i"}, {39, "i"}, {40, "s"}, {41, "i"}, {42, "i"}, {43, ""},
    // Relationship compatibility (59, 61, 63 and 65 are labels passed as texts).
    {44, ""}, {45, ""}, {46, "sss"}, {47, "ss"}, {48, "sii"}, {49, "sss"}, {50, "ss"}, {51, "sii"},
    {52, ""}, {53, "sss"}, {54, "sss"}, {55, "sii"}, {56, "ssss"}, {57, "si"}, {58, ""}, {60, ""},
    {62, ""}, {64, ""}, {66, ""}, {67, "sii"}, {68, "sii"}, {69, "iii"}, {70, "ssii"}, {71, "ii"},
    {72, ""}, {73, "ssii"}, {74, "ssii"}, {75, "siii"}, {76, "sssii"}, {77, "sii"},
    // Diamond.
    {78, ""}, {81, ""}, {82, "si"}, {83, ""}, {84, "si"}, {85, ""}, {86, "si"}, {87, ""}, {88, "si"},
    {89, ""}, {90, "si"},
    // Lucky numbers.
    {91, ""}, {92, ""}, {93, "ss"}, {94, "sii"}, {95, "sss"}, {96, "ss"}, {97, "si"}, {98, "i"},
    {99, "ssi"}, {100, "si"}, {101, "si"}, {102, "i"},
    // Name advisor.
    {103, ""}, {104, ""}, {105, "s"}, {106, ""}, {107, ""}, {108, ""}, {109, ""},
    // Personality profiles.
    {110, ""}, {111, ""}, {112, "sss"}, {113, "ss"}, {114, "sii"}, {115, ""}, {116, ""}, {117, "s"},
    {118, ""}, {119, "i"}, {120, ""}, {121, "s"}, {122, ""}, {123, "s"}, {124, ""}, {125, "s"},
    {126, ""}, {127, "s"}, {128, ""}, {129, "s"}, {130, ""}, {131, "s"}, {132, ""}, {133, "i"},
    {134, ""}, {135, "i"}, {136, ""}, {137, "i"}, {138, ""}, {139, ""}, {140, "i"}, {141, ""},
    {142, ""}, {143, "s"}, {144, ""}, {145, "s"}, {146, ""}, {147, "s"}, {148, ""}, {149, "s"},
    {150, ""}, {151, "i"}, {152, ""}, {153, "s"}, {154, ""}, {155, "i"}, {156, ""}, {157, "i"},
    {158, ""}, {159, "si"}, {160, "s"}, {161, ""}, {162, "sii"}, {163, "siii"}, {164, "sii"},
    {165, "s"}, {166, ""}, {167, "sii"}, {168, "siii"}, {169, "sii"}, {170, "s"}, {171, ""},
    {172, ""}, {173, "ii"}, {174, "ii"}, {175, ""}, {176, "ii"}, {177, "ii"}, {178, ""}, {179, "ii"},
    {180, "ii"}, {181, ""}, {182, "is"}, {183, "ii"}, {184, ""}, {185, "ii"}, {186, ""}, {187, "sii"},
    {188, ""}, {189, "si"},
    // Everyday numbers.
    {191, ""}, {192, "i"}, {193, ""}, {194, "i"}, {195, ""}, {196, "i"},
};
const std::size_t PHRASE_USE_COUNT = sizeof PHRASE_USES / sizeof PHRASE_USES[0];

const char* phraseSignature(int n) {
    for (const PhraseUse& use : PHRASE_USES)
        if (use.number == n) return use.signature;
    return nullptr;
}

bool formatFits(const char* format, const char* signature) {
    std::size_t used = 0;
    const std::size_t available = std::strlen(signature);
    for (const char* c = format; *c; ++c) {
        if (*c != '%') continue;
        ++c;
        if (*c == '%') continue;
        while (*c && std::strchr("-+ #0", *c)) ++c;
        while (*c >= '0' && *c <= '9') ++c;
        if (*c == '.') {
            ++c;
            while (*c >= '0' && *c <= '9') ++c;
        }
        char kind;
        if (*c && std::strchr("diuxXoc", *c))
            kind = 'i';
        else if (*c == 's')
            kind = 's';
        else
            return false;  // "%n", "*", "$", length modifiers, floating point, a lone "%"
        if (used == available || signature[used] != kind) return false;
        ++used;
    }
    return true;
}

const char* phraseText(int n) {
    if (n < 0 || n >= MAX_PHRASES || !quoteTable[n]) return "";
    return quoteTable[n];
}

std::string phraseFormat(int n) {
    const char* text = phraseText(n);
    const char* signature = phraseSignature(n);
    if (signature && formatFits(text, signature)) return text;
    std::string literal;
    for (const char* c = text; *c; ++c) {
        literal += *c;
        if (*c == '%') literal += '%';
    }
    return literal;
}
