#include "controls/LabelArray.h"

#include "controls/CaptionFit.h"
#include "controls/KeyCode.h"
#include "general/StdError.h"

#include <QKeyEvent>
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

void ArrayLabel::SetToolTipNote(const QString& note)
{
    toolTipNote_ = note;
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

void ArrayLabel::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT KeyDown(KeyCodeOf(*event), ShiftStateOf(*event));
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        Q_EMIT Clicked();
    else
        QLabel::keyPressEvent(event);
}

void ArrayLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void ArrayLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
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
    QStringList parts;
    if (!ShowsCaptionWhole())
        parts.append(text());
    if (!toolTipNote_.isEmpty())
        parts.append(toolTipNote_);
    setToolTip(parts.join(u'\n'));
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
    if (hasFocus())
        PaintFocusFrame(painter);
}

// The style's focus frame can be a faint dotted line that a coloured cell
// hides; a dashed frame in the text's colour shows on any background.
void ArrayLabel::PaintFocusFrame(QPainter& painter) const
{
    QPen pen(palette().color(foregroundRole()), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
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
    connect(element, &ArrayLabel::KeyDown, this, [this, index](qint16 keyCode, qint16 shift) {
        Q_EMIT KeyDown(qint16(index), keyCode, shift);
    });
    return element;
}
