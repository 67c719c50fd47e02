// Conversion between the UTF-8 of a terminal and the Windows-1252 the
// programs keep their text in.
#pragma once

#include <string>
#include <string_view>

// False when text isn't valid UTF-8 or holds a character Windows-1252 lacks.
bool utf8ToCp1252(std::string_view text, std::string& out);
std::string cp1252ToUtf8(std::string_view text);
