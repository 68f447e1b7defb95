// The rules of the game as the rules dialog shows them: seven paragraphs,
// each starting with five blanks, their English lines broken as the dialog
// has always shown them (a translation is one paragraph that the dialog
// wraps). The health and points a hint's answer costs are filled in as %1
// and %2.
#pragma once

#include "common/Translatable.h"

#include <array>

namespace zorbik {

constexpr std::array<const char*, 7> RulesParagraphs = {
    QT_TRANSLATE_NOOP(
        "Rules", "     The main goal of the game is to cross a maze from the start up to the finish and \n"
                 "to earn the greatest score."),
    QT_TRANSLATE_NOOP(
        "Rules", "     There are several types of treasures located in the maze that are increasing the \n"
                 "score."),
    QT_TRANSLATE_NOOP(
        "Rules", "     There are useful items which are not increasing the score, but which can be \n"
                 "useful to you. There are first-aid kits located in the maze (it is usually located \n"
                 "behind the doors). If you take the first-aid kit the your health will increase by 10 \n"
                 "percent. There are torches located in the maze (it is usually located behind the \n"
                 "doors). The torches are useful in the game with hidden maze because it increase \n"
                 "the size of viewable area."),
    QT_TRANSLATE_NOOP("Rules",
                      "     The movement of the Zorbik can be made by the arrows on the keyboard, or by \n"
                      "pressing corresponding buttons of moving in a window, or by clicking by a mouse \n"
                      "button in a game field."),
    QT_TRANSLATE_NOOP("Rules",
                      "     There are doors that prevent to move in a maze. To open a door it is necessary \n"
                      "to answer to a mathematical question. If the answer is correct the score is also \n"
                      "increasing. If the correct answer was received with the hint(s), the score does not \n"
                      "increase and the door does not open. The health in this case decreases by %1 \n"
                      "percent and the score decreases by %2 points. After you have passed through the \n"
                      "open door the door closes automatically."),
    QT_TRANSLATE_NOOP("Rules",
                      "     There are enemies who move in a maze and wish to eat you. When you meet the \n"
                      "enemy or when the enemy meets you the mathematical question is also asked. If \n"
                      "the answer is correct the score is also increasing. The enemy disappears in this \n"
                      "case and Zorbik moves on the enemy's place if he has attacked the enemy or \n"
                      "remains where he has been, if the enemy has attacked him. If the correct answer \n"
                      "was received with the hint(s), the score does not increase and the enemy does not \n"
                      "disappear. The health in this case decreases by %1 percent and the score decreases \n"
                      "by %2 points."),
    QT_TRANSLATE_NOOP("Rules",
                      "     When you complete the level the bonus for time spent at the level add to your \n"
                      "score. The time has counting only for your movement in the maze. When you solve \n"
                      "the mathematical example the time stops and the maze disappears from the screen."),
};

} // namespace zorbik
