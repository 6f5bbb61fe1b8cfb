#include "app/Form1.h"

void Form1::Combo1_Click()
{
    // With no item selected there is no item text to take, and a name the
    // user is typing stays.
    if (Combo1->ListIndex() >= 0)
        Combo1->SetText(Combo1->List(Combo1->ListIndex()));
    ShowCourseFields();
}
