// The fuzzer's corpus, replayed in every build: no clang needed.
#include "CourseListRoundTrip.h"

#include "support/TempDir.h"

#include <QDirIterator>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(CourseListCorpus, EveryInputRoundTrips)
{
    int inputs = 0;
    QDirIterator corpus(QStringLiteral(KALUSTRA_FUZZ_CORPUS), QDir::Files);
    while (corpus.hasNext()) {
        QFile input(corpus.next());
        ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << input.fileName().toStdString();
        TempDir dir;
        const auto fault = CourseListRoundTripFault(input.readAll(), dir.Path(u""_s));
        EXPECT_FALSE(fault) << input.fileName().toStdString() << ": " << *fault;
        ++inputs;
    }
    EXPECT_GE(inputs, 10) << "the corpus is missing";
}

} // namespace
