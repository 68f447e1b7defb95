#include "TForm5.h"

#include "world/MazeGenerator.h"
#include "world/Random.h"
#include "world/StartUp.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QThread>

#include <cstdlib>
#include <filesystem>

namespace zorbik {

namespace {

// The absolute path of the running executable (argument 0 may be relative).
std::string ExecutablePath(const char* argv0)
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        path = std::filesystem::absolute(argv0, ec);
    return path.string();
}

} // namespace

TForm5::TForm5(int argc, char** argv)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setWindowTitle("Zorbik on the maze");
    resize(632, 534);
    FormCreate(argc, argv);
}

TForm5::~TForm5() = default;

void TForm5::FormCreate(int argc, char** argv)
{
    SeedRandomFromClock();
    if (!HasFullCommandLine(argc)) {
        QMessageBox box(QMessageBox::NoIcon, RefusalCaption, RefusalText, QMessageBox::Ok);
        box.exec();
        std::exit(0);
    }
    for (int i = 0; i < argc; ++i)
        state_.Args.emplace_back(argv[i]);
    state_.ExePath = ExecutablePath(argv[0]);
    state_.FirstShow = 1;
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm5::FormShow()
{
    if (!state_.FirstShow)
        return;
    state_.FirstShow = 0;
    // Without a window manager nothing maximises a window: cover the screen.
    setGeometry(screen()->geometry());
    state_.GamerName = ReadGamerName(SuiteFolderOf(state_.ExePath) + "Gamer.nam");
    state_.Score = 0;
    state_.Health = 100;
    state_.Paused = 0;
    state_.MazeSize = 11;
    state_.WindowWidth = width();
    state_.ClientHeight = height();
    FitMazeView(state_, state_.WindowWidth, state_.ClientHeight);
    state_.PlayerX = 2;
    state_.PlayerY = 2;
    GenerateLevel(state_);
}

std::string TForm5::caption(Widget) const { return {}; }
void TForm5::setCaption(Widget, const std::string&) {}
void TForm5::setVisible(Widget, bool) {}
void TForm5::setEnabled(Widget, bool) {}
void TForm5::paintMaze() {}
void TForm5::invalidateMaze() {}
void TForm5::repaintHealthBar() {}
void TForm5::placeMazeSurface() {}

void TForm5::sleepMs(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void TForm5::playSound(const std::string&) {}

void TForm5::informationDialog(const std::string& text)
{
    QMessageBox::information(this, "Information", QString::fromStdString(text));
}

bool TForm5::confirmDialog(const std::string& text)
{
    return QMessageBox::question(this, "Confirm", QString::fromStdString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

int TForm5::messageBox(const std::string& text, const std::string& caption, int flags)
{
    const auto t = QString::fromStdString(text);
    const auto c = QString::fromStdString(caption);
    if (flags & MbYesNo)
        return QMessageBox::question(this, c, t, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes ? IdYes
                                                                                                         : IdNo;
    QMessageBox::information(this, c, t);
    return IdOk;
}

void TForm5::minimiseApp()
{
    showMinimized();
}

void TForm5::restoreApp()
{
    showNormal();
}

bool TForm5::askQuestion()
{
    return false;
}

void TForm5::enterGameOverWindow() {}
void TForm5::showGameOverTitle() {}
void TForm5::showCloseButton() {}
void TForm5::showMemo(int, int, int, int) {}
void TForm5::clearMemo() {}
void TForm5::addMemoLine(const std::string&) {}
void TForm5::setMemoHeight(int) {}

void TForm5::showRulesDialog()
{
    if (rulesDialog_)
        rulesDialog_->exec();
}

void TForm5::closeAndExit()
{
    std::exit(0);
}

} // namespace zorbik
