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
#include <unordered_map>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ListFileNumber = 1;
constexpr qsizetype MaskLength = Week::PositionCount;
// A notice quotes at most this much of what it speaks of.
constexpr qsizetype QuotedLength = 40;

// A marker is "#" and the decimal code of the character it stands for: in
// a name "#44" for the comma that would end the name early, in an info
// "#13" for a line break that would end the line. "#35" stands for "#"
// itself, but is written, and read, only where a "#" is followed by the
// marker's digits or by "35": any other "#" stays as it is, so that older
// files read as they always did.
constexpr QStringView HashCode = u"35";
constexpr QStringView CommaCode = u"44";
constexpr QStringView LineBreakCode = u"13";

bool NeedsHashMarker(QStringView after, QStringView markerCode)
{
    return after.startsWith(markerCode) || after.startsWith(HashCode);
}

void AppendMarker(QString& out, QStringView code)
{
    out += u'#';
    out += code;
}

// Writes "#" as "#35" where it would otherwise read as a marker.
void AppendHash(QString& out, QStringView after, QStringView markerCode)
{
    if (NeedsHashMarker(after, markerCode))
        AppendMarker(out, HashCode);
    else
        out += u'#';
}

// Most texts hold nothing that a field must write otherwise.
bool HoldsAnyOf(QStringView text, QStringView characters)
{
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return characters.contains(c); });
}

// The length of the line break at position i: CR LF, a lone LF, or none.
qsizetype LineBreakAt(QStringView text, qsizetype i)
{
    if (text[i] == u'\n')
        return 1;
    return text[i] == u'\r' && text.sliced(i + 1).startsWith(u'\n') ? 2 : 0;
}

// A line break pasted into the chooser would end the line: names are one
// line, so it is written as a blank.
QString EncodeCaption(QStringView caption)
{
    if (!HoldsAnyOf(caption, u",#\n"))
        return caption.toString();
    QString out;
    out.reserve(caption.size() + 8);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (const qsizetype lineBreak = LineBreakAt(caption, i)) {
            out += u' ';
            i += lineBreak - 1;
        } else if (c == u',') {
            AppendMarker(out, CommaCode);
        } else if (c == u'#') {
            AppendHash(out, caption.sliced(i + 1), CommaCode);
        } else {
            out += c;
        }
    }
    return out;
}

// A lone line feed comes back as a line break, which is how the info field
// shows it anyway.
QString EncodeInfo(QStringView info)
{
    if (!HoldsAnyOf(info, u"#\n"))
        return info.toString();
    QString out;
    out.reserve(info.size() + 8);
    for (qsizetype i = 0; i < info.size(); ++i) {
        if (const qsizetype lineBreak = LineBreakAt(info, i)) {
            AppendMarker(out, LineBreakCode);
            i += lineBreak - 1;
        } else if (info[i] == u'#') {
            AppendHash(out, info.sliced(i + 1), LineBreakCode);
        } else {
            out += info[i];
        }
    }
    return out;
}

// The reading of a field that the two functions above wrote, into out,
// which may be the field itself: a marker never reads longer than it
// stands, so every character is read before its place is written.
qsizetype DecodeMarkers(QStringView field, QChar* out, QStringView markerCode,
                        QStringView markerText)
{
    qsizetype length = 0;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QStringView after = field.sliced(i + 1);
        if (field[i] != u'#') {
            out[length++] = field[i];
        } else if (after.startsWith(markerCode)) {
            for (const QChar character : markerText)
                out[length++] = character;
            i += markerCode.size();
        } else if (after.startsWith(HashCode) &&
                   NeedsHashMarker(after.sliced(HashCode.size()), markerCode)) {
            out[length++] = u'#';
            i += HashCode.size();
        } else {
            out[length++] = u'#';
        }
    }
    return length;
}

QString DecodeField(QStringView field, QStringView markerCode, QStringView markerText)
{
    if (!field.contains(u'#'))
        return field.toString();
    QString out(field.size(), Qt::Uninitialized);
    out.truncate(DecodeMarkers(field, out.data(), markerCode, markerText));
    return out;
}

// The same in the field's own characters: a huge info is not held twice.
QString DecodeFieldInPlace(QString field, QStringView markerCode, QStringView markerText)
{
    if (!field.contains(u'#'))
        return field;
    QChar* const data = field.data();
    field.truncate(DecodeMarkers(QStringView(data, field.size()), data, markerCode, markerText));
    return field;
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

// The lines of the list file. A file that holds no line feed but carriage
// returns comes from an editor that ends lines with CR alone, and is split
// there. Any other file is split at LF, without a CR before it: a lone CR
// inside a line stays text.
class ListLines
{
public:
    explicit ListLines(STD::FileTable& files) : files_(files)
    {
        if (FileLeft()) {
            const QByteArrayView first = files_.ReadThrough(ListFileNumber, '\n');
            crOnly_ = !first.endsWith('\n') && first.contains('\r');
            (crOnly_ ? crOnlyFile_ : firstLine_) = first;
            firstPending_ = !crOnly_;
        }
    }

    bool CrOnly() const { return crOnly_; }

    bool AtEnd() const
    {
        if (crOnly_)
            return crPosition_ >= crOnlyFile_.size();
        return !firstPending_ && !FileLeft();
    }

    QString Next()
    {
        if (crOnly_) {
            qsizetype end = crOnlyFile_.indexOf('\r', crPosition_);
            if (end < 0)
                end = crOnlyFile_.size();
            const QByteArrayView line = crOnlyFile_.sliced(crPosition_, end - crPosition_);
            crPosition_ = end + 1;
            return STD::Windows1252::Decode(line);
        }
        // The first line was read ahead; every later one is decoded straight
        // from the file's bytes.
        QByteArrayView line = std::exchange(firstPending_, false)
                                  ? firstLine_
                                  : files_.ReadThrough(ListFileNumber, '\n');
        if (line.endsWith('\n')) {
            line.chop(1);
            if (line.endsWith('\r'))
                line.chop(1);
        }
        return STD::Windows1252::Decode(line);
    }

    // The lines not read yet, as they stood; CR-only lines end with CR LF,
    // as the courses before them will.
    QByteArray Rest()
    {
        if (crOnly_) {
            QByteArray rest = crOnlyFile_.sliced(crPosition_).toByteArray().replace('\r', "\r\n");
            crPosition_ = crOnlyFile_.size();
            return rest;
        }
        QByteArray rest;
        if (std::exchange(firstPending_, false))
            rest = firstLine_.toByteArray();
        while (FileLeft())
            rest.append(files_.ReadThrough(ListFileNumber, '\n'));
        return rest;
    }

private:
    bool FileLeft() const
    {
        return files_.Position(ListFileNumber) <= files_.Length(ListFileNumber);
    }

    STD::FileTable& files_;
    bool crOnly_ = false;
    // Views of the file's bytes, which stay put while it is open: the first
    // line, read to tell the kind of file, is not copied (it may be huge).
    QByteArrayView firstLine_;
    bool firstPending_ = false;
    QByteArrayView crOnlyFile_;
    qsizetype crPosition_ = 0;
};

} // namespace

namespace {

// Equal masks share one text: a long list repeats a few dozen of them.
class MaskTexts
{
public:
    QString Text(QStringView mask)
    {
        const std::optional<quint32> bits = Bits(mask);
        if (!bits)
            return mask.toString();
        const auto [place, isNew] = texts_.try_emplace(*bits);
        if (isNew)
            place->second = mask.toString();
        return place->second;
    }

private:
    // Only twenty "0" and "1" are shared; anything else is kept as read.
    static std::optional<quint32> Bits(QStringView mask)
    {
        if (mask.size() != MaskLength)
            return std::nullopt;
        quint32 bits = 0;
        for (const QChar character : mask) {
            if (character != u'0' && character != u'1')
                return std::nullopt;
            bits = bits << 1 | (character == u'1' ? 1U : 0U);
        }
        return bits;
    }

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
        course.Caption = DecodeField(line, CommaCode, u",");
        NoteMissingComma(u"dem Namen"_s, repairs);
        return course;
    }
    course.Caption = DecodeField(line.first(comma), CommaCode, u",");
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
        course.Info = DecodeFieldInPlace(std::move(line), LineBreakCode, STD::LineBreak());
    }
    return course;
}

} // namespace

Termin ParseCourseLine(QStringView line, std::vector<LineNotice>* notices)
{
    MaskTexts masks;
    qsizetype infoStart = -1;
    Termin course = ParseFieldsBeforeInfo(line, notices, masks, &infoStart);
    if (infoStart >= 0)
        course.Info = DecodeField(line.sliced(infoStart), LineBreakCode, STD::LineBreak());
    return course;
}

QString CourseLine(const Termin& course)
{
    return EncodeCaption(course.Caption) + u',' + STD::NumberText(course.VisitAll ? 1 : 0) + u',' +
           STD::NumberText(course.Priority) + u',' + STD::NumberText(course.Color) + u',' +
           MaskOfTwenty(course.Times) + u',' + EncodeInfo(course.Info);
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

    ListLines lines(files);
    MaskTexts masks;
    int lineNumber = 0;
    int emptyRunStart = 0;
    while (!lines.AtEnd()) {
        if (content.courses.size() >= CourseCollection::MaxCount) {
            content.keptLines = lines.Rest();
            content.notices.push_back(KeptLinesNotice(lineNumber + 1, content.keptLines));
            break;
        }
        QString line = lines.Next();
        ++lineNumber;
        // An empty line would end the list and the next save would drop
        // every course after it; the program itself never writes one.
        if (line.isEmpty() || line == u"\r") {
            NoteEmptyLine(content.notices, lineNumber, emptyRunStart);
            continue;
        }
        const std::size_t firstRepair = content.notices.size();
        content.courses.push_back(ParseCourseLine(std::move(line), &content.notices, masks));
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
