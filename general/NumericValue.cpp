#include "general/NumericValue.h"

#include "general/StdError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace STD {

namespace {

bool IsSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int digit = -1;
    if (u >= u'0' && u <= u'9')
        digit = u - u'0';
    else if (u >= u'a' && u <= u'f')
        digit = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        digit = u - u'A' + 10;
    return digit < base ? digit : -1;
}

bool IsDecimalDigit(QChar c)
{
    return DigitValue(c, 10) >= 0;
}

double RadixInteger(QStringView s, qsizetype from, int base)
{
    double value = 0;
    for (qsizetype i = from; i < s.size(); ++i) {
        const int digit = DigitValue(s[i], base);
        if (digit < 0)
            break;
        value = value * base + digit;
    }
    return value;
}

// Reads the leading decimal number of s into a plain ASCII form that
// std::from_chars understands; empty when s does not begin with a number.
std::string LeadingDecimal(QStringView s, qsizetype* end = nullptr)
{
    std::string number;
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            number += '-';
        ++i;
    }
    bool hasDigits = false;
    for (; i < s.size() && IsDecimalDigit(s[i]); ++i, hasDigits = true)
        number += char(s[i].unicode());
    if (i < s.size() && s[i] == u'.') {
        number += '.';
        for (++i; i < s.size() && IsDecimalDigit(s[i]); ++i, hasDigits = true)
            number += char(s[i].unicode());
    }
    if (!hasDigits) {
        if (end)
            *end = 0;
        return {};
    }

    if (i < s.size() && QStringView(u"eEdD").contains(s[i])) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent += char(s[j++].unicode());
        const qsizetype firstDigit = j;
        for (; j < s.size() && IsDecimalDigit(s[j]); ++j)
            exponent += char(s[j].unicode());
        if (j > firstDigit) {
            number += exponent;
            i = j;
        }
    }
    if (end)
        *end = i;
    return number;
}

qsizetype RadixEnd(QStringView s, qsizetype from, int base)
{
    qsizetype i = from;
    while (i < s.size() && DigitValue(s[i], base) >= 0)
        ++i;
    return i;
}

double DecimalValue(const std::string& number)
{
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc::result_out_of_range)
        return value;
    // from_chars leaves the value alone when it does not fit a double.
    const bool negative = number.front() == '-';
    const bool tiny = number.find("e-") != std::string::npos;
    const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -magnitude : magnitude;
}

// The text without what is skipped; most texts hold nothing to skip and
// are read in place.
QStringView Compact(QStringView text, QString& storage)
{
    if (std::none_of(text.begin(), text.end(), IsSkipped))
        return text;
    storage.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(storage),
                 [](QChar c) { return !IsSkipped(c); });
    return storage;
}

// Where the number at the start of s ends: "&H"/"&O" and their digits, or
// the leading decimal number; 0 when none stands there.
qsizetype NumberEnd(QStringView s)
{
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar radix = s[1].toUpper();
        if (radix == u'H')
            return RadixEnd(s, 2, 16);
        if (radix == u'O')
            return RadixEnd(s, 2, 8);
    }
    qsizetype end = 0;
    LeadingDecimal(s, &end);
    return end;
}

} // namespace

QString TextAfterNumber(QStringView text)
{
    QString storage;
    const QStringView s = Compact(text, storage);
    return s.mid(NumberEnd(s)).toString();
}

double NumericValue(const QString& text)
{
    QString storage;
    const QStringView s = Compact(text, storage);

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar radix = s[1].toUpper();
        if (radix == u'H')
            return RadixInteger(s, 2, 16);
        if (radix == u'O')
            return RadixInteger(s, 2, 8);
    }

    const std::string number = LeadingDecimal(s);
    return number.empty() ? 0.0 : DecimalValue(number);
}

double RoundHalfEven(double value)
{
    const double nearest = std::round(value); // halves away from zero
    if (std::abs(value - std::trunc(value)) != 0.5)
        return nearest;
    return 2.0 * std::round(value / 2.0);
}

namespace {

template <typename Integer> Integer RoundInto(double value)
{
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<Integer>::min() &&
          rounded <= std::numeric_limits<Integer>::max()))
        Raise(Overflow);
    return static_cast<Integer>(rounded);
}

} // namespace

qint16 RoundToInt16(double value)
{
    return RoundInto<qint16>(value);
}

qint32 RoundToInt32(double value)
{
    return RoundInto<qint32>(value);
}

} // namespace STD
