#pragma once

#include <QtGlobal>

class QKeyEvent;

// Key-down handlers take the classic desktop key code of a key (Enter is
// 13, a letter its capital's code, 0 for a key without a code) and the shift
// state as a sum: Shift 1, Ctrl 2, Alt 4.
constexpr qint16 EnterKeyCode = 13;
constexpr qint16 LeftKeyCode = 37;
constexpr qint16 UpKeyCode = 38;
constexpr qint16 RightKeyCode = 39;
constexpr qint16 DownKeyCode = 40;

qint16 KeyCodeOf(const QKeyEvent& event);
qint16 ShiftStateOf(const QKeyEvent& event);
