#pragma once

#include "general/ListItemSearch.h"

#include <QComboBox>

#include <functional>
#include <vector>

class QStringListModel;

// An editable combo box that behaves as the course chooser's handlers expect:
// - ListIndex() is the selected item, -1 when none; typing into the edit text
//   makes it -1, and only SetListIndex() or picking from the list sets it.
// - SetListIndex() emits Click() at once, every time; picking an item from
//   the list emits it too.
// - Every key pressed in the edit text is reported by KeyDown() first. Enter
//   goes nowhere else: Qt would add the typed text as an item, or pick an
//   item that matches it.
// - No completion: the typed text stays as typed.
// - A character that Windows-1252 cannot hold never enters the edit text:
//   it is refused with a notice, the rest of the input is kept.
// - Changing, adding, removing or reordering items leaves the edit text as
//   it was.
// - List() reads a copy of the item texts kept beside Qt's model: every
//   lookup of the selected course scans them, and reading Qt's model item
//   by item is too slow for a keystroke over thousands of courses.
class ChooserBox : public QComboBox, public STD::ItemList
{
    Q_OBJECT
public:
    explicit ChooserBox(QWidget* parent = nullptr);

    int ListCount() const override { return count(); }
    // The empty text outside 0 .. ListCount() - 1.
    QString List(int position) const override;
    // A position outside 0 .. ListCount() - 1 raises error 5 here, and in
    // SetListIndex() too, where -1 selects no item.
    void SetList(int position, const QString& text);
    void AddItem(const QString& text);
    // Adds the items at the end in one step, as AddItem() one by one would.
    void AddItems(const QStringList& texts);
    void RemoveItem(int position);
    // Puts the items in a new order in one step: order[p] is the position of
    // the item that moves to p. The selected item stays selected where it
    // goes, without Click(): no other item was picked. Anything but an
    // arrangement of 0 .. ListCount() - 1 raises error 5 and moves nothing.
    void ReorderItems(const std::vector<int>& order);

    int ListIndex() const { return listIndex_; }
    void SetListIndex(int position);

    QString Text() const;
    void SetText(const QString& text);

Q_SIGNALS:
    void Click();
    void KeyDown(qint16 keyCode, qint16 shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CheckPosition(int position) const;
    void KeepingEditText(const std::function<void()>& changeItems);
    void PickedFromList(int position);
    // Brings the copy in line with a change made past the methods above.
    void CopyItemTexts();

    // The items, as a plain list that a new order replaces at once.
    QStringListModel* items_;
    int listIndex_ = -1;
    QStringList itemTexts_;
    bool changingItems_ = false;
};
