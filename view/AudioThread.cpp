#include "AudioThread.h"

#include "WaveFileLogic.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QObject>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <map>

namespace zorbik {

namespace {

// How long the end waits for files still loading (they take milliseconds).
constexpr int LoadWaitMs = 1000;

std::atomic<bool> leftRunning{false};

} // namespace

bool AudioThread::LeftRunning()
{
    return leftRunning;
}

// The effects and the current file; touched only in the audio thread.
class AudioThread::Room : public QObject {
  public:
    // The effect of a file, made on first use; null for a file that is no
    // playable WAV file, which stays silent.
    QSoundEffect* effectOf(const std::string& path)
    {
        if (const auto known = effects_.find(path); known != effects_.end())
            return known->second;
        QSoundEffect*& effect = effects_[path];
        if (IsPlayableWave(path)) {
            // Loading runs in the background; play() before it is done
            // starts the sound when it is ready.
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        }
        return effect;
    }

    void select(const std::string& path)
    {
        if (current_ && current_->isPlaying())
            current_->stop();
        current_ = effectOf(path);
    }

    void play()
    {
        if (!current_ || current_->status() == QSoundEffect::Error || current_->isPlaying())
            return;
        current_->play();
    }

    // Stops and frees every effect here, where they were made. An effect
    // freed while its file still loads leaves Qt's loader holding the file
    // until the process ends, so loading is given a moment to finish.
    void clear(int loadWaitMs)
    {
        const QDeadlineTimer deadline(loadWaitMs);
        while (!deadline.hasExpired() && std::any_of(effects_.begin(), effects_.end(), [](const auto& e) {
            return e.second && e.second->status() == QSoundEffect::Loading;
        })) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QThread::msleep(5);
        }
        for (auto& [path, effect] : effects_)
            if (effect) {
                effect->stop();
                delete effect;
            }
        effects_.clear();
        current_ = nullptr;
    }

  private:
    std::map<std::string, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

AudioThread::AudioThread(int stopWaitMs) : stopWaitMs_(stopWaitMs), thread_(new QThread), room_(new Room)
{
    thread_->setObjectName("audio");
    room_->moveToThread(thread_);
    thread_->start();
}

AudioThread::~AudioThread()
{
    // Loading gets what the stop wait leaves after half a second for
    // freeing the effects.
    post([room = room_, loadWaitMs = std::clamp(stopWaitMs_ - 500, 0, LoadWaitMs)] {
        room->clear(loadWaitMs);
        QThread::currentThread()->quit();
    });
    if (!thread_->wait(QDeadlineTimer(stopWaitMs_))) {
        leftRunning = true;
        return; // left running on purpose: destroying a running thread aborts
    }
    delete room_;
    delete thread_;
}

template <class Request> void AudioThread::post(Request request)
{
    QMetaObject::invokeMethod(room_, std::move(request), Qt::QueuedConnection);
}

void AudioThread::load(const std::string& path)
{
    post([room = room_, path] { room->effectOf(path); });
}

void AudioThread::select(const std::string& path)
{
    post([room = room_, path] { room->select(path); });
}

void AudioThread::play()
{
    post([room = room_] { room->play(); });
}

} // namespace zorbik
