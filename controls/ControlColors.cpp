#include "controls/ControlColors.h"

#include "export/PackedColor.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace {

bool PaintsOnBase(const QWidget& control)
{
    return qobject_cast<const QAbstractScrollArea*>(&control) ||
           qobject_cast<const QLineEdit*>(&control);
}

QPalette::ColorRole BackRole(const QWidget& control)
{
    return PaintsOnBase(control) ? QPalette::Base : QPalette::Window;
}

QPalette::ColorRole ForeRole(const QWidget& control)
{
    return PaintsOnBase(control) ? QPalette::Text : QPalette::WindowText;
}

void SetRoleColor(QWidget& control, QPalette::ColorRole role, qint32 packed)
{
    QPalette palette = control.palette();
    // Every colour group alike: the colour must not change when the window
    // loses activation.
    palette.setColor(role, ColorFromPacked(packed));
    control.setPalette(palette);
}

constexpr char SystemBackColorProperty[] = "kalustraSystemBackColor";

} // namespace

void SetBackColor(QWidget& control, qint32 packed)
{
    // A label paints no background of its own unless told to.
    if (!PaintsOnBase(control))
        control.setAutoFillBackground(true);
    SetRoleColor(control, BackRole(control), packed);
    control.setProperty(SystemBackColorProperty, false);
}

void SetSystemButtonFaceBackColor(QWidget& control)
{
    SetBackColor(control, PackedFromColor(control.palette().color(QPalette::Button)));
    control.setProperty(SystemBackColorProperty, true);
    SetSystemButtonTextForeColor(control);
}

void SetSystemButtonTextForeColor(QWidget& control)
{
    SetForeColor(control, PackedFromColor(control.palette().color(QPalette::ButtonText)));
}

bool HasSystemBackColor(const QWidget& control)
{
    return control.property(SystemBackColorProperty).toBool();
}

qint32 BackColor(const QWidget& control)
{
    return PackedFromColor(control.palette().color(BackRole(control)));
}

void SetForeColor(QWidget& control, qint32 packed)
{
    SetRoleColor(control, ForeRole(control), packed);
}

qint32 ForeColor(const QWidget& control)
{
    return PackedFromColor(control.palette().color(ForeRole(control)));
}
