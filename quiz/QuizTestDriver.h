// A test-only way to drive the real quiz program, like the game's driver:
// when the environment variable ZORBIK_TEST_DRIVER is set, the quiz reads
// commands from its standard input and answers each with a line "done":
//   shown        prints "shown 1" once the window is on the screen
//   type TEXT    puts TEXT into the answer box
//   key NAME     presses Return, Enter or Escape in the answer box
//   hint         presses the Hint button
//   question     prints the question
//   message      prints the line of hints and feedback
// The end of its input closes the window as Escape would.
#pragma once

namespace zorbik::quiz {

class QuizWindow;

// Starts the driver for the window when the environment asks for one.
void StartTestDriverIfAsked(QuizWindow& window);

} // namespace zorbik::quiz
