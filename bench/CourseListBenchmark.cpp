// Reading and writing a course list of the largest size the list can hold.
#include "model/CourseListFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

CourseCollection FullCollection()
{
    CourseCollection courses;
    for (int i = 0; i < CourseCollection::MaxCount; ++i) {
        Termin& course = courses.Append();
        course.Caption = u"Lehrveranstaltung Nr. %1 – Übung"_s.arg(i);
        course.Priority = qint16(i % 200 - 50);
        course.Times = u"10000000010000000001"_s;
        course.Info = u"Raum %1\r\nProf. Müller, 5 €"_s.arg(i % 300);
        course.VisitAll = i % 7 == 0;
        course.Color = i * 517 % 16777216;
    }
    return courses;
}

void WriteFullList(benchmark::State& state)
{
    const CourseCollection courses = FullCollection();
    QTemporaryDir dir;
    const QString file = dir.filePath(u"liste.txt"_s);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteCourseList(file, courses));
    state.SetItemsProcessed(state.iterations() * courses.Count());
}

void ReadFullList(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"liste.txt"_s);
    WriteCourseList(file, FullCollection());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadCourseList(file));
    state.SetItemsProcessed(state.iterations() * CourseCollection::MaxCount);
}

} // namespace

BENCHMARK(WriteFullList)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFullList)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
