#include "export/PackedColor.h"

QColor ColorFromPacked(qint32 packed)
{
    // The bits above blue carry no colour.
    const auto bits = quint32(packed);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

qint32 PackedFromColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return qint32(quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16);
}
