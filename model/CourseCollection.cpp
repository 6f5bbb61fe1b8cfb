#include "model/CourseCollection.h"

#include "general/StdError.h"

#include <utility>

Termin& CourseCollection::Append()
{
    return Append(Termin{});
}

Termin& CourseCollection::Append(Termin course)
{
    if (IsFull())
        STD::Raise(STD::Overflow);
    records_.back() = std::move(course);
    records_.emplace_back();
    return records_[records_.size() - 2];
}

void CourseCollection::Assign(std::vector<Termin> courses)
{
    if (courses.size() > std::size_t(MaxCount))
        STD::Raise(STD::Overflow);
    records_ = std::move(courses);
    records_.emplace_back();
}

void CourseCollection::RemoveAt(int position)
{
    if (position < 0 || position >= Count())
        STD::Raise(STD::InvalidArgument);
    records_.erase(records_.begin() + position);
}

void CourseCollection::SwapRecords(int first, int second)
{
    if (first < 0 || first >= Count() || second < 0 || second >= Count())
        STD::Raise(STD::InvalidArgument);
    std::swap(records_[first], records_[second]);
}

void CourseCollection::Reorder(const std::vector<int>& order)
{
    const int count = Count();
    std::vector<bool> taken(count, false);
    if (int(order.size()) != count)
        STD::Raise(STD::InvalidArgument);
    for (const int position : order) {
        if (position < 0 || position >= count || taken[position])
            STD::Raise(STD::InvalidArgument);
        taken[position] = true;
    }
    std::vector<Termin> reordered;
    reordered.reserve(records_.size());
    for (const int position : order)
        reordered.push_back(std::move(records_[position]));
    reordered.push_back(std::move(records_.back()));
    records_ = std::move(reordered);
}
