#pragma once

#include <QByteArray>
#include <QString>

namespace STD::Windows1252 {

// Every byte has a character: the five bytes the code page leaves unassigned
// read as the C1 control of the same number, so any file round-trips.
QChar ToChar(quint8 byte);
QString Decode(QByteArrayView bytes);

// Characters the code page cannot hold become "?"; replaced counts them.
QByteArray Encode(QStringView text, qsizetype* replaced = nullptr);

} // namespace STD::Windows1252
