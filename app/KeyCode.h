#pragma once

#include <QtGlobal>

class QKeyEvent;

// Key-down handlers take the key as the designed platform numbers it
// (Enter is 13, the letters are their capitals' codes, 0 for keys it has no
// number for) and the shift state as a sum: Shift 1, Ctrl 2, Alt 4.
constexpr qint16 EnterKeyCode = 13;

qint16 KeyCodeOf(const QKeyEvent& event);
qint16 ShiftStateOf(const QKeyEvent& event);
