#include "ClassTally.h"

#include <algorithm>
#include <unordered_map>

namespace zorbik {

namespace {

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
long long DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int Digits(const std::string& text, std::size_t at, std::size_t count)
{
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool LeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Mondays: 1970-01-01 was a Thursday.
long long MondayOf(long long day)
{
    const long long sinceMonday = ((day + 3) % 7 + 7) % 7;
    return day - sinceMonday;
}

void Add(TopicCounts& counts, const ClassRecordLine& line)
{
    for (std::size_t t = 0; t < RecordTopics; ++t) {
        counts[t].asked += line.topics[t].asked;
        counts[t].right += line.topics[t].right;
    }
}

std::size_t MistakeIndex(const std::string& word)
{
    return static_cast<std::size_t>(std::find(MistakeWords.begin(), MistakeWords.end(), word) -
                                    MistakeWords.begin());
}

std::vector<NamedMistake> MostFrequent(const std::array<int, MistakeWords.size()>& times)
{
    std::vector<NamedMistake> all;
    for (std::size_t w = 0; w < times.size(); ++w)
        if (times[w] > 0)
            all.push_back({w, times[w]});
    std::stable_sort(all.begin(), all.end(),
                     [](const NamedMistake& a, const NamedMistake& b) { return a.times > b.times; });
    if (all.size() > MistakesShown)
        all.resize(MistakesShown);
    return all;
}

struct Dated {
    const ClassRecordLine* line;
    long long seconds, monday;
};

} // namespace

bool RecordMoment(const std::string& time, long long& seconds, long long& localDay)
{
    // The record's reader has checked the shape: dddd-dd-ddTdd:dd:dd+dddd.
    if (time.size() != 24)
        return false;
    const int y = Digits(time, 0, 4), mo = Digits(time, 5, 2), d = Digits(time, 8, 2);
    const int h = Digits(time, 11, 2), mi = Digits(time, 14, 2), s = Digits(time, 17, 2);
    const int offH = Digits(time, 20, 2), offM = Digits(time, 22, 2);
    constexpr int MonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1970 || mo < 1 || mo > 12 || d < 1 || d > MonthDays[mo - 1] ||
        (mo == 2 && d == 29 && !LeapYear(y)) || h > 23 || mi > 59 || s > 60 || offH > 14 || offM > 59)
        return false;
    localDay = DaysFromCivil(y, mo, d);
    const long long offset = (offH * 60LL + offM) * 60 * (time[19] == '-' ? -1 : 1);
    seconds = localDay * 86400 + h * 3600LL + mi * 60LL + s - offset;
    return true;
}

ClassTally TallyClass(const std::vector<ClassRecordLine>& lines, std::size_t unread, std::time_t now)
{
    ClassTally tally;
    tally.unread = unread;
    tally.recentSince = now - RecentDays * 86400;

    // The real dates first: they give the charted weeks.
    std::vector<Dated> dated;
    dated.reserve(lines.size());
    long long lastMonday = 0;
    for (const ClassRecordLine& line : lines) {
        long long seconds = 0, day = 0;
        if (!RecordMoment(line.time, seconds, day)) {
            ++tally.unread;
            continue;
        }
        dated.push_back({&line, seconds, MondayOf(day)});
        lastMonday = std::max(lastMonday, dated.back().monday);
    }
    tally.games = dated.size();
    long long firstMonday = lastMonday;
    for (const Dated& d : dated)
        firstMonday = std::min(firstMonday, d.monday);
    firstMonday = std::max(firstMonday, lastMonday - 7 * static_cast<long long>(WeeksCharted - 1));
    if (!dated.empty())
        for (long long monday = firstMonday; monday <= lastMonday; monday += 7)
            tally.weeks.push_back(monday);
    tally.classWeeks.assign(tally.weeks.size(), TopicCounts{});

    std::unordered_map<std::string, std::size_t> byLogin;
    std::vector<std::array<int, MistakeWords.size()>> mistakes;
    std::vector<long long> lastSeconds;
    for (const Dated& d : dated) {
        const ClassRecordLine& line = *d.line;
        const auto [found, added] = byLogin.try_emplace(line.login, tally.pupils.size());
        if (added) {
            tally.pupils.emplace_back();
            tally.pupils.back().login = line.login;
            tally.pupils.back().weeks.assign(tally.weeks.size(), TopicCounts{});
            mistakes.emplace_back();
            lastSeconds.push_back(d.seconds - 1);
        }
        PupilTally& pupil = tally.pupils[found->second];
        ++pupil.games;
        // The later line wins a tie: the record is appended as games end.
        if (d.seconds >= lastSeconds[found->second]) {
            lastSeconds[found->second] = d.seconds;
            pupil.name = line.name;
            pupil.lastGame = line.time;
        }
        Add(d.seconds >= tally.recentSince ? pupil.recent : pupil.before, line);
        if (d.monday >= firstMonday) {
            const auto week = static_cast<std::size_t>((d.monday - firstMonday) / 7);
            Add(pupil.weeks[week], line);
            Add(tally.classWeeks[week], line);
        }
        for (const std::string& word : line.mistakes)
            if (const std::size_t w = MistakeIndex(word); w < MistakeWords.size())
                ++mistakes[found->second][w];
    }
    for (std::size_t p = 0; p < tally.pupils.size(); ++p)
        tally.pupils[p].mistakes = MostFrequent(mistakes[p]);
    std::sort(tally.pupils.begin(), tally.pupils.end(),
              [](const PupilTally& a, const PupilTally& b) { return a.login < b.login; });
    return tally;
}

} // namespace zorbik
