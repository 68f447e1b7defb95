#include "RecentQuestions.h"

#include "common/Programs.h"
#include "common/SafeFiles.h"
#include "journal/Journal.h"

#include <algorithm>

namespace zorbik::quiz {

namespace {

constexpr std::size_t LineLimit = 400; // far above any question text, in any language

} // namespace

std::vector<RecentQuestion> ReadRecent(const std::string& folder)
{
    std::vector<RecentQuestion> recent;
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
        const std::size_t tab = line.find('\t');
        const auto topic = tab == std::string::npos ? std::nullopt : TopicFromWord(line.substr(0, tab));
        if (topic && tab + 1 < line.size() && line.size() <= LineLimit)
            recent.push_back({*topic, line.substr(tab + 1)});
        start = end + 1;
    }
    return recent;
}

std::vector<std::string> RecentTexts(const std::vector<RecentQuestion>& recent)
{
    std::vector<std::string> texts;
    for (const RecentQuestion& r : recent)
        texts.push_back(r.text);
    return texts;
}

bool RememberQuestion(const std::string& folder, std::vector<RecentQuestion> recent,
                      const RecentQuestion& asked)
{
    std::erase_if(recent, [&](const RecentQuestion& r) { return r.text == asked.text; });
    recent.insert(recent.begin(), asked);
    if (recent.size() > RecentKept)
        recent.resize(RecentKept);
    std::string bytes;
    for (const RecentQuestion& r : recent) {
        const std::string line = TopicWord(r.topic) + "\t" + r.text;
        if (line.size() <= LineLimit && line.find_first_of("\r\n") == std::string::npos)
            bytes += line + "\r\n";
    }
    return ReplaceFile(PathIn(folder, RecentFileName), bytes);
}

Topic LeastRecentTopic(const std::vector<Topic>& offered, const std::vector<RecentQuestion>& recent,
                       std::mt19937& rng)
{
    // How many questions ago each topic was last asked; never: beyond all.
    std::vector<std::size_t> ago(offered.size(), recent.size());
    for (std::size_t i = 0; i < offered.size(); ++i)
        for (std::size_t r = 0; r < recent.size(); ++r)
            if (recent[r].topic == offered[i]) {
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
