#pragma once

#include <QColor>

// Colours travel through the program packed as 0x00BBGGRR: red in the low
// byte, then green, then blue. This pair is the only place that unpacks
// them for Qt or packs Qt's colours back.
QColor ColorFromPacked(qint32 packed);
qint32 PackedFromColor(const QColor& color);
