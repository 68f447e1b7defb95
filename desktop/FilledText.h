// A translated text template with its numbered places (%1, %2, ...) filled
// in, as UTF-8 for the display-free parts of the suite. The template comes
// from QCoreApplication::translate (marked where it is written, so that
// lupdate finds it); numbers are written as the English texts write them.
#pragma once

#include <QString>

#include <string>
#include <type_traits>

namespace zorbik {

inline QString TextArgument(const std::string& s)
{
    return QString::fromStdString(s);
}

inline QString TextArgument(const QString& s)
{
    return s;
}

inline QString TextArgument(const char* s)
{
    return QString::fromUtf8(s);
}

template <typename Number>
requires std::is_integral_v<Number> QString TextArgument(Number n)
{
    return QString::number(static_cast<long long>(n));
}

template <typename... Arguments> std::string Filled(const QString& text, const Arguments&... arguments)
{
    if constexpr (sizeof...(Arguments) == 0)
        return text.toStdString();
    else
        return text.arg(TextArgument(arguments)...).toStdString();
}

} // namespace zorbik
