#include "launcher/LauncherLogic.h"
#include "world/StartUp.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zorbik {
namespace {

TEST(Launcher, ArgumentsNameEveryChoice)
{
    LaunchChoice choice;
    EXPECT_EQ(GameArguments(choice), (std::vector<std::string>{"Quiz/quiz", "BOTH", "SOUND", "SHOWN"}));
    choice.topic = QuizTopicChoice::Fractions;
    choice.sound = false;
    choice.hiddenMaze = true;
    EXPECT_EQ(GameArguments(choice),
              (std::vector<std::string>{"Quiz/quiz", "FRACTIONS", "NOSOUND", "HIDDEN"}));
    choice.topic = QuizTopicChoice::Gcf;
    EXPECT_EQ(GameArguments(choice)[1], "GCF");
}

TEST(Launcher, NameFileHoldsTheNameAsTheGameReadsIt)
{
    const auto dir = std::filesystem::temp_directory_path() / "zorbik_launcher_test";
    std::filesystem::create_directories(dir);
    const std::string folder = dir.string() + "/";
    ASSERT_TRUE(WriteNameFile(folder, "Ann\nLee"));
    EXPECT_EQ(ReadGamerName(folder + "Gamer.nam"), "AnnLee");
    EXPECT_EQ(SuggestedName(folder), "AnnLee");
    EXPECT_FALSE(WriteNameFile(folder + "missing/", "Ann"));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace zorbik
