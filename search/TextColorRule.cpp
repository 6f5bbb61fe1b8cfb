#include "search/TextColorRule.h"

qint32 ReadableTextColor(qint32 background)
{
    qint32 text = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int shift = 8 * channel;
        if ((background & (255 << shift)) < (128 << shift))
            text |= 255 << shift;
    }
    return text;
}
