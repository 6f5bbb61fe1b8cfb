#pragma once

#include "export/LecturePeriod.h"

#include <QDialog>

#include <optional>

class QDateEdit;
class QPushButton;

// Asks for the lecture period a calendar export repeats the timetable over:
// its first and last day, the last never before the first.
class PeriodDialog : public QDialog
{
    Q_OBJECT
public:
    PeriodDialog(const LecturePeriod& proposed, QWidget* parent = nullptr);

    LecturePeriod Period() const;

private:
    QDateEdit* first_;
    QDateEdit* last_;
    QPushButton* ok_;
};

// The dialog, modal over `parent`; nothing when cancelled.
std::optional<LecturePeriod> AskPeriod(QWidget* parent, const LecturePeriod& proposed);
