// The game's audio room: a thread of its own that owns every sound effect and
// plays them. The game's thread blocks while the quiz program runs and sits
// in modal message boxes right after a sound; playback must not wait for it,
// so the effects live here, in a thread that always turns its own event loop.
// Every request is posted and returns at once; the thread handles them in
// the order they were made.
//
// Each file gets its own QSoundEffect, made once and never given another
// file: Qt's sound effect can block for good when its source is changed
// while a file it cannot decode is still loading. A file that is no playable
// WAV file gets no effect at all and stays silent.
#pragma once

#include <string>

class QThread;

namespace zorbik {

class AudioThread {
  public:
    // How long the owner's end waits for the thread by default; a sound
    // system that hangs must not keep the program from ending.
    static constexpr int DefaultStopWaitMs = 1500;

    explicit AudioThread(int stopWaitMs = DefaultStopWaitMs);
    // Stops every sound, frees the effects in the thread and ends it, waiting
    // at most the stop wait given at the start.
    ~AudioThread();
    AudioThread(const AudioThread&) = delete;
    AudioThread& operator=(const AudioThread&) = delete;

    // Makes the effect of a file and starts loading it, so that a later
    // request plays at once.
    void load(const std::string& path);
    // Cuts off the sound that plays; the file becomes the current one.
    void select(const std::string& path);
    // Plays the current file from its start, or lets it run on while it plays.
    void play();

    // True when an audio thread did not end in time and was left running (a
    // sound server that stopped answering): the process must then end without
    // running the sound library's own clean-up, which would wait for it.
    static bool LeftRunning();

  private:
    class Room;
    template <class Request> void post(Request request);

    int stopWaitMs_;
    QThread* thread_;
    Room* room_; // lives in the thread, with the effects; requests run there
};

} // namespace zorbik
