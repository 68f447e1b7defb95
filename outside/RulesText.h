// The rules of the game as the rules dialog shows them, one text a line,
// with their leading and trailing blanks.
#pragma once

#include <array>

namespace zorbik {

constexpr std::array<const char*, 30> RulesLines = {
    "     The main goal of the game is to cross a maze from the start up to the finish and ",
    "to earn the greatest score.",
    "     There are several types of treasures located in the maze that are increasing the ",
    "score.",
    "     There are useful items which are not increasing the score, but which can be ",
    "useful to you. There are first-aid kits located in the maze (it is usually located ",
    "behind the doors). If you take the first-aid kit the your health will increase by 10 ",
    "percent. There are torches located in the maze (it is usually located behind the ",
    "doors). The torches are useful in the game with hidden maze because it increase ",
    "the size of viewable area.",
    "     The movement of the Zorbik can be made by the arrows on the keyboard, or by ",
    "pressing corresponding buttons of moving in a window, or by clicking by a mouse ",
    "button in a game field.",
    "     There are doors that prevent to move in a maze. To open a door it is necessary ",
    "to answer to a mathematical question. If the answer is correct the score is also ",
    "increasing. If the correct answer was received with the hint(s), the score does not ",
    "increase and the door does not open. The health in this case decreases by 10 ",
    "percent and the score decreases by 1000 points. After you have passed through the ",
    "open door the door closes automatically.",
    "     There are enemies who move in a maze and wish to eat you. When you meet the ",
    "enemy or when the enemy meets you the mathematical question is also asked. If ",
    "the answer is correct the score is also increasing. The enemy disappears in this ",
    "case and Zorbik moves on the enemy's place if he has attacked the enemy or ",
    "remains where he has been, if the enemy has attacked him. If the correct answer ",
    "was received with the hint(s), the score does not increase and the enemy does not ",
    "disappear. The health in this case decreases by 10 percent and the score decreases ",
    "by 1000 points.",
    "     When you complete the level the bonus for time spent at the level add to your ",
    "score. The time has counting only for your movement in the maze. When you solve ",
    "the mathematical example the time stops and the maze disappears from the screen.",
};

} // namespace zorbik
