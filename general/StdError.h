#pragma once

#include <QString>

#include <stdexcept>

namespace STD {

// The numbers callers and the window rely on; file errors use the numbers
// the desktop platform has always given them, so a message can name them.
enum ErrorNumber : int
{
    InvalidArgument = 5,
    Overflow = 6,
    DivisionByZero = 11,
    BadFileNumber = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// A routine that refuses its input raises this. The core catches it in two
// places only: the file table's destructor, where a failed write-back can no
// longer be told to anyone, and the list reader, where a missing file that
// cannot be made reads as an empty list with a notice.
class Error : public std::runtime_error
{
public:
    Error(int number, const QString& text);

    int Number() const { return number_; }
    QString Text() const { return text_; }

private:
    int number_;
    QString text_;
};

// The standard text of an error number, in the language of the user interface.
QString ErrorText(int number);

[[noreturn]] void Raise(int number);
[[noreturn]] void Raise(int number, const QString& detail);

} // namespace STD
