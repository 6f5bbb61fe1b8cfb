#include "ReferenceSearch.h"

#include <algorithm>

ReferenceSearch::ReferenceSearch(const CourseCollection& courses, FreeCellTable& freeCells)
    : courses_(courses), freeCells_(freeCells)
{
    // Read once, as the characters of Times stand: "1" is offered, anything
    // else and every position past the end is not.
    for (const Termin& course : courses) {
        std::array<bool, 20> offered{};
        for (int p = 1; p <= 20; ++p)
            offered[p - 1] = p <= course.Times.size() && course.Times[p - 1] == u'1';
        offered_.push_back(offered);
    }
}

bool ReferenceSearch::IsFree(int position) const
{
    return freeCells_.IsFree((position - 1) / 4, (position - 1) % 4);
}

void ReferenceSearch::SetFree(int position, bool free)
{
    freeCells_.SetFree((position - 1) / 4, (position - 1) % 4, free);
}

void ReferenceSearch::FindDistribution(Distribution& working, Distribution& result,
                                       qint32 valueSoFar, qint32& bestValue, qint16 index,
                                       qint16 wantedRank, qint16& foundCount)
{
    CheckDeadline();
    const qint32 n = courses_.Count();
    const Termin& course = courses_[index];
    const qint32 p = course.Priority;
    const bool last = index == n - 1;

    // 1. The cut.
    if (valueSoFar + (n - index) * std::max(p, 0) < bestValue)
        return;

    // Placed on `cells` (bits of positions), then the next course or the record.
    auto placed = [&](CellMask cells) {
        working[index] = cells;
        if (last) {
            Record(working, result, valueSoFar + p, bestValue, wantedRank, foundCount);
            return;
        }
        for (int position = 1; position <= 20; ++position) {
            if ((cells >> (position - 1)) & 1)
                SetFree(position, false);
        }
        FindDistribution(working, result, valueSoFar + p, bestValue, qint16(index + 1), wantedRank,
                         foundCount);
        for (int position = 1; position <= 20; ++position) {
            if ((cells >> (position - 1)) & 1)
                SetFree(position, true);
        }
    };

    if (course.VisitAll) {
        // 2.1 The conflict test.
        bool conflict = false;
        for (int position = 1; position <= 20 && !conflict; ++position)
            conflict = Offered(index, position) && !IsFree(position);
        // 2.2 Placed on every offered cell.
        if (!conflict) {
            CellMask all = 0;
            for (int position = 1; position <= 20; ++position) {
                if (Offered(index, position))
                    all |= CellMask(1) << (position - 1);
            }
            placed(all);
        }
        // 2.3
        working[index] = 0;
    } else {
        // 3. One free offered cell after the other.
        for (int position = 1; position <= 20; ++position) {
            if (!Offered(index, position) || !IsFree(position))
                continue;
            placed(CellMask(1) << (position - 1));
            working[index] = 0;
        }
    }

    // 2.4 Left out.
    if (last)
        Record(working, result, valueSoFar, bestValue, wantedRank, foundCount);
    else
        FindDistribution(working, result, valueSoFar, bestValue, qint16(index + 1), wantedRank,
                         foundCount);
}

// 4.
void ReferenceSearch::Record(const Distribution& working, Distribution& result, qint32 value,
                             qint32& bestValue, qint16 wantedRank, qint16& foundCount) const
{
    if (value > bestValue) {
        result = working;
        bestValue = value;
        foundCount = 0;
    }
    if (value == bestValue && foundCount < wantedRank) {
        result = working;
        foundCount = qint16(foundCount + 1);
    }
}

void ReferenceSearch::CheckDeadline()
{
    if (deadline_ && (++calls_ & 0xFFFF) == 0 && std::chrono::steady_clock::now() > *deadline_)
        throw TimedOut();
}
