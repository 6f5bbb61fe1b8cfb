#include "search/SuffixValueBound.h"

#include "search/CellMatching.h"

#include <algorithm>
#include <bit>

namespace {

// Every priority per cell of a spread course is a whole multiple of 1 / Scale:
// Scale is divisible by every cell count from 1 to 20.
constexpr qint64 Scale = 232792560;

int CellsOf(const SearchCourse& course)
{
    return std::popcount(course.offered);
}

bool TakesOneCell(const SearchCourse& course)
{
    return course.visitAll ? CellsOf(course) == 1 : course.offered != 0;
}

} // namespace

SuffixValueBound::SuffixValueBound(const std::vector<SearchCourse>& courses)
    : courses_(courses), cellFreeSuffix_(courses.size() + 1, 0), usefulCells_(courses.size() + 1, 0)
{
    const int count = int(courses.size());
    for (int i = count - 1; i >= 0; --i) {
        const SearchCourse& course = courses[i];
        const bool gains = course.priority > 0;
        cellFreeSuffix_[i] =
            cellFreeSuffix_[i + 1] +
            (gains && course.visitAll && course.offered == 0 ? course.priority : 0);
        usefulCells_[i] = usefulCells_[i + 1] | (gains ? course.offered : 0);
    }
    for (int i = 0; i < count; ++i) {
        if (courses[i].priority <= 0)
            continue;
        if (TakesOneCell(courses[i]))
            single_.push_back(i);
        else if (courses[i].visitAll && CellsOf(courses[i]) >= 2)
            spread_.push_back(i);
    }
    std::stable_sort(single_.begin(), single_.end(),
                     [&](int a, int b) { return courses[a].priority > courses[b].priority; });
    std::stable_sort(spread_.begin(), spread_.end(), [&](int a, int b) {
        return qint64(courses[a].priority) * CellsOf(courses[b]) >
               qint64(courses[b].priority) * CellsOf(courses[a]);
    });
}

qint64 SuffixValueBound::WithoutSpread(int from, CellMask free) const
{
    return MatchedWeight(from, free, {}, {}) / Scale + cellFreeSuffix_[from];
}

qint64 SuffixValueBound::UpperBound(int from, CellMask free, int firstOpen) const
{
    // Densest first, so each cell's first piece is its most valuable one and
    // the pieces come out in descending weight.
    std::vector<qint64> pieceWeights;
    std::vector<int> pieceCells;
    CellMask covered = 0;
    for (int k = firstOpen; k < int(spread_.size()) && covered != free; ++k) {
        const SearchCourse& course = courses_[spread_[k]];
        if (spread_[k] < from || (course.offered & ~free) != 0)
            continue;
        const qint64 weight = course.priority * Scale / CellsOf(course);
        for (CellMask rest = course.offered & ~covered; rest != 0; rest &= rest - 1) {
            pieceWeights.push_back(weight);
            pieceCells.push_back(std::countr_zero(rest));
        }
        covered |= course.offered;
    }
    return MatchedWeight(from, free, pieceWeights, pieceCells) / Scale + cellFreeSuffix_[from];
}

qint64 SuffixValueBound::MatchedWeight(int from, CellMask free,
                                       const std::vector<qint64>& pieceWeights,
                                       const std::vector<int>& pieceCells) const
{
    CellMatching matching;
    qint64 total = 0;
    std::size_t piece = 0;
    for (auto course = single_.begin(); matching.Taken() != free;) {
        while (course != single_.end() &&
               (*course < from || (courses_[*course].offered & free) == 0))
            ++course;
        const bool courseLeft = course != single_.end();
        const bool pieceLeft = piece < pieceWeights.size();
        if (!courseLeft && !pieceLeft)
            break;
        const qint64 courseWeight = courseLeft ? courses_[*course].priority * Scale : 0;
        if (pieceLeft && (!courseLeft || pieceWeights[piece] > courseWeight)) {
            if (matching.TryAdd(CellMask(1) << pieceCells[piece]))
                total += pieceWeights[piece];
            ++piece;
        } else {
            if (matching.TryAdd(courses_[*course].offered & free))
                total += courseWeight;
            ++course;
        }
    }
    return total;
}
