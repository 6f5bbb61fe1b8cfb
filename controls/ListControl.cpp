#include "controls/ListControl.h"

#include "controls/KeyCode.h"
#include "general/StdError.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

#include <cmath>

ListControl::ListControl(Selection selection, QWidget* parent)
    : QListWidget(parent), selection_(selection)
{
    setSelectionMode(selection == Selection::Single ? QAbstractItemView::SingleSelection
                                                    : QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!settingIndex_)
            Q_EMIT Click();
    });
}

void ListControl::AddItem(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    // Rows are exactly a line high; centred, small text loses its top pixel.
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    FitRowsToFont();
}

// Rows as tall as a line of text, so that every item fits without a scroll
// bar in a list sized for them, at any font size.
void ListControl::FitRowsToFont()
{
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(0, fontMetrics().height()));
}

// Under a fractional scale factor the viewport's bottom edge can round onto
// the frame and paint over its bottom line; a pixel's margin keeps it clear.
void ListControl::KeepFrameInView()
{
    const qreal ratio = devicePixelRatioF();
    setViewportMargins(0, 0, 0, ratio == std::floor(ratio) ? 0 : 1);
}

void ListControl::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitRowsToFont();
}

void ListControl::resizeEvent(QResizeEvent* event)
{
    KeepFrameInView();
    QListWidget::resizeEvent(event);
}

void ListControl::showEvent(QShowEvent* event)
{
    KeepFrameInView();
    QListWidget::showEvent(event);
}

QString ListControl::List(int position) const
{
    const QListWidgetItem* listItem = item(position);
    return listItem ? listItem->text() : QString();
}

void ListControl::SetListIndex(int position)
{
    if (position < -1 || position >= count())
        STD::Raise(STD::InvalidArgument);
    {
        const QScopedValueRollback guard(settingIndex_, true);
        setCurrentRow(position, selection_ == Selection::Single
                                    ? QItemSelectionModel::ClearAndSelect
                                    : QItemSelectionModel::NoUpdate);
    }
    Q_EMIT Click();
}

bool ListControl::Selected(int position) const
{
    const QListWidgetItem* listItem = item(position);
    return listItem && listItem->isSelected();
}

void ListControl::SetSelected(int position, bool selected)
{
    if (QListWidgetItem* listItem = item(position))
        listItem->setSelected(selected);
}

void ListControl::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(KeyCodeOf(*event), ShiftStateOf(*event));
    QListWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags ListControl::selectionCommand(const QModelIndex& index,
                                                                  const QEvent* event) const
{
    // Qt lets Ctrl+click clear a single selection, and a click beside the
    // items too; a day must stay chosen.
    if (selection_ == Selection::Single)
        return index.isValid() ? QItemSelectionModel::ClearAndSelect
                               : QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event);
}
