#pragma once

#include <QString>
#include <QStringList>

namespace STD {

// What the item search needs of a list control: a combo box, a list box
// and a plain list of texts all serve.
class ItemList
{
public:
    virtual ~ItemList() = default;
    virtual int ListCount() const = 0;
    virtual QString List(int position) const = 0;
};

class StringListItems : public ItemList
{
public:
    explicit StringListItems(QStringList items) : items_(std::move(items)) {}
    int ListCount() const override { return int(items_.size()); }
    QString List(int position) const override { return items_.value(position); }

private:
    QStringList items_;
};

// The position of the first item from startIndex on that matches, or -1.
// tolerance 0 compares exactly (wholeItem false: containment); otherwise by
// edit distance (wholeItem false: the item's first word against the trimmed
// text). matchCase false lower-cases both sides.
qint32 FindListItem(const ItemList& listControl, QString searchText, bool wholeItem, bool matchCase,
                    quint8 tolerance, double startIndex);

} // namespace STD
