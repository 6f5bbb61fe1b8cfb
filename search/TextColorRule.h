#pragma once

#include <QtGlobal>

// The text colour that stays readable on `background` (both packed
// 0x00BBGGRR): per channel full intensity where the background's channel
// is dark (below 128), none where it is light.
qint32 ReadableTextColor(qint32 background);
