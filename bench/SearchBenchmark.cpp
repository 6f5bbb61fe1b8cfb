// The distribution search on the six kinds of course lists, n from 5 to 60:
// a fresh search and the continuations for ranks 2, 10 and 100, each with
// the literal enumeration's time beside it where that finishes in 1 s, as
// long as the literal enumeration's runs took less than 30 s in all.
// "Clicks" replays the search button on many lists for the median and the
// worst single click, and the peak memory of the process. "Continue" is one
// "Weiter suchen" click at a rank on 32767 typical courses, after the clicks
// before it; "Recount" the same rank counted afresh, as after an edit.
#include "model/CourseOrder.h"
#include "search/DistributionSearch.h"
#include "search/SearchClick.h"
#include "search/SearchSession.h"
#include "support/CourseKinds.h"
#include "support/ReferenceSearch.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto ReferenceLimit = std::chrono::seconds(1);
constexpr auto ReferenceBudget = std::chrono::seconds(30);

struct Click
{
    qint32 bestValue = 0;
    qint16 wantedRank = 0;
};

struct Answer
{
    qint32 bestValue = 0;
    qint16 foundCount = 0;
};

CourseCollection SortedCourses(CourseKind kind, int count, unsigned seed)
{
    std::mt19937 random(seed);
    CourseCollection courses = RandomCourses(kind, count, random);
    SortCollection(courses, u"priority"_s);
    return courses;
}

template <typename Search>
Answer RunClick(Search& search, FreeCellTable& freeCells, int count, const Click& click)
{
    const SearchClick answer =
        RunSearchClick(search, freeCells, count, click.bestValue, click.wantedRank);
    return {answer.bestValue, answer.foundCount};
}

// The fresh search's value, which every continuation starts from.
qint32 FreshValue(const CourseCollection& courses)
{
    FreeCellTable freeCells;
    DistributionSearch search(courses, freeCells);
    return RunClick(search, freeCells, courses.Count(), {}).bestValue;
}

// Milliseconds of the literal enumeration, or a negative number where it
// did not finish in time. Sizes of a kind grow, so once one size times out
// the larger ones are not tried.
double ReferenceMilliseconds(CourseKind kind, int count, const Click& click)
{
    static std::map<std::tuple<int, int, int>, double> known;
    const auto key = std::make_tuple(int(kind), count, int(click.wantedRank));
    auto smaller = known.lower_bound(std::make_tuple(int(kind), 0, int(click.wantedRank)));
    for (; smaller != known.end() && smaller->first < key; ++smaller) {
        if (std::get<2>(smaller->first) == click.wantedRank && smaller->second < 0)
            return -1;
    }
    if (const auto found = known.find(key); found != known.end())
        return found->second;
    static Clock::duration spent{};
    if (spent >= ReferenceBudget)
        return -1;
    const CourseCollection courses = SortedCourses(kind, count, 7);
    FreeCellTable freeCells;
    ReferenceSearch reference(courses, freeCells);
    const auto start = Clock::now();
    reference.SetDeadline(start + ReferenceLimit);
    double milliseconds = -1;
    try {
        RunClick(reference, freeCells, count, click);
        milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    } catch (const ReferenceSearch::TimedOut&) {
    }
    spent += Clock::now() - start;
    return known[key] = milliseconds;
}

void MeasureClick(benchmark::State& state, qint16 wantedRank)
{
    const auto kind = CourseKind(state.range(0));
    const int count = int(state.range(1));
    const CourseCollection courses = SortedCourses(kind, count, 7);
    const Click click{wantedRank == 0 ? 0 : FreshValue(courses), wantedRank};
    FreeCellTable freeCells;
    DistributionSearch search(courses, freeCells);
    Answer answer;
    const auto start = Clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(answer = RunClick(search, freeCells, count, click));
    const double fast = std::chrono::duration<double, std::milli>(Clock::now() - start).count() /
                        double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.SetLabel(KindName(kind).toStdString());
    state.counters["value"] = answer.bestValue;
    state.counters["found"] = answer.foundCount;
    const double reference = ReferenceMilliseconds(kind, count, click);
    if (reference >= 0) {
        state.counters["reference_ms"] = reference;
        state.counters["speedup"] = reference / fast;
    }
}

void Fresh(benchmark::State& state)
{
    MeasureClick(state, 0);
}

void Rank2(benchmark::State& state)
{
    MeasureClick(state, 2);
}

void Rank10(benchmark::State& state)
{
    MeasureClick(state, 10);
}

void Rank100(benchmark::State& state)
{
    MeasureClick(state, 100);
}

void KindsAndSizes(benchmark::internal::Benchmark* benchmark)
{
    for (const CourseKind kind : AllCourseKinds()) {
        for (const int count : {5, 10, 15, 20, 30, 40, 50, 60})
            benchmark->Args({int(kind), count});
    }
    benchmark->ArgNames({"kind", "n"})->MinTime(0.05)->Unit(benchmark::kMillisecond);
}

// The search button, as the window runs it, on 30 lists of each size: a
// fresh search, then up to 100 continuations until fewer than the rank are
// found.
void Clicks(benchmark::State& state)
{
    const auto kind = CourseKind(state.range(0));
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (int count = 5; count <= 60; count += 5) {
            for (unsigned seed = 1; seed <= 30; ++seed) {
                const CourseCollection courses = SortedCourses(kind, count, 1000 * count + seed);
                SearchSession session;
                Click click;
                for (qint16 rank = 1; rank <= 101; ++rank) {
                    click.wantedRank = rank == 1 ? 0 : rank;
                    const auto start = Clock::now();
                    const ::SearchClick answer =
                        session.Click(courses, click.bestValue, click.wantedRank);
                    milliseconds.push_back(
                        std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                    click.bestValue = answer.bestValue;
                    if (rank > 1 && answer.foundCount < rank)
                        break;
                }
            }
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.SetLabel(KindName(kind).toStdString());
    state.counters["clicks"] = double(milliseconds.size());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["p99_ms"] = milliseconds[milliseconds.size() * 99 / 100];
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["peak_rss_mb"] = double(usage.ru_maxrss) / 1024;
}

// The button on the largest list: the fresh search, then "Weiter suchen"
// up to the rank before the one measured.
void Continue(benchmark::State& state)
{
    const auto rank = qint16(state.range(0));
    const CourseCollection courses =
        SortedCourses(CourseKind::Typical, CourseCollection::MaxCount, 7);
    SearchClick click;
    for (auto _ : state) {
        state.PauseTiming();
        SearchSession session;
        qint32 value = session.Click(courses, 0, 0).bestValue;
        for (qint16 earlier = 2; earlier < rank; ++earlier)
            value = session.Click(courses, value, earlier).bestValue;
        state.ResumeTiming();
        click = rank == 1 ? session.Click(courses, 0, 0) : session.Click(courses, value, rank);
    }
    state.counters["found"] = click.foundCount;
}

void Recount(benchmark::State& state)
{
    const auto rank = qint16(state.range(0));
    const CourseCollection courses =
        SortedCourses(CourseKind::Typical, CourseCollection::MaxCount, 7);
    const qint32 value = FreshValue(courses);
    SearchClick click;
    for (auto _ : state) {
        SearchSession session;
        click = session.Click(courses, value, rank);
    }
    state.counters["found"] = click.foundCount;
}

} // namespace

BENCHMARK(Continue)
    ->Arg(1)
    ->Arg(2)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Recount)
    ->Arg(2)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Fresh)->Apply(KindsAndSizes);
BENCHMARK(Rank2)->Apply(KindsAndSizes);
BENCHMARK(Rank10)->Apply(KindsAndSizes);
BENCHMARK(Rank100)->Apply(KindsAndSizes);
BENCHMARK(Clicks)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_MAIN();
