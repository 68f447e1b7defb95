#include "GameOver.h"

#include "HighScoreFile.h"
#include "ShownName.h"
#include "world/StartUp.h"

namespace zorbik {

namespace {

// The side-panel and play widgets that leave the screen, in this order.
constexpr Widget HiddenAtGameOver[] = {
    Widget::PaintBox1, Widget::PaintBox4,  Widget::Label6,      Widget::ScoreText,   Widget::ScoreBox,
    Widget::UpButton,  Widget::LeftButton, Widget::DownButton,  Widget::RightButton, Widget::ULButton,
    Widget::URButton,  Widget::DLButton,   Widget::DRButton,    Widget::Image1,      Widget::Image2,
    Widget::Image3,    Widget::Image4,     Widget::StaticText1, Widget::StaticText2, Widget::StaticText3,
    Widget::TimeText,  Widget::TimeBox,    Widget::HealthText,
};

} // namespace

void GameOver(GameState& s, Host& host)
{
    s.Paused = 1;
    s.InPlay = 0;
    s.GameEnded = 1;

    host.enterGameOverWindow();

    // The finished game; its counters live only as the side-panel texts.
    const HighScoreEntry finished = {NameField(WholeLettersWithin(s.GamerName, NameWidth)),
                                     CounterValue(host, Widget::StaticText1),
                                     CounterValue(host, Widget::StaticText2),
                                     CounterValue(host, Widget::StaticText3),
                                     s.MazeSize / 6,
                                     s.Score};
    // Merged and written at once, under the table's lock. A table that
    // cannot be saved is still shown; the old file then stays whole.
    HighScoreTable table;
    SaveFinishedGame(ExeFolderOf(s.ExePath) + HighScoreFileName, finished, table);
    const bool entered = table[16].Score != s.Score;

    for (Widget w : HiddenAtGameOver)
        host.setVisible(w, false);
    host.showGameOverTitle();
    host.setVisible(Widget::Label1, false);
    host.showCloseButton();
    host.showMemo(10, 70, 360, 330);

    host.clearMemo();
    host.addMemoLine(HighScoreTitle);
    host.addMemoLine(HighScoreHeader);
    for (int k = 1; k <= KeptEntries; ++k) {
        std::string shown = ShownHighScoreLine(table[k]);
        if (s.Score == table[k].Score && s.Score > table[k + 1].Score)
            shown += " *";
        host.addMemoLine(shown);
    }

    if (!entered) {
        host.addMemoLine(HighScoreSeparator);
        host.addMemoLine(ShownHighScoreLine(finished) + " *");
    } else {
        host.setMemoHeight(310);
    }
}

} // namespace zorbik
