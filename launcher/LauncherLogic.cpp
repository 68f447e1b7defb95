#include "LauncherLogic.h"

#include "common/NameFile.h"
#include "common/Protocol.h"
#include "common/SafeFiles.h"

#include <cstdlib>
#include <unistd.h>

namespace zorbik {

std::vector<std::string> GameArguments(const LaunchChoice& choice)
{
    static const char* const topics[] = {TopicBoth, TopicLcm, TopicGcf, TopicFractions};
    return {QuizProgramPath, topics[static_cast<int>(choice.topic)],
            choice.sound ? SoundOnWord : SoundOffWord, choice.hiddenMaze ? MazeHiddenWord : MazeShownWord};
}

bool WriteNameFile(const std::string& suiteFolder, const std::string& name)
{
    std::string clean;
    for (char c : name)
        if (static_cast<unsigned char>(c) >= 32 && c != 127)
            clean.push_back(c);
    // Written beside the old file and renamed over it: a link planted at the
    // name is replaced, never followed, and a FIFO never blocks the launcher.
    return ReplaceFile(suiteFolder + GamerNameFileName, clean);
}

std::string SuggestedName(const std::string& suiteFolder)
{
    std::string name = ReadGamerName(suiteFolder + GamerNameFileName);
    if (!name.empty())
        return name;
    if (const char* user = std::getenv("USER"); user && *user)
        return user;
    if (const char* login = getlogin(); login)
        return login;
    return {};
}

} // namespace zorbik
