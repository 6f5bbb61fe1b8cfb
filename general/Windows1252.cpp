#include "general/Windows1252.h"

#include <array>

namespace STD::Windows1252 {

namespace {

// 0x80..0x9F; the other bytes equal their Latin-1 code points.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> CharacterTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = byte >= 0x80 && byte < 0xA0 ? HighControlRange[byte - 0x80] : char16_t(byte);
    return table;
}

constexpr std::array<char16_t, 256> Characters = CharacterTable();

int ToByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

// The whole character at position i: a surrogate pair is one.
qsizetype CharacterLength(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

bool CanHold(char32_t character)
{
    return ToByte(character) >= 0;
}

QChar ToChar(quint8 byte)
{
    return QChar(Characters[byte]);
}

// One pass through the table: most texts of a list are short, and German
// ones hold bytes beyond ASCII in nearly every line.
QString Decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char byte : bytes)
        *out++ = Characters[quint8(byte)];
    return text;
}

QByteArray Encode(QStringView text, qsizetype* replaced)
{
    QByteArray bytes;
    const qsizetype unmappable = AppendEncoded(text, bytes);
    if (replaced)
        *replaced = unmappable;
    return bytes;
}

qsizetype AppendEncoded(QStringView text, QByteArray& out)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* const begin = out.data() + start;
    char* next = begin;
    qsizetype unmappable = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = ToByte(text[i].unicode());
        if (byte >= 0) {
            *next++ = char(byte);
            continue;
        }
        // A character beyond the 16-bit range is one "?", not two.
        i += CharacterLength(text, i) - 1;
        *next++ = '?';
        ++unmappable;
    }
    out.truncate(start + (next - begin));
    return unmappable;
}

QString HoldablePart(QStringView text, QString* refused)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = CharacterLength(text, i);
        const QStringView character = text.sliced(i, length);
        i += length;
        if (length == 1 && CanHold(character[0].unicode())) {
            kept += character[0];
            continue;
        }
        if (refused && !refused->contains(character))
            *refused += character;
    }
    return kept;
}

} // namespace STD::Windows1252
