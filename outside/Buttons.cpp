#include "Buttons.h"

#include "GameOver.h"

#include <QCoreApplication>

namespace zorbik {

void FinishButtonClick(GameState& s, Host& host)
{
    if (s.GameEnded)
        return;
    const int answer = host.messageBox(QCoreApplication::translate("Game", ExitQuestion).toStdString(),
                                       QCoreApplication::translate("Game", ExitCaption).toStdString(),
                                       MbYesNo | MbIconQuestion);
    // The clock keeps running while the question is open and may end the
    // game meanwhile; a second game over would enter the same game twice.
    if (answer == IdNo || s.GameEnded)
        return;
    host.setEnabled(Widget::FinishButton, false);
    GameOver(s, host);
}

void CloseButtonClick(Host& host)
{
    host.closeAndExit();
}

void WindowCloseRequest(GameState& s, Host& host)
{
    if (s.GameEnded)
        CloseButtonClick(host);
    else
        FinishButtonClick(s, host);
}

void RulesClick(Host& host)
{
    host.showRulesDialog();
}

} // namespace zorbik
