// The quiz's two sounds, "Sounds/Right.wav" (cheerful) and "Sounds/Wrong.wav"
// (soft), from the quiz's own folder. They are loaded when the window opens
// so that the first one plays at once. With NOSOUND, without an audio device
// or with ZORBIK_NO_AUDIO in the environment the quiz stays silent.
#pragma once

#include <QString>

class QObject;
class QSoundEffect;

namespace zorbik::quiz {

class QuizSounds {
  public:
    QuizSounds(QObject* owner, const QString& folder, bool soundOn);

    void playRight();
    void playWrong();
    bool silent() const { return right_ == nullptr; }

  private:
    QSoundEffect* right_ = nullptr; // owned by the window
    QSoundEffect* wrong_ = nullptr;
};

} // namespace zorbik::quiz
