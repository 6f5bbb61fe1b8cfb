#include "controls/CommandButton.h"

#include "controls/CaptionFit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{}

QRect CommandButton::CaptionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont CommandButton::CaptionFont() const
{
    return FontFittingArea(font(), text(), CaptionArea().size());
}

void CommandButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    // By the time the button hears of it, the focus has arrived elsewhere.
    const QWidget* next = QApplication::focusWidget();
    if (next && next != this && next->window() == window())
        Q_EMIT LostFocus();
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // Qt leaves Enter to buttons inside dialogs.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setFont(CaptionFont());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    PaintCaption(painter, CaptionArea(), caption);
}
