#pragma once

#include "controls/KeyCode.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

// How many of the key-down events a spy recorded were Enter: the handlers
// act on its code alone, whatever the shift state.
inline qsizetype EnterPresses(const QSignalSpy& keys)
{
    return std::count_if(keys.begin(), keys.end(), [](const QVariantList& key) {
        return key.at(0).value<qint16>() == EnterKeyCode;
    });
}
