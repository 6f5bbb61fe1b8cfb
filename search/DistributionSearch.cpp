// Why the results are exactly those of the plain enumeration:
// 1. The results change only when a complete distribution is recorded: one
//    of value v is recorded if v > bestValue, or v == bestValue while
//    foundCount < wantedRank. bestValue never falls and foundCount falls only
//    when bestValue rises, so a branch whose best value (exact, from the
//    oracle) is below bestValue, or not above it once the wanted rank is
//    counted, records nothing: leaving it out changes nothing.
// 2. From an index on where each course's max(P, 0) is at least every later
//    priority (from the start, after the sort by priority), the cut drops only
//    distributions worth less than bestValue at that moment, which would not
//    be recorded either. Below such a node the results are those of recording
//    every complete distribution in order, which depends only on the best
//    value m there and on the first distributions of value m: none if
//    m < bestValue; if m > bestValue, m becomes bestValue and the first
//    min(wantedRank, count) of them are counted (the first alone is kept for
//    rank 0); if m == bestValue, counting goes on from foundCount.
// 3. Above that index every node is visited as in the plain enumeration, the cut included,
//    and 1. skips what records nothing.
#include "search/DistributionSearch.h"

#include "general/StdError.h"
#include "search/BestLeafWalk.h"

#include <algorithm>
#include <bit>

namespace {

// With 16-bit priorities and at most 32767 courses, no sum the enumeration
// forms from a valueSoFar within this limit leaves 32 bits, so 64-bit
// arithmetic gives what 32-bit arithmetic gives.
constexpr qint64 ValueSoFarLimit = qint64(1) << 30;

class SearchRun
{
public:
    SearchRun(const std::vector<SearchCourse>& courses, int index, const Distribution& working,
              Distribution& result, qint32& bestValue, qint16 wantedRank, qint16& foundCount)
        : courses_(courses), oracle_(courses), walk_(courses, oracle_), path_(working),
          orderedFrom_(OrderedFrom(courses, index)), result_(result), bestValue_(bestValue),
          wantedRank_(wantedRank), foundCount_(foundCount)
    {}

    void Visit(int index, qint64 valueSoFar, CellMask free)
    {
        if (index >= orderedFrom_) {
            Conclude(index, valueSoFar, free);
            return;
        }
        if (Cut(index, valueSoFar) || !MayRecord(index, valueSoFar, free))
            return;
        const SearchCourse& course = courses_[index];
        if (course.visitAll) {
            if ((course.offered & ~free) == 0)
                Place(index, course.offered, valueSoFar + course.priority, free);
        } else {
            for (CellMask rest = course.offered & free; rest != 0; rest &= rest - 1)
                Place(index, CellMask(1) << std::countr_zero(rest), valueSoFar + course.priority,
                      free);
        }
        path_[index] = 0;
        Visit(index + 1, valueSoFar, free);
    }

private:
    void Place(int index, CellMask cells, qint64 value, CellMask free)
    {
        path_[index] = cells;
        Visit(index + 1, value, free & ~cells);
        path_[index] = 0;
    }

    bool Cut(int index, qint64 valueSoFar) const
    {
        const qint64 left = qint64(courses_.size()) - index;
        return valueSoFar + left * std::max(courses_[index].priority, 0) < bestValue_;
    }

    bool MayRecord(int index, qint64 valueSoFar, CellMask free)
    {
        const bool counting = foundCount_ < wantedRank_;
        return oracle_.Reaches(index, free, bestValue_ - valueSoFar + (counting ? 0 : 1));
    }

    void Conclude(int index, qint64 valueSoFar, CellMask free)
    {
        if (Cut(index, valueSoFar))
            return;
        const qint64 best = valueSoFar + oracle_.Best(index, free);
        const bool rises = best > bestValue_;
        if (!rises && (best < bestValue_ || foundCount_ >= wantedRank_))
            return;
        if (rises) {
            bestValue_ = qint32(best);
            foundCount_ = 0;
        }
        const bool counting = foundCount_ < wantedRank_;
        const int wanted = counting ? wantedRank_ - foundCount_ : 1;
        const int counted = walk_.Walk(index, free, best - valueSoFar, wanted, path_);
        result_ = path_;
        std::fill(path_.begin() + index, path_.end(), 0);
        if (counting)
            foundCount_ = qint16(foundCount_ + counted);
    }

    const std::vector<SearchCourse>& courses_;
    BestValueOracle oracle_;
    BestLeafWalk walk_;
    Distribution path_;
    const int orderedFrom_;
    Distribution& result_;
    qint32& bestValue_;
    const qint16 wantedRank_;
    qint16& foundCount_;
};

} // namespace

DistributionSearch::DistributionSearch(const CourseCollection& courses,
                                       const FreeCellTable& freeCells)
    : courses_(courses), freeCells_(freeCells)
{}

void DistributionSearch::FindDistribution(Distribution& working, Distribution& result,
                                          qint32 valueSoFar, qint32& bestValue, qint16 index,
                                          qint16 wantedRank, qint16& foundCount)
{
    const int count = courses_.Count();
    if (index < 0 || index >= count || working.size() != std::size_t(count))
        STD::Raise(STD::InvalidArgument);
    if (valueSoFar < -ValueSoFarLimit || valueSoFar > ValueSoFarLimit)
        STD::Raise(STD::Overflow);
    FindDistributionAmong(SearchCoursesOf(courses_), freeCells_.Mask(), working, result, valueSoFar,
                          bestValue, index, wantedRank, foundCount);
}

void FindDistributionAmong(const std::vector<SearchCourse>& courses, CellMask free,
                           Distribution& working, Distribution& result, qint32 valueSoFar,
                           qint32& bestValue, qint16 index, qint16 wantedRank, qint16& foundCount)
{
    SearchRun run(courses, index, working, result, bestValue, wantedRank, foundCount);
    run.Visit(index, valueSoFar, free);
}
