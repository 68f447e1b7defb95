#include "RecentQuestions.h"

#include "common/SafeFiles.h"

#include <algorithm>

namespace zorbik::quiz {

namespace {

constexpr std::size_t LineLimit = 200; // far above any question text

} // namespace

std::vector<std::string> ReadRecent(const std::string& folder)
{
    std::vector<std::string> recent;
    const auto bytes = ReadRegularFile(PathIn(folder, RecentFileName), RecentKept * (LineLimit + 2));
    if (!bytes)
        return recent;
    std::size_t start = 0;
    while (start < bytes->size() && recent.size() < RecentKept) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos)
            end = bytes->size();
        std::string line = bytes->substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.size() <= LineLimit)
            recent.push_back(std::move(line));
        start = end + 1;
    }
    return recent;
}

bool RememberQuestion(const std::string& folder, std::vector<std::string> recent, const std::string& text)
{
    std::erase(recent, text);
    recent.insert(recent.begin(), text);
    if (recent.size() > RecentKept)
        recent.resize(RecentKept);
    std::string bytes;
    for (const std::string& line : recent) {
        if (line.size() <= LineLimit && line.find('\n') == std::string::npos)
            bytes += line + "\r\n";
    }
    return ReplaceFile(PathIn(folder, RecentFileName), bytes);
}

} // namespace zorbik::quiz
