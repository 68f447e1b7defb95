#include "SoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

#include <cstdlib>

namespace zorbik {

SoundPlayer::SoundPlayer(QObject* owner) : owner_(owner), enabled_(std::getenv("ZORBIK_NO_AUDIO") == nullptr)
{
}

SoundPlayer::~SoundPlayer() = default; // the effect belongs to the owner

void SoundPlayer::setSource(const std::string& path)
{
    if (!enabled_)
        return;
    if (!effect_)
        effect_ = new QSoundEffect(owner_);
    // Loading runs in the background; a file that does not decode leaves the
    // effect in its error state, in which play() does nothing.
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void SoundPlayer::play()
{
    if (!effect_ || effect_->status() == QSoundEffect::Error)
        return;
    if (effect_->isPlaying())
        return;
    effect_->play();
}

} // namespace zorbik
