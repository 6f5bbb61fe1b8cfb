#include "app/Form1.h"
#include "controls/ControlColors.h"
#include "editor/CourseFieldValues.h"
#include "general/NumericValue.h"

#include <QCheckBox>

using namespace Qt::Literals::StringLiterals;

// A correction sets the field again, which runs the same rule once more
// inside this one; the outer run then goes on with the corrected text.

void Form1::Text1_Change()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    Courses[k].Info = Text1->Text();
}

// Priorities run from -32000 ("-32e3", five characters like every typed
// text) to 32767. A text beyond the range of a double reads as infinite and
// is corrected like any number past the limit.
void Form1::Text2_Change()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    if (STD::NumericValue(Text2->Text()) > 32767)
        Text2->SetText(u"32767"_s);
    if (STD::NumericValue(Text2->Text()) < -32000)
        Text2->SetText(u"-32e3"_s);
    Courses[k].Priority = STD::RoundToInt16(STD::NumericValue(Text2->Text()));
}

// The field is corrected even while the chooser names no course.
void Form1::Text4_Change(qint16 Index)
{
    TextField& field = *Text4.at(Index);
    if (STD::NumericValue(field.Text()) > 255)
        field.SetText(u"255"_s);
    if (STD::NumericValue(field.Text()) < 0)
        field.SetText(u"0"_s);
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    Courses[k].Color = CourseFieldValues::WithColorComponent(Courses[k].Color, Index,
                                                             STD::NumericValue(field.Text()));
    SetBackColor(*Text1, Courses[k].Color);
}

void Form1::Check1_Click()
{
    const qint32 k = FindSelectedCourse();
    if (k == -1)
        return;
    Courses[k].VisitAll = Check1->checkState() != Qt::Unchecked;
}
