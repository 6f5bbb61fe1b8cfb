#pragma once

#include "search/SuffixValueBound.h"

#include <optional>
#include <unordered_map>

// The best value the courses from an index on can add on given free cells,
// the cut left aside, answered exactly. Only the spread VisitAll courses are
// branched on (in or out, densest first); the one-cell courses are matched
// exactly at every branch, and the relaxation prunes. What a question proves
// is kept as bounds per (index, useful free cells) for the rest of the run.
class BestValueOracle
{
public:
    explicit BestValueOracle(const std::vector<SearchCourse>& courses);

    qint64 Best(int from, CellMask free);
    // Whether the best value is at least `target`.
    bool Reaches(int from, CellMask free, qint64 target);

private:
    struct Bounds
    {
        qint64 low = 0;  // reached by some placement
        qint64 high = 0; // proven not exceeded
    };

    Bounds& BoundsOf(int from, CellMask free);
    std::optional<qint64> SearchAtLeast(int from, int open, CellMask free, qint64 gained,
                                        qint64 target) const;
    void Maximise(int from, int open, CellMask free, qint64 gained, qint64 ceiling,
                  qint64& best) const;
    int NextFitting(int from, int open, CellMask free) const;

    SuffixValueBound bound_;
    std::unordered_map<quint64, Bounds> known_;
};
