#include "window/FormFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {

using RestartTextTest = FormTest;

// What the user typed and saw is what the next start shows: "#" texts
// included, and a pasted letter the file cannot hold refused at once.
TEST_F(RestartTextTest, TheWindowShowsAfterARestartWhatItShowedBefore)
{
    LoadForm(Line(u"Analysis"_s, 3));
    ShowActive();
    TypeOver(form->Combo1, u"Raum #13, Gruppe #44"_s);
    QTest::keyClick(form->Combo1, Qt::Key_Return);
    form->Combo1->SetListIndex(1);
    form->Text1->setFocus();
    QTest::keyClicks(form->Text1, u"Ticket #1337, Raum #44 "_s);
    QApplication::clipboard()->setText(u"Łódź"_s);
    QTest::keyClick(form->Text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(QToolTip::text().contains(u"„Ł“"_s)) << QToolTip::text().toStdString();
    const QString name = form->Combo1->Text();
    const QString notes = form->Text1->toPlainText();
    EXPECT_EQ(name, u"Raum #13, Gruppe #44"_s);
    EXPECT_EQ(notes, u"Ticket #1337, Raum #44 ód"_s);
    const std::vector<Termin> before = AllCourses();

    ASSERT_TRUE(form->close());
    MakeForm().Form_Load();
    form->Combo1->SetListIndex(1);
    EXPECT_EQ(form->Combo1->Text(), name);
    EXPECT_EQ(form->Text1->toPlainText(), notes);
    EXPECT_EQ(AllCourses(), before);
    EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
}

} // namespace
