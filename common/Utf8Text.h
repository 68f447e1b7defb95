// Text the pupil typed or a file brought, made safe to cut, store and show:
// cutting between whole UTF-8 characters, leaving out the characters that
// show nothing but can hide or turn the text around them, and one CSV cell
// a spreadsheet opens as text. No Qt: the set-group-ID writer links this.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorbik {

// One character at the front of a text: its code point and its bytes. A byte
// that is not part of well-formed UTF-8 (overlong forms, surrogates and values
// past U+10FFFF included) is one character of its own, U+FFFD, one byte long.
struct Utf8Letter {
    char32_t Code;
    std::size_t Bytes;
    bool WellFormed;
};
// The first character of `text`, which must not be empty.
Utf8Letter FirstLetter(std::string_view text);

// The longest beginning of `text`, at most maxBytes long, that ends between whole UTF-8 characters.
std::string CutAtLetter(std::string_view text, std::size_t maxBytes);
// Characters a name or a shown text leaves out: C0 controls, DEL, C1 controls (U+0080-U+009F),
// U+200B-U+200F, U+202A-U+202E, U+2066-U+2069 (and the other direction marks outside/ShownName.cpp leaves
// out).
bool IsInvisibleControl(char32_t c);
// `text` without those characters; a byte that is not part of well-formed UTF-8 becomes '?'.
std::string WithoutInvisibleControls(std::string_view text);
// One CSV cell, safe to open in a spreadsheet: always quoted, inner quotes doubled, and a text that
// begins with '=', '+', '-', '@', tab or CR gets a leading "'".
std::string SpreadsheetCell(std::string_view text);

} // namespace zorbik
