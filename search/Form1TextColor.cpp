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
// for the background. A system background has no channels to read, and
// black on it is unreadable under a dark desktop: it keeps the system's own
// text colour for it, checked or not (black on a light button face).
void Form1::AdjustTextColor(QWidget& control)
{
    if (HasSystemBackColor(control)) {
        SetSystemButtonTextForeColor(control);
        return;
    }
    const bool adjust = Check2->checkState() != Qt::Unchecked;
    SetForeColor(control, adjust ? ReadableTextColor(BackColor(control)) : 0);
}
