#include "app/Form1.h"

#include <QScopedValueRollback>

using namespace Qt::Literals::StringLiterals;

// Deletes the course picked in the list, after the user's yes; a typed name
// picks none.
void Form1::Command1_Click()
{
    const int p = Combo1->ListIndex();
    if (p == -1)
        return;
    const MessageAnswer answer = MsgBox({.text = u"Soll die Veranstaltung "_s + Courses[p].Caption +
                                                 u" wirklich gelöscht werden?"_s,
                                         .title = u"Eintrag löschen"_s,
                                         .buttons = MessageButtons::YesNo,
                                         .icon = MessageIcon::Question,
                                         .defaultAnswer = MessageAnswer::Yes});
    if (answer == MessageAnswer::No)
        return;
    Combo1->RemoveItem(p);
    Courses.RemoveAt(p);
    {
        // The deleted name no longer names a course; an emptied chooser is
        // ready for a new one. Another course may bear that name, or the
        // empty one: the emptied fields are stored into none.
        const QScopedValueRollback detached(fieldsDetached_, true);
        Combo1->SetText(QString());
        Text2->SetText(u"0"_s);
        Text1->SetText(QString());
    }
    if (Combo1->ListCount() > 0)
        Combo1->SetListIndex(0);
}
