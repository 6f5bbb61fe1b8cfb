#include "controls/BusyNotice.h"

#include <QApplication>
#include <QProgressDialog>

BusyNotice::BusyNotice(const QString& title, const QString& text)
    : dialog_(std::make_unique<QProgressDialog>(text, QString(), 0, 0))
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dialog_->setWindowTitle(title);
    dialog_->setCancelButton(nullptr);
    dialog_->setMinimumDuration(0);
    dialog_->show();
    // Painted now: the work that follows does not return to the event loop.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyNotice::~BusyNotice()
{
    dialog_->close();
    QApplication::restoreOverrideCursor();
}
