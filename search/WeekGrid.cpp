#include "search/WeekGrid.h"

#include "controls/ControlColors.h"
#include "controls/LabelArray.h"

using namespace Qt::Literals::StringLiterals;

QString WeekGrid::BodyCellDescription(int position, const QString& caption)
{
    const QString when = Week::DayNames().at(Week::DayOf(position)) + u", "_s +
                         Week::SlotNames().at(Week::SlotOf(position));
    return when + u": "_s + (caption == EmptyCellText() ? u"frei"_s : caption);
}

void ShowInCell(ArrayLabel& cell, const QString& caption, qint32 background, bool bold)
{
    cell.setText(caption);
    SetBackColor(cell, background);
    SetForeColor(cell, 0);
    QFont font = cell.font();
    font.setBold(bold);
    cell.setFont(font);
}
