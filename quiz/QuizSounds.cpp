#include "QuizSounds.h"

#include "common/AssetNames.h"
#include "common/Protocol.h"
#include "view/AudioThread.h"

#include <QFile>

#include <cstdlib>

namespace zorbik::quiz {

QuizSounds::QuizSounds(const QString& folder, bool soundOn)
{
    if (!soundOn || std::getenv(NoAudioVariable))
        return;
    const std::string base = QFile::encodeName(folder).toStdString();
    right_ = base + "/Sounds/" + RightAnswerQuizSound;
    wrong_ = base + "/Sounds/" + WrongAnswerQuizSound;
    audio_ = std::make_unique<AudioThread>(QuizAudioStopWaitMs);
    audio_->load(right_);
    audio_->load(wrong_);
}

QuizSounds::~QuizSounds() = default;

void QuizSounds::play(const std::string& path)
{
    if (!audio_)
        return;
    audio_->select(path);
    audio_->play();
}

void QuizSounds::playRight()
{
    play(right_);
}

void QuizSounds::playWrong()
{
    play(wrong_);
}

} // namespace zorbik::quiz
