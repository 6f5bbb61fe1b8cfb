#include "CourseListRoundTrip.h"

#include "general/StdError.h"
#include "general/Windows1252.h"
#include "model/CourseListFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray ReadBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& fileName, QByteArrayView bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), bytes.size()) == bytes.size();
}

// A missing mask position and "0" both mean "not offered".
bool SameCourse(Termin first, Termin second)
{
    for (Termin* course : {&first, &second})
        course->Times = course->Times.leftJustified(20, u'0');
    return first == second;
}

QByteArray Written(const CourseListContent& content, const QString& fileName)
{
    CourseCollection courses;
    for (const Termin& course : content.courses)
        courses.Append(course);
    WriteCourseList(fileName, courses, content.keptLines);
    return ReadBytes(fileName);
}

// The quick reading of a plain line must give what the full reading gives.
std::optional<std::string> PlainLineFault(QByteArrayView bytes)
{
    for (QByteArrayView line : QByteArray::fromRawData(bytes.data(), bytes.size()).split('\n')) {
        const std::optional<Termin> quick = ReadPlainCourseLine(line);
        if (!quick)
            continue;
        std::vector<LineNotice> notices;
        if (ParseCourseLine(STD::Windows1252::Decode(line), &notices) != *quick || !notices.empty())
            return "the quick reading of a line differs from the full one: " +
                   line.toByteArray().toStdString();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CourseListRoundTripFault(QByteArrayView bytes, const QString& folder)
{
    if (auto fault = PlainLineFault(bytes))
        return fault;
    const QString fileName = QDir(folder).filePath(u"liste.txt"_s);
    if (!WriteBytes(fileName, bytes))
        return "the input could not be put into " + fileName.toStdString();
    try {
        const CourseListContent first = ReadCourseList(fileName);
        const QByteArray firstBytes = Written(first, fileName);
        const CourseListContent second = ReadCourseList(fileName);
        if (!std::equal(first.courses.begin(), first.courses.end(), second.courses.begin(),
                        second.courses.end(), SameCourse))
            return "the courses read back differ from those written";
        if (second.keptLines != first.keptLines)
            return "the lines beyond the largest list changed";
        if (second.notices.size() != (second.keptLines.isEmpty() ? 0u : 1u))
            return "the written file needed repairs: " +
                   second.notices.front().reason.toStdString();
        if (Written(second, fileName) != firstBytes)
            return "writing the same courses twice gave different bytes";
    } catch (const STD::Error& error) {
        return "error " + std::to_string(error.Number()) + ": " + error.Text().toStdString();
    }
    return std::nullopt;
}
