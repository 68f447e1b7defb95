// While a question runs the game waits for the quiz program and reads no
// input; what the player clicked or pressed on the game's window meanwhile
// waits in the window system's queue. Replayed afterwards, a click on a
// treasure would walk Zorbik there and a click on the exit would ask its
// question, so that input is dropped when the question ends.
#pragma once

namespace zorbik {

// Fetches and delivers everything the window system holds for the game,
// dropping the clicks, keys, wheel turns and touches among it. Called at the
// end of a question; the first input after it acts as usual.
void DropInputGivenMeanwhile();

} // namespace zorbik
