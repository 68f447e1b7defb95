#include "TForm5.h"

#include "view/AssetFilesLogic.h"
#include "view/MazeSurface.h"
#include "world/MazeGenerator.h"
#include "world/Random.h"
#include "world/StartUp.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QToolButton>

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
    QFont font("MS Sans Serif");
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
    resize(632, 534);
    // The window layout: the maze surface, then the side panel and the
    // widgets shown later, all hidden but Rules and the health bar.
    PaintBox1 = new MazeSurface(state_, art_, this);
    panel_ = BuildSidePanel(this, state_);
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

    // The pictures and tables. LevelTimeNorm is filled with the state.
    art_.mapColors = MakeMapColors();
    const std::string images = ImageFolderOf(state_);
    art_.bitmaps = LoadCellBitmaps(images);
    SetSidePictures(panel_, LoadSidePictures(images));
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
    panel_.Edit1->show();
    panel_.Edit1->setFocus();
    // Without a window manager nothing maximises a window: cover the screen.
    setGeometry(screen()->geometry());
    state_.WindowWidth = width();
    state_.ClientHeight = height();
    const int W = state_.WindowWidth;
    state_.GamerName = ReadGamerName(SuiteFolderOf(state_.ExePath) + "Gamer.nam");
    state_.Score = 0;
    state_.Health = 100;
    panel_.FinishButton->show();
    SetWidgetText(panel_.ScoreBox, std::to_string(state_.Score));
    const std::initializer_list<QWidget*> shownInOrder = {
        panel_.UpButton,  panel_.LeftButton, panel_.DownButton,  panel_.RightButton, panel_.URButton,
        panel_.DRButton,  panel_.ULButton,   panel_.DLButton,    panel_.Image1,      panel_.Image2,
        panel_.Image3,    panel_.Image4,     panel_.StaticText1, panel_.StaticText2, panel_.StaticText3,
        panel_.ScoreText, panel_.ScoreBox,   panel_.TimeText,    panel_.TimeBox};
    for (QWidget* w : shownInOrder)
        w->show();
    state_.Paused = 0;
    panel_.Label6->hide();
    panel_.Label1->show();
    panel_.Label1->move(W - SidePanelWidth, panel_.Label1->y());
    SetWidgetText(panel_.Label1, "Press 'Ctrl' to view the map of explored maze.");
    panel_.HealthText->show();
    PlaceSidePanel(panel_, W);
    state_.MazeSize = 11;
    FitMazeView(state_, state_.WindowWidth, state_.ClientHeight);
    placeMazeSurface();
    panel_.Edit1->move(panel_.Edit1->x(), 1600);
    state_.PlayerX = 2;
    state_.PlayerY = 2;
    GenerateLevel(state_);
    paintMaze();
    repaintHealthBar();
}

QWidget* TForm5::widgetOf(Widget w) const
{
    if (w == Widget::PaintBox1)
        return PaintBox1;
    return panel_.widget(w);
}

std::string TForm5::caption(Widget w) const
{
    return WidgetText(widgetOf(w));
}

void TForm5::setCaption(Widget w, const std::string& text)
{
    SetWidgetText(widgetOf(w), text);
}

void TForm5::setVisible(Widget w, bool visible)
{
    widgetOf(w)->setVisible(visible);
}

void TForm5::setEnabled(Widget w, bool enabled)
{
    widgetOf(w)->setEnabled(enabled);
}

void TForm5::paintMaze()
{
    PaintBox1->drawNow();
}

void TForm5::invalidateMaze()
{
    PaintBox1->update();
}

void TForm5::repaintHealthBar()
{
    panel_.PaintBox4->repaint();
}

void TForm5::placeMazeSurface()
{
    PaintBox1->place();
}

void TForm5::sleepMs(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

void TForm5::playSound(const std::string& fileName)
{
    PlaySoundFile(state_, MediaPlayer1.player(), fileName);
}

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
        return QMessageBox::question(this, c, t, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                   ? IdYes
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
