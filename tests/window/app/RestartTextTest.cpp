#include "window/FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

using RestartTextTest = FormTest;

// As a keyboard layout sends it: one key, one character.
void TypeKey(QWidget* field, const QString& character)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(field, &press);
}

// What the window showed before the close it shows after a restart: "#"
// texts as typed; a character the file cannot hold is refused where it is
// typed or pasted, with a notice that names it, and the rest kept.
TEST_F(RestartTextTest, TheWindowShowsAfterARestartWhatItShowedBefore)
{
    LoadForm(Line(u"Analysis"_s, 3));
    ShowActive();
    TypeOver(form->Combo1, u"Raum #13, Gruppe #44"_s);
    TypeKey(form->Combo1, u"😀"_s);
    EXPECT_TRUE(QToolTip::text().contains(u"„😀“ (U+1F600)"_s));
    QTest::keyClick(form->Combo1, Qt::Key_Return);
    form->Combo1->SetListIndex(1);
    QTest::keyClicks(form->Text1, u"Ticket #1337, Raum #44"_s);
    TypeKey(form->Text1, u"ł"_s);
    QApplication::clipboard()->setText(u" Łódź, Ωμέγα"_s);
    QTest::keyClick(form->Text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(QToolTip::text().startsWith(
        u"„Ł“ (U+0141), „ź“ (U+017A), „Ω“ (U+03A9), „μ“ (U+03BC), „έ“ (U+03AD) …"_s));
    const QString notes = u"Ticket #1337, Raum #44 ód, "_s;
    EXPECT_EQ(form->Text1->toPlainText(), notes);
    const std::vector<Termin> before = AllCourses();

    ASSERT_TRUE(form->close());
    MakeForm().Form_Load();
    form->Combo1->SetListIndex(1);
    EXPECT_EQ(form->Combo1->Text(), u"Raum #13, Gruppe #44"_s);
    EXPECT_EQ(form->Text1->toPlainText(), notes);
    EXPECT_EQ(AllCourses(), before);
    EXPECT_TRUE(messages.empty());
}

} // namespace
