#include "Host.h"

#include <charconv>

namespace zorbik {

int CounterValue(const Panel& panel, Widget counter)
{
    const std::string text = panel.caption(counter);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() ? value : 0;
}

void IncrementCounter(Panel& panel, Widget counter)
{
    panel.setCaption(counter, std::to_string(CounterValue(panel, counter) + 1));
}

} // namespace zorbik
