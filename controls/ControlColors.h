#pragma once

#include <QtGlobal>

class QWidget;

// A control's background and text colour, packed 0x00BBGGRR. Text fields
// and lists paint their background in the palette's base role, labels and
// frames in the window role; these pick the role that the control shows.
void SetBackColor(QWidget& control, qint32 packed);
qint32 BackColor(const QWidget& control);
// The platform's button-face colour as background. Such a background is a
// system colour, not a colour value: it has no channels of its own, and it
// stays so until SetBackColor gives the control a colour value.
// Its text is then the platform's button text colour, which reads well on it.
void SetSystemButtonFaceBackColor(QWidget& control);
bool HasSystemBackColor(const QWidget& control);
void SetSystemButtonTextForeColor(QWidget& control);
void SetForeColor(QWidget& control, qint32 packed);
qint32 ForeColor(const QWidget& control);
