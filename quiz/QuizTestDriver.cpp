#include "QuizTestDriver.h"

#include "QuizWindow.h"
#include "common/Protocol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace zorbik::quiz {

namespace {

void Say(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void Press(QuizWindow& window, const std::string& name)
{
    const int key = name == "Escape" ? Qt::Key_Escape : name == "Enter" ? Qt::Key_Enter : Qt::Key_Return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.answerBox(), &press);
}

void Run(QuizWindow& window, const std::string& command)
{
    const auto space = command.find(' ');
    const std::string word = command.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : command.substr(space + 1);
    if (word == "shown")
        Say(std::string("shown ") + (window.isVisible() ? "1" : "0"));
    else if (word == "type")
        window.answerBox()->setText(QString::fromStdString(rest));
    else if (word == "key")
        Press(window, rest);
    else if (word == "hint")
        window.hintButton()->click();
    else if (word == "question")
        Say("question " + window.question().text);
    else if (word == "message")
        Say("message " + window.messageText().toStdString());
}

} // namespace

void StartTestDriverIfAsked(QuizWindow& window)
{
    if (!std::getenv(TestDriverVariable))
        return;
    auto* notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &window);
    auto pending = std::make_shared<std::string>();
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier, pending] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            notifier->setEnabled(false);
            window.close();
            return;
        }
        pending->append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending->find('\n')) != std::string::npos;) {
            const std::string command = pending->substr(0, end);
            pending->erase(0, end + 1);
            Run(window, command);
            Say("done");
        }
    });
}

} // namespace zorbik::quiz
