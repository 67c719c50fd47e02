#include "cli/cp1252.h"

#include <cstdint>

namespace {

// Unicode of the codes 0x80 to 0x9F; 0 where Windows-1252 has no character.
const std::uint16_t HIGH_CONTROLS[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool toCp1252(std::uint32_t code, char& out) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        out = static_cast<char>(code);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (HIGH_CONTROLS[i] != 0 && HIGH_CONTROLS[i] == code) {
            out = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

bool utf8ToCp1252(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length;
        std::uint32_t code;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms and surrogates are not characters.
        static const std::uint32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < SMALLEST[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        char converted;
        if (!toCp1252(code, converted)) return false;
        out += converted;
        i += length;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const unsigned char code = static_cast<unsigned char>(c);
        if (code >= 0x80 && code < 0xA0 && HIGH_CONTROLS[code - 0x80] != 0)
            appendUtf8(out, HIGH_CONTROLS[code - 0x80]);
        else if (code >= 0x80 && code < 0xA0)
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, code);
    }
    return out;
}
