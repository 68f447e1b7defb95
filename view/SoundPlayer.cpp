#include "SoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

#include <cstdlib>

namespace zorbik {

SoundPlayer::SoundPlayer(QObject* owner) : owner_(owner), enabled_(std::getenv("ZORBIK_NO_AUDIO") == nullptr)
{
}

SoundPlayer::~SoundPlayer() = default; // the effects belong to the owner

void SoundPlayer::setSource(const std::string& path)
{
    if (!enabled_)
        return;
    if (current_ && current_->isPlaying())
        current_->stop();
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        // Loading runs in the background; a file that does not decode never
        // becomes ready, and play() on it does nothing.
        effect = new QSoundEffect(owner_);
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    current_ = effect;
}

void SoundPlayer::play()
{
    if (!current_ || current_->status() == QSoundEffect::Error)
        return;
    if (current_->isPlaying())
        return;
    current_->play();
}

} // namespace zorbik
