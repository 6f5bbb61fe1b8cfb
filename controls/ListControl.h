#pragma once

#include "general/ListItemSearch.h"

#include <QListWidget>

// A list box as the handlers expect it:
// - Single selection: ListIndex() is the selected item; the user can move
//   the selection but not clear it. Click() is emitted when the user selects
//   another item, and at once whenever SetListIndex() is called.
// - Extended multiple selection: each item's flag is read and set with
//   Selected() and SetSelected().
// - Every key pressed in the list is reported by KeyDown() before the list
//   handles it.
class ListControl : public QListWidget, public STD::ItemList
{
    Q_OBJECT
public:
    enum class Selection
    {
        Single,
        Extended
    };

    explicit ListControl(Selection selection, QWidget* parent = nullptr);

    void AddItem(const QString& text);
    int ListCount() const override { return count(); }
    // The empty text outside 0 .. ListCount() - 1.
    QString List(int position) const override;

    int ListIndex() const { return currentRow(); }
    // -1 selects no item; a position beyond the items raises error 5.
    void SetListIndex(int position);

    bool Selected(int position) const;
    void SetSelected(int position, bool selected);

Q_SIGNALS:
    void Click();
    void KeyDown(qint16 keyCode, qint16 shift);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void FitRowsToFont();
    void KeepFrameInView();

    Selection selection_;
    bool settingIndex_ = false;
};
