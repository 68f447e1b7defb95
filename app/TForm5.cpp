#include "TForm5.h"

#include "DialogFocus.h"
#include "QuestionInput.h"
#include "common/NameFile.h"
#include "common/Programs.h"
#include "common/Protocol.h"
#include "outside/Buttons.h"
#include "outside/QuizExchange.h"
#include "play/CellEvents.h"
#include "play/LevelClock.h"
#include "play/PlayerMoves.h"
#include "view/AccessibleWidgets.h"
#include "view/AssetFilesLogic.h"
#include "view/MazeSurface.h"
#include "view/PanelNames.h"
#include "view/PanelOptions.h"
#include "view/StandInFonts.h"
#include "world/MazeGenerator.h"
#include "world/Random.h"
#include "world/StartUp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace zorbik {

namespace {

// The real path of the running executable, whatever argument 0 says: the
// pictures, sounds and the high-score table lie beside it.
std::string ExecutablePath(const char* argv0)
{
    if (std::string path = OwnExecutablePath(); !path.empty())
        return path;
    std::error_code ec;
    return std::filesystem::absolute(argv0, ec).string();
}

} // namespace

TForm5::TForm5()
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setWindowTitle(QCoreApplication::translate("Game", "Zorbik on the maze"));
    setFont(WindowFont());
    resize(632, 534);
    // The window layout: the maze surface, then the side panel and the
    // widgets shown later, all hidden but Rules and the health bar.
    PaintBox1 = new MazeSurface(state_, art_, this);
    panel_ = BuildSidePanel(this, state_);
    for (int w = 0; w < WidgetCount; ++w)
        widgets_[w] = panel_.widget(static_cast<Widget>(w));
    widgets_[static_cast<size_t>(Widget::PaintBox1)] = PaintBox1;
    NamePanel(panel_);
    looks_ = DisplayOptionsFromEnvironment();
    art_.colourBlindMap = looks_.colourBlindMap;
    if (looks_.highContrast)
        UseHighContrast(panel_);
    // The key sink hands the focus to the maze surface, so that a screen
    // reader speaks the maze; the keys reach the game from either.
    voice_ = std::make_unique<MazeVoice>(PaintBox1, state_);
    PaintBox1->setFocusPolicy(Qt::StrongFocus);
    panel_.Edit1->setFocusProxy(PaintBox1);
    // The one-second clock runs from the start; its ticks do nothing until
    // the first level is in play.
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);
    Timer1->start();
    bindHandlers();
}

TForm5::~TForm5() = default;

void TForm5::create(int argc, char** argv)
{
    SeedRandomFromClock();
    if (!HasFullCommandLine(argc)) {
        dialogs_->messageBox(GameText(RefusalText), GameText(RefusalCaption), MbOk);
        std::exit(0);
    }
    for (int i = 0; i < argc; ++i)
        state_.Args.emplace_back(argv[i]);
    HandTopicToQuiz(state_);
    state_.ExePath = ExecutablePath(argv[0]);
    std::error_code noFolder;
    state_.ProgramPath =
        ProgramPathOf(argv[0], std::filesystem::current_path(noFolder).string(), state_.ExePath);
    state_.FirstShow = 1;

    // The pictures and tables. LevelTimeNorm is filled with the state.
    art_.mapColors = MakeMapColors();
    const std::string images = ImageFolderOf(state_);
    art_.bitmaps = LoadCellBitmaps(images);
    SetSidePictures(panel_, LoadSidePictures(images));
    // The sounds too, in the audio thread, so that the first one plays at once.
    MediaPlayer1.preload(state_);
}

void TForm5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

// The close button of the window's title bar, Alt+F4 and the desktop's close
// never end the game unasked: the game decides, and closes the window itself
// when it ends. A request while the quiz runs is dropped like any other input
// given meanwhile: the move that asked the question is not finished yet.
void TForm5::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!asking_)
        WindowCloseRequest(state_, host());
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
    // The maze gives up the room a larger panel takes, or takes what a
    // smaller one leaves on a screen too low for it.
    FitSidePanel(panel_, height(), looks_.largerText);
    state_.WindowWidth = W - (SidePanelWidthOf(panel_) - SidePanelWidth);
    if (looks_.largerText)
        SetMessageBoxScale(1.5);
    state_.GamerName = ReadGamerName(SuiteFolder(state_) + GamerNameFileName);
    panel_.Label1->move(W - SidePanelWidth, panel_.Label1->y());
    PlaceSidePanel(panel_, W);
    // Below the bottom of the screen, where it keeps the focus unseen; 1600
    // is not below the bottom of a screen taller than that.
    panel_.Edit1->move(panel_.Edit1->x(), std::max(1600, state_.ClientHeight));
    StartFirstLevel(state_, host());
}

void TForm5::bindHandlers()
{
    connect(PaintBox1, &MazeSurface::mousePressed, this, &TForm5::PaintBox1MouseDown);
    connect(PaintBox1, &MazeSurface::mouseReleased, this, &TForm5::PaintBox1MouseUp);
    const std::pair<Widget, void (*)(GameState&, const Host&)> moves[] = {
        {Widget::UpButton, &zorbik::UpButtonClick},     {Widget::DownButton, &zorbik::DownButtonClick},
        {Widget::LeftButton, &zorbik::LeftButtonClick}, {Widget::RightButton, &zorbik::RightButtonClick},
        {Widget::URButton, &zorbik::URButtonClick},     {Widget::DRButton, &zorbik::DRButtonClick},
        {Widget::DLButton, &zorbik::DLButtonClick},     {Widget::ULButton, &zorbik::ULButtonClick}};
    for (auto [button, handler] : moves)
        connect(static_cast<QAbstractButton*>(widgetOf(button)), &QAbstractButton::clicked, this,
                [this, handler = handler] { handler(state_, host()); });
    connect(panel_.FinishButton, &QToolButton::clicked, this, &TForm5::FinishButtonClick);
    connect(panel_.CloseButton, &QPushButton::clicked, this, &TForm5::CloseButtonClick);
    connect(panel_.Rules, &QToolButton::clicked, this, &TForm5::RulesClick);
    panel_.Edit1->installEventFilter(this);
    PaintBox1->installEventFilter(this);
}

void TForm5::clickButton(const std::string& name)
{
    const std::pair<const char*, Widget> buttons[] = {
        {"Up", Widget::UpButton},       {"Down", Widget::DownButton}, {"Left", Widget::LeftButton},
        {"Right", Widget::RightButton}, {"UR", Widget::URButton},     {"DR", Widget::DRButton},
        {"DL", Widget::DLButton},       {"UL", Widget::ULButton},     {"Finish", Widget::FinishButton},
        {"Close", Widget::CloseButton}, {"Rules", Widget::Rules}};
    for (auto [label, button] : buttons)
        if (name == label)
            static_cast<QAbstractButton*>(widgetOf(button))->click();
}

void TForm5::PaintBox1MouseDown(int X, int Y)
{
    zorbik::PaintBox1MouseDown(state_, X, Y);
}

void TForm5::PaintBox1MouseUp(int X, int Y)
{
    zorbik::PaintBox1MouseUp(state_, host(), X, Y);
}

// The keyboard sink: Ctrl and the arrows reach the game as the virtual-key
// codes it knows; the edit box still receives every key. Space, which the
// game does not use, says where Zorbik is.
bool TForm5::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == panel_.Edit1 || watched == PaintBox1) && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Space:
            if (!state_.GameEnded)
                voice_->whereAmI();
            break;
        case Qt::Key_Control:
            Edit1KeyDown(KeyCtrl);
            break;
        case Qt::Key_Left:
            Edit1KeyDown(KeyLeft);
            break;
        case Qt::Key_Up:
            Edit1KeyDown(KeyUp);
            break;
        case Qt::Key_Right:
            Edit1KeyDown(KeyRight);
            break;
        case Qt::Key_Down:
            Edit1KeyDown(KeyDown);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm5::Edit1KeyDown(int key)
{
    zorbik::Edit1KeyDown(state_, host(), key);
}

void TForm5::Timer1Timer()
{
    zorbik::Timer1Timer(state_, host());
}

void TForm5::FinishButtonClick()
{
    zorbik::FinishButtonClick(state_, host());
}

void TForm5::CloseButtonClick()
{
    zorbik::CloseButtonClick(host());
}

void TForm5::RulesClick()
{
    zorbik::RulesClick(host());
}

std::string TForm5::caption(Widget w) const
{
    return WidgetText(widgetOf(w));
}

void TForm5::setCaption(Widget w, const std::string& text)
{
    SetWidgetText(widgetOf(w), text);
    RenameAfterText(panel_, w);
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
    voice_->refresh();
}

void TForm5::invalidateMaze()
{
    PaintBox1->update();
}

void TForm5::repaintHealthBar()
{
    panel_.PaintBox4->repaint();
    TellValueChanged(panel_.PaintBox4, state_.Health);
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
    QMessageBox box(QMessageBox::Information, QCoreApplication::translate("Game", InformationCaption),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    ExecOnDefaultButton(box);
}

bool TForm5::confirmDialog(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Game", ConfirmCaption),
                    QString::fromStdString(text), QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Ok);
    return ExecOnDefaultButton(box) == QMessageBox::Ok;
}

int TForm5::messageBox(const std::string& text, const std::string& caption, int flags)
{
    const auto t = QString::fromStdString(text);
    const auto c = QString::fromStdString(caption);
    if (flags & MbYesNo) {
        QMessageBox box(QMessageBox::Question, c, t, QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::Yes);
        return ExecOnDefaultButton(box) == QMessageBox::Yes ? IdYes : IdNo;
    }
    // A box without an icon is the start-up refusal, before the window shows.
    const bool plain = !(flags & MbIconInformation);
    QMessageBox box(plain ? QMessageBox::NoIcon : QMessageBox::Information, c, t, QMessageBox::Ok,
                    plain ? nullptr : this);
    ExecOnDefaultButton(box);
    return IdOk;
}

void TForm5::minimiseApp()
{
    asking_ = true;
    showMinimized();
    // The question that follows blocks the game until the quiz program ends:
    // let the window system see the window go now. Input waits, and a clock
    // tick finds the game paused.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TForm5::restoreApp()
{
    showNormal();
    // Back from a question the keys must reach the game again at once.
    raise();
    activateWindow();
    panel_.Edit1->setFocus();
}

bool TForm5::runQuiz(const std::string& program, const std::string& params)
{
    if (questionStarts_)
        questionStarts_();
    const bool right = RunQuizProgram(program, params);
    DropInputGivenMeanwhile();
    asking_ = false;
    return right;
}

// The full-screen window becomes a small bordered window with a title bar.
void TForm5::enterGameOverWindow()
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowState(Qt::WindowNoState);
    gameOver_.scale = looks_.largerText ? 1.5 : 1.0;
    ScaleGameOverWidgets(panel_, gameOver_.scale);
    setFixedSize(FittedGameOverSize(this, gameOver_));
    show();
    // The outer size is 390 x 490: take the frame the window system adds off
    // the client area, once the window manager has told its size.
    auto fitFrame = [this] {
        const QSize frame = frameGeometry().size() - geometry().size();
        if (frame.width() > 0 || frame.height() > 0) {
            setFixedSize(FittedGameOverSize(this, gameOver_));
            PlaceGameOverWidgets(panel_, gameOver_);
        }
    };
    fitFrame();
    QTimer::singleShot(250, this, fitFrame);
}

void TForm5::showGameOverTitle()
{
    QLabel* title = panel_.Label6;
    title->setText(QCoreApplication::translate("Game", "GAME OVER"));
    title->setGeometry(0, 0, gameOver_.scaled(390), gameOver_.scaled(200));
    QFont font = title->font();
    if (gameOver_.scale == 1.0 && gameOver_.lost.isNull())
        font.setPointSize(48);
    else
        font.setPointSizeF(48 * gameOver_.scale * gameOver_.widthLeft());
    title->setFont(font);
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    title->setPalette(palette);
    title->adjustSize();
    title->show();
    title->raise();
}

void TForm5::showCloseButton()
{
    QPushButton* close = panel_.CloseButton;
    PlaceGameOverWidgets(panel_, gameOver_);
    close->show();
    // The keyboard's way out: the button holds the focus, shows it, and
    // answers Enter as well as Space. The hidden keyboard sink, off the
    // small window, no longer takes the focus, so Tab cannot lose it there.
    close->setAutoDefault(true);
    close->setDefault(true);
    panel_.Edit1->setFocusPolicy(Qt::NoFocus);
    close->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange);
    activateWindow();
}

void TForm5::showMemo(int left, int top, int width, int height)
{
    gameOver_.memo = QRect(left, top, width, height);
    PlaceGameOverWidgets(panel_, gameOver_);
    panel_.Memo1->show();
}

void TForm5::clearMemo()
{
    panel_.Memo1->clear();
}

void TForm5::addMemoLine(const std::string& line)
{
    panel_.Memo1->appendPlainText(QString::fromStdString(line));
}

void TForm5::setMemoHeight(int height)
{
    gameOver_.memo.setHeight(height);
    PlaceGameOverWidgets(panel_, gameOver_);
}

void TForm5::announce(const std::string& text)
{
    voice_->announce(QString::fromStdString(text));
}

void TForm5::showRulesDialog()
{
    if (!rulesDialog_)
        return;
    rulesDialog_->exec();
}

void TForm5::closeAndExit()
{
    art_ = MazeArt{};
    hide();
    QCoreApplication::exit(0);
}

} // namespace zorbik
