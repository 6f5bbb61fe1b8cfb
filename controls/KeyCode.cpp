#include "controls/KeyCode.h"

#include <QKeyEvent>

namespace {

struct KeyNumber
{
    int key;
    qint16 code;
};

constexpr KeyNumber NamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27},  {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},     {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},   {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
};

constexpr qint16 NumpadZero = 96;
constexpr qint16 FunctionKeyOne = 112;

} // namespace

qint16 KeyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    const bool onKeypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return qint16(onKeypad ? NumpadZero + (key - Qt::Key_0) : key);
    // Qt numbers letters by their capitals, as the classic key codes do.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return qint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return qint16(FunctionKeyOne + (key - Qt::Key_F1));
    for (const KeyNumber& named : NamedKeys) {
        if (named.key == key)
            return named.code;
    }
    return 0;
}

qint16 ShiftStateOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return qint16((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                  (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                  (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}
