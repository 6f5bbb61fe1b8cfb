#pragma once

#include <QByteArray>
#include <QString>

namespace STD::Windows1252 {

// Every byte has a character: the five bytes the code page leaves unassigned
// read as the C1 control of the same number, so any file round-trips.
QChar ToChar(quint8 byte);
QString Decode(QByteArrayView bytes);

// Whether the code page has a byte for the character: the one rule for what
// may enter a course and what the file writes as it stands.
bool CanHold(char32_t character);

// Characters the code page cannot hold become "?"; replaced counts them.
QByteArray Encode(QStringView text, qsizetype* replaced = nullptr);
// The same, appended to out; returns how many became "?".
qsizetype AppendEncoded(QStringView text, QByteArray& out);

// text without the characters the code page cannot hold; refused, if given,
// receives those, each once, in the order they first stand in text. A lone
// surrogate counts as one that cannot be held.
QString HoldablePart(QStringView text, QString* refused = nullptr);

} // namespace STD::Windows1252
