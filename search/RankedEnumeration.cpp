#include "search/RankedEnumeration.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <utility>

RankedEnumeration::RankedEnumeration(const std::vector<SearchCourse>& courses, qint32 startValue)
    : courses_(courses), oracle_(courses), count_(int(courses.size())),
      orderedFrom_(OrderedFrom(courses, 0)), startValue_(startValue), best_(startValue),
      result_(courses.size(), 0), offeredFrom_(courses.size() + 1, 0), levels_(courses.size() + 1),
      path_(courses.size(), 0)
{
    for (int index = count_ - 1; index >= 0; --index) {
        const SearchCourse& course = courses[index];
        offeredFrom_[index] = offeredFrom_[index + 1] | course.offered;
        if (course.visitAll && course.offered == 0 && lastCellless_ < 0)
            lastCellless_ = index;
    }
}

void RankedEnumeration::CountTo(qint16 rank)
{
    if (rank_ == 0 || rank <= rank_) {
        CountFromStart(rank);
        return;
    }
    // Nothing better lies ahead (CountFromStart looked), so each
    // distribution found is the next one of the value.
    const bool reachedLastRank = found_ == rank_;
    rank_ = rank;
    while (reachedLastRank && found_ < rank && Advance(best_)) {
        ++found_;
        result_ = path_;
    }
}

void RankedEnumeration::CountFromStart(qint16 rank)
{
    best_ = startValue_;
    found_ = 0;
    rank_ = rank;
    std::fill(result_.begin(), result_.end(), 0);
    place_ = Place::Start;
    // Where the rank was counted: the next rank goes on from there.
    std::optional<std::pair<std::vector<Level>, Distribution>> counted;
    for (;;) {
        const bool counting = found_ < rank;
        if (!Advance(counting ? best_ : best_ + 1))
            break;
        const qint64 value = levels_[count_].value;
        if (value > best_) {
            best_ = value;
            found_ = 0;
            result_ = path_;
            counted.reset();
        }
        if (found_ < rank) {
            ++found_;
            result_ = path_;
            if (found_ == rank)
                counted.emplace(levels_, path_);
        }
    }
    if (counted) {
        levels_ = std::move(counted->first);
        path_ = std::move(counted->second);
        place_ = Place::Leaf;
    }
}

// Moves to the next complete distribution worth at least `target` that the
// enumeration reaches, cut with the best value as it stands.
bool RankedEnumeration::Advance(qint64 target)
{
    int index = count_ - 1;
    if (place_ == Place::End)
        return false;
    if (place_ == Place::Start) {
        levels_[0] = {0, AllCells, NoChoice};
        index = 0;
        if (!Enters(0, 0, AllCells, target)) {
            place_ = Place::End;
            return false;
        }
    } else if (target > best_ && !LeaveOrderedPart(target, index)) {
        place_ = Place::End;
        return false;
    }
    for (;;) {
        // A course left out has no choice after that one: back up at once.
        if (levels_[index].choice != LeaveOut && NextChoice(index, target)) {
            if (index + 1 == count_ || SkipsToLeaf(index + 1)) {
                place_ = Place::Leaf;
                return true;
            }
            ++index;
            continue;
        }
        levels_[index].choice = NoChoice;
        path_[index] = 0;
        if (index == 0) {
            place_ = Place::End;
            return false;
        }
        --index;
    }
}

// Looking for more than the best value from a distribution counted: every
// distribution before it below the first ordered course was worth at most
// the best value (the cut there drops only lower values), so the oracle
// tells at once whether anything better is left below that course. When
// nothing is, the search goes on above it. False: nothing is left at all.
bool RankedEnumeration::LeaveOrderedPart(qint64 target, int& index)
{
    const Level& top = levels_[orderedFrom_];
    if (oracle_.Reaches(orderedFrom_, top.free, target - top.value))
        return true;
    for (int i = orderedFrom_; i < count_; ++i) {
        levels_[i].choice = NoChoice;
        path_[i] = 0;
    }
    index = orderedFrom_ - 1;
    return index >= 0;
}

bool RankedEnumeration::NextChoice(int index, qint64 target)
{
    const SearchCourse& course = courses_[index];
    Level& level = levels_[index];
    for (level.choice = NextAlternative(index); level.choice != NoChoice;
         level.choice = NextAlternative(index)) {
        const bool placed = level.choice != LeaveOut;
        const CellMask cells = level.choice == PlaceAll ? course.offered
                               : placed                 ? CellMask(1) << level.choice
                                                        : 0;
        const qint64 value = level.value + (placed ? course.priority : 0);
        const CellMask free = level.free & ~cells;
        path_[index] = cells;
        if (Enters(index + 1, value, free, target)) {
            levels_[index + 1] = {value, free, NoChoice};
            return true;
        }
    }
    path_[index] = 0;
    return false;
}

// In enumeration order: the free offered cells ascending, or all cells at
// once for VisitAll, then leaving the course out.
qint8 RankedEnumeration::NextAlternative(int index) const
{
    const SearchCourse& course = courses_[index];
    const Level& level = levels_[index];
    if (level.choice == LeaveOut)
        return NoChoice;
    if (course.visitAll) {
        const bool fits = (course.offered & ~level.free) == 0;
        return level.choice == NoChoice && fits ? PlaceAll : LeaveOut;
    }
    const CellMask later =
        level.choice == NoChoice ? AllCells : ~((CellMask(2) << level.choice) - 1);
    const CellMask open = course.offered & level.free & later;
    return open != 0 ? qint8(std::countr_zero(open)) : LeaveOut;
}

// Entered at `index` with nothing left to place, the enumeration leaves
// every course from there out, each step entered, as the value already
// reaches the target (the oracle said so on entering): the leaf is set at
// once, just as those steps would leave it.
bool RankedEnumeration::SkipsToLeaf(int index)
{
    Level& level = levels_[index];
    if (index <= lastCellless_ || (level.free & offeredFrom_[index]) != 0)
        return false;
    const Level leftOut{level.value, level.free, LeaveOut};
    std::fill(levels_.begin() + index, levels_.begin() + count_, leftOut);
    std::fill(path_.begin() + index, path_.end(), 0);
    levels_[count_] = {leftOut.value, leftOut.free, NoChoice};
    return true;
}

// Whether the enumeration enters the node of course `index` (past the last
// course: the complete distribution) and it can hold a distribution worth
// `target`.
bool RankedEnumeration::Enters(int index, qint64 value, CellMask free, qint64 target)
{
    if (index == count_)
        return value >= target;
    const qint64 left = count_ - index;
    if (value + left * std::max(courses_[index].priority, 0) < best_)
        return false;
    return oracle_.Reaches(index, free, target - value);
}
