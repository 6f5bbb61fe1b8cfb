#include "controls/LabelArray.h"

#include "controls/CaptionFit.h"
#include "general/StdError.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QTextOption>

ArrayLabel::ArrayLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void ArrayLabel::setText(const QString& caption)
{
    QLabel::setText(caption);
    UpdateToolTip();
}

void ArrayLabel::SetSmallestPointSize(double pointSize)
{
    smallestPointSize_ = pointSize;
    UpdateToolTip();
    update();
}

void ArrayLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT Clicked();
}

void ArrayLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateToolTip();
}

void ArrayLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void ArrayLabel::UpdateToolTip()
{
    setToolTip(ShowsCaptionWhole() ? QString() : text());
}

ArrayLabel::FittedCaption ArrayLabel::FitCaption() const
{
    const QSize area = contentsRect().size();
    const CaptionLayout wholeWords{QTextOption::WordWrap, alignment()};
    const QFont smallest = FontFittingArea(font(), text(), area, wholeWords, smallestPointSize_);
    if (CaptionFits(smallest, text(), area, wholeWords))
        return {smallest, CaptionLineTexts(smallest, text(), area.width()), true};
    return {smallest, ElidedCaptionLines(smallest, text(), area), false};
}

QFont ArrayLabel::CaptionFont() const
{
    return FitCaption().font;
}

QStringList ArrayLabel::CaptionLines() const
{
    return FitCaption().lines;
}

bool ArrayLabel::ShowsCaptionWhole() const
{
    return FitCaption().whole;
}

void ArrayLabel::paintEvent(QPaintEvent*)
{
    // QLabel cuts off what does not fit, and a long word with it.
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const FittedCaption caption = FitCaption();
    painter.setFont(caption.font);
    PaintCaption(painter, contentsRect(), caption.lines.join(u'\n'),
                 {QTextOption::NoWrap, alignment()});
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
    element->SetSmallestPointSize(model.SmallestPointSize());
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
