#include "OfferedTopics.h"

#include "common/Protocol.h"

#include <cstdlib>
#include <cstring>

namespace zorbik::quiz {

std::vector<Topic> OfferedTopics(const QuizArgs& args, const char* gameTopic)
{
    const bool oneOfBoth =
        args.topics == std::vector<Topic>{Topic::Lcm} || args.topics == std::vector<Topic>{Topic::Gcf};
    if (oneOfBoth && gameTopic && std::strcmp(gameTopic, TopicBoth) == 0)
        return {Topic::Lcm, Topic::Gcf};
    return args.topics;
}

std::vector<Topic> OfferedTopics(const QuizArgs& args)
{
    return OfferedTopics(args, std::getenv(GameTopicVariable));
}

} // namespace zorbik::quiz
