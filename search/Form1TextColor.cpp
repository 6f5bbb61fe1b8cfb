#include "app/ControlColors.h"
#include "app/Form1.h"
#include "app/WeekGrid.h"
#include "search/TextColorRule.h"

#include <QCheckBox>

void Form1::Check2_Click()
{
    for (int column = 1; column < GridColumns; ++column) {
        for (int row = 1; row < GridRows; ++row)
            AdjustTextColor(*Label2[GridElement(row, column)]);
    }
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
