#include "app/Form1.h"
#include "model/CourseOrder.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// Showing a course writes the shown values back into it. That changes the
// course only where the editor corrects what it shows: a priority below
// -32000, colour bits above bit 23. Only a hand-made list file holds those.
bool ShownAsItIs(const Termin& course)
{
    return course.Priority >= -32000 && (course.Color & ~0xFFFFFF) == 0;
}

} // namespace

void Form1::SortCourses(const QString& key)
{
    // The exchange moves the chooser's selection with its course, and every
    // move runs Combo1_Click, which shows the first course named like the
    // selected item. Where showing leaves each such course as it is, those
    // runs change nothing that the run at the end does not set again: the
    // courses, the items and the selection move once, to where the exchange
    // leaves them, and the course is shown once.
    const int selected = Combo1->ListIndex();
    const QString selectedName = Combo1->List(selected);
    const bool showingChangesNothing =
        selected == -1 || std::ranges::all_of(Courses, [&](const Termin& course) {
            return course.Caption != selectedName || ShownAsItIs(course);
        });
    if (showingChangesNothing) {
        const std::vector<int> order = ExchangeOrder(Courses, key);
        Courses.Reorder(order);
        Combo1->ReorderItems(order);
    } else {
        // A course the runs would correct on the way may change its key and
        // the rest of the exchange with it: step by step, as written.
        SortStepByStep(Courses, key, [this](int i, int j) {
            const QString itemI = Combo1->List(i);
            Combo1->SetList(i, Combo1->List(j));
            Combo1->SetList(j, itemI);
            if (Combo1->ListIndex() == i)
                Combo1->SetListIndex(j);
            else if (Combo1->ListIndex() == j)
                Combo1->SetListIndex(i);
        });
    }
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
