#include "controls/LabelArray.h"

#include "controls/CaptionFit.h"
#include "general/StdError.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>

namespace {

// Words are kept whole when a slightly smaller size is enough for that;
// beyond it a word too long for a line breaks inside.
constexpr double WholeWordShrink = 1.25;

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

ArrayLabel::FittedCaption ArrayLabel::FitCaption() const
{
    const QSize area = contentsRect().size();
    const CaptionLayout wholeWords{QTextOption::WordWrap, alignment()};
    const QFont smaller = FontFittingArea(font(), text(), area, wholeWords);
    if (CaptionFits(smaller, text(), area, wholeWords) &&
        smaller.pointSizeF() >= font().pointSizeF() - WholeWordShrink)
        return {smaller, wholeWords};
    const CaptionLayout brokenWords{QTextOption::WrapAtWordBoundaryOrAnywhere, alignment()};
    return {FontFittingArea(font(), text(), area, brokenWords), brokenWords};
}

QFont ArrayLabel::CaptionFont() const
{
    return FitCaption().font;
}

void ArrayLabel::paintEvent(QPaintEvent*)
{
    // QLabel breaks lines at word boundaries only and cuts a long name off.
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const FittedCaption caption = FitCaption();
    painter.setFont(caption.font);
    PaintCaption(painter, contentsRect(), text(), caption.layout);
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
