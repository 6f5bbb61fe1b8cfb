// kalustra-search FILE [K]: the search button's clicks on a course list.
// Sorts by priority as a fresh search does, then clicks "Suchen" and up to
// K - 1 times "Weiter suchen", each with the value the click before showed,
// and prints one line per click:
//     rank R value V found F placement P1 ... Pn
// Pi is the cell position of the course at position i after the sort, cells
// joined by "+" for a VisitAll course, "-" where it is not placed. Stops
// after the first continuation that finds fewer than its rank. A file that
// cannot be read gives exit status 2, a wrong command line 1.
#include "general/StdError.h"
#include "model/CourseListFile.h"
#include "model/CourseOrder.h"
#include "search/SearchSession.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <bit>
#include <cstdio>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int UsageError = 1;
constexpr int UnreadableFile = 2;

void PrintError(const QString& text)
{
    std::fprintf(stderr, "kalustra-search: %s\n", qPrintable(text));
}

std::optional<qint16> ClickCount(int argc, char** argv)
{
    if (argc == 2)
        return 1;
    bool ok = false;
    const int count = QString::fromLocal8Bit(argv[2]).toInt(&ok);
    if (argc != 3 || !ok || count < 1 || count > 32767)
        return std::nullopt;
    return qint16(count);
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

} // namespace

int main(int argc, char** argv)
{
    const std::optional<qint16> clicks = argc >= 2 ? ClickCount(argc, argv) : std::nullopt;
    if (!clicks) {
        PrintError(u"usage: kalustra-search FILE [K], K from 1 to 32767"_s);
        return UsageError;
    }
    const QString fileName = QString::fromLocal8Bit(argv[1]);
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
        if (rank > 1 && click.foundCount < rank)
            break;
    }
    std::fprintf(stderr, "kalustra-search: slowest click %.3f ms\n", double(slowest) / 1e6);
    return 0;
}
