#include "general/StringComparison.h"

#include <array>

namespace STD {

namespace {

constexpr qsizetype LongestText = 256;

// The cells are 8 bits wide; a value that does not fit is an overflow.
quint8 Cell(qint16 value)
{
    if (value > 255)
        Raise(Overflow);
    return quint8(value);
}

} // namespace

quint8 EditDistance(const QString& a, const QString& b)
{
    const qsizetype la = a.size();
    const qsizetype lb = b.size();
    if (la > LongestText || lb > LongestText)
        Raise(InvalidArgument);
    if (la * lb == 0)
        return Cell(qint16(la + lb));

    std::array<std::array<quint8, LongestText + 1>, 2> rows{};
    for (qsizetype j = 0; j <= la; ++j)
        rows[0][j] = Cell(qint16(j));
    for (qsizetype i = 1; i <= lb; ++i) {
        auto& cur = rows[i % 2];
        const auto& prev = rows[(i + 1) % 2];
        cur[0] = Cell(qint16(i));
        for (qsizetype j = 1; j <= la; ++j) {
            const qint16 cost = a[j - 1] == b[i - 1] ? 0 : 1;
            const qint16 first = MinOf({qint16(cur[j - 1] + 1), qint16(prev[j] + 1)});
            cur[j] = Cell(MinOf({first, qint16(prev[j - 1] + cost)}));
        }
    }
    return rows[lb % 2][la];
}

double Clamp(double value, double low, double high)
{
    return MinOf({MaxOf({value, low}), high});
}

} // namespace STD
