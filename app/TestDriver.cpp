#include "TestDriver.h"

#include "TForm5.h"

#include "common/Protocol.h"
#include "outside/GameOver.h"
#include "play/CellEvents.h"
#include "play/LevelClock.h"
#include "play/PlayerMoves.h"
#include "view/MazeSurface.h"
#include "world/Random.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <unistd.h>

namespace zorbik {

void TestDriver::AttachIfAsked(TForm5& form)
{
    if (!std::getenv(TestDriverVariable))
        return;
    auto* driver = new TestDriver(form);
    form.answerDialogsWith(*driver);
    form.whenQuestionStarts([driver] { driver->postInputDuringQuestion(); });
    form.clock()->stop();
}

void TestDriver::SeedIfAsked()
{
    const char* seed = std::getenv(TestSeedVariable);
    if (seed && std::getenv(TestDriverVariable))
        SeedRandom(std::strtoull(seed, nullptr, 10));
}

TestDriver::TestDriver(TForm5& form) : QObject(&form), form_(form)
{
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TestDriver::readCommands);
}

void TestDriver::informationDialog(const std::string& text)
{
    answer(GameText(InformationCaption), text, "ok");
}

bool TestDriver::confirmDialog(const std::string& text)
{
    return answer(GameText(ConfirmCaption), text, "cancel") == "ok";
}

int TestDriver::messageBox(const std::string& text, const std::string& caption, int flags)
{
    const bool yesNo = flags & MbYesNo;
    const std::string a = answer(caption, text, yesNo ? "no" : "ok");
    return yesNo ? (a == "yes" ? IdYes : IdNo) : IdOk;
}

void TestDriver::postInputDuringQuestion()
{
    for (; !duringQuestion_.empty(); duringQuestion_.pop_front())
        postInput(duringQuestion_.front());
}

void TestDriver::showRulesDialog()
{
    if (QDialog* rules = form_.rulesDialog())
        rules->open();
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
        PaintBox1MouseUp(s, form_.host(), x, y);
    } else if (verb == "key") {
        int key = 0;
        in >> key;
        Edit1KeyDown(s, form_.host(), key);
    } else if (verb == "button") {
        std::string name;
        in >> name;
        form_.clickButton(name);
    } else if (verb == "tick") {
        Timer1Timer(s, form_.host());
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
    } else if (verb == "closewindow") {
        form_.requestClose();
    } else if (verb == "during" || verb == "input") {
        std::string rest;
        std::getline(in >> std::ws, rest);
        if (verb == "during")
            duringQuestion_.push_back(rest);
        else
            postInput(rest);
    } else if (verb == "press") {
        std::string key;
        in >> key;
        press(key);
    } else if (verb == "focus") {
        sayFocus();
    }
}

namespace {

Qt::Key QtKeyOf(int virtualKey)
{
    switch (virtualKey) {
    case KeyCtrl:
        return Qt::Key_Control;
    case KeyLeft:
        return Qt::Key_Left;
    case KeyUp:
        return Qt::Key_Up;
    case KeyRight:
        return Qt::Key_Right;
    default:
        return Qt::Key_Down;
    }
}

} // namespace

// Puts "click X Y" (a pixel of the maze surface), "key K" (a key code of
// the game) or "closewindow" (the close request) into the window's queue as
// the window system would.
void TestDriver::postInput(const std::string& input)
{
    std::istringstream in(input);
    std::string kind;
    in >> kind;
    if (kind == "click") {
        QWidget* surface = form_.mazeSurface();
        int x = 0, y = 0;
        in >> x >> y;
        const QPointF at(x, y), global = surface->mapToGlobal(at);
        QCoreApplication::postEvent(surface, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(surface, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                             Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    } else if (kind == "key") {
        int key = 0;
        in >> key;
        QWidget* sink = form_.sidePanel().Edit1;
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QCoreApplication::postEvent(sink, new QKeyEvent(type, QtKeyOf(key), Qt::NoModifier));
    } else if (kind == "closewindow") {
        QCoreApplication::postEvent(&form_, new QCloseEvent);
    }
}

// The widget that holds the keyboard focus of the window in front: the open
// rules dialog, else the main window.
QWidget* TestDriver::focusHolder() const
{
    QWidget* front = QApplication::activeModalWidget();
    return (front ? front : &form_)->focusWidget();
}

// A key pressed and released on the widget that holds the keyboard focus.
void TestDriver::press(const std::string& keyName)
{
    const Qt::Key key = keyName == "Return"  ? Qt::Key_Return
                        : keyName == "Space" ? Qt::Key_Space
                        : keyName == "Tab"   ? Qt::Key_Tab
                                             : Qt::Key_Escape;
    const QString text = key == Qt::Key_Space ? " " : key == Qt::Key_Return ? "\r" : "";
    QWidget* target = focusHolder();
    if (!target)
        return;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &up);
}

// "focus <name>|<window title>|shown <0|1>": the widget holding the keyboard
// focus and whether its window asks the style to draw the focus frame.
void TestDriver::sayFocus()
{
    QWidget* w = focusHolder();
    if (!w || !w->isVisible()) {
        Say("focus none");
        return;
    }
    const bool shown = w->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    Say("focus " + w->objectName().toStdString() + "|" + w->window()->windowTitle().toStdString() +
        "|shown " + (shown ? "1" : "0"));
}

void TestDriver::dump()
{
    const GameState& s = form_.state();
    std::ostringstream out;
    out << "state size " << s.MazeSize << " player " << s.PlayerX << ' ' << s.PlayerY << " view "
        << s.ViewLeft << ' ' << s.ViewRight << ' ' << s.ViewTop << ' ' << s.ViewBottom << " score " << s.Score
        << " health " << s.Health << " inplay " << int(s.InPlay) << " paused " << int(s.Paused) << " ended "
        << int(s.GameEnded) << " torch " << int(s.HasTorch) << " seconds " << s.LevelSeconds << '\n';
    out << "args";
    for (size_t i = 1; i < s.Args.size(); ++i)
        out << '|' << s.Args[i];
    out << "\ncaptions";
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
