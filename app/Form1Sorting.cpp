#include "app/Form1.h"
#include "model/CourseOrder.h"

using namespace Qt::Literals::StringLiterals;

void Form1::SortCourses(const QString& key)
{
    SortCollection(Courses, key, [this](int i, int j) {
        // The chooser's items change places with their courses, and the
        // selection goes with the course it selects.
        const QString itemI = Combo1->List(i);
        Combo1->SetList(i, Combo1->List(j));
        Combo1->SetList(j, itemI);
        if (Combo1->ListIndex() == i)
            Combo1->SetListIndex(j);
        else if (Combo1->ListIndex() == j)
            Combo1->SetListIndex(i);
    });
    Combo1_Click();
}

void Form1::Command3_Click()
{
    SortCourses(u"alphabet"_s);
}

void Form1::Command4_Click()
{
    SortCourses(u"priority"_s);
}
