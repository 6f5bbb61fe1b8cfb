#pragma once

#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinting.h"

#include <gtest/gtest.h>

// A scratch directory for tests that work on real files.
class TempDir
{
public:
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
