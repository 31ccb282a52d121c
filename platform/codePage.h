#pragma once

#include <string>
#include <string_view>

// Text for the Windows "A" calls and the high-score file is one byte a character, in the
// Windows-1252 code page. The rest of the program speaks UTF-8.
namespace platform {

// Normalises to NFC, then encodes; a character outside the code page becomes '?'.
std::string toAnsi(std::string_view utf8);

// Every byte value decodes to a character, and toAnsi gives the same byte back.
std::string fromAnsi(std::string_view ansi);

} // namespace platform
