#include "model/CourseListFile.h"

#include "general/FileRoutines.h"
#include "general/NumericValue.h"
#include "general/StdError.h"
#include "general/Windows1252.h"
#include "model/Week.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ListFileNumber = 1;
constexpr qsizetype MaskLength = Week::PositionCount;
// A notice quotes at most this much of what it speaks of.
constexpr qsizetype QuotedLength = 40;

// A comma would end the name early: it is written as "#44", which only a
// name reads back, as "#13" is in the info. A line feed (pasted into the
// chooser) would end the line: names are one line, so it is written as a
// blank.
QString EncodeCaption(const QString& caption)
{
    if (!caption.contains(u',') && !caption.contains(u'\n'))
        return caption;
    const QString blanked =
        STD::ReplaceText(STD::ReplaceText(caption, STD::LineBreak(), u" "), u"\n", u" ");
    return STD::ReplaceText(blanked, u",", u"#44");
}

// A lone line feed would end the line for the reader; it comes back as a
// line break, which is how the info field shows it anyway.
QString EncodeInfo(const QString& info)
{
    if (!info.contains(u'\n'))
        return info;
    return STD::ReplaceText(STD::ReplaceText(info, STD::LineBreak(), u"#13"), u"\n", u"#13");
}

// The reader takes exactly twenty characters for the mask, so a shorter one
// would swallow the comma and the start of the info. Missing positions are
// not offered, which "0" says as well.
QString MaskOfTwenty(const QString& times)
{
    return times.size() >= MaskLength ? times.left(MaskLength)
                                      : times + QString(MaskLength - times.size(), u'0');
}

QString Quoted(QStringView text)
{
    const QString shown = text.size() <= QuotedLength
                              ? text.toString()
                              : text.first(QuotedLength).toString() + u"…"_s;
    return u"„"_s + shown + u"“"_s;
}

class Repairs
{
public:
    explicit Repairs(std::vector<LineNotice>* notices) : notices_(notices) {}

    void Add(const QString& reason, bool leavesOutText)
    {
        if (notices_)
            notices_->push_back({0, reason, leavesOutText});
    }

private:
    std::vector<LineNotice>* notices_;
};

template <typename Member> Member ToMember(double value, const QString& field, Repairs& repairs)
{
    constexpr double low = std::numeric_limits<Member>::min();
    constexpr double high = std::numeric_limits<Member>::max();
    const double rounded = STD::RoundHalfEven(value);
    if (rounded >= low && rounded <= high)
        return Member(rounded);
    const Member limited = rounded < low ? Member(low) : Member(high);
    repairs.Add(u"%1 %2 liegt außerhalb von %3 bis %4 und wurde auf %5 begrenzt"_s.arg(
                    field, STD::NumberText(value), STD::NumberText(low), STD::NumberText(high),
                    STD::NumberText(limited)),
                true);
    return limited;
}

// The numbers the program writes: an optional "-" and at most nine decimal
// digits, whose value the general rules give too. Anything else: none.
std::optional<qint32> PlainInteger(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    qint32 value = 0;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return negative ? -value : value;
}

// A number field reads as its leading number, or 0; whatever stands after
// the number would be gone at the next save, so the user is told.
template <typename Member>
Member NumberField(QStringView text, const QString& subject, const QString& inField,
                   Repairs& repairs)
{
    // Most fields are plain numbers: read them without copying the text.
    if (const std::optional<qint32> plain = PlainInteger(text))
        return ToMember<Member>(*plain, subject, repairs);
    const QString field = text.toString();
    const Member value = ToMember<Member>(STD::NumericValue(field), subject, repairs);
    const QString after = STD::TextAfterNumber(field);
    if (after.isEmpty())
        return value;
    QString withoutBlanks = field;
    withoutBlanks.remove(u' ').remove(u'\t').remove(u'\n');
    if (after == withoutBlanks)
        repairs.Add(u"%1 steht %2 statt einer Zahl; gelesen als 0"_s.arg(inField, Quoted(after)),
                    true);
    else
        repairs.Add(u"%1 steht nach der Zahl %2; dieser Text wurde übergangen"_s.arg(inField,
                                                                                     Quoted(after)),
                    true);
    return value;
}

// The reader passes over the characters where the format has its second and
// last comma; anything else there is read past, and the user is told.
void NoteSkippedCharacter(QStringView line, qsizetype position, const QString& after,
                          Repairs& repairs)
{
    if (position < line.size() && line[position] != u',')
        repairs.Add(u"statt des Kommas nach %1 steht „%2“; das Zeichen wurde übergangen"_s.arg(
                        after, line[position]),
                    true);
}

void NoteMissingComma(const QString& after, Repairs& repairs)
{
    repairs.Add(u"unvollständig: kein Komma nach %1; die fehlenden Angaben haben "
                u"ihre Anfangswerte"_s.arg(after),
                false);
}

QStringView UpToComma(QStringView text, qsizetype comma)
{
    return comma < 0 ? text : text.first(comma);
}

// Runs of empty lines are told once, so that a file of nothing but line
// breaks cannot fill memory with notices.
void NoteEmptyLine(std::vector<LineNotice>& notices, int lineNumber, int& runStart)
{
    const int earlier = lineNumber - runStart;
    if (earlier > 0 && !notices.empty() && notices.back().lineNumber == runStart) {
        notices.back().reason = u"leere Zeile übersprungen, ebenso die %1 folgenden"_s.arg(earlier);
        return;
    }
    runStart = lineNumber;
    notices.push_back({lineNumber, u"leere Zeile übersprungen"_s});
}

LineNotice KeptLinesNotice(int firstLine, const QByteArray& kept)
{
    const qsizetype lines = kept.count('\n') + (kept.endsWith('\n') ? 0 : 1);
    const QString limit = QString::number(CourseCollection::MaxCount);
    const QString reason =
        lines == 1 ? u"Diese Zeile wurde nicht geladen: die Liste fasst höchstens %1 "
                     u"Veranstaltungen. Sie bleibt in der Datei und wird beim Speichern "
                     u"unverändert hinter die geladenen geschrieben."_s.arg(limit)
                   : u"Diese und die %1 folgenden Zeilen wurden nicht geladen: die Liste fasst "
                     u"höchstens %2 Veranstaltungen. Sie bleiben in der Datei und werden beim "
                     u"Speichern unverändert hinter die geladenen geschrieben."_s.arg(
                         QString::number(lines - 1), limit);
    return {firstLine, reason, true};
}

QByteArray RestOfFile(STD::FileTable& files)
{
    QByteArray rest;
    while (files.Position(ListFileNumber) <= files.Length(ListFileNumber))
        rest += files.ReadThrough(ListFileNumber, '\n');
    return rest;
}

} // namespace

Termin ParseCourseLine(QStringView line, std::vector<LineNotice>* notices)
{
    Repairs repairs(notices);
    Termin course;
    qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        course.Caption = STD::ReplaceText(line, u"#44", u",");
        NoteMissingComma(u"dem Namen"_s, repairs);
        return course;
    }
    course.Caption = STD::ReplaceText(line.first(comma), u"#44", u",");
    QStringView rest = line.sliced(comma + 1);

    // One character, then the comma after it.
    const std::optional<qint32> flag = PlainInteger(rest.left(1));
    course.VisitAll = (flag ? *flag : STD::NumericValue(rest.left(1).toString())) != 0;
    NoteSkippedCharacter(rest, 1, u"„Alle besuchen“"_s, repairs);
    rest = rest.mid(2);

    comma = rest.indexOf(u',');
    course.Priority = NumberField<qint16>(UpToComma(rest, comma), u"Die Priorität"_s,
                                          u"In der Priorität"_s, repairs);
    if (comma < 0) {
        NoteMissingComma(u"der Priorität"_s, repairs);
        return course;
    }
    rest = rest.sliced(comma + 1);

    comma = rest.indexOf(u',');
    course.Color =
        NumberField<qint32>(UpToComma(rest, comma), u"Die Farbe"_s, u"In der Farbe"_s, repairs);
    if (comma < 0) {
        NoteMissingComma(u"der Farbe"_s, repairs);
        return course;
    }
    rest = rest.sliced(comma + 1);

    course.Times = rest.left(MaskLength).toString();
    NoteSkippedCharacter(rest, MaskLength, u"den Zeiten"_s, repairs);
    course.Info = STD::ReplaceText(rest.mid(MaskLength + 1), u"#13", STD::LineBreak());
    return course;
}

QString CourseLine(const Termin& course)
{
    return EncodeCaption(course.Caption) + u',' + STD::NumberText(course.VisitAll ? 1 : 0) + u',' +
           STD::NumberText(course.Priority) + u',' + STD::NumberText(course.Color) + u',' +
           MaskOfTwenty(course.Times) + u',' + EncodeInfo(course.Info);
}

CourseListContent ReadCourseList(const QString& fileName)
{
    CourseListContent content;
    STD::FileTable files;
    try {
        files.Open(fileName, ListFileNumber, STD::FileMode::Random, 1);
    } catch (const STD::Error& error) {
        if (QFileInfo::exists(fileName) || QFileInfo(fileName).isSymLink())
            throw;
        // Nothing is lost: the list is empty, and the save at the end tells
        // the reason again if the file still cannot be made.
        content.notices.push_back(
            {0, u"Die Datei konnte nicht angelegt werden: "_s + error.Text()});
        return content;
    }

    int lineNumber = 0;
    int emptyRunStart = 0;
    while (files.Position(ListFileNumber) <= files.Length(ListFileNumber)) {
        if (content.courses.size() >= CourseCollection::MaxCount) {
            content.keptLines = RestOfFile(files);
            content.notices.push_back(KeptLinesNotice(lineNumber + 1, content.keptLines));
            break;
        }
        const QString line = STD::ReadLine(files, ListFileNumber);
        ++lineNumber;
        // An empty line would end the list and the next save would drop
        // every course after it; the program itself never writes one.
        if (line.isEmpty() || line == u"\r") {
            NoteEmptyLine(content.notices, lineNumber, emptyRunStart);
            continue;
        }
        const std::size_t firstRepair = content.notices.size();
        content.courses.push_back(ParseCourseLine(line, &content.notices));
        for (std::size_t i = firstRepair; i < content.notices.size(); ++i)
            content.notices[i].lineNumber = lineNumber;
    }
    files.Close(ListFileNumber);
    std::stable_partition(content.notices.begin(), content.notices.end(),
                          [](const LineNotice& notice) { return notice.leavesOutText; });
    return content;
}

qsizetype WriteCourseList(const QString& fileName, const CourseCollection& courses,
                          QByteArrayView keptLines, STD::SaveSteps& steps)
{
    STD::FileTable files(steps);
    files.OpenReplacement(fileName, ListFileNumber);
    for (const Termin& course : courses)
        STD::WriteLine(files, ListFileNumber, CourseLine(course));
    files.Write(ListFileNumber, keptLines);
    const qsizetype replaced = files.ReplacedCharacters(ListFileNumber);
    files.Close(ListFileNumber);
    return replaced;
}

QByteArray CourseLineBytes(const Termin& course, qsizetype* replaced)
{
    return STD::Windows1252::Encode(CourseLine(course) + STD::LineBreak(), replaced);
}

QByteArray CourseListBytes(const CourseCollection& courses, QByteArrayView keptLines,
                           qsizetype* replaced)
{
    QByteArray bytes;
    qsizetype unwritable = 0;
    for (const Termin& course : courses) {
        qsizetype inLine = 0;
        bytes += CourseLineBytes(course, &inLine);
        unwritable += inLine;
    }
    bytes += keptLines;
    if (replaced != nullptr)
        *replaced = unwritable;
    return bytes;
}
