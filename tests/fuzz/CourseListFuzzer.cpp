// libFuzzer entry: any bytes as the course list, read and written twice.
#include "CourseListRoundTrip.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// In memory where the system has a RAM disk: every input is written twice.
QString Folder()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kalustra-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/kalustra-fuzz-XXXXXX"));
    return folder.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto fault = CourseListRoundTripFault(bytes, Folder())) {
        std::fprintf(stderr, "course list round trip: %s\n", fault->c_str());
        std::abort();
    }
    return 0;
}
