// kalustra-search FILE [K]: the search button's clicks on a course list.
// Sorts by priority as a fresh search does, then clicks "Suchen" and up to
// K - 1 times "Weiter suchen", each with the value the click before showed,
// and prints one line per click:
//     rank R value V found F placement P1 ... Pn
// Pi is the cell position of the course at position i after the sort, cells
// joined by "+" for a VisitAll course, "-" where it is not placed. Stops
// after the first continuation that finds fewer than its rank. The last
// click's timetable can also be written as a calendar, a PDF and a picture
// (--help). A wrong command line or a file that cannot be read gives exit
// status 2, an output that cannot be written 1; nothing is written unless
// every output could be made.
#include "export/CalendarFile.h"
#include "export/PageFiles.h"
#include "general/DiskFile.h"
#include "general/StdError.h"
#include "model/CourseListFile.h"
#include "model/CourseOrder.h"
#include "search/SearchSession.h"
#include "search/Timetable.h"
#include "tools/SearchToolCommandLine.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTimeZone>

#include <bit>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int UsageError = 2;
constexpr int UnreadableFile = 2;
constexpr int UnwritableOutput = 1;

void PrintError(const QString& text)
{
    std::fprintf(stderr, "kalustra-search: %s\n", qPrintable(text));
}

// Positions joined by "+", "-" for none. A line names every course, so it
// is built as bytes: on the largest lists printing would outlast searching.
void AppendPlacement(QByteArray& line, CellMask cells)
{
    if (cells == 0) {
        line += '-';
        return;
    }
    for (CellMask rest = cells; rest != 0; rest &= rest - 1) {
        const int position = std::countr_zero(rest) + 1;
        if (rest != cells)
            line += '+';
        if (position >= 10)
            line += char('0' + position / 10);
        line += char('0' + position % 10);
    }
}

QByteArray ClickLine(qint16 rank, qint32 value, qint16 found, const Distribution& result)
{
    QByteArray line =
        u"rank %1 value %2 found %3 placement"_s.arg(rank).arg(value).arg(found).toUtf8();
    line.reserve(line.size() + qsizetype(result.size()) * 3 + 1);
    for (const CellMask cells : result) {
        line += ' ';
        AppendPlacement(line, cells);
    }
    return line += '\n';
}

// Every requested output made in memory first, so that a failure leaves no
// file behind; each then goes through the list's checked write.
int WriteOutputs(const SearchToolRequest& request, const Timetable& timetable)
{
    std::vector<std::pair<QString, QByteArray>> outputs;
    try {
        if (!request.calendarFile.isEmpty())
            outputs.emplace_back(request.calendarFile, CalendarFile(timetable, request.period,
                                                                    QTimeZone::systemTimeZoneId()));
    } catch (const STD::Error& error) {
        PrintError(error.Text());
        return UsageError;
    }
    if (!request.pdfFile.isEmpty())
        outputs.emplace_back(request.pdfFile, TimetablePdf(timetable));
    if (!request.pictureFile.isEmpty())
        outputs.emplace_back(request.pictureFile, TimetablePng(timetable));
    for (const auto& [fileName, bytes] : outputs) {
        try {
            STD::ReplaceFile(fileName, bytes);
        } catch (const STD::Error& error) {
            PrintError(u"%1: %2"_s.arg(fileName, error.Text()));
            return UnwritableOutput;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = ParseSearchToolArguments(arguments);
    if (const auto* problem = std::get_if<UsageProblem>(&parsed)) {
        PrintError(problem->reason + u"; "_s + SearchToolUsage());
        return UsageError;
    }
    if (std::holds_alternative<HelpRequest>(parsed)) {
        std::printf("%s", qPrintable(SearchToolHelp()));
        return 0;
    }
    const SearchToolRequest& request = std::get<SearchToolRequest>(parsed);
    // Text on a page needs the fonts of a GUI application, but no display.
    std::optional<QGuiApplication> application;
    if (request.PaintsPage()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application.emplace(argc, argv);
    }
    const std::optional<qint16> clicks = request.clicks;
    const QString fileName = request.listFile;
    // The reader creates a missing list; this tool only reads.
    if (const QFileInfo file(fileName); !file.isFile()) {
        PrintError(u"%1: %2"_s.arg(fileName, file.exists() ? u"not a file"_s : u"no such file"_s));
        return UnreadableFile;
    }
    CourseListContent content;
    try {
        content = ReadCourseList(fileName);
    } catch (const STD::Error& error) {
        PrintError(u"%1: %2"_s.arg(fileName, error.Text()));
        return UnreadableFile;
    }
    for (const LineNotice& notice : content.notices)
        PrintError(u"%1 line %2: %3"_s.arg(fileName).arg(notice.lineNumber).arg(notice.reason));

    CourseCollection courses;
    for (Termin& course : content.courses)
        courses.Append(std::move(course));
    SortCollection(courses, u"priority"_s);

    SearchSession search;
    QElapsedTimer timer;
    qint64 slowest = 0;
    qint32 shownValue = 0;
    Distribution shown;
    for (qint16 rank = 1; rank <= *clicks; ++rank) {
        timer.start();
        // As the button: the first click asks for the best, each further
        // one for the next distribution of the value the one before showed.
        const SearchClick click =
            rank == 1 ? search.Click(courses, 0, 0) : search.Click(courses, shownValue, rank);
        slowest = std::max(slowest, timer.nsecsElapsed());
        const QByteArray line = ClickLine(rank, click.bestValue, click.foundCount, click.result);
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
        shownValue = click.bestValue;
        shown = click.result;
        if (rank > 1 && click.foundCount < rank)
            break;
    }
    std::fprintf(stderr, "kalustra-search: slowest click %.3f ms\n", double(slowest) / 1e6);
    return WriteOutputs(request, MakeTimetable(courses, shown, shownValue));
}
