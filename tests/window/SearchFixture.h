#pragma once

#include "FormFixture.h"

#include "app/ControlColors.h"
#include "app/WeekGrid.h"
#include "general/Windows1252.h"

#include <map>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A window over a course list, with the week grid read back as text.
class SearchTest : public FormTest
{
protected:
    // Course list line: name, VisitAll, priority, colour, offered positions.
    static QByteArray Line(const QString& name, int priority, std::initializer_list<int> positions,
                           bool visitAll = false, qint32 color = 255)
    {
        QByteArray mask(20, '0');
        for (const int position : positions)
            mask[position - 1] = '1';
        return STD::Windows1252::Encode(name) + (visitAll ? ",1," : ",0,") + QByteArray::number(priority) + ',' +
               QByteArray::number(color) + ',' + mask + ",\r\n";
    }

    QString Caption(int element) const { return form->Label2[element]->text(); }
    QString Corner() const { return Caption(CornerElement); }
    QString SearchCaption() const { return form->Command2->text(); }

    // The body cells that show a course, by element index.
    std::map<int, QString> PaintedCells() const
    {
        std::map<int, QString> painted;
        for (int position = 1; position <= 20; ++position) {
            const int element = BodyElement(position);
            if (Caption(element) != QStringLiteral("-"))
                painted[element] = Caption(element);
        }
        return painted;
    }

    int NoMoreMessages() const
    {
        int count = 0;
        for (const Message& message : messages) {
            if (message.text == QStringLiteral("Keine weiteren Möglichkeiten gefunden."))
                ++count;
        }
        return count;
    }
};
