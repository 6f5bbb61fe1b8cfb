#include "search/BestLeafWalk.h"

#include <algorithm>
#include <bit>

BestLeafWalk::BestLeafWalk(const std::vector<SearchCourse>& courses, BestValueOracle& oracle)
    : courses_(courses), oracle_(oracle), path_(courses.size(), 0)
{}

int BestLeafWalk::Walk(int from, CellMask free, qint64 best, int wanted, Distribution& last)
{
    last_ = &last;
    from_ = from;
    wanted_ = wanted;
    counted_ = 0;
    Visit(from, free, best);
    return counted_;
}

// `still` is what the courses from `index` on must add; it is the best they
// can add, so a child reaches it exactly when it reaches at least as much.
bool BestLeafWalk::Visit(int index, CellMask free, qint64 still)
{
    const SearchCourse& course = courses_[index];
    if (course.visitAll) {
        if ((course.offered & ~free) == 0 &&
            Child(index, course.offered, free & ~course.offered, still - course.priority))
            return true;
    } else {
        for (CellMask rest = course.offered & free; rest != 0; rest &= rest - 1) {
            const CellMask cell = CellMask(1) << std::countr_zero(rest);
            if (Child(index, cell, free & ~cell, still - course.priority))
                return true;
        }
    }
    return Child(index, 0, free, still);
}

bool BestLeafWalk::Child(int index, CellMask placed, CellMask freeAfter, qint64 stillAfter)
{
    path_[index] = placed;
    if (index + 1 < int(courses_.size())) {
        return stillAfter >= 0 && oracle_.Reaches(index + 1, freeAfter, stillAfter) &&
               Visit(index + 1, freeAfter, stillAfter);
    }
    if (stillAfter != 0)
        return false;
    std::copy(path_.begin() + from_, path_.end(), last_->begin() + from_);
    return ++counted_ == wanted_;
}
