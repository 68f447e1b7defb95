#include "Utf8Text.h"

namespace zorbik {

Utf8Letter FirstLetter(std::string_view text)
{
    const auto b = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    char32_t c = 0, least = 0;
    if (b < 0x80)
        return {b, 1, true};
    if (b >= 0xC2 && b <= 0xDF)
        length = 2, c = b & 0x1F, least = 0x80;
    else if (b >= 0xE0 && b <= 0xEF)
        length = 3, c = b & 0x0F, least = 0x800;
    else if (b >= 0xF0 && b <= 0xF4)
        length = 4, c = b & 0x07, least = 0x10000;
    bool good = length > 0 && length <= text.size();
    for (std::size_t k = 1; good && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        good = (next & 0xC0) == 0x80;
        c = (c << 6) | (next & 0x3F);
    }
    good = good && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    if (!good)
        return {0xFFFD, 1, false};
    return {c, length, true};
}

std::string CutAtLetter(std::string_view text, std::size_t maxBytes)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t next = at + FirstLetter(text.substr(at)).Bytes;
        if (next > maxBytes)
            break;
        at = next;
    }
    return std::string(text.substr(0, at));
}

bool IsInvisibleControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB);
}

std::string WithoutInvisibleControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Letter letter = FirstLetter(text.substr(at));
        if (!letter.WellFormed)
            out += '?';
        else if (!IsInvisibleControl(letter.Code))
            out.append(text.substr(at, letter.Bytes));
        at += letter.Bytes;
    }
    return out;
}

std::string SpreadsheetCell(std::string_view text)
{
    std::string cell = "\"";
    if (!text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
        cell += '\'';
    for (char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}

} // namespace zorbik
