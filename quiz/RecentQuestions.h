// "Recent.txt" beside the quiz: the last questions asked, one a line, each
// its topic's word (LCM, GCF, FRACTIONS), a tab and its text, so that the
// next start of the quiz can avoid them and balance the topics in whatever
// language the texts are. The quiz starts
// afresh for every question, so this small file is all it remembers. A
// missing, odd or oversized file only means less to avoid.
#pragma once

#include "QuizLogic.h"

#include <random>
#include <string>
#include <vector>

namespace zorbik::quiz {

constexpr const char* RecentFileName = "Recent.txt";
// How many questions are remembered; the file never grows beyond them.
constexpr std::size_t RecentKept = 24;

struct RecentQuestion {
    Topic topic = Topic::Lcm;
    std::string text;
};

// The remembered questions (at most RecentKept), newest first, read from
// `folder`; a line without a topic's word (an earlier list's) is left out.
std::vector<RecentQuestion> ReadRecent(const std::string& folder);

// Their texts, for MakeFreshQuestion to avoid.
std::vector<std::string> RecentTexts(const std::vector<RecentQuestion>& recent);

// Adds `asked` as the newest and writes the file back, dropping the oldest
// beyond RecentKept. False when the file could not be written.
bool RememberQuestion(const std::string& folder, std::vector<RecentQuestion> recent,
                      const RecentQuestion& asked);

// Of the topics offered, the one asked least recently by the remembered
// questions (newest first); one never asked comes first, and a tie is
// drawn. With two or three topics on offer no topic then comes twice in a
// row while another is waiting.
Topic LeastRecentTopic(const std::vector<Topic>& offered, const std::vector<RecentQuestion>& recent,
                       std::mt19937& rng);

} // namespace zorbik::quiz
