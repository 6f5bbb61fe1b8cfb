#include "general/TextRoutines.h"

#include "general/StdError.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace STD {

QString LineBreak()
{
    return u"\r\n"_s;
}

QString PadText(const QString& text, const QString& fill, qint16 length, bool padLeft)
{
    if (length < 0)
        Raise(InvalidArgument);
    if (text.size() > length)
        return text.right(length);

    const qsizetype missing = length - text.size();
    const qsizetype f = fill.size();
    if (missing > 0 && f == 0)
        Raise(DivisionByZero);

    QString added;
    added.reserve(missing);
    for (qsizetype k = 1; k <= missing; ++k)
        added += fill[f - 1 - (k - 1) % f];
    if (!padLeft)
        return text + added;
    // Each character went in front of the ones before it.
    std::reverse(added.begin(), added.end());
    return added + text;
}

QString NumberText(double value)
{
    constexpr double exactIntegers = 1e15;
    if (value == std::trunc(value) && std::abs(value) < exactIntegers)
        return QString::number(qint64(value));
    return TrimText(QString::number(value, 'g', 15));
}

QString TrimText(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    qsizetype start = 0;
    while (start < end && text[start] == u' ')
        ++start;
    return text.mid(start, end - start);
}

QString RepeatText(const QString& text, const QString& count)
{
    bool isNumber = false;
    const qint64 times = count.toLongLong(&isNumber);
    if (!isNumber)
        Raise(InvalidArgument);
    if (times < 1 || text.isEmpty())
        return {};
    if (times > std::numeric_limits<int>::max() / text.size())
        Raise(Overflow);
    return text.repeated(times);
}

QString ReplaceText(QStringView text, QStringView before, QStringView after)
{
    if (before.isEmpty())
        return text.toString();
    // Looking for the first character goes much faster than looking for the
    // whole text, and most texts hold neither.
    const auto next = [&](qsizetype from) {
        for (qsizetype at = text.indexOf(before.front(), from); at >= 0;
             at = text.indexOf(before.front(), at + 1)) {
            if (text.sliced(at).startsWith(before))
                return at;
        }
        return qsizetype(-1);
    };
    qsizetype found = next(0);
    if (found < 0)
        return text.toString();
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (; found >= 0; found = next(from)) {
        result.append(text.sliced(from, found - from)).append(after);
        from = found + before.size();
    }
    return result.append(text.sliced(from));
}

} // namespace STD
