// The pupil's journal: "Journal.txt" beside the quiz, in the pupil's own
// playing folder, with a line for every question the quiz asked. The quiz
// writes it and reads it to follow the pupil (quiz/StepChoice.h); the
// launcher reads it for the summary after a game and for its report, and a
// classroom game for the class record.
//
// A line holds twelve fields separated by tabs and ends in CR LF:
//   time      local time of the answer, 2026-12-08T10:02:03+0100
//   game      the process id of the game that asked (one game's questions
//             share it)
//   topic     LCM, GCF or FRACTIONS
//   step      the step the question was made at (0 to the highest)
//   sent      the difficulty the game sent (0 to the highest); the game pays
//             (sent + 1) x 100 points for a right answer
//   verdict   right, wrong, not-lowest (equal, but not in lowest terms) or
//             not-answered (closed without an answer): JournalRight and the others below
//   hint      hint or no-hint
//   question, typed, answer, working: the question, what the pupil typed,
//             the right answer and its line of working
//   mistake   the mistake the feedback named (a word of MistakeWords in
//             common/ClassRecord.h), or "-"; journals of earlier versions
//             end before it
// Tabs and line breaks inside a field become blanks, and controls and
// direction marks are left out; what the pupil typed is kept to its first 40
// bytes, cut between whole letters. Every field is checked on reading. The
// journal is the pupil's alone (0600). The journal never
// grows beyond JournalLimit: when a line would pass it, the older half is
// dropped first.
#pragma once

#include "common/Protocol.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace zorbik {

constexpr const char* JournalFileName = "Journal.txt";
constexpr std::size_t JournalLimit = 256 * 1024;

constexpr const char* JournalRight = "right";
constexpr const char* JournalWrong = "wrong";
constexpr const char* JournalNotLowest = "not-lowest";
constexpr const char* JournalNotAnswered = "not-answered";

struct JournalEntry {
    std::string time;
    long game = 0;
    Topic topic = Topic::Lcm;
    int step = 0, sent = 0;
    std::string verdict = JournalNotAnswered;
    bool hint = false;
    std::string question, typed, answer, working;
    std::string mistake; // a mistake word, or empty

    // Right without the hint: what the game pays for.
    bool counts() const { return verdict == JournalRight && !hint; }
};

// "LCM", "GCF", "FRACTIONS" and back.
std::string TopicWord(Topic topic);
std::optional<Topic> TopicFromWord(const std::string& word);

// The local time now, as the journal writes it.
std::string JournalTime();

std::string JournalLine(const JournalEntry& entry);
std::optional<JournalEntry> ParseJournalLine(const std::string& line);

// The entries of the journal at `path` from byte `from` on (a line cut off
// there is skipped); lines that cannot be read are left out and counted in
// `skipped` when given. Only a regular file is read, and at most
// JournalLimit bytes.
std::vector<JournalEntry> ReadJournal(const std::string& path, std::size_t from = 0,
                                      std::size_t* skipped = nullptr);

// Appends the entry's line to the journal at `path`. A link, a FIFO or any
// other special file, a file with another hard link or of another owner is
// never written to. A write that fails part-way (a full disk) is undone, so
// the earlier lines stay whole. False when the line was not written.
bool AppendToJournal(const std::string& path, const JournalEntry& entry);

} // namespace zorbik
