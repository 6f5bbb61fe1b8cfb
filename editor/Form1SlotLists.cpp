#include "app/Form1.h"
#include "controls/KeyCode.h"

// Choosing a day shows the course again, its slots of that day with it; an
// unstored slot selection is dropped.
void Form1::List1_Click()
{
    ShowCourseFields();
}

// Selecting slots stores nothing; Enter, with any shift state, does.
void Form1::List2_KeyDown(qint16 KeyCode, qint16 /*Shift*/)
{
    if (KeyCode == EnterKeyCode)
        List2_DblClick();
}

void Form1::List2_DblClick()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    StoreDaySlots(Courses[k]);
}
