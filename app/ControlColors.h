#pragma once

#include <QtGlobal>

class QWidget;

// A control's background and text colour, packed 0x00BBGGRR. Text fields
// and lists paint their background in the palette's base role, labels and
// frames in the window role; these pick the role that the control shows.
void SetBackColor(QWidget& control, qint32 packed);
qint32 BackColor(const QWidget& control);
void SetForeColor(QWidget& control, qint32 packed);
qint32 ForeColor(const QWidget& control);
