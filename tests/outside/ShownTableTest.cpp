// The high-score table on screen: names in any script, with accents built
// from combining marks, direction marks or broken bytes, shown safely and
// lined up in the real table box of the game-over window.
#include "outside/GameOver.h"
#include "outside/ShownName.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/TempFolder.h"
#include "view/SidePanel.h"
#include "view/StandInFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace zorbik;
using zorbik::testing::ScriptedHost;

namespace {

struct NameCase {
    const char* what;
    std::string gamerName;
    std::string shownName; // as the table shows it
};

// The x where the character at `position` of a line of the box starts.
qreal XAt(QPlainTextEdit* box, int line, int position)
{
    const QTextBlock block = box->document()->findBlockByNumber(line);
    box->document()->documentLayout()->blockBoundingRect(block); // lays the line out
    return block.layout()->lineAt(0).cursorToX(position);
}

TEST(ShownTable, NamesInEveryScriptAreShownSafelyAndLineUp)
{
    const std::string e = "e\xCC\x81"; // e and a combining acute accent, shown as one letter:
    const std::string composed = "\xC3\xA9";
    const std::vector<NameCase> cases = {
        {"Latin", "Ann", "Ann"},
        {"Cyrillic, cut to 20 bytes", "Иван Петров", "Иван Петро"},
        {"CJK", "王小明", "王小明"},
        {"emoji", "Zoë 😀🎉", "Zoë 😀🎉"},
        {"combining, never cut from the letter", "a" + e + e + e + e + e + e + e,
         "a" + composed + composed + composed + composed + composed + composed},
        {"turned round",
         "\xE2\x80\xAE"
         "evil name",
         "evil name"},
        {"isolates and marks", "\xE2\x81\xA9x\xE2\x80\x8Fy\xD8\x9C", "xy"},
        {"right to left", "דוד כהן", "דוד כהן"},
        {"invalid bytes", "Bad\xFF\xFEname\xC3", "Bad??name?"},
    };

    InstallStandInFonts();
    QWidget window;
    window.setFont(WindowFont());
    GameState panelState;
    SidePanel panel = BuildSidePanel(&window, panelState);
    const zorbik::testing::TempFolder temp("zorbik-shown");

    std::vector<std::string> shown{HighScoreHeader};
    for (const NameCase& c : cases) {
        GameState s;
        s.ExePath = temp.at("Game1");
        s.GamerName = c.gamerName;
        s.MazeSize = 11;
        s.Score = 4000 + static_cast<int>(shown.size()); // the best line of the table
        ScriptedHost host(s);
        host.captions[Widget::StaticText1] = "12";
        host.captions[Widget::StaticText2] = "3";
        host.captions[Widget::StaticText3] = "4";
        GameOver(s, host);
        ASSERT_GE(host.memo.size(), 3u);
        const std::string line = host.memo[2];
        // The name apart from its number columns, which stay as in the file.
        const size_t end = line.find(ShownNameEnd);
        const std::string name = end == std::string::npos ? line.substr(0, NameWidth) : line.substr(0, end);
        EXPECT_EQ(
            QString::fromStdString(name).remove(QChar(0x2068)).remove(QChar(0x2069)).trimmed().toStdString(),
            c.shownName)
            << c.what;
        EXPECT_EQ(line.substr(line.size() - 24), "  12   3   4 1    " + std::to_string(s.Score) + " *")
            << c.what;
        shown.push_back(line);
    }

    // In the box: every line's numbers begin where the header's columns do,
    // and read left to right after the name.
    for (const std::string& line : shown)
        panel.Memo1->appendPlainText(QString::fromStdString(line));
    const qreal numbersAt = XAt(panel.Memo1, 0, NameWidth);
    EXPECT_GT(numbersAt, 100);
    for (size_t k = 1; k < shown.size(); ++k) {
        const QString line = QString::fromStdString(shown[k]);
        const int tab = static_cast<int>(line.indexOf(ShownNameEnd));
        const int first = tab < 0 ? NameWidth : tab + 1;
        const int last = static_cast<int>(line.size()) - 3; // the score's last digit
        EXPECT_NEAR(XAt(panel.Memo1, static_cast<int>(k), first), numbersAt, 0.1) << cases[k - 1].what;
        EXPECT_NEAR(XAt(panel.Memo1, static_cast<int>(k), last) -
                        XAt(panel.Memo1, static_cast<int>(k), first),
                    XAt(panel.Memo1, 0, last - first + NameWidth) - numbersAt, 0.1)
            << cases[k - 1].what;
    }
}

} // namespace
