// The chooser filled in one step and notes too long for the info field.
#include "controls/ChooserBox.h"
#include "controls/InfoField.h"
#include "support/QtPrinting.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(LongContentTest, ItemsAddedInOneStepKeepTheEditTextAndTheSelection)
{
    ChooserBox chooser;
    chooser.AddItem(u"A"_s);
    chooser.SetListIndex(0);
    chooser.SetText(u"getippt"_s);
    QSignalSpy clicks(&chooser, &ChooserBox::Click);
    chooser.AddItems({u"B"_s, u"C"_s});
    chooser.AddItems({});
    EXPECT_EQ(chooser.ListCount(), 3);
    EXPECT_EQ(chooser.List(2), u"C");
    EXPECT_EQ(chooser.itemText(1), u"B");
    EXPECT_EQ(chooser.ListIndex(), 0);
    EXPECT_EQ(chooser.Text(), u"getippt");
    EXPECT_EQ(clicks.count(), 0);
}

// Shown in its beginning, read-only, and given back whole; a short text
// after it can be typed into again.
TEST(LongContentTest, NotesTooLongToShowAreKeptWhole)
{
    InfoField field;
    const QString notes = QString(InfoField::LongestShownText, u'x') + u"\r\nEnde"_s;
    field.SetText(notes);
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_FALSE(field.toPlainText().contains(u"Ende"_s));
    QTest::keyClicks(&field, u"y"_s);
    EXPECT_EQ(field.Text(), notes);
    field.SetText(u"kurz"_s);
    EXPECT_FALSE(field.isReadOnly());
    EXPECT_EQ(field.toPlainText(), u"kurz");
}

} // namespace
