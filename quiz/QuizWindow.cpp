#include "QuizWindow.h"

#include "desktop/FilledText.h"
#include "desktop/ScreenFit.h"

#include "AnswerReading.h"
#include "Mistakes.h"
#include "common/Programs.h"
#include "common/SafeFiles.h"
#include "journal/Journal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace zorbik::quiz {

namespace {

QString TopicTitle(Topic topic)
{
    switch (topic) {
    case Topic::Lcm:
        return QCoreApplication::translate("Quiz", "Least common multiple");
    case Topic::Gcf:
        return QCoreApplication::translate("Quiz", "Greatest common factor");
    case Topic::Fractions:
        break;
    }
    return QCoreApplication::translate("Quiz", "Fractions");
}

// The question and its stakes.
constexpr int QuestionPixels = 24;

QFont SizedFont(int pixels, bool bold)
{
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* TextLine(const std::string& text, int pixels, bool bold)
{
    auto* label = new QLabel(QString::fromStdString(text));
    label->setFont(SizedFont(pixels, bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

QuizWindow::QuizWindow(QuizSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), sounds_(setup_.folder, setup_.sound)
{
    const Question& q = setup_.question;
    setWindowTitle(QCoreApplication::translate("Quiz", "Zorbik asks: %1").arg(TopicTitle(q.topic)));
    setMinimumWidth(600);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setSpacing(12);
    layout->setContentsMargins(20, 20, 20, 20);

    if (!setup_.unknownTopic.empty()) {
        QLabel* unknown = TextLine(UnknownTopicLine(setup_.unknownTopic), 15, false);
        unknown->setStyleSheet("color: #804000;");
        layout->addWidget(unknown);
    }
    layout->addWidget(TextLine(q.text, QuestionPixels, true));
    // What is at stake, at the question's own size and in dark text, so
    // that a child reads it before answering.
    stake_ = TextLine(StakeLine(setup_.difficulty), QuestionPixels, false);
    stake_->setStyleSheet("color: #202020;");
    layout->addWidget(stake_);
    layout->addWidget(TextLine(q.form, 16, false));

    answer_ = new QLineEdit;
    answer_->setFont(SizedFont(28, true));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setMaxLength(24);
    answer_->setPlaceholderText(QCoreApplication::translate("Quiz", "your answer"));
    answer_->setAccessibleName(QCoreApplication::translate("Quiz", "Your answer"));
    answer_->setAccessibleDescription(q.text.empty() ? QString() : QString::fromStdString(q.text));
    layout->addWidget(answer_);

    // The buttons take no keyboard focus: Enter and Escape always reach the
    // window through the answer box, and Alt+H / Alt+C work from the keyboard.
    auto* buttons = new QHBoxLayout;
    hint_ = new QPushButton(QCoreApplication::translate("Quiz", "&Hint"));
    check_ = new QPushButton(QCoreApplication::translate("Quiz", "&Check"));
    for (QPushButton* b : {hint_, check_}) {
        b->setFont(SizedFont(20, true));
        b->setMinimumHeight(44);
        b->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    message_ = TextLine("", 18, true);
    message_->setMinimumHeight(150); // room for feedback of six lines from the start
    layout->addWidget(message_);
    keys_ = TextLine(KeysLine(), 15, false);
    keys_->setStyleSheet("color: #303030;");
    layout->addWidget(keys_);
    HoldOnScreen(this, content);

    connect(hint_, &QPushButton::clicked, this, [this] { onHint(); });
    connect(check_, &QPushButton::clicked, this, [this] {
        if (answered_)
            close();
        else
            onCheck();
    });
    answer_->setFocus();
}

QString QuizWindow::stakeText() const
{
    return stake_->text();
}

QString QuizWindow::messageText() const
{
    return message_->text();
}

void QuizWindow::showMessage(const std::string& text, const char* colour)
{
    message_->setStyleSheet(QString("color: %1;").arg(colour));
    // A mixed number such as "1 23/40" is never broken over two lines.
    static const QRegularExpression mixed("(\\d) (\\d+/\\d+)");
    message_->setText(QString::fromStdString(text).replace(mixed, QString("\\1") + QChar(0x00a0) + "\\2"));
    KeepInSight(message_);
}

void QuizWindow::onHint()
{
    if (answered_ || hintUsed_)
        return;
    // Asked for the first time: say once more what the hint costs.
    if (!hintWarned_) {
        hintWarned_ = true;
        hint_->setText(QCoreApplication::translate("Quiz", "Show the &hint"));
        showMessage(HintWarning(), "#804000");
    } else {
        hintUsed_ = true;
        hint_->setEnabled(false);
        showMessage(Filled(QCoreApplication::translate("Quiz", "Hint: %1"), setup_.question.hint), "#004080");
    }
    answer_->setFocus();
}

void QuizWindow::onCheck()
{
    const std::string typed = answer_->text().toStdString();
    const Check result = CheckAnswer(setup_.question, typed);
    if (!Judged(result)) {
        showMessage(RetypeAdvice(setup_.question, typed), "#804000");
        answer_->setFocus();
        return;
    }
    answered_ = true;
    const bool passed =
        WriteVerdict(QFile::encodeName(setup_.folder).toStdString(), VerdictFor(result, hintUsed_));
    writeJournal(result, typed);
    answer_->setReadOnly(true);
    hint_->setEnabled(false);
    check_->setText(QCoreApplication::translate("Quiz", "&OK"));
    keys_->setText(QCoreApplication::translate("Quiz", "Enter closes the quiz."));
    const bool right = result == Check::Right;
    const char* colour = !right ? "#a00000" : !hintUsed_ && passed ? "#006000" : "#806000";
    showMessage(Feedback(setup_.question, result, hintUsed_, typed, setup_.difficulty, passed), colour);
    if (right && passed)
        sounds_.playRight();
    else
        sounds_.playWrong();
}

void QuizWindow::writeJournal(std::optional<Check> check, const std::string& typed)
{
    // A journal that cannot be written costs the pupil nothing: the game
    // has its verdict, only the record misses a line.
    const Question& q = setup_.question;
    JournalEntry e;
    e.time = JournalTime();
    e.game = setup_.game;
    e.topic = q.topic;
    e.step = setup_.step;
    e.sent = setup_.difficulty;
    e.verdict = VerdictWord(check);
    e.hint = hintUsed_;
    e.question = q.text;
    e.typed = typed;
    e.answer = FractionText(q.answer);
    e.working = q.working;
    if (check == Check::NotLowest)
        e.mistake = "not-lowest";
    else if (check == Check::Wrong)
        e.mistake = MistakeWord(MistakeOf(q, ReadTypedAnswer(typed).value));
    AppendToJournal(PathIn(QFile::encodeName(setup_.folder).toStdString(), JournalFileName), e);
}

void QuizWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (answered_)
            close();
        else
            onCheck();
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void QuizWindow::closeEvent(QCloseEvent* event)
{
    // Closed without an answer: "not answered" (a failed write changes
    // nothing, the game counts a missing verdict the same way).
    if (!answered_) {
        answered_ = true;
        WriteVerdict(QFile::encodeName(setup_.folder).toStdString(), VerdictNotAnswered);
        writeJournal(std::nullopt, answer_->text().toStdString());
    }
    event->accept();
}

} // namespace zorbik::quiz
