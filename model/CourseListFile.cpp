#include "model/CourseListFile.h"

#include "general/FileRoutines.h"
#include "general/NumericValue.h"
#include "general/StdError.h"
#include "general/Windows1252.h"
#include "model/FieldMarkers.h"
#include "model/Week.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ListFileNumber = 1;
constexpr qsizetype MaskLength = Week::PositionCount;
// A notice quotes at most this much of what it speaks of.
constexpr qsizetype QuotedLength = 40;

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

char16_t CodeUnit(QChar character)
{
    return character.unicode();
}
char16_t CodeUnit(char byte)
{
    return char16_t(quint8(byte));
}

// The numbers the program writes: an optional "-" and at most nine decimal
// digits, whose value the general rules give too. Anything else: none.
// Text is a view of characters or of the file's bytes.
template <typename Text> std::optional<qint32> PlainInteger(Text text)
{
    const bool negative = !text.isEmpty() && CodeUnit(text.front()) == u'-';
    const Text digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    qint32 value = 0;
    for (const auto digit : digits) {
        const char16_t unit = CodeUnit(digit);
        if (unit < u'0' || unit > u'9')
            return std::nullopt;
        value = value * 10 + (unit - u'0');
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

// Where the mask ends in rest, the text after the colour's comma. The
// program writes twenty characters and a comma, whatever they are. A
// hand-made line may end the mask early with a comma, or with the line
// itself: the info after that comma is still the info.
qsizetype MaskEnd(QStringView rest)
{
    const qsizetype full = std::min(rest.size(), MaskLength);
    if (rest.size() > MaskLength && rest[MaskLength] == u',')
        return full;
    const qsizetype comma = rest.first(full).indexOf(u',');
    return comma < 0 ? full : comma;
}

void NoteShortMask(qsizetype length, bool infoFollows, Repairs& repairs)
{
    QString reason = u"Die Zeiten haben nur %1 statt %2 Zeichen; die fehlenden gelten als "
                     u"nicht angeboten"_s.arg(length)
                         .arg(MaskLength);
    if (infoFollows)
        reason += u", und der Text nach dem Komma steht in den Notizen"_s;
    repairs.Add(reason, false);
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

// The lines of the list file, as views of its bytes, which stay put while
// it is open. A file that holds no line feed but carriage returns comes
// from an editor that ends lines with CR alone, and is split there. Any
// other file is split at LF, without a CR before it: a lone CR inside a
// line stays text.
class ListLines
{
public:
    explicit ListLines(QByteArrayView content)
        : content_(content), crOnly_(!content.contains('\n') && content.contains('\r'))
    {}

    bool CrOnly() const { return crOnly_; }
    bool AtEnd() const { return position_ >= content_.size(); }

    QByteArrayView Next()
    {
        qsizetype end = content_.indexOf(crOnly_ ? '\r' : '\n', position_);
        if (end < 0)
            end = content_.size();
        QByteArrayView line = content_.sliced(position_, end - position_);
        position_ = end + 1;
        if (!crOnly_ && line.endsWith('\r') && end < content_.size())
            line.chop(1);
        return line;
    }

    // The lines not read yet, as they stood; CR-only lines end with CR LF,
    // as the courses before them will.
    QByteArray Rest()
    {
        QByteArray rest = content_.sliced(std::min(position_, content_.size())).toByteArray();
        position_ = content_.size();
        return crOnly_ ? rest.replace('\r', "\r\n") : rest;
    }

private:
    QByteArrayView content_;
    bool crOnly_ = false;
    qsizetype position_ = 0;
};

// Equal masks share one text: a long list repeats a few dozen of them.
class MaskTexts
{
public:
    QString Text(QStringView mask)
    {
        std::optional<QString> shared = SharedText(mask);
        return shared ? *std::move(shared) : mask.toString();
    }

    // Only twenty "0" and "1" are shared (none: anything else).
    template <typename Text> std::optional<QString> SharedText(Text mask)
    {
        if (mask.size() != MaskLength)
            return std::nullopt;
        quint32 bits = 0;
        for (const auto character : mask) {
            const char16_t unit = CodeUnit(character);
            if (unit != u'0' && unit != u'1')
                return std::nullopt;
            bits = bits << 1 | (unit == u'1' ? 1U : 0U);
        }
        const auto [place, isNew] = texts_.try_emplace(bits);
        if (isNew)
            place->second = ToString(mask);
        return place->second;
    }

private:
    static QString ToString(QStringView mask) { return mask.toString(); }
    static QString ToString(QByteArrayView mask) { return QString::fromLatin1(mask); }

    std::unordered_map<quint32, QString> texts_;
};

// Every field but the info, which starts at *infoStart (-1: none).
Termin ParseFieldsBeforeInfo(QStringView line, std::vector<LineNotice>* notices, MaskTexts& masks,
                             qsizetype* infoStart)
{
    *infoStart = -1;
    Repairs repairs(notices);
    Termin course;
    qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        course.Caption = FieldMarkers::DecodeCaption(line.toString());
        NoteMissingComma(u"dem Namen"_s, repairs);
        return course;
    }
    course.Caption = FieldMarkers::DecodeCaption(line.first(comma).toString());
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

    const qsizetype maskEnd = MaskEnd(rest);
    course.Times = masks.Text(rest.first(maskEnd));
    if (maskEnd < MaskLength)
        NoteShortMask(maskEnd, maskEnd < rest.size(), repairs);
    else
        NoteSkippedCharacter(rest, MaskLength, u"den Zeiten"_s, repairs);
    *infoStart = std::min(line.size(), line.size() - rest.size() + maskEnd + 1);
    return course;
}

// The reader's line is not needed after it: the info takes its characters.
Termin ParseCourseLine(QString line, std::vector<LineNotice>* notices, MaskTexts& masks)
{
    qsizetype infoStart = -1;
    Termin course = ParseFieldsBeforeInfo(line, notices, masks, &infoStart);
    if (infoStart >= 0) {
        line.remove(0, infoStart);
        course.Info = FieldMarkers::DecodeInfo(std::move(line));
    }
    return course;
}

// The number before the next comma in rest, which moves past that comma;
// none unless it is a plain one.
std::optional<qint32> PlainNumberField(QByteArrayView& rest)
{
    const qsizetype comma = rest.indexOf(',');
    if (comma < 0)
        return std::nullopt;
    const std::optional<qint32> number = PlainInteger(rest.first(comma));
    rest = rest.sliced(comma + 1);
    return number;
}

bool FitsPriority(qint32 number)
{
    return number >= std::numeric_limits<qint16>::min() &&
           number <= std::numeric_limits<qint16>::max();
}

// Windows-1252 gives each byte one character, so a line's fields can be
// found among its bytes before any text is decoded.
std::optional<Termin> ReadPlainLine(QByteArrayView line, MaskTexts& masks)
{
    const qsizetype captionEnd = line.indexOf(',');
    if (captionEnd < 0)
        return std::nullopt;
    QByteArrayView rest = line.sliced(captionEnd + 1);
    if (rest.size() < 2 || rest[0] < '0' || rest[0] > '9' || rest[1] != ',')
        return std::nullopt;
    const bool visitAll = rest[0] != '0';
    rest = rest.sliced(2);
    const std::optional<qint32> priority = PlainNumberField(rest);
    if (!priority || !FitsPriority(*priority))
        return std::nullopt;
    const std::optional<qint32> color = PlainNumberField(rest);
    if (!color || rest.size() <= MaskLength || rest[MaskLength] != ',')
        return std::nullopt;
    std::optional<QString> times = masks.SharedText(rest.first(MaskLength));
    if (!times)
        return std::nullopt;

    Termin course;
    course.Caption = FieldMarkers::DecodeCaption(STD::Windows1252::Decode(line.first(captionEnd)));
    course.VisitAll = visitAll;
    course.Priority = qint16(*priority);
    course.Color = *color;
    course.Times = *std::move(times);
    course.Info = FieldMarkers::DecodeInfo(STD::Windows1252::Decode(rest.sliced(MaskLength + 1)));
    return course;
}

} // namespace

Termin ParseCourseLine(QStringView line, std::vector<LineNotice>* notices)
{
    MaskTexts masks;
    return ParseCourseLine(line.toString(), notices, masks);
}

std::optional<Termin> ReadPlainCourseLine(QByteArrayView line)
{
    MaskTexts masks;
    return ReadPlainLine(line, masks);
}

namespace {

// The line up to its info.
QString LineHead(const Termin& course)
{
    return FieldMarkers::EncodeCaption(course.Caption) + u',' +
           STD::NumberText(course.VisitAll ? 1 : 0) + u',' + STD::NumberText(course.Priority) +
           u',' + STD::NumberText(course.Color) + u',' + MaskOfTwenty(course.Times) + u',';
}

} // namespace

QString CourseLine(const Termin& course)
{
    return LineHead(course) + FieldMarkers::EncodeInfo(course.Info);
}

CourseListContent ReadCourseList(const QString& fileName,
                                 const std::function<void(QByteArrayView)>& readBytes)
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
    if (readBytes)
        readBytes(files.Content(ListFileNumber));

    ListLines lines(files.Content(ListFileNumber));
    MaskTexts masks;
    int lineNumber = 0;
    int emptyRunStart = 0;
    while (!lines.AtEnd()) {
        if (content.courses.size() >= CourseCollection::MaxCount) {
            content.keptLines = lines.Rest();
            content.notices.push_back(KeptLinesNotice(lineNumber + 1, content.keptLines));
            break;
        }
        const QByteArrayView line = lines.Next();
        ++lineNumber;
        // An empty line would end the list and the next save would drop
        // every course after it; the program itself never writes one.
        if (line.isEmpty() || line == "\r") {
            NoteEmptyLine(content.notices, lineNumber, emptyRunStart);
            continue;
        }
        if (std::optional<Termin> course = ReadPlainLine(line, masks)) {
            content.courses.push_back(*std::move(course));
            continue;
        }
        const std::size_t firstRepair = content.notices.size();
        content.courses.push_back(
            ParseCourseLine(STD::Windows1252::Decode(line), &content.notices, masks));
        for (std::size_t i = firstRepair; i < content.notices.size(); ++i)
            content.notices[i].lineNumber = lineNumber;
    }
    files.Close(ListFileNumber);
    if (lines.CrOnly())
        content.notices.insert(
            content.notices.begin(),
            LineNotice{
                0, u"Die Zeilen der Datei enden mit CR allein (wie bei alten Mac-Editoren). Sie "
                   u"wurden Zeile für Zeile gelesen und enden beim Speichern mit CR LF."_s});
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

// Field by field into one buffer of the right size: huge notes are not held
// once more as a line of text, nor as a marked copy.
QByteArray CourseLineBytes(const Termin& course, qsizetype* replaced)
{
    const QString head = LineHead(course);
    const QString lineBreak = STD::LineBreak();
    qsizetype infoLength = 0;
    FieldMarkers::ForEachInfoPiece(
        course.Info, [&infoLength](QStringView piece) { infoLength += piece.size(); });
    QByteArray bytes;
    bytes.reserve(head.size() + infoLength + lineBreak.size());
    qsizetype unwritable = STD::Windows1252::AppendEncoded(head, bytes);
    FieldMarkers::ForEachInfoPiece(course.Info, [&](QStringView piece) {
        unwritable += STD::Windows1252::AppendEncoded(piece, bytes);
    });
    unwritable += STD::Windows1252::AppendEncoded(lineBreak, bytes);
    if (replaced != nullptr)
        *replaced = unwritable;
    return bytes;
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
