#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A scratch directory for tests that work on real files.
class TempDir
{
public:
    TempDir() { EXPECT_TRUE(dir_.isValid()); }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return Path(name);
    }

    QByteArray Read(const QString& name) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

private:
    QTemporaryDir dir_;
};

// Lets GoogleTest print QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '"';
    for (const char c : bytes) {
        if (c == '\r' || c == '\n' || quint8(c) >= 0x80)
            *out << "\\x" << std::hex << int(quint8(c)) << std::dec;
        else
            *out << c;
    }
    *out << '"';
}
