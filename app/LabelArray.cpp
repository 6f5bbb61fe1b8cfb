#include "app/LabelArray.h"

#include "app/CaptionFit.h"
#include "general/StdError.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace {

// A course name too long for a line of its cell breaks inside the word.
CaptionLayout CellCaption(const QLabel& label)
{
    return {QTextOption::WrapAtWordBoundaryOrAnywhere, label.alignment()};
}

} // namespace

ArrayLabel::ArrayLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ArrayLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
}

QFont ArrayLabel::CaptionFont() const
{
    return FontFittingArea(font(), text(), contentsRect().size(), CellCaption(*this));
}

void ArrayLabel::paintEvent(QPaintEvent*)
{
    // QLabel breaks lines at word boundaries only and cuts a long name off.
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(CaptionFont());
    PaintCaption(painter, contentsRect(), text(), CellCaption(*this));
}

namespace {

constexpr int ElementMissing = 340;
constexpr int ElementLoaded = 360;

} // namespace

LabelArray::LabelArray(QWidget& window)
{
    Add(window, 0);
}

bool LabelArray::Exists(int index) const
{
    return index >= 0 && index < int(elements_.size()) && elements_[index];
}

ArrayLabel* LabelArray::operator[](int index) const
{
    if (!Exists(index))
        STD::Raise(ElementMissing, QStringLiteral("Element %1 ist nicht geladen").arg(index));
    return elements_[index];
}

ArrayLabel* LabelArray::Load(int index)
{
    if (index < 0)
        STD::Raise(STD::InvalidArgument);
    if (Exists(index))
        STD::Raise(ElementLoaded, QStringLiteral("Element %1 ist bereits geladen").arg(index));
    const ArrayLabel& model = *elements_.front();
    ArrayLabel* element = Add(*model.parentWidget(), index);
    element->setGeometry(model.geometry());
    element->setFont(model.font());
    element->setPalette(model.palette());
    element->setAutoFillBackground(model.autoFillBackground());
    element->setAlignment(model.alignment());
    element->setText(model.text());
    element->hide();
    return element;
}

ArrayLabel* LabelArray::Add(QWidget& window, int index)
{
    auto* element = new ArrayLabel(&window);
    if (index >= int(elements_.size()))
        elements_.resize(index + 1, nullptr);
    elements_[index] = element;
    connect(element, &ArrayLabel::Clicked, this, [this, index] { Q_EMIT Click(qint16(index)); });
    return element;
}
