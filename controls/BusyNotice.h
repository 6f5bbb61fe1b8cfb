#pragma once

#include <QString>

#include <memory>

class QProgressDialog;

// While it lives, a small window without buttons says what the program is
// busy with, and the cursor shows that it is busy: for work that blocks the
// window long enough for the user to wonder, such as reading a huge list.
class BusyNotice
{
public:
    BusyNotice(const QString& title, const QString& text);
    ~BusyNotice();
    BusyNotice(const BusyNotice&) = delete;
    BusyNotice& operator=(const BusyNotice&) = delete;

private:
    std::unique_ptr<QProgressDialog> dialog_;
};
