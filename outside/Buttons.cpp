#include "Buttons.h"

#include "GameOver.h"

#include <QCoreApplication>

namespace zorbik {

void FinishButtonClick(GameState& s, const Host& host)
{
    if (s.GameEnded)
        return;
    const int answer = host.dialogs.messageBox(
        QCoreApplication::translate("Game", ExitQuestion).toStdString(),
        QCoreApplication::translate("Game", ExitCaption).toStdString(), MbYesNo | MbIconQuestion);
    // The clock keeps running while the question is open and may end the
    // game meanwhile; a second game over would enter the same game twice.
    if (answer == IdNo || s.GameEnded)
        return;
    host.panel.setEnabled(Widget::FinishButton, false);
    GameOver(s, host);
}

void CloseButtonClick(const Host& host)
{
    host.life.closeAndExit();
}

void WindowCloseRequest(GameState& s, const Host& host)
{
    if (s.GameEnded)
        CloseButtonClick(host);
    else
        FinishButtonClick(s, host);
}

void RulesClick(const Host& host)
{
    host.dialogs.showRulesDialog();
}

} // namespace zorbik
