#include "app/Form1.h"

#include <QAction>
#include <QCheckBox>

// Every control event of the window and the handler it runs. A handler that
// lands later is connected here, in the same way.
void Form1::ConnectEvents()
{
    On(Combo1, &ChooserBox::Click, &Form1::Combo1_Click);
    On(Combo1, &ChooserBox::KeyDown, &Form1::Combo1_KeyDown);
    On(Command1, &QPushButton::clicked, &Form1::Command1_Click);

    On(Text1, &InfoField::Change, &Form1::Text1_Change);
    On(Text2, &TextField::Change, &Form1::Text2_Change);
    for (qint16 i = 0; i < qint16(Text4.size()); ++i)
        On(Text4[i], &TextField::Change, [this, i] { Text4_Change(i); });
    On(Check1, &QCheckBox::toggled, &Form1::Check1_Click);
    On(List1, &ListControl::Click, &Form1::List1_Click);
    On(List2, &ListControl::KeyDown, &Form1::List2_KeyDown);
    On(List2, &QAbstractItemView::doubleClicked, &Form1::List2_DblClick);
    // The slot list's one menu entry, "Auswahl speichern".
    On(List2->actions().constFirst(), &QAction::triggered, &Form1::List2_DblClick);

    On(Command2, &QPushButton::clicked, &Form1::Command2_Click);
    On(Command2, &CommandButton::LostFocus, &Form1::Command2_LostFocus);
    On(&Label2, &LabelArray::Click, &Form1::Label2_Click);
    On(&Label2, &LabelArray::KeyDown, &Form1::Label2_KeyDown);
    On(Check2, &QCheckBox::toggled, &Form1::Check2_Click);

    On(Command3, &QPushButton::clicked, &Form1::Command3_Click);
    On(Command4, &QPushButton::clicked, &Form1::Command4_Click);

    On(Command5, &QPushButton::clicked, &Form1::Command5_Click);
    On(Command6, &QPushButton::clicked, &Form1::Command6_Click);

    BuildGridMenu();
    ConnectGridMenu();
    On(PrintAction, &QAction::triggered, &Form1::PrintTimetable);
    On(PdfAction, &QAction::triggered, &Form1::SaveTimetablePdf);
    On(PictureAction, &QAction::triggered, &Form1::SaveTimetablePicture);
    On(CalendarAction, &QAction::triggered, &Form1::ExportTimetableCalendar);
}
