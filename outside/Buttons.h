// The buttons of the side panel and the game-over window that leave play:
// the exit button, the close button and the rules button.
#pragma once

#include "common/Translatable.h"
#include "world/GameState.h"
#include "world/Host.h"

namespace zorbik {

constexpr const char* ExitQuestion = QT_TRANSLATE_NOOP("Game", "Are You sure You want to exit?");
constexpr const char* ExitCaption = QT_TRANSLATE_NOOP("Game", "Confirm exit");

// "EXIT": asks for confirmation; unless the answer is No, disables the exit
// button and ends the game. Once the game has ended it does nothing, also
// when the game ended (by the clock) while the question was open.
void FinishButtonClick(GameState& s, const Host& host);

// "Close this window" in the game-over window: frees the pictures and ends.
void CloseButtonClick(const Host& host);

// The window's close request (its close button, Alt+F4, the desktop's
// close): during play it asks as "EXIT" does, so that the game ends with its
// table and saved line; once the game has ended it closes as "Close this
// window" does.
void WindowCloseRequest(GameState& s, const Host& host);

// "Rules": shows the rules dialog and returns when it is closed.
void RulesClick(const Host& host);

} // namespace zorbik
