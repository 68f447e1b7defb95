#include "StepChoice.h"

#include <algorithm>

namespace zorbik::quiz {

namespace {

constexpr std::size_t RecentPerTopic = 30;

} // namespace

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
