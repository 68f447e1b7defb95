// The quiz program of the suite: one question in a small window. The game
// starts it as "quiz LCM 3 SOUND" (or "quiz 3 SOUND" for fractions) and
// reads the verdict it leaves in "Return.ret" beside it: 1 for a right
// answer found without the hint, another byte otherwise.
#include "QuizLogic.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

using namespace zorbik::quiz;

namespace {

QString TopicTitle(Topic topic)
{
    switch (topic) {
    case Topic::Lcm:
        return "Least common multiple";
    case Topic::Gcf:
        return "Greatest common factor";
    case Topic::Fractions:
        break;
    }
    return "Fractions";
}

QFont SizedFont(int pixels, bool bold)
{
    QFont f("Arial");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QuizArgs args = ParseArgs(argc, argv);
    std::mt19937 rng(std::random_device{}());
    const Question question = MakeQuestion(args.topic, args.difficulty, rng);

    unsigned char verdict = VerdictNotAnswered;
    bool hintUsed = false;
    bool answered = false;

    QWidget window;
    window.setWindowTitle("Zorbik asks: " + TopicTitle(args.topic));
    window.setMinimumWidth(560);

    auto* layout = new QVBoxLayout(&window);
    layout->setSpacing(12);
    layout->setContentsMargins(20, 20, 20, 20);

    auto* text = new QLabel(QString::fromStdString(question.text));
    text->setFont(SizedFont(28, true));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);

    auto* form = new QLabel(QString::fromStdString(question.form));
    form->setFont(SizedFont(15, false));
    form->setWordWrap(true);
    form->setAlignment(Qt::AlignCenter);
    layout->addWidget(form);

    auto* answer = new QLineEdit;
    answer->setFont(SizedFont(28, true));
    answer->setAlignment(Qt::AlignCenter);
    answer->setMaxLength(24);
    answer->setPlaceholderText("your answer");
    layout->addWidget(answer);

    auto* buttons = new QHBoxLayout;
    auto* hint = new QPushButton("Hint");
    auto* check = new QPushButton("Check");
    for (QPushButton* b : {hint, check}) {
        b->setFont(SizedFont(20, true));
        b->setMinimumHeight(44);
    }
    check->setDefault(true);
    buttons->addWidget(hint);
    buttons->addWidget(check);
    layout->addLayout(buttons);

    auto* message = new QLabel;
    message->setFont(SizedFont(18, true));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setMinimumHeight(100); // room for a hint of four lines from the start
    layout->addWidget(message);

    QObject::connect(hint, &QPushButton::clicked, [&] {
        hintUsed = true;
        hint->setEnabled(false);
        message->setStyleSheet("color: #004080;");
        message->setText("Hint: " + QString::fromStdString(question.hint) +
                         "\n(An answer found with a hint earns no points.)");
        answer->setFocus();
    });

    auto checkAnswer = [&] {
        if (answered) {
            window.close();
            return;
        }
        const Check result = CheckAnswer(question, answer->text().toStdString());
        if (result == Check::Unreadable) {
            message->setStyleSheet("color: #804000;");
            message->setText("Please type your answer as shown above. " +
                             QString::fromStdString(question.form));
            answer->setFocus();
            return;
        }
        answered = true;
        verdict = VerdictFor(result, hintUsed);
        answer->setReadOnly(true);
        hint->setEnabled(false);
        check->setText("OK");
        check->setFocus();
        const QString right = QString::fromStdString(question.answerText);
        if (result == Check::Right && !hintUsed) {
            message->setStyleSheet("color: #006000;");
            message->setText("Right! Well done.");
        } else if (result == Check::Right) {
            message->setStyleSheet("color: #806000;");
            message->setText("Right, but you used the hint, so it does not count this time.");
        } else {
            message->setStyleSheet("color: #a00000;");
            message->setText("Not right. The answer is " + right + ".");
        }
    };
    QObject::connect(check, &QPushButton::clicked, checkAnswer);
    QObject::connect(answer, &QLineEdit::returnPressed, checkAnswer);

    window.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.raise();
    window.activateWindow();
    answer->setFocus();
    const int rc = app.exec();

    // Closing the window without an answer leaves the "not answered" byte.
    WriteVerdict(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(), verdict);
    return rc;
}
