#include "app/ListFileReading.h"

#include <QFileInfo>

namespace {

ListFileRead ReadWithFingerprint(const QString& fileName)
{
    ListFileRead read;
    // The bytes parsed are the ones remembered: a change made by someone
    // else after the reading is theirs, not ours.
    read.content = ReadCourseList(fileName, [&read](QByteArrayView bytes) {
        read.fingerprint = STD::GuardedFile::FingerprintOf(bytes);
    });
    read.captions.reserve(qsizetype(read.content.courses.size()));
    for (const Termin& course : read.content.courses)
        read.captions << course.Caption;
    read.courseCopy = read.content.courses;
    return read;
}

} // namespace

void ListFileReading::Start(const QString& fileName)
{
    if (QFileInfo(fileName).isFile())
        pending_ = std::async(std::launch::async, ReadWithFingerprint, fileName);
}

ListFileRead ListFileReading::Take(const QString& fileName)
{
    if (pending_.valid())
        return pending_.get();
    return ReadWithFingerprint(fileName);
}
