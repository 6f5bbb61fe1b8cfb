#include "window/FormFixture.h"

#include "model/CourseOrder.h"

#include <QCheckBox>
#include <QLineEdit>

#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

using SortingTest = FormTest;

// The sort as written: one exchange at a time, the chooser's items and its
// selection following each, every move of the selection showing the course.
void SortAsWritten(Form1& form, const QString& key)
{
    ChooserBox& chooser = *form.Combo1;
    SortStepByStep(form.Courses, key, [&](int i, int j) {
        const QString itemI = chooser.List(i);
        chooser.SetList(i, chooser.List(j));
        chooser.SetList(j, itemI);
        if (chooser.ListIndex() == i)
            chooser.SetListIndex(j);
        else if (chooser.ListIndex() == j)
            chooser.SetListIndex(i);
    });
    form.Combo1_Click();
}

// All a sort can touch: the courses, the chooser and the editor's fields.
QStringList StateOf(const Form1& form)
{
    QStringList state = ChooserNames(form);
    for (const Termin& c : form.Courses)
        state << u"%1 %2 %3 %4 %5"_s.arg(c.Priority)
                     .arg(c.Times, c.Info)
                     .arg(c.VisitAll)
                     .arg(c.Color);
    state << QString::number(form.Combo1->ListIndex()) << form.Combo1->Text() << form.Text1->Text()
          << form.Text2->Text() << QString::number(form.Check1->checkState())
          << QString::number(BackColor(*form.Text1));
    for (const TextField* colour : form.Text4)
        state << colour->Text();
    for (int slot = 0; slot < form.List2->ListCount(); ++slot)
        state << QString::number(form.List2->Selected(slot));
    return state;
}

// Random lists with few names, so the selected name has twins. Odd ones
// hold values only a hand-made file holds, which showing a course corrects:
// priorities below -32000, colour bits above bit 23. The last ones are long
// and nearly in order, so few courses move between two moves of the
// selection. One window sorts as written, the other as built.
TEST_F(SortingTest, EndsAsTheExchangeStepByStepEndsEditorIncluded)
{
    std::mt19937 random(13);
    const QString names[] = {u"Analysis"_s, u" Analysis"_s, u"analysis"_s, u"Übung"_s, u"Ä"_s};
    const int priorities[] = {-32000, -5, 0, 1, 2, 3, -32768, -32500};
    const qint32 colours[] = {255, 0x00FF00, 0x7F0000FF};
    for (int list = 0; list < 60; ++list) {
        const int corrected = list % 2;
        const bool nearlyInOrder = list >= 40;
        const int count = nearlyInOrder ? 60 : 1 + int(random() % 25);
        std::vector<int> priority(count);
        for (int i = 0; i < count; ++i)
            priority[i] = nearlyInOrder ? count - i : priorities[random() % (6 + 2 * corrected)];
        if (nearlyInOrder)
            std::swap(priority[random() % count], priority[random() % count]);
        QByteArray bytes;
        for (const int p : priority)
            bytes += Line(names[random() % 5], p, {int(1 + random() % 20)}, random() % 2 == 0,
                          colours[random() % (2 + corrected)]);
        // -1: a name being typed, no item selected.
        const int selected = int(random() % (count + 1)) - 1;
        LoadForm(bytes);
        Form1 reference(ListFile());
        // It reads the same list: its notices are the window's, told there.
        reference.SetMessageFunction([](const Message&) { return MessageAnswer::Ok; });
        reference.Form_Load();
        for (Form1* window : {form.get(), &reference}) {
            window->Combo1->SetListIndex(selected);
            if (selected == -1)
                window->Combo1->SetText(u"Neu"_s);
        }
        for (const QString& key : {u"priority"_s, u"alphabet"_s}) {
            SortAsWritten(reference, key);
            form->SortCourses(key);
            ASSERT_EQ(StateOf(*form), StateOf(reference))
                << "list " << list << ", " << key.toStdString();
        }
    }
}

} // namespace
