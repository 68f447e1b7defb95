// The window that shows the summary of a game when it has ended.
#pragma once

#include <string>

class QWidget;

namespace zorbik {

// Shows the summary text (Summary.h) over `parent` until the player closes
// it; nothing for an empty text.
void ShowSummary(QWidget* parent, const std::string& text);

} // namespace zorbik
