#include "GameOver.h"

#include "ClassTable.h"
#include "HighScoreFile.h"
#include "ShownName.h"
#include "desktop/FilledText.h"
#include "world/StartUp.h"

#include <QCoreApplication>

#include "common/Programs.h"
#include "journal/Journal.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

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

// The game's window shows the table as always; what became of the line is
// told on standard error and in the exit status, which the launcher turns
// into a message for the player.
void TellTableSave(GameState& s, TableSave saved, const std::string& tablePath)
{
    const struct {
        TableSave saved;
        int status;
        const char* told; // nothing to tell when empty
    } outcomes[] = {
        {TableSave::Saved, GameEndedSaved, ""},
        {TableSave::SavedWithoutRecord, GameEndedSaved,
         QT_TRANSLATE_NOOP("Game", "Game1: this game is in the high-score table %1, but the class record "
                                   "could not take it.")},
        {TableSave::Busy, GameEndedTableBusy,
         QT_TRANSLATE_NOOP("Game", "Game1: this game's line was not saved: the class's high-score table %1 "
                                   "stayed busy with another game.")},
        {TableSave::SavedAfterReset, GameEndedTableReset,
         QT_TRANSLATE_NOOP("Game", "Game1: the high-score table %1 held lines that could not be read; they "
                                   "are kept in %1.bak and the table was started anew with this game's "
                                   "line.")},
        {TableSave::NotSaved, GameEndedNotSaved,
         QT_TRANSLATE_NOOP("Game", "Game1: this game's line could not be saved in the high-score table %1.")},
    };
    for (const auto& o : outcomes) {
        if (o.saved != saved)
            continue;
        s.EndStatus = o.status;
        if (*o.told)
            std::fprintf(stderr, "%s\n",
                         Filled(QCoreApplication::translate("Game", o.told), tablePath).c_str());
    }
}

// The writer the launcher named, else the one installed with this game.
std::string ClassWriterPath()
{
    const char* named = std::getenv(ClassWriterVariable);
    return named && *named == '/' ? named : ZORBIK_INSTALLED_CLASS_WRITER;
}

} // namespace

void GameOver(GameState& s, const Host& host)
{
    s.Paused = 1;
    s.InPlay = 0;
    s.GameEnded = 1;

    host.gameOver.enterGameOverWindow();

    // The finished game; its counters live only as the side-panel texts.
    const HighScoreEntry finished = {NameField(WholeLettersWithin(s.GamerName, NameWidth)),
                                     CounterValue(host.panel, Widget::StaticText1),
                                     CounterValue(host.panel, Widget::StaticText2),
                                     CounterValue(host.panel, Widget::StaticText3),
                                     s.MazeSize / 6,
                                     s.Score};
    // Merged and written at once, under the table's lock. A table that
    // cannot be saved is still shown; the old file then stays whole.
    HighScoreTable table;
    const std::string tablePath = ExeFolderOf(s.ExePath) + HighScoreFileName;
    TableSave saved;
    if (const auto classroom = ClassroomOfGame(ExeFolderOf(s.ExePath))) {
        // The quiz keeps its journal beside itself, in the player's folder.
        ClassRecordLine record = QuestionsOfGame(FolderPart(s.Arg(1)) + JournalFileName, ::getpid());
        record.name = s.GamerName;
        saved = SaveThroughClassWriter(ClassWriterPath(), *classroom, finished, record, table);
    } else {
        saved = SaveFinishedGame(tablePath, finished, table);
    }
    TellTableSave(s, saved, tablePath);
    const bool entered = table[16].Score != s.Score;

    for (Widget w : HiddenAtGameOver)
        host.panel.setVisible(w, false);
    host.gameOver.showGameOverTitle();
    host.panel.setVisible(Widget::Label1, false);
    host.gameOver.showCloseButton();
    host.gameOver.showMemo(10, 70, 360, 330);

    host.gameOver.clearMemo();
    // On screen only: the file keeps its English header.
    host.gameOver.addMemoLine(Filled(QCoreApplication::translate("Game", HighScoreTitle)));
    host.gameOver.addMemoLine(Filled(QCoreApplication::translate("Game", HighScoreHeader)));
    for (int k = 1; k <= KeptEntries; ++k) {
        std::string shown = ShownHighScoreLine(table[k]);
        if (s.Score == table[k].Score && s.Score > table[k + 1].Score)
            shown += " *";
        host.gameOver.addMemoLine(shown);
    }

    if (!entered) {
        host.gameOver.addMemoLine(HighScoreSeparator);
        host.gameOver.addMemoLine(ShownHighScoreLine(finished) + " *");
    } else {
        host.gameOver.setMemoHeight(310);
    }
}

} // namespace zorbik
