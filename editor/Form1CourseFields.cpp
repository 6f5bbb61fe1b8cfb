#include "app/Form1.h"
#include "editor/CourseFieldValues.h"
#include "general/ListItemSearch.h"
#include "general/NumericValue.h"
#include "general/StringComparison.h"
#include "general/TextRoutines.h"

#include <QCheckBox>

using namespace CourseFieldValues;

// The first item equal to the chooser's text, case and blanks included.
// The collection's spare position always holds a record with the initial
// values, so a course just appended has its record before it is filled.
qint32 Form1::FindSelectedCourse() const
{
    if (fieldsDetached_)
        return -1;
    return STD::FindListItem(*Combo1, Combo1->Text(), true, true, 0, 0);
}

// Each field that changes runs its rule at once, which stores the shown
// value back into the course; so the course is read afresh at every step.
void Form1::ShowCourseFields()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    Text1->SetText(Courses[k].Info);
    Text2->SetText(STD::NumberText(Courses[k].Priority));
    Check1->setChecked(Courses[k].VisitAll);
    for (int i = 0; i < 3; ++i)
        Text4[i]->SetText(STD::NumberText(ColorComponent(Courses[k].Color, i)));
    const int day = List1->ListIndex();
    if (day < 0)
        return;
    for (int slot = 0; slot < Week::SlotCount; ++slot)
        List2->SetSelected(slot, IsOffered(Courses[k].Times, day, slot));
}

// Fills a course just added from what the editor shows.
void Form1::StoreCourseFields()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    Courses[k].Caption = Combo1->Text();
    Courses[k].Info = Text1->Text();
    // A new course never starts below 0, whatever the field shows.
    Courses[k].Priority = STD::RoundToInt16(STD::Clamp(STD::NumericValue(Text2->Text()), 0, 32767));
    Courses[k].VisitAll = Check1->checkState() != Qt::Unchecked;
    for (qint16 i = 0; i < 3; ++i)
        Text4_Change(i);
    StoreDaySlots(Courses[k]);
}

// The selected day's four slots from the slot list; the other days keep theirs.
void Form1::StoreDaySlots(Termin& course)
{
    const int day = List1->ListIndex();
    if (day < 0)
        return;
    std::array<bool, Week::SlotCount> offered{};
    for (int slot = 0; slot < Week::SlotCount; ++slot)
        offered[slot] = List2->Selected(slot);
    course.Times = WithDaySlots(course.Times, day, offered);
}
