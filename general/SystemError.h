#pragma once

#include <QString>

namespace STD {

// The error number and German reason that match a failed system call's
// errno, so that no message says "Unknown error".
int ErrorNumberOf(int systemError);
QString SystemErrorReason(int systemError);

// Raises ErrorNumberOf(systemError) naming fileName and the reason.
[[noreturn]] void RaiseSystemError(int systemError, const QString& fileName);

} // namespace STD
