#include "StepChoice.h"

#include <algorithm>
#include <cctype>

namespace zorbik::quiz {

namespace {

constexpr std::size_t RecentPerTopic = 30;

} // namespace

std::optional<int> CeilingFromWord(const std::string& text)
{
    std::string word;
    for (char c : text)
        if (c != ' ')
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == "gentle")
        return 4;
    if (word == "standard")
        return 9;
    if (word == "challenging")
        return HighestDifficulty;
    if (!word.empty() && word.size() <= 2 && word.find_first_not_of("0123456789") == std::string::npos &&
        std::stoi(word) <= HighestDifficulty)
        return std::stoi(word);
    return std::nullopt;
}

int LowerCeiling(const std::string& teachers, const std::string& launchers)
{
    return std::min(CeilingFromWord(teachers).value_or(HighestDifficulty),
                    CeilingFromWord(launchers).value_or(HighestDifficulty));
}

int StepsEased(Topic topic, const std::vector<JournalEntry>& journal)
{
    std::vector<const JournalEntry*> mine;
    for (auto e = journal.rbegin(); e != journal.rend() && mine.size() < RecentPerTopic; ++e)
        if (e->topic == topic)
            mine.push_back(&*e);
    int eased = 0, missesInARow = 0;
    for (auto e = mine.rbegin(); e != mine.rend(); ++e) {
        if ((*e)->counts()) {
            missesInARow = 0;
            eased = std::max(0, eased - 1);
        } else if (++missesInARow == 2) {
            missesInARow = 0;
            ++eased;
        }
    }
    return eased;
}

int StepFor(int sent, int ceiling, int eased)
{
    return std::max(0, std::min(std::clamp(sent, 0, HighestDifficulty), ceiling) - eased);
}

} // namespace zorbik::quiz
