// What the target cell of a move does once Zorbik has walked onto or beside
// it: the exit completes the level, a locked door and an enemy each offer a
// question, an item is picked up. Each event runs inside the release handler,
// between the walk and its common end.
#pragma once

#include "common/Translatable.h"
#include "world/GameState.h"
#include "world/Host.h"

#include <string>

namespace zorbik {

// Texts of the dialogs, exactly as the player sees them in English; shown
// translated ("Game" texts).
constexpr const char* LevelCompleteText =
    QT_TRANSLATE_NOOP("Game", "Congratulations! Level is complete! Time bonus is %1");
constexpr const char* LockedDoorText = QT_TRANSLATE_NOOP(
    "Game",
    "The door is locked. To open this door You have to answer to a simple question. Ask the question?");
constexpr const char* BeEatenText = QT_TRANSLATE_NOOP("Game", "Do you want to be eaten?");
constexpr const char* MovedText =
    QT_TRANSLATE_NOOP("Game", "Now You will be moved to the start of this level.");
constexpr const char* QuestionCaption = QT_TRANSLATE_NOOP("Game", "Question");
constexpr const char* InformationCaption = QT_TRANSLATE_NOOP("Game", "Information");
constexpr const char* ConfirmCaption = QT_TRANSLATE_NOOP("Game", "Confirm");

// A "Game" text in the player's language.
std::string GameText(const char* english);
constexpr int BeEatenFlags = MbYesNo | MbIconQuestion; // 0x24
constexpr int MovedFlags = MbOk | MbIconInformation;   // 0x40

// The price of a lost question or of being eaten: 1000 points, never below
// 0, and 10 health.
void TakePenalty(GameState& s);

// Ends the game when health has run out; true when it did.
bool EndIfHealthGone(GameState& s, Host& host);

// A wrong answer: the penalty, the health bar repainted, and the end of the
// game when health has run out; true when it did.
bool LoseQuestion(GameState& s, Host& host);

// The points for finishing the current level after LevelSeconds seconds:
// 25 per second left of the level's allowance (doubled in hidden mode).
int32_t TimeBonus(const GameState& s);

// The player stands on the exit: bonus, then the next, larger level, or the
// end of the game after the last one. True when the game is over.
bool CompleteLevel(GameState& s, Host& host);

// The player stands beside the locked door that is the last route record:
// a question, and on a right answer the player steps onto the door. True
// when a wrong answer ended the game.
bool KnockAtDoor(GameState& s, Host& host);

// The player stands on an item: it is taken and acts by its kind.
void PickUpItem(GameState& s, Host& host);

// The player stands beside the enemy that is the last route record: be
// eaten (back to the entrance) or fight with a question. True when the game
// is over.
bool FaceEnemy(GameState& s, Host& host);

} // namespace zorbik
