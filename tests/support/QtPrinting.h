#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// GoogleTest prints Qt's texts readably, line breaks made visible.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"' << QByteArray(bytes).replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}
