#pragma once

#include "general/StdError.h"

#include <gtest/gtest.h>

#include <functional>

// Runs `call` and checks that it raises the error with `number`.
inline testing::AssertionResult RaisesError(int number, const std::function<void()>& call)
{
    try {
        call();
    } catch (const STD::Error& error) {
        if (error.Number() == number)
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "raised error " << error.Number() << " instead of " << number;
    }
    return testing::AssertionFailure() << "raised no error, expected " << number;
}
