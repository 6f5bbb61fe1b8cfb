#pragma once

#include "general/DiskFile.h"
#include "model/CourseCollection.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A line of the course list that could not be read as it stands: repaired
// (as far as it goes) or left out. lineNumber 0 speaks of the whole file.
struct LineNotice
{
    int lineNumber = 0;
    QString reason;
    // Text of the file that the list does not show: the user must see these
    // first, whatever else there is to tell.
    bool leavesOutText = false;

    bool operator==(const LineNotice&) const = default;
};

struct CourseListContent
{
    std::vector<Termin> courses;
    // Those that leave out text first, each group in the order of the lines.
    std::vector<LineNotice> notices;
    // The lines beyond the largest list, as they stood in the file: the
    // save writes them back after the courses, so none is lost.
    QByteArray keptLines;
};

// Reads the course list; a missing file is created empty and reads as no
// course. A file that exists but cannot be read raises the reason: an empty
// list in its place would be written over it at the next save.
// readBytes, when given, sees the file's bytes just as they are parsed.
CourseListContent ReadCourseList(const QString& fileName,
                                 const std::function<void(QByteArrayView)>& readBytes = {});

// One line of the file, without its line break, and its reading back.
// Notices of the parsing have line number 0.
QString CourseLine(const Termin& course);
Termin ParseCourseLine(QStringView line, std::vector<LineNotice>* repairs = nullptr);
// The quick reading of a line as the program writes it, straight from its
// bytes: the course ParseCourseLine gives for the decoded line, which needs
// no repair; none where the line needs that full reading.
std::optional<Termin> ReadPlainCourseLine(QByteArrayView line);

// Replaces the file with the courses, followed by keptLines, in one step: a
// save that fails raises the reason and leaves the old file as it was.
// Returns how many characters Windows-1252 cannot hold and were written as "?".
// steps: how the bytes reach the disk (tests make them fail).
// One course's line as the file holds it, its line break included.
QByteArray CourseLineBytes(const Termin& course, qsizetype* replaced = nullptr);
// The bytes WriteCourseList writes; replaced counts the "?" among them.
QByteArray CourseListBytes(const CourseCollection& courses, QByteArrayView keptLines = {},
                           qsizetype* replaced = nullptr);

qsizetype WriteCourseList(const QString& fileName, const CourseCollection& courses,
                          QByteArrayView keptLines = {},
                          STD::SaveSteps& steps = STD::SystemSaveSteps());
