#pragma once

#include "export/LecturePeriod.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What `kalustra-search` is asked to do: the list, how many clicks, and
// where to write the last click's timetable, each output optional.
struct SearchToolRequest
{
    QString listFile;
    qint16 clicks = 1;
    QString calendarFile;
    LecturePeriod period;
    QString pdfFile;
    QString pictureFile;

    bool PaintsPage() const { return !pdfFile.isEmpty() || !pictureFile.isEmpty(); }
};

struct HelpRequest
{
};

// Why the command line was refused, in one line.
struct UsageProblem
{
    QString reason;
};

// arguments: as main() receives them, the program's name first.
std::variant<SearchToolRequest, HelpRequest, UsageProblem>
ParseSearchToolArguments(const QStringList& arguments);

// The one-line synopsis, and the whole help that --help prints.
QString SearchToolUsage();
QString SearchToolHelp();
