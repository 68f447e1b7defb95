#include "QuestionCeiling.h"

#include "Protocol.h"

#include <algorithm>
#include <cctype>

namespace zorbik {

std::optional<int> CeilingFromWord(const std::string& text)
{
    std::string word;
    for (char c : text)
        if (c != ' ')
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (word == GentleCeilingWord)
        return GentleCeiling;
    if (word == StandardCeilingWord)
        return StandardCeiling;
    if (word == ChallengingCeilingWord)
        return HighestDifficulty;
    if (!word.empty() && word.size() <= 2 && word.find_first_not_of("0123456789") == std::string::npos &&
        std::stoi(word) <= HighestDifficulty)
        return std::stoi(word);
    return std::nullopt;
}

int LowerCeiling(const std::string& teachers, const std::string& launchers)
{
    return std::min(CeilingFromWord(teachers).value_or(HighestDifficulty),
                    CeilingFromWord(launchers).value_or(HighestDifficulty));
}

} // namespace zorbik
