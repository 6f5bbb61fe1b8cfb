#include "model/CourseListFile.h"

#include "general/FileRoutines.h"
#include "general/NumericValue.h"
#include "general/StdError.h"
#include "model/Week.h"

#include <QFileInfo>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ListFileNumber = 1;
constexpr qsizetype MaskLength = Week::PositionCount;

// A comma would end the name early: it is written as "#44", which only a
// name reads back, as "#13" is in the info. A line feed (pasted into the
// chooser) would end the line: names are one line, so it is written as a
// blank. (Most texts hold none of these: the checks spare a copy for each.)
QString EncodeCaption(QString caption)
{
    if (caption.contains(u',') || caption.contains(u'\n'))
        caption.replace(u","_s, u"#44"_s).replace(STD::LineBreak(), u" "_s).replace(u'\n', u' ');
    return caption;
}

QString DecodeCaption(QString caption)
{
    if (caption.contains(u'#'))
        caption.replace(u"#44"_s, u","_s);
    return caption;
}

// A lone line feed would end the line for the reader; it comes back as a
// line break, which is how the info field shows it anyway.
QString EncodeInfo(QString info)
{
    if (info.contains(u'\n'))
        info.replace(STD::LineBreak(), u"#13"_s).replace(u"\n"_s, u"#13"_s);
    return info;
}

// The reader takes exactly twenty characters for the mask, so a shorter one
// would swallow the comma and the start of the info. Missing positions are
// not offered, which "0" says as well.
QString MaskOfTwenty(const QString& times)
{
    return times.size() >= MaskLength ? times.left(MaskLength)
                                      : times + QString(MaskLength - times.size(), u'0');
}

template <typename Member>
Member ToMember(double value, const QString& field, std::vector<QString>* repairs)
{
    constexpr double low = std::numeric_limits<Member>::min();
    constexpr double high = std::numeric_limits<Member>::max();
    const double rounded = STD::RoundHalfEven(value);
    if (rounded >= low && rounded <= high)
        return Member(rounded);
    const Member limited = rounded < low ? Member(low) : Member(high);
    if (repairs)
        repairs->push_back(u"%1 %2 liegt außerhalb von %3 bis %4 und wurde auf %5 begrenzt"_s.arg(
            field, STD::NumberText(value), STD::NumberText(low), STD::NumberText(high),
            STD::NumberText(limited)));
    return limited;
}

// The reader passes over the characters where the format has its second and
// last comma; anything else there is read past, and the user is told.
void NoteSkippedCharacter(const QString& line, qsizetype position, const QString& after,
                          std::vector<QString>* repairs)
{
    if (repairs && position < line.size() && line[position] != u',')
        repairs->push_back(
            u"statt des Kommas nach %1 steht „%2“; das Zeichen wurde übergangen"_s.arg(
                after, line[position]));
}

void NoteMissingComma(const QString& after, std::vector<QString>* repairs)
{
    if (repairs)
        repairs->push_back(u"unvollständig: kein Komma nach %1; die fehlenden Angaben haben "
                           u"ihre Anfangswerte"_s.arg(after));
}

} // namespace

Termin ParseCourseLine(const QString& line, std::vector<QString>* repairs)
{
    Termin course;
    qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        course.Caption = DecodeCaption(line);
        NoteMissingComma(u"dem Namen"_s, repairs);
        return course;
    }
    course.Caption = DecodeCaption(line.left(comma));
    QString rest = line.mid(comma + 1);

    // One character, then the comma after it.
    course.VisitAll = STD::NumericValue(rest.left(1)) != 0;
    NoteSkippedCharacter(rest, 1, u"„Alle besuchen“"_s, repairs);
    rest = rest.mid(2);

    comma = rest.indexOf(u',');
    course.Priority = ToMember<qint16>(
        STD::NumericValue(rest.left(comma < 0 ? rest.size() : comma)), u"Die Priorität"_s, repairs);
    if (comma < 0) {
        NoteMissingComma(u"der Priorität"_s, repairs);
        return course;
    }
    rest = rest.mid(comma + 1);

    comma = rest.indexOf(u',');
    course.Color = ToMember<qint32>(STD::NumericValue(rest.left(comma < 0 ? rest.size() : comma)),
                                    u"Die Farbe"_s, repairs);
    if (comma < 0) {
        NoteMissingComma(u"der Farbe"_s, repairs);
        return course;
    }
    rest = rest.mid(comma + 1);

    course.Times = rest.left(MaskLength);
    NoteSkippedCharacter(rest, MaskLength, u"den Zeiten"_s, repairs);
    course.Info = rest.mid(MaskLength + 1);
    if (course.Info.contains(u'#'))
        course.Info.replace(u"#13"_s, STD::LineBreak());
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
        if (QFileInfo::exists(fileName))
            throw;
        // Nothing is lost: the list is empty, and the save at the end tells
        // the reason again if the file still cannot be made.
        content.notices.push_back(
            {0, u"Die Datei konnte nicht angelegt werden: "_s + error.Text()});
        return content;
    }

    int lineNumber = 0;
    while (files.Position(ListFileNumber) <= files.Length(ListFileNumber)) {
        const QString line = STD::ReadLine(files, ListFileNumber);
        ++lineNumber;
        // An empty line would end the list and the next save would drop
        // every course after it; the program itself never writes one.
        if (line.isEmpty() || line == u"\r") {
            content.notices.push_back({lineNumber, u"leere Zeile übersprungen"_s});
            continue;
        }
        if (content.courses.size() >= CourseCollection::MaxCount) {
            content.notices.push_back(
                {lineNumber,
                 u"nicht geladen, ebenso alle folgenden Zeilen: die Liste fasst höchstens "
                 u"%1 Veranstaltungen"_s.arg(CourseCollection::MaxCount)});
            break;
        }
        std::vector<QString> repairs;
        content.courses.push_back(ParseCourseLine(line, &repairs));
        for (QString& reason : repairs)
            content.notices.push_back({lineNumber, std::move(reason)});
    }
    files.Close(ListFileNumber);
    return content;
}

qsizetype WriteCourseList(const QString& fileName, const CourseCollection& courses)
{
    STD::FileTable files;
    files.OpenReplacement(fileName, ListFileNumber);
    for (const Termin& course : courses)
        STD::WriteLine(files, ListFileNumber, CourseLine(course));
    const qsizetype replaced = files.ReplacedCharacters(ListFileNumber);
    files.Close(ListFileNumber);
    return replaced;
}
