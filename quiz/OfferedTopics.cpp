#include "OfferedTopics.h"

#include "common/Protocol.h"
#include "common/SafeFiles.h"

#include <unistd.h>

namespace zorbik::quiz {

namespace {

std::string FileName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::vector<Topic> OfferedTopics(const QuizArgs& args, const std::vector<std::string>& gameWords,
                                 const std::string& quizName)
{
    const bool oneOfBoth =
        args.topics == std::vector<Topic>{Topic::Lcm} || args.topics == std::vector<Topic>{Topic::Gcf};
    if (oneOfBoth && gameWords.size() >= 3 && gameWords[2] == TopicBoth && FileName(gameWords[1]) == quizName)
        return {Topic::Lcm, Topic::Gcf};
    return args.topics;
}

std::vector<std::string> ParentWords()
{
    std::vector<std::string> words;
    const auto bytes = ReadRegularFile("/proc/" + std::to_string(getppid()) + "/cmdline", 8192);
    if (!bytes)
        return words;
    std::string word;
    for (char c : *bytes) {
        if (c == '\0') {
            words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

} // namespace zorbik::quiz
