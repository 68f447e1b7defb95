// What the teacher's view tells of the class, counted from the lines of the
// class record: per pupil (by login) the games, the last one, the right
// answers per topic over the last four weeks and the weeks before, and the
// most frequent named mistakes; per week the right answers per topic of the
// class and of each pupil, for the charts.
#pragma once

#include "common/ClassRecord.h"

#include <array>
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

namespace zorbik {

constexpr long long RecentDays = 28; // the last four weeks
constexpr std::size_t MistakesShown = 3;
constexpr std::size_t WeeksCharted = 53; // a school year, up to the last game's week

struct RightOfAsked {
    int right = 0, asked = 0;
};
using TopicCounts = std::array<RightOfAsked, RecordTopics>;

struct NamedMistake {
    std::size_t word = 0; // index in MistakeWords
    int times = 0;
};

struct PupilTally {
    std::string login;
    std::string name;     // the name typed in the pupil's last game
    std::string lastGame; // that game's time, as the record has it
    int games = 0;
    TopicCounts recent{}, before{};
    std::vector<NamedMistake> mistakes; // the most frequent first, at most MistakesShown
    std::vector<TopicCounts> weeks;     // one per ClassTally::weeks
};

struct ClassTally {
    std::vector<PupilTally> pupils; // by login
    // The charted weeks by their Mondays (days since 1970-01-01), oldest
    // first, with the class's counts in each.
    std::vector<long long> weeks;
    std::vector<TopicCounts> classWeeks;
    std::size_t games = 0;
    std::size_t unread = 0;      // lines that could not be read, or had no real date
    std::time_t recentSince = 0; // where the last four weeks begin
};

// The record's time as seconds since 1970 (UTC) and the local day it names
// (days since 1970-01-01); false when it is no real date.
bool RecordMoment(const std::string& time, long long& seconds, long long& localDay);

// The tally of `lines` as of `now`; `unread` lines could not be read.
ClassTally TallyClass(const std::vector<ClassRecordLine>& lines, std::size_t unread, std::time_t now);

} // namespace zorbik
