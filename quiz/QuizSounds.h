// The quiz's two sounds, "Sounds/Right.wav" (cheerful) and "Sounds/Wrong.wav"
// (soft), from the quiz's own folder. They live in the suite's audio thread
// (view/AudioThread.h), never in the window's thread: a sound server that
// stops answering then delays neither the window nor the end of the quiz.
// They start loading when the window opens, so that the first one plays at
// once. With NOSOUND or ZORBIK_NO_AUDIO in the environment no sound is made.
#pragma once

#include <QString>

#include <memory>
#include <string>

namespace zorbik {
class AudioThread;
}

namespace zorbik::quiz {

// How long the quiz's end waits for its audio thread: the quiz must be gone
// within a second and a half of the pupil's last key.
constexpr int QuizAudioStopWaitMs = 1000;

class QuizSounds {
  public:
    QuizSounds(const QString& folder, bool soundOn);
    ~QuizSounds();
    QuizSounds(const QuizSounds&) = delete;
    QuizSounds& operator=(const QuizSounds&) = delete;

    void playRight();
    void playWrong();
    bool silent() const { return audio_ == nullptr; }

  private:
    void play(const std::string& path);

    std::unique_ptr<AudioThread> audio_;
    std::string right_, wrong_;
};

} // namespace zorbik::quiz
