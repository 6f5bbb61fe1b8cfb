#include "app/Form1.h"

// Saving as you go: one place, after every handler, finds out whether the
// courses changed, and the background save writes them soon after.

bool Form1::TakeCourseChanges()
{
    if (seenCourses_.size() != std::size_t(Courses.Count())) {
        seenCourses_.assign(Courses.begin(), Courses.end());
        seenLines_.clear();
        return true;
    }
    // Unchanged texts share their data with the copy: comparing them costs
    // a pointer each.
    bool changed = false;
    auto seen = seenCourses_.begin();
    for (const Termin& course : Courses) {
        if (!(*seen == course)) {
            *seen = course;
            if (!seenLines_.empty())
                seenLines_[seen - seenCourses_.begin()] = CourseLineBytes(course);
            changed = true;
        }
        ++seen;
    }
    return changed;
}

QByteArray Form1::SeenListBytes()
{
    if (seenLines_.size() != seenCourses_.size()) {
        seenLines_.clear();
        seenLines_.reserve(seenCourses_.size());
        for (const Termin& course : seenCourses_)
            seenLines_.push_back(CourseLineBytes(course));
    }
    qsizetype size = listFileKeptLines_.size();
    for (const QByteArray& line : seenLines_)
        size += line.size();
    QByteArray bytes;
    bytes.reserve(size);
    for (const QByteArray& line : seenLines_)
        bytes += line;
    return bytes + listFileKeptLines_;
}

void Form1::NoticeCourseChanges()
{
    if (!loaded_ || unloaded_ || listFileHeld_ || !TakeCourseChanges())
        return;
    setWindowModified(true);
    // An unreadable file waits for the user's yes at the close.
    if (!listFileUnreadable_)
        autoSave_.Schedule();
}

void Form1::ShowSaveState(STD::BackgroundSave::State state)
{
    setWindowModified(state != STD::BackgroundSave::State::Saved);
}
