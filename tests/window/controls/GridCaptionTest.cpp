#include "window/FormFixture.h"

#include "controls/CaptionFit.h"

#include <QFontMetricsF>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// A body cell of the real window at its designed size.
class GridCaptionTest : public FormTest
{
protected:
    void SetUp() override
    {
        LoadForm({});
        // A hidden widget hears of its resizing only when shown.
        form->show();
    }
};

bool IsElided(const QString& line)
{
    return line.endsWith(u'…');
}

// Whatever the name, what is painted fits the cell, no word is broken, and a
// name not shown whole is the tooltip. Single words are tried below.
TEST_F(GridCaptionTest, NamesOfAnyLengthFitWithWholeWordsOrElidedWithTheirTooltip)
{
    ArrayLabel& cell = *form->Label2[BodyElement(1)];
    const QString names[] = {
        u"Lineare Algebra für Informatiker"_s,
        u"Einführung in die Wirtschaftsinformatik"_s,
        u"Übung zu Algorithmen und Datenstrukturen (Gruppe B in Raum 3.14)"_s,
        u"Rechtswissenschaftliches Grundlagenseminar zur europäischen Datenschutzgrundverordnung"_s,
    };
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        cell.setText(name);
        const QFont font = cell.CaptionFont();
        const QStringList lines = cell.CaptionLines();
        const QFontMetricsF metrics(font);
        EXPECT_GE(font.pointSizeF(), cell.SmallestPointSize());
        EXPECT_LE(lines.size() * metrics.height(), cell.height());
        const QStringList words = name.split(u' ');
        for (const QString& line : lines) {
            EXPECT_LE(metrics.horizontalAdvance(line), cell.width()) << line.toStdString();
            // Every word but an elided last one is a whole word of the name.
            QStringList lineWords = line.split(u' ');
            if (IsElided(lineWords.last()))
                lineWords.removeLast();
            for (const QString& word : lineWords)
                EXPECT_TRUE(words.contains(word)) << word.toStdString();
        }
        if (cell.ShowsCaptionWhole()) {
            EXPECT_EQ(lines.join(u' '), name);
            EXPECT_TRUE(cell.toolTip().isEmpty());
        } else {
            EXPECT_DOUBLE_EQ(font.pointSizeF(), cell.SmallestPointSize());
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), IsElided));
            EXPECT_EQ(cell.toolTip(), name);
        }
    }
}

TEST_F(GridCaptionTest, ASizeBetweenIsTakenBeforeAnythingIsElided)
{
    ArrayLabel& cell = *form->Label2[BodyElement(1)];
    const double designed = cell.font().pointSizeF();
    cell.setText(u"Mathematik"_s);
    EXPECT_DOUBLE_EQ(cell.CaptionFont().pointSizeF(), designed);
    // Too wide at the designed size, whole a little smaller.
    cell.setText(u"Programmierung"_s);
    ASSERT_FALSE(CaptionFits(cell.font(), cell.text(), cell.size(), {QTextOption::WordWrap}));
    EXPECT_LT(cell.CaptionFont().pointSizeF(), designed);
    EXPECT_TRUE(cell.ShowsCaptionWhole());
    EXPECT_EQ(cell.CaptionLines(), QStringList{u"Programmierung"_s});
    // One word too long even at the smallest size: elided, not broken.
    cell.setText(u"Donaudampfschifffahrtsgesellschaftskapitänsmützenseminar"_s);
    ASSERT_EQ(cell.CaptionLines().size(), 1);
    EXPECT_TRUE(cell.CaptionLines().front().startsWith(u"Donau"));
    EXPECT_TRUE(IsElided(cell.CaptionLines().front()));
}

} // namespace
