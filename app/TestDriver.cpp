#include "TestDriver.h"

#include "TForm5.h"
#include "outside/GameOver.h"
#include "play/LevelClock.h"
#include "play/PlayerMoves.h"

#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace zorbik {

TestDriver* TestDriver::FromEnvironment(TForm5& form)
{
    if (!std::getenv("ZORBIK_TEST_DRIVER"))
        return nullptr;
    return new TestDriver(form);
}

bool TestDriver::SeedFromEnvironment(uint64_t& seed)
{
    const char* text = std::getenv("ZORBIK_TEST_SEED");
    if (!text || !std::getenv("ZORBIK_TEST_DRIVER"))
        return false;
    seed = std::strtoull(text, nullptr, 10);
    return true;
}

TestDriver::TestDriver(TForm5& form) : QObject(&form), form_(form)
{
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TestDriver::readCommands);
}

void TestDriver::Say(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string TestDriver::answer(const std::string& caption, const std::string& text,
                               const std::string& fallback)
{
    Say("dialog " + caption + "|" + text);
    if (answers_.empty())
        return fallback;
    std::string a = answers_.front();
    answers_.pop_front();
    return a;
}

void TestDriver::readCommands()
{
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        // The test has gone: end like the close button would.
        notifier_->setEnabled(false);
        std::exit(0);
    }
    pending_.append(buffer, static_cast<size_t>(n));
    size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        const std::string command = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        run(command);
        Say("done");
    }
}

void TestDriver::run(const std::string& command)
{
    std::istringstream in(command);
    std::string verb;
    in >> verb;
    GameState& s = form_.state();
    if (verb == "answer") {
        for (std::string a; in >> a;)
            answers_.push_back(a);
    } else if (verb == "clear") {
        answers_.clear();
    } else if (verb == "click") {
        int x = 0, y = 0;
        in >> x >> y;
        PaintBox1MouseDown(s, x, y);
        PaintBox1MouseUp(s, form_, x, y);
    } else if (verb == "key") {
        int key = 0;
        in >> key;
        Edit1KeyDown(s, form_, key);
    } else if (verb == "button") {
        std::string name;
        in >> name;
        form_.clickButton(name);
    } else if (verb == "tick") {
        Timer1Timer(s, form_);
    } else if (verb == "finish") {
        form_.clickButton("Finish");
    } else if (verb == "shot") {
        std::string path;
        in >> path;
        form_.grab().save(QString::fromStdString(path));
    } else if (verb == "dump") {
        dump();
    } else if (verb == "close") {
        form_.clickButton("Close");
    }
}

void TestDriver::dump()
{
    const GameState& s = form_.state();
    std::ostringstream out;
    out << "state size " << s.MazeSize << " player " << s.PlayerX << ' ' << s.PlayerY << " view "
        << s.ViewLeft << ' ' << s.ViewRight << ' ' << s.ViewTop << ' ' << s.ViewBottom << " score " << s.Score
        << " health " << s.Health << " inplay " << int(s.InPlay) << " paused " << int(s.Paused) << " ended "
        << int(s.GameEnded) << " torch " << int(s.HasTorch) << " seconds " << s.LevelSeconds << '\n';
    out << "captions";
    for (Widget w : {Widget::ScoreBox, Widget::TimeBox, Widget::TimeText, Widget::StaticText1,
                     Widget::StaticText2, Widget::StaticText3})
        out << '|' << form_.caption(w);
    out << "\nmaze";
    for (int x = 1; x <= s.MazeSize; ++x)
        for (int y = 1; y <= s.MazeSize; ++y)
            out << ' ' << int(s.Maze[x][y]);
    out << "\nitems";
    for (int k = 1; k <= s.ItemCount; ++k)
        out << ' ' << int(s.ItemList[k].x) << ' ' << int(s.ItemList[k].y) << ' ' << int(s.ItemList[k].kind);
    out << "\nenemies";
    for (int k = 1; k <= s.EnemyCount; ++k)
        out << ' ' << int(s.EnemyList[k].x) << ' ' << int(s.EnemyList[k].y) << ' '
            << int(s.EnemyList[k].kind);
    out << "\nsurface " << s.PaintBoxLeft << ' ' << s.PaintBoxTop << ' ' << s.PaintBoxWidth << ' '
        << s.PaintBoxHeight << "\nend";
    Say(out.str());
}

} // namespace zorbik
