#include "app/Form1.h"
#include "model/CourseOrder.h"

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

// Showing a course writes the shown values back into it. That changes the
// course only where the editor corrects what it shows: a priority below
// -32000, colour bits above bit 23. Only a hand-made list file holds those.
bool ShownAsItIs(const Termin& course)
{
    return course.Priority >= -32000 && (course.Color & ~0xFFFFFF) == 0;
}

// The chooser's items catch up with the courses that moved since it last
// showed one: item by item where few moved, in one step where many did.
class ChooserCatchUp
{
public:
    explicit ChooserCatchUp(const CourseCollection& courses)
        : courses_(courses), order_(courses.Count())
    {
        std::iota(order_.begin(), order_.end(), 0);
    }

    void Exchanged(int i, int j)
    {
        std::swap(order_[i], order_[j]);
        moved_.push_back(i);
        moved_.push_back(j);
    }

    void CatchUp(ChooserBox& chooser, int selected)
    {
        if (moved_.size() < order_.size() / 8) {
            for (const int position : moved_)
                chooser.SetList(position, courses_[position].Caption);
        } else {
            chooser.ReorderItems(order_);
        }
        moved_.clear();
        std::iota(order_.begin(), order_.end(), 0);
        if (selected != -1)
            chooser.SetListIndex(selected);
    }

private:
    const CourseCollection& courses_;
    std::vector<int> order_;
    std::vector<int> moved_;
};

// The exchange as written, for where a course shown on the way may be
// corrected and change the rest of the exchange: each move of the selection
// selects the course's new position, which shows it. Only those moves read
// the chooser's items, so they catch up there and at the end.
void SortShowingOnTheWay(Form1& form, const QString& key)
{
    ChooserBox& chooser = *form.Combo1;
    ChooserCatchUp items(form.Courses);
    SortStepByStep(form.Courses, key, [&](int i, int j) {
        items.Exchanged(i, j);
        if (chooser.ListIndex() == i)
            items.CatchUp(chooser, j);
        else if (chooser.ListIndex() == j)
            items.CatchUp(chooser, i);
    });
    items.CatchUp(chooser, -1);
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
        SortShowingOnTheWay(*this, key);
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
