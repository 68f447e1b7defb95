#include "RecentQuestions.h"

#include "common/Programs.h"
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

Topic TopicOfText(const std::string& text)
{
    if (text.find("(LCM)") != std::string::npos)
        return Topic::Lcm;
    if (text.find("(GCF)") != std::string::npos)
        return Topic::Gcf;
    return Topic::Fractions;
}

Topic LeastRecentTopic(const std::vector<Topic>& offered, const std::vector<std::string>& recent,
                       std::mt19937& rng)
{
    // How many questions ago each topic was last asked; never: beyond all.
    std::vector<std::size_t> ago(offered.size(), recent.size());
    for (std::size_t i = 0; i < offered.size(); ++i)
        for (std::size_t r = 0; r < recent.size(); ++r)
            if (TopicOfText(recent[r]) == offered[i]) {
                ago[i] = r;
                break;
            }
    const std::size_t longest = *std::max_element(ago.begin(), ago.end());
    std::vector<Topic> waiting;
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (ago[i] == longest)
            waiting.push_back(offered[i]);
    return waiting[std::uniform_int_distribution<std::size_t>(0, waiting.size() - 1)(rng)];
}

} // namespace zorbik::quiz
