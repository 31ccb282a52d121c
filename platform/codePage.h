#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text for the Windows "A" calls and the high-score file is in the system's 8-bit code page: one
// byte a character, or one or two in the double-byte code pages of Chinese, Japanese and Korean.
// The rest of the program speaks UTF-8. On Windows the code page is the system's ANSI code page;
// elsewhere it is the one Windows uses for the language of the player's locale.
namespace platform {

// The code page's number, as Windows names it: 1252 for Western European languages, 1251 for
// Cyrillic, 932 for Japanese and so on.
int ansiCodePage();

// Normalises to NFC, then encodes; a character outside the code page becomes '?'. Whole characters
// only, up to maxBytes: a character that would not fit whole is left out with all after it.
std::string toAnsi(std::string_view utf8, std::size_t maxBytes = std::string::npos);

// Every byte that the code page leaves undefined decodes to the C1 control of the same value where
// there is one, and toAnsi gives the same byte back; a byte sequence that is no character shows as
// U+FFFD.
std::string fromAnsi(std::string_view ansi);

// True when the code page holds every character of the text.
bool inAnsiCodePage(std::string_view utf8);

} // namespace platform
