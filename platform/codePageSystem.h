#pragma once

#include <QString>

#include <string>
#include <string_view>

// The system's converter for the code page of platform/codePage.h; each platform has its own.
namespace platform::codePageSystem {

// The code page in use, decided once.
int current();

// The bytes of one character in the code page; empty when the code page lacks it.
std::string encode(char32_t character);

// The text that the bytes stand for; bytes that stand for nothing come out as U+FFFD, except
// single bytes from 0x80 to 0x9F, which stand for the C1 control of their value.
QString decode(std::string_view bytes);

} // namespace platform::codePageSystem
