#include "ClassTable.h"

#include "ShownName.h"

#include "common/Programs.h"
#include "common/Protocol.h"
#include "journal/Journal.h"

#include <sys/stat.h>

namespace zorbik {

std::optional<std::string> ClassroomOfGame(const std::string& exeFolder)
{
    std::string folder = exeFolder;
    while (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    folder = FolderPart(folder);
    struct stat st {};
    if (folder.empty() || ::lstat(PathIn(folder, ClassRecordName).c_str(), &st) != 0)
        return std::nullopt;
    return folder;
}

ClassRecordLine QuestionsOfGame(const std::string& journalPath, long game)
{
    ClassRecordLine record;
    for (const JournalEntry& e : ReadJournal(journalPath)) {
        if (e.game != game)
            continue;
        TopicTally& t = record.topics[static_cast<std::size_t>(e.topic)];
        ++t.asked;
        t.right += e.counts() ? 1 : 0;
        t.hints += e.hint ? 1 : 0;
        if (!e.mistake.empty())
            record.mistakes.push_back(e.mistake);
    }
    return record;
}

TableSave SaveThroughClassWriter(const std::string& writer, const std::string& classroom,
                                 const HighScoreEntry& finished, const ClassRecordLine& record,
                                 HighScoreTable& table)
{
    std::string sent;
    const std::string input = HighScoreLine(finished) + "\r\n" + RecordLine(record);
    const int status = RunWithInput({writer, {writer, classroom}, "/"}, input, sent, 1 << 12);

    // The table as it now stands, entry 16 the line that dropped out.
    MergeFinishedGame(nullptr, finished, table, StartingName());
    std::size_t at = 0;
    for (int k = 1; k <= KeptEntries + 1 && at < sent.size(); ++k) {
        const std::size_t end = sent.find("\r\n", at);
        HighScoreEntry e;
        if (end == std::string::npos || !ParseHighScoreLine(sent.substr(at, end - at), e))
            break;
        table[k] = std::move(e);
        at = end + 2;
    }
    switch (status) {
    case GameEndedSaved:
        return TableSave::Saved;
    case GameEndedTableReset:
        return TableSave::SavedAfterReset;
    case GameEndedTableBusy:
        return TableSave::Busy;
    case ClassWriterNoRecord:
        return TableSave::SavedWithoutRecord;
    default:
        return TableSave::NotSaved;
    }
}

} // namespace zorbik
