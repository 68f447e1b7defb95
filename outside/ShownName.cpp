#include "ShownName.h"

#include "common/Utf8Text.h"

#include <QCoreApplication>
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
// gives one placeholder. `lengths`, when given, receives the bytes of each
// character.
std::u32string Decode(const std::string& bytes, std::vector<int>* lengths = nullptr)
{
    std::u32string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Letter letter = FirstLetter(std::string_view(bytes).substr(i));
        out += letter.WellFormed ? letter.Code : Placeholder;
        if (lengths)
            lengths->push_back(static_cast<int>(letter.Bytes));
        i += letter.Bytes;
    }
    return out;
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
        if (!IsInvisibleControl(c))
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

std::string StartingName()
{
    return QCoreApplication::translate("HighScores", DefaultPlayer).toStdString();
}

} // namespace zorbik
