#include "tools/SearchToolCommandLine.h"

#include <QCommandLineParser>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<QDate> IsoDate(const QString& text)
{
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

} // namespace

QString SearchToolUsage()
{
    return u"usage: kalustra-search FILE [K] [--ics OUT.ics --from YYYY-MM-DD --to YYYY-MM-DD] "
           u"[--pdf OUT.pdf] [--png OUT.png]"_s;
}

QString SearchToolHelp()
{
    return SearchToolUsage() +
           u"\n\n"
           u"Reads the course list FILE and prints what the first K clicks (1 to 32767, by\n"
           u"default 1) of the search button show, one line each:\n"
           u"    rank R value V found F placement P1 ... Pn\n"
           u"Pi is the cell position of course i after the sort by priority, cells joined\n"
           u"by \"+\", \"-\" where the course is not placed.\n\n"
           u"The timetable of the last click is also written:\n"
           u"  --ics OUT.ics   as an iCalendar file, weekly from --from to --to\n"
           u"  --from DATE     first day of the lecture period (YYYY-MM-DD)\n"
           u"  --to DATE       last day of the lecture period (YYYY-MM-DD)\n"
           u"  --pdf OUT.pdf   as one A4 landscape page\n"
           u"  --png OUT.png   as a picture of that page\n"
           u"  -h, --help      this text\n\n"
           u"Exit status: 0 done, 1 an output could not be written, 2 a wrong command line\n"
           u"or an unreadable FILE. Nothing is written unless every output can be made.\n"_s;
}

std::variant<SearchToolRequest, HelpRequest, UsageProblem>
ParseSearchToolArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption ics(u"ics"_s, {}, u"OUT.ics"_s);
    const QCommandLineOption from(u"from"_s, {}, u"DATE"_s);
    const QCommandLineOption to(u"to"_s, {}, u"DATE"_s);
    const QCommandLineOption pdf(u"pdf"_s, {}, u"OUT.pdf"_s);
    const QCommandLineOption png(u"png"_s, {}, u"OUT.png"_s);
    parser.addOptions({help, ics, from, to, pdf, png});
    if (!parser.parse(arguments))
        return UsageProblem{parser.errorText()};
    if (parser.isSet(help))
        return HelpRequest{};

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty() || positional.size() > 2)
        return UsageProblem{u"expected FILE and at most one K"_s};
    SearchToolRequest request;
    request.listFile = positional[0];
    if (positional.size() == 2) {
        bool ok = false;
        const int clicks = positional[1].toInt(&ok);
        if (!ok || clicks < 1 || clicks > 32767)
            return UsageProblem{u"K must be a number from 1 to 32767"_s};
        request.clicks = qint16(clicks);
    }
    for (const QCommandLineOption* output : {&ics, &from, &to, &pdf, &png}) {
        if (parser.values(*output).size() > 1 ||
            (parser.isSet(*output) && parser.value(*output).isEmpty()))
            return UsageProblem{u"--%1 takes one value"_s.arg(output->names().constFirst())};
    }
    request.calendarFile = parser.value(ics);
    request.pdfFile = parser.value(pdf);
    request.pictureFile = parser.value(png);
    const bool hasPeriod = parser.isSet(from) || parser.isSet(to);
    if (request.calendarFile.isEmpty() != !hasPeriod || parser.isSet(from) != parser.isSet(to))
        return UsageProblem{u"--ics needs --from and --to, and they need --ics"_s};
    if (hasPeriod) {
        const std::optional<QDate> first = IsoDate(parser.value(from));
        const std::optional<QDate> last = IsoDate(parser.value(to));
        if (!first || !last)
            return UsageProblem{u"dates are written YYYY-MM-DD"_s};
        if (*first > *last)
            return UsageProblem{u"--from must not be after --to"_s};
        request.period = {*first, *last};
    }
    return request;
}
