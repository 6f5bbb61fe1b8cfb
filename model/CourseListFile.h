#pragma once

#include "model/CourseCollection.h"

#include <QString>

#include <vector>

// A line of the course list that could not be read as it stands: repaired
// (as far as it goes) or left out. lineNumber 0 speaks of the whole file.
struct LineNotice
{
    int lineNumber = 0;
    QString reason;

    bool operator==(const LineNotice&) const = default;
};

struct CourseListContent
{
    std::vector<Termin> courses;
    std::vector<LineNotice> notices;
};

// Reads the course list; a missing file is created empty and reads as no
// course. A file that exists but cannot be read raises the reason: an empty
// list in its place would be written over it at the next save.
CourseListContent ReadCourseList(const QString& fileName);

// One line of the file, without its line break, and its reading back.
QString CourseLine(const Termin& course);
Termin ParseCourseLine(const QString& line, std::vector<QString>* repairs = nullptr);

// Replaces the file with the courses in one step: a save that fails raises
// the reason and leaves the old file as it was. Returns how many characters
// Windows-1252 cannot hold and were written as "?".
qsizetype WriteCourseList(const QString& fileName, const CourseCollection& courses);
