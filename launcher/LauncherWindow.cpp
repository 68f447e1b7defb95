#include "LauncherWindow.h"

#include "LauncherLogic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace zorbik {

LauncherWindow::LauncherWindow(QString suiteFolder) : suiteFolder_(std::move(suiteFolder))
{
    setWindowTitle("Zorbik on the maze");
    QFont base = font();
    base.setPixelSize(16);
    setFont(base);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->setContentsMargins(20, 16, 20, 20);

    auto* title = new QLabel("Zorbik on the maze");
    QFont titleFont("Arial");
    titleFont.setPixelSize(30);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet("color: rgb(128, 0, 128);");
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    layout->addWidget(new QLabel("Your name:"));
    name_ = new QLineEdit(QString::fromStdString(SuggestedName(suiteFolder_.toStdString())));
    name_->setMaxLength(40);
    layout->addWidget(name_);

    auto* topicBox = new QGroupBox("Questions about");
    auto* topicLayout = new QVBoxLayout(topicBox);
    topic_ = new QButtonGroup(this);
    const char* const topics[] = {"Both LCM and GCF", "Least common multiple (LCM)",
                                  "Greatest common factor (GCF)", "Fractions"};
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QRadioButton(topics[i]);
        topic_->addButton(choice, i);
        topicLayout->addWidget(choice);
    }
    topic_->button(0)->setChecked(true);
    layout->addWidget(topicBox);

    sound_ = new QCheckBox("Sound on");
    sound_->setChecked(true);
    layout->addWidget(sound_);
    hidden_ = new QCheckBox("Hidden maze (explore it in the dark, twice the time for the bonus)");
    layout->addWidget(hidden_);

    play_ = new QPushButton("Play");
    play_->setDefault(true);
    play_->setMinimumHeight(44);
    QFont playFont = base;
    playFont.setPixelSize(20);
    playFont.setBold(true);
    play_->setFont(playFont);
    layout->addWidget(play_);

    connect(play_, &QPushButton::clicked, this, &LauncherWindow::startGame);
    connect(name_, &QLineEdit::returnPressed, this, &LauncherWindow::startGame);
    connect(&game_, &QProcess::finished, this, &LauncherWindow::gameEnded);
    connect(&game_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            QMessageBox::warning(this, "Zorbik on the maze",
                                 "The game could not be started:\n" + game_.errorString());
            gameEnded();
        }
    });
}

void LauncherWindow::startGame()
{
    if (game_.state() != QProcess::NotRunning)
        return;
    LaunchChoice choice;
    choice.playerName = name_->text().trimmed().toStdString();
    choice.topic = static_cast<QuizTopicChoice>(topic_->checkedId());
    choice.sound = sound_->isChecked();
    choice.hiddenMaze = hidden_->isChecked();
    if (!WriteNameFile(suiteFolder_.toStdString(), choice.playerName))
        QMessageBox::warning(this, "Zorbik on the maze",
                             "The player's name could not be saved; the game starts without it.");

    QStringList args;
    for (const auto& a : GameArguments(choice))
        args << QString::fromStdString(a);
    game_.setWorkingDirectory(suiteFolder_);
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    hide();
    game_.start(suiteFolder_ + "Maze/Game1", args);
}

void LauncherWindow::showCentred()
{
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    name_->setFocus();
}

void LauncherWindow::gameEnded()
{
    showCentred();
}

} // namespace zorbik
