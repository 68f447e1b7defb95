// "Recent.txt" beside the quiz: the texts of the last questions asked, one a
// line, so that the next start of the quiz can avoid them. The quiz starts
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

// The remembered texts (at most RecentKept), read from `folder`.
std::vector<std::string> ReadRecent(const std::string& folder);

// Adds `text` as the newest and writes the file back, dropping the oldest
// beyond RecentKept. False when the file could not be written.
bool RememberQuestion(const std::string& folder, std::vector<std::string> recent, const std::string& text);

// The topic a remembered question text belongs to.
Topic TopicOfText(const std::string& text);

// Of the topics offered, the one asked least recently by the remembered
// texts (newest first); one never asked comes first, and a tie is drawn.
// With two or three topics on offer no topic then comes twice in a row
// while another is waiting.
Topic LeastRecentTopic(const std::vector<Topic>& offered, const std::vector<std::string>& recent,
                       std::mt19937& rng);

} // namespace zorbik::quiz
