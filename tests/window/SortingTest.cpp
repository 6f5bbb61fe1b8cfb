#include "FormFixture.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Course
{
    QString name;
    int priority;
};

// Latin-1 and Windows-1252 agree on the letters used here.
QByteArray ListOf(const std::vector<Course>& courses)
{
    QByteArray bytes;
    for (const Course& course : courses)
        bytes += ListLine(course.name.toLatin1().constData(), course.priority);
    return bytes;
}

class SortingTest : public FormTest
{
protected:
    QStringList ChooserItems() const
    {
        QStringList items;
        for (int i = 0; i < form->Combo1->ListCount(); ++i)
            items << form->Combo1->List(i);
        return items;
    }

    QStringList CourseNames() const
    {
        QStringList names;
        for (const Termin& course : form->Courses)
            names << course.Caption;
        return names;
    }
};

struct SortCase
{
    const char* what;
    QString key;
    std::vector<Course> courses;
    QStringList sorted;
};

TEST_F(SortingTest, ReordersCoursesAndChooserTogether)
{
    const SortCase cases[] = {
        {"by character code",
         u"alphabet"_s,
         {{u"Zebra"_s, 0}, {u"apfel"_s, 0}, {u"Birne"_s, 0}, {u"Äpfel"_s, 0}},
         {u"Birne"_s, u"Zebra"_s, u"apfel"_s, u"Äpfel"_s}},
        {"descending priority",
         u"priority"_s,
         {{u"Drei"_s, 3}, {u"MinusEins"_s, -1}, {u"Sieben"_s, 7}},
         {u"Sieben"_s, u"Drei"_s, u"MinusEins"_s}},
        {"equal keys as the exchange leaves them",
         u"priority"_s,
         {{u"A"_s, 1}, {u"B"_s, 1}, {u"C"_s, 2}},
         {u"C"_s, u"B"_s, u"A"_s}},
        {"key trimmed and lower-cased",
         u" Priority "_s,
         {{u"Eins"_s, 1}, {u"Zwei"_s, 2}},
         {u"Zwei"_s, u"Eins"_s}},
        {"unknown key", u"name"_s, {{u"Zebra"_s, 1}, {u"Birne"_s, 2}}, {u"Zebra"_s, u"Birne"_s}},
        {"one course", u"alphabet"_s, {{u"Solo"_s, 1}}, {u"Solo"_s}},
        {"no course", u"alphabet"_s, {}, {}},
    };
    for (const SortCase& sortCase : cases) {
        LoadForm(ListOf(sortCase.courses));
        form->SortCourses(sortCase.key);
        EXPECT_EQ(CourseNames(), sortCase.sorted) << sortCase.what;
        EXPECT_EQ(ChooserItems(), sortCase.sorted) << sortCase.what;
    }
}

TEST_F(SortingTest, TheChosenCourseStaysChosen)
{
    LoadForm(ListOf({{u"A"_s, 1}, {u"B"_s, 2}, {u"C"_s, 3}}));
    ASSERT_EQ(form->Combo1->ListIndex(), 0);
    QSignalSpy clicks(form->Combo1, &ChooserBox::Click);
    form->SortCourses(u"priority"_s);
    EXPECT_EQ(CourseNames(), (QStringList{u"C"_s, u"B"_s, u"A"_s}));
    EXPECT_EQ(form->Combo1->ListIndex(), 2);
    EXPECT_EQ(form->Combo1->Text(), u"A");
    // A moves twice: 0 to 1 to 2, and the selection with it.
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SortingTest, TheChooserShowsTheChosenCourseAgainAfterwards)
{
    LoadForm(ListOf({{u"Solo"_s, 1}}));
    form->Combo1->SetText(u"anders"_s);
    form->SortCourses(u"alphabet"_s);
    EXPECT_EQ(form->Combo1->Text(), u"Solo");
}

TEST_F(SortingTest, ANameBeingTypedSurvivesTheSort)
{
    LoadForm(ListOf({{u"B"_s, 1}, {u"A"_s, 2}}));
    form->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(form->Combo1, u"Neu"_s);
    ASSERT_EQ(form->Combo1->ListIndex(), -1);
    form->SortCourses(u"alphabet"_s);
    EXPECT_EQ(ChooserItems(), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_EQ(form->Combo1->Text(), u"Neu");
}

TEST_F(SortingTest, TheButtonsSortByNameAndByPriority)
{
    LoadForm(ListOf({{u"b"_s, 1}, {u"a"_s, 0}, {u"c"_s, 2}}));
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    EXPECT_EQ(CourseNames(), (QStringList{u"a"_s, u"b"_s, u"c"_s}));
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    EXPECT_EQ(CourseNames(), (QStringList{u"c"_s, u"b"_s, u"a"_s}));
    EXPECT_EQ(ChooserItems(), CourseNames());
}

} // namespace
