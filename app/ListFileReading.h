#pragma once

#include "general/GuardedFile.h"
#include "model/CourseListFile.h"

#include <QString>
#include <QStringList>

#include <future>
#include <optional>

// The list file as read at start, and what it held then.
struct ListFileRead
{
    CourseListContent content;
    // The courses' names, as the chooser lists them, and the courses once
    // more, sharing their texts, to tell the edits by: made while the
    // texts are fresh in the worker's cache.
    QStringList captions;
    std::vector<Termin> courseCopy;
    std::optional<STD::GuardedFile::Fingerprint> fingerprint;
};

// Reads the list file on a worker thread while the window builds its
// controls: a long list then adds to the start-up little more than what
// the window itself does with the courses.
class ListFileReading
{
public:
    // A missing file is not read ahead: Take makes it, so that a window
    // that never opens makes none.
    void Start(const QString& fileName);
    // What was read, once the worker is done, or else read now; the
    // reader's error is raised here.
    ListFileRead Take(const QString& fileName);

private:
    std::future<ListFileRead> pending_;
};
