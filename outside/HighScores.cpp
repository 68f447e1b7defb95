#include "HighScores.h"

#include "common/Utf8Text.h"

#include <algorithm>
#include <utility>

namespace zorbik {

namespace {

constexpr int FieldWidths[] = {4, 4, 4, 2, 8}; // Pr, En, Dr, L, Score

// A byte no stored name field has ever held: stored lines with any other
// bytes are read and written back as they are.
bool IsControl(unsigned char c)
{
    return c < 32 || c == 127;
}

// A number field over its whole width: blanks, an optional minus, digits.
bool ParseNumberField(const std::string& field, int32_t& value)
{
    size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && field[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == field.size())
        return false;
    int64_t v = 0; // at most 8 digits, far inside 64 bits
    for (; i < field.size(); ++i) {
        const char c = field[i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    value = static_cast<int32_t>(negative ? -v : v);
    return true;
}

// The nearest value whose decimal text fits `width` characters.
int32_t FitToWidth(int32_t value, int width)
{
    int32_t high = 9;
    for (int i = 1; i < width; ++i)
        high = high * 10 + 9;
    const int32_t low = width > 1 ? -(high / 10) : 0;
    return std::clamp(value, low, high);
}

} // namespace

bool operator==(const HighScoreEntry& a, const HighScoreEntry& b)
{
    return a.Name == b.Name && a.Pr == b.Pr && a.En == b.En && a.Dr == b.Dr && a.L == b.L &&
           a.Score == b.Score;
}

std::string PadNumber(int32_t value, int width)
{
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    return text;
}

HighScoreEntry DefaultEntry(int k, const std::string& name)
{
    // A table once written keeps the names it was written with.
    const int32_t v = 16 - k;
    return {NameField(name), v, v, v, 1, v};
}

void FillDefaults(HighScoreTable& table, const std::string& name)
{
    for (int k = 1; k <= 16; ++k)
        table[k] = DefaultEntry(k, name);
}

std::string NameField(const std::string& gamerName)
{
    // Controls and direction marks never reach the file; the cut falls
    // between whole letters.
    std::string name = CutAtLetter(WithoutInvisibleControls(gamerName), NameWidth);
    name.resize(NameWidth, ' ');
    return name;
}

std::string HighScoreLine(const HighScoreEntry& e)
{
    std::string name = e.Name;
    name.resize(NameWidth, ' ');
    return name + PadNumber(FitToWidth(e.Pr, 4), 4) + PadNumber(FitToWidth(e.En, 4), 4) +
           PadNumber(FitToWidth(e.Dr, 4), 4) + PadNumber(FitToWidth(e.L, 2), 2) +
           PadNumber(FitToWidth(e.Score, 8), 8);
}

bool ParseHighScoreLine(const std::string& line, HighScoreEntry& out)
{
    if (line.size() != static_cast<size_t>(HighScoreLineWidth))
        return false;
    HighScoreEntry e;
    e.Name = line.substr(0, NameWidth);
    for (char c : e.Name)
        if (IsControl(static_cast<unsigned char>(c)))
            return false;
    int32_t* fields[] = {&e.Pr, &e.En, &e.Dr, &e.L, &e.Score};
    size_t at = NameWidth;
    for (int i = 0; i < 5; ++i) {
        if (!ParseNumberField(line.substr(at, FieldWidths[i]), *fields[i]))
            return false;
        at += FieldWidths[i];
    }
    out = std::move(e);
    return true;
}

bool ReadHighScores(std::string_view bytes, HighScoreTable& table)
{
    int stored = 0;
    bool damaged = false;
    size_t at = 0;
    while (at < bytes.size() && stored < KeptEntries) {
        const size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        const std::string_view line = bytes.substr(at, end - at);
        // CR LF, LF and CR alone each end one line.
        at = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (line.empty())
            continue;
        HighScoreEntry e;
        if (ParseHighScoreLine(std::string(line.substr(0, HighScoreLineWidth + 1)), e))
            table[++stored] = std::move(e);
        else
            damaged = true;
    }
    return damaged;
}

void BubbleUp(HighScoreTable& table)
{
    for (int k = 16; k >= 2; --k)
        if (table[k].Score > table[k - 1].Score)
            std::swap(table[k], table[k - 1]);
}

bool MergeFinishedGame(const std::string* bytes, const HighScoreEntry& finished, HighScoreTable& table,
                       const std::string& startingName)
{
    FillDefaults(table, startingName);
    const bool damaged = bytes && ReadHighScores(*bytes, table);
    table[16] = finished;
    BubbleUp(table);
    return damaged;
}

std::string HighScoreText(const HighScoreTable& table)
{
    std::string text;
    for (int k = 1; k <= KeptEntries; ++k)
        text += HighScoreLine(table[k]) + "\r\n";
    return text;
}

} // namespace zorbik
