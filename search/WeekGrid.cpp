#include "search/WeekGrid.h"

#include "controls/ControlColors.h"

#include <QLabel>

void ShowInCell(QLabel& cell, const QString& caption, qint32 background, bool bold)
{
    cell.setText(caption);
    SetBackColor(cell, background);
    QFont font = cell.font();
    font.setBold(bold);
    cell.setFont(font);
}
