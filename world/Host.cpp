#include "Host.h"

#include <charconv>

namespace zorbik {

int CounterValue(const Host& host, Widget counter)
{
    const std::string text = host.caption(counter);
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() ? value : 0;
}

void IncrementCounter(Host& host, Widget counter)
{
    host.setCaption(counter, std::to_string(CounterValue(host, counter) + 1));
}

} // namespace zorbik
