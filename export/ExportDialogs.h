#pragma once

#include "export/LecturePeriod.h"

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// A save dialog's question: its title, the file it proposes and the filter.
struct FileRequest
{
    QString title;
    QString proposedFile;
    QString filter;
};

// The dialogs the window's exports ask through. The program shows Qt's
// dialogs; tests answer without a person. No answer means cancelled.
struct ExportDialogs
{
    std::function<std::optional<QString>(const FileRequest&)> chooseFile;
    std::function<std::optional<LecturePeriod>(const LecturePeriod& proposed)> askPeriod;
    // Lets the user set the printer up; false: do not print.
    std::function<bool(QPrinter&)> setUpPrinter;
};

// Qt's save, period and print dialogs, modal over `parent`.
ExportDialogs DesktopExportDialogs(QWidget* parent);
