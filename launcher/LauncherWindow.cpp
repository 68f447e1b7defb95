#include "LauncherWindow.h"

#include "AccessibilityBox.h"
#include "ClassRecordFile.h"
#include "ClassWindow.h"
#include "GameStart.h"
#include "LanguageBox.h"
#include "LanguageChoice.h"
#include "LauncherLogic.h"
#include "PlayerName.h"
#include "PlayingFolder.h"
#include "SummaryWindow.h"
#include "desktop/ScreenFit.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zorbik {

LauncherWindow::LauncherWindow(const LauncherOptions& options) : classroomFolder_(ClassroomFolder(options))
{
    LaunchChoice remembered = RememberedChoice(options);
    if (remembered.playerName.empty())
        remembered.playerName = SuggestedName(OwnSuiteOf(LauncherFolder()));
    setWindowTitle(QCoreApplication::translate("Launcher", "Zorbik on the maze"));
    QFont base = font();
    base.setPixelSize(16);
    setFont(base);
    setMinimumWidth(460);
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(12);
    layout->setContentsMargins(20, 16, 20, 20);

    auto* title = new QLabel(QCoreApplication::translate("Launcher", "Zorbik on the maze"));
    QFont titleFont("Arial");
    titleFont.setPixelSize(30);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet("color: rgb(128, 0, 128);");
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* nameLabel = new QLabel(QCoreApplication::translate("Launcher", "Your name:"));
    layout->addWidget(nameLabel);
    name_ = new QLineEdit(QString::fromStdString(remembered.playerName));
    nameLabel->setBuddy(name_);
    name_->setObjectName("name");
    name_->setMaxLength(40);
    layout->addWidget(name_);
    // Grey under the name, yet dark enough to read: what the high-score
    // table will keep of it, or why Play waits.
    nameNote_ = new QLabel;
    nameNote_->setObjectName("nameNote");
    layout->addWidget(nameNote_);

    auto* topicBox = new QGroupBox(QCoreApplication::translate("Launcher", "Questions about"));
    auto* topicLayout = new QVBoxLayout(topicBox);
    topic_ = new QButtonGroup(this);
    const QString topics[] = {QCoreApplication::translate("Launcher", "Both LCM and GCF"),
                              QCoreApplication::translate("Launcher", "Least common multiple (LCM)"),
                              QCoreApplication::translate("Launcher", "Greatest common factor (GCF)"),
                              QCoreApplication::translate("Launcher", "Fractions")};
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QRadioButton(topics[i]);
        topic_->addButton(choice, i);
        topicLayout->addWidget(choice);
    }
    topic_->button(static_cast<int>(remembered.topic))->setChecked(true);
    layout->addWidget(topicBox);

    sound_ = new QCheckBox(QCoreApplication::translate("Launcher", "Sound on"));
    sound_->setChecked(remembered.sound);
    layout->addWidget(sound_);
    hidden_ = new QCheckBox(QCoreApplication::translate(
        "Launcher", "Hidden maze (explore it in the dark, twice the time for the bonus)"));
    hidden_->setChecked(remembered.hiddenMaze);
    layout->addWidget(hidden_);
    access_ = new AccessibilityBox(ChosenAccessibility());
    layout->addWidget(access_);
    connect(access_, &AccessibilityBox::changed, this, &LauncherWindow::colourNameNote);
    colourNameNote();

    play_ = new QPushButton(QCoreApplication::translate("Launcher", "Play"));
    play_->setObjectName("play");
    play_->setDefault(true);
    play_->setMinimumHeight(44);
    QFont playFont = base;
    playFont.setPixelSize(20);
    playFont.setBold(true);
    play_->setFont(playFont);
    layout->addWidget(play_);
    // For a teacher of the configured class: the class's window.
    if (MayReadClassRecord(classroomFolder_)) {
        auto* theClass = new QPushButton(QCoreApplication::translate("Launcher", "The class..."));
        theClass->setObjectName("class");
        theClass->setAccessibleName(QCoreApplication::translate("Launcher", "Show the class's games"));
        layout->addWidget(theClass);
        connect(theClass, &QPushButton::clicked, this, [this] { OpenClassWindow(this, classroomFolder_); });
    }
    auto* quit = new QPushButton(QCoreApplication::translate("Launcher", "Quit"));
    layout->addWidget(quit);

    // The language, remembered for the next starts; the window is made anew in it.
    auto* languageRow = new QHBoxLayout;
    auto* languageLabel = new QLabel(QCoreApplication::translate("Launcher", "Language:"));
    languageRow->addWidget(languageLabel);
    auto* language = MakeLanguageBox(ChosenLanguage({}));
    languageLabel->setBuddy(language);
    language->setAccessibleName(QCoreApplication::translate("Launcher", "Language"));
    languageRow->addWidget(language, 1);
    layout->addLayout(languageRow);
    HoldOnScreen(this, content);
    connect(language, &QComboBox::activated, this, [this, language] {
        const QString code = ChosenInBox(language);
        RememberLanguage(code);
        emit languageChosen(code);
    });

    connect(play_, &QPushButton::clicked, this, &LauncherWindow::startGame);
    connect(name_, &QLineEdit::returnPressed, this, &LauncherWindow::startGame);
    connect(name_, &QLineEdit::textChanged, this, &LauncherWindow::showNameNote);
    showNameNote();
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    // The game is a child process; the launcher looks every so often
    // whether it has ended.
    waiting_ = new QTimer(this);
    waiting_->setInterval(200);
    connect(waiting_, &QTimer::timeout, this, &LauncherWindow::checkGame);
}

void LauncherWindow::showNameNote()
{
    bool playable = false;
    nameNote_->setText(QString::fromStdString(NameNote(name_->text().toStdString(), playable)));
    play_->setEnabled(playable);
}

// The note's grey is 7:1 on the window's face (the disabled grey was
// 1.6:1); with high contrast it takes the normal text colour.
void LauncherWindow::colourNameNote()
{
    QPalette palette = nameNote_->palette();
    palette.setColor(QPalette::WindowText, access_->choice().highContrast
                                               ? QApplication::palette().color(QPalette::WindowText)
                                               : QColor(0x50, 0x50, 0x50));
    nameNote_->setPalette(palette);
}

void LauncherWindow::startGame()
{
    if (game_ > 0 || !play_->isEnabled())
        return;
    LaunchChoice choice;
    choice.playerName = name_->text().trimmed().toStdString();
    choice.topic = static_cast<QuizTopicChoice>(topic_->checkedId());
    choice.sound = sound_->isChecked();
    choice.hiddenMaze = hidden_->isChecked();
    HandAccessibilityToGame(access_->choice());
    GamePlan plan;
    std::string error;
    if (PlanGame(LauncherFolder(), classroomFolder_, plan, error))
        game_ = StartGame(plan, choice, error);
    if (game_ < 0) {
        QMessageBox::warning(this, QCoreApplication::translate("Launcher", "Zorbik on the maze"),
                             QString::fromStdString(error));
        return;
    }
    RememberChoice(choice);
    RememberAccessibility(access_->choice());
    journal_ = MarkJournal(plan.suite + "Quiz/" + JournalFileName);
    player_ = choice.playerName;
    hide();
    waiting_->start();
}

void LauncherWindow::showCentred()
{
    adjustSize();
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
    name_->setFocus();
}

void LauncherWindow::checkGame()
{
    const int status = WaitForGame(game_, false);
    if (status < 0)
        return;
    waiting_->stop();
    game_ = -1;
    showCentred();
    if (const std::string told = GameEndMessage(status); !told.empty())
        QMessageBox::warning(this, QCoreApplication::translate("Launcher", "Zorbik on the maze"),
                             QString::fromStdString(told));
    ShowSummary(this, SummaryText(EntriesSince(journal_), player_));
}

} // namespace zorbik
