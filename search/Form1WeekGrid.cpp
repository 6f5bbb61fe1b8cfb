#include "app/Form1.h"
#include "app/WeekGrid.h"
#include "general/ListItemSearch.h"
#include "general/TextRoutines.h"

using namespace Qt::Literals::StringLiterals;

ArrayLabel& Form1::BodyCell(int position)
{
    return *Label2[BodyElement(position)];
}

void Form1::ClearWeekGrid()
{
    for (int column = 1; column < GridColumns; ++column) {
        for (int row = 1; row < GridRows; ++row)
            ShowInCell(*Label2[GridElement(row, column)], u"-"_s, EmptyCellColor, false);
    }
}

void Form1::ShowDistribution(const Distribution& distribution, qint32 value)
{
    ClearWeekGrid();
    for (int i = 0; i < Courses.Count(); ++i) {
        for (const int position : PositionsOf(distribution.at(i)))
            ShowInCell(BodyCell(position), Courses[i].Caption, Courses[i].Color, true);
    }
    if (value >= 0)
        Label2[CornerElement]->setText(u"Wert: "_s + STD::NumberText(value));
    Check2_Click();
}

// A painted cell picks its course in the chooser; headers, the corner and
// empty cells do nothing.
void Form1::Label2_Click(qint16 Index)
{
    const QString caption = Label2[Index]->text();
    if (caption == u"-"_s || !IsBodyElement(Index))
        return;
    const qint32 item = STD::FindListItem(*Combo1, caption, true, true, 0, 0);
    if (item >= 0)
        Combo1->SetListIndex(item);
}
