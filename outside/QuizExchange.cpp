#include "QuizExchange.h"

#include "common/Programs.h"
#include "common/Protocol.h"
#include "common/SafeFiles.h"
#include "world/Random.h"
#include "world/StartUp.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace zorbik {

int DrawDifficulty(int mazeSize)
{
    const int level = mazeSize / 6;
    const int d = Random(level) + level - 1;
    return std::clamp(d, 0, HighestDifficulty);
}

std::vector<std::string> SplitParams(const std::string& params)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : params) {
        if (c == ' ') {
            if (!word.empty())
                words.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

bool RunAndWait(const std::string& program, const std::string& params, int /*showMode*/)
{
    if (program.empty())
        return false;
    // The program is started from inside its own folder, so a relative path
    // would no longer lead to it: make it absolute first.
    std::error_code ec;
    std::string path = program;
    if (path.front() != '/') {
        const auto absolute = std::filesystem::absolute(path, ec);
        if (ec)
            return false;
        path = absolute.string();
    }
    ProgramStart start{path, SplitParams(params), FolderPart(path), true};
    start.words.insert(start.words.begin(), path);
    int error = 0;
    const pid_t quiz = StartProgram(start, error);
    if (quiz < 0)
        return false;
    WaitForProgram(quiz, true); // however it ended, it has ended
    return true;
}

bool TakeVerdict(const std::string& path)
{
    // The entry itself is looked at, never what a link leads to: only a
    // regular file is read, and whatever else stands there (a link, a FIFO)
    // is removed unread so that the next verdict can take its place.
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0)
        return false;
    bool right = false;
    if (S_ISREG(entry.st_mode)) {
        const auto first = ReadRegularFile(path, 1);
        right = first && !first->empty() && static_cast<unsigned char>(first->front()) == VerdictRight;
    }
    RemoveEntry(path); // a failed deletion is ignored; a folder is left alone
    return right;
}

bool AskQuestion(GameState& s, Quiz& quiz)
{
    const std::string program = SuiteFolder(s) + s.Arg(1);

    const std::string& topicWord = s.Arg(2);
    if (topicWord == TopicBoth)
        s.QuizTopic = Random(1000) < 500 ? TopicLcm : TopicGcf;
    else if (topicWord == TopicFractions)
        s.QuizTopic.clear();
    else
        s.QuizTopic = topicWord;

    const int d = DrawDifficulty(s.MazeSize);
    s.QuizTopic += " " + std::to_string(d) + " " + s.Arg(3);

    const bool right = quiz.runQuiz(program, s.QuizTopic);
    if (right)
        s.Score += PointsForRightAnswer(d);
    return right;
}

void HandTopicToQuiz(const GameState& s)
{
    if (s.Args.size() > 2)
        ::setenv(GameTopicVariable, s.Args[2].c_str(), 1);
}

bool RunQuizProgram(const std::string& program, const std::string& params)
{
    const bool started = RunAndWait(program, params, 1);
    // A quiz program that never ran gave no answer: a verdict file left
    // over from an earlier run is deleted unread.
    const bool verdict = TakeVerdict(FolderPart(program) + VerdictFileName);
    return started && verdict;
}

} // namespace zorbik
