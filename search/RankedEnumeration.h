#pragma once

#include "search/BestValueOracle.h"

#include <vector>

// The search for the k-th distribution of a value that keeps its place in
// the enumeration: counting on from rank k to a higher rank goes on from the
// k-th distribution instead of from the first course. Each rank gives
// exactly what FindDistribution gives from the first course with every cell
// free, bestValue = startValue, wantedRank = rank and foundCount 0.
//
// The enumeration is the plain one, walked with an explicit path and cut as
// it is; the oracle only skips branches that hold nothing the run would
// record, and a tail of courses that can only be left out is set, and
// passed on the way back, in one step. Once a rank is counted, the rest of
// the enumeration is searched for a better value (which would restart the
// count there); when none is left, the next rank is simply the next
// distribution of the same value.
class RankedEnumeration
{
public:
    // `courses` must outlive this object, unchanged, and hold at least one.
    RankedEnumeration(const std::vector<SearchCourse>& courses, qint32 startValue);

    // Counts to `rank` (at least 1): on from the last rank when it is
    // higher, from the start otherwise.
    void CountTo(qint16 rank);

    qint32 StartValue() const { return startValue_; }
    qint16 Rank() const { return rank_; }
    const Distribution& Result() const { return result_; }
    qint32 BestValue() const { return qint32(best_); }
    qint16 FoundCount() const { return found_; }

private:
    // A course's choice: a cell index, then these.
    static constexpr qint8 NoChoice = -1;
    static constexpr qint8 PlaceAll = CellCount;
    static constexpr qint8 LeaveOut = CellCount + 1;

    enum class Place
    {
        Start,
        Leaf,
        End
    };

    // The node of course `index` on the path: value and free cells before
    // the course is decided, and its choice.
    struct Level
    {
        qint64 value = 0;
        CellMask free = 0;
        qint8 choice = NoChoice;
    };

    void CountFromStart(qint16 rank);
    bool Advance(qint64 target);
    bool LeaveOrderedPart(qint64 target, int& index);
    bool NextChoice(int index, qint64 target);
    qint8 NextAlternative(int index) const;
    bool Enters(int index, qint64 value, CellMask free, qint64 target);
    bool SkipsToLeaf(int index);

    const std::vector<SearchCourse>& courses_;
    BestValueOracle oracle_;
    const int count_;
    const int orderedFrom_;
    const qint32 startValue_;
    qint64 best_;
    qint16 found_ = 0;
    qint16 rank_ = 0;
    Distribution result_;
    // Every cell some course from index i on offers, and the last course
    // that can be placed without a cell: past it, with none of those cells
    // free, each course can only be left out.
    std::vector<CellMask> offeredFrom_;
    int lastCellless_ = -1;
    std::vector<Level> levels_;
    Distribution path_;
    Place place_ = Place::Start;
};
