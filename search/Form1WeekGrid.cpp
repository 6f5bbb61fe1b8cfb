#include "app/Form1.h"
#include "controls/KeyCode.h"
#include "general/ListItemSearch.h"
#include "general/TextRoutines.h"
#include "model/Week.h"
#include "search/TimetableNotes.h"
#include "search/WeekGrid.h"

#include <QAccessible>
#include <QCheckBox>

namespace {

void ShowInBodyCell(ArrayLabel& cell, int position, const QString& caption, qint32 background,
                    bool bold)
{
    ShowInCell(cell, caption, background, bold);
    cell.setAccessibleDescription(WeekGrid::BodyCellDescription(position, caption));
}

// The body element an arrow key moves to from `index`, or `index` itself at
// the grid's edge and for any other key.
int NeighbourCell(int index, qint16 keyCode)
{
    using namespace WeekGrid;
    int row = index / Columns;
    int column = index % Columns;
    switch (keyCode) {
    case LeftKeyCode:
        --column;
        break;
    case UpKeyCode:
        --row;
        break;
    case RightKeyCode:
        ++column;
        break;
    case DownKeyCode:
        ++row;
        break;
    default:
        break;
    }
    const int next = Element(row, column);
    return row >= 1 && row < Rows && column >= 1 && column < Columns ? next : index;
}

} // namespace

// Thirty labels made from the template element 0, in columns, each placed,
// shown, "-" in bold on grey; then the corner, day and hour headers.
void Form1::BuildWeekGrid()
{
    using namespace WeekGrid;
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            const int index = Element(row, column);
            if (row + column > 0)
                Label2.Load(index);
            ArrayLabel& cell = *Label2[index];
            Place(cell, {LeftTwips(column), TopTwips(row), TemplateTwips.width(),
                         TemplateTwips.height()});
            cell.setVisible(true);
            ShowInCell(cell, EmptyCellText(), EmptyCellColor, true);
            cell.setAlignment(Qt::AlignCenter);
        }
    }
    for (int position = 1; position <= Week::PositionCount; ++position)
        BodyCell(position).setAccessibleDescription(BodyCellDescription(position, EmptyCellText()));
    MakeGridTabStop(BodyCell(1));
    const QStringList days = Week::DayNames();
    Label2[CornerElement]->setText(QString());
    for (int day = 0; day < Week::DayCount; ++day)
        Label2[Element(0, day + 1)]->setText(days[day]);
    for (int slot = 0; slot < Week::SlotCount; ++slot)
        Label2[Element(slot + 1, 0)]->setText(Week::HourText(slot));
}

ArrayLabel& Form1::BodyCell(int position)
{
    return *Label2[WeekGrid::BodyElement(position)];
}

void Form1::ClearWeekGrid()
{
    for (int position = 1; position <= Week::PositionCount; ++position)
        ShowInBodyCell(BodyCell(position), position, WeekGrid::EmptyCellText(),
                       WeekGrid::EmptyCellColor, false);
}

void Form1::ShowDistribution(const Distribution& distribution, qint32 value)
{
    ClearWeekGrid();
    for (int i = 0; i < Courses.Count(); ++i) {
        for (const int position : PositionsOf(distribution.at(i)))
            ShowInBodyCell(BodyCell(position), position, Courses[i].Caption, Courses[i].Color,
                           true);
    }
    if (value >= 0)
        Label2[WeekGrid::CornerElement]->setText(WeekGrid::ValuePrefix() + STD::NumberText(value));
    shownTimetable_ = MakeTimetable(Courses, distribution, ShownValue());
    ShowTimetableNotes(distribution);
    UpdateExportActions();
    Check2_Click();
}

void Form1::ShowTimetableNotes(const Distribution& distribution)
{
    const auto alsoOffered = TimetableNotes::AlsoOffered(Courses, distribution);
    for (int position = 1; position <= Week::PositionCount; ++position)
        BodyCell(position).SetToolTipNote(alsoOffered[position - 1]);
    ArrayLabel& corner = *Label2[WeekGrid::CornerElement];
    const QString leftOut = TimetableNotes::LeftOut(*shownTimetable_);
    corner.SetToolTipNote(leftOut);
    corner.setAccessibleDescription(leftOut);
    AnnounceSearchResult(TimetableNotes::Summary(*shownTimetable_));
}

// The grid's labels change unfocused, so a screen reader would not speak
// them; the search button, which has the focus after a click, tells them.
void Form1::AnnounceSearchResult(const QString& summary)
{
    // A new text sends the event itself; the same result again is told anew.
    if (Command2->accessibleDescription() != summary) {
        Command2->setAccessibleDescription(summary);
        return;
    }
    QAccessibleEvent event(Command2, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// The grid is one stop in the tab order, at the cell last moved to: Tab
// leaves it, the arrow keys move within it.
void Form1::MakeGridTabStop(ArrayLabel& cell)
{
    for (int position = 1; position <= Week::PositionCount; ++position)
        BodyCell(position).setFocusPolicy(Qt::NoFocus);
    cell.setFocusPolicy(Qt::TabFocus);
    setTabOrder(Check2, &cell);
    setTabOrder(&cell, Command3);
}

void Form1::Label2_KeyDown(qint16 Index, qint16 KeyCode, qint16 /*Shift*/)
{
    const int next = NeighbourCell(Index, KeyCode);
    if (next == Index)
        return;
    ArrayLabel& cell = *Label2[next];
    MakeGridTabStop(cell);
    cell.setFocus(Qt::TabFocusReason);
}

// A painted cell picks its course in the chooser; headers, the corner and
// empty cells do nothing.
void Form1::Label2_Click(qint16 Index)
{
    const QString caption = Label2[Index]->text();
    if (caption == WeekGrid::EmptyCellText() || !WeekGrid::IsBodyElement(Index))
        return;
    const qint32 item = STD::FindListItem(*Combo1, caption, true, true, 0, 0);
    if (item >= 0)
        Combo1->SetListIndex(item);
}
