#include "MazeVoice.h"

#include "view/AccessibleWidgets.h"
#include "view/MazeDescription.h"

#include <QCoreApplication>
#include <QWidget>

namespace zorbik {

MazeVoice::MazeVoice(QWidget* surface, const GameState& state) : surface_(surface), state_(state)
{
    surface_->setAccessibleName(QCoreApplication::translate("Access", "Maze"));
}

void MazeVoice::refresh()
{
    if (state_.MazeSize <= 0 || state_.GameEnded)
        return;
    const QString sentence = QString::fromStdString(DescribeSurroundings(state_));
    if (sentence == lastSentence_)
        return;
    lastSentence_ = sentence;
    surface_->setAccessibleDescription(sentence);
}

void MazeVoice::announce(const QString& text)
{
    lastSentence_ = QString::fromStdString(DescribeSurroundings(state_));
    tell(text + ' ' + lastSentence_);
}

void MazeVoice::whereAmI()
{
    lastSentence_ = QString::fromStdString(DescribeSurroundings(state_));
    tell(lastSentence_);
}

void MazeVoice::tell(const QString& text)
{
    // The same text twice is still spoken: clear it first.
    if (surface_->accessibleDescription() == text)
        surface_->setAccessibleDescription({});
    TellAnnouncement(surface_, text);
}

} // namespace zorbik
