#include "controls/ChooserBox.h"

#include "controls/ChooserAccessible.h"
#include "controls/KeyCode.h"
#include "controls/RefusedCharacters.h"
#include "general/StdError.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStringListModel>

ChooserBox::ChooserBox(QWidget* parent) : QComboBox(parent), items_(new QStringListModel(this))
{
    InstallChooserAccessible();
    setModel(items_);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    // Every item is one line of text: without this, the list measures each
    // of them again whenever the items changed before it opens.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    // When the focus leaves, Qt selects the item that equals the edit text.
    // Here the text names a course only when the handlers look it up, and
    // the selected position changes only when asked to.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    lineEdit()->setValidator(new HoldableTextValidator(*this));

    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { listIndex_ = -1; });
    connect(this, &QComboBox::activated, this, &ChooserBox::PickedFromList);

    const QAbstractItemModel* items = model();
    connect(items, &QAbstractItemModel::rowsInserted, this, &ChooserBox::CopyItemTexts);
    connect(items, &QAbstractItemModel::rowsRemoved, this, &ChooserBox::CopyItemTexts);
    connect(items, &QAbstractItemModel::rowsMoved, this, &ChooserBox::CopyItemTexts);
    connect(items, &QAbstractItemModel::dataChanged, this, &ChooserBox::CopyItemTexts);
    connect(items, &QAbstractItemModel::layoutChanged, this, &ChooserBox::CopyItemTexts);
    connect(items, &QAbstractItemModel::modelReset, this, &ChooserBox::CopyItemTexts);
}

QString ChooserBox::List(int position) const
{
    return itemTexts_.value(position);
}

void ChooserBox::SetList(int position, const QString& text)
{
    CheckPosition(position);
    KeepingEditText([&] { setItemText(position, text); });
    itemTexts_[position] = text;
}

void ChooserBox::AddItem(const QString& text)
{
    KeepingEditText([&] { addItem(text); });
    itemTexts_.append(text);
}

void ChooserBox::AddItems(const QStringList& texts)
{
    if (texts.isEmpty())
        return;
    // Into an empty list the texts go shared, not copied one by one.
    const auto joined = [&texts](const QStringList& items) {
        return items.isEmpty() ? texts : items + texts;
    };
    KeepingEditText([&] {
        const int current = currentIndex();
        items_->setStringList(joined(items_->stringList()));
        setCurrentIndex(current);
    });
    itemTexts_ = joined(itemTexts_);
}

void ChooserBox::RemoveItem(int position)
{
    CheckPosition(position);
    KeepingEditText([&] { removeItem(position); });
    itemTexts_.removeAt(position);
    if (listIndex_ == position)
        listIndex_ = -1;
    else if (listIndex_ > position)
        --listIndex_;
}

void ChooserBox::ReorderItems(const std::vector<int>& order)
{
    const int itemCount = count();
    if (int(order.size()) != itemCount)
        STD::Raise(STD::InvalidArgument);
    const QStringList items = items_->stringList();
    QStringList reordered;
    reordered.reserve(itemCount);
    std::vector<bool> taken(itemCount, false);
    int selected = -1;
    for (const int position : order) {
        if (position < 0 || position >= itemCount || taken[position])
            STD::Raise(STD::InvalidArgument);
        taken[position] = true;
        if (position == listIndex_)
            selected = int(reordered.size());
        reordered << items[position];
    }
    KeepingEditText([&] {
        items_->setStringList(reordered);
        setCurrentIndex(selected);
    });
    itemTexts_ = reordered;
    listIndex_ = selected;
}

void ChooserBox::SetListIndex(int position)
{
    if (position != -1)
        CheckPosition(position);
    listIndex_ = position;
    {
        const QSignalBlocker blocker(this);
        setCurrentIndex(listIndex_);
    }
    SetText(List(listIndex_));
    Q_EMIT Click();
}

QString ChooserBox::Text() const
{
    return lineEdit()->text();
}

void ChooserBox::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void ChooserBox::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(KeyCodeOf(*event), ShiftStateOf(*event));
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ChooserBox::CheckPosition(int position) const
{
    if (position < 0 || position >= count())
        STD::Raise(STD::InvalidArgument);
}

void ChooserBox::KeepingEditText(const std::function<void()>& changeItems)
{
    // Qt rewrites the edit text when the item it counts as current changes,
    // moves or disappears, and when the first item arrives in an empty list.
    QLineEdit& edit = *lineEdit();
    const QString text = edit.text();
    const int cursor = edit.cursorPosition();
    const QScopedValueRollback ownChange(changingItems_, true);
    {
        const QSignalBlocker blockEdit(&edit);
        const QSignalBlocker blockBox(this);
        changeItems();
        if (edit.text() != text) {
            edit.setText(text);
            edit.setCursorPosition(cursor);
        }
    }
}

void ChooserBox::PickedFromList(int position)
{
    listIndex_ = position;
    SetText(List(position));
    Q_EMIT Click();
}

void ChooserBox::CopyItemTexts()
{
    if (changingItems_)
        return;
    itemTexts_.clear();
    itemTexts_.reserve(count());
    for (int position = 0; position < count(); ++position)
        itemTexts_.append(itemText(position));
}
