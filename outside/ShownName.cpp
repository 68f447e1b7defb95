#include "ShownName.h"

#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace zorbik {

namespace {

constexpr char32_t Placeholder = '?';
// First-strong isolate and its end (U+2068, U+2069 in UTF-8): the name is a
// run of its own.
constexpr const char* IsolateStart = "\xE2\x81\xA8";
constexpr const char* IsolateEnd = "\xE2\x81\xA9";

// Decodes UTF-8; every byte that is not part of a well-formed character
// (overlong forms, surrogates and values past U+10FFFF included) gives one
// placeholder. `lengths`, when given, receives the bytes of each character.
std::u32string Decode(const std::string& bytes, std::vector<int>* lengths = nullptr)
{
    std::u32string out;
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t c = 0, least = 0;
        if (b < 0x80) {
            length = 1, c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, c = b & 0x07, least = 0x10000;
        }
        bool good = length > 0 && i + length <= bytes.size();
        for (int k = 1; good && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            good = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        good = good && c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
        out += good ? c : Placeholder;
        if (lengths)
            lengths->push_back(good ? length : 1);
        i += good ? length : 1;
    }
    return out;
}

// Characters a shown name leaves out: controls, line breaks and every mark
// that changes the direction of the text around it.
bool LeftOut(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB);
}

template <typename Each> void ForEachCluster(const std::u32string& text, Each each)
{
    const QString q = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, q);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        if (!each(q.mid(start, end - start).toStdU32String()))
            return;
        start = end;
    }
}

std::string ToUtf8(const std::u32string& text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

bool PlainAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

std::string ShownName(const std::string& nameField)
{
    std::u32string kept;
    for (char32_t c : Decode(nameField))
        if (!LeftOut(c))
            kept += c;
    while (!kept.empty() && kept.back() == ' ')
        kept.pop_back();
    // Letters with their accents composed where one character exists for
    // them: the table's font draws those far better than a loose accent.
    kept = QString::fromUcs4(kept.data(), static_cast<qsizetype>(kept.size()))
               .normalized(QString::NormalizationForm_C)
               .toStdU32String();

    return ToUtf8(kept);
}

std::string WholeLettersWithin(const std::string& name, size_t maxBytes)
{
    if (name.size() <= maxBytes)
        return name;
    std::vector<int> lengths;
    const std::u32string text = Decode(name, &lengths);
    size_t bytes = 0, character = 0;
    ForEachCluster(text, [&](const std::u32string& cluster) {
        size_t clusterBytes = 0;
        for (size_t k = 0; k < cluster.size(); ++k)
            clusterBytes += lengths[character + k];
        if (bytes + clusterBytes > maxBytes)
            return false;
        bytes += clusterBytes;
        character += cluster.size();
        return true;
    });
    return name.substr(0, bytes);
}

std::string ShownHighScoreLine(const HighScoreEntry& e)
{
    const std::string line = HighScoreLine(e);
    if (PlainAscii(e.Name))
        return line;
    return IsolateStart + ShownName(e.Name) + IsolateEnd + ShownNameEnd + line.substr(NameWidth);
}

} // namespace zorbik
