#include "ClassRecord.h"

#include "Utf8Text.h"

#include <algorithm>
#include <charconv>

namespace zorbik {

namespace {

constexpr int HighestLevel = 9;
constexpr long long HighestScore = 99999999; // the table's eight digits
constexpr int MostQuestions = 9999;

std::string CleanText(std::string_view text, std::size_t limit)
{
    std::string clean = CutAtLetter(WithoutInvisibleControls(text), limit);
    return clean.empty() ? "-" : clean;
}

std::vector<std::string_view> Split(std::string_view text, char by)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(by, at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos)
            return parts;
        at = end + 1;
    }
}

template <typename Number> bool ReadNumber(std::string_view text, Number low, Number high, Number& out)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < low ||
        value > high)
        return false;
    out = value;
    return true;
}

// "asked/right/hints", where right and hints together are at most asked.
bool ReadTally(std::string_view text, TopicTally& tally)
{
    const auto parts = Split(text, '/');
    return parts.size() == 3 && ReadNumber(parts[0], 0, MostQuestions, tally.asked) &&
           ReadNumber(parts[1], 0, tally.asked, tally.right) &&
           ReadNumber(parts[2], 0, tally.asked - tally.right, tally.hints);
}

// A time as the writer writes it: 2026-12-08T10:02:03+0100.
bool IsRecordTime(std::string_view t)
{
    constexpr std::string_view shape = "dddd-dd-ddTdd:dd:dd+dddd";
    if (t.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const bool digit = t[i] >= '0' && t[i] <= '9';
        if (shape[i] == 'd' ? !digit : (shape[i] == '+' ? t[i] != '+' && t[i] != '-' : t[i] != shape[i]))
            return false;
    }
    return true;
}

bool IsCleanText(std::string_view text, std::size_t limit)
{
    return !text.empty() && text.size() <= limit && WithoutInvisibleControls(text) == text;
}

} // namespace

bool IsMistakeWord(std::string_view word)
{
    return std::find(MistakeWords.begin(), MistakeWords.end(), word) != MistakeWords.end();
}

std::string RecordLine(const ClassRecordLine& line)
{
    std::string text = IsRecordTime(line.time) ? line.time : "0000-00-00T00:00:00+0000";
    text += '\t' + CleanText(line.login, RecordLoginLimit);
    text += '\t' + CleanText(line.name, RecordNameLimit);
    text += '\t' + std::to_string(std::clamp(line.level, 1, HighestLevel));
    text += '\t' + std::to_string(std::clamp(line.score, 0LL, HighestScore));
    for (const TopicTally& t : line.topics) {
        const int asked = std::clamp(t.asked, 0, MostQuestions);
        const int right = std::clamp(t.right, 0, asked);
        const int hints = std::clamp(t.hints, 0, asked - right);
        text += '\t' + std::to_string(asked) + '/' + std::to_string(right) + '/' + std::to_string(hints);
    }
    std::string mistakes;
    std::size_t kept = 0;
    for (const std::string& word : line.mistakes)
        if (IsMistakeWord(word) && kept++ < RecordMistakeLimit)
            mistakes += (mistakes.empty() ? "" : ",") + word;
    text += '\t' + (mistakes.empty() ? std::string("-") : mistakes);
    return text + "\r\n";
}

std::optional<ClassRecordLine> ParseRecordLine(std::string_view text)
{
    const auto fields = Split(text, '\t');
    if (fields.size() != 9 || !IsRecordTime(fields[0]) || !IsCleanText(fields[1], RecordLoginLimit) ||
        !IsCleanText(fields[2], RecordNameLimit))
        return std::nullopt;
    ClassRecordLine line;
    line.time = fields[0];
    line.login = fields[1];
    line.name = fields[2];
    if (!ReadNumber(fields[3], 1, HighestLevel, line.level) ||
        !ReadNumber(fields[4], 0LL, HighestScore, line.score))
        return std::nullopt;
    for (std::size_t t = 0; t < RecordTopics; ++t)
        if (!ReadTally(fields[5 + t], line.topics[t]))
            return std::nullopt;
    if (fields[8] != "-") {
        for (std::string_view word : Split(fields[8], ','))
            if (!IsMistakeWord(word) || line.mistakes.size() == RecordMistakeLimit)
                return std::nullopt;
            else
                line.mistakes.emplace_back(word);
    }
    return line;
}

std::vector<ClassRecordLine> ParseRecord(std::string_view bytes, std::size_t* skipped)
{
    std::vector<ClassRecordLine> lines;
    std::size_t bad = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find('\n', at);
        const bool whole = end != std::string_view::npos && end > at && bytes[end - 1] == '\r';
        const std::string_view line = bytes.substr(
            at, whole ? end - 1 - at : (end == std::string_view::npos ? bytes.size() : end) - at);
        auto parsed = whole && line.size() < RecordLineLimit ? ParseRecordLine(line) : std::nullopt;
        if (parsed)
            lines.push_back(std::move(*parsed));
        else
            ++bad;
        at = end == std::string_view::npos ? bytes.size() : end + 1;
    }
    if (skipped)
        *skipped = bad;
    return lines;
}

} // namespace zorbik
