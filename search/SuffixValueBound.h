#pragma once

#include "search/SearchCourse.h"

#include <vector>

// What the courses from an index on can add at most on a set of free cells,
// the cut left aside. Courses that take a single cell (without VisitAll, or
// with VisitAll and one offered cell) form a transversal matroid: taking them
// greedily by descending priority, each kept when the kept ones can still all
// have a cell, gives their best value exactly. A VisitAll course with several
// cells ("spread") is relaxed into one piece per cell worth priority / cells
// that needs just that cell: a real placement is worth the sum of its pieces,
// so the matching over courses and pieces bounds every placement from above.
class SuffixValueBound
{
public:
    explicit SuffixValueBound(const std::vector<SearchCourse>& courses);

    // The best value with every spread course left out: a value some
    // placement reaches, and the best one when no open spread course fits.
    qint64 WithoutSpread(int from, CellMask free) const;
    // At least the best value, with the spread courses at list positions
    // firstOpen onwards still open (those with index >= from).
    qint64 UpperBound(int from, CellMask free, int firstOpen) const;

    // Spread courses with a positive priority, densest first.
    const std::vector<int>& Spread() const { return spread_; }
    // Cells that courses from `from` on could ever add value on.
    CellMask UsefulCells(int from) const { return usefulCells_[from]; }
    int CourseCount() const { return int(courses_.size()); }
    const SearchCourse& Course(int index) const { return courses_[index]; }

private:
    qint64 MatchedWeight(int from, CellMask free, const std::vector<qint64>& pieceWeights,
                         const std::vector<int>& pieceCells) const;

    const std::vector<SearchCourse>& courses_;
    std::vector<int> single_;            // by descending priority
    std::vector<int> spread_;            // by descending priority per cell
    std::vector<qint64> cellFreeSuffix_; // VisitAll courses without a cell always fit
    std::vector<CellMask> usefulCells_;
};
