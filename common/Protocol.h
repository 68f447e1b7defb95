// What the programs of the suite agree on: the files they leave for each
// other, the words of the game's and the quiz's command lines, the quiz's
// verdict, the steps of difficulty with what a right answer earns and a
// wrong one costs, the words they pass on in their environment, and what
// the game's exit status tells the launcher. A change here is a change of
// all three programs at once.
#pragma once

#include <array>
#include <cstddef>

namespace zorbik {

// Two names written as one at compile time, so that each part is spelled once.
template <std::size_t N, std::size_t M>
constexpr std::array<char, N + M - 1> JoinedName(const char (&first)[N], const char (&second)[M])
{
    std::array<char, N + M - 1> joined{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        joined[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        joined[N - 1 + i] = second[i];
    return joined;
}

// The suite folder holds the game's folder, the quiz program's and the
// player's name file; the game's folder its pictures, sounds and table.
constexpr const char* GameFolderName = "Maze";
constexpr const char* GameProgramName = "Game1";
constexpr const char* GameProgramPath = "Maze/Game1"; // in the suite folder
constexpr const char* QuizProgramPath = "Quiz/quiz";  // as the launcher hands it to the game
constexpr const char* GamerNameFileName = "Gamer.nam";
constexpr const char* ImageFolderName = "Images/";
constexpr const char* SoundFolderName = "Sounds/";

// Beside the game: the high-score table, its lock and the copy of a table
// that held lines that could not be read.
inline constexpr char HighScoreFileNameText[] = "Game1.hrs";
inline constexpr char LockSuffix[] = ".lock";
inline constexpr char CopySuffix[] = ".bak";
inline constexpr auto HighScoreLockNameText = JoinedName(HighScoreFileNameText, LockSuffix);
inline constexpr auto HighScoreCopyNameText = JoinedName(HighScoreFileNameText, CopySuffix);
constexpr const char* HighScoreFileName = HighScoreFileNameText;
constexpr const char* HighScoreLockName = HighScoreLockNameText.data();
constexpr const char* HighScoreCopyName = HighScoreCopyNameText.data();

// The game's words after its own path: quiz program, topic, sound switch and
// maze visibility. Compared exactly, in this case.
constexpr const char* TopicBoth = "BOTH";
constexpr const char* TopicLcm = "LCM";
constexpr const char* TopicGcf = "GCF";
constexpr const char* TopicFractions = "FRACTIONS";
constexpr const char* SoundOnWord = "SOUND";
constexpr const char* SoundOffWord = "NOSOUND";
constexpr const char* MazeHiddenWord = "HIDDEN";
constexpr const char* MazeShownWord = "SHOWN";

// The topics the quiz asks about; the game hands it one of them, LCM or GCF
// by its own coin when the pupil chose both.
enum class Topic { Lcm, Gcf, Fractions };

// The topic word the launcher gave the game, in the environment the game and
// its quiz inherit: with "BOTH" the quiz offers LCM and GCF again although the
// game sent only one of them. Without it the quiz keeps to the topic sent.
constexpr const char* GameTopicVariable = "ZORBIK_TOPIC";

// The quiz's verdict: one byte in this file beside the quiz program. Only
// a right answer found without the hint counts in the maze; anything else,
// or no file, counts as wrong.
constexpr const char* VerdictFileName = "Return.ret";
constexpr unsigned char VerdictRight = 1;
constexpr unsigned char VerdictWrong = 0;
constexpr unsigned char VerdictRightWithHint = 2;
constexpr unsigned char VerdictNotAnswered = 3; // closed without an answer

// The steps of difficulty the game asks for, and the points a right answer
// at step `d` earns in the maze.
constexpr int HighestDifficulty = 14;
constexpr int PointsForRightAnswer(int d)
{
    return (d + 1) * 100;
}

// What the maze takes for a wrong answer (the hint and no answer count as
// wrong) or for being eaten: points, never below 0, and health. The quiz
// tells the pupil so before the answer.
constexpr int PenaltyPoints = 1000;
constexpr int PenaltyHealth = 10;

// The ceiling on the quiz's steps: a teacher's ("questions" in the
// class-wide settings) and the launcher's, which it hands the quiz in the
// environment the game and its quiz inherit. Either is a step from 0 to the
// highest or one of these words.
constexpr const char* QuestionCeilingVariable = "ZORBIK_QUESTIONS";
constexpr const char* GentleCeilingWord = "gentle";
constexpr int GentleCeiling = 4;
constexpr const char* StandardCeilingWord = "standard";
constexpr int StandardCeiling = 9;
constexpr const char* ChallengingCeilingWord = "challenging"; // no ceiling

// The game's exit status after its game-over window: the finished game's
// line was kept; it was kept in a table started anew because the old one
// held lines that could not be read (a copy of those is in the .bak file);
// or it could not be saved at all.
constexpr int GameEndedSaved = 0;
constexpr int GameEndedTableReset = 4;
constexpr int GameEndedNotSaved = 5;
// Not saved either: another game held the class's table past the wait.
constexpr int GameEndedTableBusy = 6;

// In a classroom folder the game never writes the class's files itself: it
// hands its finished line to the class writer, a program installed
// set-group-ID beside the suite, which alone may write the table, its copy,
// its lock and the class record. The launcher names the writer it was
// installed with in the game's environment. The writer ends with one of the
// game's statuses above, with ClassWriterRefused for a folder that is not a
// class's or a player who is not of the class, or with ClassWriterNoRecord
// when the line is in the table but the class record could not take it.
constexpr const char* ClassWriterName = "zorbik-class-writer";
constexpr const char* ClassWriterVariable = "ZORBIK_CLASS_WRITER";
constexpr int ClassWriterRefused = 2;
constexpr int ClassWriterNoRecord = 7;

// The launcher's accessibility options, handed to the game in its
// environment (never on its command line): "1" turns one on. With none set
// the game looks exactly as it always has.
constexpr const char* ColourBlindMapVariable = "ZORBIK_COLOUR_BLIND_MAP";
constexpr const char* HighContrastVariable = "ZORBIK_HIGH_CONTRAST";
constexpr const char* LargerTextVariable = "ZORBIK_LARGER_TEXT";

// The launcher's translations folder, for the game and the quiz it starts
// (which may run from a playing or classroom folder of their own).
constexpr const char* TranslationsFolderVariable = "ZORBIK_TRANSLATIONS";

// Set to anything, no program of the suite makes a sound.
constexpr const char* NoAudioVariable = "ZORBIK_NO_AUDIO";

// The test builds' game and quiz read commands from standard input when
// this is set; with the seed the game's random generator is fixed.
constexpr const char* TestDriverVariable = "ZORBIK_TEST_DRIVER";
constexpr const char* TestSeedVariable = "ZORBIK_TEST_SEED";

} // namespace zorbik
