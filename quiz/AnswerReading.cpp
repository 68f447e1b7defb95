#include "AnswerReading.h"

#include <cctype>

namespace zorbik::quiz {

namespace {

// Blanks of every kind a keyboard or a copied text gives become one space;
// the typographic minus and fraction slash become their plain signs.
std::string Plain(const std::string& typed)
{
    static const std::pair<const char*, const char*> swaps[] = {
        {"\u00a0", " "}, {"\u202f", " "}, {"\u2009", " "}, {"\t", " "}, {"\u2212", "-"}, {"\u2044", "/"}};
    std::string s = typed;
    for (const auto& [from, to] : swaps)
        for (size_t at; (at = s.find(from)) != std::string::npos;)
            s.replace(at, std::string(from).size(), to);
    std::string out;
    for (char c : s)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += c;
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool AllDigits(const std::string& s)
{
    if (s.empty() || s.size() > 9)
        return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// Digits, optionally in groups of three after the first one to three,
// separated by " " or, unless it is a decimal comma, "," ("1,200", "1 200",
// "12 000").
bool GroupedWhole(const std::string& s, int64_t& value, bool decimalComma)
{
    std::string digits;
    size_t group = 0;
    bool grouped = false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            ++group;
        } else if (((c == ',' && !decimalComma) || c == ' ') && group > 0 &&
                   (grouped ? group == 3 : group <= 3)) {
            grouped = true;
            group = 0;
        } else {
            return false;
        }
    }
    if ((grouped && group != 3) || !AllDigits(digits))
        return false;
    value = std::stoll(digits);
    return true;
}

// "1.25", ".5", "1,5" (a comma not followed by a group of three).
bool DecimalNumber(const std::string& s, Fraction& value)
{
    const size_t point = s.find_first_of(".,");
    if (point == std::string::npos || s.find_first_of(".,", point + 1) != std::string::npos)
        return false;
    const std::string whole = s.substr(0, point), part = s.substr(point + 1);
    if ((!whole.empty() && !AllDigits(whole)) || !AllDigits(part) || whole.size() + part.size() > 9)
        return false;
    int64_t scale = 1;
    for (size_t i = 0; i < part.size(); ++i)
        scale *= 10;
    value = Reduced({(whole.empty() ? 0 : std::stoll(whole)) * scale + std::stoll(part), scale});
    return true;
}

TypedAnswer ReadUnsigned(const std::string& s, bool decimalComma)
{
    TypedAnswer a;
    a.text = s;
    const size_t slash = s.find('/');
    if (slash != std::string::npos) {
        std::string left = s.substr(0, slash), right = s.substr(slash + 1);
        while (!left.empty() && left.back() == ' ')
            left.pop_back();
        while (!right.empty() && right.front() == ' ')
            right.erase(0, 1);
        const size_t blank = left.rfind(' ');
        const std::string wholeText = blank == std::string::npos ? "" : left.substr(0, blank);
        const std::string topText = blank == std::string::npos ? left : left.substr(blank + 1);
        if ((!wholeText.empty() && !AllDigits(wholeText)) || !AllDigits(topText) || !AllDigits(right))
            return a;
        a.whole = wholeText.empty() ? 0 : std::stoll(wholeText);
        a.top = std::stoll(topText);
        a.bottom = std::stoll(right);
        if (a.bottom == 0)
            return a;
        a.kind = TypedAnswer::Number;
        a.hasFraction = true;
        a.value = {a.whole * a.bottom + a.top, a.bottom};
        a.text = (wholeText.empty() ? "" : wholeText + " ") + topText + "/" + right;
        return a;
    }
    int64_t whole = 0;
    if (GroupedWhole(s, whole, decimalComma)) {
        a.kind = TypedAnswer::Number;
        a.value = {whole, 1};
    } else if (DecimalNumber(s, a.value)) {
        a.kind = TypedAnswer::Decimal;
    }
    return a;
}

} // namespace

TypedAnswer ReadTypedAnswer(const std::string& typed, bool decimalComma)
{
    std::string s = Plain(typed);
    if (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    // A minus anywhere: the number without it is read, and then not judged.
    bool minus = false;
    for (size_t at; (at = s.find('-')) != std::string::npos;) {
        s.erase(at, 1);
        minus = true;
    }
    while (!s.empty() && s.front() == ' ')
        s.erase(0, 1);
    TypedAnswer a = ReadUnsigned(s, decimalComma);
    if (minus && a.kind != TypedAnswer::Unreadable)
        a.kind = TypedAnswer::Negative;
    return a;
}

} // namespace zorbik::quiz
