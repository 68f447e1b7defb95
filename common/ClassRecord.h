// The class record: "Class.record" in a classroom folder, one line per game
// a pupil of the class finished there, appended by the class writer alone.
// The teacher's view of the class reads it. Every field is bounded, so a
// line never passes RecordLineLimit.
//
// A line holds nine fields separated by tabs and ends in CR LF:
//   time      local time the game ended, 2026-12-08T10:02:03+0100 (the
//             writer's clock, not the pupil's word)
//   login     the pupil's login, from the real user that ran the writer
//   name      the name the pupil typed, without control or direction marks
//   level     the level reached, 1 to 9
//   score     the final score
//   lcm, gcf, fractions
//             asked/right/hints for the topic: questions asked, answered
//             right without the hint, and answered with the hint
//   mistakes  the named mistakes, MistakeWords, separated by commas; "-"
//             when none was named
// A line that does not read as such (a last line cut off by a full disk, a
// line of a later version) is skipped and counted by the reader.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorbik {

constexpr const char* ClassRecordName = "Class.record";
constexpr std::size_t RecordLineLimit = 1024;
constexpr std::size_t RecordNameLimit = 64;  // bytes of the typed name kept
constexpr std::size_t RecordLoginLimit = 32; // bytes of the login kept
constexpr std::size_t RecordMistakeLimit = 40;

// The mistakes the quiz names, as the journal and the record write them:
// the product for the LCM, a common multiple that is not the least, the GCF
// for the LCM, a common factor that is not the greatest, the LCM for the
// GCF, the bottom numbers added too, top and bottom numbers both added, the
// fractions multiplied, and an answer equal but not in lowest terms.
constexpr std::array<const char*, 9> MistakeWords = {
    "product",       "common-multiple",        "gcf-for-lcm",          "common-factor", "lcm-for-gcf",
    "bottoms-added", "tops-and-bottoms-added", "fractions-multiplied", "not-lowest"};
bool IsMistakeWord(std::string_view word);

// The record's topics, in the order of their fields.
enum class RecordTopic { Lcm, Gcf, Fractions };
constexpr std::size_t RecordTopics = 3;

struct TopicTally {
    int asked = 0, right = 0, hints = 0;
};

struct ClassRecordLine {
    std::string time, login, name;
    int level = 1;
    long long score = 0;
    std::array<TopicTally, RecordTopics> topics{};
    std::vector<std::string> mistakes;
};

// The line with its CR LF. The fields are made safe on the way: tabs, line
// breaks and other controls are left out of the texts, the texts are cut at
// a letter's boundary to their limits, numbers are kept in their ranges and
// only known mistake words are kept.
std::string RecordLine(const ClassRecordLine& line);

// The line without its CR LF, or nothing when it is not a whole record line.
std::optional<ClassRecordLine> ParseRecordLine(std::string_view line);

// Every record line in `bytes`; `skipped`, when given, counts the lines that
// did not read (the last line without its CR LF among them).
std::vector<ClassRecordLine> ParseRecord(std::string_view bytes, std::size_t* skipped = nullptr);

} // namespace zorbik
