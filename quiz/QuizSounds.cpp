#include "QuizSounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdlib>

namespace zorbik::quiz {

namespace {

QSoundEffect* Load(QObject* owner, const QString& path)
{
    auto* effect = new QSoundEffect(owner);
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

void Play(QSoundEffect* effect)
{
    // A file that is missing or does not decode never becomes ready: silence.
    if (effect && effect->status() != QSoundEffect::Error)
        effect->play();
}

} // namespace

QuizSounds::QuizSounds(QObject* owner, const QString& folder, bool soundOn)
{
    if (!soundOn || std::getenv("ZORBIK_NO_AUDIO") || QMediaDevices::audioOutputs().isEmpty())
        return;
    right_ = Load(owner, folder + "/Sounds/Right.wav");
    wrong_ = Load(owner, folder + "/Sounds/Wrong.wav");
}

void QuizSounds::playRight()
{
    Play(right_);
}

void QuizSounds::playWrong()
{
    Play(wrong_);
}

} // namespace zorbik::quiz
