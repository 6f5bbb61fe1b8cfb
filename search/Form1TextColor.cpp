#include "app/Form1.h"
#include "controls/ControlColors.h"
#include "search/TextColorRule.h"
#include "search/WeekGrid.h"

#include <QCheckBox>

void Form1::Check2_Click()
{
    for (int position = 1; position <= Week::PositionCount; ++position)
        AdjustTextColor(BodyCell(position));
    AdjustTextColor(*Text1);
}

// Black text, or with "Schriftfarbe anpassen" checked the readable colour
// for the background. A system background has no channels to read; black
// suits the light button face it stands for.
void Form1::AdjustTextColor(QWidget& control)
{
    const bool adjust = Check2->checkState() != Qt::Unchecked;
    if (!adjust || HasSystemBackColor(control)) {
        SetForeColor(control, 0);
        return;
    }
    SetForeColor(control, ReadableTextColor(BackColor(control)));
}
