// The course sort on lists of 2000, 8000 and 32767 courses, names and
// priorities ascending, descending, random with many ties, cycling through
// few keys, or all names equal, by either key;
// and beside it, up to 8000 courses, the literal exchange step by step.
#include "SortLists.h"
#include "model/CourseOrder.h"

#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString KeyOf(const benchmark::State& state)
{
    return state.range(2) == 0 ? u"priority"_s : u"alphabet"_s;
}

void SetLabel(benchmark::State& state)
{
    const auto kind = SortListKind(state.range(0));
    state.SetLabel(u"%1 %2 %3"_s.arg(SortListKindName(kind))
                       .arg(state.range(1))
                       .arg(KeyOf(state))
                       .toStdString());
}

// Order and records moved, from the same unsorted list every time.
void Sort(benchmark::State& state)
{
    const CourseCollection unsorted = SortList(SortListKind(state.range(0)), int(state.range(1)));
    const QString key = KeyOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        CourseCollection courses = unsorted;
        state.ResumeTiming();
        SortCollection(courses, key);
        benchmark::DoNotOptimize(courses);
    }
    SetLabel(state);
}

void LiteralExchange(benchmark::State& state)
{
    const CourseCollection unsorted = SortList(SortListKind(state.range(0)), int(state.range(1)));
    const QString key = KeyOf(state);
    for (auto _ : state) {
        state.PauseTiming();
        CourseCollection courses = unsorted;
        state.ResumeTiming();
        SortStepByStep(courses, key, [](int, int) {});
        benchmark::DoNotOptimize(courses);
    }
    SetLabel(state);
}

void KindsSizesKeys(benchmark::internal::Benchmark* benchmark, std::vector<int64_t> sizes)
{
    for (const int64_t kind : {0, 1, 2, 3, 4})
        for (const int64_t size : sizes)
            for (const int64_t key : {0, 1})
                benchmark->Args({kind, size, key});
}

} // namespace

BENCHMARK(Sort)->Apply([](auto* b) {
                   KindsSizesKeys(b, {2000, 8000, 32767});
               }) -> Unit(benchmark::kMillisecond);
BENCHMARK(LiteralExchange)->Apply([](auto* b) {
                              KindsSizesKeys(b, {2000, 8000});
                          }) -> Iterations(1) -> Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
