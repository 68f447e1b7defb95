#include "Journal.h"

#include "common/ClassRecord.h"
#include "common/OpenedFolders.h"
#include "common/Protocol.h"
#include "common/SafeFiles.h"
#include "common/Utf8Text.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

constexpr std::size_t TypedKept = 40;

// A text field as written: tabs and line breaks become blanks, and nothing
// that shows nothing (controls, direction marks) is kept.
std::string Field(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return WithoutInvisibleControls(text);
}

bool Digits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The journal's time, as JournalTime writes it: 2026-12-08T10:02:03+0100.
bool TimeField(const std::string& t)
{
    const auto at = [&](std::size_t from, std::size_t n) {
        return Digits(std::string_view(t).substr(from, n));
    };
    return t.size() == 24 && at(0, 4) && t[4] == '-' && at(5, 2) && t[7] == '-' && at(8, 2) && t[10] == 'T' &&
           at(11, 2) && t[13] == ':' && at(14, 2) && t[16] == ':' && at(17, 2) &&
           (t[19] == '+' || t[19] == '-') && at(20, 4);
}

std::vector<std::string> Split(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

bool Number(const std::string& text, long& value, long low, long high)
{
    if (text.size() > 9 || !Digits(text))
        return false;
    value = std::stol(text);
    return value >= low && value <= high;
}

// The file is descriptor `fd`, opened for appending: writes the whole line
// or, when that fails part-way, cuts the file back to `size`.
bool WriteWhole(int fd, const std::string& line, off_t size)
{
    if (WriteAll(fd, line))
        return true;
    while (::ftruncate(fd, size) != 0 && errno == EINTR) {
    }
    return false;
}

// The newest lines of `bytes` that fit into `room` bytes.
std::string NewestLines(const std::string& bytes, std::size_t room)
{
    if (bytes.size() <= room)
        return bytes;
    const std::size_t cut = bytes.find('\n', bytes.size() - room);
    return cut == std::string::npos ? std::string() : bytes.substr(cut + 1);
}

} // namespace

std::string TopicWord(Topic topic)
{
    return topic == Topic::Lcm ? TopicLcm : topic == Topic::Gcf ? TopicGcf : TopicFractions;
}

std::optional<Topic> TopicFromWord(const std::string& word)
{
    for (Topic t : {Topic::Lcm, Topic::Gcf, Topic::Fractions})
        if (TopicWord(t) == word)
            return t;
    return std::nullopt;
}

std::string JournalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    return text;
}

std::string JournalLine(const JournalEntry& e)
{
    const std::string fields[] = {Field(e.time),
                                  std::to_string(e.game),
                                  TopicWord(e.topic),
                                  std::to_string(e.step),
                                  std::to_string(e.sent),
                                  Field(e.verdict),
                                  e.hint ? "hint" : "no-hint",
                                  Field(e.question),
                                  CutAtLetter(Field(e.typed), TypedKept),
                                  Field(e.answer),
                                  Field(e.working),
                                  IsMistakeWord(e.mistake) ? e.mistake : "-"};
    std::string line;
    for (const std::string& f : fields)
        line += (line.empty() ? "" : "\t") + f;
    return line + "\r\n";
}

std::optional<JournalEntry> ParseJournalLine(const std::string& text)
{
    std::string line = text;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    const std::vector<std::string> f = Split(line);
    JournalEntry e;
    long game = 0, step = 0, sent = 0;
    // Journals of earlier versions have no mistake field.
    const auto topic = f.size() == 11 || f.size() == 12 ? TopicFromWord(f[2]) : std::nullopt;
    if (!topic || !TimeField(f[0]) || !Number(f[1], game, 0, 999999999) ||
        !Number(f[3], step, 0, HighestDifficulty) || !Number(f[4], sent, 0, HighestDifficulty) ||
        (f[6] != "hint" && f[6] != "no-hint"))
        return std::nullopt;
    if (f[5] != JournalRight && f[5] != JournalWrong && f[5] != JournalNotLowest &&
        f[5] != JournalNotAnswered)
        return std::nullopt;
    e.time = f[0];
    e.game = game;
    e.topic = *topic;
    e.step = static_cast<int>(step);
    e.sent = static_cast<int>(sent);
    e.verdict = f[5];
    e.hint = f[6] == "hint";
    // The words are cleaned rather than checked: an earlier quiz could cut a
    // typed letter in two, and the pupil's history stays.
    e.question = WithoutInvisibleControls(f[7]);
    e.typed = WithoutInvisibleControls(f[8]);
    e.answer = WithoutInvisibleControls(f[9]);
    e.working = WithoutInvisibleControls(f[10]);
    if (f.size() == 12 && IsMistakeWord(f[11]))
        e.mistake = f[11];
    return e;
}

std::vector<JournalEntry> ReadJournal(const std::string& path, std::size_t from, std::size_t* skipped)
{
    if (skipped)
        *skipped = 0;
    std::vector<JournalEntry> entries;
    const auto bytes = ReadRegularFile(path, JournalLimit + 4096);
    if (!bytes || from > bytes->size())
        return entries;
    // A start inside a line (the journal was cut back meanwhile) skips it.
    std::size_t start = from == 0 || (*bytes)[from - 1] == '\n' ? from : bytes->find('\n', from);
    while (start != std::string::npos && start < bytes->size()) {
        const std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos)
            break; // a line not yet ended
        if (auto e = ParseJournalLine(bytes->substr(start, end - start)))
            entries.push_back(std::move(*e));
        else if (skipped)
            ++*skipped;
        start = end + 1;
    }
    return entries;
}

bool AppendToJournal(const std::string& path, const JournalEntry& entry)
{
    const std::string line = JournalLine(entry);
    // O_NOFOLLOW refuses a link; O_NONBLOCK keeps a FIFO from stopping the
    // open, and the checks after it turn away whatever is not our own plain
    // file.
    const int fd = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && st.st_nlink == 1;
    if (ok && static_cast<std::size_t>(st.st_size) + line.size() <= JournalLimit) {
        ok = WriteWhole(fd, line, st.st_size);
        ::close(fd);
        return ok;
    }
    ::close(fd);
    if (!ok)
        return false;
    // Full: the newer half stays, written beside the journal and renamed
    // over it, so that a failure leaves the old journal whole.
    const auto bytes = ReadRegularFile(path, JournalLimit + 4096);
    return bytes && ReplaceFile(path, NewestLines(*bytes, JournalLimit / 2) + line);
}

} // namespace zorbik
