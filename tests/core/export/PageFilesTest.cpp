// The page as files: the PDF read back by poppler's tools, the picture's size.
#include "export/PageFiles.h"

#include "support/TempDir.h"

#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

Timetable Crowded()
{
    // A name that no cell holds whole, even at the smallest size.
    return {.value = 42,
            .placed = {{u"Analysis"_s, 0x00FFFF, u"Hörsaal 1"_s, CellOf(0, 0)},
                       {QString(400, u'W'), 0, {}, CellOf(1, 1)}},
            .leftOut = {u"Chemie"_s, u"Ethik"_s}};
}

TEST(PageFiles, ThePdfIsOneA4LandscapePageWhoseTextIsText)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() ||
        QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    const TempDir dir;
    const QString pdf = dir.Write(u"plan.pdf"_s, TimetablePdf(Crowded()));

    const QString info = Output(u"pdfinfo"_s, {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(u"Pages:\\s+1\\n"_s))) << qPrintable(info);
    EXPECT_TRUE(info.contains(u"842 x 595 pts (A4)"_s)) << qPrintable(info);

    const QString text = Output(u"pdftotext"_s, {pdf, u"-"_s}).simplified();
    for (const QString& shown : {u"Stundenplan"_s, u"Wert: 42"_s, u"Montag"_s, u"15.00 - 17.00"_s,
                                 u"Analysis"_s, u"Chemie, Ethik"_s, u"Hörsaal 1"_s})
        EXPECT_TRUE(text.contains(shown)) << qPrintable(shown);
    // The name too long for its cell is cut with a mark, never silently.
    EXPECT_TRUE(text.contains(u"W…"_s));
    EXPECT_FALSE(text.contains(QString(400, u'W')));
}

TEST(PageFiles, ThePictureIsTheA4LandscapePageAtTwiceScreenResolution)
{
    const QSize page = QPageSize(QPageSize::A4).sizePixels(2 * 96).transposed();
    const QImage picture = TimetablePicture(Crowded());
    EXPECT_EQ(picture.size(), page);
    QImage read;
    ASSERT_TRUE(read.loadFromData(TimetablePng(Crowded()), "PNG"));
    EXPECT_EQ(read.size(), page);
}

} // namespace
