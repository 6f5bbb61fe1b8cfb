#pragma once

#include "general/StdError.h"

#include <QString>

#include <initializer_list>
#include <span>

namespace STD {

// Levenshtein distance over 16-bit characters, in 8-bit cells: a text of
// more than 256 characters raises error 5, one of exactly 256 error 6.
quint8 EditDistance(const QString& a, const QString& b);

// The smallest (largest) value; of equal ones the first. None raises error 5.
template <typename T> T MinOf(std::span<const T> values)
{
    if (values.empty())
        Raise(InvalidArgument);
    T m = values.front();
    for (const T& x : values.subspan(1))
        m = m > x ? x : m;
    return m;
}

template <typename T> T MaxOf(std::span<const T> values)
{
    if (values.empty())
        Raise(InvalidArgument);
    T m = values.front();
    for (const T& x : values.subspan(1))
        m = m < x ? x : m;
    return m;
}

template <typename T> T MinOf(std::initializer_list<T> values)
{
    return MinOf(std::span<const T>(values.begin(), values.size()));
}

template <typename T> T MaxOf(std::initializer_list<T> values)
{
    return MaxOf(std::span<const T>(values.begin(), values.size()));
}

// value bounded to low..high; when low > high the result is high.
double Clamp(double value, double low, double high);

} // namespace STD
