#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries, as a classic desktop
// button's does, and takes a smaller font only where the wrapped caption
// would not fit the button otherwise. LostFocus() is emitted when the focus moves
// from it to another control of the same window; the window losing
// activation, or a message box taking over, does not count. Enter clicks the
// button that has the focus, as on any desktop.
class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

    // The font the caption is painted in, and the area it is painted into.
    QFont CaptionFont() const;
    QRect CaptionArea() const;

Q_SIGNALS:
    void LostFocus();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
