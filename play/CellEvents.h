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

// The hint under the pictures, by the view shown.
constexpr const char* CtrlToMapHint =
    QT_TRANSLATE_NOOP("Game", "Press 'Ctrl' to view the map of explored maze.");
constexpr const char* CtrlToPlayHint = QT_TRANSLATE_NOOP("Game", "Press 'Ctrl' to continue the game.");

// A "Game" text in the player's language.
std::string GameText(const char* english);
constexpr int BeEatenFlags = MbYesNo | MbIconQuestion; // 0x24
constexpr int MovedFlags = MbOk | MbIconInformation;   // 0x40

// The price of a lost question or of being eaten: 1000 points, never below
// 0, and 10 health.
void TakePenalty(GameState& s);

// Ends the game when health has run out; true when it did.
bool EndIfHealthGone(GameState& s, const Host& host);

// A wrong answer: the penalty, the health bar repainted, and the end of the
// game when health has run out; true when it did.
bool LoseQuestion(GameState& s, const Host& host);

// The points for finishing the current level after LevelSeconds seconds:
// 25 per second left of the level's allowance (doubled in hidden mode).
int32_t TimeBonus(const GameState& s);

// The first level: score 0, health 100, the play widgets shown, a maze of
// 11 cells with Zorbik at the entrance, drawn.
void StartFirstLevel(GameState& s, const Host& host);

// The player stands on the exit: bonus, then the next, larger level, or the
// end of the game after the last one. True when the game is over.
bool CompleteLevel(GameState& s, const Host& host);

// The player stands beside the locked door that is the last route record:
// a question, and on a right answer the player steps onto the door. True
// when a wrong answer ended the game.
bool KnockAtDoor(GameState& s, const Host& host);

// The player stands on an item: it is taken and acts by its kind.
void PickUpItem(GameState& s, const Host& host);

enum class Meeting { EnemyStays, EnemyBeaten, GameEnded };

// Zorbik meets the enemy standing on `at`, of record k (0 for none): the
// player chooses to be eaten (the penalty, back to the entrance) or to fight
// with a question. A right answer clears the cell, removes the record and
// puts Zorbik there; otherwise the enemy goes back to `cameFrom`.
Meeting MeetEnemy(GameState& s, const Host& host, CellRecord at, int32_t k, CellRecord cameFrom);

// The player stands beside the enemy that is the last route record and
// meets it. True when the game is over.
bool FaceEnemy(GameState& s, const Host& host);

} // namespace zorbik
