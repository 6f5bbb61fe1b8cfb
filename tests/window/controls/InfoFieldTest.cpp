#include "controls/InfoField.h"
#include "support/QtPrinting.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Qt keeps LF and reports a change when the same text is set again.
TEST(InfoFieldTest, LineBreaksAreCrLfAndOnlyRealChangesAreReported)
{
    InfoField field;
    QSignalSpy changes(&field, &InfoField::Change);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    field.SetText(u"Raum 1\r\nProf. X"_s);
    field.setPlainText(u"Raum 1\nProf. X"_s);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(field.blockCount(), 2);
    // Until the user edits it, the text reads back exactly as it was set.
    field.SetText(u"a\rb\nc"_s);
    EXPECT_EQ(field.Text(), u"a\rb\nc");
}

} // namespace
