#include "app/Form1.h"
#include "controls/KeyCode.h"

using namespace Qt::Literals::StringLiterals;

void Form1::Combo1_Click()
{
    // With no item selected there is no item text to take, and a name the
    // user is typing stays.
    if (Combo1->ListIndex() >= 0)
        Combo1->SetText(Combo1->List(Combo1->ListIndex()));
    ShowCourseFields();
}

// Enter shows the course of the typed name, or adds a course of that name
// filled from the editor. The selected item stays, and the editor keeps
// showing what was just stored.
void Form1::Combo1_KeyDown(qint16 KeyCode, qint16 /*Shift*/)
{
    if (KeyCode != EnterKeyCode)
        return;
    if (FindSelectedCourse() != -1) {
        ShowCourseFields();
        return;
    }
    if (Courses.IsFull()) {
        Tell(u"Die Liste ist voll: Sie kann höchstens %1 Veranstaltungen aufnehmen. "
             u"Löschen Sie eine, bevor Sie „%2“ hinzufügen."_s.arg(CourseCollection::MaxCount)
                 .arg(Combo1->Text()),
             MessageIcon::Warning);
        return;
    }
    Combo1->AddItem(Combo1->Text());
    Courses.Append();
    StoreCourseFields();
}
