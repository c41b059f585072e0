#pragma once
// Wide text (UTF-32 wchar_t on Linux, UTF-16 elsewhere) to and from UTF-8.

#include <string>
#include <string_view>

// Invalid code points (lone surrogates, values beyond U+10FFFF) become U+FFFD.
std::string toUtf8(std::wstring_view text);
// Malformed UTF-8 sequences become U+FFFD.
std::wstring fromUtf8(std::string_view text);
